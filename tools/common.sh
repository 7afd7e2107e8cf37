# The prologue the tools share: the project's root as the working directory, what is missing installed,
# and build_preset to configure and build a CMake preset. Sourced, never run.
set -eu
cd "$(dirname "$0")/.."
root=$PWD
jobs=$(nproc 2>/dev/null || echo 2)
sh tools/setup-debian.sh

# build_preset PRESET [TARGET...]: configures the preset, then builds the targets (all when none are named).
build_preset() {
    preset=$1
    shift
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs" ${1:+--target "$@"}
}
