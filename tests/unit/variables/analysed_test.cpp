// VAR statements with declaration analysis: variables, values and lists are
// C expressions typed over the declarations of the unit's header.
#include "variables_fixture.h"

#include "analyser/analyser.h"
#include "analyser/symbols_internal.h"

#include <cstdlib>
#include <fstream>

namespace variablestest {

namespace {

constexpr const char* kHeader = R"(
struct point { int x; int y; };
struct shape { struct point origin; int sides; char name[8]; double area; };
union value { int i; float f; };
struct empty_bits { int : 3; };
struct packet { int kind; union { int code; float level; }; };
enum color { RED, GREEN = 5, BLUE };
extern int x;
extern long lv;
extern double d;
extern char *s;
extern int *p;
extern int t[4];
extern int m[2][3];
extern int huge[0x80000000];
extern struct point pt;
extern struct shape sh;
extern union value uv;
extern struct empty_bits eb;
extern struct packet pk;
extern struct point pts[2];
extern const int limit;
extern enum color col;
)";

std::string flat(std::string text) {
    std::erase(text, '\n');
    return text;
}

bool has(const std::string& generated, const std::string& piece) { return contains(generated, flat(piece)); }

class Analysed : public VariablesFixture {
protected:
    void SetUp() override {
        VariablesFixture::SetUp();
        driver::settings().analysis = true;
        static const bool started = (analyser::CPP_prepro_init(true, false, {}, {}, analyser::diagnosticsCallback()), true);
        (void)started;
        analyser::decl::resetTable(analyser::decl::globalTable());
        analyser::analyseDeclarations(kHeader, true, "unit.h", 1, analyser::diagnosticsCallback());
    }

    // The outputs with every line break removed: lines longer than 80
    // columns are folded, the pieces compared here are unfolded.
    Outputs run(const std::string& body) {
        Outputs out = compile(inElement(body));
        out.generated = flat(out.generated);
        return out;
    }
};

// The lines of the examples, to the letter.
TEST_F(Analysed, ScalarsGiveTheirLinesToTheLetter) {
    const Outputs out = run("VAR x, INIT = 1, EV = 2\nVAR lv, INIT = 1, EV = 2\nVAR d, INIT = 1.5, EV = 1.5\n"
                            "VAR p, INIT = NIL, EV = NIL\nVAR x, INIT == , MIN = 0, MAX = 5\n"
                            "VAR x, INIT = 10, EV = 10, DELTA = 2\nVAR x, INIT = 10, EV = 10, DELTA = 10%\n"
                            "VAR s, INIT = \"abc\", EV = \"abc\"\nVAR x, INIT == , EV ==\n");
    EXPECT_TRUE(has(out.generated, "x = 1;\n")) << out.generated;
    EXPECT_TRUE(has(out.generated, "try {\nvorne_run.EDV_INTEGER_CPP(0,0,(long)(x),0+5,10, (long)((int)2), "
                                        "(long)((int)2));\n } catch (...) { }\n"))
        << out.generated;
    EXPECT_TRUE(has(out.generated, "vorne_run.EDV_INTEGER_CPP(0,0,(long)(lv),0+6,10, (long)(2), (long)(2));"));
    EXPECT_TRUE(has(out.generated, "d = 1.5;\n"));
    EXPECT_TRUE(has(out.generated, "vorne_run.EDV_DOUBLE_CPP(0,0, (double)(d),0+7,(double)(1.5),(double)(1.5));"));
    EXPECT_TRUE(has(out.generated, "p = (int *)NIL;\n"));
    EXPECT_TRUE(has(out.generated, "vorne_run.EDV_POINTER_CPP(0,0,(void*)(p),0+8,(void*)(NIL));"));
    EXPECT_TRUE(has(out.generated, "(long)(x),0+9,10, (long)((int)0), (long)((int)5));"));
    EXPECT_TRUE(has(out.generated, "(long)((int)((10) - (2>=0?2:-(2)))), (long)((int)((10) + (2>=0?2:-(2)))));"));
    EXPECT_TRUE(has(out.generated, "(long)((int)((10) - (10*(10)/100>=0?10*(10)/100:-(10*(10)/100))))"))
        << "the percentage over the expected value, VA expanded";
    EXPECT_TRUE(has(out.generated, "vorne_run.INI_STR_CPP((char *)(s), 0, 0+12 , vorne_run.CONCAT_STR_CPP(\"abc\",("));
    EXPECT_TRUE(has(out.generated, "vorne_run.EDV_INTEGER_CPP(0,1,(long)(x),0+13,10, (long)((int)0), (long)((int)0));"));
    EXPECT_EQ(count(out.generated, "x = 1"), 3) << "INIT == writes no initialisation";
}

TEST_F(Analysed, ArraysLoopOverTheirDeclaredOrWrittenRanges) {
    const Outputs out = run("VAR t[1..3], INIT = 0, EV = 0\nVAR t, INIT = {1, 2, 3, 4}, EV = {2 => 5, others => 0}\n"
                            "VAR m, INIT = {{1, 2, 3}, {4, 5, 6}}, EV = INIT\n");
    EXPECT_TRUE(has(out.generated, "for( I1=1;I1 <= 3;++I1){\nt[I1] = 0;\n}\n")) << out.generated;
    EXPECT_TRUE(has(out.generated, "((0)*3)+I1-(1)+5"));
    EXPECT_TRUE(has(out.generated, "for( I1=0;I1 <= 3;++I1){\nt[I1] = (I1 == (0)?1:(I1 == (1)?2:(I1 == (2)?3:4)));"));
    EXPECT_TRUE(has(out.generated, "(long)((int)((I1 == 2?5:0)))"));
    EXPECT_TRUE(has(out.generated, "m[I1][I2] = (I1 == (0)?(I2 == (0)?1:(I2 == (1)?2:3)):(I2 == (0)?4:(I2 == (1)?5:6)));"));
    EXPECT_TRUE(contains(out.records, " t[0..3] INIT=")) << out.records;
    EXPECT_TRUE(balanced(out.generated)) << "no string holds a brace";
    EXPECT_EQ(out.messages.find("-W-"), std::string::npos) << out.messages;
}

TEST_F(Analysed, StructuresExpandLeafByLeafBetweenBrackets) {
    const Outputs out = run("VAR sh, INIT = {{1, 2}, 4, \"sq\", 1.5}, EV = INIT\nVAR uv, INIT == , EV ==\n"
                            "VAR pk, INIT = {kind => 1, 2 => {7}}, EV = INIT\nVAR eb, INIT = {}, EV = {}\n"
                            "VAR pts, INIT = {x => 1, others => 0}, EV = INIT\nVAR uv, INIT = {f => 1.5}, EV = INIT\n");
    EXPECT_TRUE(has(out.generated, "sh.origin.x = 1;\nsh.origin.y = 2;\nsh.sides = 4;\n")) << out.generated;
    EXPECT_TRUE(has(out.generated, "vorne_run.OPEN_BRA_CPP(5);\n"));
    EXPECT_TRUE(has(out.generated, "vorne_run.OPEN_BRA_CPP(6);\n"));
    EXPECT_TRUE(has(out.generated, "sh.area = 1.5;\n"));
    EXPECT_TRUE(has(out.generated, "(long)(uv.i),0+"));
    EXPECT_TRUE(has(out.generated, "uv.f = 1.5;\n"));
    EXPECT_TRUE(has(out.generated, "pk.code = 7;\n"));
    EXPECT_TRUE(has(out.generated, "for( I1=0;I1 <= 1;++I1){\npts[I1].x = 1;\npts[I1].y = 0;\n}\n"));
    EXPECT_TRUE(contains(out.messages, "CHAMUNION,  [t.ptu:8] The tested member of union uv is not determined")) << out.messages;
    EXPECT_TRUE(contains(out.messages, "VARNOTEST")) << out.messages;
    EXPECT_TRUE(balanced(out.generated)) << "no string holds a brace";
}

TEST_F(Analysed, RefusedAggregatesAndVariablesSayWhy) {
    const Outputs out = run("VAR pt, INIT = {1, 2, 3}, EV = INIT\nVAR pt, INIT = {3 => 1}, EV = INIT\n"
                            "VAR t, INIT = {1, 2}, EV = 0\nVAR pt.z, INIT = 0, EV = 0\nVAR t[1..], INIT = 0, EV = 0\n"
                            "VAR limit, INIT = 4, EV = 4\nVAR x, INIT = x = 1, EV = 2\n");
    for (const char* code : {"NBVALINCO", "NUMCHAINC", "OMIVALTAB", "CHAMPINCO", "SYNTAXERR", "CONSTINIT", "AFFECTATI"})
        EXPECT_TRUE(contains(out.messages, code)) << code << "\n" << out.messages;
    EXPECT_EQ(count(out.messages, "LIGNERRON"), 6) << out.messages;
}

TEST_F(Analysed, PseudoMacrosLastOneScalar) {
    const Outputs out = run("VAR x, INIT = 3, EV = INIT + 1\nVAR lv, INIT = 1, EV = INIT\nVAR d, INIT == , EV = VA\n");
    EXPECT_TRUE(has(out.generated, "(long)((int)(3+1))")) << out.generated;
    EXPECT_TRUE(contains(out.messages, "IDENTIINC,  [t.ptu:9] Unknown ident VA")) << out.messages;
}

// Hostile statements end with diagnostics, never a crash.
TEST_F(Analysed, HostileStatementsEndWithDiagnostics) {
    std::string many = "{";
    for (int k = 0; k < 10000; ++k) many += k ? ",1" : "1";
    many += "}";
    const std::string body = "VAR " + std::string(8000, 'v') + ", INIT = 0, EV = 0\n" +
                             "VAR x, INIT = " + std::string(10000, '(') + "1" + std::string(10000, ')') + ", EV = 0\n" +
                             "VAR huge, INIT = 0, EV = 0\nVAR t, INIT = " + many + ", EV = 0\n";
    const Outputs out = run(body);
    for (const char* code : {"IDENTIINC", "SYNTAXERR", "BORSUPINC", "NBVALINCO"})
        EXPECT_TRUE(contains(out.messages, code)) << code;
    EXPECT_EQ(count(out.messages, "LIGNERRON"), 4);
}


// One variable of each kind the C analyser types, with every clause form:
// the harness builds with g++ -Wall -Wextra -Werror beside a file that
// defines the variables, and every check passes when it runs.
constexpr const char* kEveryKind = R"(/* One variable of each kind the analyser types. */
typedef int base_t;
typedef base_t level_t;
typedef level_t depth_t;
enum mode { IDLE, BUSY = 4 };
struct inner { short a; unsigned short b; };
struct outer { struct inner in; long long big; struct inner pair[2]; };
struct flags { unsigned ready : 1; unsigned mode : 3; };
union number { int i; double d; };
struct packet { int kind; union { int code; float level; }; };
struct node { int value; struct node *next; };
extern signed char sc;
extern unsigned char uc;
extern char pc;
extern short sh;
extern unsigned short ush;
extern int in;
extern unsigned un;
extern long lo;
extern unsigned long ulo;
extern long long ll;
extern unsigned long long ull;
extern bool flag;
extern float fl;
extern double db;
extern long double ld;
extern enum mode md;
extern char *str;
extern char name[8];
extern struct node *head;
extern int (*handler)(int);
extern struct flags fs;
extern int vec[3];
extern int grid[2][2];
extern struct inner parts[2];
extern struct outer ou;
extern union number num;
extern struct packet pk;
extern const int limit;
extern depth_t depth;
int twice(int v);
void update(void);
)";

constexpr const char* kEveryKindDefinitions = R"(signed char sc; unsigned char uc; char pc; short sh; unsigned short ush; int in; unsigned un; long lo;
unsigned long ulo; long long ll; unsigned long long ull; bool flag; float fl; double db; long double ld;
enum mode md; static char text[16]; char *str = text; char name[8]; struct node *head; int (*handler)(int);
struct flags fs; int vec[3]; int grid[2][2]; struct inner parts[2]; struct outer ou; union number num;
struct packet pk; const int limit = 12; depth_t depth;
int twice(int v) { return 2 * v; }
// The call: what the checks expect afterwards.
void update(void) {
    in += 1;
    lo = 4;
    db = 10.5;
    md = BUSY;
}
)";

constexpr const char* kEveryKindScript = R"(HEADER every, 1, 1
BEGIN
##include "unit.h"
FORMAT ush = HEXA
SERVICE kinds
TEST every_kind_and_clause
FAMILY nominal
ELEMENT
VAR sc, INIT = -3, EV = -3
VAR uc, INIT = 200, EV = 200
VAR pc, INIT = 'z', EV = 'z'
VAR sh, INIT = -300, EV = INIT
VAR ush, INIT = 0xBEEF, EV = 48879
VAR in, INIT = 1, EV = INIT + 1
VAR un, INIT = 7U, EV = 7
VAR lo, INIT = 0, MIN = 1, MAX = 5
VAR ulo, INIT = 100UL, EV = 100, DELTA = 10%
VAR ll, INIT = 10LL, EV = 11, DELTA = 2
VAR ull, INIT = 18446744073709551615ULL, EV = INIT
VAR flag, INIT = true, EV = 1
VAR fl, INIT = 0.5, EV = 0.5
VAR db, INIT = 10.0, EV = 10.0, DELTA = 10%
VAR ld, INIT = 2.5, EV = 2.5, DELTA = 0.1
VAR md, INIT = IDLE, EV = BUSY
VAR str, INIT = "abc", EV = "abc"
VAR name, INIT = "xyz", EV = "xyz"
VAR head, INIT = NIL, EV = NIL
VAR handler, INIT = &twice, EV = &twice
VAR fs, INIT = {1, 5}, EV = INIT
VAR vec, INIT = {1, 2, 3}, EV = {1, 2, 3}
VAR grid, INIT = I1 + I2, EV = INIT
VAR grid[0..1][1..1], INIT == , EV = {{1}, {2}}
VAR parts, INIT = {a => -1, b => 2}, EV = INIT
VAR ou, INIT = {{1, 2}, 3, {4, 5}}, EV = INIT
VAR num, INIT = {d => 0.25}, EV = INIT
VAR pk, INIT = {1, {2}}, EV = INIT
VAR limit, INIT == , EV = 12
VAR depth, INIT = 3, EV ==
VAR vec[0..1], INIT == , EV = {0 => 1, others => 2}
#update();
END ELEMENT
END TEST
END SERVICE
)";

TEST_F(Analysed, EveryKindAndClauseBuildsAndPasses) {
    analyser::decl::resetTable(analyser::decl::globalTable());
    analyser::analyseDeclarations(kEveryKind, true, "unit.h", 1, analyser::diagnosticsCallback());
    const Outputs out = compile(kEveryKindScript);
    EXPECT_EQ(out.messages.find("-E-"), std::string::npos) << out.messages;
    EXPECT_EQ(out.messages.find("-W-"), std::string::npos) << out.messages;
    std::ofstream(work_ / "unit.h") << kEveryKind;
    std::ofstream(work_ / "defs.cpp") << "#include \"unit.h\"\n" << kEveryKindDefinitions;
    const std::string dir = work_.string();
    const std::string build = "g++ -std=c++17 -Wall -Wextra -Werror -I" VORNE_SOURCE_DIR "/target/lib -I" + dir + " " +
                              dir + "/G.cc " + dir + "/defs.cpp -o " + dir + "/harness > " + dir + "/g++.log 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << testsupport::readFile(work_ / "g++.log") << out.generated;
    EXPECT_EQ(std::system(("cd " + dir + " && ./harness > run.log 2>&1").c_str()), 0)
        << testsupport::readFile(work_ / "run.log");
}

}  // namespace

}  // namespace variablestest
