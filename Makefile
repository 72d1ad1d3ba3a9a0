# Thin front over the CMake presets. Every target first makes sure the system packages exist.
.PHONY: deps build test package test-windows package-windows test-installer test-hardening run bench bench-large release screenshots clean

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

test: build
	ctest --preset dev -j $(JOBS)

# A Debian package of the release build (build/release/tarnwick_<version>_amd64.deb).
package: release
	@scripts/install-deps package
	@scripts/build-package build/release

# The same source built for 64-bit Windows with mingw-w64 (the windows on Win32), its tests
# run under Wine with one wineserver kept for the whole run.
test-windows:
	@scripts/install-deps windows
	cmake --preset windows
	@scripts/run-windows-tests $(JOBS)

VERSION := $(shell sed -n 's/^project.Tarnwick VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)

# For Windows users: a zip (tarnwick.exe, tarnwick-cli.exe and a German read-me) and beside it
# an installer for the current user.
package-windows:
	@scripts/install-deps windows
	cmake --preset windows
	cmake --build --preset windows -j $(JOBS) --target tarnwick tarnwick-cli
	@scripts/package-windows build/windows $(VERSION)

# The installer's round trip under Wine: install silently, check, upgrade, uninstall, check.
test-installer: package-windows
	@scripts/check-windows-installer build/windows $(VERSION)

# The attack, fault and fuzz suite (clang, ASan and UBSan), with a summary of its figures.
test-hardening:
	@scripts/install-deps hardening
	cmake --preset hardening
	@scripts/run-hardening $(JOBS)

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

# ARGS="/some/folder" starts it with a command line, as a file manager would.
run: release
	@scripts/run-program build/release $(ARGS)

screenshots: release
	build/release/src/app/tarnwick-screenshots build/release/screenshots

bench: release
	@scripts/install-deps bench
	@scripts/run-benchmarks build/release

# Adds a tree of 2,000,000 files (about 150,000 directories; generating it takes minutes).
bench-large: release
	@scripts/install-deps bench
	@TREE_SIZES="50000 500000 2000000" scripts/run-benchmarks build/release

clean:
	rm -rf build
