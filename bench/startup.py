#!/usr/bin/env python3
"""Start-up benchmark of the client.

Starts the built program RUNS times, each on a clean data folder, offscreen and under a
virtual X display, and prints the median time from process start until the login window
is shown (the start-up sequence logs its completion right after showing it), the peak
resident memory of the program at that point and the processor time it took until then.

    bench/startup.py [--build build] [--runs 10] [--platforms offscreen,xvfb-software,xvfb-opengl]

Platforms: offscreen (no OpenGL: scenes draw in software), xvfb (the program chooses its
scene-graph backend), xvfb-software and xvfb-opengl (the backend forced).

The program folder is copied first, so the build's own folder is never changed. Logging
is switched on in each data folder, since the completion line is what is waited for.
"""
import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

PROGRAM_FILES = ["Telvarion", "application_name.txt", "config_demo.xml", "settings", "themes", "translations", "help"]
DONE = b"Application initialization is complete"
TIMEOUT = 60.0


def copy_program(build: Path, to: Path):
    source = build / "bin"
    to.mkdir(parents=True)
    for name in PROGRAM_FILES:
        item = source / name
        if item.is_dir():
            shutil.copytree(item, to / name)
        elif item.exists():
            shutil.copy2(item, to / name)
    # A start from the build's own folder moves the shipped UI settings away; take the sources'.
    shutil.copytree(Path(__file__).resolve().parent.parent / "program" / "settings", to / "settings",
                    dirs_exist_ok=True)
    if not (to / "Telvarion").exists():
        sys.exit(f"no program at {source / 'Telvarion'}: build it first")


def logged_done(data: Path) -> bool:
    for log in (data / "logs").glob("**/*.log"):
        try:
            if DONE in log.read_bytes():
                return True
        except OSError:
            pass
    return False


def status_field(pid: int, field: str) -> int:
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(field + ":"):
                return int(line.split()[1])
    return 0


def peak_rss_kib(pid: int) -> int:
    return status_field(pid, "VmHWM")


THREADS = []
CPU_MS = []


def cpu_ms(pid: int) -> float:
    """The processor time all the process's threads have had so far, in ms: on a shared
    machine it varies far less than the wall time from run to run."""
    total = 0
    for task in Path(f"/proc/{pid}/task").iterdir():
        try:
            total += int((task / "schedstat").read_text().split()[0])
        except (OSError, ValueError, IndexError):
            pass
    return total / 1e6


def returning_user(root: Path, env: dict, settings: str = "") -> tuple:
    """A data folder under `root` of a returning user, who accepted the end-user agreement
    before (the login window shows), with `settings` lines added; returns the folder and the
    environment that points the program's folders under `root`."""
    data = root / "data"
    data.mkdir()
    (data / "application_setting.ini").write_text("[General]\neulaAccepted=true\n" + settings)
    run_env = dict(env, TELVARION_DATA_PATH=str(data), TELVARION_REGISTRY_FILE=str(root / "registry.ini"),
                   TMPDIR=str(root), XDG_DATA_HOME=str(root / "share"), XDG_CONFIG_HOME=str(root / "config"))
    return data, run_env


def one_run(program: Path, root: Path, env: dict, arguments=()) -> tuple:
    data, run_env = returning_user(root, env, "[settings]\nloggingenabled=true\n")
    started = time.perf_counter()
    process = subprocess.Popen([str(program), *arguments], env=run_env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        while not logged_done(data):
            if process.poll() is not None:
                raise RuntimeError(f"the program ended with {process.returncode} before its window showed")
            if time.perf_counter() - started > TIMEOUT:
                raise RuntimeError("the login window did not show in time")
            time.sleep(0.002)
        elapsed = time.perf_counter() - started
        THREADS.append(status_field(process.pid, "Threads"))
        CPU_MS.append(cpu_ms(process.pid))
        return elapsed, peak_rss_kib(process.pid)
    finally:
        process.send_signal(signal.SIGKILL)
        process.wait()


def start_xvfb():
    for display in range(90, 120):
        if not Path(f"/tmp/.X11-unix/X{display}").exists():
            break
    server = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 10
    while not Path(f"/tmp/.X11-unix/X{display}").exists():
        if time.time() > deadline or server.poll() is not None:
            raise RuntimeError("Xvfb did not start")
        time.sleep(0.05)
    return server, f":{display}"


def measure(build: Path, runs: int, platform: str, program: str, run_once, extra_files=()) -> tuple:
    """Runs `run_once(program, root, env)` on a fresh copy of the program folder, `runs` times,
    offscreen or under Xvfb; returns the elapsed times and the peak resident sizes."""
    env = dict(os.environ)
    env.pop("QT_QUICK_BACKEND", None)
    arguments = []
    server = None
    if platform == "offscreen":
        # Offscreen has no OpenGL: the scenes draw in software there.
        env["QT_QPA_PLATFORM"] = "offscreen"
        env["QT_QUICK_BACKEND"] = "software"
    else:
        server, display = start_xvfb()
        env["QT_QPA_PLATFORM"] = "xcb"
        env["DISPLAY"] = display
        backend = platform.partition("-")[2]
        if backend:
            arguments.append(f"--scene-graph={backend}")
    times, peaks = [], []
    try:
        with tempfile.TemporaryDirectory() as folder:
            program_folder = Path(folder) / "program"
            copy_program(build, program_folder)
            for extra in extra_files:
                target = program_folder / extra.name
                target.write_bytes(extra.read_bytes())
                target.chmod(0o755)
            for run in range(runs):
                root = Path(folder) / f"run{run}"
                root.mkdir()
                elapsed, peak = run_once(program_folder / program, root, env, *([arguments] if arguments else []))
                times.append(elapsed)
                peaks.append(peak)
    finally:
        if server:
            server.terminate()
            server.wait()
    return times, peaks


def report(platform: str, runs: int, what: str, times_ms: list, peaks: list):
    print(f"{platform:13s} runs={runs} median {what}={statistics.median(times_ms):.0f} ms "
          f"(min {min(times_ms):.0f}, max {max(times_ms):.0f}) "
          f"peak RSS median={statistics.median(peaks) / 1024:.1f} MiB (max {max(peaks) / 1024:.1f})"
          + (f" threads median={statistics.median(THREADS):.0f}" if THREADS else "")
          + (f" CPU median={statistics.median(CPU_MS):.0f} ms" if CPU_MS else ""))
    THREADS.clear()
    CPU_MS.clear()


def cli(description: str, bench, add_arguments=None):
    """Parses the common options (and those that `add_arguments(parser)` adds) and runs
    `bench(build, runs, platform, args)` once per platform."""
    parser = argparse.ArgumentParser(description=description, formatter_class=argparse.RawDescriptionHelpFormatter)
    root = Path(__file__).resolve().parent.parent
    parser.add_argument("--build", type=Path, default=Path(os.environ.get("TELVARION_BUILD_DIR", root / "build")))
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--platforms", default="offscreen,xvfb-software,xvfb-opengl")
    if add_arguments:
        add_arguments(parser)
    args = parser.parse_args()
    for platform in args.platforms.split(","):
        bench(args.build, args.runs, platform, args)


def bench(build: Path, runs: int, platform: str, args):
    times, peaks = measure(build, runs, platform, "Telvarion", one_run)
    report(platform, runs, "start-to-login-window", [t * 1000 for t in times], peaks)


if __name__ == "__main__":
    cli(__doc__, bench)
