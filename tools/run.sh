#!/usr/bin/env bash
# Plays the demo from its own folder.
set -euo pipefail
build=${1:-build}
exec "$build/demo/rerovuz"
