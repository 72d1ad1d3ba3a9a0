# Thin front over the CMake presets. Every target first makes sure the system packages exist.
.PHONY: deps build test run bench release clean

JOBS ?= $(shell nproc)

deps:
	@scripts/install-deps

build: deps
	cmake --preset dev
	cmake --build --preset dev -j $(JOBS)

test: build
	ctest --preset dev -j $(JOBS)

release: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)

run: release
	@scripts/run-program build/release

bench: release
	@scripts/run-benchmarks build/release

clean:
	rm -rf build
