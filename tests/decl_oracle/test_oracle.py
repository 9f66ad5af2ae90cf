"""The oracle must catch a wrong entry, never pass it nor leave it out.

Each case changes one field of one reference entry of the fixtures and
expects exactly that entry to fail, on the check named; the untouched
entries must still agree."""
import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from oracle import check, headersets, routes, toolchain  # noqa: E402
from oracle.entries import Entry, parse_text, split_name  # noqa: E402

# (entry kind, entry name, field changed, new value, check expected to fail)
C_MUTATIONS = [
    ("typedef", "size_type", "type", "unsigned int", "type"),
    ("typedef", "callback_t", "type", "int (*)(void *, long)", "type"),
    ("variable", "counter", "size", "32", "size"),
    ("variable", "names", "type", "const char *[]", "type"),
    ("variable", "ticks", "type", "int", "type"),
    ("variable", "head", "script_kind", "CHAINE", "kind"),
    ("enumerator", "GREEN", "type", "6", "value"),
    ("enumerator", "NEGATIVE", "type", "18446744073709551614", "value"),
    ("tag", "value", "type", "struct value", "reach"),
    ("tag", "colour", "size", "-32", "size"),
    ("member", "node::delta", "bits", "-6", "width"),
    ("member", "node::stamp", "type", "long long unsigned int : 41", "format"),
    ("member", "node::ready", "script_kind", "REEL", "kind"),
    ("member", "node::label", "type", "char [15]", "type"),
    ("member", "holder::matrix", "type", "int (*)[5]", "type"),
    ("member", "<anonymous>::<anonymous>::width", "type", "short", "type"),
    ("member", "<anonymous>::<anonymous>::as_float", "type", "double", "type"),
    ("member", "outer::first", "type", "struct node *", "type"),
    ("function", "add", "type", "int (int, long)", "type"),
    ("function", "print_all", "type", "int (const char *)", "type"),
    ("function", "pick", "type", "int (*(int))(void *, long)", "type"),
    ("variable", "weights", "type", "double [8", "format"),
    ("variable", "counter_", "script_kind", "ENTIERS", "format"),
]

CXX_MUTATIONS = [
    ("member", "geometry::point::x", "type", "float", "type"),
    ("member", "geometry::shape::flags", "bits", "4", "width"),
    ("member", "geometry::shape::metric", "type", "int geometry::shape::*", "type"),
    ("member", "geometry::point::dimensions", "type", "int", "type"),
    ("enumerator", "geometry::axis::z", "type", "201", "value"),
    ("enumerator", "geometry::bottom_right", "size", "32", "size"),
    ("typedef", "geometry::detail::callback", "type", "void (*)(geometry::shape &, int)", "type"),
    ("typedef", "geometry::shape::id_type", "type", "long", "type"),
    ("variable", "geometry::counter_ref", "type", "int", "type"),
    ("tag", "geometry::shape::bounds", "type", "union geometry::shape::bounds", "reach"),
]


def prerequisites():
    for program in ("g++", "castxml"):
        if not toolchain.have(program):
            return f"{program} is not installed"
    return None


def mutate(entries, mutations):
    """The entries with the mutations applied; a name ending in "_" is a
    copy of the entry named without it, added with the change."""
    result = list(entries)
    for kind, name, field, value, _ in mutations:
        invented = name.endswith("_")
        base = name.rstrip("_")
        index = next(i for i, e in enumerate(result) if e.kind == kind and e.name == base)
        original = result[index]
        changed = Entry(original.kind, name, original.type, original.script_kind, original.size, list(original.extra))
        if field == "bits":      # the width of a bit field: type and size together
            changed.type = f"{changed.bit_field()[0]} : {abs(int(value))}"
            changed.size = int(value)
        else:
            setattr(changed, field, int(value) if field == "size" else value)
        if invented:
            result.insert(index + 1, changed)
        else:
            result[index] = changed
    return result


@unittest.skipIf(prerequisites(), prerequisites())
class MutationsAreCaught(unittest.TestCase):
    def run_mutations(self, set_name, mutations):
        header_set = headersets.by_name(set_name)
        with tempfile.TemporaryDirectory() as directory:
            analysis, model, own, other, _ = check.reference_analysis(header_set, directory)
            entries, errors = parse_text(analysis.text)
            self.assertEqual(errors, [])
            text = "".join(e.format() + "\n" for e in mutate(entries, mutations))
            report = check.check(header_set, check.Analysis(text, stderr=None), directory, model, own, other)
        failing = {(v.entry.kind, v.entry.name): v for v in report.failing()}
        for kind, name, field, value, expected in mutations:
            with self.subTest(entry=name, field=field, value=value):
                verdict = failing.pop((kind, name), None)
                self.assertIsNotNone(verdict, f"{kind} {name} with {field} = {value!r} was not caught")
                if expected:
                    self.assertIn(expected, [c for c, _ in verdict.failures], verdict.failures)
        self.assertEqual(failing, {}, "entries failed that were not changed")
        self.assertEqual(report.header_errors, [])

    def test_c_fixture(self):
        self.run_mutations("fixture-c", C_MUTATIONS)

    def test_cxx_fixture(self):
        self.run_mutations("fixture-cxx", CXX_MUTATIONS)

    def test_names_neither_compiler_knows_are_listed(self):
        header_set = headersets.by_name("fixture-c")
        with tempfile.TemporaryDirectory() as directory:
            analysis, model, own, other, _ = check.reference_analysis(header_set, directory)
            text = analysis.text + "variable\tinvented_by_the_analyser\tint\tENTIER\t-32\n"
            report = check.check(header_set, check.Analysis(text, stderr=None), directory, model, own, other)
        self.assertEqual([e.name for e in report.unknown], ["invented_by_the_analyser"])
        self.assertEqual(report.failing(), [])

    def test_missing_entries_lower_the_coverage(self):
        header_set = headersets.by_name("fixture-c")
        with tempfile.TemporaryDirectory() as directory:
            analysis, model, own, other, _ = check.reference_analysis(header_set, directory)
            kept = [line for line in analysis.text.splitlines(True) if not line.startswith("enumerator")]
            report = check.check(header_set, check.Analysis("".join(kept), stderr=None), directory, model, own, other)
        self.assertLess(report.coverage, 1.0)
        self.assertIn("enumerator RED", report.unmatched)
        self.assertTrue(any("coverage" in p for p in report.problems()))


class AnalysisOutcome(unittest.TestCase):
    def test_statuses_and_levels(self):
        cases = [
            (check.Analysis("", status=0), []),
            (check.Analysis("", status=3), []),
            (check.Analysis("", status=5), ["status 5"]),
            (check.Analysis("", status=-11), ["crashed"]),
            (check.Analysis("", status=-1, timed_out=True), ["hang"]),
        ]
        for analysis, expected in cases:
            with self.subTest(status=analysis.status):
                problems = " ".join(analysis.problems())
                for word in expected:
                    self.assertIn(word, problems)
                if not expected:
                    self.assertEqual(problems, "")

    def test_an_error_diagnostic_fails_a_clean_status(self):
        analysis = check.run_vorne_decl.__globals__["Analysis"]("", stderr="", status=0)
        analysis.levels.update({"E": 1})
        self.assertTrue(any("level E" in p for p in analysis.problems()))


class LineFormat(unittest.TestCase):
    def test_refused_lines(self):
        text = "variable\tx\tint\tENTIER\n" "thing\tx\tint\tENTIER\t0\n" "variable\tx\tint\tENTIER\tbig\n" \
               "variable\t\tint\tENTIER\t0\n" "member\tS::a\tint : 3\tBIT\t-3\textra\tpublic\n"
        entries, errors = parse_text(text)
        self.assertEqual(len(errors), 4)
        self.assertEqual(entries[0].bit_field(), ("int", 3))
        self.assertEqual(entries[0].access, "public")

    def test_qualified_names_split_outside_templates_and_operators(self):
        self.assertEqual(split_name("a::b<c::d, e<f::g>>::h"), ["a", "b<c::d, e<f::g>>", "h"])
        self.assertEqual(split_name("ns::S::operator<"), ["ns", "S", "operator<"])
        self.assertEqual(split_name("ns::operator()"), ["ns", "operator()"])
        self.assertEqual(split_name("std::ns::T::x : 3"), ["std", "ns", "T", "x : 3"])

    def test_a_qualified_type_is_not_a_bit_field(self):
        entry = Entry("member", "S::m", "ns::T", "INCONNU", 0)
        self.assertIsNone(entry.bit_field())
        self.assertEqual(Entry("member", "S::m", "ns::T : 2", "BIT", 2).bit_field(), ("ns::T", 2))


class UnnamedStructures(unittest.TestCase):
    def resolve(self, lines):
        entries, errors = parse_text("\n".join("\t".join(line.split("|")) for line in lines))
        self.assertEqual(errors, [])
        found = routes.resolve(entries, {"S": "struct", "stat": "struct"})
        return {e.name + "@" + str(e.line): found.get(id(e)) for e in entries if e.kind == "member"}

    def test_routes(self):
        found = self.resolve([
            "member|S::<anonymous>::a|int|ENTIER|-32",      # union { int a; } u;
            "member|S::u|union <anonymous>|INCONNU|0",
            "member|S::<anonymous>::b|int|ENTIER|-32",      # union { int b; };
            "member|S::c|int|ENTIER|-32",
            "member|<anonymous>::<anonymous>::x|int|ENTIER|-32",
            "member|<anonymous>::in|struct <anonymous>|INCONNU|0",
            "member|<anonymous>::y|int|ENTIER|-32",
            "typedef|T|struct <anonymous>|INCONNU|0",
            "member|<anonymous>::v|int|ENTIER|-32",
            "variable|object|const struct <anonymous>|INCONNU|0",
            "member|<anonymous>::lost|int|ENTIER|-32",
            "function|f|int ()|POINTEUR|0",
            "member|<anonymous>::N::z|int|ENTIER|-32",
            "member|stat::st_mode|int|ENTIER|-32",
            "function|stat|int (const char *, struct stat *)|POINTEUR|0",
        ])
        expected = {
            "S::<anonymous>::a@1": ("::S", ".u.a"),
            "S::<anonymous>::b@3": ("::S", ".b"),
            "S::c@4": ("::S", ".c"),
            "stat::st_mode@14": ("struct ::stat", ".st_mode"),
            "<anonymous>::<anonymous>::x@5": ("::T", ".in.x"),
            "<anonymous>::y@7": ("::T", ".y"),
            "<anonymous>::v@9": ("decltype(::object)", ".v"),
        }
        for name, (outer, path) in expected.items():
            with self.subTest(member=name):
                self.assertEqual((found[name].outer, found[name].path), (outer, path))
        self.assertIsInstance(found["<anonymous>::lost@11"], str)
        self.assertIsInstance(found["<anonymous>::N::z@13"], str)


if __name__ == "__main__":
    unittest.main()
