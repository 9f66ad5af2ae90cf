"""The programs the oracle drives: pkg-config, dpkg, the compilers' search lists."""
import functools
import os
import shutil
import subprocess
from dataclasses import dataclass


@dataclass
class Completed:
    status: int          # exit status, or -signal when killed by a signal
    stdout: str
    stderr: str
    seconds: float
    timed_out: bool = False


def run(arguments, timeout=300, cwd=None):
    import time
    start = time.monotonic()
    try:
        done = subprocess.run(arguments, capture_output=True, timeout=timeout, cwd=cwd)
    except subprocess.TimeoutExpired as expired:
        return Completed(-1, _text(expired.stdout), _text(expired.stderr), time.monotonic() - start, True)
    return Completed(done.returncode, _text(done.stdout), _text(done.stderr), time.monotonic() - start)


def _text(data):
    return (data or b"").decode("utf-8", errors="replace")


def have(program):
    return shutil.which(program) is not None


@functools.lru_cache(maxsize=None)
def pkg_config_flags(module):
    """The -I and -D flags of a pkg-config module, or None when it is missing."""
    if not have("pkg-config"):
        return None
    done = run(["pkg-config", "--cflags", module], timeout=30)
    return done.stdout.split() if done.status == 0 else None


@functools.lru_cache(maxsize=None)
def search_directories(driver, language):
    """The system include directories of gcc or g++, in their order."""
    done = run([driver, "-E", "-Wp,-v", "-x", language, "/dev/null"], timeout=30)
    directories, inside = [], False
    for line in done.stderr.splitlines():
        if line.startswith("#include <...>"):
            inside = True
        elif line.startswith("End of search list"):
            inside = False
        elif inside and line.startswith(" "):
            directories.append(os.path.realpath(line.strip()))
    return directories


@functools.lru_cache(maxsize=None)
def package_files(package):
    """Real paths of the files a Debian package installed (empty when it is not)."""
    if not have("dpkg-query"):
        return frozenset()
    done = run(["dpkg-query", "-L", package], timeout=30)
    if done.status != 0:
        return frozenset()
    return frozenset(os.path.realpath(line) for line in done.stdout.splitlines()
                     if line.startswith("/") and os.path.isfile(line))


def find_header(header, directories):
    for directory in directories:
        candidate = os.path.join(directory, header)
        if os.path.isfile(candidate):
            return candidate
    return None
