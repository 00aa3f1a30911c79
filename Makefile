# Entry points for people; CMake and Ninja do the work.
BUILD ?= build
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: build run test samples format

build:
	scripts/install-deps.sh
	cmake -S . -B $(BUILD) -G Ninja $(CMAKE_FLAGS)
	cmake --build $(BUILD)

# Builds the sample drawings and shows what the program reads from one of them.
run: build
	$(BUILD)/tools/make_samples $(BUILD)/samples
	$(BUILD)/korvo --dump $(BUILD)/samples/all-kinds.kv

test: build
	cd $(BUILD) && ctest --output-on-failure -j 2

# Regenerates the committed sample files after a deliberate change to what the tool builds.
samples: build
	$(BUILD)/tools/make_samples data/samples

format:
	clang-format -i $$(git ls-files '*.cpp' '*.h')
