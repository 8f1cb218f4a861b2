# SPDX-License-Identifier: GPL-3.0-or-later
# The two commands a newcomer needs: `make run` and `make test`.
BUILD_DIR ?= build
SANITIZE_DIR ?= build-sanitize
FUZZ_DIR ?= build-fuzz
WINDOWS_DIR ?= build-windows
# How long `make fuzz` runs each fuzz target.
FUZZ_SECONDS ?= 300
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

.PHONY: run test bench build deps configure screenshot package test-sanitize fuzz windows test-windows

deps:
	@bash scripts/install-deps.sh

configure: deps
	@if [ ! -f $(BUILD_DIR)/build.ninja ]; then cmake -S . -B $(BUILD_DIR) -G Ninja $(CMAKE_FLAGS); fi

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@bash scripts/run.sh $(BUILD_DIR)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@bash scripts/bench.sh $(BUILD_DIR)

screenshot: build
	@bash scripts/screenshot.sh $(BUILD_DIR)

# The Debian package tastavo_<version>_<arch>.deb, in the build folder.
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# The whole test suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitize: deps
	@bash scripts/test-sanitize.sh $(SANITIZE_DIR) $(JOBS)

# Each libFuzzer target of tests/fuzz for FUZZ_SECONDS seconds.
fuzz: deps
	@bash scripts/fuzz.sh $(FUZZ_DIR) $(FUZZ_SECONDS) $(JOBS)

# tastavo-cli.exe and the domain libraries' tests for Windows x86-64, cross-built with MinGW-w64.
windows: deps
	@if [ ! -f $(WINDOWS_DIR)/build.ninja ]; then cmake -S . -B $(WINDOWS_DIR) -G Ninja $(CMAKE_FLAGS) \
		-DCMAKE_TOOLCHAIN_FILE=cmake/MinGW-w64.cmake; fi
	@cmake --build $(WINDOWS_DIR) -j $(JOBS)

# The Windows tests under Wine, and tastavo-cli.exe against the Linux build's tastavo-cli.
test-windows: windows configure
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tastavo-cli
	@bash scripts/test-windows.sh $(WINDOWS_DIR) $(BUILD_DIR) $(JOBS)
