#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a plain
# build, once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh

scripts/build.sh build
ctest --test-dir build --output-on-failure -j "$(nproc)"

scripts/build.sh build-sanitize -DCORVANTA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)"
