#!/usr/bin/env bash
# Configures and builds the project into build/ (or $BUILD_DIR). Extra arguments go to CMake,
# e.g. -DQUORVA_WERROR=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${BUILD_DIR:-build}"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "${launcher[@]}" "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
