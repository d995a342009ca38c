# Tarvelsicht: `make run` builds and starts the program, `make test` builds and
# runs all tests headless, `make test-asan` runs them built with the address
# and undefined-behaviour sanitizers. All first install missing Debian packages.

BUILD     ?= build
BUILDTYPE ?= Release
JOBS      ?= $(shell nproc 2>/dev/null || echo 2)

# Build and test dependencies (Debian 12).
PACKAGES = g++ make cmake pkg-config libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-base-dev libjpeg62-turbo-dev fonts-liberation2 fonts-liberation \
           fonts-dejavu-core python3 xvfb xauth xdotool xclip imagemagick x11-utils \
           libxcb1-dev

# Fuzzing only: clang with libFuzzer and the sanitizers.
FUZZ_PACKAGES = clang libclang-rt-14-dev
FUZZ_BUILD   ?= build-fuzz
FUZZ_SECONDS ?= 60

# The sanitizer build: every test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails its test. Leaks are reported
# except the system font library's own (tools/lsan-suppressions.txt).
ASAN_BUILD ?= build-asan
SANITIZER_ENV = ASAN_OPTIONS=check_initialization_order=1:strict_init_order=1:detect_leaks=1 \
                UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
                LSAN_OPTIONS=suppressions=$(CURDIR)/tools/lsan-suppressions.txt:print_suppressions=0

.PHONY: all deps configure build run test test-asan bench fuzz clean

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

# The whole test suite under the sanitizers, headless, in its own build;
# the tests labelled e2e (the real program on a virtual display) are left out.
test-asan: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELSICHT_SANITIZE=ON \
	  -DTARVELSICHT_BENCH=OFF
	$(SANITIZER_ENV) cmake --build $(ASAN_BUILD) -j $(JOBS)
	@tmp=$$(mktemp -d) && mkdir -m 700 $$tmp/runtime && \
	$(SANITIZER_ENV) QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$$tmp/runtime \
	XDG_CONFIG_HOME=$$tmp/config XDG_DOCUMENTS_DIR=$$tmp/documents \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j $(JOBS) -LE e2e; \
	status=$$?; rm -rf $$tmp; exit $$status

# Benchmarks run headless like the tests; a failing one fails the command
# (after the others have run).
bench: build
	@tmp=$$(mktemp -d) && mkdir -m 700 $$tmp/runtime && status=0 && \
	for b in $(BUILD)/bench/*_bench; do \
	  [ -x "$$b" ] || continue; \
	  QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$$tmp/runtime "$$b" || { echo "bench: $$b failed"; status=1; }; \
	done; rm -rf $$tmp; exit $$status

# Fuzzes the settings loader and then the JPEG reader, each for FUZZ_SECONDS
# seconds, in their own clang build. New inputs collect in
# $(FUZZ_BUILD)/corpus/, failing ones in $(FUZZ_BUILD)/artifacts/.
fuzz:
	@tools/install-deps.sh $(PACKAGES) $(FUZZ_PACKAGES)
	CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTARVELSICHT_FUZZ=ON -DTARVELSICHT_TESTS=OFF -DTARVELSICHT_BENCH=OFF
	cmake --build $(FUZZ_BUILD) --target settings_fuzz jpeg_fuzz -j $(JOBS)
	mkdir -p $(FUZZ_BUILD)/corpus/settings $(FUZZ_BUILD)/corpus/jpeg $(FUZZ_BUILD)/seeds/jpeg $(FUZZ_BUILD)/artifacts
	cp tools/fuzz/jpeg-seeds/*.jpg data/run/Himmelshintergrund_radial_2000x2000.jpg $(FUZZ_BUILD)/seeds/jpeg/
	$(FUZZ_BUILD)/tools/fuzz/settings_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/artifacts/settings- $(FUZZ_BUILD)/corpus/settings
	$(FUZZ_BUILD)/tools/fuzz/jpeg_fuzz -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	  -artifact_prefix=$(FUZZ_BUILD)/artifacts/jpeg- $(FUZZ_BUILD)/corpus/jpeg $(FUZZ_BUILD)/seeds/jpeg

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
