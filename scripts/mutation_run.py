#!/usr/bin/env python3
"""Breaks the Qt-free code on purpose, one fault at a time, and reports which
faults the Qt-free suite lets through.

Each fault is one small edit of one line of engine/, problem_io/ or solvers/:
a comparison flipped (< and <=, > and >=, == and !=, && and ||), a statement
line dropped, or an index or bound shifted by one. The tree is copied to a
scratch folder first, so the working tree is never touched; every fault is
built there (core_tests only, -j4) and the suite runs with a time limit. A
fault that does not compile is not counted. The faults are drawn with a fixed
seed, so two runs on the same code try the same faults.

Slow and not part of CI: run it by hand, e.g.
    python3 scripts/mutation_run.py --count 80 --seed 14
"""
import argparse
import os
import random
import re
import shutil
import subprocess
import sys
import time

FOLDERS = ("engine", "problem_io", "solvers")

# (pattern, replacement, kind); each applies to one occurrence on the line.
SWAPS = [
    (r"(?<![<>=!-])<=(?!=)", "<", "flip <= to <"),
    (r"(?<![<>=!-])<(?![<=])", "<=", "flip < to <="),
    (r"(?<![<>=!-])>=(?!=)", ">", "flip >= to >"),
    (r"(?<![<>=!-])>(?![>=])", ">=", "flip > to >="),
    (r"==", "!=", "flip == to !="),
    (r"!=", "==", "flip != to =="),
    (r"&&", "||", "flip && to ||"),
    (r"\|\|", "&&", "flip || to &&"),
    (r"\+ 1\b", "+ 2", "shift + 1 to + 2"),
    (r"- 1\b", "", "shift - 1 away"),
    (r"\[([A-Za-z_]\w*)\]", r"[\1 - 1]", "shift index down"),
]
# Lines whose < or > belong to templates, includes or streams, not comparisons.
NOT_A_COMPARISON = re.compile(r"#include|template\s*<|\w<[\w:, ]*>|std::\w+<|static_cast<|<<|>>|->")


def code_lines(path):
    out = []
    with open(path, encoding="utf-8") as f:
        in_block = False
        for n, line in enumerate(f, 1):
            s = line.strip()
            if in_block:
                in_block = "*/" not in s
                continue
            if s.startswith("/*"):
                in_block = "*/" not in s
                continue
            if not s or s.startswith("//") or s.startswith("#"):
                continue
            out.append((n, line.rstrip("\n")))
    return out


def candidate_faults(root):
    faults = []
    for folder in FOLDERS:
        for name in sorted(os.listdir(os.path.join(root, folder))):
            if not name.endswith(".cpp"):
                continue
            rel = os.path.join(folder, name)
            for n, line in code_lines(os.path.join(root, rel)):
                code = line.split("//")[0]
                for pattern, repl, kind in SWAPS:
                    if kind.startswith("flip <") or kind.startswith("flip >"):
                        if NOT_A_COMPARISON.search(code):
                            continue
                    for m in re.finditer(pattern, code):
                        mutated = code[: m.start()] + m.expand(repl) + code[m.end():]
                        faults.append((rel, n, kind, line, mutated))
                s = code.strip()
                # A statement that is neither a declaration nor a return nor a
                # brace: dropping it must change some outcome.
                declaration = s.startswith(("return", "const ", "int ", "auto", "std::", "static", "double ", "bool "))
                effect = "=" in s or re.match(r"^(\+\+|--)", s) or re.match(r"^[\w:.>-]+\(.*\);$", s)
                if s.endswith(";") and not declaration and effect:
                    indent = line[: len(line) - len(line.lstrip())]
                    faults.append((rel, n, "drop the line", line, indent + ";"))
    return faults


def run(cmd, cwd, timeout):
    try:
        p = subprocess.run(cmd, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=timeout)
        return p.returncode, p.stdout.decode(errors="replace")
    except subprocess.TimeoutExpired:
        return None, "timeout"


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--count", type=int, default=80, help="faults to try")
    ap.add_argument("--seed", type=int, default=14)
    ap.add_argument("--scratch", default="/tmp/tavo-mutation")
    ap.add_argument("--test-timeout", type=int, default=120, help="seconds per suite run")
    ap.add_argument("--per-test", metavar="FILE",
                    help="run the whole suite on every fault and write, per fault, the tests that failed "
                         "(one line: fault<TAB>test,test,...), to see which tests catch what no other does")
    args = ap.parse_args()

    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    src = os.path.join(args.scratch, "src")
    build = os.path.join(args.scratch, "build")
    if os.path.exists(src):
        shutil.rmtree(src)
    files = subprocess.check_output(["git", "ls-files", "-co", "--exclude-standard"], cwd=root).decode().split()
    for rel in files:
        if rel.startswith("build"):
            continue
        dst = os.path.join(src, rel)
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        if os.path.isfile(os.path.join(root, rel)):
            shutil.copy2(os.path.join(root, rel), dst)

    configure = ["cmake", "-S", src, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
                 "-DTAVO_CORE_ONLY=ON", "-DTAVO_BENCH=OFF", "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"]
    if run(configure, src, 600)[0] != 0:
        sys.exit("configure failed")
    rc, out = run(["cmake", "--build", build, "-j4", "--target", "core_tests"], src, 1800)
    if rc != 0:
        sys.exit("the unbroken tree does not build:\n" + out)
    suite = [os.path.join(build, "core_tests"), "--gtest_brief=1"]
    if not args.per_test:
        suite.insert(1, "--gtest_fail_fast")
    per_test = open(args.per_test, "w", encoding="utf-8") if args.per_test else None
    if run(suite, build, args.test_timeout)[0] != 0:
        sys.exit("the suite fails on the unbroken tree")

    faults = candidate_faults(src)
    random.Random(args.seed).shuffle(faults)
    caught, missed, not_built = [], [], 0
    started = time.time()
    for rel, n, kind, original, mutated in faults:
        if len(caught) + len(missed) >= args.count:
            break
        path = os.path.join(src, rel)
        with open(path, encoding="utf-8") as f:
            text = f.read().split("\n")
        assert text[n - 1] == original
        text[n - 1] = mutated
        with open(path, "w", encoding="utf-8") as f:
            f.write("\n".join(text))
        try:
            rc, _ = run(["cmake", "--build", build, "-j4", "--target", "core_tests"], src, 600)
            if rc != 0:
                not_built += 1
                continue
            rc, out = run(suite, build, args.test_timeout)
            where = "%s:%d %s: %s" % (rel, n, kind, original.strip())
            if per_test:
                failed = sorted(set(re.findall(r"^\[  FAILED  \] (\S+\.\S+)", out, re.M)))
                if rc is None:
                    failed = ["(hang)"]
                elif rc != 0 and not failed:
                    failed = ["(crash)"]
                per_test.write("%s\t%s\n" % (where, ",".join(failed)))
                per_test.flush()
            (caught if rc != 0 else missed).append(where)  # a hang (None) counts as caught
            print("%-6s %s" % ("caught" if rc != 0 else "MISSED", where), flush=True)
        finally:
            text[n - 1] = original
            with open(path, "w", encoding="utf-8") as f:
                f.write("\n".join(text))
    total = len(caught) + len(missed)
    print()
    print("faults tried: %d (candidates %d, %d more did not compile), %.0f s" %
          (total, len(faults), not_built, time.time() - started))
    if total:
        print("caught: %d of %d (%.0f%%)" % (len(caught), total, 100.0 * len(caught) / total))
    for m in missed:
        print("  went through: " + m)


if __name__ == "__main__":
    main()
