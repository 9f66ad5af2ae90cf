"""One header set end to end: vorne-decl's entries proved by g++ and
measured against castxml."""
import os
import re
import tempfile
from collections import Counter
from dataclasses import dataclass, field

from . import asserts, castxml, gxx, reference, toolchain
from .entries import is_unnamed_namespace, parse_text

SOURCE_DIR = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
STD_DEFINE = os.path.join(SOURCE_DIR, "target", "ana", "hrus_c.def")
_DIAGNOSTIC = re.compile(r"Morvik-([SFEWI])-")
VIEWS_AT_MOST = 300


@dataclass
class Analysis:
    """What vorne-decl did (or the reference lines that stand for it)."""
    text: str
    stderr: str = ""
    status: int = 0
    seconds: float = 0.0
    timed_out: bool = False
    levels: Counter = field(default_factory=Counter)
    baseline: set = field(default_factory=set)    # (kind, name) the standard definitions alone declare

    def problems(self):
        found = []
        if self.timed_out:
            found.append("vorne-decl did not finish (a hang)")
        elif self.status < 0 or self.status > 9:
            found.append(f"vorne-decl crashed (status {self.status})")
        elif self.status not in (0, 3):
            found.append(f"vorne-decl ended with status {self.status}")
        serious = sum(self.levels[level] for level in "SFE")
        if serious:
            found.append(f"{serious} diagnostic(s) of level E or above")
        return found


@dataclass
class Report:
    header_set: object
    analysis: Analysis = None
    verdicts: list = field(default_factory=list)
    format_errors: list = field(default_factory=list)
    header_errors: list = field(default_factory=list)
    castxml_total: int = 0
    matched: int = 0
    unmatched: list = field(default_factory=list)
    unknown: list = field(default_factory=list)     # entries neither castxml nor g++ know
    not_converted: list = field(default_factory=list)
    views: dict = field(default_factory=dict)

    @property
    def coverage(self):
        return self.matched / self.castxml_total if self.castxml_total else 1.0

    def failing(self):
        return [v for v in self.verdicts if v.failures]

    def checked(self):
        return [v for v in self.verdicts if v.checked and not v.failures]

    def left_out(self):
        return Counter(v.left_out for v in self.verdicts if v.left_out and not v.failures)

    def problems(self):
        found = list(self.analysis.problems()) if self.analysis else []
        found += [f"malformed line: {e}" for e in self.format_errors]
        found += [f"g++ could not compile the headers: {e}" for e in self.header_errors[:5]]
        if self.failing():
            found.append(f"{len(self.failing())} failing entries")
        if self.coverage < self.header_set.coverage:
            found.append(f"coverage {self.coverage:.1%} below {self.header_set.coverage:.0%}")
        return found


def vorne_decl_arguments(header_set, program, includer, std_define=STD_DEFINE, system=None):
    arguments = [program]
    for flag in header_set.compiler_flags():
        arguments += [flag[:2], flag[2:]]
    # "compiler": the search list of gcc (g++ for C++); "target": the C
    # library from gcc's list, the C++ library from the target package.
    if (system or header_set.system) == "compiler":
        driver, language = ("g++", "c++") if header_set.cxx else ("gcc", "c")
    else:
        driver, language = "gcc", "c"
    for directory in toolchain.search_directories(driver, language):
        arguments += ["-I", directory]
    return arguments + ["--std-define", std_define, includer]


def run_vorne_decl(header_set, program, directory, std_define=STD_DEFINE, system=None, timeout=120):
    includer = os.path.join(directory, "oracle_input" + (".cc" if header_set.cxx else ".c"))
    with open(includer, "w") as out:
        out.write(header_set.includer())
    done = toolchain.run(vorne_decl_arguments(header_set, program, includer, std_define, system), timeout=timeout)
    levels = Counter(m.group(1) for m in _DIAGNOSTIC.finditer(done.stderr))
    analysis = Analysis(done.stdout, done.stderr, done.status, done.seconds, done.timed_out, levels)
    analysis.baseline = _baseline(header_set, program, directory, std_define, system)
    return analysis


def _baseline(header_set, program, directory, std_define, system):
    """What the standard definitions declare before any header: not the set's."""
    empty = os.path.join(directory, "oracle_empty" + (".cc" if header_set.cxx else ".c"))
    open(empty, "w").close()
    done = toolchain.run(vorne_decl_arguments(header_set, program, empty, std_define, system), timeout=60)
    entries, _ = parse_text(done.stdout)
    return {(e.kind, e.name) for e in entries}


def normalized(kind, name, inline_namespaces, renames=None):
    """The name matched between castxml and vorne-decl: no unnamed or inline
    namespace, and a tag that C declares inside a structure under its C++
    name (either spelling is right for a C header)."""
    scopes = [s for s in name.split("::") if not is_unnamed_namespace(s) and s not in inline_namespaces]
    if renames and scopes and scopes[0] in renames and (len(scopes) > 1 or kind in ("tag", "enumerator")):
        scopes = renames[scopes[0]].split("::") + scopes[1:]
    return kind, "::".join(scopes)


def check(header_set, analysis, directory, model=None, own=None, other=None):
    """Checks the lines of an analysis; castxml's model is made when not given."""
    report = Report(header_set, analysis)
    if model is None:
        model, own, other = castxml.load(header_set, directory)
    inline = model.inline_namespaces()
    renames = {} if header_set.cxx else castxml.c_nesting(model, own)
    entries, report.format_errors = parse_text(analysis.text)
    own_names = Counter(normalized(e.kind, e.name, inline, renames) for e in own)
    printed = Counter(normalized(e.kind, e.name, inline, renames) for e in entries)
    other = {normalized(kind, name, inline, renames) for kind, name in other}
    _coverage(report, own_names, printed)
    elsewhere = other | {normalized(kind, name, inline, renames) for kind, name in analysis.baseline}

    def is_own(entry):
        key = normalized(entry.kind, entry.name, inline, renames)
        return key in own_names or key not in elsewhere

    flags = header_set.compiler_flags()
    macros = gxx.macro_names(asserts.headers_source(header_set.headers) + "\n", flags, directory,
                             c_headers=not header_set.cxx)
    generator = asserts.Generator(entries, header_set.cxx, renames, macros)
    plan = generator.plan(header_set.headers, is_own)
    report.verdicts = plan.verdicts
    path, done = gxx.compile_source(plan.source, flags, directory, c_headers=not header_set.cxx)
    ours, report.header_errors = gxx.errors_by_line(done.stderr, path, plan.lines)
    report.header_errors += gxx.unmapped(ours, plan)
    gxx.apply(plan, ours)
    _widths_from_castxml(plan.verdicts, own, inline)
    report.unknown = [v.entry for v in plan.verdicts
                      if v.left_out and v.left_out.startswith("not reachable")
                      and normalized(v.entry.kind, v.entry.name, inline, renames) not in own_names]
    report.views = _views(report, flags, directory, generator)
    return report


def _widths_from_castxml(verdicts, own, inline):
    """A bit field g++ cannot make an object of (an abstract or non-literal
    class) has its width compared with castxml's instead."""
    widths = {}
    for entity in own:
        if entity.kind == "member" and entity.element.get("bits"):
            widths[normalized("member", entity.name, inline)] = int(entity.element.get("bits"))
    for verdict in verdicts:
        if not any(note.startswith("bit-field width not provable") for note in verdict.notes):
            continue
        bits = verdict.entry.bit_field()
        known = widths.get(normalized("member", verdict.entry.name, inline))
        if known is None:
            continue
        verdict.notes = [n for n in verdict.notes if not n.startswith("bit-field width not provable")]
        if known != bits[1]:
            verdict.failures.append(("width", f"castxml gives the width {known}"))


def _coverage(report, own_names, printed):
    report.castxml_total = sum(own_names.values())
    report.matched = sum(min(count, printed[key]) for key, count in own_names.items())
    report.unmatched = sorted(f"{kind} {name}" + (f" (x{count - printed[(kind, name)]})" if count - printed[(kind, name)] > 1 else "")
                              for (kind, name), count in own_names.items() if printed[(kind, name)] < count)


def _views(report, flags, directory, generator):
    """g++'s own view of the types of the first failing entries."""
    failing = []
    for verdict in report.failing()[:VIEWS_AT_MOST]:
        if any(check == "type" for check, _ in verdict.failures):
            gxx_type = _gxx_type(verdict.entry, generator)
            if gxx_type:
                failing.append((verdict, gxx_type))
    if not failing:
        return {}
    head = generator.lines[:_prelude_end(generator.lines)]
    return gxx.gxx_views(failing, "\n".join(head), flags, directory, c_headers=not generator.cxx)


def _prelude_end(lines):
    for number, line in enumerate(lines):
        if line.startswith("}  // namespace vorne_oracle"):
            return number + 1
    return len(lines)


def _gxx_type(entry, generator):
    name = asserts.cxx_name(entry, generator.renames)
    route = generator.routes.get(id(entry))
    if entry.kind == "member" and not isinstance(route, str) and route is not None:
        return f"decltype(std::declval<{route.outer}&>(){route.path})"
    if name is None:
        return None
    if entry.kind == "typedef":
        return name
    if entry.kind in ("variable", "function"):
        return f"decltype({name})"
    return None


def reference_analysis(header_set, directory):
    """The reference lines of a set, with castxml's model."""
    model, own, other = castxml.load(header_set, directory)
    entries, not_converted = reference.reference_entries(model, own, header_set.cxx)
    text = "".join(e.format() + "\n" for e in entries)
    return Analysis(text), model, own, other, not_converted


def scratch_directory(keep=None, name=""):
    if keep:
        path = os.path.join(keep, name)
        os.makedirs(path, exist_ok=True)
        return _Kept(path)
    return tempfile.TemporaryDirectory(prefix=f"vorne-oracle-{name}-")


class _Kept:
    def __init__(self, path):
        self.name = path

    def __enter__(self):
        return self.name

    def __exit__(self, *exc):
        return False
