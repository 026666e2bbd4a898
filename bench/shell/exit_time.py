#!/usr/bin/env python3
"""How long the program takes to end, measured as a process.

corvell runs powered on against the emulator; once the link is live it gets SIGTERM, and the
script notes when the emulator hears the power-off line ("H100") and when the process is gone,
both counted from the signal. A second start made right after the signal shows what a user's
quick restart meets: it should wait for the first to end and then come up (its first line on
the wire), not end quietly as a second instance.

    bench/shell/exit_time.py [build-dir ...]

With several build directories (an older tree beside this one, say) the builds take turns in
every run, so a busy machine weighs on all of them alike. Environment:
    RUNS=5        runs of each build
    DISPLAY       when set, corvell runs on that X display; else on the offscreen platform
    RESTART=1     also start a second corvell right after the signal (0: do not)
Load the machine yourself for figures under load (stress-ng, a parallel build). Measured on a
shared 8-core machine, Xvfb with openbox, 3-5 runs each: at load 2-6, SIGTERM to gone 0.17-0.37 s
(was 0.62-1.67 s); under stress-ng --cpu 8 --hdd 4 --io 2, 0.6-1.4 s (was 12-51 s, the power-off
line alone 2.5-11 s late). The rest is the end's one settings write, synced, and the 100 ms the
receiver is given after its power-off line.
"""
import os
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def wait_for(condition, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.005)
    return None


def wire(log_path):
    """The emulator's log: (monotonic seconds, line) per received line."""
    try:
        with open(log_path, encoding="ascii", errors="replace") as f:
            rows = []
            for line in f:
                stamp, _, text = line.strip().partition(" ")
                if stamp.isdigit():
                    rows.append((int(stamp) / 1e6, text))
            return rows
    except FileNotFoundError:
        return []


def first_after(log_path, text, since):
    for stamp, line in wire(log_path):
        if stamp >= since and line == text:
            return stamp
    return None


def one_run(build, restart):
    bindir = os.path.join(build, "bin")
    with tempfile.TemporaryDirectory(prefix="corvell-exit.") as home:
        with open(os.path.join(home, "Corvell.ini"), "w", newline="") as f:
            f.write("[DATA]\r\nCOMPORT=1\r\nCONNECT=1\r\n")
        log = os.path.join(home, "wire.log")
        device = os.path.join(home, "receiver")
        emulator = subprocess.Popen(
            [os.path.join(bindir, "corvell-rx-emulator"), "--link", device, "--log", log],
            stdout=subprocess.DEVNULL)
        env = dict(os.environ, CORVELL_HOME=home, QUILLON_COM1=device)
        env["QT_QPA_PLATFORM"] = "xcb" if os.environ.get("DISPLAY") else "offscreen"
        programs = []
        try:
            if not wait_for(lambda: os.path.exists(device), 5):
                raise RuntimeError("the emulator made no device")

            def start():
                p = subprocess.Popen([os.path.join(bindir, "corvell")], env=env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                programs.append(p)
                return p

            first = start()
            if not wait_for(lambda: first_after(log, "G301", 0), 20):
                raise RuntimeError("corvell did not come up")
            time.sleep(1.0)  # the link settles, the panels are drawn
            signalled = time.monotonic()
            first.send_signal(signal.SIGTERM)
            second = start() if restart else None
            first.wait(120)
            gone = time.monotonic()
            off = first_after(log, "H100", signalled)
            row = {"off": (off - signalled) if off else float("nan"), "gone": gone - signalled}
            if second is not None:
                # The restart counts as kept when it switches the receiver on again.
                up = wait_for(lambda: first_after(log, "H101", signalled) or second.poll() is not None,
                              20)
                ended = second.poll() is not None
                row["restart"] = "ended quietly" if ended or up is True else "came up"
            return row
        finally:
            for p in programs:
                if p.poll() is None:
                    p.send_signal(signal.SIGTERM)
                    try:
                        p.wait(20)
                    except subprocess.TimeoutExpired:
                        p.kill()
            emulator.terminate()
            emulator.wait(10)


def main():
    builds = sys.argv[1:] or ["build"]
    runs = int(os.environ.get("RUNS", "5"))
    restart = os.environ.get("RESTART", "1") != "0"
    results = {b: [] for b in builds}
    for run in range(1, runs + 1):
        for build in builds:
            row = one_run(build, restart)
            results[build].append(row)
            print(f"run {run}, {build}: power-off line {row['off']:.3f} s, "
                  f"gone {row['gone']:.3f} s" + (f", restart {row['restart']}" if restart else ""),
                  file=sys.stderr)
    print("\n| build | SIGTERM to power-off line, s (min / median / max) "
          "| SIGTERM to process gone, s (min / median / max) | quick restart came up |")
    print("|---|---|---|---|")
    for build, rows in results.items():
        def span(key):
            values = sorted(r[key] for r in rows)
            return f"{values[0]:.2f} / {statistics.median(values):.2f} / {values[-1]:.2f}"
        kept = sum(1 for r in rows if r.get("restart") == "came up")
        print(f"| {build} | {span('off')} | {span('gone')} | "
              + (f"{kept} of {len(rows)} |" if restart else "- |"))


if __name__ == "__main__":
    main()
