#!/usr/bin/python3
"""Faults while tarvello-cli writes its outputs: a read-only folder, a read-only
file, a disk that fills, a device and a folder as the target, and names with
blanks and non-ASCII letters, for each of the outputs (CSV tables, DXF
drawing, workbook, PDF sheet set, design-check findings).

A failed write must exit with 1, name the file and the reason, leave no
temporary file, and leave an existing file under the chosen name as it was
(--force is given, so the program does try to replace it). The project
database keeps its bytes and time.

usage: output_faults.py CLI EXAMPLES_DIR SCRATCH_DIR
"""
import os
import resource
import shutil
import signal
import stat
import subprocess
import sys

cli, examples, scratch = sys.argv[1:4]
OLD = b"an older file\r\n"
failures = []


def fail(case, text):
    failures.append(f"{case}: {text}")


def writers(folder):
    """(option, value, written file) of each writer with its target in `folder`."""
    return [(option, os.path.join(folder, name), os.path.join(folder, name, "structures.csv")
             if option == "--tables" else os.path.join(folder, name))
            for option, name in [("--tables", "tables"), ("--all-profiles", "all.dxf"),
                                 ("--excel", "schedules.xlsx"), ("--pdf", "set.pdf"),
                                 ("--checks", "findings.csv")]]


def run(case, database, option, value, wrapper=(), limit=None):
    def child():
        if limit is not None:
            signal.signal(signal.SIGXFSZ, signal.SIG_IGN)  # stays ignored across exec
            resource.setrlimit(resource.RLIMIT_FSIZE, (limit, limit))
    args = list(wrapper) + [cli, "--pipe-db", database, "--outfall", "1", "--force", option, value]
    r = subprocess.run(args, capture_output=True, timeout=120, preexec_fn=child)
    if r.returncode < 0:
        fail(case, f"killed by signal {-r.returncode}")
    return r.returncode, r.stdout.decode("utf-8", "replace") + r.stderr.decode("utf-8", "replace")


def expect_failure(case, database, option, value, target, reasons, wrapper=(), limit=None):
    status, seen = run(case, database, option, value, wrapper, limit)
    if status != 1:
        fail(case, f"exit status {status}, expected 1")
    if target not in seen or not any(r in seen for r in reasons):
        fail(case, f"the message does not name {target} and one of {reasons}:\n{seen}")


def fresh(name):
    folder = os.path.join(scratch, name)
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    database = os.path.join(folder, "project.bvp")
    shutil.copyfile(os.path.join(examples, "highway.bvp"), database)
    os.utime(database, ns=(0, 10**9 * 86400 * 365 * 20))
    return folder, database, (open(database, "rb").read(), os.stat(database).st_mtime_ns)


def with_existing_files(folder):
    """Puts OLD under every writer's chosen name."""
    os.makedirs(os.path.join(folder, "tables"), exist_ok=True)
    for _, _, f in writers(folder):
        open(f, "wb").write(OLD)


def expect_left_alone(case, folder, database, before):
    for _, _, f in writers(folder):
        if os.path.isfile(f) and open(f, "rb").read() != OLD:
            fail(case, f"{f} was changed")
    for root, _, names in os.walk(folder):
        for n in names:
            if n.startswith(".") or n.endswith(".tmp"):
                fail(case, f"a temporary file is left: {os.path.join(root, n)}")
    if (open(database, "rb").read(), os.stat(database).st_mtime_ns) != before:
        fail(case, "the project database was changed")


# A read-only folder: a read-only bind mount in a mount namespace of its own
# (permission bits do not stop root), when this machine allows one.
folder, database, before = fresh("read-only")
with_existing_files(folder)
readonly = ["unshare", "-m", "--propagation", "private", "sh", "-c",
            'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" && shift && exec "$@"', "sh", folder]
if subprocess.run(readonly + ["true"], capture_output=True).returncode == 0:
    for option, value, written in writers(folder):
        expect_failure(f"read-only {option}", database, option, value, written,
                       ["Read-only file system"], wrapper=readonly)
    expect_left_alone("read-only", folder, database, before)
else:
    print("skipped: read-only mount (unshare and mount are not allowed here)")
# A place where nothing can be created, whoever runs the program.
for option, value, written in writers("/proc/tarvello-test"):
    expect_failure(f"/proc {option}", database, option, value, written, ["No such file or directory"])

# A file made read-only is refused even with --force, whoever runs the program.
folder, database, before = fresh("read-only-file")
with_existing_files(folder)
for option, value, written in writers(folder):
    os.chmod(written, 0o444)
    expect_failure(f"read-only file {option}", database, option, value, written, ["read-only"])
expect_left_alone("read-only file", folder, database, before)

# The disk fills up half way: a file size limit far below any output.
folder, database, before = fresh("full-disk")
with_existing_files(folder)
for option, value, written in writers(folder):
    expect_failure(f"full disk {option}", database, option, value, written,
                   ["File too large", "No space left on device"], limit=100)
expect_left_alone("full disk", folder, database, before)

# A device and a folder as the target: refused, and left what they are.
folder, database, before = fresh("not-a-file")
for option, value, written in writers(folder):
    # A folder where the file would go; for the tables, their file's name.
    os.makedirs(written)
    tables = option == "--tables"
    expect_failure(f"folder {option}", database, option, value, written,
                   ["folder", "directory"] if tables else ["folder", "not a file"])
    expect_failure(f"device {option}", database, option, "/dev/full",
                   "/dev/full/structures.csv" if tables else "/dev/full",
                   ["Not a directory"] if tables else ["not a regular file", "not a file"])
    if os.listdir(written):
        fail(f"folder {option}", f"{written} is no longer empty")
if not stat.S_ISCHR(os.stat("/dev/full").st_mode):
    fail("device", "/dev/full is no longer a device")
expect_left_alone("not a file", folder, database, before)

# Names with blanks and non-ASCII letters are written under exactly that name.
folder, database, before = fresh("names")
names = {"--tables": "Tabellen Ærø 1", "--all-profiles": "Profile Straße 雨水.dxf",
         "--excel": "Zeitplan für Bühl.xlsx", "--pdf": "Blätter Ærø.pdf", "--checks": "Befunde 雨水.csv"}
for option, name in names.items():
    status, seen = run(f"name {option}", database, option, os.path.join(folder, name))
    if status != 0:
        fail(f"name {option}", f"exit status {status}:\n{seen}")
written = sorted(os.listdir(folder))
if written != sorted(["project.bvp", *names.values()]):
    fail("names", f"the folder holds {written}")
elif sorted(os.listdir(os.path.join(folder, "Tabellen Ærø 1"))) != ["branches.csv", "pipes.csv", "structures.csv"]:
    fail("names", "the tables are not all written")
expect_left_alone("names", folder, database, before)

for f in failures:
    print("FAIL " + f)
print(f"output faults: {len(failures)} failed checks")
sys.exit(1 if failures else 0)
