#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and the machine lacks.
set -euo pipefail
packages=(cmake g++ ninja-build qt6-base-dev libgl-dev libgtest-dev)
for option in "$@"; do
  case "$option" in
    --bench) packages+=(libbenchmark-dev) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev llvm) ;;
    # The word processor that opens and prints the documents the program makes; its PDF tools read them back in the tests.
    --documents) packages+=(libreoffice-writer-nogui poppler-utils) ;;
  esac
done
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
