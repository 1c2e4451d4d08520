#!/usr/bin/env bash
# Installs what is missing, builds, starts the stand-in middleware on port 8080 and opens the
# window against it. Without a display, run it under xvfb-run (see README).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
./build/tools/middleware-sim/middleware-sim --port "${PORT:-8080}" &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
sleep 0.3
./build/src/TestadorQuorvaMiddlewareService
