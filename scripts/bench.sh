#!/usr/bin/env bash
# Every benchmark beside its peer, in one run, as one table of medians and
# ratios against the goals (also written as JSON):
#
#   scripts/bench.sh [--short] [--json FILE]
#
# - core (velmar_bench): image load and save beside fread+memcpy and
#   cp+fsync, the workbook read and write;
# - editor (velmar_gui_bench, offscreen): start-up as a process, a 60,000-row
#   workbook imported and painted, clicks one by one with their growth
#   exponent from 250 to 60,000 rows;
# - link (velmar_link_bench): our send and receive beside sb -> rb, and on a
#   line paced to 115,200 baud beside that line's limit for the image;
# - whole processes, each run alternately with its peer: `velmar-cli dump-xls`
#   beside LibreOffice converting the same workbook to CSV (5,000 and 60,000
#   rows), `velmar-cli save` beside cp + sync of the file and its folder,
#   `velmar --quit-after-first-paint` beside a bare Qt window with one filled
#   table (time to the first paint and resident memory).
#
# A peer that is not installed (soffice, sb/rb/socat) leaves its rows out and
# says so. --short (CI) runs each measure once or twice and the clicks up to
# 4,000 rows: the table shows the run, not the machine's best. Timings are
# never a failure; a benchmark that crashes is.
set -euo pipefail
cd "$(dirname "$0")/.."

short=0
json=""
while (($# > 0)); do
    case $1 in
    --short) short=1 ;;
    --json)
        json=$2
        shift
        ;;
    *)
        echo "usage: scripts/bench.sh [--short] [--json FILE]" >&2
        exit 2
        ;;
    esac
    shift
done

build=${BUILD:-build/release}
cmake --build "$build" --target velmar_bench velmar_gui_bench velmar_link_bench \
    velmar_bare_window velmar-cli velmar >/dev/null

exec python3 - "$build" "$short" "$json" <<'PY'
import json, os, shutil, statistics, subprocess, sys, tempfile, time

build, short, json_out = sys.argv[1], sys.argv[2] == "1", sys.argv[3]
bench = os.path.join(build, "bench")
reps = 1 if short else 5
work = tempfile.mkdtemp(prefix="velmar-bench-")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen", TMPDIR=work)
notes = []


def run_benchmark(program, pattern, extra=()):
    """Runs a Google Benchmark program; its results by name (the median
    aggregate where there are repetitions)."""
    out = os.path.join(work, os.path.basename(program) + ".json")
    args = [os.path.join(bench, program), "--benchmark_filter=" + pattern,
            "--benchmark_out=" + out, "--benchmark_out_format=json",
            "--benchmark_format=console", *extra]
    print("==", " ".join(args[1:2] + list(extra)), file=sys.stderr)
    result = subprocess.run(args, env=env, stdout=sys.stderr)
    if result.returncode != 0:
        sys.exit(f"{program} failed with status {result.returncode}")
    found = {}
    for b in json.load(open(out))["benchmarks"]:
        if b.get("error_occurred"):
            notes.append(f"{b['name']}: {b.get('error_message', 'skipped')}")
            continue
        name = b.get("run_name", b["name"])
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        found[name] = b
    return found


def timed(command, until_line=None, stdout=subprocess.DEVNULL):
    """Seconds from start to the end of `command` (or to its first output
    line `until_line`), and its peak resident memory in MiB."""
    start = time.perf_counter()
    if until_line:
        p = subprocess.Popen(command, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        line = p.stdout.readline().decode().strip()
        took = time.perf_counter() - start
        if line != until_line:
            sys.exit(f"{command[0]} printed {line!r}, not {until_line!r}")
        p.stdout.close()
    else:
        p = subprocess.Popen(command, env=env, stdout=stdout, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(p.pid, 0)
    if not until_line:
        took = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(command)} failed")
    return took, usage.ru_maxrss / 1024


def alternately(ours, peer, times):
    """Medians of `ours` and `peer`, each run `times` times in turn."""
    a, b = [], []
    for _ in range(times):
        a.append(ours())
        b.append(peer())
    med = lambda xs, i: statistics.median(x[i] for x in xs)
    return (med(a, 0), med(a, 1)), (med(b, 0), med(b, 1))


rows = []


def row(measure, ours, unit, peer=None, ratio=None, goal="", met=None):
    rows.append({"measure": measure, "ours": ours, "unit": unit, "peer": peer,
                 "ratio": ratio, "goal": goal, "met": met})


ms = lambda b: b["real_time"] * {"ns": 1e-6, "us": 1e-3, "ms": 1, "s": 1e3}[b["time_unit"]]

# ---- core ----------------------------------------------------------------------------
extra = ["--benchmark_repetitions=%d" % reps, "--benchmark_report_aggregates_only=true"]
if short:
    extra.append("--benchmark_min_time=0.05")
core = run_benchmark("velmar_bench", "startup_4608|BM_ReadLibreOffice|BM_Write60000|BM_Read60000",
                     extra)
gb = lambda b: b["bytes_per_second"] / 1e9
load, copy = core.get("BM_LoadBytes/startup_4608_channels"), core.get(
    "BM_ReadAndCopyReference/startup_4608_channels")
if load and copy:
    row("Load the 4,608-channel image (in process)", gb(load), "GB/s", gb(copy),
        gb(load) / gb(copy), ">= 2 GB/s", gb(load) >= 2)
save = core.get("BM_SaveBytes/startup_4608_channels")
if save:
    row("Save it, patch in memory (in process)", gb(save), "GB/s", None, None, ">= 2 GB/s",
        gb(save) >= 2)
save_file, cp = core.get("BM_Save/startup_4608_channels"), core.get(
    "BM_CopyFsyncReference/startup_4608_channels")
if save_file and cp:
    row("Save to a file (in process) / cp + fsync", ms(save_file), "ms", ms(cp),
        ms(save_file) / ms(cp), "<= 2x", ms(save_file) <= 2 * ms(cp))
for n in (5000, 60000):
    b = core.get(f"BM_ReadLibreOffice/{n}")
    if b:
        row(f"Read a {n:,}-row LibreOffice workbook (in process)", ms(b), "ms",
            goal="<= 100 ms" if n == 60000 else "", met=ms(b) <= 100 if n == 60000 else None)
write = core.get("BM_Write60000")
if write:
    row("Write a 60,000-row workbook (in process)", ms(write), "ms", goal="<= 100 ms",
        met=ms(write) <= 100)

# ---- editor --------------------------------------------------------------------------
sizes = "(250|1000|4000)" if short else "(250|1000|4000|16000|60000)"
gui = run_benchmark("velmar_gui_bench", "BM_ImportAndPaint/60000",
                    ["--benchmark_repetitions=%d" % (1 if short else 5)])
# One run of each length: the exponent is fitted over the lengths of the run.
gui.update(run_benchmark(
    "velmar_gui_bench",
    f"BM_(CtrlClickScattered|ClickRows|CtrlClickRows|ShiftClickRows)/{sizes}/"))
imp = next((b for n, b in gui.items() if n.startswith("BM_ImportAndPaint/60000")), None)
if imp:
    row("Import a 60,000-row workbook and paint", ms(imp), "ms", goal="<= 250 ms",
        met=ms(imp) <= 250)
for kind in ("ClickRows", "CtrlClickRows", "ShiftClickRows", "CtrlClickScattered"):
    runs = sorted(((int(n.split("/")[1]), b) for n, b in gui.items()
                   if n.startswith(f"BM_{kind}/")), key=lambda x: x[0])
    if len(runs) < 2:
        continue
    largest, b = runs[-1]
    row(f"{kind}: growth 250 -> {largest:,} rows", b["exponent"], "exponent", goal="<= 1.1",
        met=b["exponent"] <= 1.1)
    row(f"{kind}: one click at {largest:,} rows", b["us_per_click"], "us",
        goal="< 1000 us" if largest >= 60000 else "",
        met=b["us_per_click"] < 1000 if largest >= 60000 else None)

# ---- link ----------------------------------------------------------------------------
# The paced line takes half a minute a transfer: left out of the short form.
link = run_benchmark("velmar_link_bench", "BM_Link/.*Tcp" if short else ".")
for name, b in sorted(link.items()):
    what = name.split("/")[1]  # ReceiveTcp, SendPty, ... or Send, Receive on the paced line
    if name.startswith("BM_PacedLink/"):
        took = b["ratio_med"] * b["line_limit_s"]
        row(f"Link {what.lower()}, 115,200 baud: ours vs the line's limit", took, "s",
            b["line_limit_s"], b["ratio_med"], "<= 1.05x", b["ratio_med"] <= 1.05)
        row(f"Link {what.lower()}, 115,200 baud: sb -> rb on the same line", b["lrzsz_s"], "s")
        if "ours_to_ours_s" in b:
            t = b["ours_to_ours_s"]
            row("Link, 115,200 baud: our send to our receive vs the limit", t, "s",
                b["line_limit_s"], t / b["line_limit_s"], "<= 1.05x", t <= 1.05 * b["line_limit_s"])
        continue
    row(f"Link {what[:-3].lower()} over {what[-3:].upper()}, 311 KB: ours vs sb -> rb",
        b["ours_med_s"], "s", b["lrzsz_med_s"], b["ratio_med"], "", None)
if short:
    notes.append("the link on a line paced to 115,200 baud runs in the full form only")

# ---- whole processes, each beside its peer -------------------------------------------
cli = os.path.join(build, "cli", "velmar-cli")
times = 2 if short else 5
soffice = shutil.which("soffice")
for n in (5000, 60000):
    book = os.path.join(bench, f"libreoffice-{n}.xls")
    if not soffice or not os.path.exists(book):
        notes.append(f"dump-xls {n:,} rows: soffice or its workbook is missing")
        continue
    profile = "-env:UserInstallation=file://" + os.path.join(work, "lo-profile")
    lo = [soffice, profile, "--headless", "--convert-to", "csv", "--outdir", work, book]
    timed(lo)  # LibreOffice's first start sets its profile up
    dump = os.path.join(work, "dump.json")

    def ours():
        with open(dump, "wb") as f:
            return timed([cli, "dump-xls", book], stdout=f)

    (t, rss), (peer, _) = alternately(ours, lambda: timed(lo), times)
    row(f"dump-xls {n:,} rows (process) vs LibreOffice convert", t, "s", peer, peer / t,
        ">= 20x faster", peer / t >= 20)
    limit = 2 * os.path.getsize(book) / 2**20 + 20
    row(f"dump-xls {n:,} rows: peak memory", rss, "MiB", None, None, f"<= {limit:.0f} MiB",
        rss <= limit)

image = os.path.join("examples", "demo-satellite.bin")
out_a, out_b = os.path.join(work, "saved.bin"), os.path.join(work, "copied.bin")


def cp_sync():
    a = timed(["cp", image, out_b])
    b = timed(["sync", out_b, work])
    return a[0] + b[0], max(a[1], b[1])


(t, _), (peer, _) = alternately(lambda: timed([cli, "save", image, out_a]), cp_sync, times)
row("velmar-cli save (process) vs cp + sync", t * 1e3, "ms", peer * 1e3, t / peer, "<= 2x",
    t <= 2 * peer)

editor = os.path.join(build, "app", "velmar")
bare = os.path.join(bench, "velmar_bare_window")
paint = lambda command: timed(command, until_line="first paint")
(t, rss), (peer, peer_rss) = alternately(
    lambda: paint([editor, "--open", image, "--quit-after-first-paint"]),
    lambda: paint([bare]), 3 if short else 9)
row("Start to first paint vs a bare window", t * 1e3, "ms", peer * 1e3, t / peer, "<= 2x",
    t <= 2 * peer)
row("Start to first paint: resident memory", rss, "MiB", peer_rss, rss / peer_rss, "<= 1.3x",
    rss <= 1.3 * peer_rss)

# ---- the table -----------------------------------------------------------------------
fmt = lambda v: "" if v is None else (f"{v:,.3g}" if abs(v) < 100 else f"{v:,.0f}")
print("\n%-58s %10s %-8s %10s %8s  %-14s %s" % ("measure", "ours", "unit", "peer", "ratio",
                                                 "goal", ""))
for r in rows:
    mark = "" if r["met"] is None else ("met" if r["met"] else "NOT MET")
    print("%-58s %10s %-8s %10s %8s  %-14s %s" % (r["measure"], fmt(r["ours"]), r["unit"],
                                                   fmt(r["peer"]), fmt(r["ratio"]), r["goal"],
                                                   mark))
for n in notes:
    print("note:", n)
if json_out:
    with open(json_out, "w") as f:
        json.dump({"short": short, "rows": rows, "notes": notes}, f, indent=1)
shutil.rmtree(work, ignore_errors=True)
PY
