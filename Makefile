# The front door: `make test` and `make run` are all a newcomer needs.
BUILD_DIR := build
ASAN_DIR := build-asan
JOBS := $(shell nproc)

.PHONY: deps configure build test test-sanitized bench clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build test-sanitized
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The core's tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON -DLUMORA_BENCH=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target catalogue_tests viewer_tests
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -L core

bench: build
	@$(BUILD_DIR)/lumora-bench

clean:
	@rm -rf $(BUILD_DIR) build-*
