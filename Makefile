# The two set-up commands are `make run` and `make test`; `make` alone only builds.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all build deps run test sanitize soak contact-sheet screens bench clean

all: build

deps:
	./scripts/install-deps

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

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

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD)
