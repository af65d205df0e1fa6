#!/usr/bin/env bash
# Installs the Debian packages that are missing, then configures and builds KVR_ZEL
# in ./build. Run as root (or with sudo) on Debian 12.
set -euo pipefail
cd "$(dirname "$0")/.."

paquets=(cmake make g++ qt6-base-dev qt6-svg-dev qt6-translations-l10n fonts-liberation
         xvfb xauth xdotool imagemagick poppler-utils "$@")
manquants=()
for p in "${paquets[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || manquants+=("$p")
done
if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${manquants[*]}"
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${manquants[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
