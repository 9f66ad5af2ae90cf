"""g++ over a generated assertion file, its errors mapped back to entries."""
import os
import re

from . import toolchain

_LOCATED = re.compile(r"^(?P<file>[^:\s][^:]*):(?P<line>\d+):(?:\d+:)?\s*(?P<rest>.*)$")

# C headers read as C++ take their C branches, as gcc (and castxml) read them.
C_HEADERS = ["-D__STDC_VERSION__=201710L"]
OVERLOADED = ("overloaded function", "cannot resolve address of overloaded")
NOT_PUBLIC = ("is private within this context", "is protected within this context", "within this context")
WRONG_KEY = ("referred to as", "tag used in naming")
TEMPLATE = ("missing template arguments", "use of class template", "invalid use of template-name",
            "is not a template", "template argument")


def compile_source(source, flags, directory, timeout=300, c_headers=False):
    path = os.path.join(directory, "oracle_check.cc")
    with open(path, "w") as out:
        out.write(source)
    arguments = ["g++", "-std=c++17", "-fsyntax-only", "-w", "-fmax-errors=0", "-ftemplate-backtrace-limit=1",
                 "-fno-diagnostics-show-caret", "-fdiagnostics-plain-output"] + (C_HEADERS if c_headers else []) + flags + ["-x", "c++", path]
    return path, toolchain.run(arguments, timeout=timeout)


def macro_names(headers_source, flags, directory, c_headers=False):
    """The names the headers define as macros: an entry of that name cannot
    be written in C++ text."""
    path = os.path.join(directory, "oracle_macros.cc")
    with open(path, "w") as out:
        out.write(headers_source)
    arguments = ["g++", "-std=c++17", "-E", "-dM"] + (C_HEADERS if c_headers else []) + flags + ["-x", "c++", path]
    done = toolchain.run(arguments, timeout=300)
    names = set()
    for line in done.stdout.splitlines():
        words = line.split(None, 2)
        if len(words) >= 2 and words[0] == "#define" and (len(words) < 3 or words[2] != words[1]):
            names.add(words[1].split("(")[0])     # "#define stdin stdin" hides nothing
    return names


def errors_by_line(stderr, path, mapped=()):
    """({line of our file: [messages]}, [errors in the headers not caused by one of our lines]).
    An error inside a helper or a header goes to the entry line that
    instantiated it, or that expanded the macro it lies in."""
    ours, stray = {}, []
    context, pending = None, []
    base = os.path.basename(path)

    def settle():
        stray.extend(text for _, text in pending)
        pending.clear()

    for text in stderr.splitlines():
        match = _LOCATED.match(text)
        if not match:
            if text.startswith("In file included from") or ": In " in text:
                context = None
                settle()
            continue
        in_ours = os.path.basename(match.group("file")) == base
        rest, line = match.group("rest"), int(match.group("line"))
        if in_ours and ("required from" in rest or rest.startswith("in ")):
            context = line
            continue
        if in_ours and rest.startswith("note:"):
            if "in expansion of macro" in rest and pending:
                ours.setdefault(line, []).extend(message for message, _ in pending)
                ours[line].append(rest)
                pending.clear()
            else:
                ours.setdefault(line, []).append(rest)
            continue
        if not rest.startswith(("error:", "fatal error:")):
            continue
        settle()
        if in_ours and (line in mapped or context is None):
            ours.setdefault(line, []).append(rest)
        elif context is not None:
            ours.setdefault(context, []).append(f"{rest} ({match.group('file')}:{line})")
        else:
            pending.append((f"{rest} ({match.group('file')}:{line})", text))
    settle()
    return ours, stray


def probe_reason(messages):
    """Why g++ could not reach an entry, from the errors of its probe line;
    None when the errors say the printed entry is wrong."""
    text = " ".join(messages)
    if any(s in text for s in WRONG_KEY):
        return None
    if "in expansion of macro" in text:
        return "hidden by a macro"
    if any(s in text for s in OVERLOADED):
        return "overloaded"
    if any(s in text for s in NOT_PUBLIC):
        return "not public"
    if any(s in text for s in TEMPLATE):
        return "a template"
    return "not reachable by that name in C++"


def first_error(messages):
    for message in messages:
        if message.startswith(("error:", "fatal error:")):
            return message
    return messages[0] if messages else ""


def apply(plan, ours):
    """Records every mapped error on its entry's verdict."""
    probes_failed = set()
    for line in sorted(ours):
        mapped = plan.lines.get(line)
        if mapped is None:
            continue
        verdict, check = mapped
        messages = ours[line]
        if check == "reach":
            reason = probe_reason(messages)
            if reason is None:
                verdict.failures.append(("reach", first_error(messages)))
            else:
                verdict.left_out = reason
                verdict.notes.append(first_error(messages))
                probes_failed.add(id(verdict))
        elif id(verdict) in probes_failed:
            continue
        elif check == "width" and "static assertion failed" not in " ".join(messages):
            verdict.notes.append("bit-field width not provable: " + first_error(messages))
        else:
            verdict.failures.append((check, first_error(messages)))


def unmapped(ours, plan):
    """Errors on lines that belong to no entry (the includes or the helpers)."""
    return [f"line {line}: {first_error(m)}" for line, m in sorted(ours.items())
            if line not in plan.lines and any(x.startswith(("error:", "fatal error:")) for x in m)]


_SEES = re.compile(r"gxx_sees<(.*)>' (?:has incomplete type|is incomplete)|gxx_sees<(.*)> [a-z_0-9]+'")


def gxx_views(failing, headers_source, flags, directory, c_headers=False):
    """g++'s view of the types of failing typed entries: {id(verdict): text}."""
    lines, owners = [headers_source], {}
    for verdict, gxx_type in failing:
        lines.append(f"vorne_oracle::gxx_sees<{gxx_type}> vorne_view_{len(owners)};")
        owners[len(lines)] = verdict
    path, done = compile_source("\n".join(lines) + "\n", flags, directory, c_headers=c_headers)
    views = {}
    for text in done.stderr.splitlines():
        match = _LOCATED.match(text)
        if not match or os.path.basename(match.group("file")) != os.path.basename(path):
            continue
        verdict = owners.get(int(match.group("line")))
        seen = re.search(r"gxx_sees<(.*)>", match.group("rest"))
        if verdict is not None and seen and id(verdict) not in views:
            views[id(verdict)] = seen.group(1)
    return views
