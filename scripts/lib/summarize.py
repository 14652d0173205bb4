#!/usr/bin/env python3
"""Counts every test case of a scripts/test run and prints "N passed, N failed",
with ", N skipped" and each skipped case by name when any were skipped.

Arguments come in pairs: a CTest JUnit file and the folder where the test
programs wrote their own JUnit files (GoogleTest's --gtest_output, or a
script's). A CTest entry's own file is named after the entry, with every
character outside [A-Za-z0-9._-] turned into "_" (tests/CMakeLists.txt names
them so). A CTest entry with its own file counts its cases; one without
counts as one case. An entry that failed although its cases all passed (a
crash at exit) adds one failure; one that timed out before its program wrote
its file counts as one failure under its own name. An entry CTest did not
run counts as skipped when it was disabled, as failed otherwise (its
program or its fixture was missing).

With "--slowest N" first, it prints the N slowest entries and the N slowest
cases, with their times, before the counts.

"summarize.py --entry NAME STATUS LOG [NAME STATUS LOG ...]" instead prints a
CTest JUnit file of entries that ran outside CTest (such as the check of
scripts/run, or the lint's checks): each passed when its STATUS is 0, else
failed with the text of its LOG.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET


def cases_of(path, skipped):
    passed = failed = 0
    try:
        root = ET.parse(path).getroot()
    except (ET.ParseError, OSError):
        return None
    for case in root.iter("testcase"):
        if case.get("status") == "notrun":
            continue
        skip = case.find("skipped")
        if skip is not None:
            why = skip.get("message") or (skip.text or "").strip()
            skipped.append(f"{os.path.basename(path)}: {case.get('classname')}.{case.get('name')}: {why}")
            continue
        if case.find("failure") is not None or case.find("error") is not None:
            failed += 1
            print(f"FAILED: {os.path.basename(path)}: {case.get('classname')}.{case.get('name')}")
        else:
            passed += 1
    return passed, failed


def result_file(results_dir, entry):
    return os.path.join(results_dir, re.sub(r"[^A-Za-z0-9._-]", "_", entry) + ".xml")


def ctest_status(case):
    """The outcome CTest gave an entry, with its reason when it failed."""
    status = case.get("status")
    failure = case.find("failure")
    if status == "disabled":
        return "skipped", "disabled"
    if status in ("fail", "notrun") or failure is not None:
        why = failure.get("message") if failure is not None else ""
        return "failed", why or ""
    return "passed", ""


def entry_file(entries):
    """A CTest JUnit file of entries run outside CTest: (name, status, log)."""
    root = ET.Element("testsuite", name="scripts", tests=str(len(entries)))
    for name, status, log in entries:
        case = ET.SubElement(root, "testcase", name=name, classname=name, status="run" if status == 0 else "fail")
        if status != 0:
            try:
                text = open(log, encoding="latin-1").read()
            except OSError:
                text = ""
            ET.SubElement(case, "failure", message=f"exit code {status}").text = text
    return ET.tostring(root, encoding="unicode")


def print_slowest(count, pairs):
    entries = []
    cases = []
    for ctest_file, results_dir in pairs:
        try:
            root = ET.parse(ctest_file).getroot()
        except (ET.ParseError, OSError):
            continue
        for case in root.iter("testcase"):
            name = case.get("name")
            entries.append((float(case.get("time") or 0), name))
            try:
                own = ET.parse(result_file(results_dir, name)).getroot()
            except (ET.ParseError, OSError):
                continue
            for inner in own.iter("testcase"):
                cases.append((float(inner.get("time") or 0), f"{inner.get('classname')}.{inner.get('name')}"))
    print(f"The {count} slowest entries:")
    for seconds, name in sorted(entries, reverse=True)[:count]:
        print(f"  {seconds:8.1f} s  {name}")
    print(f"The {count} slowest cases:")
    for seconds, name in sorted(cases, reverse=True)[:count]:
        print(f"  {seconds:8.1f} s  {name}")


def main(argv):
    if argv[:1] == ["--entry"] and len(argv) > 1 and (len(argv) - 1) % 3 == 0:
        rest = argv[1:]
        print(entry_file([(rest[i], int(rest[i + 1]), rest[i + 2]) for i in range(0, len(rest), 3)]))
        return 0
    if argv[:1] == ["--slowest"]:
        print_slowest(int(argv[1]), list(zip(argv[2::2], argv[3::2])))
        argv = argv[2:]
    passed = failed = 0
    skipped = []
    for ctest_file, results_dir in zip(argv[0::2], argv[1::2]):
        try:
            root = ET.parse(ctest_file).getroot()
        except (ET.ParseError, OSError):
            print(f"FAILED: no CTest results in {ctest_file}")
            failed += 1
            continue
        for case in root.iter("testcase"):
            name = case.get("name")
            status, why = ctest_status(case)
            if status == "skipped":
                skipped.append(f"{name}: {why}")
                continue
            own = cases_of(result_file(results_dir, name), skipped)
            if own is None:
                if status == "failed":
                    failed += 1
                    print(f"FAILED: {name}" + (f" ({why})" if why else ""))
                else:
                    passed += 1
                continue
            p, f = own
            passed += p
            failed += f
            if status == "failed" and f == 0:
                failed += 1
                print(f"FAILED: {name} (the program failed outside its test cases)")
    for line in skipped:
        print(f"SKIPPED: {line}")
    tail = f", {len(skipped)} skipped" if skipped else ""
    print(f"{passed} passed, {failed} failed{tail}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
