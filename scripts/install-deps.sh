#!/usr/bin/env bash
# Installs the Debian packages Kadoro needs to build and test. Run as root on a fresh machine;
# does nothing when every package is already there.
set -euo pipefail

packages=(
  build-essential cmake make pkg-config
  googletest libgtest-dev libgmock-dev
  clang-14 libclang-rt-14-dev   # libFuzzer targets
  util-linux                    # setpriv, for tests that drop root
  qt6-base-dev libqt6svg6       # the window, and its SVG icons
  libsimpleini-dev              # the settings file
  fonts-ipafont-gothic          # the window's Japanese fonts
  xvfb xauth                    # running the window without a display (screenshots)
)

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]}; run this script as root" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
