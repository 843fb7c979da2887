# Two entry points: `make demo` and `make test` (see README.md). Both install
# what is missing and configure; `demo` builds only the tool and the module it
# runs, `test` builds everything (tests and benchmarks too) and runs the
# tests. SANITIZE=1 builds with ASan and UBSan.
BUILD ?= build
SANITIZE ?= 0
BUILD_TYPE ?= Release
DEMO_DRAWING ?= examples/gravity.dxf
# `make fuzz`: seconds each fuzz harness runs; FUZZ_BUILD is its clang build.
FUZZ_TIME ?= 300
FUZZ_BUILD ?= build-fuzz

ifeq ($(SANITIZE),1)
  BUILD := $(BUILD)-sanitize
  BUILD_TYPE := Debug
endif

.PHONY: deps configure build build-demo demo test fuzz clean

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) \
	  -DHXWT_SANITIZE=$(if $(filter 1,$(SANITIZE)),ON,OFF) >/dev/null

build: configure
	@cmake --build $(BUILD)

build-demo: configure
	@cmake --build $(BUILD) --target hxwt

demo: build-demo
	$(BUILD)/bin/hxwt network examples/gravity.dxf --pick 10 --at 2,0

test: build
	ctest --test-dir $(BUILD) --output-on-failure

# Builds the libFuzzer harnesses with clang and runs each for FUZZ_TIME
# seconds, printing its executions and findings (see README, "Fuzzing").
fuzz: deps
	@cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++ -DHXWT_BUILD_FUZZ=ON -DHXWT_BUILD_TESTS=OFF \
	  -DHXWT_BUILD_BENCH=OFF -DHXWT_BUILD_TOOLS=OFF >/dev/null
	@cmake --build $(FUZZ_BUILD) --target fuzzers
	fuzz/run-fuzzers.sh $(FUZZ_BUILD) $(FUZZ_TIME)

clean:
	rm -rf build build-sanitize build-fuzz
