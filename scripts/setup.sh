#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Safe to run more than once: packages already present are skipped.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  clang libclang-rt-14-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  libqt6sql6-sqlite qtkeychain-qt6-dev
  libcurl4-openssl-dev libssl-dev libzip-dev zlib1g-dev
  rapidjson-dev libcpp-httplib-dev
  libgtest-dev libgmock-dev
  curl openssl xvfb xauth imagemagick ccache libxml2-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO=sudo; fi
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
