# Top-level entry points. Build trees live under build/.
#   make run    build, then start caelor.exe under Wine
#   make test   build native, x86_64 and i686 and run every test
#   make bench  run the benchmarks
#   make cli    build caelor-cli
#   make fuzz   build the libFuzzer targets and run each for FUZZ_SECONDS
#               (FUZZ_TARGETS="star_catalogue ..." runs only those)
#   make dist   the release artifacts in build/dist: Windows zips and
#               installers, the Debian package of caelor-cli
#   make install  caelor-cli and its data files under PREFIX (/usr/local),
#               staged under DESTDIR when given

BUILD   := build
JOBS    ?= $(shell nproc)
NATIVE  := $(BUILD)/native
ASAN    := $(BUILD)/asan
WIN64   := $(BUILD)/win64
WIN32   := $(BUILD)/win32
CMAKE_Q := -Wno-dev --log-level=WARNING
FUZZ    := $(BUILD)/fuzz
FUZZ_SECONDS  ?= 300
FUZZ_PARALLEL ?= 2
DIST    := $(BUILD)/dist
PREFIX  ?= /usr/local
DESTDIR ?=
# The HTML manual, put into the Windows zips and installers when it exists.
MANUAL_DIR ?= $(NATIVE)/manual

.PHONY: all deps native asan win64 win32 cli test unit unit-asan e2e bench run clean format \
        fuzz-build fuzz dist install

all: native win64 win32

deps:
	@scripts/install-deps

native: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release $(CMAKE_Q)
	@cmake --build $(NATIVE) -j $(JOBS)

asan: deps
	@cmake -S . -B $(ASAN) -DCMAKE_BUILD_TYPE=Debug -DCAELOR_SANITIZE=ON $(CMAKE_Q)
	@cmake --build $(ASAN) -j $(JOBS)

win64: deps native
	@cmake -S . -B $(WIN64) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake \
	    -DCAELOR_CLI=$(abspath $(NATIVE))/caelor-cli -DCAELOR_WIN32_DIR=$(abspath $(WIN32)) \
	    $(CMAKE_Q)
	@cmake --build $(WIN64) -j $(JOBS)

win32: deps
	@cmake -S . -B $(WIN32) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake $(CMAKE_Q)
	@cmake --build $(WIN32) -j $(JOBS)

cli: native
	@echo "caelor-cli: $(NATIVE)/caelor-cli"

unit: native
	@cd $(NATIVE) && ctest --output-on-failure -j $(JOBS)

unit-asan: asan
	@cd $(ASAN) && ctest --output-on-failure -j $(JOBS)

e2e: win64
	@cd $(WIN64) && ctest --output-on-failure

test: native asan win64 win32
	@$(MAKE) --no-print-directory unit unit-asan e2e

bench: native
	@$(NATIVE)/caelor_bench --benchmark_counters_tabular=true

# Not part of test: a run takes minutes and finds nothing new most days.
fuzz-build: deps
	@cmake -S tests/fuzz -B $(FUZZ) -DCMAKE_CXX_COMPILER=clang++ \
	    -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_Q)
	@cmake --build $(FUZZ) -j $(JOBS)

fuzz: fuzz-build
	@FUZZ_TARGETS="$(FUZZ_TARGETS)" scripts/run-fuzz $(FUZZ) $(FUZZ_SECONDS) $(FUZZ_PARALLEL)

dist: native win64 win32
	@packaging/make-dist $(DIST) $(NATIVE) $(WIN64) $(WIN32) $(MANUAL_DIR)
	@ls -l $(DIST)

# Builds only what it installs.
install: deps
	@cmake -S . -B $(NATIVE) -DCMAKE_BUILD_TYPE=Release $(CMAKE_Q)
	@cmake --build $(NATIVE) -j $(JOBS) --target caelor-cli
	@DESTDIR="$(DESTDIR)" cmake --install $(NATIVE) --prefix "$(PREFIX)" --component cli

run: win64
	@scripts/run-caelor $(WIN64)

format:
	@find caelor varnixpc tests tools bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
