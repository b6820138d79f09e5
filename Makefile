# Front door. `make` builds dist/, `make test` runs every test, `make demo`
# builds only what the demo runs and runs it in the host simulator, then
# redraws the guide's pictures. Each runs the set-up first when needed.
#
# Two Windows builds: build/win, the shipped 32-bit plug-in and simulator
# (dist/), and build/win64, the same code for x64, which runs natively under
# wine64 on every machine. tools/i386.sh tells how this machine runs 32-bit
# programs: where only under emulation, the 32-bit build runs just its
# boundary set and the demo runs the 64-bit build.
.PHONY: all setup test demo demo32 demo64 bench soak fuzz native native-asan win win64 release release-check clean

ROOT    := $(CURDIR)
B       := $(ROOT)/build
TOOLCHAIN := $(ROOT)/cmake/mingw-i686.cmake
TOOLCHAIN64 := $(ROOT)/cmake/mingw-x86_64.cmake
JOBS    ?= 2
# What the demo runs: the plug-in, the host simulator, the localisation file.
DEMO_TARGETS := Tarvex2 tarvex-host tarvex_loc_en
SETUP_STAMP := $(B)/deps/.setup-done-v4

all: win

setup: $(SETUP_STAMP)
$(SETUP_STAMP):
	bash tools/setup.sh

$(B)/win/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN)
$(B)/win64/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/win64 -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN64)
$(B)/native/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug
$(B)/native-asan/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/native-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_SANITIZE=ON
$(B)/fuzz/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

win: $(B)/win/build.ninja
	cmake --build $(B)/win -j $(JOBS)
win64: $(B)/win64/build.ninja
	cmake --build $(B)/win64 -j $(JOBS)
native: $(B)/native/build.ninja
	cmake --build $(B)/native -j $(JOBS)
native-asan: $(B)/native-asan/build.ninja
	cmake --build $(B)/native-asan -j $(JOBS)
fuzz-build: $(B)/fuzz/build.ninja
	cmake --build $(B)/fuzz -j $(JOBS)

test: win win64 native native-asan fuzz-build
	cd $(B)/native && ctest --output-on-failure --timeout 600 -j $(JOBS)
	cd $(B)/native-asan && ctest --output-on-failure --timeout 600 -j $(JOBS)
	cd $(B)/fuzz && ctest --output-on-failure --timeout 600 -j $(JOBS)
	JOBS=$(JOBS) tools/windows-tests.sh 64
	JOBS=$(JOBS) tools/windows-tests.sh 32
	tools/compare-pictures.sh

# The shipped 32-bit build where 32-bit programs run natively, else the
# 64-bit test build; one line says which.
demo: | $(SETUP_STAMP)
	@$(MAKE) --no-print-directory demo$$(tools/i386.sh bits)
demo32: DEMO_SAYS := the 32-bit build, as shipped (dist/)
demo64: DEMO_SAYS := the 64-bit test build (build/win64/dist/), since this machine runs 32-bit programs only under emulation
demo32: $(B)/win/build.ninja
demo64: $(B)/win64/build.ninja
demo32 demo64: demo%:
	@echo "demo: $(DEMO_SAYS)"
	cmake --build $(dir $<) -j $(JOBS) --target $(DEMO_TARGETS)
	TARVEX_HOST_BITS=$* tools/tarvex-host --script host/demo/demo.tvs
	TARVEX_HOST_BITS=$* tools/make-gallery.sh
	@echo "Screenshots: dist/demo.png dist/about.png dist/editor-*.png; the guide's pictures: docs/pictures/"

# Figures of the 64-bit build everywhere; of the 32-bit build only where it
# runs natively (emulated figures say nothing about the product).
bench: win win64
	TARVEX_WINE_BITS=64 TARVEX_SCREEN=2048x1536x24 tools/with-wine.sh bash -c 'cd $(B)/win64 && ctest --output-on-failure -L bench -V'
	@if [ "$$(tools/i386.sh bits)" = 32 ]; then \
	  TARVEX_SCREEN=2048x1536x24 tools/with-wine.sh bash -c 'cd $(B)/win && ctest --output-on-failure -L bench -V'; \
	else echo "bench: 32-bit programs run only under emulation here; no 32-bit figures"; fi

# The shipped build where it runs natively, else the 64-bit one.
soak: | $(SETUP_STAMP)
	@bits=$$(tools/i386.sh bits); build=$(B)/win; [ $$bits = 64 ] && build=$(B)/win64; \
	echo "soak: the $$bits-bit build"; $(MAKE) --no-print-directory win$${bits#32} && \
	TARVEX_WINE_BITS=$$bits tools/with-wine.sh bash -c "cd $$build && ctest --output-on-failure -L soak -V"

# The archive an author downloads, dist/Tarvex2-<version>.zip with its
# SHA-256 sum, written afresh from the shipped 32-bit build (plain `make`
# only brings it up to date). release-check makes it twice and compares the
# bytes, and opens its guide in headless Chromium.
release: $(B)/win/build.ninja
	rm -f $(B)/win/release/archive.stamp
	cmake --build $(B)/win -j $(JOBS) --target tarvex_release
release-check: $(B)/win/build.ninja
	tools/release/check_release.sh

fuzz: fuzz-build
	cd $(B)/fuzz && TARVEX_FUZZ_RUNS=2000000 ctest --output-on-failure -V

clean:
	rm -rf $(B)/win $(B)/win64 $(B)/native $(B)/native-asan $(B)/fuzz dist
