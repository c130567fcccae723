# The commands of the README: `make run` builds and starts the program, `make test` builds and
# passes every test, `make package` builds the Debian package, `make windows` the Windows installer
# and zip, `make test-windows` runs the Windows tests under Wine. Each installs what it needs on a
# fresh Debian 12 machine.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERIMODA_WERROR=ON
# The core and its tests again, built by clang with AddressSanitizer and UndefinedBehaviorSanitizer,
# with the reader's fuzz target. `make fuzz FUZZ_SECONDS=1800` fuzzes longer.
ASAN := build-asan
ASAN_FLAGS := $(CMAKE_FLAGS) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
	-DVERIMODA_GUI=OFF -DVERIMODA_SANITIZE=ON -DVERIMODA_FUZZ=ON
FUZZ_SECONDS ?= 60

.PHONY: all build asan run test package fuzz bench clean windows test-windows

all: build

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD)

$(ASAN)/build.ninja:
	cmake -S . -B $(ASAN) $(ASAN_FLAGS)

asan: $(ASAN)/build.ninja
	cmake --build $(ASAN)

# The program's own target alone: tests, benchmarks and the fuzz target are left for `make test`.
run:
	@scripts/deps.sh build
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	@cmake --build $(BUILD) --target verimoda
	@scripts/run.sh

test:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && ctest --output-on-failure
	@$(MAKE) --no-print-directory asan
	cd $(ASAN) && ctest --output-on-failure
	@scripts/fuzz.sh $(ASAN) $(FUZZ_SECONDS)

# build/verimoda_<version>_amd64.deb, from the program and the files of packaging/.
package:
	@scripts/deps.sh package
	@$(MAKE) --no-print-directory $(BUILD)/build.ninja
	@cmake --build $(BUILD) --target verimoda package_files
	cd $(BUILD) && cpack -G DEB

# build-windows/dist/: the Windows installer and the portable zip, cross-built (see README).
windows:
	@scripts/deps.sh windows
	@scripts/windows.sh build

# The Windows tests under Wine, then the installed Windows program end to end.
test-windows:
	@scripts/deps.sh windows-test
	@scripts/windows.sh test

fuzz:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory asan
	@scripts/fuzz.sh $(ASAN) $(FUZZ_SECONDS)

bench:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory build
	@scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) $(ASAN) build-windows
