# Setup, build and test in one go on a fresh Debian 12 machine. Configuring,
# building and testing go by the presets of CMakePresets.json; BUILD_DIR is the
# default preset's folder.
BUILD_DIR := build
FUZZ_SECONDS ?= 300

# The window: compiler, CMake, Ninja and Qt 6 (with XKB's headers, which Qt's
# CMake files look for, and the SVG icon engine that draws the window's icon).
WINDOW_PACKAGES := cmake ninja-build g++ qt6-base-dev libxkbcommon-dev libqt6svg6
# Everything else. Tests: GoogleTest, a virtual X display with xdotool and xprop
# (x11-utils) for the window's smoke test, strace to see which syncs a batch
# makes, the desktop file and AppStream validators, clang with libFuzzer's
# runtime and LLVM's symbolizer for the fuzzers, clang-tidy and clang-format for
# the lint. Benchmarks: Google Benchmark, GNU time for the peak memory.
# Packaging: dpkg-shlibdeps (dpkg-dev) and file, which CPack uses to find
# libraries; lintian checks the package. Windows: the MinGW-w64 cross compiler,
# and wine to run what it builds, with the Fixedsys font (fonts-wine); xclip
# reads what the Win32 window copies; NSIS makes the installer. The page's test:
# Chromium, driven through its driver by Selenium.
# The page: emscripten, which runs its own scripts with node, and the core's
# tests under node.
WEB_PACKAGES := emscripten nodejs
TEST_PACKAGES := $(WEB_PACKAGES) libgtest-dev libbenchmark-dev \
                 xvfb xauth xdotool x11-utils strace time desktop-file-utils appstream dpkg-dev file lintian \
                 clang-14 libclang-rt-14-dev llvm-14 clang-tidy clang-format \
                 g++-mingw-w64-x86-64-posix wine wine64 fonts-wine xclip nsis \
                 chromium chromium-driver python3-selenium

SHELL := /bin/bash
SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)
JOBS := $(shell nproc)

.PHONY: all deps deps-window deps-web configure build run unit test sanitize fuzz-build fuzz-smoke \
        fuzz lint bench web-bench package windows windows-test web web-test clean

all: build

# Installs only those of the Debian packages $(1) that are missing.
define install_missing
	@missing=""; \
	for p in $(1); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  if [ -n "$(SUDO)" ] && ! command -v sudo >/dev/null; then \
	    echo "Missing Debian packages:$$missing"; \
	    echo "Install them as root (su -c 'make $@'), or run make as root."; \
	    exit 1; \
	  fi; \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi
endef

deps-window:
	$(call install_missing,$(WINDOW_PACKAGES))

deps-web:
	$(call install_missing,$(WEB_PACKAGES))

deps:
	$(call install_missing,$(WINDOW_PACKAGES) $(TEST_PACKAGES))

configure: deps
	cmake --preset default

build: configure
	cmake --build --preset default

# The window alone: only what it needs is installed, and only it and what it links
# is built. A build folder made here leaves the tests and benchmarks out (nothing
# of theirs is installed yet); one that `make test` configured keeps them.
run: deps-window
	@[ -f $(BUILD_DIR)/CMakeCache.txt ] || \
	  cmake --preset default -DBUILD_TESTING=OFF -DFLG2SCN_BUILD_BENCHMARKS=OFF
	cmake --build --preset default --target flg2scn
	$(BUILD_DIR)/qt/flg2scn

# The tests of the ordinary build, the Windows build's tests under wine among them.
unit: build
	ctest --preset default

# Everything: the tests, the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, a short run of every fuzzer and the lint.
test: lint fuzz-smoke sanitize unit web-test

# flg2scn.exe, flg2scn-cli.exe, the plain test suites and the zip for Windows, in build-windows/
# The Linux build's flg2scn-cli is what the Windows one is held against.
windows: build
	cmake --preset windows -DFLG2SCN_LINUX_CLI=$(CURDIR)/$(BUILD_DIR)/cli/flg2scn-cli
	cmake --build --preset windows

# Only the Windows build's tests, which the ordinary build runs as one test.
windows-test: build
	ctest --preset default -R '^windows_tests$$'

# The page, build-web/flg2scn.html: one file that works offline, from disk too.
# A build folder made here leaves the tests out (GoogleTest's sources are not
# installed yet), as `make run` does; one that `make test` configured keeps them.
web: deps-web
	@[ -f build-web/CMakeCache.txt ] || cmake --preset web -DBUILD_TESTING=OFF
	cmake --build --preset web

# The core's tests under node, and the page's in a headless browser, held
# against the Linux build's flg2scn-cli.
web-test: deps build
	cmake --preset web -DFLG2SCN_LINUX_CLI=$(CURDIR)/$(BUILD_DIR)/cli/flg2scn-cli >/dev/null
	cmake --build --preset web
	ctest --preset web

sanitize: deps
	cmake --preset sanitize
	cmake --build --preset sanitize
	ctest --preset sanitize

fuzz-build: deps
	cmake --preset fuzz
	cmake --build --preset fuzz

fuzz-smoke: fuzz-build
	cmake --preset fuzz -DFLG2SCN_FUZZ_SECONDS=20 >/dev/null
	ctest --preset fuzz -j $(JOBS)

# Longer fuzzing: FUZZ_SECONDS for each target, as many at once as there are cores.
fuzz: fuzz-build
	cmake --preset fuzz -DFLG2SCN_FUZZ_SECONDS=$(FUZZ_SECONDS) >/dev/null
	ctest --preset fuzz -V -j $(JOBS) > build-fuzz/fuzz.log 2>&1; status=$$?; \
	grep -E 'Test #|stat::number_of_executed_units' build-fuzz/fuzz.log; exit $$status

# clang-tidy prints the command line of each file it checks and counts the
# warnings it found in headers and did not show ("N warnings generated."); here
# each file is named as it is checked, then its findings, if any.
TIDY_OUTPUT := sed -u -E 's|^clang-tidy-[0-9]+ .* $(CURDIR)/(.*)$$|lint: clang-tidy \1|; /^[0-9]+ warnings? generated\.$$/d; s/[0-9]+ warnings? generated\.$$//'
# The files built for Windows only are checked in the Windows build's compile
# database (configured here, as its tests do), with MinGW-w64's C++ and Windows
# headers; clang brings its own compiler headers.
WINDOWS_DIR := $(BUILD_DIR)/windows
WINDOWS_ONLY := (win32/.*|system/.*_win32|tests/win32/.*|tests/cli/own_console_probe|tests/support/windows_faults|tests/system/file_system_windows_test)
MINGW_HEADERS = $$(echo | x86_64-w64-mingw32-g++-posix -xc++ -E -v - 2>&1 | \
  sed -n -E 's,^ (/.*(/include/c\+\+.*|mingw32/include))$$,-extra-arg=-isystem\1,p')

# The page's files are checked with this machine's headers and the native build's
# include folders; emscripten's own headers come after them, for emscripten.h
# alone (clang-tidy cannot read the libc++ that emscripten brings).
WEB_TIDY_FLAGS := -std=c++20 $(foreach room,commands conversion vb6 system editor,-I$(BUILD_DIR)/include/$(room)) \
                  -Isystem/linux -idirafter /usr/share/emscripten/cache/sysroot/include

lint: build
	@echo "lint: clang-tidy checks every source file, the Windows ones in the Windows build (some ten minutes on two cores)"
	@set -o pipefail; run-clang-tidy -p $(BUILD_DIR) -quiet -j $(JOBS) \
	  '$(CURDIR)/(vb6|system|conversion|commands|editor|qt|cli|tests|bench)/.*\.cpp$$' 2>&1 | $(TIDY_OUTPUT)
	@cmake -S . --preset windows -B $(WINDOWS_DIR) \
	  -DFLG2SCN_LINUX_CLI=$(CURDIR)/$(BUILD_DIR)/cli/flg2scn-cli >/dev/null
	@set -o pipefail; run-clang-tidy -p $(WINDOWS_DIR) -quiet -j $(JOBS) $(MINGW_HEADERS) \
	  '$(CURDIR)/$(WINDOWS_ONLY)\.cpp$$' 2>&1 | $(TIDY_OUTPUT)
	@for file in web/*.cpp; do echo "lint: clang-tidy $$file"; \
	  clang-tidy --quiet $$file -- $(WEB_TIDY_FLAGS) 2>&1 | sed '/warnings\? generated\.$$/d'; \
	  [ "$${PIPESTATUS[0]}" = 0 ] || exit 1; done
	clang-format --dry-run -Werror $$(git ls-files '*.cpp' '*.h')
	@echo "lint: clang-tidy and clang-format found nothing to mend"

# Builds build/flg2scn_VERSION_ARCH.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build web-bench
	$(BUILD_DIR)/bench/flg2scn-bench

# The page's keys, load and Convert with big texts in Chromium, and its core
# under node against flg2scn-cli.
web-bench: deps build web
	/usr/bin/python3 bench/web_bench.py build-web/flg2scn.html \
	  build-web/web/flg2scn-web-core-bench.js $(BUILD_DIR)/cli/flg2scn-cli build-web/bench

clean:
	rm -rf $(BUILD_DIR) build-sanitize build-fuzz build-windows build-web
