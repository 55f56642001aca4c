#!/bin/sh
# Installs every Debian 12 package the program needs to build, run and test.
set -eu
PACKAGES="build-essential g++ cmake ninja-build pkg-config git ca-certificates
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 qt6-translations-l10n libgl-dev
  libsqlcipher-dev sqlcipher libkainjow-mustache-dev
  googletest libgtest-dev libgmock-dev
  fonts-dejavu-core xdg-utils poppler-utils ccache clang-format clang-format-14"
missing=""
for package in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing="$missing $package"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
