"""The one-line format of vorne-decl: one named entry per line, tab-separated.

    kind <TAB> qualified name <TAB> type-id (or value) <TAB> script kind <TAB> signed size [<TAB> more...]
"""
import re
from dataclasses import dataclass, field

KINDS = ("typedef", "variable", "function", "member", "enumerator", "tag")
ACCESS_WORDS = ("public", "protected", "private")
UNNAMED = "<anonymous>"

# A bit field is written "declared type : width"; "::" of a qualified name is
# never taken for the colon.
_BIT_FIELD = re.compile(r"^(.*?\S)\s*(?<!:):(?!:)\s*(\d+)\s*$")
_UNNAMED_NAMESPACE = re.compile(r"^vorne_unnamed_namespace_\d+$")


@dataclass
class Entry:
    kind: str
    name: str
    type: str
    script_kind: str
    size: int
    extra: list = field(default_factory=list)
    line: int = 0

    @property
    def access(self):
        """The access of a C++ member, or None (C, or not given)."""
        for word in self.extra:
            if word in ACCESS_WORDS:
                return word
        return None

    @property
    def scopes(self):
        return split_name(self.name)

    def bit_field(self):
        """(declared type, width) of a bit-field member, or None."""
        if self.kind != "member":
            return None
        match = _BIT_FIELD.match(self.type)
        return (match.group(1), int(match.group(2))) if match else None

    def declared_type(self):
        bits = self.bit_field()
        return bits[0] if bits else self.type

    def format(self):
        fields = [self.kind, self.name, self.type, self.script_kind, str(self.size)] + list(self.extra)
        return "\t".join(fields)


def split_name(name):
    """Scopes of a qualified name; "::" inside template arguments or after
    "operator" does not split."""
    parts, depth, start, i = [], 0, 0, 0
    while i < len(name):
        c = name[i]
        if c in "<(" and not _is_operator_tail(name, start, i):
            depth += 1
        elif c in ">)" and depth > 0 and not _is_operator_tail(name, start, i):
            depth -= 1
        elif c == ":" and depth == 0 and name.startswith("::", i):
            parts.append(name[start:i])
            i += 2
            start = i
            continue
        i += 1
    parts.append(name[start:])
    return parts


def _is_operator_tail(name, start, i):
    return name[start:i].startswith("operator")


def is_unnamed_namespace(scope):
    return bool(_UNNAMED_NAMESPACE.match(scope))


class FormatError(Exception):
    pass


def parse_line(text, number):
    fields = text.rstrip("\r").split("\t")
    if len(fields) < 5:
        raise FormatError(f"line {number}: {len(fields)} fields, at least 5 expected: {text!r}")
    kind, name, type_id, script_kind, size = fields[:5]
    if kind not in KINDS:
        raise FormatError(f"line {number}: unknown entry kind {kind!r}")
    if not name:
        raise FormatError(f"line {number}: empty name")
    if not re.fullmatch(r"-?\d+", size):
        raise FormatError(f"line {number}: size {size!r} is not a number")
    return Entry(kind, name, type_id, script_kind, int(size), fields[5:], number)


def parse_text(text):
    """Entries in order, and the format errors of the lines that were refused."""
    entries, errors = [], []
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip():
            continue
        try:
            entries.append(parse_line(line, number))
        except FormatError as error:
            errors.append(str(error))
    return entries, errors
