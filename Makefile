# The two commands a fresh machine needs: `make run` and `make test`.
.PHONY: all build test run bench clean native windows

all: build

native:
	@scripts/bootstrap
	@cmake --preset native -DTRELVANE_WERROR=ON >/dev/null
	@cmake --build --preset native

windows:
	@scripts/bootstrap
	@cmake --preset windows -DTRELVANE_WERROR=ON >/dev/null
	@cmake --build --preset windows

build: native windows

# Every test, native and under Wine, then one summary line.
test: build
	@scripts/test

# The season comparison on a demo pair of seasons.
run: native
	@build/native/bin/trelvane-make-seasons build/demo/prior build/demo/current
	@echo "Demo seasons in build/demo/prior and build/demo/current"
	@echo
	@build/native/bin/trelvane-compare build/demo/prior build/demo/current \
	    --departed build/demo/departed.txt --arrivals build/demo/arrivals.txt
	@echo
	@echo "Lists saved to build/demo/departed.txt and build/demo/arrivals.txt"

bench: native
	@build/native/bin/trelvane-bench build/native/bin/trelvane-compare build/native/bin/trelvane-make-seasons build/bench

clean:
	@-scripts/wine-run --stop 2>/dev/null
	rm -rf build
