#!/usr/bin/env bash
# Installs the Debian packages that building and running need, when they
# are missing; with --tests also those of the tests and benchmarks. Uses sudo
# when not run as root; with neither, names the missing packages and the
# command that installs them, and fails.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev libpng-dev libjpeg-dev libgif-dev
  qt6-translations-l10n
  mencoder xdg-utils
  fonts-wqy-microhei
)
[[ "${1:-}" == --tests ]] && packages+=(ffmpeg libgtest-dev libbenchmark-dev)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo=()
if [[ $(id -u) -ne 0 ]]; then
  if ! command -v sudo >/dev/null; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them with (root's password):" >&2
    echo "  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'" >&2
    exit 1
  fi
  sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -qq
# Through env, since sudo would drop the variable from the environment.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
