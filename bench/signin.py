#!/usr/bin/env python3
"""Sign-in benchmark of the client.

Runs the built bench program bench/signin_bench of the build RUNS times per account, each on a
clean data folder, offscreen and under a virtual X display. Each run starts the client, clicks
Sign In on the login window and measures the time until the main window is shown ("Sign In to
main window"). Prints the median of those times and the peak resident memory, per account:
the demo account of the simulated service, and accounts of N contacts written by the build's
tools/kivo_account_generator (with HISTORY calls in their call logs) and loaded through
TELVARION_ACCOUNT_FILE. The simulated service
answers after its latency (100 ms by default), which is part of the figure, as a server's answer
would be.

    bench/signin.py [--build build] [--runs 10] [--platforms offscreen,xvfb-software,xvfb-opengl]
                    [--contacts 50,5000] [--history 10000]
"""
import subprocess
import sys
import tempfile
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
from startup import cli, measure, report, returning_user  # noqa: E402

DEMO = ("alice@demo.telvarion.net", "Demo-1234")
GENERATED = ("bench@large.telvarion.net", "Bench-1234")


def runner(account_file, credentials):
    def one_run(program: Path, root: Path, env: dict, arguments=()) -> tuple:
        _, run_env = returning_user(root, env)
        run_env.pop("TELVARION_ACCOUNT_FILE", None)
        if account_file:
            run_env["TELVARION_ACCOUNT_FILE"] = str(account_file)
        result = subprocess.run([str(program), *credentials, *arguments], env=run_env, capture_output=True,
                                timeout=120)
        if result.returncode != 0:
            raise RuntimeError(f"signin_bench ended with {result.returncode}: {result.stderr.decode(errors='replace')}")
        fields = dict(item.split("=") for item in result.stdout.decode().split())
        return float(fields["signin_ms"]), int(fields["rss_kib"])
    return one_run


def generate(build: Path, contacts: int, history: int, folder: Path) -> Path:
    generator = build / "tools" / "kivo_account_generator"
    if not generator.exists():
        sys.exit(f"no generator at {generator}: build the target kivo_account_generator first")
    account = folder / f"account_{contacts}.json"
    subprocess.run([str(generator), "--contacts", str(contacts), "--calls", str(history), "--user", GENERATED[0],
                    "--password", GENERATED[1], str(account)], check=True)
    return account


def bench(build: Path, runs: int, platform: str, args):
    bench_program = build / "bench" / "signin_bench"
    if not bench_program.exists():
        sys.exit(f"no bench program at {bench_program}: build the target signin_bench first")
    with tempfile.TemporaryDirectory() as folder:
        accounts = [("demo account", None, DEMO)]
        for contacts in (int(n) for n in args.contacts.split(",") if n):
            accounts.append((f"{contacts} contacts, {args.history} history entries",
                             generate(build, contacts, args.history, Path(folder)), GENERATED))
        for name, account_file, credentials in accounts:
            times, peaks = measure(build, runs, platform, "signin_bench", runner(account_file, credentials),
                                   extra_files=[bench_program])
            report(platform, runs, f"Sign In to main window ({name})", times, peaks)


def add_arguments(parser):
    parser.add_argument("--contacts", default="50,5000",
                        help="contact counts of the generated accounts, separated by commas")
    parser.add_argument("--history", type=int, default=10000,
                        help="calls in the call log of each generated account")


if __name__ == "__main__":
    cli(__doc__, bench, add_arguments)
