# The two commands: `make run` and `make test`. Both install what is missing first.
BUILD := build
JOBS := $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

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

# Frame times per scene against the renderer's floor, loading, spectrum and memory, into
# build/bench (report.json, frametime.png). About six minutes; not part of `make test`.
.PHONY: bench
bench: build
	@$(BUILD)/bench/rerovuz-bench --out $(BUILD)/bench

clean:
	rm -rf $(BUILD) build-*
