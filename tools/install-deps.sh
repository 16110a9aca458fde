#!/usr/bin/env bash
# Installs the Debian packages the project needs, skipping those already present.
set -euo pipefail

packages=(
  g++ make cmake clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-qpa-plugins qt6-multimedia-dev
  xvfb xauth fonts-dejavu-core
  # The icon's rendering, the Debian package and the checks of the installed files.
  librsvg2-bin dpkg-dev file desktop-file-utils shared-mime-info groff-base libxml2-utils
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
