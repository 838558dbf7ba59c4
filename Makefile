# The two commands first: `make run` and `make test`. Both install what is
# missing, configure and build before they do their work.

CMAKE ?= cmake
CTEST ?= ctest
FUZZ_SECONDS ?= 600

.PHONY: all run test deps configure build check-sanitize fuzz fuzz-smoke bench windows test-windows clean

all: build

run: build
	./build/default/src/ui/tunelark

test: build
	$(CTEST) --preset default

deps:
	@scripts/install-deps

configure: deps
	@$(CMAKE) --preset default >/dev/null

build: configure
	$(CMAKE) --build --preset default

# The whole test suite built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any finding fails the run.
check-sanitize: deps
	@$(CMAKE) --preset sanitize >/dev/null
	$(CMAKE) --build --preset sanitize
	$(CTEST) --preset sanitize

# libFuzzer targets under the sanitizers: a short run of each (CI), or a
# long one (FUZZ_SECONDS per target).
fuzz-smoke: deps
	@$(CMAKE) --preset fuzz >/dev/null
	$(CMAKE) --build --preset fuzz
	scripts/run-fuzzers build/fuzz 60

fuzz: deps
	@$(CMAKE) --preset fuzz >/dev/null
	$(CMAKE) --build --preset fuzz
	scripts/run-fuzzers build/fuzz $(FUZZ_SECONDS)

# Speed and memory against baselines measured in the same run.
bench: build
	@$(CMAKE) --preset bench >/dev/null
	$(CMAKE) --build --preset bench
	scripts/run-benchmarks build/bench

# The Windows programs, cross-built with mingw-w64 (build/windows), and their
# tests run under wine on a bare X server.
windows: deps
	@$(CMAKE) --preset windows >/dev/null
	$(CMAKE) --build --preset windows

test-windows: deps
	scripts/test-windows

clean:
	rm -rf build
