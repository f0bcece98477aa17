# The front door: `make test` and `make run` are all a newcomer needs.
BUILD_DIR := build
JOBS := $(shell nproc)

.PHONY: deps configure build test clean

deps:
	@scripts/install-deps

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: build
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

clean:
	@rm -rf $(BUILD_DIR) build-*
