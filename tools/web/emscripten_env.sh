# Sourced by the web build's scripts: Debian's Emscripten as it is meant to run.
# Its Python is Debian's (another python3 may come first on the search path), and its
# JavaScript tools find Debian's acorn even where Node.js is not Debian's own.
export EMSDK_PYTHON=/usr/bin/python3
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
