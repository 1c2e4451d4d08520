"""Runs every figure of bench/run against its reference, interleaved, and prints the table."""
import os
import socket
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
bench = os.path.join(build, "bench")
cli = os.path.join(build, "tools", "testador-cli", "testador-cli")
sim = os.path.join(build, "tools", "middleware-sim", "middleware-sim")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
rows = []


def timed(cmd, **kw):
    start = time.perf_counter()
    out = subprocess.run(cmd, env=env, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, **kw)
    return (time.perf_counter() - start) * 1000, out.stdout


def interleaved(a, b, runs):
    """Median times of two commands run in alternation, and the median of the pairs' ratios."""
    ta, tb = [], []
    for _ in range(runs):
        ta.append(timed(a)[0])
        tb.append(timed(b)[0])
    ratios = [x / y for x, y in zip(ta, tb)]
    return statistics.median(ta), statistics.median(tb), statistics.median(ratios)


def row(figure, now, reference, ratio, goal, met):
    rows.append((figure, now, reference, ratio, goal, "yes" if met else "**no**"))
    print(f"  measured: {figure}", file=sys.stderr)


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def wait_port(port):
    for _ in range(200):
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return
        time.sleep(0.05)
    raise SystemExit(f"nothing listens on {port}")


work = tempfile.mkdtemp(prefix="quorva-bench-")

# Start-up to the first paint, the window beside a bare Qt program built with the same flags:
# from the spawn to the paint on the monotonic clock both read (the teardown is not counted).
probe, bare = os.path.join(bench, "bench_startup_probe"), os.path.join(bench, "bench_bare_window")


def to_paint(cmd):
    spawned = time.monotonic() * 1000
    out = subprocess.run(cmd, env=env, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout
    return float(out.split()[1]) - spawned


to_paint([probe]), to_paint([bare])  # the file cache
tw, tb = [], []
for _ in range(21):
    tw.append(to_paint([probe]))
    tb.append(to_paint([bare]))
w, b = statistics.median(tw), statistics.median(tb)
r = statistics.median(x / y for x, y in zip(tw, tb))
whole_w, whole_b, whole_r = interleaved([probe], [bare], 11)
row("start-up to the window's first paint (offscreen)", f"{w:.0f} ms (whole process with teardown {whole_w:.0f} ms)",
    f"bare QMainWindow program {b:.0f} ms ({whole_b:.0f} ms)", f"{r:.2f}× ({whole_r:.2f}×)", "≤ 1.3×", r <= 1.3)

# Idle memory at the first paint.
def rss(cmd):
    return int(timed(cmd)[1].split()[3]) / 1024
wm, bm = [], []
for _ in range(5):
    wm.append(rss([probe, "rss"]))
    bm.append(rss([bare, "rss"]))
w, b = statistics.median(wm), statistics.median(bm)
row("idle memory (resident, at the first paint)", f"{w:.1f} MiB", f"bare window {b:.1f} MiB",
    f"{w / b:.2f}×", "≤ 1.5×", w / b <= 1.5)

# One signed call from the command line beside curl posting the same envelope.
port = free_port()
server = subprocess.Popen([sim, "--port", str(port)], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    wait_port(port)
    base = f"http://127.0.0.1:{port}/datasnap/rest/"
    dados = os.path.join(work, "dados.json")
    with open(dados, "w") as f:
        f.write('{"CNPJ":"11222333000181"}')
    subprocess.run([cli, "call", "--url", base, "--conecta", "TConexaoAPI/Sobre", dados], env=env,
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    envelope = os.path.join(work, "envelope.json")
    with open(envelope, "wb") as f:
        f.write(timed([cli, "sign", "--id", "1001", dados])[1].strip())
    call = [cli, "call", "--url", base, "--id", "1001", "TConexaoAPI/Sobre", dados]
    curl = ["curl", "-s", "-o", "/dev/null", "-u", "quorva:908070", "-H",
            "Content-Type: application/json;charset=UTF-8", "--data-binary", "@" + envelope,
            base + "TConexaoAPI/Sobre"]
    c, k, r = interleaved(call, curl, 21)
    s, _, rs = interleaved([cli, "sign", "--id", "1001", dados], call, 11)
    row("one signed call, `testador-cli call` vs `curl`, one process each", f"{c:.1f} ms",
        f"curl {k:.1f} ms", f"{r:.2f}× (`sign` alone is {rs:.2f}× `call`)", "≤ 1.1×", r <= 1.1)
finally:
    server.terminate()
    server.wait()

# The exchange in process beside bare libcurl.
rt = [list(map(float, timed([os.path.join(bench, "bench_roundtrip")])[1].split())) for _ in range(3)]
ours, curl_us, r, inline_us, ri = (statistics.median(v[k] for v in rt) for k in range(5))
row("in-process exchange (with the window's helper thread) vs bare libcurl", f"{ours:.0f} µs",
    f"{curl_us:.0f} µs", f"{r:.2f}× (on the calling thread {inline_us:.0f} µs, {ri:.2f}×)", "≤ 1.0× (keep)", r <= 1.05)

# Signing a large Dados, beside MD5 of the same bytes measured between the steps.
lines = timed([os.path.join(bench, "bench_signing"), "9", "1", "10", "20", "100"])[1].decode().split("\n")
steps = {int(l.split()[0]): list(map(float, l.split()[1:])) for l in lines if l.strip()}
value, sign, wire, md5 = steps[20]
total = value + sign + wire
row("20 MB `Dados`: value from text + envelope + signature + wire text",
    f"{total:.0f} ms CPU ({value:.0f} value, {sign:.0f} signature, {wire:.0f} wire text)",
    f"MD5 of the same bytes {md5:.0f} ms", f"{md5 / total:.2f}× MD5 throughput (signature step {md5 / sign:.2f}×)",
    "≥ 0.4× whole, ≥ 0.7× signature", md5 / total >= 0.4 and md5 / sign >= 0.7)
per_mb = {mb: steps[mb][2] / mb for mb in sorted(steps)}
spread = max(per_mb.values()) / min(per_mb.values())
row("wire text cost per MB", ", ".join(f"{v:.2f} ms/MB at {mb} MB" for mb, v in per_mb.items()), "—",
    f"largest/smallest {spread:.2f}", "linear", spread <= 1.5)
big = os.path.join(work, "20mb.bin")
with open(big, "wb") as f:
    f.write(os.urandom(20 * 1024 * 1024))
openssl = statistics.median(timed(["openssl", "dgst", "-md5", big])[0] for _ in range(5))
print(f"  (`openssl dgst -md5` of 20 MB, a process: {openssl:.0f} ms)", file=sys.stderr)

# A 50 MB base64 answer saved through the real window, beside curl | python3 decode > file.
mb = 50
body = os.path.join(work, "answer.json")
subprocess.run([os.path.join(bench, "bench_save"), str(mb), body], env=env, check=True)
port = free_port()
server = subprocess.Popen([sys.executable, "-m", "http.server", str(port), "--bind", "127.0.0.1", "--directory", work],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
decode = ("import sys,json,base64;d=json.load(sys.stdin);"
          "open(sys.argv[1],'wb').write(base64.b64decode(d['result']['conteudo']['livre']['Base64']))")
try:
    wait_port(port)
    ours, stalls, peaks, ref = [], [], [], []
    for _ in range(3):
        out = timed([os.path.join(bench, "bench_save"), str(mb)])[1].split()
        ours.append(float(out[0]))
        stalls.append(float(out[1]))
        peaks.append(int(out[2]) / 1024)
        bodymib = int(out[4]) / 1024 / 1024
        ref.append(timed(["bash", "-c", f"curl -s http://127.0.0.1:{port}/answer.json | python3 -c \"{decode}\" {work}/ref.bin"])[0])
finally:
    server.terminate()
    server.wait()
o, f_, p, st = statistics.median(ours), statistics.median(ref), statistics.median(peaks), max(stalls)
row(f"{mb} MB base64 answer → file saved, real window", f"{o:.0f} ms", f"`curl … \\| python3 decode > file` {f_:.0f} ms",
    f"{o / f_:.2f}×", "≤ 1.0×", o / f_ <= 1.0)
row("peak memory during that save, real window", f"{p:.0f} MiB", f"body {bodymib:.0f} MiB",
    f"{p / bodymib:.1f}× body", "≤ 2× body", p / bodymib <= 2)
row("longest UI-thread stall during that click", f"{st:.0f} ms (worst of 3)", "—", "—", "≤ 50 ms", st <= 50)

print("| figure | now | reference | ratio | goal | met |")
print("|---|---|---|---|---|---|")
for r in rows:
    print("| " + " | ".join(r) + " |")
