# Entry points for people; CMake and Ninja do the work.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The package groups of scripts/install-deps.sh and whether the tests are built; the targets that
# need more than the program say so below, and the build they depend on takes it over.
DEPS = build
TESTS = OFF

.PHONY: build run test test-asan samples format bench package

build:
	scripts/install-deps.sh $(DEPS)
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS) -DKORVO_TESTS=$(TESTS)
	cmake --build $(BUILD)

# Opens the editor on the sample with every kind of shape. Without a display it renders the samples
# to pictures instead and says where they are.
run: build
	$(BUILD)/tools/make_samples $(BUILD)/samples
	@if [ -n "$$DISPLAY$$WAYLAND_DISPLAY" ]; then \
		$(BUILD)/korvo $(BUILD)/samples/all-kinds.kv; \
	else \
		for f in $(BUILD)/samples/*.kv; do $(BUILD)/korvo --export "$$f" "$${f%.kv}.png" || exit 1; done; \
		echo "No display: the sample drawings are rendered as $(BUILD)/samples/*.png"; \
	fi

test: DEPS = build test
test: TESTS = ON
test: build
	cd $(BUILD) && ctest --output-on-failure -j 2

# The whole suite again under the address and undefined-behaviour sanitizers.
test-asan:
	scripts/install-deps.sh build test
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan

bench:
	bench/run.sh

# One Debian package, korvo_VERSION-1_ARCH.deb, in the build folder.
package: DEPS = build package
package: build
	cd $(BUILD) && cpack -G DEB

# Regenerates the committed sample files after a deliberate change to what the tool builds.
samples: build
	$(BUILD)/tools/make_samples data/samples

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
