#!/usr/bin/env bash
# Runs the tests on a machine that prefers other fonts than the ones the program names: Noto and the
# URW fonts take monospace, sans-serif, serif and Arial. The tests must pass here as well as without.
#   tools/other-fonts.sh [ctest options]
set -euo pipefail
cd "$(dirname "$0")/.."
missing=()
for p in fonts-noto-mono fonts-noto-core fonts-urw-base35; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
prefer() {
  echo "  <alias><family>$1</family><prefer><family>$2</family><family>$3</family></prefer></alias>"
}
{
  echo '<?xml version="1.0"?>'
  echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
  echo '<fontconfig>'
  echo '  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
  prefer monospace "Noto Sans Mono" "Nimbus Mono PS"
  prefer sans-serif "Nimbus Sans" "Noto Sans"
  prefer serif "Noto Serif" "Nimbus Roman"
  prefer Arial "Nimbus Sans" "Noto Sans"
  echo "  <cachedir>$folder/cache</cachedir>"
  echo '</fontconfig>'
} >"$folder/fonts.conf"
export FONTCONFIG_FILE="$folder/fonts.conf"
echo "monospace: $(fc-match monospace); sans-serif: $(fc-match sans-serif); serif: $(fc-match serif)"
cmake -S . -B build -G Ninja -DZT_TESTS=ON -DZT_BENCH=ON >/dev/null
cmake --build build -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
