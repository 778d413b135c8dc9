#!/usr/bin/env bash
# run.sh WEB_BUILD HOST_BUILD [bench]: the web page's tests in Debian's headless Chromium, driven by
# puppeteer-core (pinned by package-lock.json, installed here beside the web build). Each test
# serves the page itself on 127.0.0.1 and starts and stops its own browser. With `bench`, the
# frame rate report of tests/web/bench.mjs instead.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
web=$(cd "$1" && pwd)
host=$(cd "$2" && pwd)

# The browser driver, installed again only when the lock file changes.
modules=$web/test-node
if ! cmp -s "$here/package-lock.json" "$modules/package-lock.json"; then
  rm -rf "$modules"
  mkdir -p "$modules"
  cp "$here/package.json" "$here/package-lock.json" "$modules/"
  (cd "$modules" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi

export REROVUZ_WEB_SITE=$web/site
export REROVUZ_HOST_BUILD=$host
export NODE_PATH=$modules/node_modules
if [ "${3:-}" = bench ]; then
  exec node "$here/bench.mjs"
fi
# One test file at a time: each plays the page in a browser of its own, which takes both cores.
node --test --test-concurrency=1 "$here"/*.test.mjs
