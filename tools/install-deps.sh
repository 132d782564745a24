#!/usr/bin/env bash
# Installs from Debian's packages whatever the build and the tests need and the machine lacks.
#   --documents  the word processor without a window, its German hyphenation and the PDF tools that
#                read the documents back (tests)
#   --office     the word processor with a window, for the teacher (run.sh)
set -euo pipefail
# The fonts are the families the program and its documents name, so that they look the same
# whichever other fonts a machine prefers; Qt's translations give its own dialogs German buttons.
packages=(cmake g++ ninja-build qt6-base-dev libgl-dev libgtest-dev libquazip1-qt6-dev qt6-translations-l10n
          fonts-dejavu-core fonts-liberation2)
for option in "$@"; do
  case "$option" in
    --bench) packages+=(libbenchmark-dev) ;;
    --fuzz) packages+=(clang libclang-rt-14-dev llvm) ;;
    # Either word processor converts documents headless; the two cannot be installed side by side.
    --documents) packages+=("libreoffice-writer-nogui|libreoffice-writer" hyphen-de poppler-utils) ;;
    --office) packages+=("libreoffice-writer" hyphen-de) ;;
  esac
done
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
missing=()
for p in "${packages[@]}"; do
  found=""
  IFS='|' read -r -a choices <<<"$p"
  for choice in "${choices[@]}"; do
    installed "$choice" && found=yes
  done
  [ -n "$found" ] || missing+=("${choices[0]}")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
