# The two commands of the README: `make run` builds and starts the program, `make test` builds and
# passes every test. Both install what they need on a fresh Debian 12 machine.
BUILD := build
CMAKE_FLAGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVERIMODA_WERROR=ON

.PHONY: all build run test bench clean

all: build

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: $(BUILD)/build.ninja
	cmake --build $(BUILD)

run:
	@scripts/deps.sh build
	@$(MAKE) --no-print-directory build
	@scripts/run.sh

test:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory build
	cd $(BUILD) && ctest --output-on-failure

bench:
	@scripts/deps.sh test
	@$(MAKE) --no-print-directory build
	@for b in $(BUILD)/bench_*; do [ -x "$$b" ] && "$$b"; done

clean:
	rm -rf $(BUILD)
