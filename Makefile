# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The sanitizer build (AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer) with clang,
# which also builds the fuzz targets. `make fuzz FUZZ_SECONDS=N` runs each of them N seconds,
# with the memory and time limits that follow the readers' budgets (tests/fuzz/run_fuzz.sh);
# the short runs within `make test` use the same limits.
ASAN_BUILD := build-asan
ASAN_FLAGS := -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
              -DCMAKE_CXX_COMPILER=clang++ -DREROVUZ_FUZZ=ON
# Under the sanitizers the hostile-asset test already plays the whole demo nearly a hundred
# times; the pixel-level timeline and capture checks run in the plain build only, to keep
# `make test` well under ten minutes on two cores.
ASAN_SKIP := ^(test_timeline|test_capture)$$
FUZZ_SECONDS ?= 600
FUZZ_TARGETS := fuzz_tga fuzz_mesh_binary fuzz_mesh_text fuzz_picture fuzz_music

.PHONY: all setup build run test clean

all: build

setup:
	@bash tools/setup.sh

build: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@tools/run.sh $(BUILD)

test: build
	@ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory sanitize
	@$(MAKE) --no-print-directory windows-test
	@$(MAKE) --no-print-directory web-test

.PHONY: sanitize fuzz

# The whole suite again under the sanitizers, the fuzz targets for a few seconds each among it.
sanitize: setup
	@cmake -S . -B $(ASAN_BUILD) $(ASAN_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS)
	@ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -E '$(ASAN_SKIP)'

fuzz: setup
	@cmake -S . -B $(ASAN_BUILD) $(ASAN_FLAGS) >/dev/null
	@cmake --build $(ASAN_BUILD) -j $(JOBS) --target $(FUZZ_TARGETS)
	@tests/fuzz/run_fuzz.sh $(ASAN_BUILD)/tests/fuzz $(FUZZ_SECONDS)

# Frame times per scene against the renderer's floor, loading, spectrum and memory, into
# build/bench (report.json, frametime.png). About three minutes; not part of `make test`.
.PHONY: bench
bench: build
	@$(BUILD)/bench/rerovuz-bench --out $(BUILD)/bench

# The Windows build: cross-compiled with MinGW-w64 against SDL2, SDL2_image, libmpg123 and
# kissfft built static from Debian's source packages (cached outside the build folders, see
# tools/windows/dependencies.sh), with the Linux build's assets. Writes
# build-win/rerovuz-win64.zip. `make test` also runs its programs and unit suites under Wine.
WIN_BUILD := build-win
# One Wine program at a time: with several at once in one prefix on a loaded machine, a demo
# run now and then never exits (seen with the full-screen run beside the capture and suites).
WINE_JOBS := 1
.PHONY: windows windows-test

# A new library prefix (new package versions or build script) needs a fresh configure: the
# cache would keep what pkg-config found in the old one.
windows: build
	@deps=$$(bash tools/windows/dependencies.sh) && \
	  if [ -f $(WIN_BUILD)/CMakeCache.txt ] && \
	     ! grep -q "^REROVUZ_WIN_DEPS:[A-Z]*=$$deps$$" $(WIN_BUILD)/CMakeCache.txt; then \
	    rm -f $(WIN_BUILD)/CMakeCache.txt; fi && \
	  cmake -S . -B $(WIN_BUILD) --toolchain tools/windows/toolchain.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DREROVUZ_WIN_DEPS="$$deps" \
	    -DREROVUZ_HOST_BUILD=$(abspath $(BUILD)) >/dev/null
	@cmake --build $(WIN_BUILD) -j $(JOBS) --target windows_zip

windows-test: windows
	@cmake --build $(WIN_BUILD) -j $(JOBS)
	@tools/windows/wine_session.sh ctest --test-dir $(WIN_BUILD) --output-on-failure -j $(WINE_JOBS)

# Each fault of tests/faults/faults.md applied alone to a copy of the tree, built, and the suites
# it names run: which of them catch it. Takes a while; not part of `make test`.
# `make faults FAULTS="F01 F54"` for some; `FAULTS=--all` runs every plain suite on each.
.PHONY: faults
faults: setup
	@tests/faults/run_faults.sh $(FAULTS)

clean:
	rm -rf $(BUILD) build-*

# The web build: the demo as a page, compiled with Debian's Emscripten against SDL2, SDL2_image,
# libmpg123, kissfft and GLU built from Debian's source packages and gl4es from third_party/
# (cached outside the build folders, see tools/web/dependencies.sh), with the Linux build's
# assets. Writes build-web/site/ and build-web/rerovuz-web.zip. `make serve-web` serves the
# folder on 127.0.0.1 (WEB_PORT); `make test` also plays the page in headless Chromium.
WEB_BUILD := build-web
WEB_PORT ?= 8080
.PHONY: web serve-web web-test web-bench

# Of the Linux build, only the assets: the generator and what it draws.
web: setup
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target assets
	@deps=$$(bash tools/web/dependencies.sh) && . tools/web/emscripten_env.sh && \
	  if [ -f $(WEB_BUILD)/CMakeCache.txt ] && \
	     ! grep -q "^REROVUZ_WEB_DEPS:[A-Z]*=$$deps$$" $(WEB_BUILD)/CMakeCache.txt; then \
	    rm -f $(WEB_BUILD)/CMakeCache.txt; fi && \
	  cmake -S . -B $(WEB_BUILD) --toolchain tools/web/toolchain.cmake \
	    -DCMAKE_BUILD_TYPE=Release -DREROVUZ_TESTS=OFF -DREROVUZ_WEB_DEPS="$$deps" \
	    -DREROVUZ_HOST_BUILD=$(abspath $(BUILD)) >/dev/null && \
	  cmake --build $(WEB_BUILD) -j $(JOBS)

serve-web: web
	@echo "Open http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	@python3 -m http.server --bind 127.0.0.1 --directory $(WEB_BUILD)/site $(WEB_PORT)

# The frame test compares with the Linux build's capture.
web-test: build web
	@bash tests/web/run.sh $(WEB_BUILD) $(BUILD)

# Frames per second of each scene of the page in headless Chromium (WebGL on SwiftShader):
# build-web/bench.json. A report, not a test; about a minute and a half.
web-bench: web
	@bash tests/web/run.sh $(WEB_BUILD) $(BUILD) bench
