# The two commands of the README. Both install what is missing, configure
# and build first, so a fresh Debian 12 machine needs nothing else.
.PHONY: run test test-asan test-tsan test-windows build build-asan build-tsan build-fuzz build-windows fuzz deps deps-windows clean install package web test-web web-serve deps-web

# Seconds each fuzz target runs under `make fuzz`.
FUZZ_SECONDS ?= 60

# Where `make install` puts the programs and data (PREFIX/bin, PREFIX/share/qav).
PREFIX ?= /usr/local

deps:
	@scripts/install-deps

build: deps
	@test -f build/build.ninja || cmake --preset default
	cmake --build --preset default

# Windows: the core, qav and their tests cross-built with mingw-w64; the
# tests run under Wine.
deps-windows:
	@scripts/install-deps --windows

build-windows: deps-windows
	@test -f build-windows/build.ninja || cmake --preset windows
	cmake --build --preset windows

# The browser programmer: the core built with Emscripten into one module,
# with the page of web/, in build-web/web/ (the whole static site).
deps-web:
	@scripts/install-deps --web

web: deps-web
	@test -f build-web/build.ninja || cmake --preset web
	cmake --build --preset web

# The core's tests (without the pseudo-terminal ones) under Node, against
# the WebAssembly build, and the module's own test; then the page in
# headless Chromium against `qav` of the native build (screenshots and
# measurements in build-web/browser-test/).
test-web: web build
	ctest --preset web
	/usr/bin/python3 tests/web/browser_test.py build-web/web build/bin/qav build-web/browser-test

# Serves the page on http://localhost:$(WEB_PORT)/ for trying it (Web Serial
# needs localhost or https).
WEB_PORT ?= 8080
web-serve: web
	python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory build-web/web

build-asan: deps
	@test -f build-asan/build.ninja || cmake --preset asan
	cmake --build --preset asan

# The libFuzzer programs (clang, ASan + UBSan) in build-fuzz/fuzz.
build-fuzz: deps
	@test -f build-fuzz/build.ninja || cmake --preset fuzz
	cmake --build --preset fuzz

fuzz: build-fuzz
	FUZZ_SECONDS=$(FUZZ_SECONDS) scripts/fuzz

build-tsan: deps
	@test -f build-tsan/build.ninja || cmake --preset tsan
	cmake --build --preset tsan

run: build
	@scripts/run

test: build
	@mkdir -p build/runtime && chmod 700 build/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/build/runtime ctest --preset default

test-asan: build-asan
	@mkdir -p build-asan/runtime && chmod 700 build-asan/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/build-asan/runtime ctest --preset asan

test-windows: build-windows
	ctest --preset windows

# Any prefix works: the programs find their data through ../share/qav.
install: build
	cmake --install build --prefix "$(PREFIX)"

# The Debian package in build/package/, checked by lintian.
package: build
	@scripts/install-deps --package
	cd build && cpack
	scripts/check-package build/package/*.deb

# The whole suite under ThreadSanitizer, the desktop program's tests
# included (offscreen), the package test left out.
test-tsan: build-tsan
	@mkdir -p build-tsan/runtime && chmod 700 build-tsan/runtime
	XDG_RUNTIME_DIR=$(CURDIR)/build-tsan/runtime ctest --preset tsan

clean:
	rm -rf build build-asan build-tsan build-fuzz build-windows build-web
