#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds KVR_ZEL in
# ./build. Run as root (or with sudo) on Debian 12.
#   bash scripts/preparer.sh          what building and running the program need; builds
#                                     the program, and only when it is missing or older
#                                     than its sources
#   bash scripts/preparer.sh --tests  also what the tests use; builds everything
# Further arguments name extra packages to install.
set -euo pipefail
cd "$(dirname "$0")/.."

# Building and running. The Qt -dev packages bring the runtime libraries and the xcb
# platform plugin; qt6-translations-l10n gives Qt's own buttons in French, Italian or
# English (Oui / Non); the program's own translations (i18n/*.ts) are checked and built
# into it by Qt's Linguist tools (qt6-tools-dev for CMake, qt6-l10n-tools for lupdate
# and lrelease);
# fonts-liberation stands in for Courier New and Arial; without fonts-dejavu-core a
# machine with no desktop would draw every window in Liberation Mono. qt6-charts-dev draws
# the score window's chart; its CMake files need Qt's OpenGL ones (libqt6opengl6-dev, only
# recommended by qt6-base-dev). The radio (CAT) is read through Hamlib's rigctld, and the
# list of radio models comes from rigctl (libhamlib-utils); the program links no Hamlib.
# The confirmations are fetched over HTTPS (Qt loads OpenSSL at run time; the
# authorities' certificates come from ca-certificates) and their passwords kept in the
# desktop's keyring through QtKeychain (qtkeychain-qt6-dev, its library libqt6keychain1).
paquets=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev
         qt6-translations-l10n fonts-liberation fonts-dejavu-core libhamlib-utils
         ca-certificates qtkeychain-qt6-dev libqt6keychain1 qt6-tools-dev qt6-l10n-tools)
# The tests: a real X server and a robot to drive the program (xvfb, xauth, xdotool),
# screenshots and images (imagemagick), PDF pages (poppler-utils), the menu-entry
# checker (desktop-file-utils), the accessibility bus as a screen reader reads it
# (python3-pyatspi, with at-spi2-core, and dbus-daemon for a private session bus), and
# Debian's checkers of the package and of its software-centre listing (lintian, appstream),
# and man to read the manual page as an operator does (man-db); the radio tests start
# Hamlib's rigctld themselves (libhamlib-utils, above); the keyring test runs
# gnome-keyring-daemon on a bus of its own.
paquets_tests=(xvfb xauth xdotool imagemagick poppler-utils desktop-file-utils python3-pyatspi
               at-spi2-core dbus-daemon lintian appstream man-db gnome-keyring)

tests=0
if [ "${1:-}" = --tests ]; then tests=1; shift; paquets+=("${paquets_tests[@]}"); fi
paquets+=("$@")

# One query for every package; apt only when one is missing.
installes=$(dpkg-query -W -f='${db:Status-Abbrev}${Package}\n' "${paquets[@]}" 2>/dev/null || true)
manquants=()
for p in "${paquets[@]}"; do
  grep -qxF "ii $p" <<< "$installes" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${manquants[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  $SUDO env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${manquants[@]}"
fi

# The program is up to date when it exists and nothing it is built from changed since
# its last build began (a folder's date changes when a file is added or removed).
programme=build/src/kvr_zel
marque=build/.kvr_zel.construit
a_jour() {
  [ -x "$programme" ] && [ -f "$marque" ] &&
    [ -z "$(find CMakeLists.txt src data dist -newer "$marque" -print -quit 2>/dev/null)" ]
}
if [ $tests -eq 0 ] && a_jour; then
  exit 0
fi

mkdir -p build
touch "$marque.debut"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > build/configuration.log \
  || { cat build/configuration.log; exit 1; }
if [ $tests -eq 1 ]; then
  cmake --build build -j"$(nproc)"
else
  cmake --build build -j"$(nproc)" --target kvr_zel
fi
mv "$marque.debut" "$marque"
