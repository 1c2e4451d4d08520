#!/usr/bin/env bash
# Configures and builds the project into build/ (warnings are errors when CI=true).
set -euo pipefail
cd "$(dirname "$0")/.."
werror=OFF
if [ "${CI:-}" = "true" ]; then werror=ON; fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVA_WERROR="$werror" >/dev/null
cmake --build build --parallel "$(nproc)"
