# The two commands a fresh machine needs: `make run` and `make test`.
.PHONY: all build test run bench dist clean native windows asan fuzz format format-check workflow-check fresh-check

all: build

native:
	@scripts/bootstrap
	@cmake --preset native >/dev/null
	@cmake --build --preset native

windows:
	@scripts/bootstrap
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows

build: native windows

# The native build again with AddressSanitizer and UndefinedBehaviorSanitizer.
asan:
	@scripts/bootstrap
	@cmake --preset asan >/dev/null
	@cmake --build --preset asan

# Every test, native, sanitized and under Wine (scripts/test builds the
# native and sanitized tests while the Windows ones run), then one summary
# line. A file that clang-format would change fails it first.
test: format-check workflow-check windows
	@scripts/test

format:
	@scripts/bootstrap
	@scripts/format

format-check:
	@scripts/bootstrap
	@scripts/format --check

workflow-check:
	@scripts/bootstrap check
	@scripts/check-workflows

# libFuzzer on the parsers, about a minute each (FUZZ_SECONDS=N to change);
# not part of `make test`.
fuzz:
	@scripts/bootstrap fuzz
	@cmake --preset fuzz >/dev/null
	@cmake --build --preset fuzz
	@scripts/fuzz $(FUZZ_SECONDS)

# The Windows program on a demo pair of seasons (a screenshot without a
# display): only the three programs the demo runs are built.
run:
	@scripts/bootstrap demo
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target trelvane trelvane-demo-driver
	@cmake --preset native >/dev/null
	@cmake --build --preset native --target trelvane-make-seasons
	@scripts/demo

# Figures, not pass or fail: the command-line tool against cat, then the
# Windows program's Process under Wine.
bench: build
	@build/native/bin/trelvane-bench build/native/bin/trelvane-compare build/native/bin/trelvane-make-seasons build/bench
	@echo
	@scripts/bench-program
	@scripts/wine-run --stop

# `make run` and `make test` in a new Debian 12 root (debootstrap) on a clone
# of the committed tree; needs root and about ten minutes; not part of `make test`.
fresh-check:
	@scripts/fresh-check

# build/dist/trelvane-VERSION-win64.zip
dist:
	@scripts/bootstrap dist
	@cmake --preset windows >/dev/null
	@cmake --build --preset windows --target trelvane trelvane-compare trelvane-make-seasons
	@scripts/dist

clean:
	@-scripts/wine-run --stop 2>/dev/null
	rm -rf build
