# The two set-up commands are `make run` and `make test`; `make` alone only builds.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all build deps run test sanitize fuzz soak contact-sheet screens bench install deb clean
PREFIX ?= /usr/local

all: build

deps:
	./scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=$(PREFIX)

build: $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: deps
	$(MAKE) build
	cd $(BUILD)/game && ./tumblo

test: deps
	$(MAKE) build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

# `make sanitize`: its own build folder with AddressSanitizer and
# UndefinedBehaviorSanitizer; the unit tests, tumblo-tool over the data tree and
# damaged copies, and the end-to-end tests; any sanitizer report fails it.
# Exit status 86 marks a report, apart from the statuses the programs give.
SANITIZE_BUILD ?= build-sanitize
SANITIZE_ENV := SDL_AUDIODRIVER=dummy \
	ASAN_OPTIONS=exitcode=86:detect_leaks=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1 \
	LSAN_OPTIONS=suppressions=$(CURDIR)/tests/sanitize/lsan.supp:print_suppressions=0 \
	UBSAN_OPTIONS=exitcode=86:halt_on_error=1:print_stacktrace=1

$(SANITIZE_BUILD)/CMakeCache.txt:
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLO_SANITIZE=ON

sanitize: deps
	$(MAKE) $(SANITIZE_BUILD)/CMakeCache.txt
	$(SANITIZE_ENV) cmake --build $(SANITIZE_BUILD) -j $(JOBS)
	$(SANITIZE_ENV) tests/sanitize/run.sh $(SANITIZE_BUILD)

# `make fuzz`: a libFuzzer target for every reader of outside data, built with
# clang (AddressSanitizer, UndefinedBehaviorSanitizer) in its own folder; each
# runs FUZZ_SECONDS seconds, seeded from the built game and content/. Set
# FUZZ_TARGETS to run some of them. What they find lands in
# tests/fuzz/regressions/, which `make test` replays.
FUZZ_BUILD ?= build-fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS ?=

$(FUZZ_BUILD)/CMakeCache.txt:
	CC=clang-14 CXX=clang++-14 cmake -S . -B $(FUZZ_BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLO_FUZZ=ON

fuzz: deps
	./scripts/install-fuzz-deps
	$(MAKE) build
	$(MAKE) $(FUZZ_BUILD)/CMakeCache.txt
	cmake --build $(FUZZ_BUILD) --target fuzz-targets -j $(JOBS)
	tests/fuzz/run.sh $(FUZZ_BUILD) $(BUILD)/game $(FUZZ_SECONDS) $(FUZZ_TARGETS)

# `make soak` (not part of `make test`, it takes a good while): valgrind's
# memcheck over the solution demos and half an hour of the monkey, then the
# monkey's resident memory over a long run, which must stay flat.
soak: deps
	$(MAKE) build
	tests/soak/run.sh $(BUILD)

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet

screens: build
	cmake --build $(BUILD) --target screens
	rm -f $(BUILD)/screens/*.bmp

bench: build
	cmake --build $(BUILD) --target benchmarks
	$(BUILD)/tests/benchmarks
	scripts/bench-figures $(BUILD)

# `make install [PREFIX=/usr] [DESTDIR=/staging]`
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix $(PREFIX)

# `make deb`: build/package/tumblo_<version>_<arch>.deb
deb: build
	cd $(BUILD) && cpack -G DEB -B package

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) $(FUZZ_BUILD)
