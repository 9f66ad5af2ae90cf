#!/usr/bin/env python3
"""Agreement oracle of the declaration analyser.

  decl_oracle.py check --vorne-decl PATH [--set NAME]... [--unmatched] [--keep DIR]
      runs vorne-decl on each header set, proves its entries with g++ and
      measures its coverage against castxml (all real sets by default)
  decl_oracle.py check --lines FILE --set NAME
      the same for lines saved beforehand
  decl_oracle.py reference --set NAME
      prints castxml's view of a set in vorne-decl's line format
  decl_oracle.py selftest [--set NAME]...
      feeds the reference lines to the checker: every assertion must hold
  decl_oracle.py sets
      lists the header sets and whether this machine has them
  decl_oracle.py names
      the names of the header sets, separated by ";" (for CMake)

Exit status: 0 every set passed, 1 a set failed, 77 every set was skipped
(a header or a tool is missing; the message names the Debian package).
"""
import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from oracle import castxml, check, headersets, report, toolchain  # noqa: E402

SKIPPED = 77
TOOLS = {"g++": "g++", "castxml": "castxml", "pkg-config": "pkg-config"}


def missing_tool():
    for program, package in TOOLS.items():
        if not toolchain.have(program):
            return f"{program} is not installed: install the Debian package {package}"
    return None


def selected_sets(names, include_fixtures):
    if names:
        return [headersets.by_name(n) for n in names]
    return [s for s in headersets.SETS if include_fixtures or not s.name.startswith("fixture")]


def run_check(arguments, header_set, directory):
    if arguments.lines:
        with open(arguments.lines, encoding="utf-8", errors="replace") as lines:
            analysis = check.Analysis(lines.read(), stderr=None)
        return check.check(header_set, analysis, directory)
    analysis = check.run_vorne_decl(header_set, arguments.vorne_decl, directory,
                                    arguments.std_define, arguments.system)
    return check.check(header_set, analysis, directory)


def run_selftest(arguments, header_set, directory):
    analysis, model, own, other, not_converted = check.reference_analysis(header_set, directory)
    analysis.stderr = None
    result = check.check(header_set, analysis, directory, model, own, other)
    result.not_converted = not_converted
    return result


def each_set(arguments, action):
    outcome = []
    for header_set in selected_sets(arguments.set, arguments.command == "selftest"):
        why = missing_tool() or header_set.missing()
        if why:
            print(f"== {header_set.name}: skipped: {why}\n")
            outcome.append(SKIPPED)
            continue
        with check.scratch_directory(arguments.keep, header_set.name) as directory:
            try:
                result = action(arguments, header_set, directory)
            except castxml.CastxmlError as error:
                print(f"== {header_set.name}: FAIL: {error}\n")
                outcome.append(1)
                continue
        report.describe(result, arguments.unmatched, verbose=arguments.verbose)
        outcome.append(1 if result.problems() else 0)
    sys.stdout.flush()
    if outcome and all(o == SKIPPED for o in outcome):
        return SKIPPED
    return 1 if 1 in outcome else 0


def print_reference(arguments):
    header_set = headersets.by_name(arguments.set[0])
    why = missing_tool() or header_set.missing()
    if why:
        print(f"skipped: {why}", file=sys.stderr)
        return SKIPPED
    with check.scratch_directory(arguments.keep, header_set.name) as directory:
        analysis, *_, not_converted = check.reference_analysis(header_set, directory)
    sys.stdout.write(analysis.text)
    for line in not_converted:
        print(f"not converted: {line}", file=sys.stderr)
    return 0


def list_sets():
    for header_set in headersets.SETS:
        why = header_set.missing()
        print(f"{header_set.name:14} {header_set.language:4} {' '.join(header_set.headers):40} "
              f"{'missing: ' + why if why else 'present'}")
    return 0


def parse(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=("check", "reference", "selftest", "sets", "names"))
    parser.add_argument("--set", action="append", help="a header set (repeatable); default: all real sets")
    parser.add_argument("--vorne-decl", help="the vorne-decl program")
    parser.add_argument("--lines", help="check these saved lines instead of running vorne-decl")
    parser.add_argument("--std-define", default=check.STD_DEFINE, help="the standard-definitions file")
    parser.add_argument("--system", choices=("compiler", "target"),
                        help="standard headers from the compiler's search list or from the target package")
    parser.add_argument("--unmatched", action="store_true", help="list castxml's entities the analyser missed")
    parser.add_argument("--verbose", action="store_true", help="list the entries left out, with the reason")
    parser.add_argument("--keep", help="keep the generated files in this directory")
    arguments = parser.parse_args(argv)
    if arguments.command == "check" and not (arguments.vorne_decl or arguments.lines):
        parser.error("check needs --vorne-decl or --lines")
    if arguments.command == "reference" and not arguments.set:
        parser.error("reference needs --set")
    return arguments


def main(argv):
    arguments = parse(argv)
    if arguments.command == "sets":
        return list_sets()
    if arguments.command == "names":
        print(";".join(s.name for s in headersets.SETS), end="")
        return 0
    if arguments.command == "reference":
        return print_reference(arguments)
    return each_set(arguments, run_check if arguments.command == "check" else run_selftest)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
