"""Measures what the user waits for, each figure beside its reference run interleaved in the
same run (pairs, median of the pairs' ratios with their range), prints the table and keeps it
in bench/RESULTS.md. Usage: table.py BUILD_FOLDER [cli] [cenarios] [https] [startup] [save] [pane]
(the groups of figures to measure; all when none is named). BENCH_PAIRS=N takes N pairs for every figure instead of
its own count (fewer on a shared machine; the table says how many)."""
import base64
import datetime
import filecmp
import json
import os
import platform
import re
import shutil
import signal
import socket
import statistics
import subprocess
import sys
import tempfile
import time

build = sys.argv[1]
all_groups = {"cli", "cenarios", "https", "startup", "save", "pane"}
groups = set(sys.argv[2:]) or all_groups
unknown = groups - all_groups
if unknown:
    raise SystemExit(f"unknown group of figures: {', '.join(sorted(unknown))} "
                     "(cli, cenarios, https, startup, save, pane)")
pairs_override = int(os.environ["BENCH_PAIRS"]) if os.environ.get("BENCH_PAIRS") else None


def pair_count(n):
    return pairs_override or n

here = os.path.dirname(os.path.abspath(__file__))
bench = os.path.join(build, "bench")
cli = os.path.join(build, "tools", "testador-cli", "testador-cli")
work = tempfile.mkdtemp(prefix="quorva-bench-")
home = os.path.join(work, "home")
os.makedirs(home)
# Settings and anything else the programs keep go to a folder of the run, never the user's.
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
           XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_CACHE_HOME=os.path.join(home, ".cache"))
rows = []
notes = []
# Stopped, the script still stops the servers it started (the finally blocks run).
signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
MiB = 1024 * 1024


def say(text):
    print(text, file=sys.stderr, flush=True)


def run(cmd, environ=None, stdout=subprocess.DEVNULL, stdin=None, check=True):
    """Wall time (ms), peak memory (KiB: the largest process of the tree, as GNU time reports it,
    so that nothing of this script's own memory is counted), output and processor time (user +
    system, ms) of a whole process."""
    time_file = os.path.join(work, "time")
    start = time.perf_counter()
    p = subprocess.run(["/usr/bin/time", "-f", "%M %U %S", "-o", time_file] + cmd, env=environ or env,
                       stdout=stdout, stderr=subprocess.DEVNULL, stdin=stdin)
    elapsed = (time.perf_counter() - start) * 1000
    if check and p.returncode != 0:
        raise SystemExit(f"failed ({p.returncode}): {' '.join(cmd)}")
    with open(time_file) as f:
        peak, user, system = f.read().split()[-3:]
    return elapsed, int(peak), p.stdout or b"", (float(user) + float(system)) * 1000


def pairs(a, b, n):
    """Runs a and b alternately n times; each a list of (ms, peak KiB, output)."""
    ra, rb = [], []
    for i in range(n):
        if i % 2:  # alternate which goes first as well
            rb.append(b())
            ra.append(a())
        else:
            ra.append(a())
            rb.append(b())
    return ra, rb


def med(values):
    return statistics.median(values)


def ratio_text(ratios):
    return f"{med(ratios):.2f}× [{min(ratios):.2f}–{max(ratios):.2f}]"


def row(figure, ours, reference, ratio, goal, met):
    rows.append((figure, ours, reference, ratio, goal, "yes" if met else "**no**"))
    say(f"  {figure}: {ours} | {reference} | {ratio} | {goal} | {'yes' if met else 'NO'}")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def serve(path):
    port = free_port()
    server = subprocess.Popen([sys.executable, os.path.join(here, "answer_server.py"), str(port), path],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        with socket.socket() as s:
            if s.connect_ex(("127.0.0.1", port)) == 0:
                return server, f"http://127.0.0.1:{port}/"
        time.sleep(0.05)
    raise SystemExit("the answer server did not start")


def load():
    return " ".join(open("/proc/loadavg").read().split()[:3])


if groups != all_groups:
    notes.append("only these groups of figures were measured: " + ", ".join(sorted(groups)))
if pairs_override:
    notes.append(f"{pairs_override} pairs for every figure (BENCH_PAIRS)")
load_before = load()
say(f"build: {build}; work folder {work}; load {load_before}")

# --- testador-cli sign and call, whole processes, beside openssl and curl on the same bytes ---
def realistic_dados(size):
    """Data shaped as requests are: a sale's items (objects of many short members, accents,
    numbers, a nested tax object), a customer with accents and a file's long base64 (a quarter of
    the bytes), about `size` bytes in UTF-8."""
    b64 = base64.b64encode(os.urandom(size // 4 * 3 // 4)).decode()
    item = lambda i: {
        "nItem": i + 1, "cProd": f"P{1000 + i}", "cEAN": "7891000315507",
        "xProd": f"AÇÚCAR CRISTAL 1KG – lote {i} / união", "NCM": "17019900", "CFOP": "5102",
        "uCom": "UN", "qCom": 2.0, "vUnCom": 4.99, "vProd": 9.98, "indTot": 1,
        "imposto": {"ICMS": {"orig": 0, "CST": "00", "modBC": 3, "vBC": 9.98, "pICMS": 18.0,
                             "vICMS": 1.8}, "PIS": {"CST": "01", "vBC": 9.98, "pPIS": 1.65, "vPIS": 0.16},
                    "COFINS": {"CST": "01", "vBC": 9.98, "pCOFINS": 7.6, "vCOFINS": 0.76}},
        "infAdProd": "Produto de qualidade — validade 12 meses; ação promocional nº 3"}
    one = len(json.dumps(item(0), ensure_ascii=False).encode())
    count = max(1, (size - len(b64)) // (one + 1))
    return {"CNPJ": "11222333000181", "Destinatario": {"xNome": "Padaria São João Ltda",
                                                        "enderDest": {"xLgr": "Av. Brasília", "nro": "12",
                                                                      "xMun": "Goiânia", "UF": "GO"}},
            "Itens": [item(i) for i in range(count)], "Total": {"vNF": round(9.98 * count, 2)},
            "Anexo": {"Nome": "nota.pdf", "Base64": b64}}


# A line of an NF-e's items, as the XML members carry them.
unit = "<det nItem=\"1\"><prod><xProd>AÇÚCAR CRISTAL 1KG</xProd><vProd>4.99</vProd></prod></det>\r\n"


def long_string_dados(size):
    """The data as one long string of text: the reading's fastest case."""
    return {"CNPJ": "11222333000181", "XML": unit * (size // len(unit.encode()))}


def write_dados(path, dados):
    with open(path, "w", encoding="utf-8") as f:
        json.dump(dados, f, ensure_ascii=False)
    return os.path.getsize(path)


CURL_HEADERS = ["-H", "Content-Type: application/json;charset=UTF-8", "-H", "Expect:"]
small_answer = os.path.join(work, "small-answer.json")
with open(small_answer, "w") as f:
    f.write('{"result":{"controle":{"err":false,"cod":"","msg":""},"conteudo":{}}}')
server, base = serve(small_answer) if "cli" in groups else (None, None)
try:
    shapes = (("realistic", realistic_dados), ("one long string", long_string_dados))
    for shape, make in shapes if "cli" in groups else ():
        for mb in (1, 20, 100):
            dados = os.path.join(work, f"dados-{mb}.json")
            size = write_dados(dados, make(mb * MiB))
            n = pair_count(10)
            sign = lambda: run([cli, "sign", "--id", "1001", dados])
            md5 = lambda: run(["openssl", "dgst", "-md5", dados])
            sign(), md5()  # the file cache
            rs, rm = pairs(sign, md5, n)
            through = [m[0] / s_[0] for s_, m in zip(rs, rm)]
            cpu = [m[3] / s_[3] for s_, m in zip(rs, rm) if s_[3] > 0 and m[3] > 0]
            peak_mib = med(s_[1] for s_ in rs) / 1024
            # The goal: a fixed base of at most 16 MiB beside 1.5× the input.
            goal_met = med(through) >= 0.5 and peak_mib <= 16 + 1.5 * size / MiB
            row(f"`sign` {mb} MB `Dados`, {shape}, whole process ({n} pairs)",
                f"{med(s_[0] for s_ in rs):.0f} ms, peak {peak_mib:.0f} MiB "
                f"({peak_mib * MiB / size:.2f}× input)",
                f"`openssl dgst -md5` {med(m[0] for m in rm):.0f} ms, peak {med(m[1] for m in rm) / 1024:.0f} MiB",
                ratio_text(through) + " throughput" + (f" (processor {med(cpu):.2f}×)" if cpu else ""),
                "≥ 0.5×, peak ≤ 16 MiB + 1.5× input", goal_met)
            if mb == 100:
                os.remove(dados)

    # `call` beside curl posting the same signed bytes with the same headers, on realistic data.
    for label, size in (("1 KB", 1024), ("1 MB", MiB), ("20 MB", 20 * MiB)) if "cli" in groups else ():
        dados = os.path.join(work, "dados-call.json")
        size = write_dados(dados, realistic_dados(size) if size >= MiB else
                           {"CNPJ": "11222333000181", "Texto": "ação " * (size // 8), "Valor": 4.99})
        envelope = os.path.join(work, "envelope.json")
        with open(envelope, "wb") as f:
            f.write(run([cli, "sign", "--id", "1001", dados], stdout=subprocess.PIPE)[2].rstrip(b"\n"))
        call = lambda: run([cli, "call", "--url", base, "--id", "1001", "TConexaoAPI/Sobre", dados])
        curl = lambda: run(["curl", "-sf", "-o", "/dev/null", "-u", "quorva:908070"] + CURL_HEADERS +
                           ["--data-binary", "@" + envelope, base + "TConexaoAPI/Sobre"])
        call(), curl()
        n = pair_count(10)
        rc, rk = pairs(call, curl, n)
        ratios = [c[0] / k[0] for c, k in zip(rc, rk)]
        cpu = [c[3] / k[3] for c, k in zip(rc, rk) if c[3] > 0 and k[3] > 0]
        peak, curl_peak = med(c[1] for c in rc) / 1024, med(k[1] for k in rk) / 1024
        row(f"`call` with a {label} `Dados`, realistic ({n} pairs)",
            f"{med(c[0] for c in rc):.1f} ms, peak {peak:.0f} MiB",
            f"`curl -H 'Expect:'` of the signed bytes, same headers, {med(k[0] for k in rk):.1f} ms, "
            f"peak {curl_peak:.0f} MiB",
            ratio_text(ratios) + (f" (processor {med(cpu):.2f}×)" if cpu else ""), "≤ 1.3×, peak ≤ curl's + 1.5× data",
            med(ratios) <= 1.3 and peak <= curl_peak + 1.5 * size / MiB)
        os.remove(envelope)
finally:
    if server:
        server.terminate()
        server.wait()


# --- replay and load, whole processes, against the stand-in as its own process ---
def stand_in():
    port = free_port()
    sim = subprocess.Popen([os.path.join(build, "tools", "middleware-sim", "middleware-sim"), "--port", str(port)],
                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        with socket.socket() as sock:
            if sock.connect_ex(("127.0.0.1", port)) == 0:
                return sim, f"http://127.0.0.1:{port}/datasnap/rest/"
        time.sleep(0.05)
    raise SystemExit("the stand-in did not start")


def cpu_of(pid):
    """User + system time of a process so far, in ms."""
    fields = open(f"/proc/{pid}/stat").read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) * 1000 / os.sysconf("SC_CLK_TCK")


def scenario_files(base, folder, steps):
    os.makedirs(folder, exist_ok=True)
    out = subprocess.run([os.path.join(bench, "bench_scenario_files"), base, folder, str(steps)], env=env,
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, check=True)
    url, user, password = out.stdout.decode().split()
    return os.path.join(folder, "cenario.json"), os.path.join(folder, "corpos.txt"), url, user, password


if "cenarios" in groups:
    sim, sim_base = stand_in()
    try:
        replay_file, bodies, url, user, password = scenario_files(sim_base, os.path.join(work, "mil"), 1000)
        replay = lambda: run([cli, "cenario", replay_file, "--url", sim_base])
        loop = lambda: run([os.path.join(bench, "bench_curl_loop"), url, user, password, bodies])
        replay(), loop()
        n = pair_count(10)
        rr, rl = pairs(replay, loop, n)
        ratios = [r[0] / l[0] for r, l in zip(rr, rl)]
        cpu = [r[3] / l[3] for r, l in zip(rr, rl) if r[3] > 0 and l[3] > 0]
        row(f"replay of 1,000 steps (`cenario`), whole process, stand-in as its own process ({n} pairs)",
            f"{med(r[0] for r in rr):.0f} ms, processor {med(r[3] for r in rr):.0f} ms",
            f"libcurl keep-alive loop of the same signed bodies {med(l[0] for l in rl):.0f} ms, "
            f"processor {med(l[3] for l in rl):.0f} ms",
            ratio_text(ratios) + (f" (processor {med(cpu):.2f}×)" if cpu else ""), "≤ 1.2×", med(ratios) <= 1.2)

        # Load: one step, the same request wrk posts; requests/s and processor time per request
        # of the client (and of the stand-in) over the same seconds.
        one_file, one_bodies, url, user, password = scenario_files(sim_base, os.path.join(work, "um"), 1)
        token = base64.b64encode(f"{user}:{password}".encode()).decode()
        seconds = int(os.environ.get("BENCH_LOAD_SECONDS", "5"))
        wrk = shutil.which("wrk")
        if not wrk:
            notes.append("wrk is not installed: load measured without its reference")

        def ours(users):
            before = cpu_of(sim.pid)
            t, _, out, cpu_ms = run([cli, "cenario", one_file, "--url", sim_base, "--usuarios", str(users),
                                     "--duracao", str(seconds), "--json"], stdout=subprocess.PIPE, check=False)
            figures = json.loads(out)
            total = figures["total"]
            our_errors.append(sum(total[k] for k in ("falhas", "semResposta", "statusDeErro", "rejeicoes",
                                                       "diferentes", "capturasFalhas", "naoExecutados")))
            n_req = max(figures["total"]["requisicoes"], 1)
            return figures["requisicoesPorSegundo"], cpu_ms * 1000 / n_req, (cpu_of(sim.pid) - before) * 1000 / n_req

        def theirs(users):
            before = cpu_of(sim.pid)
            # No request is given up on sooner than ours are (wrk's own limit is 2 s).
            t, _, out, cpu_ms = run([wrk, "-t1", f"-c{users}", f"-d{seconds}s", "--timeout", "30s", "-s",
                                     os.path.join(here, "post.lua"), url, "--", one_bodies, token],
                                    stdout=subprocess.PIPE)
            text = out.decode()
            rate = float(re.search(r"Requests/sec:\s+([\d.]+)", text).group(1))
            counts = re.search(r"wrk: (\d+) requests, (\d+) errors", text)
            n_req, errors = int(counts.group(1)), int(counts.group(2))
            wrk_errors.append(errors)
            return rate, cpu_ms * 1000 / max(n_req, 1), (cpu_of(sim.pid) - before) * 1000 / max(n_req, 1)

        for users in (1, 4, 16) if wrk else ():
            wrk_errors, our_errors = [], []
            n = pair_count(3)
            ro, rw = pairs(lambda: ours(users), lambda: theirs(users), n)
            rates = [o[0] / w[0] for o, w in zip(ro, rw)]
            per = [o[1] / w[1] for o, w in zip(ro, rw)]
            row(f"load, {users} user(s), {seconds} s, one signed request, stand-in as its own process ({n} pairs)",
                f"{med(o[0] for o in ro):.0f} req/s, {med(o[1] for o in ro):.0f} µs processor/req "
                f"(stand-in {med(o[2] for o in ro):.0f} µs)" +
                (f", {sum(our_errors)} not answered as recorded" if sum(our_errors) else ""),
                f"`wrk -t1 -c{users}` {med(w[0] for w in rw):.0f} req/s, {med(w[1] for w in rw):.0f} µs processor/req "
                f"(stand-in {med(w[2] for w in rw):.0f} µs)" +
                (f", {sum(wrk_errors)} errors" if sum(wrk_errors) else ""),
                ratio_text(rates) + f" req/s; processor/req {ratio_text(per)}",
                "≥ 0.9× req/s, ≤ 1.5× processor/req", med(rates) >= 0.9 and med(per) <= 1.5)

        # A paced run while the stand-in is stopped for a second: the requests due meanwhile wait,
        # and the percentiles, counted from when each request was due, must show it.
        rate, pace_seconds, users = 200, 6, 4
        proc = subprocess.Popen([cli, "cenario", one_file, "--url", sim_base, "--usuarios", str(users),
                                 "--duracao", str(pace_seconds), "--ritmo", str(rate), "--json"], env=env,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        time.sleep(2)
        os.kill(sim.pid, signal.SIGSTOP)
        time.sleep(1)
        os.kill(sim.pid, signal.SIGCONT)
        out, _ = proc.communicate()
        total = json.loads(out)["total"]
        due = rate * 1  # requests due during the stop
        share = due / (rate * pace_seconds)
        row(f"paced load, {rate} runs/s, {users} users, stand-in stopped 1 s of {pace_seconds} s",
            f"p50 {total['p50']:.1f} ms, p90 {total['p90']:.1f} ms, p99 {total['p99']:.0f} ms, "
            f"max {total['max']:.0f} ms, {total['requisicoes']} requests",
            f"{due} of {rate * pace_seconds} requests ({share:.0%}) were due during the stop: "
            "the true p99 is above 900 ms",
            "—", "p99 ≥ 900 ms", total["p99"] >= 900)
    finally:
        sim.terminate()
        sim.wait()

# --- one signed call over HTTPS, whole processes, beside curl with the same authority file ---
if "https" in groups:
    tls = os.path.join(work, "tls")
    os.makedirs(tls)
    ca, ca_key = os.path.join(tls, "ca.pem"), os.path.join(tls, "ca.key")
    cert, key = os.path.join(tls, "servidor.pem"), os.path.join(tls, "servidor.key")
    ec = ["-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes", "-days", "2"]
    subprocess.run(["openssl", "req", "-x509"] + ec + ["-subj", "/CN=Autoridade de teste", "-keyout", ca_key,
                    "-out", ca], check=True, stderr=subprocess.DEVNULL)
    subprocess.run(["openssl", "req", "-x509", "-CA", ca, "-CAkey", ca_key] + ec +
                   ["-subj", "/CN=localhost", "-addext", "subjectAltName=DNS:localhost,IP:127.0.0.1",
                    "-addext", "basicConstraints=critical,CA:FALSE", "-keyout", key, "-out", cert],
                   check=True, stderr=subprocess.DEVNULL)
    port = free_port()
    standin = subprocess.Popen([os.path.join(build, "tools", "middleware-sim", "middleware-sim"), "--port",
                                str(port), "--tls", cert, key], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        for _ in range(200):
            with socket.socket() as s:
                if s.connect_ex(("127.0.0.1", port)) == 0:
                    break
            time.sleep(0.05)
        base = f"https://127.0.0.1:{port}/datasnap/rest/"
        # Shaped like a real request: a sale's items with accents and numbers, and one long
        # base64 member (a signed XML).
        dados = os.path.join(work, "dados-https.json")
        with open(dados, "w", encoding="utf-8") as f:
            json.dump({"CNPJ": "11222333000181", "Serie": 1, "Itens": [
                {"Codigo": i, "Descricao": f"AÇÚCAR CRISTAL {i} KG", "Quantidade": 2, "Valor": 4.99,
                 "NCM": "17019900", "CFOP": "5102"} for i in range(40)],
                "XML": base64.b64encode(unit.encode() * 60).decode()}, f, ensure_ascii=False)
        envelope = os.path.join(work, "envelope-https.json")
        with open(envelope, "wb") as f:
            f.write(run([cli, "sign", "--id", "1001", dados], stdout=subprocess.PIPE)[2].rstrip(b"\n"))
        call = lambda: run([cli, "call", "--url", base, "--ca", ca, "--id", "1001", "TConexaoAPI/Sobre", dados])
        curl = lambda: run(["curl", "-sf", "-o", "/dev/null", "--cacert", ca, "--http1.1", "-u", "quorva:908070",
                            "-H", "Content-Type: application/json;charset=UTF-8", "-H", "Expect:",
                            "--data-binary", "@" + envelope, base + "TConexaoAPI/Sobre"])
        call(), curl()
        n = pair_count(15)
        rc, rk = pairs(call, curl, n)
        ratios = [c[0] / k[0] for c, k in zip(rc, rk)]
        row(f"`call` over HTTPS, `--ca` ({os.path.getsize(dados) // 1024} KB `Dados`, {n} pairs)",
            f"{med(c[0] for c in rc):.1f} ms, peak {med(c[1] for c in rc) / 1024:.0f} MiB",
            f"`curl --cacert` of the signed bytes {med(k[0] for k in rk):.1f} ms, "
            f"peak {med(k[1] for k in rk) / 1024:.0f} MiB",
            ratio_text(ratios), "≤ 1.3×", med(ratios) <= 1.3)
    finally:
        standin.terminate()
        standin.wait()

# --- the window from its own main to the end of the first paint, beside a bare Qt program ---
probe, bare = os.path.join(bench, "bench_startup_probe"), os.path.join(bench, "bench_bare_window")


def started(cmd, environ):
    spawned = time.monotonic() * 1000
    _, _, out, _ = run(cmd, environ=environ, stdout=subprocess.PIPE)
    fields = dict(line.split() for line in out.decode().splitlines() if line.strip())
    return float(fields["paint"]) - spawned, int(fields["rss"]) / 1024, int(fields.get("tabs_rss", 0)) / 1024


platforms = [("offscreen", env, None)] if "startup" in groups else []
if platforms and shutil.which("Xvfb"):
    # A display of its own, the first free one, which Xvfb reports once it is ready.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    display = ":" + xvfb.stdout.readline().decode().strip()
    platforms.append(("Xvfb", dict(env, QT_QPA_PLATFORM="xcb", DISPLAY=display), xvfb))
elif platforms:
    notes.append("Xvfb is not installed: start-up measured offscreen only.")
for name, environ, xserver in platforms:
    try:
        started([probe], environ), started([bare], environ)
        n = pair_count(15)
        rw, rb = pairs(lambda: started([probe], environ), lambda: started([bare], environ), n)
        ratios = [w[0] / b[0] for w, b in zip(rw, rb)]
        row(f"start-up, own `main` → end of the first paint, {name} ({n} pairs)",
            f"{med(w[0] for w in rw):.0f} ms", f"bare `QMainWindow` program {med(b[0] for b in rb):.0f} ms",
            ratio_text(ratios), "≤ 1.3×", med(ratios) <= 1.3)
        # The same beside a bare window with one line of text: what of the difference any
        # window that shows text pays (fontconfig, the fonts, drawing glyphs).
        rw2, rl = pairs(lambda: started([probe], environ), lambda: started([bare, "--label"], environ), n)
        ratios2 = [w[0] / b[0] for w, b in zip(rw2, rl)]
        row(f"start-up, {name}, beside a bare window with one label ({n} pairs)",
            f"{med(w[0] for w in rw2):.0f} ms", f"bare `QMainWindow` + `QLabel` {med(b[0] for b in rl):.0f} ms",
            ratio_text(ratios2), "—", True)
        if name == "offscreen":
            mw, mb_ = med(w[1] for w in rw), med(b[1] for b in rb)
            row("idle memory at the first paint", f"{mw:.1f} MiB", f"bare window {mb_:.1f} MiB",
                f"{mw / mb_:.2f}×", "≤ 1.4×", mw / mb_ <= 1.4)
            tabs_env = dict(environ, QUORVA_PROBE="tabs")
            rt = [started([probe], tabs_env) for _ in range(3)]
            mt = med(t[2] for t in rt)
            row("idle memory after every tab was shown once", f"{mt:.1f} MiB", f"bare window {mb_:.1f} MiB",
                f"{mt / mb_:.2f}×", "—", True)
    finally:
        if xserver:
            xserver.terminate()
            xserver.wait()

# --- a file answer saved by the window, click → file complete, beside a streaming pipeline ---
for mb, n in ((50, pair_count(10)), (200, pair_count(10))) if "save" in groups else ():
    data = os.path.join(work, "grande.bin")
    with open(data, "wb") as f:
        f.write(os.urandom(mb * MiB))
    answer = os.path.join(work, "answer.json")
    with open(data, "rb") as src, open(answer, "wb") as out:
        out.write(b'{"result":{"controle":{"err":false,"cod":"","msg":""},"conteudo":{"livre":'
                  b'{"Nome":"grande.bin","Base64":"')
        out.write(base64.b64encode(src.read()).replace(b"/", b"\\/"))  # as the middleware writes it
        out.write(b'"}}}}')
    body = os.path.getsize(answer)
    server, base = serve(answer)
    folder = os.path.join(work, "window")
    os.makedirs(folder, exist_ok=True)
    saved = os.path.join(folder, "Arquivos", "grande.bin")
    piped = os.path.join(work, "piped.bin")
    # The file's base64 is the 26th field between quotes; the solidus escapes are dropped first.
    pipeline = ["bash", "-c", f"curl -s {base} | tr -d '\\\\' | cut -d'\"' -f26 | base64 -d > {piped}"]
    try:
        def window():
            t, _, out, _ = run([os.path.join(bench, "bench_save"), base, folder], stdout=subprocess.PIPE)
            if not filecmp.cmp(saved, data, shallow=False):
                raise SystemExit("the window saved different bytes")
            os.remove(saved)
            return tuple(map(float, out.split()))

        def piped_run():
            r = run(pipeline)
            if not filecmp.cmp(piped, data, shallow=False):
                raise SystemExit("the pipeline saved different bytes")
            os.remove(piped)
            return r

        rw, rp = pairs(window, piped_run, n)
    finally:
        server.terminate()
        server.wait()
    ratios = [w[0] / p[0] for w, p in zip(rw, rp)]
    idle = med(w[3] for w in rw) / 1024
    peak = med(w[2] for w in rw) / 1024
    held = med(w[4] for w in rw) / 1024
    bmib = body / MiB
    row(f"{mb} MiB file in a base64 answer ({bmib:.0f} MiB), click → file complete ({n} pairs)",
        f"{med(w[0] for w in rw):.0f} ms",
        f"`curl -s URL \\| tr \\| cut \\| base64 -d > file` {med(p[0] for p in rp):.0f} ms",
        ratio_text(ratios), "≤ 1.3×", med(ratios) <= 1.3)
    row(f"peak memory during the {mb} MiB save",
        f"{peak:.0f} MiB = idle {idle:.0f} + {(peak - idle) / bmib:.2f}× body",
        f"pipeline {med(p[1] for p in rp) / 1024:.0f} MiB (largest process)",
        "—", "≤ idle + 1.5× body", peak <= idle + 1.5 * bmib)
    row(f"memory held 5 s after the {mb} MiB save", f"{held:.0f} MiB = idle + {(held - idle) / bmib:.2f}× body",
        "—", "—", "≤ idle + 1.1× body", held <= idle + 1.1 * bmib)
    # What of it the process holds of its own: the clean pages of the libraries the first
    # exchange loads (the HTTP stack, read from disk, dropped by the system when it needs
    # memory) left out, before and after.
    idle_dirty, held_dirty = med(w[6] for w in rw) / 1024, med(w[7] for w in rw) / 1024
    row(f"memory held 5 s after the {mb} MiB save, without clean library pages",
        f"{held_dirty:.0f} MiB = idle {idle_dirty:.0f} + {(held_dirty - idle_dirty) / bmib:.2f}× body",
        "—", "—", "—", True)
    stalls = [w[1] for w in rw]
    worst = max(rw, key=lambda w: w[1])
    row(f"longest UI-thread stall, click → file complete, {mb} MiB",
        f"median {med(stalls):.0f} ms, worst {worst[1]:.0f} ms ({worst[5]:.0f} ms of it on a processor)",
        "—", "—", "≤ 16 ms", max(stalls) <= 16)
    for path in (data, answer):
        os.remove(path)

# --- a 100 MB answer in the response pane: shown, scrolled, copied, searched, formatted ---
if "pane" in groups:
    p = subprocess.run([os.path.join(build, "bench", "bench_bigpane")], env=env,
                       stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    if p.returncode != 0:
        raise SystemExit(f"bench_bigpane failed ({p.returncode})")
    answer, worst = None, {}
    for line in p.stdout.decode().splitlines():
        if not line.startswith(" "):
            answer = line.split(" (")[0]
            continue
        m = re.match(r"\s+(.+?)\s+longest UI stall\s+(\d+) ms \(\s*(\d+) ms on a processor\).*"
                     r"slowest event delivered: (.*)$", line)
        if m and (answer not in worst or int(m.group(2)) > worst[answer][1]):
            worst[answer] = (m.group(1), int(m.group(2)), int(m.group(3)), m.group(4))
    for answer, (step, ms, cpu_ms, event) in worst.items():
        row(f"longest UI-thread stall, 100 MB {answer} shown, scrolled, copied, searched, formatted",
            f"{ms} ms, in \"{step}\" ({cpu_ms} ms of it on a processor; slowest event delivered: {event})",
            "—", "—", "≤ 16 ms", ms <= 16)

shutil.rmtree(work, ignore_errors=True)

# --- the table, with what it was measured on ---
def text(cmd):
    try:
        return subprocess.run(cmd, check=True, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              cwd=here).stdout.decode().strip()
    except (OSError, subprocess.CalledProcessError):
        return "?"


cpu = next((l.split(":", 1)[1].strip() for l in open("/proc/cpuinfo") if l.startswith("model name")), "?")
memory = next((l.split()[1] for l in open("/proc/meminfo") if l.startswith("MemTotal")), "0")
build_type = next((l.split("=", 1)[1].strip() for l in open(os.path.join(build, "CMakeCache.txt"))
                   if l.startswith("CMAKE_BUILD_TYPE:")), "?")
commit = text(["git", "rev-parse", "--short", "HEAD"])
if text(["git", "status", "--porcelain", "--untracked-files=no"]):
    commit += " (with uncommitted changes)"
header = [
    f"- date: {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC",
    f"- commit: {commit}",
    f"- build: `{os.path.abspath(build)}` ({build_type})",
    f"- machine: {cpu}, {os.cpu_count()} cores, {int(memory) // 1024} MiB, {platform.system()} {platform.release()}",
    f"- load average (1, 5, 15 min): {load_before} before, {load()} after",
    "- ratios: median of the pairs' ratios, [lowest–highest]; each pair run back to back, "
    "alternating which goes first",
    "- peak memory: the largest process's maximum resident set",
] + [f"- {n}" for n in notes]
table = ["| figure | ours | reference | ratio | goal | met |", "|---|---|---|---|---|---|"]
table += ["| " + " | ".join(r) + " |" for r in rows]
print("\n".join(header + [""] + table))
if groups != all_groups:
    # Part of the table would replace the whole one: it is printed only.
    say("bench/RESULTS.md is kept as it was: only some groups of figures were measured")
    sys.exit(0)
with open(os.path.join(here, "RESULTS.md"), "w") as f:
    f.write("# Benchmark results\n\nWritten by `bench/run`; each run replaces it.\n\n")
    f.write("\n".join(header + [""] + table) + "\n")
