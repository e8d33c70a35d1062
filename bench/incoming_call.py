#!/usr/bin/env python3
"""Incoming-call and idle benchmark of the client.

Runs the built bench program bench/incoming_call_bench of the build on a clean data folder,
offscreen: it signs in the demo user, then times 20 incoming calls from the engine's report of
the call to the pop-up being shown (goal: median at most 50 ms), and then leaves the signed-in
client alone for IDLE seconds, measuring the CPU it uses (goal: 0 %) and the timer events
delivered meanwhile (goal: none). With --burst CALLS, CALLS incoming calls then arrive at once:
the longest stall of the client's event loop (goal: at most 200 ms), the most threads, and how
many calls still ring (the rest are declined as busy).

    bench/incoming_call.py [--build build] [--runs 1] [--platforms offscreen] [--idle 60] [--burst 200]
"""
import subprocess
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from startup import cli, measure, returning_user  # noqa: E402


def runner(idle, burst):
    def one_run(program: Path, root: Path, env: dict, arguments=()) -> tuple:
        _, run_env = returning_user(root, env)
        result = subprocess.run([str(program), str(idle), str(burst), *arguments], env=run_env, capture_output=True,
                                timeout=idle + 300)
        if result.returncode != 0:
            raise RuntimeError(f"incoming_call_bench ended with {result.returncode}: "
                               f"{result.stderr.decode(errors='replace')}")
        print(result.stdout.decode().strip())
        fields = dict(item.split("=", 1) for item in result.stdout.decode().split())
        return float(fields["popup_median_ms"]), 0
    return one_run


def bench(build: Path, runs: int, platform: str, args):
    program = build / "bench" / "incoming_call_bench"
    if not program.exists():
        sys.exit(f"no bench program at {program}: build the target incoming_call_bench first")
    times, _ = measure(build, runs, platform, "incoming_call_bench", runner(args.idle, args.burst), extra_files=[program])
    print(f"{platform}: incoming call to pop-up, median of 20 per run: {', '.join(f'{t:.1f} ms' for t in times)}")


def add_arguments(parser):
    parser.add_argument("--idle", type=int, default=60, help="seconds the signed-in client is left alone")
    parser.add_argument("--burst", type=int, default=0, help="incoming calls at once after the idle part")


if __name__ == "__main__":
    cli(__doc__, bench, add_arguments)
