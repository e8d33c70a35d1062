#!/usr/bin/env python3
"""Sign-in benchmark of the client.

Runs the built bench program bench/signin_bench of the build RUNS times, each on a clean data folder,
offscreen and under a virtual X display. Each run starts the client, clicks Sign In on the
login window with the demo account of the simulated service and measures the time until
the main window is shown. Prints the median of those times and the peak resident memory.
The simulated service answers after its latency (100 ms by default), which is part of the
figure, as a server's answer would be.

    bench/signin.py [--build build] [--runs 10] [--platforms offscreen,xvfb]
"""
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from startup import cli, measure, report  # noqa: E402


def one_run(program: Path, root: Path, env: dict) -> tuple:
    data = root / "data"
    data.mkdir()
    (data / "application_setting.ini").write_text("[General]\neulaAccepted=true\n")
    run_env = dict(env, TELVARION_DATA_PATH=str(data), TELVARION_REGISTRY_FILE=str(root / "registry.ini"),
                   TMPDIR=str(root), XDG_DATA_HOME=str(root / "share"), XDG_CONFIG_HOME=str(root / "config"))
    result = subprocess.run([str(program)], env=run_env, capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError(f"signin_bench ended with {result.returncode}: {result.stderr.decode(errors='replace')}")
    fields = dict(item.split("=") for item in result.stdout.decode().split())
    return float(fields["signin_ms"]), int(fields["rss_kib"])


def bench(build: Path, runs: int, platform: str):
    bench_program = build / "bench" / "signin_bench"
    if not bench_program.exists():
        sys.exit(f"no bench program at {bench_program}: build the target signin_bench first")
    times, peaks = measure(build, runs, platform, "signin_bench", one_run, extra_files=[bench_program])
    report(platform, runs, "sign-in-click-to-main-window", times, peaks)


if __name__ == "__main__":
    cli(__doc__, bench)
