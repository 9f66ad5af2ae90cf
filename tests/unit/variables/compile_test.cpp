// A script that uses every native kind and every clause form without
// declaration analysis is compiled, and the harness it generates is built
// with g++ -Wall -Wextra -Werror together with a file that defines the
// variables, then run.
#include "variables_fixture.h"

#include <cstdlib>
#include <fstream>

namespace variablestest {

namespace {

class GeneratedHarness : public VariablesFixture {
protected:
    // Builds G.cc with the definitions and runs it; the messages of what
    // failed, empty on success.
    std::string buildWith(const std::string& unit, const std::string& definitions) const {
        std::ofstream(work_ / "unit.h") << unit;
        std::ofstream(work_ / "defs.cpp") << "#include \"unit.h\"\n" << definitions;
        const std::string dir = work_.string();
        const std::string build = "g++ -std=c++17 -Wall -Wextra -Werror -I" VORNE_SOURCE_DIR "/target/lib -I" + dir +
                                  " " + dir + "/G.cc " + dir + "/defs.cpp -o " + dir + "/harness > " + dir +
                                  "/g++.log 2>&1";
        if (std::system(build.c_str()) != 0) return "g++ failed:\n" + testsupport::readFile(work_ / "g++.log");
        // Run in its directory: the results file is written where the harness runs.
        if (std::system(("cd " + dir + " && ./harness > run.log 2>&1").c_str()) != 0)
            return "the harness failed:\n" + testsupport::readFile(work_ / "run.log");
        return {};
    }
};

constexpr const char* kUnit = R"(// The unit under test: one variable of each kind.
struct Point { long x; double y; };
struct Shape { char name[4]; Point corner; Point marks[2]; unsigned count; };
extern long i, big, ranged, delta, percent, same, untouched, table[3], column[3], grid[2][3];
extern unsigned u;
extern int e, flag;
extern char c;
extern double d, ratio;
extern float f;
extern long double ld;
extern char s[16];
extern char *sp;
extern void *p, *q;
extern Point pt, pts[2];
extern Shape sh;
void update();
)";

constexpr const char* kDefinitions = R"(
long i, big, ranged, delta, percent, same = 9, untouched = 5, table[3], column[3], grid[2][3];
unsigned u;
int e, flag;
char c;
double d, ratio;
float f;
long double ld;
char s[16];
char *sp;
void *p, *q;
Point pt, pts[2];
Shape sh;
// The call: what the checks expect afterwards.
void update() {
    i += 1;
    ranged = 4;
    delta = 11;
    percent = 95;
    ratio = 10.5;
}
)";

constexpr const char* kScript = R"(HEADER every, 1, 1
BEGIN
##include "unit.h"
DEFINE STRUCTURE point
FIELD x = int
FIELD y = double
END DEFINE
DEFINE STRUCTURE shape
FIELD name[4] = char
FIELD corner = point
FIELD marks[2] = point
FIELD count = unsigned
END DEFINE
FORMAT big = HEXA
FORMAT flag = BINAIRE
SERVICE kinds
TEST every_kind_and_clause
FAMILY nominal
ELEMENT
VAR i, int, INIT = 1, EV = INIT + 1
VAR big, integer, INIT = 255, EV = 255
VAR u, unsigned, INIT = 7, EV = 7
VAR e, enum, INIT = 3, EV = 3
VAR flag, boolean, INIT = 1, EV = 1
VAR c, char, INIT = 'a', EV = 'a'
VAR d, double, INIT = 1.5, EV = 1.5
VAR f, float, INIT = 0.5, EV = 0.5
VAR ld, longdouble, INIT = 2.5, EV = 2.5
VAR s, string, INIT = "abc", EV = "abc"
VAR sp, string_ptr, INIT = "xyz", EV = "xyz"
VAR p, pointer, INIT = NIL, EV = NIL
VAR q, pointer, INIT = @i, EV = @i
VAR ranged, int, INIT = 0, MIN = 1, MAX = 5
VAR delta, int, INIT = 10, EV = 10, DELTA = 2
VAR percent, int, INIT = 100, EV = 100, DELTA = 10%
VAR ratio, double, INIT = 10.0, EV = 10.0, DELTA = 10%
VAR same, int, INIT = same, EV ==
VAR untouched, int, INIT ==, EV = 5
VAR table[0..2], int, INIT = [1, 2, 3], EV = [1, 2, 3]
VAR grid[0..1][0..2], int, INIT = I1 + I2, EV = INIT
VAR pt, point, INIT = (1, 0.5), EV = (y => 0.5, OTHERS => 1)
VAR pts[0..1], point, INIT = (x => 2, y => 2.5), EV = INIT
VAR sh, shape, INIT = (['a','b','c','d'], (1, 1.5), [(2, 2.5), (3, 3.5)], 4), EV = INIT
ARRAY column[2..0], int, INIT = 6, EV = 6
#update();
END ELEMENT
END TEST
END SERVICE
)";

TEST_F(GeneratedHarness, EveryKindAndClauseBuildsAndRuns) {
    const Outputs out = compile(kScript);
    EXPECT_EQ(out.messages.find("-E-"), std::string::npos) << out.messages;
    EXPECT_EQ(out.messages.find("-W-"), std::string::npos) << out.messages;
    EXPECT_EQ(buildWith(kUnit, kDefinitions), "") << out.generated;
}

}  // namespace

}  // namespace variablestest
