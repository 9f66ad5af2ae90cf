"""The C++ file of static_asserts that g++ must accept for a list of entries.

Each entry gets a probe line that names it without its printed type (when
g++ rejects the probe, the entry is one g++ cannot reach by that name and is
left out with the reason), then one line per assertion, so that every error
g++ reports maps back to one entry and one check.
"""
import os
import re
from dataclasses import dataclass, field

from . import routes
from .entries import UNNAMED, is_unnamed_namespace

PRELUDE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "prelude.hpp")
KIND_NAMES = ("ENTIER", "BOOLEEN", "CARACTERE", "REEL", "CHAINE", "ENUM", "POINTEUR", "BIT", "INCONNU",
              "PTR_CHAINE", "PRIVATE", "FUNCPOINTEUR")
TAG_KEYS = ("struct", "union", "class", "enum")
_FORBIDDEN = re.compile(r"[;{}\"'#\\\n]")


@dataclass
class Verdict:
    """What became of one entry."""
    entry: object
    left_out: str = None                              # the reason, when not checked
    failures: list = field(default_factory=list)      # (check, message)
    notes: list = field(default_factory=list)

    @property
    def checked(self):
        return self.left_out is None


@dataclass
class Plan:
    source: str
    lines: dict          # line number -> (verdict, check)
    verdicts: list


def balanced(text):
    depth = {"(": 0, "[": 0, "<": 0}
    closing = {")": "(", "]": "[", ">": "<"}
    for c in text:
        if c in depth:
            depth[c] += 1
        elif c in closing:
            depth[closing[c]] -= 1
            if depth[closing[c]] < 0:
                return False
    return not any(depth.values())


def malformed(type_id):
    """Why a printed type-id cannot be put into C++ text, or None."""
    if not type_id.strip():
        return "empty type"
    if _FORBIDDEN.search(type_id) or not balanced(type_id.replace("->", "")):
        return f"malformed type-id {type_id!r}"
    return None


def cxx_name(entry, renames=None):
    """The entry's name as g++ reaches it from the global scope, or None."""
    scopes = [s for s in entry.scopes if not is_unnamed_namespace(s)]
    if UNNAMED in scopes:
        return None
    if renames and len(scopes) == 1 and entry.kind in ("tag", "enumerator") and scopes[0] in renames:
        return "::" + renames[scopes[0]]
    return "::" + "::".join(scopes)


_ELABORATED = re.compile(r"\b(struct|union|enum)\s+([A-Za-z_]\w*)\b(?!\s*::)")


def in_cxx(type_id, renames):
    """A C type-id as C++ names it: tags defined inside a structure are
    qualified by it."""
    if not renames:
        return type_id
    return _ELABORATED.sub(lambda m: f"{m.group(1)} ::{renames[m.group(2)]}" if m.group(2) in renames else m.group(0),
                           type_id)


def literal(value):
    """A C++ literal for a decimal value, or None when it has no 64-bit form."""
    if not re.fullmatch(r"-?\d+", value.strip()):
        return None
    number = int(value)
    if number >= 0:
        return f"{number}ull" if number < 2 ** 64 else None
    if number == -2 ** 63:
        return "(-9223372036854775807ll - 1)"
    return f"({number}ll)" if number > -2 ** 63 else None


def headers_source(headers):
    """The includes of the assertion file: the standard helpers, the headers."""
    return "#include <climits>\n#include <type_traits>\n#include <utility>\n" + \
        "".join(f"#include <{h}>\n" for h in headers).rstrip("\n")


class Generator:
    def __init__(self, entries, cxx, renames=None, macros=frozenset()):
        self.entries = entries
        self.macros = macros
        self.cxx = cxx
        self.renames = renames or {}
        self.tag_keys = {e.name: e.type.split()[0] for e in entries if e.kind == "tag" and e.type.split()}
        self.routes = routes.resolve(entries, self.tag_keys, self.renames)
        self.lines = []
        self.line_map = {}

    def plan(self, headers, own_filter=None):
        verdicts = []
        self._emit(None, None, headers_source(headers))
        with open(PRELUDE) as prelude:
            self._emit(None, None, prelude.read().rstrip("\n"))
        for number, entry in enumerate(self.entries):
            verdict = Verdict(entry)
            verdicts.append(verdict)
            if own_filter is not None and not own_filter(entry):
                verdict.left_out = "declared outside the set's own files"
                continue
            self._entry(number, verdict)
        return Plan("\n".join(self.lines) + "\n", self.line_map, verdicts)

    def _emit(self, verdict, check, text):
        for line in text.split("\n"):
            self.lines.append(line)
            if verdict is not None:
                self.line_map[len(self.lines)] = (verdict, check)

    def _entry(self, number, verdict):
        result = self._checks(number, verdict.entry)
        if isinstance(result, str):
            verdict.left_out = result
            return
        for check, text in result:
            if check == "refused":
                verdict.failures.append(("format", text))
            else:
                self._emit(verdict, check, text)

    def _hidden(self, entry):
        names = set(entry.scopes)
        route = self.routes.get(id(entry))
        if isinstance(route, routes.Route):
            names |= set(route.path.split("."))
        return bool(names & self.macros)

    def _type(self, entry):
        return in_cxx(entry.declared_type(), self.renames)

    # ---- per kind ------------------------------------------------------------

    def _checks(self, number, entry):
        if entry.script_kind not in KIND_NAMES:
            return [("refused", f"unknown script kind {entry.script_kind!r}")]
        if self._hidden(entry):
            return "hidden by a macro"
        if entry.kind == "member":
            return self._member(number, entry)
        name = cxx_name(entry, self.renames)
        if name is None:
            return "declared in an unnamed type"
        if entry.kind == "enumerator":
            return self._enumerator(number, entry, name)
        if entry.kind == "tag":
            return self._tag(number, entry, name)
        problem = malformed(entry.type)
        if problem:
            return [("refused", problem)]
        if UNNAMED in entry.type:
            return "its type is an unnamed structure"
        if entry.kind == "typedef":
            return self._typed(number, entry, name, f"using vorne_probe_{number} = {name};")
        if entry.kind == "function":
            return self._function(number, entry, name)
        return self._typed(number, entry, f"decltype({name})", f"using vorne_probe_{number} = decltype({name});")

    def _typed(self, number, entry, gxx_type, probe):
        return [("reach", probe),
                ("type", f"static_assert(std::is_same_v<vorne_oracle::unrestricted_t<{gxx_type}>, "
                         f"{self._type(entry)}>);")] + self._kind_and_size(entry, gxx_type)

    def _kind_and_size(self, entry, gxx_type, kind_extra=""):
        checks = [("kind", f"static_assert((vorne_oracle::kinds<{gxx_type}>(){kind_extra}) & "
                           f"vorne_oracle::{entry.script_kind});")]
        if entry.size != 0:
            checks.append(("size", f"static_assert(vorne_oracle::signed_bits<{gxx_type}>() == {entry.size});"))
        return checks

    def _function(self, number, entry, name):
        owner = "::".join(entry.scopes[:-1])
        if owner in self.tag_keys:
            return "member function"
        # Compared without the exception specification: glibc gives C functions
        # noexcept in C++, and castxml does not record it.
        same = f"std::is_same_v<vorne_oracle::plain_t<decltype({name})>, vorne_oracle::plain_t<{self._type(entry)}>>"
        return [("reach", f"using vorne_probe_{number} = decltype({name});"),
                ("type", f"static_assert({same});")] + self._kind_and_size(entry, f"decltype({name})")

    def _member(self, number, entry):
        route = self.routes.get(id(entry))
        if isinstance(route, str):
            return route
        if entry.access not in (None, "public"):
            return "not public"
        problem = malformed(entry.type)
        if problem:
            return [("refused", problem)]
        if UNNAMED in entry.type:
            return "its type is an unnamed structure"
        gxx_type = f"decltype(std::declval<{route.outer}&>(){route.path})"
        checks = [("reach", f"using vorne_probe_{number} = {gxx_type};"),
                  ("type", f"static_assert(std::is_same_v<vorne_oracle::unrestricted_t<{gxx_type}>, "
                           f"{self._type(entry)}>);")]
        bits = entry.bit_field()
        if bits is None:
            return checks + self._kind_and_size(entry, gxx_type)
        if entry.size != 0 and abs(entry.size) != bits[1]:
            return [("refused", f"the width {bits[1]} of the type and the size {entry.size} differ")]
        checks += self._kind_and_size(entry, gxx_type, " | vorne_oracle::BIT")[:1]
        if entry.size != 0:
            checks.append(("size", f"static_assert((vorne_oracle::signed_bits<{gxx_type}>() < 0) == ({entry.size} < 0));"))
        checks.append(("width", self._width(route, bits[1])))
        return checks

    @staticmethod
    def _width(route, width):
        target = f"object{route.path}"
        return (f"static_assert([] {{ std::remove_cv_t<{route.outer}> object{{}}; int width = 0; "
                f"if constexpr (std::is_same_v<decltype({target}), bool>) return 1; "
                f"else {{ for (; width < 64; ++width) {{ {target} = static_cast<decltype({target})>(1ull << width); "
                f"if (vorne_oracle::value_of({target}) == 0) break; }} return width; }} }}() == {width});")

    def _enumerator(self, number, entry, name):
        value = literal(entry.type)
        if value is None:
            return [("refused", f"enumerator value {entry.type!r} is not a 64-bit decimal number")]
        checks = [("reach", f"constexpr auto vorne_probe_{number} = {name};"),
                  ("value", f"static_assert(vorne_oracle::same_value(vorne_oracle::value_of({name}), {value}));")]
        # A C enumerator is an int, its C++ twin has the enumeration's type:
        # only C++ sizes are comparable.
        kind_and_size = self._kind_and_size(entry, f"decltype({name})")
        return checks + (kind_and_size if self.cxx else kind_and_size[:1])

    def _tag(self, number, entry, name):
        words = entry.type.split(None, 1)
        if len(words) != 2 or words[0] not in TAG_KEYS:
            return [("refused", f"a tag is written as its key and name, not {entry.type!r}")]
        if malformed(words[1]):
            return [("refused", malformed(words[1]))]
        key = words[0]
        own = f"{key} {name}"
        return [("reach", f"using vorne_probe_{number} = {own};"),
                ("type", f"static_assert(std::is_same_v<{own}, {self._type(entry)}>);")] + self._kind_and_size(entry, own)
