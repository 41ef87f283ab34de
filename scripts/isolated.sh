#!/usr/bin/env bash
# Runs the given command in a private PID namespace with its own /proc, so
# that ending "quorbel.exe" by name can only reach the command's own
# processes, never another test's, another test run's or a real
# conversion's encoder. A shell is the namespace's first process and the
# command its child: the first process adopts every orphan of the
# namespace, and a test that counts its children must not find them. When
# this script is ended, the namespace ends with it.
# Where no such namespace can be made, says so in one line and runs the
# command as it is.
#   scripts/isolated.sh <command> [arguments...]
#   scripts/isolated.sh --possible    (status 0 when a namespace can be made)
set -euo pipefail

# A normal user needs a user namespace to own the PID namespace; root may
# be refused one (inside some containers) and can do without it.
for way in "--user --map-root-user" ""; do
  # shellcheck disable=SC2086
  if unshare $way --pid --fork --mount-proc true 2>/dev/null; then
    [[ "${1:-}" == --possible ]] && exit 0
    # shellcheck disable=SC2086,SC2016
    exec unshare $way --pid --fork --kill-child --mount-proc sh -c '"$@"; exit $?' sh "$@"
  fi
done
[[ "${1:-}" == --possible ]] && exit 1
echo "No private PID namespace can be made here; running without one," \
  "so any \"quorbel.exe\" of this user can be ended." >&2
exec "$@"
