#!/usr/bin/env bash
# Installs, with apt-get, only the Debian packages that are missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6
  libsqlcipher-dev sqlcipher
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang-format git
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation2 qt6-l10n-tools
  desktop-file-utils appstream
  libsword-dev sword-text-web sword-text-kjv sword-text-sparv
  sword-dict-naves sword-comm-mhcc
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
