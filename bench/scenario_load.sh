#!/usr/bin/env bash
# Load figures of `cenario --usuarios` against the stand-in's own binary at 1, 10 and 40 users,
# with the CPU time the client and the stand-in each spent per request.
# Usage: bench/scenario_load.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-5}
cli=$build/tools/testador-cli/testador-cli
sim=$build/tools/middleware-sim/middleware-sim
port=$((18000 + RANDOM % 2000))
dir=$(mktemp -d)
trap 'kill "$simpid" 2>/dev/null; rm -rf "$dir"' EXIT
"$sim" --port "$port" 2>"$dir/sim.log" &
simpid=$!
for _ in $(seq 50); do grep -q "ouvindo em" "$dir/sim.log" && break; sleep 0.1; done
base=http://127.0.0.1:$port/datasnap/rest/
echo '{"CNPJ":"11222333000181"}' | "$cli" call --url "$base" --gravar "$dir/c.json" TConexaoAPI/Sobre - >/dev/null 2>&1
echo '{"eco":"x"}' | "$cli" call --url "$base" --plain --gravar "$dir/c.json" TConexaoAPI/TestaComunicacao - >/dev/null 2>&1
ticks=$(getconf CLK_TCK)
simcpu() { awk '{print $14 + $15}' "/proc/$simpid/stat"; }
printf '%-8s %10s %8s %8s %8s %8s %8s %14s %14s\n' usuarios req/s p50 p90 p99 max falhas \
    "cpu cliente/req" "cpu simul./req"
for users in 1 10 40; do
    before=$(simcpu)
    /usr/bin/time -f '%U %S' -o "$dir/time" "$cli" cenario "$dir/c.json" --url "$base" \
        --usuarios "$users" --duracao "$seconds" --json >"$dir/out.json" 2>/dev/null || true
    after=$(simcpu)
    python3 - "$dir/out.json" "$dir/time" "$before" "$after" "$ticks" "$users" <<'PY'
import json, sys
out = json.load(open(sys.argv[1]))
user, system = map(float, open(sys.argv[2]).read().split()[-2:])
t = out["total"]
n = max(t["requisicoes"], 1)
sim = (float(sys.argv[4]) - float(sys.argv[3])) / float(sys.argv[5])
print("%-8s %10.0f %8.2f %8.2f %8.2f %8.2f %8d %11.1f µs %11.1f µs" % (
    sys.argv[6], out["requisicoesPorSegundo"], t["p50"], t["p90"], t["p99"], t["max"],
    t["falhas"] + t["statusDeErro"], (user + system) / n * 1e6, sim / n * 1e6))
PY
done
