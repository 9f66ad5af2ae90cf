#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build bison
  qt6-base-dev qt6-l10n-tools
  libgtest-dev libgmock-dev libbenchmark-dev
  libc6-dev libstdc++-12-dev pkg-config
  zlib1g-dev libsqlite3-dev libgtk-3-dev
  python3 castxml clang
  liblua5.4-dev libxml2-dev libexpat1-dev libpng-dev libzstd-dev libglib2.0-dev
  libtinyxml2-dev libpugixml-dev libjsoncpp-dev libyaml-cpp-dev libfmt-dev libspdlog-dev nlohmann-json3-dev
  libxml2-utils chromium
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
fi
