"""How g++ reaches each member: the type of the outermost named object and
the path of member accesses from it.

Members of an unnamed structure come, in declaration order, before the
declaration that uses the structure; that declaration tells how they are
reached:
  struct S { union { int a; } u; };      S::<anonymous>::a, then S::u  -> S .u.a
  struct S { union { int a; }; };        S::<anonymous>::a alone       -> S .a
  typedef struct { int a; } T;           <anonymous>::a, then T        -> T .a
                                         (T's type written "struct <anonymous>" or "T")
  struct { int a; } v;                   <anonymous>::a, then v        -> decltype(v) .a
"""
import re
from dataclasses import dataclass, field

from .entries import UNNAMED

_PLAIN_UNNAMED = re.compile(r"^(?:(?:const|volatile)\s+)*(?:struct|union|class)\s+<anonymous>(?:\s+(?:const|volatile))*$")


@dataclass
class Route:
    outer: str = ""      # a type-id g++ can name
    path: str = ""       # ".u.a"


@dataclass
class _Group:
    owner: tuple
    members: list = field(default_factory=list)
    parent: object = None      # the enclosing _Group, None when the enclosing type is named
    relative: str = None       # the access from the enclosing object: "" or ".u"
    root: str = None           # the outer type when the group is outermost


def is_plain_unnamed(type_id):
    return bool(_PLAIN_UNNAMED.match(type_id.strip()))


def owner_type(owner, tag_keys, renames=None, hidden=frozenset()):
    """A named owner as g++ names it: elaborated when a function or variable
    of the same name would hide it (struct stat, stat())."""
    joined = "::".join(owner)
    name = "::" + (renames[joined] if renames and joined in renames else joined)
    key = tag_keys.get(joined)
    return f"{key} {name}" if joined in hidden and key in ("struct", "union", "class") else name


def resolve(entries, tag_keys, renames=None):
    """{id(entry): Route or reason} for every member entry."""
    routes, stack, groups = {}, [], []
    hidden = {e.name for e in entries if e.kind in ("function", "variable")}

    def close_until(entry):
        owner = tuple(entry.scopes[:-1]) if entry.kind == "member" else None
        while stack and not (owner is not None and owner[:len(stack[-1].owner)] == stack[-1].owner):
            _bind(stack.pop(), entry, stack)

    for entry in entries:
        close_until(entry)
        if entry.kind != "member":
            continue
        owner = tuple(entry.scopes[:-1])
        if UNNAMED not in owner:
            routes[id(entry)] = Route(owner_type(owner, tag_keys, renames, hidden), "." + entry.scopes[-1])
        elif owner[-1] != UNNAMED:
            routes[id(entry)] = "inside an unnamed type"
        else:
            _open(owner, stack, groups).members.append(entry)
    while stack:
        _bind(stack.pop(), None, stack)
    for group in groups:
        _route_group(group, routes, tag_keys, renames, hidden)
    return routes


def _open(owner, stack, groups):
    if stack and stack[-1].owner == owner:
        return stack[-1]
    enclosing = owner[:-1]
    parent = None
    if enclosing and enclosing[-1] == UNNAMED:
        parent = _open(enclosing, stack, groups)
    group = _Group(owner, parent=parent)
    stack.append(group)
    groups.append(group)
    return group


def _bind(group, closing, stack):
    """Decides how the group's members are reached from the entry that closed it."""
    enclosing = group.owner[:-1]
    if closing is not None and closing.kind == "typedef" and tuple(closing.scopes[:-1]) == enclosing \
            and closing.type.strip() in (closing.name, closing.scopes[-1]):
        group.root = "::" + closing.name        # the typedef that names the type (for linkage)
        return
    if closing is not None and is_plain_unnamed(closing.type):
        if closing.kind == "member" and tuple(closing.scopes[:-1]) == enclosing:
            group.relative = "." + closing.scopes[-1]
            return
        if not enclosing and closing.kind == "typedef" and len(closing.scopes) == 1:
            group.root = "::" + closing.name
            return
        if not enclosing and closing.kind == "variable" and len(closing.scopes) == 1:
            group.root = f"decltype(::{closing.name})"
            return
    if enclosing:
        group.relative = ""      # an anonymous member: its members belong to the enclosing type


def _route_group(group, routes, tag_keys, renames, hidden):
    outer, path = _group_access(group, tag_keys, renames, hidden)
    for entry in group.members:
        routes[id(entry)] = Route(outer, path + "." + entry.scopes[-1]) if outer else "member of an unnamed type"


def _group_access(group, tag_keys, renames, hidden):
    if group.root is not None:
        return group.root, ""
    if group.relative is None:
        return None, ""
    enclosing = group.owner[:-1]
    if group.parent is not None:
        outer, path = _group_access(group.parent, tag_keys, renames, hidden)
        return outer, path + group.relative
    return owner_type(enclosing, tag_keys, renames, hidden), group.relative
