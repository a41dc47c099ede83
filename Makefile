# Two entry points for players and developers: `make play` and `make test`.
# Both install any missing Debian packages first, then configure and build with CMake.

BUILD    ?= build
SANITIZE ?= 0
CMAKE_ARGS := -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
ifeq ($(SANITIZE),1)
  BUILD := build-sanitize
  CMAKE_ARGS += -DQUINTEL_SANITIZE=ON
endif

.PHONY: all deps configure build play test bench assets format package reprotest clean

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

# One Debian package, build/quintel-slots_<version>_<arch>.deb, checked with lintian (no warnings) and
# hardening-check (both installed when missing). SOURCE_DATE_EPOCH defaults to the last commit's time, so
# the package is the same on every build of one commit.
package: build
	@rm -rf $(BUILD)/*.deb $(BUILD)/_CPack_Packages
	@epoch=$${SOURCE_DATE_EPOCH:-$$(git log -1 --format=%ct 2>/dev/null)}; \
	  cd $(BUILD) && if [ -n "$$epoch" ]; then export SOURCE_DATE_EPOCH=$$epoch; fi && cpack -G DEB
	@rm -rf $(BUILD)/_CPack_Packages
	@bash scripts/package-check.sh $(BUILD)/quintel-slots_*.deb

# Builds the package twice from clean clones of the last commit in two different folders and compares the
# two .deb files byte for byte (a few minutes: two full builds of the programs without ccache).
reprotest: deps
	@bash scripts/reprotest.sh

clean:
	rm -rf build build-sanitize build.configure.log build-sanitize.configure.log
