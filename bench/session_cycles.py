#!/usr/bin/env python3
"""Memory over many sessions.

Runs the built bench program bench/session_cycles_bench of the build once per platform on a
clean data folder: it signs in and out CYCLES times on the simulated service and prints the
resident memory after five warm-up cycles and after the last, and the growth per cycle.

    bench/session_cycles.py [--build build] [--cycles 100] [--platforms offscreen,xvfb]
"""
import argparse
import os
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from startup import copy_program, start_xvfb  # noqa: E402


def run(build: Path, cycles: int, platform: str):
    bench_program = build / "bench" / "session_cycles_bench"
    if not bench_program.exists():
        sys.exit(f"no bench program at {bench_program}: build the target session_cycles_bench first")
    env = dict(os.environ)
    server = None
    if platform == "offscreen":
        env.update(QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software")
    else:
        server, display = start_xvfb()
        env.update(QT_QPA_PLATFORM="xcb", DISPLAY=display)
    try:
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            program = root / "program"
            copy_program(build, program)
            target = program / bench_program.name
            target.write_bytes(bench_program.read_bytes())
            target.chmod(0o755)
            data = root / "data"
            data.mkdir()
            # A returning user: the end-user agreement was accepted before.
            (data / "application_setting.ini").write_text("[General]\neulaAccepted=true\n")
            env.update(TELVARION_DATA_PATH=str(data), TELVARION_REGISTRY_FILE=str(root / "registry.ini"),
                       TMPDIR=str(root), XDG_DATA_HOME=str(root / "share"), XDG_CONFIG_HOME=str(root / "config"),
                       TELVARION_API_SOCKET=str(root / "api"))
            result = subprocess.run([str(target), str(cycles)], env=env, capture_output=True, timeout=900)
            if result.returncode != 0:
                sys.exit(f"session_cycles_bench ended with {result.returncode}: {result.stderr.decode(errors='replace')}")
            print(f"{platform:9s} {result.stdout.decode().strip()}")
    finally:
        if server:
            server.terminate()
            server.wait()


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build", type=Path,
                        default=Path(os.environ.get("TELVARION_BUILD_DIR", Path(__file__).resolve().parent.parent / "build")))
    parser.add_argument("--cycles", type=int, default=100)
    parser.add_argument("--platforms", default="offscreen,xvfb")
    args = parser.parse_args()
    for platform in args.platforms.split(","):
        run(args.build, args.cycles, platform)
