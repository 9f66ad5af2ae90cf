"""Reference output: castxml's view of a header set written in vorne-decl's
line format, in declaration order. Fed to the assertion generator it proves
the generator, and it is what the analyser's output can be compared with."""
from . import castxml
from .entries import Entry, UNNAMED

SIMPLE = ("FundamentalType", "Typedef", "ElaboratedType") + castxml.TAGS
KEYS = {"Struct": "struct", "Union": "union", "Class": "class", "Enumeration": "enum"}
POINTERS = {"PointerType": "*", "ReferenceType": "&", "RValueReferenceType": "&&"}
CHARACTERS = ("char", "signed char")
UNSIGNED_CHARACTERS = ("char8_t", "char16_t", "char32_t")
FLOATING = ("float", "double", "long double", "__float128", "_Float128", "__bf16", "_Float16")


class Unrepresentable(Exception):
    pass


def _join(a, b):
    return f"{a} {b}" if a and b else a or b


class Writer:
    def __init__(self, model, cxx):
        self.model = model
        self.cxx = cxx

    # ---- type-ids -------------------------------------------------------------

    def type_id(self, reference):
        return self._compose(reference, "", "")

    def _compose(self, reference, inner, cv):
        element = self.model.node(reference)
        if element is None:
            raise Unrepresentable(f"unknown type {reference}")
        tag = element.tag
        if tag == "CvQualifiedType":
            words = " ".join(w for w in ("const", "volatile") if element.get(w) == "1")
            return self._compose(element.get("type"), inner, _join(cv, words))
        if tag in SIMPLE:
            return _join(_join(cv, self.spell(element)), inner)
        if tag in POINTERS or tag == "OffsetType":
            return self._pointer(element, inner, cv)
        if tag == "ArrayType":
            bound = "" if element.get("max") in ("", None) else str(int(element.get("max").rstrip("u")) + 1)
            return self._compose(element.get("type"), f"{inner}[{bound}]", cv)
        if tag in ("FunctionType", "MethodType"):
            return self.function_type_id(element, inner)
        raise Unrepresentable(tag)

    def _pointer(self, element, inner, cv):
        pointee = self.bare(element.get("type"))
        if element.tag == "OffsetType":
            mark = self.qualified_type(element.get("basetype")) + "::*"
        elif pointee.tag == "MethodType":
            mark = self.qualified_type(pointee.get("basetype")) + "::*"
        else:
            mark = POINTERS[element.tag]
        declarator = mark + _join(cv, inner)
        if pointee.tag in ("ArrayType", "FunctionType", "MethodType"):
            declarator = f"({declarator})"
        return self._compose(element.get("type"), declarator, "")

    def function_type_id(self, element, inner=""):
        """A function type from a FunctionType, MethodType, Function or Method."""
        parameters = [self._parameter(a.get("type")) for a in element.findall("Argument")]
        if element.find("Ellipsis") is not None:
            parameters.append("...")
        qualifiers = "".join(f" {w}" for w in ("const", "volatile") if element.get(w) == "1")
        if element.tag == "Method" and element.get("static") == "1":
            qualifiers = ""
        declarator = f"{inner}({', '.join(parameters)}){qualifiers}"
        return self._compose(element.get("returns"), declarator, "")

    def _parameter(self, reference):
        """A parameter's type; castxml gives it adjusted, and a va_list
        parameter then points to the compiler's own record, which has no
        name C++ can write: it is written as the builtin list again."""
        pointee = self.bare(self.bare(reference).get("type")) if self.bare(reference).tag == "PointerType" else None
        if pointee is not None and pointee.get("name") == "__va_list_tag" and pointee.get("file") == "f0":
            return "__builtin_va_list"
        return self.type_id(reference)

    def spell(self, element):
        tag = element.tag
        if tag == "FundamentalType":
            return "bool" if element.get("name") == "_Bool" else element.get("name")
        if tag == "ElaboratedType":
            return self.spell(self.model.node(element.get("type")))
        if tag == "Typedef":
            return self._name(element)
        return f"{KEYS[tag]} {self._name(element)}" if self.model.name(element) else f"{KEYS[tag]} {UNNAMED}"

    def _name(self, element):
        name = self.model.qualified(element)
        if UNNAMED in name.split("::")[:-1]:
            raise Unrepresentable(f"{name} lies inside an unnamed type")
        return name

    def qualified_type(self, reference):
        return self._name(self.bare(reference))

    def bare(self, reference):
        """The type without qualifiers and elaboration."""
        element = self.model.node(reference)
        while element is not None and element.tag in ("CvQualifiedType", "ElaboratedType"):
            element = self.model.node(element.get("type"))
        return element

    def resolved(self, reference):
        """The type without qualifiers, elaboration, typedefs and references."""
        element = self.bare(reference)
        while element is not None and element.tag in ("Typedef", "ReferenceType", "RValueReferenceType"):
            element = self.bare(element.get("type"))
        return element

    # ---- script kind and size -------------------------------------------------

    def kind_and_size(self, reference):
        element = self.resolved(reference)
        tag = element.tag
        if tag == "FundamentalType":
            return self._fundamental(element)
        if tag == "Enumeration":
            return "ENTIER", self._fundamental(self.resolved(element.get("type")))[1]
        if tag in ("PointerType", "OffsetType"):
            pointee = self.resolved(element.get("type"))
            text = "CHAINE" if self._is_character(pointee) else "POINTEUR"
            return text, int(element.get("size") or 64)
        if tag == "ArrayType":
            return ("CHAINE" if self._is_character(self.resolved(element.get("type"))) else "POINTEUR"), 0
        if tag in ("FunctionType", "MethodType"):
            return "POINTEUR", 0
        return "INCONNU", 0

    def _is_character(self, element):
        return element is not None and element.tag == "FundamentalType" and element.get("name") in CHARACTERS

    def _fundamental(self, element):
        name = element.get("name")
        size = int(element.get("size") or 0)
        if name == "void":
            return "ENTIER", 0
        if name in ("bool", "_Bool"):
            return "BOOLEEN", size
        if name in FLOATING:
            return "REEL", 0
        if name in CHARACTERS:
            return "CARACTERE", -size
        unsigned = "unsigned" in name or name in UNSIGNED_CHARACTERS
        return "ENTIER", size if unsigned else -size

    # ---- entries --------------------------------------------------------------

    def entries(self, entity):
        element, kind = entity.element, entity.kind
        if kind == "enumerator":
            size = self._fundamental(self.resolved(element.get("type")))[1]
            return [Entry("enumerator", entity.name, entity.value, "ENTIER", size)]
        if kind == "tag":
            script_kind, size = self.kind_and_size(element.get("id"))
            return [Entry("tag", entity.name, self.spell(element), script_kind, size, self._access(element))]
        if kind == "function":
            return [Entry("function", entity.name, self.function_type_id(element), "POINTEUR", 0,
                          self._access(element))]
        if element.get("bits"):
            return [self._bit_field(entity)]
        script_kind, size = self.kind_and_size(element.get("type"))
        return [Entry(kind, entity.name, self.type_id(element.get("type")), script_kind, size,
                      self._access(element) if kind == "member" else [])]

    def _bit_field(self, entity):
        element = entity.element
        declared = self.type_id(element.get("type"))
        _, size = self.kind_and_size(element.get("type"))
        width = int(element.get("bits"))
        return Entry("member", entity.name, f"{declared} : {width}", "BIT", -width if size < 0 else width,
                     self._access(element))

    def _access(self, element):
        return [element.get("access")] if self.cxx and element.get("access") else []


def declaration_order(model, own):
    """The own entities in the order a reader meets them: a scope's members
    in order, the members of a structure right after its tag, a nested
    unnamed structure's members before the member or typedef that uses it."""
    wanted = {id(e.element): [] for e in own}
    for entity in own:
        wanted[id(entity.element)].append(entity)
    ordered, seen = [], set()
    global_scope = next(e for e in model.root.iter("Namespace") if e.get("name") == "::")
    _walk(model, global_scope, wanted, ordered, seen)
    ordered += [e for e in own if id(e) not in seen]
    return ordered


def _walk(model, scope, wanted, ordered, seen):
    for identifier in (scope.get("members") or "").split():
        element = model.node(identifier)
        if element is None:
            continue
        for entity in wanted.get(id(element), []):
            if id(entity) not in seen:
                seen.add(id(entity))
                ordered.append(entity)
        if element.tag in castxml.SCOPES:
            _walk(model, element, wanted, ordered, seen)


def reference_entries(model, own, cxx):
    """(entries, names castxml knows that the line format cannot carry)."""
    writer = Writer(model, cxx)
    result, left = [], []
    for entity in declaration_order(model, own):
        try:
            result.extend(writer.entries(entity))
        except Unrepresentable as why:
            left.append(f"{entity.kind} {entity.name}: {why}")
    return result, left
