#!/usr/bin/env bash
# Installs what is missing, builds the converter and kelvane.dll (nothing
# else), and starts the converter. ./test.sh builds everything.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

log=build.log
echo "Building the converter and kelvane.dll in build/ (output in $log) ..."
{
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF &&
    cmake --build build -j "$(nproc)" --target converter kelvane
} >"$log" 2>&1 || {
  tail -n 40 "$log"
  echo "The build failed; the whole output is in $log." >&2
  exit 1
}
exec build/bin/converter
