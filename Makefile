# Front door. `make` builds dist/, `make test` runs every test, `make demo`
# builds only what the demo runs and runs it in the host simulator, then
# redraws the guide's pictures. Each runs the set-up first when needed.
.PHONY: all setup test demo bench soak fuzz native native-asan win clean

ROOT    := $(CURDIR)
B       := $(ROOT)/build
TOOLCHAIN := $(ROOT)/cmake/mingw-i686.cmake
JOBS    ?= 2
# What the demo runs: the plug-in, the host simulator, the localisation file.
DEMO_TARGETS := Tarvex2 tarvex-host tarvex_loc_en
SETUP_STAMP := $(B)/deps/.setup-done-v2

all: win

setup: $(SETUP_STAMP)
$(SETUP_STAMP):
	bash tools/setup.sh

$(B)/win/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/win -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=$(TOOLCHAIN)
$(B)/native/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/native -G Ninja -DCMAKE_BUILD_TYPE=Debug
$(B)/native-asan/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/native-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_SANITIZE=ON
$(B)/fuzz/build.ninja: | $(SETUP_STAMP)
	cmake -S . -B $(B)/fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVEX_FUZZ=ON \
	  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++

win: $(B)/win/build.ninja
	cmake --build $(B)/win -j $(JOBS)
native: $(B)/native/build.ninja
	cmake --build $(B)/native -j $(JOBS)
native-asan: $(B)/native-asan/build.ninja
	cmake --build $(B)/native-asan -j $(JOBS)
fuzz-build: $(B)/fuzz/build.ninja
	cmake --build $(B)/fuzz -j $(JOBS)

test: win native native-asan fuzz-build
	cd $(B)/native && ctest --output-on-failure --timeout 600 -j $(JOBS)
	cd $(B)/native-asan && ctest --output-on-failure --timeout 600 -j $(JOBS)
	cd $(B)/fuzz && ctest --output-on-failure --timeout 600 -j $(JOBS)
	tools/with-wine.sh bash -c 'cd $(B)/win && ctest --output-on-failure --timeout 600 -j $(JOBS) -LE long'

demo: $(B)/win/build.ninja
	cmake --build $(B)/win -j $(JOBS) --target $(DEMO_TARGETS)
	tools/tarvex-host --script host/demo/demo.tvs
	tools/make-gallery.sh
	@echo "Screenshots: dist/demo.png dist/about.png dist/editor-*.png; the guide's pictures: docs/pictures/"

bench: win
	TARVEX_SCREEN=2048x1536x24 tools/with-wine.sh bash -c 'cd $(B)/win && ctest --output-on-failure -L bench -V'

soak: win
	tools/with-wine.sh bash -c 'cd $(B)/win && ctest --output-on-failure -L soak -V'

fuzz: fuzz-build
	cd $(B)/fuzz && TARVEX_FUZZ_RUNS=2000000 ctest --output-on-failure -V

clean:
	rm -rf $(B)/win $(B)/native $(B)/native-asan $(B)/fuzz dist
