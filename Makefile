# The two commands of README.md, and the few others the project uses.
BUILD  ?= build
JOBS   ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test test-qt-cues layers build build-program deps deps-test bench sanitize screenshots package lint-package clean

# What building and running the program needs, and no more.
deps:
	@bash scripts/install-deps.sh

# That, and what the tests meet the program with.
deps-test:
	@bash scripts/install-deps.sh --with-tests

# The program alone: none of the tests is compiled.
build-program: deps
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS) --target shootalot

build: deps-test
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null
	@cmake --build $(BUILD) -j $(JOBS)

run: build-program
	@if [ -z "$$DISPLAY" ] && [ -z "$$WAYLAND_DISPLAY" ]; then \
	  echo "shootalot: no display to open the window on (DISPLAY is not set); run it from a desktop session, or try: xvfb-run make run"; \
	  exit 1; \
	fi
	@$(BUILD)/src/app/shootalot

test: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The sound tests again, with the cues played through Qt Multimedia (the
# output of a build without libpulse) on the private PulseAudio.
test-qt-cues: deps-test
	@cmake -S . -B build-qtcues $(CMAKE_FLAGS) -DSHOOTALOT_CUES_QT_MULTIMEDIA=ON >/dev/null
	@cmake --build build-qtcues -j $(JOBS) --target tst_soundcues cueplayback cuelatency shootalot
	@cd build-qtcues && QT_QPA_PLATFORM=offscreen \
	  ctest --output-on-failure -R '^(tst_soundcues|cue_playback|cue_server_restart|cue_latency|cue_long_chimes|stalled_folder)$$'

# Whether every include and link of src/ points down the layering
# (tools/check-layers.cmake); make test runs it too.
layers:
	@cmake -DSRC=src -P tools/check-layers.cmake

bench: CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=Release -DSHOOTALOT_BENCHMARKS=ON
bench: BUILD = build-bench
bench:
	@bash scripts/install-deps.sh --with-tests --with-bench
	@$(MAKE) --no-print-directory build BUILD=build-bench CMAKE_FLAGS="$(CMAKE_FLAGS)"
	@xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=offscreen build-bench/bench/shootalot_bench
	@bash tests/sound/cue-latency.sh build-bench/tests/cuelatency || [ $$? -eq 77 ]
	@cmake -S . -B build-bench-qtcues $(CMAKE_FLAGS) -DSHOOTALOT_CUES_QT_MULTIMEDIA=ON >/dev/null
	@cmake --build build-bench-qtcues -j $(JOBS) --target cuelatency >/dev/null
	@printf 'through Qt Multimedia: '
	@bash tests/sound/cue-latency.sh build-bench-qtcues/tests/cuelatency || [ $$? -eq 77 ]
	@bash bench/firing-cpu.sh build-bench/src/app/shootalot build-bench/bench/shootalot_probe
	@bash bench/help-memory.sh build-bench/bench/shootalot_probe

# Every test again under AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; the first report fails the run. What Debian's
# D-Bus and GLib keep to the end of a process is not reported
# (tests/lsan.supp).
sanitize: CMAKE_FLAGS = -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSHOOTALOT_SANITIZE=ON
sanitize: BUILD = build-asan
sanitize: build
	@cd build-asan && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp \
	  ctest --output-on-failure -j $(JOBS)

# The windows as README.md shows them: at scale 1, at scale 2, under
# GNOME's dark theme (on a virtual X display), and the real program on a
# projector and a laptop's screen with a window manager.
# README's pictures are in English, whatever the desktop's language, but
# for the two that show the Results window in Japanese and German.
screenshots: ENGLISH = env LANG=C.UTF-8 LANGUAGE= LC_ALL=
screenshots: build
	@bash scripts/install-deps.sh --with-tests --with-tools
	@$(ENGLISH) QT_QPA_PLATFORM=offscreen $(BUILD)/tools/shootalot_screenshots docs
	@LANG=ja_JP.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen $(BUILD)/tools/shootalot_screenshots docs -ja results-window
	@LANG=de_DE.UTF-8 LANGUAGE= QT_QPA_PLATFORM=offscreen $(BUILD)/tools/shootalot_screenshots docs -de results-class
	@$(ENGLISH) QT_QPA_PLATFORM=offscreen:configfile=tests/support/offscreen-3840x2160.json QT_SCALE_FACTOR=2 \
	  $(BUILD)/tools/shootalot_screenshots docs -2x main-window,plot,help-window,results-window,results-across-n
	@$(ENGLISH) QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark \
	  xvfb-run -a $(BUILD)/tools/shootalot_screenshots docs -dark main-window,plot,help-window
	@$(ENGLISH) bash tools/screens.sh $(BUILD)/src/app/shootalot docs

# The Debian package, built as Debian builds its own: Release, with the
# distribution's hardening flags (CMake reads CXXFLAGS and LDFLAGS but not
# CPPFLAGS, which carries _FORTIFY_SOURCE), stripped.
package:
	@bash scripts/install-deps.sh --with-package
	@eval "$$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)" && \
	  export CXXFLAGS="$$CXXFLAGS $$CPPFLAGS" && \
	  cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
	        -DSHOOTALOT_TESTS=OFF >/dev/null
	@cmake --build build-package -j $(JOBS)
	@cd build-package && cpack -G DEB
	@echo "package: $$(ls build-package/*.deb)"

# What CI checks of the package: lintian without errors or warnings, and
# the desktop entry and AppStream metadata valid.
lint-package: package
	@lintian --fail-on error,warning build-package/*.deb
	@desktop-file-validate resources/org.shootalot.ShootALot.desktop
	@appstreamcli validate --pedantic --no-net resources/org.shootalot.shootalot.metainfo.xml

clean:
	rm -rf build build-bench build-bench-qtcues build-asan build-package build-qtcues
