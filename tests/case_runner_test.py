#!/usr/bin/env python3
"""Tests of case_runner.py against a stand-in for a GoogleTest program.

The stand-in is this file started with --fake: it lists the cases named in
FAKE_CASES and runs them as GoogleTest would print them, each behaving as
its name says: "pass", "fail", "skip", "hang" (never ends), "crash" (the
process dies in it) or "hangonce"/"crashonce" (only in the first process;
FAKE_STATE marks that it happened).
"""
import os
import subprocess
import sys
import tempfile
import time
import unittest
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
RUNNER = os.path.join(HERE, "case_runner.py")


def fake_program(argv):
    cases = os.environ["FAKE_CASES"].split(",")
    if "--gtest_list_tests" in argv:
        suite = None
        for case in cases:
            s, name = case.split(".")
            if s != suite:
                print(f"{s}.")
                suite = s
            print(f"  {name}")
        return 0
    wanted = next(a for a in argv if a.startswith("--gtest_filter=")).split("=", 1)[1].split(":")
    state = os.environ["FAKE_STATE"]
    failed = False
    for case in cases:
        if case not in wanted:
            continue
        print(f"[ RUN      ] {case}", flush=True)
        kind = case.split(".")[1].lower()
        once = kind.endswith("once")
        if once and os.path.exists(state + case):
            kind = "pass"
        elif once:
            open(state + case, "w").close()
            kind = kind[: -len("once")]
        if kind.startswith("hang"):
            time.sleep(3600)
        if kind.startswith("crash"):
            print("about to crash", flush=True)
            os._exit(3)
        if kind.startswith("fail"):
            print("fake.cpp:1: Failure\nExpected: what was not", flush=True)
            print(f"[  FAILED  ] {case} (5 ms)", flush=True)
            failed = True
        elif kind.startswith("skip"):
            print("fake.cpp:2: Skipped\nnot here", flush=True)
            print(f"[  SKIPPED ] {case} (0 ms)", flush=True)
        else:
            print(f"[       OK ] {case} (7 ms)", flush=True)
    return 1 if failed else 0


class CaseRunner(unittest.TestCase):
    def run_cases(self, cases, timeout=2):
        with tempfile.TemporaryDirectory() as folder:
            results = os.path.join(folder, "entry.xml")
            env = dict(os.environ, FAKE_CASES=",".join(cases), FAKE_STATE=os.path.join(folder, "done-"))
            run = subprocess.run([sys.executable, RUNNER, "--emulator", sys.executable,
                                  "--program", os.path.abspath(__file__) + "", "--results", results,
                                  "--case-timeout", str(timeout)],
                                 env=dict(env, CASE_RUNNER_FAKE="1"), stdout=subprocess.PIPE,
                                 stderr=subprocess.STDOUT, timeout=120)
            outcome = {}
            for case in ET.parse(results).getroot().iter("testcase"):
                name = f"{case.get('classname')}.{case.get('name')}"
                if case.find("failure") is not None:
                    outcome[name] = ("failed", case.find("failure").get("message"))
                elif case.find("skipped") is not None:
                    outcome[name] = ("skipped", "")
                else:
                    outcome[name] = ("passed", "")
            return run.returncode, outcome, run.stdout.decode()

    def test_every_case_counts_in_one_process(self):
        code, outcome, _ = self.run_cases(["A.Pass1", "A.Fail", "B.Skip", "B.Pass2"])
        self.assertEqual(code, 1)
        self.assertEqual({k: v[0] for k, v in outcome.items()},
                         {"A.Pass1": "passed", "A.Fail": "failed", "B.Skip": "skipped", "B.Pass2": "passed"})
        self.assertIn("Failure", outcome["A.Fail"][1])

    def test_a_hung_case_fails_under_its_name_and_the_rest_run(self):
        code, outcome, output = self.run_cases(["A.Pass1", "A.Hang", "A.Pass2", "B.Pass3"], timeout=2)
        self.assertEqual(code, 1)
        self.assertEqual(outcome["A.Hang"][0], "failed")
        self.assertIn("deadline", outcome["A.Hang"][1])
        for name in ("A.Pass1", "A.Pass2", "B.Pass3"):
            self.assertEqual(outcome[name][0], "passed", name)
        self.assertIn("A.Hang ran longer than", output)

    def test_a_crash_fails_its_case_and_the_rest_run(self):
        code, outcome, _ = self.run_cases(["A.Pass1", "A.Crash", "A.Pass2"])
        self.assertEqual(code, 1)
        self.assertEqual(outcome["A.Crash"][0], "failed")
        self.assertIn("exit code 3", outcome["A.Crash"][1])
        self.assertEqual(outcome["A.Pass2"][0], "passed")

    def test_each_case_is_reported_once_after_several_restarts(self):
        code, outcome, _ = self.run_cases(["A.CrashOnce", "A.HangOnce", "A.Pass"], timeout=2)
        self.assertEqual(code, 1)
        self.assertEqual(len(outcome), 3)
        self.assertEqual(outcome["A.CrashOnce"][0], "failed")
        self.assertEqual(outcome["A.HangOnce"][0], "failed")
        self.assertEqual(outcome["A.Pass"][0], "passed")

    def test_all_passing_is_success(self):
        code, outcome, _ = self.run_cases(["A.Pass1", "A.Pass2"])
        self.assertEqual(code, 0)
        self.assertEqual(len(outcome), 2)


def main(argv):
    """Runs the tests; with --junit FILE, also writes their outcome there for
    scripts/lib/summarize.py."""
    junit = argv[argv.index("--junit") + 1] if "--junit" in argv else None
    suite = unittest.defaultTestLoader.loadTestsFromTestCase(CaseRunner)
    ids = [test.id() for test in suite]
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    if junit:
        bad = {test.id(): text for test, text in result.failures + result.errors}
        root = ET.Element("testsuites", name="case_runner_test")
        element = ET.SubElement(root, "testsuite", name="CaseRunner", tests=str(result.testsRun))
        for test_id in ids:
            case = ET.SubElement(element, "testcase", classname="CaseRunner",
                                 name=test_id.rsplit(".", 1)[1], status="run")
            if test_id in bad:
                ET.SubElement(case, "failure", message="failed").text = bad[test_id]
        ET.ElementTree(root).write(junit, encoding="utf-8", xml_declaration=True)
    return 0 if result.wasSuccessful() else 1


if __name__ == "__main__":
    if os.environ.get("CASE_RUNNER_FAKE"):
        sys.exit(fake_program(sys.argv[1:]))
    sys.exit(main(sys.argv[1:]))
