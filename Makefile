# The two commands of the README: `make run` and `make test`.
BUILD ?= build
JOBS ?= $(shell nproc)
# The tests run under each: C.UTF-8, and zh_CN.UTF-8, the locale the program's users run (made by
# scripts/setup.sh). The program's windows and printouts must not depend on the locale.
TEST_LOCALES = C.UTF-8 zh_CN.UTF-8

.PHONY: all setup configure build run test bench clean

all: build

setup:
	bash scripts/setup.sh

configure: setup
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD)/bin && ./DezArod

test: build
	@status=0; for locale in $(TEST_LOCALES); do \
	    echo "Running the tests under $$locale"; \
	    (cd $(BUILD) && LANG=$$locale LC_ALL=$$locale QT_QPA_PLATFORM=offscreen \
	        ctest --output-on-failure -j $(JOBS)) || status=1; \
	done; exit $$status

bench: build
	$(BUILD)/bin/dezarod-bench

clean:
	rm -rf $(BUILD)
