# The two commands of README.md, and the few others the project uses.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test build deps bench sanitize screenshots clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "shootalot: no display to open the window on (DISPLAY is not set); run it from a desktop session, or try: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD)/src/app/shootalot

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

bench: CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=Release -DSHOOTALOT_BENCHMARKS=ON
bench: BUILD = build-bench
bench:
	@bash scripts/install-deps.sh --with-bench
	@$(MAKE) --no-print-directory build BUILD=build-bench CMAKE_FLAGS="$(CMAKE_FLAGS)"
	@QT_QPA_PLATFORM=offscreen build-bench/bench/shootalot_bench

# Every test again under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; the first report fails the run.
sanitize: CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHOOTALOT_SANITIZE=ON
sanitize: BUILD = build-asan
sanitize: build
	@cd build-asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

screenshots: build
	@QT_QPA_PLATFORM=offscreen $(BUILD)/tools/shootalot_screenshots docs

clean:
	rm -rf build build-bench build-asan
