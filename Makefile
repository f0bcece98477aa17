# The front door: `make test` and `make run` are all a newcomer needs.
BUILD_DIR := build
ASAN_DIR := build-asan
WIN32_DIR := build-win32
WIN64_DIR := build-win64
ARM64_DIR := build-arm64
JOBS := $(shell nproc)
# Set to 1 to take the path of a machine that cannot execute 32-bit programs.
LUMORA_NO_32BIT ?=
# The arm64 program is cross-compiled where the machine is not arm64 itself;
# on an arm64 machine, build/ holds it.
ARM64 := $(if $(filter arm64,$(shell dpkg --print-architecture 2>/dev/null)),,arm64)
# Every date that lands in a built file is the last commit's, so that a build
# can be repeated byte for byte.
export SOURCE_DATE_EPOCH ?= $(shell git log -1 --format=%ct 2>/dev/null || echo 1)

.PHONY: deps deps-windows deps-package deps-test configure build test test-sanitized test-windows test-other-release test-package \
        test-arm64 test-reproducible win32 win64 arm64 run screenshot package install bench clean

# What each entry point installs: building and running the Linux program
# needs the least; make test installs everything (scripts/debian-packages).
deps:
	@scripts/install-deps build
deps-windows:
	@scripts/install-deps windows
deps-package:
	@scripts/install-deps build windows package $(ARM64)
deps-test:
	@scripts/install-deps build windows package $(ARM64) test

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=Release >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

test: deps-test build test-sanitized test-windows test-package test-arm64 test-reproducible test-other-release
	@ctest --test-dir $(BUILD_DIR) --output-on-failure -j $(JOBS)

# The core's tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
test-sanitized: deps
	@cmake -S . -B $(ASAN_DIR) -DCMAKE_BUILD_TYPE=Debug -DLUMORA_SANITIZE=ON -DLUMORA_BENCH=OFF -DLUMORA_QT=OFF >/dev/null
	@cmake --build $(ASAN_DIR) -j $(JOBS) --target lumora-catalogue viewer_tests
	@ctest --test-dir $(ASAN_DIR) --output-on-failure -j $(JOBS) -L core

# The program in a window on this desktop; without one, it says so itself.
run: build
	@$(BUILD_DIR)/lumora

# docs/screenshot.png: the window as it starts, framed by GNOME's window
# manager in a virtual display.
screenshot: deps-test build
	@mkdir -p docs
	@LUMORA_WINDOW_MANAGER="mutter --x11 --replace --sm-disable" tests/desktop/x-session \
	    env QT_QPA_PLATFORM=xcb $(BUILD_DIR)/lumora-screenshot docs/screenshot.png

# The packages: the Debian package in build/package/ (and for arm64 in
# build-arm64/package/), the Windows installer and zip in build-win32/package/.
package: deps-package build win32 $(ARM64)
	@cd $(BUILD_DIR) && cpack >/dev/null
	@$(if $(ARM64),cd $(ARM64_DIR) && cpack >/dev/null)
	@ls $(BUILD_DIR)/package/*.deb $(if $(ARM64),$(ARM64_DIR)/package/*.deb) \
	    $(WIN32_DIR)/package/*.msi $(WIN32_DIR)/package/*.zip

# The Debian package as Debian checks it (lintian, hardening-check), then
# installed, started and removed on this machine; test-other-release does all
# of make test on the other Debian release.
test-package: deps-test package
	@lintian --fail-on error,warning $(BUILD_DIR)/package/lumora_*.deb
	@echo "test-package: lintian reports no error and no warning"
	@scripts/check-hardening $(BUILD_DIR)/package/lumora_*.deb
	@scripts/install-and-start-package $(BUILD_DIR)/package/lumora_*.deb

# The Windows programs, the zip and the Debian package, built once more from a
# copy of the tree elsewhere, must come out byte for byte the same.
test-reproducible: package win64
	@scripts/check-reproducible

# Under /usr/local (or DESTDIR), through sudo where it is not run as root, so
# that the build stays its user's; build/install_manifest.txt lists what it put.
install: build
	@$(if $(filter 0,$(shell id -u)),,sudo --preserve-env=DESTDIR) cmake --install $(BUILD_DIR)

# Timings of the core, then of the Qt window against Qt alone.
# build-win32/Lumora.exe: the 32-bit Windows program, cross-compiled with mingw-w64.
win32: deps-windows
	@cmake -S . -B $(WIN32_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
	@cmake --build $(WIN32_DIR) -j $(JOBS)

# build-arm64/lumora: the Linux program for arm64 (Raspberry Pi OS, Debian on
# arm64), cross-compiled with Debian's arm64 Qt beside the machine's own.
arm64: deps-package
	@cmake -S . -B $(ARM64_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -DCMAKE_BUILD_TYPE=Release \
	    -DLUMORA_BENCH=OFF >/dev/null
	@cmake --build $(ARM64_DIR) -j $(JOBS)

# build-win64/Lumora.exe: the same program for 64-bit Windows, whose tests run
# on every x86-64 machine and check the shipped 32-bit file and its installer
# as well, so the 32-bit build comes first.
win64: win32
	@cmake -S . -B $(WIN64_DIR) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
	    -DLUMORA_SHIPPED_PROGRAM=$(CURDIR)/$(WIN32_DIR)/Lumora.exe >/dev/null
	@cmake --build $(WIN64_DIR) -j $(JOBS)

# The Windows tests drive the real window under Wine, one at a time: always the
# 64-bit build under 64-bit Wine, and the 32-bit build under 32-bit Wine where
# this machine can execute a 32-bit program (asked of Wine's own 32-bit loader).
test-windows: deps-test win32 win64
	@ctest --test-dir $(WIN64_DIR) --output-on-failure
	@if [ -n "$(LUMORA_NO_32BIT)" ]; then \
	    echo "test-windows: LUMORA_NO_32BIT is set, so the 32-bit Lumora.exe was checked as a file and not run"; \
	elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then \
	    echo "test-windows: this machine cannot execute 32-bit programs, so the 32-bit Lumora.exe was checked as a file and not run"; \
	else \
	    ctest --test-dir $(WIN32_DIR) --output-on-failure; \
	fi

# The arm64 program under qemu-user: the core's and the Qt window's tests, and
# the real program framed by openbox with every passage whole; then its
# package as Debian checks it. On an arm64 machine make test tests build/.
test-arm64: deps-test package
ifneq ($(ARM64),)
	@ctest --test-dir $(ARM64_DIR) --output-on-failure -j $(JOBS) -LE desktop
	@ctest --test-dir $(ARM64_DIR) --output-on-failure -R DesktopFrame.OnOpenbox
	@lintian --fail-on error,warning $(ARM64_DIR)/package/lumora_*.deb
	@echo "test-arm64: lintian reports no error and no warning"
	@scripts/check-hardening $(ARM64_DIR)/package/lumora_*.deb
endif

# The committed tree's make test on the other Debian release as the machine,
# in a root of its own: Debian 13 (Qt 6.8, Wine 10) on Debian 12, and Debian 12
# (Qt 6.4, Wine 8) elsewhere. The root's own make test leaves this step out.
LUMORA_OTHER_RELEASE ?= $(shell . /etc/os-release; [ "$$VERSION_CODENAME" = bookworm ] && echo trixie || echo bookworm)
test-other-release: deps-test
	@if [ "$(LUMORA_OTHER_RELEASE)" = none ]; then \
	    echo "test-other-release: left out, as asked (LUMORA_OTHER_RELEASE=none)"; \
	else \
	    scripts/test-in-debian $(LUMORA_OTHER_RELEASE); \
	fi

bench: build
	@$(BUILD_DIR)/lumora-bench
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/lumora-qt-bench

clean:
	@rm -rf $(BUILD_DIR) build-*
