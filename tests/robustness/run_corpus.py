#!/usr/bin/python3
"""Runs tarvello-cli on every file of the bad-input corpus as the table in
tests/data/bad/README.md lists it, and checks what the user sees there.

For each row: --list-outfalls, then Create Profile Data on outfall 1 with every
output option. Neither run may end by a signal or with another status than the
row's; every `quoted` fragment of the row must appear in what the two runs
print (FILE stands for the input's path). A run that succeeds must have written
drawings that ezdxf audits clean and a workbook that openpyxl reads; a run that
fails must have written nothing. The input must keep its bytes and time.

usage: run_corpus.py CLI CORPUS_DIR EXAMPLES_DIR README SCRATCH_DIR
"""
import os
import re
import shutil
import subprocess
import sys

import ezdxf
import openpyxl

cli, corpus, examples, readme, scratch = sys.argv[1:6]
OUTPUTS = ["--pipe-profile", "1:pipe.dxf", "--branch-profile", "1:branch.dxf",
           "--all-profiles", "all.dxf", "--structure-schedule", "structures.dxf",
           "--pipe-schedule", "pipes.dxf", "--excel", "schedules.xlsx"]
WRITTEN = ["pipe.dxf", "branch.dxf", "all.dxf", "structures.dxf", "pipes.dxf", "schedules.xlsx",
           "tables/structures.csv", "tables/pipes.csv", "tables/branches.csv"]


def rows():
    """(input, opened as, exit status, fragments) of each row of the results table."""
    for line in open(readme, encoding="utf-8"):
        cells = [c.strip() for c in line.strip().strip("|").split("|")]
        if len(cells) == 4 and cells[0].startswith("`") and cells[2].isdigit():
            yield cells[0].strip("`"), cells[1], int(cells[2]), re.findall(r"`([^`]+)`", cells[3])


def snapshot(path):
    return open(path, "rb").read(), os.stat(path).st_mtime_ns


def check(name, opened_as, status, fragments):
    problems = []
    folder = os.path.join(scratch, opened_as + "-" + name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    # A copy, so that setting its time back leaves the build's file alone.
    target = os.path.join(folder, name)
    shutil.copyfile(os.path.join(corpus, name), target)
    os.utime(target, ns=(0, 10**9 * 86400 * 365 * 20))
    before = snapshot(target)
    databases = (["--pipe-db", target] if opened_as == "pipe" else
                 ["--pipe-db", os.path.join(examples, "highway.bvp"), "--inlet-db", target])
    seen = ""
    for args in (["--list-outfalls"], ["--outfall", "1", "--tables", "tables"] + OUTPUTS):
        run = subprocess.run([cli] + databases + args, cwd=folder, capture_output=True, timeout=120)
        seen += run.stdout.decode("utf-8", "replace") + run.stderr.decode("utf-8", "replace")
        if run.returncode < 0:
            problems.append(f"{args[0]}: killed by signal {-run.returncode}")
        elif run.returncode != status:
            problems.append(f"{args[0]}: exit status {run.returncode}, expected {status}")
    for fragment in fragments:
        if fragment.replace("FILE", target) not in seen:
            problems.append(f"the output lacks {fragment!r}")
    for output in WRITTEN:
        path = os.path.join(folder, output)
        if status != 0:
            if os.path.exists(path):
                problems.append(f"{output} was written by a failed run")
        elif not os.path.exists(path):
            problems.append(f"{output} is missing")
        elif output.endswith(".dxf"):
            auditor = ezdxf.readfile(path).audit()
            if auditor.has_errors or auditor.has_fixes:
                problems.append(f"{output}: ezdxf finds {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
        elif output.endswith(".xlsx"):
            openpyxl.load_workbook(path)
    leftovers = [f for f in os.listdir(folder) if f not in (name, "tables") and f not in WRITTEN]
    if leftovers:
        problems.append(f"files left behind: {leftovers}")
    if snapshot(target) != before:
        problems.append("the database was changed")
    return problems, seen


failed = count = 0
for name, opened_as, status, fragments in rows():
    count += 1
    problems, seen = check(name, opened_as, status, fragments)
    print(("FAIL " if problems else "ok   ") + name)
    if problems:
        failed += 1
        print("\n".join("     " + p for p in problems))
        print("     printed:\n       " + seen.strip().replace("\n", "\n       "))
listed = {r[0] for r in rows()}
unlisted = sorted(set(os.listdir(corpus)) - listed)
if unlisted:
    print(f"FAIL files of the corpus missing from the table: {unlisted}")
    failed += 1
print(f"{count} corpus rows, {failed} failed")
sys.exit(1 if failed or count == 0 else 0)
