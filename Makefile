# The front door: `make test` and `make run` are all a newcomer needs.
BUILD_DIR := build
ASAN_DIR := build-asan
WIN32_DIR := build-win32
JOBS := $(shell nproc)

.PHONY: deps configure build test test-sanitized test-win32 win32 run screenshot package install bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build test-sanitized test-win32
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The core's tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON -DLUMORA_BENCH=OFF -DLUMORA_QT=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target catalogue_tests viewer_tests
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -L core

# The program in a window on this desktop.
run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	    echo "make run: no display here (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session, or try: xvfb-run make run"; \
	    exit 1; \
	fi
	@$(BUILD_DIR)/lumora

# docs/screenshot.png: the window as it starts, drawn offscreen.
screenshot: build
	@mkdir -p docs
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/lumora-screenshot docs/screenshot.png

# A Debian package of the program, in build/package/.
package: build
	@cd $(BUILD_DIR) && cpack

install: build
	@cmake --install $(BUILD_DIR)

# Timings of the core, then of the Qt window against Qt alone.
# build-win32/Lumora.exe: the 32-bit Windows program, cross-compiled with mingw-w64.
win32: deps
	@cmake -S . -B $(WIN32_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32_DIR) -j $(JOBS)

# Its tests drive the real window under Wine, one at a time.
test-win32: win32
	@ctest --test-dir $(WIN32_DIR) --output-on-failure

bench: build
	@$(BUILD_DIR)/lumora-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/lumora-qt-bench

clean:
	@rm -rf $(BUILD_DIR) build-*
