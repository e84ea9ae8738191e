# Wrappers around CMake: `make test` sets up, builds and runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DKADORO_WERROR=ON

.PHONY: deps configure build run test test-asan bench fuzz clean

deps:
	bash scripts/install-deps.sh

configure: deps
	cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS)

build: configure
	cmake --build $(BUILD_DIR) -j $(JOBS)

# Installs what is missing (as root), builds, and opens the main window.
run: build
	$(BUILD_DIR)/bin/kadoro

test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

# The whole suite built with AddressSanitizer and UndefinedBehaviorSanitizer (CMakePresets.json,
# into build-asan/); the sanitizer options come from the preset's environment.
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan -j $(JOBS)
	ctest --preset asan -j $(JOBS)

bench: build
	bash bench/window_start.sh
	cmake --build $(BUILD_DIR) --target kadoro_folder_panel_bench
	$(BUILD_DIR)/bin/kadoro_folder_panel_bench
	bash bench/gui_run.sh
	bash bench/run.sh

clean:
	rm -rf $(BUILD_DIR)

FUZZ_BUILD_DIR ?= build-fuzz
FUZZ_SECONDS ?= 60

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS.
fuzz: deps
	CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD_DIR) -DKADORO_BUILD_FUZZERS=ON \
	  -DKADORO_BUILD_TESTS=OFF -DKADORO_BUILD_WINDOW=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(FUZZ_BUILD_DIR) -j $(JOBS)
	bash fuzz/run.sh $(FUZZ_BUILD_DIR) $(FUZZ_SECONDS)
