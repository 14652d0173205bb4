#!/usr/bin/env python3
"""Runs the cases of one Windows test program under Wine as one CTest entry.

Starting a program under Wine costs a second or two, so the cases of a test
program share one process, and a suite's stand-in desktop is started once.
The isolation a process per case gave is kept where it matters:

- every case has its own deadline: a case that overruns is failed under its
  own name, the program is ended, and the cases after it run in a new
  process;
- a case during which the program crashes is failed under its own name, and
  the cases after it run in a new process;
- the program is asked for its cases (--gtest_list_tests), so every case it
  contains is run and counted, whichever source file it comes from.

The outcome of every case, read from GoogleTest's own lines on standard
output, goes into one JUnit file (--results), which scripts/lib/summarize.py
counts. The program's output is passed through for CTest's log.

When CTest has given the entry a lane (the resource "screens", see
scripts/lib/wine_lanes.sh), the program runs on that lane's X screen and in
its Wine prefix, named by ORVX_LANE_<id>_DISPLAY and ORVX_LANE_<id>_PREFIX.

Usage: case_runner.py --emulator WINE --program EXE --results FILE
                      [--case-timeout SECONDS] [--path-prefix Z:]
"""
import argparse
import os
import queue
import re
import signal
import subprocess
import sys
import threading
import time
import xml.etree.ElementTree as ET

RUN = re.compile(r"^\[ RUN      \] (\S+)")
END = re.compile(r"^\[ +(OK|FAILED|SKIPPED) +\] (\S+) \((\d+) ms\)")
# GoogleTest's own exit code when a case failed; anything else that ends the
# program while a case runs is a crash of that case.
GTEST_FAILED_EXIT = 1


class Case:
    def __init__(self, name):
        self.name = name
        self.status = None  # "passed", "failed", "skipped"
        self.seconds = 0.0
        self.output = []
        self.message = ""


def lane_environment():
    """The environment of the program: that of its lane, when it has one."""
    env = dict(os.environ)
    allocation = os.environ.get("CTEST_RESOURCE_GROUP_0_SCREENS")
    if allocation:
        lane = dict(part.split(":", 1) for part in allocation.split(","))["id"]
        env["DISPLAY"] = os.environ[f"ORVX_LANE_{lane}_DISPLAY"]
        env["WINEPREFIX"] = os.environ[f"ORVX_LANE_{lane}_PREFIX"]
        print(f"case_runner: lane {lane} (DISPLAY {env['DISPLAY']}, WINEPREFIX {env['WINEPREFIX']})", flush=True)
    return env


def list_cases(command, env, timeout):
    """The program's cases in the order it runs them, as Suite.Name."""
    listing = subprocess.run(command + ["--gtest_list_tests"], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, timeout=timeout, check=False, env=env)
    text = listing.stdout.decode("latin-1")
    if listing.returncode != 0:
        sys.stdout.write(text)
        raise RuntimeError(f"the program could not list its cases (exit code {listing.returncode})")
    cases = []
    suite = None
    for raw in text.splitlines():
        line = raw.rstrip("\r")
        if not line.strip():
            continue
        body = line.split("#", 1)[0].rstrip()
        if not line.startswith(" "):
            suite = body.strip()
        elif suite is not None:
            cases.append(suite + body.strip())
    return cases


def start_reader(stream, lines):
    def read():
        for raw in iter(stream.readline, b""):
            lines.put(raw.decode("latin-1").rstrip("\r\n"))
        lines.put(None)

    thread = threading.Thread(target=read, daemon=True)
    thread.start()
    return thread


def end_process(process):
    """Ends the program and what it started in its process group."""
    try:
        os.killpg(process.pid, signal.SIGKILL)
    except (ProcessLookupError, PermissionError):
        pass
    try:
        process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        pass


def run_once(command, env, pending, case_timeout):
    """Runs the pending cases in one process until it ends. Returns the
    cases it finished, in order; a case it was inside when the program ended
    or overran is finished as failed."""
    wanted = ":".join(case.name for case in pending)
    process = subprocess.Popen(command + ["--gtest_color=no", f"--gtest_filter={wanted}"],
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                               start_new_session=True, env=env)
    lines = queue.Queue()
    start_reader(process.stdout, lines)
    by_name = {case.name: case for case in pending}
    current = None
    started = time.monotonic()
    last_line = started
    finished = []
    while True:
        deadline = (started if current else last_line) + case_timeout
        try:
            line = lines.get(timeout=max(0.0, deadline - time.monotonic()))
        except queue.Empty:
            end_process(process)
            if current:
                current.status = "failed"
                current.seconds = time.monotonic() - started
                current.message = f"the case ran longer than its deadline of {case_timeout} s: ended"
                print(f"case_runner: {current.name} ran longer than {case_timeout} s; the program was ended",
                      flush=True)
                finished.append(current)
            else:
                print(f"case_runner: the program did nothing for {case_timeout} s outside its cases; ended",
                      flush=True)
            return finished, "hung"
        if line is None:
            break
        print(line, flush=True)
        last_line = time.monotonic()
        match = RUN.match(line)
        if match and match.group(1) in by_name:
            current = by_name[match.group(1)]
            current.output = []
            started = last_line
            continue
        match = END.match(line)
        if match and current and match.group(2) == current.name:
            current.status = {"OK": "passed", "FAILED": "failed", "SKIPPED": "skipped"}[match.group(1)]
            current.seconds = int(match.group(3)) / 1000.0
            if current.status != "passed":
                current.message = "\n".join(current.output).strip()
            finished.append(current)
            current = None
            continue
        if current:
            current.output.append(line)
    process.wait()
    code = process.returncode
    if current:
        current.status = "failed"
        current.seconds = time.monotonic() - started
        current.message = (f"the test program ended during this case (exit code {code})\n" +
                           "\n".join(current.output)).strip()
        print(f"case_runner: the program ended during {current.name} (exit code {code})", flush=True)
        finished.append(current)
        return finished, "crashed"
    if code not in (0, GTEST_FAILED_EXIT):
        return finished, f"ended with exit code {code} outside its cases"
    return finished, None


def write_results(path, program, cases):
    suites = {}
    for case in cases:
        suite, _, name = case.name.rpartition(".")
        suites.setdefault(suite, []).append((name, case))
    root = ET.Element("testsuites", name=program,
                      tests=str(len(cases)),
                      failures=str(sum(c.status == "failed" for c in cases)))
    for suite, members in suites.items():
        element = ET.SubElement(root, "testsuite", name=suite, tests=str(len(members)))
        for name, case in members:
            child = ET.SubElement(element, "testcase", name=name, classname=suite,
                                  time=f"{case.seconds:.3f}", status="run")
            if case.status == "failed":
                ET.SubElement(child, "failure", message=case.message.splitlines()[0] if case.message else "failed"
                              ).text = case.message
            elif case.status == "skipped":
                ET.SubElement(child, "skipped", message=case.message or "skipped")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    ET.ElementTree(root).write(path, encoding="utf-8", xml_declaration=True)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--emulator", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--results", required=True)
    parser.add_argument("--case-timeout", type=float, default=90)
    args = parser.parse_args()

    command = [args.emulator, args.program]
    program = os.path.basename(args.program)
    env = lane_environment()
    try:
        cases = [Case(name) for name in list_cases(command, env, args.case_timeout)]
    except (RuntimeError, subprocess.TimeoutExpired) as error:
        print(f"case_runner: {program}: {error}", flush=True)
        return 1

    pending = [c for c in cases if not c.name.split(".", 1)[1].startswith("DISABLED_")]
    for case in cases:
        if case not in pending:
            case.status, case.message = "skipped", "disabled"
    trouble = []
    while pending:
        finished, problem = run_once(command, env, pending, args.case_timeout)
        if problem and problem not in ("hung", "crashed"):
            trouble.append(problem)
        done = {case.name for case in finished}
        left = [case for case in pending if case.name not in done]
        if not finished and left:
            # Nothing ran: the program cannot get to its cases.
            for case in left:
                case.status = "failed"
                case.message = f"not run: the test program {problem or 'ran none of its cases'}"
            break
        if not problem:
            # The program ran to its end without reporting these: a name its
            # filter could not match.
            for case in left:
                case.status, case.message = "failed", "listed by the test program, but never run"
            break
        pending = left

    write_results(args.results, program, cases)
    for line in trouble:
        print(f"case_runner: {program} {line}", flush=True)
    failed = [case.name for case in cases if case.status == "failed"]
    return 1 if failed or trouble else 0


if __name__ == "__main__":
    sys.exit(main())
