"""castxml's view of a header set: its XML read into a model, and the named
entities of the kinds vorne-decl prints, each with the file it was declared in."""
import os
import re
import tempfile
import xml.etree.ElementTree as ElementTree
from collections import Counter
from dataclasses import dataclass

from . import toolchain
from .entries import UNNAMED

RECORDS = ("Struct", "Union", "Class")
TAGS = RECORDS + ("Enumeration",)
FUNCTIONS = ("Function", "Method")
SCOPES = ("Namespace",) + RECORDS


@dataclass
class Entity:
    kind: str           # the entry kind of the line format
    name: str           # qualified as vorne-decl writes it
    element: object     # the XML element (the Enumeration for an enumerator)
    path: str           # the file that declares it
    value: str = ""     # an enumerator's value


class CastxmlError(Exception):
    pass


def run_castxml(header_set, directory):
    """Runs castxml on the set's headers; returns the path of its XML."""
    source = os.path.join(directory, "castxml_input" + (".cc" if header_set.cxx else ".c"))
    with open(source, "w") as out:
        out.write(header_set.includer())
    output = os.path.join(directory, "castxml.xml")
    if header_set.cxx:
        # libstdc++ calls the sized operator delete when g++ announces it;
        # castxml's front end must then enable it too.
        emulation = ["--castxml-cc-gnu", "g++", "-std=c++17", "-fsized-deallocation"]
    else:
        # gcc has the _FloatN types built in, castxml's front end does not:
        # they become the types glibc gives them in C++.
        emulation = ["--castxml-cc-gnu-c", "gcc", "-D_Float128=__float128", "-D_Float32=float", "-D_Float64=double",
                     "-D_Float32x=double", "-D_Float64x=long double"]
    arguments = ["castxml"] + emulation + ["--castxml-output=1", "-w"]
    arguments += header_set.compiler_flags() + ["-o", output, source]
    done = toolchain.run(arguments, timeout=300)
    if done.status != 0 or not os.path.exists(output):
        raise CastxmlError(f"castxml failed ({done.status}):\n{done.stderr[-4000:]}")
    return output


class Model:
    def __init__(self, path):
        root = ElementTree.parse(path).getroot()
        self.nodes = {e.get("id"): e for e in root if e.get("id")}
        self.files = {e.get("id"): e.get("name") for e in root.iter("File")}
        self.root = root
        self._sources = {}

    def node(self, identifier):
        return self.nodes.get(identifier)

    def name(self, element):
        """An element's own name; "" for an enumeration written without a
        name, which castxml names after the typedef that declares it."""
        name = element.get("name") or ""
        if element.tag != "Enumeration" or not name:
            return name
        line = self._source_line(self.path(element), int(element.get("line") or 0))
        if line is None or re.search(r"\benum\s+(?:class\s+|struct\s+)?" + re.escape(name) + r"\b", line):
            return name
        return ""

    def _source_line(self, path, number):
        if path not in self._sources:
            try:
                with open(path, encoding="utf-8", errors="replace") as source:
                    self._sources[path] = source.read().splitlines()
            except OSError:
                self._sources[path] = None
        lines = self._sources[path]
        return lines[number - 1] if lines and 0 < number <= len(lines) else None

    def path(self, element):
        return self.files.get(element.get("file"), "")

    def scopes(self, element):
        """The names of the scopes enclosing an element, outermost first;
        unnamed and inline namespaces leave no trace, unnamed types are
        written <anonymous>."""
        names = []
        context = self.node(element.get("context"))
        while context is not None and context.get("name") != "::":
            if context.tag != "Namespace":
                names.append(self.name(context) or UNNAMED)
            elif context.get("name") and context.get("inline") != "1":
                names.append(context.get("name"))
            context = self.node(context.get("context"))
        return list(reversed(names))

    def qualified(self, element, name=None):
        return "::".join(self.scopes(element) + [name if name is not None else self.name(element)])

    def in_record(self, element):
        context = self.node(element.get("context"))
        return context is not None and context.tag in RECORDS

    def inline_namespaces(self):
        return {e.get("name") for e in self.root.iter("Namespace") if e.get("inline") == "1"}


def entities(model):
    """Every named entity of the line format's kinds, in document order."""
    found = []
    for element in model.root:
        found.extend(_entities_of(model, element))
    return found


def _entities_of(model, element):
    tag, name = element.tag, element.get("name")
    if element.get("artificial") == "1" or element.get("file") in (None, "f0"):
        return []
    path = model.path(element)
    if tag == "Variable":
        return [Entity("member" if model.in_record(element) else "variable", model.qualified(element), element, path)]
    if tag == "Field" and name:
        return [Entity("member", model.qualified(element), element, path)]
    if tag in FUNCTIONS:
        return [Entity("function", model.qualified(element), element, path)]
    if tag == "Typedef":
        return [Entity("typedef", model.qualified(element), element, path)]
    if tag in TAGS:
        own = [Entity("tag", model.qualified(element), element, path)] if model.name(element) else []
        return own + _enumerators(model, element, path) if tag == "Enumeration" else own
    return []


def _enumerators(model, enumeration, path):
    scopes = model.scopes(enumeration)
    if enumeration.get("scoped") == "1":
        scopes = scopes + [model.name(enumeration) or UNNAMED]
    return [Entity("enumerator", "::".join(scopes + [value.get("name")]), enumeration, path, value.get("init"))
            for value in enumeration.iter("EnumValue")]


def is_template_entity(entity):
    """Template instances and what they hold (castxml writes their names with arguments)."""
    return "<" in entity.name.replace(UNNAMED, "")


def split_by_file(found, header_set):
    """(entities of the set's own files, names of the others as a Counter)."""
    own_files = header_set.own_files()
    own, other = [], Counter()
    for entity in found:
        if header_set.is_own(entity.path, own_files):
            own.append(entity)
        else:
            other[(entity.kind, entity.name)] += 1
    return own, other


def load(header_set, directory=None):
    """castxml's model of a set, with its own entities and the other names."""
    with tempfile.TemporaryDirectory(prefix="vorne-castxml-") as scratch:
        model = Model(run_castxml(header_set, directory or scratch))
    own, other = split_by_file(entities(model), header_set)
    if header_set.cxx:
        own = [e for e in own if not is_template_entity(e)]
    return model, own, other


def c_nesting(model, own):
    """Where C++ puts what C declares at file scope: a structure, union or
    enumeration defined inside a structure is global in C and a member in
    C++. Returns {C name: C++ qualified name} for those tags and the
    enumerators of those enumerations."""
    # Only a definition nests: a tag merely named inside a structure is
    # declared in the enclosing namespace in C++ too.
    records = [e.element for e in own if e.kind == "tag" and e.element.get("incomplete") != "1"]
    spans = {id(r): _span(model, r) for r in records}
    renamed = {}
    for tag in records:
        enclosing = _innermost_enclosing(model, tag, records, spans)
        if enclosing is not None:
            renamed[model.name(tag)] = (enclosing, tag)
    result = {}
    for name, (enclosing, tag) in renamed.items():
        outer = _cxx_qualified(model, enclosing, renamed)
        if outer is None:
            continue
        result[name] = f"{outer}::{name}"
        if tag.tag == "Enumeration":
            for value in tag.iter("EnumValue"):
                result[value.get("name")] = f"{outer}::{value.get('name')}"
    return result


def _span(model, record):
    lines = [int(model.node(m).get("line") or 0) for m in (record.get("members") or "").split()
             if model.node(m) is not None and model.node(m).get("file") == record.get("file")]
    first = int(record.get("line") or 0)
    return first, max(lines + [first])


def _innermost_enclosing(model, tag, records, spans):
    line = int(tag.get("line") or 0)
    best = None
    for record in records:
        if record is tag or record.tag == "Enumeration" or record.get("file") != tag.get("file"):
            continue
        first, last = spans[id(record)]
        inside = first < line <= last or (first == line and _refers_to(model, record, tag))
        if inside and (best is None or first > spans[id(best)][0]):
            best = record
    return best


def _refers_to(model, record, tag):
    for member in (record.get("members") or "").split():
        element = model.node(member)
        reference = element.get("type") if element is not None and element.tag == "Field" else None
        while reference:
            target = model.node(reference)
            if target is tag:
                return True
            reference = target.get("type") if target is not None and target.tag not in TAGS else None
    return False


def _cxx_qualified(model, record, renamed):
    name = model.name(record)
    if not name:
        return None
    if name in renamed:
        outer = _cxx_qualified(model, renamed[name][0], renamed)
        return None if outer is None else f"{outer}::{name}"
    return name
