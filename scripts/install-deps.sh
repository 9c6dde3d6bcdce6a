#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running Larkspur need.
# Idempotent: does nothing when every package is already installed.
#   scripts/install-deps.sh            build, test and run
#   scripts/install-deps.sh --desktop  also Xvfb, xdotool and ImageMagick for screenshots
set -euo pipefail

packages=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-translations-l10n
  libqscintilla2-qt6-dev
  libjpeg62-turbo-dev
  fonts-noto-cjk
)
if [[ "${1:-}" == "--desktop" ]]; then
  packages+=(xvfb xdotool imagemagick x11-utils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
echo "install-deps: installing ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
