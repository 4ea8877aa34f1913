#!/usr/bin/env bash
# A fixed, seeded sample of small mutations of the computing code, each one
# built and tested by itself: how many of them do the tests catch?
#
#   scripts/mutants.sh [build-dir]      (default build-test, configured with
#                                         the `test` preset and built once)
#   MUTANTS=60 SEED=31 TEST_TIMEOUT=180 scripts/mutants.sh
#   MUTANTS_LIST=1 scripts/mutants.sh   (print the sample, build nothing)
#
# For each mutant only the mutated library's test program is rebuilt and only
# the tests labelled with that folder run; a mutant that hangs past the
# timeout counts as killed. A mutant that does not build is not counted and
# the next one of the sample takes its place. The source file is restored
# after every mutant, also on Ctrl-C. To run by hand, not in CI.
set -euo pipefail
cd "$(dirname "$0")/.."
exec /usr/bin/python3 - "${1:-build-test}" <<'PY'
import os, random, re, signal, subprocess, sys, time

build = sys.argv[1]
count = int(os.environ.get("MUTANTS", "60"))
seed = int(os.environ.get("SEED", "31"))
test_timeout = int(os.environ.get("TEST_TIMEOUT", "180"))
files = sorted(
    [os.path.join(d, f) for d in ("src/network", "src/tables", "src/checks")
     for f in os.listdir(d) if f.endswith(".cpp")]
    + ["src/common/number_format.cpp", "src/common/atomic_file.cpp"])

# (name, pattern, replacement); patterns are matched on the code part of a
# line only (string literals and comments blanked out).
OPERATORS = [
    ("flip <", r" < ", " <= "), ("flip <=", r" <= ", " < "),
    ("flip >", r" > ", " >= "), ("flip >=", r" >= ", " > "),
    ("== to !=", r" == ", " != "), ("!= to ==", r" != ", " == "),
    ("&& to ||", r" && ", " || "), ("|| to &&", r" \|\| ", " && "),
    ("drop + 1", r" \+ 1(?![\d.])", ""), ("drop - 1", r" - 1(?![\d.])", ""),
]
NUMBER = re.compile(r"(?<![\w.])(\d+\.\d*|\d+)(?![\w.])")


def code_part(line):
    """The line with string and character literals and comments blanked."""
    out, quote, i = [], None, 0
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                out.append("  ")
                i += 2
                continue
            out.append(" " if c != quote else c)
            if c == quote:
                quote = None
        elif c in "\"'":
            quote = c
            out.append(c)
        elif line.startswith("//", i):
            break
        else:
            out.append(c)
        i += 1
    return "".join(out).ljust(len(line))[: len(line)]


def candidates():
    found = []
    for path in files:
        with open(path) as f:
            lines = f.read().split("\n")
        for n, line in enumerate(lines):
            stripped = line.strip()
            if not stripped or stripped.startswith(("#", "//", "*", "/*")) or "static_assert" in line:
                continue
            code = code_part(line)
            for name, pattern, repl in OPERATORS:
                for m in re.finditer(pattern, code):
                    found.append((path, n, m.start(), m.end(), repl, name))
            if "[" not in code:
                for m in NUMBER.finditer(code):
                    text = m.group(1)
                    new = str(int(text) + 1) if "." not in text else repr(float(text or 0) * 2 + 1)
                    found.append((path, n, m.start(), m.end(), new, "constant"))
            # A whole statement: a call or an assignment alone on its line.
            if (stripped.endswith(";") and not stripped.startswith(("return", "}", "case", "default"))
                    and re.match(r"^[\w.:\->\[\]()*]+(\s*[-+*/|&]?=[^=]|\+\+|--|\()", stripped)
                    and stripped.count("(") == stripped.count(")")):
                found.append((path, n, len(line) - len(line.lstrip()), len(line), "", "delete statement"))
    return found


def apply(mutant):
    path, n, start, end, repl, _ = mutant
    with open(path) as f:
        lines = f.read().split("\n")
    before = lines[n]
    lines[n] = before[:start] + repl + before[end:]
    return path, "\n".join(lines), before.strip(), lines[n].strip()


def label_of(path):
    return path.split("/")[1]


sample = candidates()
random.Random(seed).shuffle(sample)
if os.environ.get("MUTANTS_LIST"):
    for m in sample[: count * 2]:
        path, _, before, after = apply(m)
        print(f"{path}:{m[1] + 1} {m[5]}: {before}  ->  {after}")
    sys.exit(0)

# Two trees built with ccache share the mutants' objects when the build
# folder is not part of the cache key (it only names the debug info's folder).
os.environ.setdefault("CCACHE_NOHASHDIR", "true")
signal.signal(signal.SIGTERM, lambda *_: (_ for _ in ()).throw(KeyboardInterrupt()))
# The unmutated sources must build and pass, or every mutant would count
# wrongly.
labels = sorted({label_of(p) for p in files})
if subprocess.run(["cmake", "--build", build, "--target"] + [f"tarvello_tests_{l}" for l in labels],
                  stdout=subprocess.DEVNULL).returncode != 0:
    sys.exit("the unmutated sources do not build")
for label in labels:
    if subprocess.run(["ctest", "--test-dir", build, "-L", f"^{label}$", "-j2"],
                      stdout=subprocess.DEVNULL).returncode != 0:
        sys.exit(f"the tests labelled {label} fail without a mutant")
log = open(os.path.join(build, "mutants.log"), "w")
killed, survivors, tried, invalid = 0, [], 0, 0
start_time = time.time()
for mutant in sample:
    if tried == count:
        break
    path, text, before, after = apply(mutant)
    label = label_of(path)
    where = f"{path}:{mutant[1] + 1} {mutant[5]}: {before}  ->  {after}"
    with open(path) as f:
        original = f.read()
    try:
        with open(path, "w") as f:
            f.write(text)
        built = subprocess.run(
            ["cmake", "--build", build, "--target", f"tarvello_tests_{label}"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0
        if not built:
            invalid += 1
            print(f"  (does not build) {where}", flush=True)
            log.write(f"invalid {where}\n")
            continue
        tried += 1
        try:
            rc = subprocess.run(
                ["ctest", "--test-dir", build, "-L", f"^{label}$", "-j2", "--stop-on-failure",
                 "--timeout", str(test_timeout)],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                timeout=test_timeout * 4).returncode
        except subprocess.TimeoutExpired:
            rc = -1
        if rc != 0:
            killed += 1
            verdict = "killed"
        else:
            survivors.append(where)
            verdict = "SURVIVED"
        print(f"[{tried}/{count}] {verdict:8} {where}", flush=True)
        log.write(f"{verdict} {where}\n")
    finally:
        # Written afresh (a new modification time), so that the next build
        # compiles the original again.
        with open(path, "w") as f:
            f.write(original)

print(f"\nkilled {killed} / {tried} mutants ({invalid} did not build; seed {seed}, "
      f"{(time.time() - start_time) / 60:.0f} min)")
if survivors:
    print("survivors:")
    for s in survivors:
        print("  " + s)
# Leave the build matching the sources again.
subprocess.run(["cmake", "--build", build, "--target"] + [f"tarvello_tests_{l}" for l in labels],
               stdout=subprocess.DEVNULL)
PY
