#!/usr/bin/env python3
"""Counts one CTest run from the frameworks' own reports.

    count_tests.py JUNIT_XML GTEST_DIR

JUNIT_XML is CTest's report (ctest --output-junit); GTEST_DIR holds the
GoogleTest report of each test that wrote one, named after the test
(GTEST_OUTPUT, set by tarnvel_add_gtest). A test with a GoogleTest report
counts as its cases, plus one failure when CTest saw it fail while every case
passed (a sanitizer's report at exit, a crash after the last case); any other
test counts once, as CTest saw it. Prints one line per failed test and ends
with "N passed, M failed".
"""
import os
import sys
import xml.etree.ElementTree as ElementTree


def ctest_results(junit_path):
    """(name, passed) for every test CTest ran."""
    suite = ElementTree.parse(junit_path).getroot()
    for case in suite.iter("testcase"):
        failed = case.get("status") not in ("run", "passed") or case.find("failure") is not None
        yield case.get("name"), not failed


def gtest_figures(report_path):
    """(passed, failed names) of a GoogleTest report."""
    root = ElementTree.parse(report_path).getroot()
    passed, failed = 0, []
    for case in root.iter("testcase"):
        if case.get("result", "completed") != "completed" and case.get("status") != "run":
            continue  # disabled or skipped
        if case.find("failure") is not None:
            failed.append(f"{case.get('classname')}.{case.get('name')}")
        else:
            passed += 1
    return passed, failed


def main():
    junit_path, gtest_dir = sys.argv[1:3]
    passed = failed = 0
    for name, test_passed in ctest_results(junit_path):
        report = os.path.join(gtest_dir, name + ".xml")
        if os.path.exists(report):
            try:
                cases_passed, cases_failed = gtest_figures(report)
            except ElementTree.ParseError:
                cases_passed, cases_failed = 0, []
            for case in cases_failed:
                print(f"   failed: {name}: {case}")
            passed += cases_passed
            failed += len(cases_failed)
            if not test_passed and not cases_failed:
                print(f"   failed: {name} (after its cases)")
                failed += 1
        elif test_passed:
            passed += 1
        else:
            print(f"   failed: {name}")
            failed += 1
    print(f"{passed} passed, {failed} failed")


if __name__ == "__main__":
    main()
