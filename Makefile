# Larkspur: `make run` starts the editor, `make test` runs every test headless.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)
# make run opens a copy of the shipped sample page unless ARGS names other files.
ARGS ?= $(BUILD_DIR)/sample.html

.PHONY: all deps configure build run test bench clean format

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD_DIR) -DCMAKE_BUILD_TYPE=$(BUILD_TYPE) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: build
	@test -f $(BUILD_DIR)/sample.html || cp data/sample.html $(BUILD_DIR)/sample.html
	@test -f $(BUILD_DIR)/larkspur.ini || printf '[Parette]\r\nInsPath=%s\r\n' "$(CURDIR)/data/tagdefs.ini" > $(BUILD_DIR)/larkspur.ini
	@$(BUILD_DIR)/larkspur $(ARGS)

test: build
	@cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: build
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_open
	@QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/bench_replace

format:
	@clang-format -i $$(git ls-files '*.cpp' '*.h')

clean:
	@rm -rf $(BUILD_DIR)
