# The two commands first: `make run` and `make test`. Both install what is
# missing, configure and build before they do their work.

CMAKE ?= cmake
CTEST ?= ctest

.PHONY: all run test deps configure build check-sanitize bench clean

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

clean:
	rm -rf build
