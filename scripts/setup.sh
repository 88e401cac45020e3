#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds with, when they are
# missing. Safe to run again: installed packages are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libpugixml-dev libsqlite3-dev libsimpleini-dev libcli11-dev nlohmann-json3-dev
  libxlsxwriter-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # tests only: the fuzzers, the workbook read back and printed to PDF, the
  # report page rendered and printed (with a Chinese font to print it in)
  clang libclang-rt-14-dev python3-openpyxl chromium libreoffice-calc-nogui poppler-utils
  fonts-wqy-zenhei
)

missing=()
for pkg in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done

if ((${#missing[@]} == 0)); then
  echo "setup: every package is installed"
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
  echo "setup: run as root to install packages" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
