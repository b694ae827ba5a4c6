# Two entry points: `make run` builds and starts the viewer, `make test` builds
# and runs every test headless. Both install missing Debian packages first.
BUILD ?= build
FUZZ_BUILD ?= build-fuzz
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo $(if $(CI),-DTCM_WERROR=ON)

.PHONY: deps configure build run test bench fuzz-smoke clean

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	./$(BUILD)/tcm-viewer

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz-smoke

# Speed and memory figures as ratios against references measured in the same run.
bench: build
	./$(BUILD)/tests/bench/decode_bench content
	./$(BUILD)/tests/bench/view_memory_bench
	./$(BUILD)/tests/bench/scroll_bench

# The readers of stored bytes under libFuzzer, briefly (a separate clang build).
fuzz-smoke: deps
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DTCM_FUZZ=ON >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
