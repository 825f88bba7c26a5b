#!/usr/bin/env python3
"""Counts test cases in a `ctest -V` log: each GoogleTest case counts once, and a test
program without GoogleTest's summary (a shell check, or a program that died) counts as one.
Prints the ctest result lines, the output of failed tests, and last "PASSED FAILED"."""
import re
import sys

log = open(sys.argv[1], encoding="utf-8", errors="replace").read().splitlines()
result_re = re.compile(r"^\s*\d+/\d+ Test\s+#(\d+): (\S+) \.+\s*(.*?)\s+[\d.]+ sec$")
cases = {}      # test number -> [passed, failed] GoogleTest cases
outcome = {}    # test number -> (name, passed?)
output = {}     # test number -> its lines
for line in log:
    m = re.match(r"^(\d+): (.*)$", line)
    if m:
        n, text = int(m.group(1)), m.group(2).rstrip("\r")
        output.setdefault(n, []).append(text)
        c = re.match(r"^\[  (PASSED|FAILED)  \] (\d+) tests?", text)
        if c:
            cases.setdefault(n, [0, 0])[0 if c.group(1) == "PASSED" else 1] += int(c.group(2))
        continue
    m = result_re.match(line)
    if m:
        outcome[int(m.group(1))] = (m.group(2), m.group(3).strip() == "Passed")
        print(line.strip())

passed = failed = 0
for n, (name, ok) in sorted(outcome.items()):
    p, f = cases.get(n, [0, 0])
    if n not in cases:
        p, f = (1, 0) if ok else (0, 1)
    elif not ok and f == 0:
        f = 1  # it failed outside any case (a crash after the summary, a timeout)
    passed += p
    failed += f
    if not ok:
        print(f"---- {name} failed; the end of its output:")
        print("\n".join(output.get(n, [])[-60:]))
if not outcome:
    failed += 1
    print("no test results in " + sys.argv[1])
print(passed, failed)
