# The two commands that work on a fresh Debian machine: `make test` and `make demo`.
.PHONY: all bootstrap build test bench demo clean

all: build

bootstrap:
	@scripts/bootstrap

build: bootstrap
	@for p in native native-asan win64 win32; do \
	    [ -f build/$$p/CMakeCache.txt ] || cmake --preset $$p >/dev/null || exit 1; \
	    cmake --build build/$$p || exit 1; \
	done

test: bootstrap
	@scripts/test-all

bench: bootstrap
	@[ -f build/native/CMakeCache.txt ] || cmake --preset native >/dev/null
	@cmake --build build/native
	@found=0; for b in $$(find build/native/bench -type f -name 'bench_*' -perm -u+x | sort); do \
	    found=1; $$b || exit 1; \
	done; [ $$found = 1 ] || echo "make bench: no benchmarks yet"

demo: bootstrap
	@scripts/demo

clean:
	rm -rf build out
