# Two entry points for players and developers: `make play` and `make test`.
# Both install any missing Debian packages first, then configure and build with CMake.

BUILD    ?= build
SANITIZE ?= 0
CMAKE_ARGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(SANITIZE),1)
  BUILD := build-sanitize
  CMAKE_ARGS += -DQUINTEL_SANITIZE=ON
endif

.PHONY: all deps configure build play test bench assets format package clean

all: build

deps:
	@bash scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) > $(BUILD).configure.log 2>&1 || { cat $(BUILD).configure.log; exit 1; }

build: configure
	@cmake --build $(BUILD)

play: build
	./$(BUILD)/quintel-slots

test: build
	@cd $(BUILD) && ctest --output-on-failure --timeout 600

bench: build
	@for b in $(BUILD)/bench/*-bench; do echo "== $$b"; $$b; done

# Regenerates every picture, sound, tune and the manual under assets/ (committed; identical on rerun up to
# a few antialiased edge pixels that may differ between processors).
assets: build
	@cmake --build $(BUILD) --target assets

# Rewrites every C++ file of src/, tools/, tests/, bench/ and fuzz/ in the style of .clang-format.
format: deps
	@cmake -DSOURCE_DIR=$(CURDIR) -DFIX=ON -P cmake/ClangFormat.cmake

# One Debian package, build/quintel-slots_<version>_<arch>.deb, checked with lintian (installed when missing).
package: build
	@rm -rf $(BUILD)/*.deb $(BUILD)/_CPack_Packages
	@cd $(BUILD) && cpack -G DEB
	@rm -rf $(BUILD)/_CPack_Packages
	@bash scripts/lintian-check.sh $(BUILD)/quintel-slots_*.deb

clean:
	rm -rf build build-sanitize build.configure.log build-sanitize.configure.log
