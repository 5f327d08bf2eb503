# Front doors of the project. Each target installs what is missing,
# configures with CMake and Ninja, and builds.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE)
# ccache is used when it is there. The test runs inside each recipe, after
# scripts/install-deps.sh, so a fresh machine's first build already uses it
# and the next front door does not reconfigure and rebuild everything.
LAUNCHER = $$(command -v ccache >/dev/null 2>&1 && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths inside the tree are hashed relative to it, so a fresh clone reuses
# what another checkout of the same sources compiled.
export CCACHE_BASEDIR := $(CURDIR)
export CCACHE_NOHASHDIR := 1
SAMPLE ?= samples/welcome.wml

.PHONY: all deps configure build run test bench fuzz install uninstall package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) $(LAUNCHER) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR)

run: build
	$(BUILD_DIR)/bin/tarnel $(SAMPLE)

# The suite runs twice: as built, and built with AddressSanitizer and
# UndefinedBehaviorSanitizer, where any report fails.
test: build
	@bash scripts/run-tests.sh $(BUILD_DIR)
	@cmake -S . -B build-asan $(CMAKE_FLAGS) $(LAUNCHER) -DTARNEL_SANITIZE=ON >/dev/null
	@cmake --build build-asan
	@bash scripts/run-tests.sh build-asan

bench: deps
	@cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DTARNEL_BENCH=ON $(LAUNCHER) >/dev/null
	@cmake --build build-bench --target benchmarks
	@bash scripts/run-benchmarks.sh build-bench

# Installs into PREFIX (/opt/tarnel unless given) plus the desktop entry,
# icon and file types; uninstall removes what the last install put there.
PREFIX ?= /opt/tarnel
install: deps
	@cmake -S . -B $(BUILD_DIR) $(CMAKE_FLAGS) $(LAUNCHER) -DCMAKE_INSTALL_PREFIX=$(PREFIX) >/dev/null
	@cmake --build $(BUILD_DIR)
	@cmake --install $(BUILD_DIR)

uninstall:
	@cmake --build $(BUILD_DIR) --target uninstall

# A Debian package in $(BUILD_DIR).
package: build
	@cd $(BUILD_DIR) && cpack -G DEB

# libFuzzer targets built with clang and sanitizers, each run FUZZ_SECONDS.
FUZZ_SECONDS ?= 30
fuzz: deps
	@cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNEL_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ $(LAUNCHER) >/dev/null
	@cmake --build build-fuzz
	@bash scripts/run-fuzzers.sh build-fuzz $(FUZZ_SECONDS)

clean:
	rm -rf $(BUILD_DIR) build-bench build-fuzz build-asan
