# Setup, build and test in one go on a fresh Debian 12 machine.
BUILD_DIR ?= build
# Build: compiler, CMake, Qt 6, GoogleTest, Google Benchmark. Tests and benchmarks:
# a virtual X display with xdotool for the window's smoke test, GNU time for peak
# memory, the desktop file and AppStream validators. Packaging: dpkg-shlibdeps
# (dpkg-dev) and file, which CPack uses to find the programs' libraries.
DEB_PACKAGES := cmake ninja-build g++ qt6-base-dev libgtest-dev libbenchmark-dev \
                xvfb xauth xdotool time desktop-file-utils appstream dpkg-dev file

SUDO := $(shell [ "$$(id -u)" -eq 0 ] || echo sudo)

.PHONY: all deps configure build run test bench package clean

all: build

# Installs only the Debian packages that are missing.
deps:
	@missing=""; \
	for p in $(DEB_PACKAGES); do \
	  dpkg-query -W -f='$${Status}' "$$p" 2>/dev/null | grep -q "install ok installed" || missing="$$missing $$p"; \
	done; \
	if [ -n "$$missing" ]; then \
	  echo "Installing:$$missing"; \
	  $(SUDO) apt-get update && \
	  $(SUDO) env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

configure: deps
	cmake -S . -B $(BUILD_DIR) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/app/flg2scn

test: build
	ctest --test-dir $(BUILD_DIR) --output-on-failure

# Builds build/flg2scn_VERSION_ARCH.deb.
package: build
	cd $(BUILD_DIR) && cpack -G DEB

bench: build
	$(BUILD_DIR)/bench/flg2scn-bench

clean:
	rm -rf $(BUILD_DIR)
