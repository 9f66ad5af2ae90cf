"""The header sets the oracle checks: real Debian headers and our fixtures.

The files that count as a set's own are those its Debian packages installed
(`dpkg-query -L`), or for a fixture the files of its directory: the entries
of libc or of another library a header includes belong to their own set.
"""
import functools
import os
from dataclasses import dataclass, field

from . import toolchain

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FIXTURES = os.path.join(HERE, "fixtures")


@dataclass
class HeaderSet:
    name: str
    language: str                 # "c" or "c++"
    headers: list                 # as written in #include <...>
    packages: list = field(default_factory=list)   # Debian packages whose files are the set's own
    pkg_config: list = field(default_factory=list)
    coverage: float = 0.99        # least share of castxml's entities vorne-decl must enter
    include_dirs: list = field(default_factory=list)
    own_dirs: list = field(default_factory=list)   # fixtures: every file below counts
    # Where vorne-decl finds the standard headers: "compiler" puts the search
    # list of gcc (g++ for C++) after the set's own directories, "target"
    # gcc's list only, leaving the C++ library to the target package's
    # stand-ins.
    system: str = "compiler"
    # g++ always defines _GNU_SOURCE; C headers are read with it everywhere
    # so that gcc, castxml and the analyser see the declarations g++ sees.
    defines: list = field(default_factory=list)

    @property
    def cxx(self):
        return self.language == "c++"

    def compiler_flags(self):
        """-I and -D flags of the set, or None when a pkg-config module is missing."""
        flags = [f"-I{d}" for d in self.include_dirs] + [f"-D{d}" for d in self.defines]
        for module in self.pkg_config:
            module_flags = toolchain.pkg_config_flags(module)
            if module_flags is None:
                return None
            flags += [f for f in module_flags if f.startswith(("-I", "-D"))]
        return flags

    def own_files(self):
        files = set()
        for package in self.packages:
            files |= toolchain.package_files(package)
        return files

    def is_own(self, path, own_files):
        real = _real_path(path)
        if real in own_files:
            return True
        return any(real.startswith(os.path.realpath(d) + os.sep) for d in self.own_dirs)

    def missing(self):
        """Why the set cannot be checked on this machine (naming the Debian
        package), or None."""
        if self.compiler_flags() is None:
            return f"pkg-config module {' '.join(self.pkg_config)} missing: install {self.packages[0]}"
        directories = self.search_directories()
        for header in self.headers:
            if toolchain.find_header(header, directories) is None:
                package = self.packages[0] if self.packages else "its fixture"
                return f"<{header}> not found: install the Debian package {package}"
        return None

    def search_directories(self):
        flags = self.compiler_flags() or []
        own = [f[2:] for f in flags if f.startswith("-I")]
        driver = "g++" if self.cxx else "gcc"
        return own + toolchain.search_directories(driver, self.language)

    def includer(self):
        return "".join(f"#include <{h}>\n" for h in self.headers)


@functools.lru_cache(maxsize=None)
def _real_path(path):
    return os.path.realpath(path)


def _c(name, headers, packages, pkg_config=()):
    return HeaderSet(name, "c", list(headers), list(packages), list(pkg_config), 0.99, defines=["_GNU_SOURCE"])


def _cxx(name, headers, packages, pkg_config=()):
    return HeaderSet(name, "c++", list(headers), list(packages), list(pkg_config), 0.95, system="target")


# The libc6-dev headers the preprocessor comparison reads.
LIBC_HEADERS = ["stdio.h", "stdlib.h", "string.h", "stdint.h", "limits.h", "pthread.h", "signal.h", "math.h"]

SETS = [
    _c("libc", LIBC_HEADERS, ["libc6-dev"]),
    _c("zlib", ["zlib.h"], ["zlib1g-dev"]),
    _c("sqlite3", ["sqlite3.h"], ["libsqlite3-dev"]),
    _c("lua", ["lua.h", "lauxlib.h"], ["liblua5.4-dev"], ["lua5.4"]),
    _c("libxml2", ["libxml/tree.h", "libxml/parser.h"], ["libxml2-dev"], ["libxml-2.0"]),
    _c("expat", ["expat.h"], ["libexpat1-dev"]),
    _c("png", ["png.h"], ["libpng-dev"], ["libpng"]),
    _c("zstd", ["zstd.h"], ["libzstd-dev"]),
    _c("glib", ["glib.h"], ["libglib2.0-dev"], ["glib-2.0"]),
    _c("gtk", ["gtk/gtk.h"], ["libgtk-3-dev"], ["gtk+-3.0"]),
    _cxx("tinyxml2", ["tinyxml2.h"], ["libtinyxml2-dev"]),
    _cxx("pugixml", ["pugixml.hpp"], ["libpugixml-dev"]),
    _cxx("jsoncpp", ["json/json.h"], ["libjsoncpp-dev"], ["jsoncpp"]),
    _cxx("yaml-cpp", ["yaml-cpp/yaml.h"], ["libyaml-cpp-dev"]),
    _cxx("fmt", ["fmt/core.h"], ["libfmt-dev"]),
    _cxx("spdlog", ["spdlog/spdlog.h"], ["libspdlog-dev"], ["spdlog"]),
    _cxx("nlohmann-json", ["nlohmann/json.hpp"], ["nlohmann-json3-dev"]),
    HeaderSet("fixture-c", "c", ["oracle_c.h"], coverage=1.0,
              include_dirs=[os.path.join(FIXTURES, "c")], own_dirs=[os.path.join(FIXTURES, "c")]),
    HeaderSet("fixture-cxx", "c++", ["oracle_cxx.hpp"], coverage=1.0, system="compiler",
              include_dirs=[os.path.join(FIXTURES, "cxx")], own_dirs=[os.path.join(FIXTURES, "cxx")]),
]


def by_name(name):
    for header_set in SETS:
        if header_set.name == name:
            return header_set
    raise KeyError(name)
