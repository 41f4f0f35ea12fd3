# The README's two commands, `make run` and `make test`, install what a fresh machine lacks,
# configure and build. Plain `make` (or `make build`) only builds.
BUILD := build
# Warnings are errors in every build made here: one configuration for make, make run and make
# test, so that switching between them recompiles nothing. On a newer compiler that warns where
# ours does not, build with WERROR=OFF.
WERROR ?= ON
# What plain make builds: everything. make run builds only the intro and its content.
TARGETS ?= all
MAKEFLAGS += --no-print-directory
ASAN_BUILD := build-asan
JOBS ?= 2

FUZZ_BUILD := build-fuzz
FUZZ_SECONDS ?= 60
FUZZERS := tga_fuzzer mp3probe_fuzzer lookuptable_fuzzer layout_fuzzer options_fuzzer timeline_fuzzer

PREFIX ?= /usr/local
DESTDIR ?=

.PHONY: all build docs deps deps-run deps-package deps-capture deps-docs deps-measure run test test-sanitize \
  fuzz bench measure capture install package package-check restore-data gallery

all: build

build:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINTRO_WERROR=$(WERROR) \
	  -DCMAKE_INSTALL_PREFIX='$(PREFIX)' >/dev/null
	cmake --build $(BUILD) -j$(JOBS) --target $(TARGETS)

# The scene writers' reference (HTML, from the installed headers): build/docs/html/index.html.
docs: deps-docs
	$(MAKE) build TARGETS=docs

# Installs under PREFIX (default /usr/local), into DESTDIR when given, as a packager stages it.
install: build
	DESTDIR='$(DESTDIR)' cmake --install $(BUILD)

# The Debian packages, the intro's and the library's (build/afterglow-intro{,-dev}_*.deb), built
# for /usr in a folder of their own with the hardening flags Debian builds its own packages with.
package: deps-package
	export DEB_BUILD_MAINT_OPTIONS=hardening=+all && \
	cmake -S . -B $(BUILD)-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DINTRO_TESTS=OFF \
	  -DCMAKE_CXX_FLAGS="$$(dpkg-buildflags --get CPPFLAGS) $$(dpkg-buildflags --get CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$(dpkg-buildflags --get LDFLAGS)" >/dev/null
	cmake --build $(BUILD)-package -j$(JOBS) --target all docs
	rm -f $(BUILD)-package/afterglow-intro*.deb $(BUILD)/afterglow-intro*.deb
	cd $(BUILD)-package && cpack
	mkdir -p $(BUILD)
	cp $(BUILD)-package/afterglow-intro*.deb $(BUILD)/

# Both packages installed with apt in a fresh minimal Debian 12 root, and used there: a still from
# the capture tool, the example built with find_package and with pkg-config. Takes minutes, so
# make test leaves it out.
package-check: package
	scripts/package-check $(BUILD)

deps:
	scripts/install-deps test

deps-run:
	scripts/install-deps run

deps-package:
	scripts/install-deps package

deps-capture:
	scripts/install-deps capture

deps-docs:
	scripts/install-deps docs

deps-measure:
	scripts/install-deps measure

# The generated pictures, fonts and music back in build/data, over any retouched there by hand.
restore-data:
	rm -f $(BUILD)/data/stamp
	$(MAKE) build TARGETS=content

run: deps-run
	$(MAKE) build TARGETS="afterglow afterglow-capture content"
	scripts/run-intro $(BUILD) $(ARGS)

test: deps
	$(MAKE) build
	ctest --test-dir $(BUILD) --output-on-failure -j$(JOBS)

# Leak checking stays off for the GL tests: the GL driver's own allocations, made in a module
# unloaded by exit, cannot be told apart from ours there. The valgrind runs cover leaks instead.
SANITIZER_ENV := UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
SANITIZED_E2E := e2e.broken-images-draw-white|e2e.broken-font-tables-are-reported

# The unit and GL tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer, and
# the bad-data matrix with the sanitized programs.
test-sanitize: deps
	cmake -S . -B $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DINTRO_SANITIZE=ON -DINTRO_WERROR=ON
	cmake --build $(ASAN_BUILD) -j$(JOBS)
	$(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=1 \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -L unit
	$(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=0 \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -j$(JOBS) -L gl
	$(SANITIZER_ENV) ASAN_OPTIONS=detect_leaks=0 \
	ctest --test-dir $(ASAN_BUILD) --output-on-failure -R '$(SANITIZED_E2E)'

# Builds the libFuzzer targets with clang and runs each for FUZZ_SECONDS from fresh seeds.
fuzz: deps
	CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DINTRO_FUZZ=ON -DINTRO_WERROR=ON
	cmake --build $(FUZZ_BUILD) -j$(JOBS)
	rm -rf $(FUZZ_BUILD)/seeds && $(FUZZ_BUILD)/make_seeds $(FUZZ_BUILD)/seeds
	for f in $(FUZZERS); do \
	  mkdir -p $(FUZZ_BUILD)/corpus/$$f && \
	  $(FUZZ_BUILD)/$$f -max_total_time=$(FUZZ_SECONDS) -timeout=10 -close_fd_mask=2 -malloc_limit_mb=24576 -artifact_prefix=$(FUZZ_BUILD)/ \
	    -print_final_stats=1 $(FUZZ_BUILD)/corpus/$$f $(FUZZ_BUILD)/seeds/$${f%_fuzzer} || exit 1; \
	done

# The decoding benchmark, with its ratios to stb_image and to the limit, warm and cold.
bench: build
	$(BUILD)/tga_bench

# The gallery's intros (examples/intros/) with their pictures and music, in build/gallery/.
gallery: deps-capture
	$(MAKE) build
	examples/intros/make-pictures $(BUILD)/gallery

# The whole intro as a video with its soundtrack: build/intro.mp4.
capture: deps-capture
	$(MAKE) build
	cd $(BUILD) && ./afterglow-capture --output intro.mp4

# Measurements that are no test's business: how closely the music follows the clock through
# pauses and seeks, on the machine's sound output (SDL_AUDIODRIVER=dummy where it has none); the
# start-up; the sound's offset from the picture on a PulseAudio server; a timeline file of every
# kind of layer, played and filmed at 1080p; the gallery's intros played at 720p; the capture's
# speed beside an earlier commit's (MEASURE_AGAINST, by default the one before HEAD).
measure: deps-measure
	$(MAKE) build
	cd $(BUILD) && ./music_clock
	bench/av_offset.sh $(BUILD)
	bench/startup.sh $(BUILD)
	bench/layers.sh $(BUILD)
	bench/gallery.sh $(BUILD)
	JOBS=$(JOBS) bench/capture.sh $(BUILD) $(MEASURE_AGAINST)
