#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those not yet installed;
# with the argument "test", also those the tests need.
set -euo pipefail
PKGS=(cmake ninja-build g++ qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libglu1-mesa-dev
      libjpeg-dev libgif-dev libgtest-dev libbenchmark-dev xvfb xauth clang libclang-rt-14-dev
      libgl1-mesa-dri qt6-svg-dev qt6-translations-l10n)
# What only the tests need: independent readers of the exported and printed files, the fonts that
# tests/fonts/fonts.conf lets the tests see, and xcb to read the window manager's hints in the studio's tests.
if [ "${1:-}" = "test" ]; then
  PKGS+=(poppler-utils python3-ezdxf libocct-data-exchange-dev fonts-dejavu-core fonts-liberation libxcb1-dev)
fi
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""; [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}"
fi
