# The two set-up commands are `make run` and `make test`; `make` alone only builds.
BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all build deps run test contact-sheet bench clean

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

contact-sheet: build
	cmake --build $(BUILD) --target contact-sheet

bench: build
	cmake --build $(BUILD) --target benchmarks
	$(BUILD)/tests/benchmarks

clean:
	rm -rf $(BUILD)
