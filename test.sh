#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a plain
# build, once built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Each pass runs in a private PID namespace, so the tests' ending of
# "quorbel.exe" by name cannot reach an encoder outside them; a stand-in
# encoder started here, outside, must outlive both passes.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh --tests

stand_in=""
if scripts/isolated.sh --possible; then
  stand_in_dir="$(mktemp -d)"
  cp /bin/sleep "$stand_in_dir/quorbel.exe"
  "$stand_in_dir/quorbel.exe" 86400 &
  stand_in=$!
  trap 'kill "$stand_in" 2>/dev/null || true; rm -rf "$stand_in_dir"' EXIT
fi

scripts/build.sh build
scripts/isolated.sh ctest --test-dir build --output-on-failure -j "$(nproc)"

scripts/build.sh build-sanitize -DCORVANTA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  scripts/isolated.sh ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"

if [[ -n "$stand_in" ]]; then
  state="$(awk '{print $3}' "/proc/$stand_in/stat" 2>/dev/null || true)"
  [[ -n "$state" && "$state" != Z ]] || {
    echo "FAILED: the tests ended a \"quorbel.exe\" they did not start." >&2
    exit 1
  }
fi
