#!/usr/bin/env bash
# Load figures of `cenario --usuarios` against the stand-in's own binary at 1, 10 and 40 users,
# with the CPU time the client and the stand-in each spent per request (user + system: on the
# loopback, each side's system time also carries the delivery of what it sends to the other).
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
# The stand-in's user and system ticks so far.
simcpu() { awk '{print $14, $15}' "/proc/$simpid/stat"; }
printf '%-8s %8s %7s %7s %7s %7s %6s  %-22s %-22s %s\n' usuarios req/s p50 p90 p99 max falhas \
    "cliente/req (usr+sis)" "simulador/req (usr+sis)" "cliente/simulador"
for users in 1 10 40; do
    read -r sub ssb < <(simcpu)
    /usr/bin/time -f '%U %S' -o "$dir/time" "$cli" cenario "$dir/c.json" --url "$base" \
        --usuarios "$users" --duracao "$seconds" --json >"$dir/out.json" 2>/dev/null || true
    read -r sua ssa < <(simcpu)
    python3 - "$dir/out.json" "$dir/time" "$sub" "$ssb" "$sua" "$ssa" "$ticks" "$users" <<'PY'
import json, sys
out = json.load(open(sys.argv[1]))
cu, cs = map(float, open(sys.argv[2]).read().split()[-2:])
t = out["total"]
n = max(t["requisicoes"], 1)
ticks = float(sys.argv[7])
su = (float(sys.argv[5]) - float(sys.argv[3])) / ticks
ss = (float(sys.argv[6]) - float(sys.argv[4])) / ticks
us = lambda seconds: seconds / n * 1e6
print("%-8s %8.0f %7.2f %7.2f %7.2f %7.2f %6d  %5.1f µs (%4.1f+%4.1f)  %5.1f µs (%4.1f+%4.1f)   %.2f" % (
    sys.argv[8], out["requisicoesPorSegundo"], t["p50"], t["p90"], t["p99"], t["max"],
    t["falhas"] + t["statusDeErro"], us(cu + cs), us(cu), us(cs), us(su + ss), us(su), us(ss),
    (cu + cs) / max(su + ss, 1e-9)))
PY
done
