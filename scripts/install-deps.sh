#!/usr/bin/env bash
# Installs the Debian packages that building and running Shoot a Lot need,
# and with --with-tests what its tests meet it with.
# Packages that are already installed are skipped, so a second run costs nothing.
#   install-deps.sh [--with-tests] [--with-tools] [--with-bench] [--with-package] ...
set -euo pipefail

packages=(
  build-essential      # g++ and make
  cmake                # the build, and CTest
  pkg-config           # how CMake finds libsndfile
  qt6-base-dev         # Qt Core, Gui, Widgets and Test; brings libqt6gui6 with the xcb and offscreen platform plugins
  qt6-svg-dev          # Qt SVG, which writes the charts as SVG pictures
  qt6-tools-dev qt6-l10n-tools # Qt's LinguistTools: lupdate keeps the translations, lrelease builds them in
  qt6-translations-l10n # Qt's own words (dialog buttons, the file dialog) in the learner's language
  libpulse-dev         # the PulseAudio client library, which sends the sound cues to the sound server
  libsndfile1-dev      # libsndfile, which decodes them (any WAV flavour, and reports damage)
  libfontconfig-dev    # fontconfig, whose configuration the program starts reading before Qt asks for it
  libgl-dev            # Qt's CMake package asks for the OpenGL headers
  fonts-morisawa-bizud-gothic # BIZ UDPGothic, the stand-in for the windows' Japanese Gothic face (with a real bold)
  fonts-ipafont-gothic # IPAPGothic, the stand-in where BIZ UDPGothic is missing
  fonts-noto-cjk       # Noto Sans CJK, the glyphs of the Chinese translation
)
# For the tests that meet the program as its users' desktops do.
test_packages=(
  xvfb xauth           # a real X display, for GNOME's theme
  qt6-gtk-platformtheme adwaita-qt6 # GNOME's dark theme, and the Adwaita-Dark style
  qt6-wayland weston   # a native Wayland window, on a headless compositor
  pulseaudio pulseaudio-utils # a private sound server whose null sink the cue test records
  orca at-spi2-core dbus xdotool # Debian's screen reader on the accessibility bus, and keys sent to it
  openbox x11-utils   # a real window manager on Xvfb, and xprop to see it take charge
  strace              # a working folder that hangs, made by delaying its system calls
  qt6-multimedia-dev  # the cues through Qt Multimedia, the output of a build without libpulse, tested too
  poppler-utils       # pdftotext, which reads back the charts' PDF pictures
  locales             # the Japanese and German locales the screen reader and the language tests run in
)
# The locales the tests start the program and Orca in.
test_locales=(ja_JP.UTF-8 de_DE.UTF-8)
with_tests=no
for option in "$@"; do
  case "$option" in
    --with-tests)   packages+=("${test_packages[@]}"); with_tests=yes ;;
    --with-tools)   packages+=(imagemagick) ;;                            # screenshots
    --with-bench)   packages+=(libbenchmark-dev qt6-multimedia-dev) ;;    # make bench, whose cue timing records with Qt Multimedia
    --with-package) packages+=(dpkg-dev lintian desktop-file-utils appstream) ;; # make package, and its checks
    *) echo "install-deps: unknown option $option" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then sudo_cmd=(sudo); else
    [ ${#missing[@]} -eq 0 ] || { echo "install-deps: need root or sudo to install ${missing[*]}" >&2; exit 1; }
  fi
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Locales are generated, not installed: each one the tests need, once.
if [ "$with_tests" = yes ]; then
  generate=()
  for l in "${test_locales[@]}"; do
    locale -a 2>/dev/null | grep -qix "${l/UTF-8/utf8}" || generate+=("$l")
  done
  if [ ${#generate[@]} -gt 0 ]; then
    echo "Generating the locales ${generate[*]}"
    for l in "${generate[@]}"; do
      "${sudo_cmd[@]}" sed -i "s/^# *$l UTF-8/$l UTF-8/" /etc/locale.gen
    done
    "${sudo_cmd[@]}" locale-gen >/dev/null
  fi
fi
