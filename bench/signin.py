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
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from startup import copy_program, start_xvfb  # noqa: E402


def one_run(program: Path, root: Path, env: dict) -> tuple:
    data = root / "data"
    data.mkdir()
    run_env = dict(env, TELVARION_DATA_PATH=str(data), TELVARION_REGISTRY_FILE=str(root / "registry.ini"),
                   TMPDIR=str(root), XDG_DATA_HOME=str(root / "share"), XDG_CONFIG_HOME=str(root / "config"))
    result = subprocess.run([str(program)], env=run_env, capture_output=True, timeout=60)
    if result.returncode != 0:
        raise RuntimeError(f"signin_bench ended with {result.returncode}: {result.stderr.decode(errors='replace')}")
    fields = dict(item.split("=") for item in result.stdout.decode().split())
    return float(fields["signin_ms"]), int(fields["rss_kib"])


def bench(build: Path, runs: int, platform: str):
    env = dict(os.environ)
    server = None
    if platform == "offscreen":
        env["QT_QPA_PLATFORM"] = "offscreen"
        env["QT_QUICK_BACKEND"] = "software"
    else:
        server, display = start_xvfb()
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DISPLAY"] = display
    times, peaks = [], []
    try:
        with tempfile.TemporaryDirectory() as folder:
            program_folder = Path(folder) / "program"
            copy_program(build, program_folder)
            bench_program = build / "bench" / "signin_bench"
            if not bench_program.exists():
                sys.exit(f"no bench program at {bench_program}: build the target signin_bench first")
            (program_folder / "signin_bench").write_bytes(bench_program.read_bytes())
            (program_folder / "signin_bench").chmod(0o755)
            for run in range(runs):
                root = Path(folder) / f"run{run}"
                root.mkdir()
                elapsed, peak = one_run(program_folder / "signin_bench", root, env)
                times.append(elapsed)
                peaks.append(peak)
    finally:
        if server:
            server.terminate()
            server.wait()
    print(f"{platform:9s} runs={runs} median sign-in-click-to-main-window={statistics.median(times):.0f} ms "
          f"(min {min(times):.0f}, max {max(times):.0f}) "
          f"peak RSS median={statistics.median(peaks) / 1024:.1f} MiB (max {max(peaks) / 1024:.1f})")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    root = Path(__file__).resolve().parent.parent
    parser.add_argument("--build", type=Path, default=Path(os.environ.get("TELVARION_BUILD_DIR", root / "build")))
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--platforms", default="offscreen,xvfb")
    args = parser.parse_args()
    for platform in args.platforms.split(","):
        bench(args.build, args.runs, platform)


if __name__ == "__main__":
    main()
