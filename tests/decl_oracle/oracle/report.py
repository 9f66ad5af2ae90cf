"""The text a run prints for each header set."""

FAILURES_SHOWN = 60


def describe(report, unmatched=False, out=print, verbose=False):
    header_set = report.header_set
    out(f"== {header_set.name} ({', '.join(header_set.headers)}) ==")
    analysis = report.analysis
    if analysis is not None and analysis.stderr is not None:
        levels = ", ".join(f"{analysis.levels[k]} {k}" for k in "SFEWI" if analysis.levels[k]) or "none"
        out(f"analysis: status {analysis.status}, {analysis.seconds:.2f} s, diagnostics: {levels}")
    own = [v for v in report.verdicts if v.left_out != "declared outside the set's own files"]
    out(f"entries: {len(report.verdicts)} printed, {len(own)} of the set's own files, "
        f"{len(report.verdicts) - len(own)} outside")
    out(f"checked: {len(report.checked())} agree, {len(report.failing())} failing")
    left = report.left_out()
    left.pop("declared outside the set's own files", None)
    if left:
        out(f"left out: {sum(left.values())} (" + ", ".join(f"{r}: {n}" for r, n in left.most_common()) + ")")
    out(f"coverage: {report.matched} of {report.castxml_total} castxml entities = {report.coverage:.1%} "
        f"(at least {header_set.coverage:.0%})")
    if report.unknown:
        out(f"unknown to castxml and to g++: {len(report.unknown)} (first: "
            + ", ".join(e.name for e in report.unknown[:8]) + ")")
    if report.not_converted:
        out(f"castxml entities the line format cannot carry: {len(report.not_converted)}")
    _failures(report, out)
    if verbose:
        for verdict in report.verdicts:
            if verdict.left_out and verdict.left_out != "declared outside the set's own files":
                note = f": {verdict.notes[0]}" if verdict.notes else ""
                out(f"  left out: {verdict.entry.kind} {verdict.entry.name} ({verdict.left_out}){note}")
    if unmatched and report.unmatched:
        out("not entered by the analyser:")
        for name in report.unmatched:
            out(f"  {name}")
    if analysis is not None and analysis.problems():
        for line in analysis.stderr.splitlines()[:20]:
            out(f"  stderr: {line}")
    problems = report.problems()
    out("result: " + ("PASS" if not problems else "FAIL: " + "; ".join(problems)))
    out("")


def _failures(report, out):
    for verdict in report.failing()[:FAILURES_SHOWN]:
        entry = verdict.entry
        view = report.views.get(id(verdict))
        seen = f"; g++ sees {view!r}" if view else ""
        for check, message in verdict.failures[:3]:
            out(f"  FAIL line {entry.line}: {entry.kind} {entry.name} [{entry.type} | {entry.script_kind} | "
                f"{entry.size}] {check}: {message}{seen}")
    if len(report.failing()) > FAILURES_SHOWN:
        out(f"  ... and {len(report.failing()) - FAILURES_SHOWN} more failing entries")
    for error in report.header_errors[:10]:
        out(f"  g++: {error}")
