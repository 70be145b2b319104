#!/usr/bin/env bash
# Installs what the build and the tests need on Debian 12; does nothing when all is there.
set -euo pipefail
packages=(build-essential cmake ninja-build pkg-config qt6-base-dev qt6-svg-dev libqt6svg6
          libgtest-dev libcli11-dev libical-dev nlohmann-json3-dev libxlsxwriter-dev libminizip-dev
          fonts-liberation poppler-utils xvfb xauth
          qt6-tools-dev qt6-l10n-tools clang-format ccache mold)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  $sudo_cmd apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -q "${missing[@]}"
fi
