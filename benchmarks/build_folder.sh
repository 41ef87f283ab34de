# Sourced by the benchmark scripts: `root` is the repository, and
# `use_build_folder ARG` sets `build` to the build folder named on the
# command line (default build/, relative to the root).
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

use_build_folder() {
  build="${1:-$root/build}"
  [[ "$build" = /* ]] || build="$root/$build"
}

# Brings the named targets up to date, quietly.
build_targets() {
  cmake --build "$build" --target "$@" >/dev/null
}
