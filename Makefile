# Tarvelsicht: `make run` builds and starts the program, `make test` builds and
# runs all tests headless. Both first install missing Debian packages.

BUILD     ?= build
BUILDTYPE ?= Release
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

# Build and test dependencies (Debian 12).
PACKAGES = g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev libjpeg62-turbo-dev fonts-liberation2 fonts-liberation \
           fonts-dejavu-core python3 xvfb xauth xdotool imagemagick x11-utils

# Fuzzing only: clang with libFuzzer and the sanitizers.
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

.PHONY: all deps configure build run test bench fuzz clean

all: build

deps:
	@tools/install-deps.sh $(PACKAGES)

configure: deps
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=$(BUILDTYPE)

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# The program reads its background picture from the working folder.
run: build
	cd data/run && exec ../../$(BUILD)/src/ui/tarvelsicht

# Tests run headless, with private runtime, config and documents folders.
test: build
	@tmp=$$(mktemp -d) && mkdir -m 700 $$tmp/runtime && \
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$$tmp/runtime \
	XDG_CONFIG_HOME=$$tmp/config XDG_DOCUMENTS_DIR=$$tmp/documents \
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS); \
	status=$$?; rm -rf $$tmp; exit $$status

# Benchmarks run headless like the tests; a failing one fails the command
# (after the others have run).
bench: build
	@tmp=$$(mktemp -d) && mkdir -m 700 $$tmp/runtime && status=0 && \
	for b in $(BUILD)/bench/*_bench; do \
	  [ -x "$$b" ] || continue; \
	  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$$tmp/runtime "$$b" || { echo "bench: $$b failed"; status=1; }; \
	done; rm -rf $$tmp; exit $$status

# Fuzzes the settings loader for FUZZ_SECONDS seconds in its own clang build.
fuzz:
	@tools/install-deps.sh $(PACKAGES) $(FUZZ_PACKAGES)
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTARVELSICHT_FUZZ=ON -DTARVELSICHT_TESTS=OFF -DTARVELSICHT_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target settings_fuzz -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus/settings
	$(FUZZ_BUILD)/tools/fuzz/settings_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  $(FUZZ_BUILD)/corpus/settings

clean:
	rm -rf $(BUILD)
