// Structure statements missing or out of place: each gets its diagnostic,
// and the harness still builds.
#include "harness_fixture.h"

namespace harnesstest {

namespace {

class Misplaced : public HarnessFixture {};

// Braces outside literals and comments balance in a file.
int braceBalance(const std::string& text) {
    int depth = 0;
    for (const std::string& line : lines(text)) {
        char quote = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quote) {
                if (c == '\\') ++i;
                else if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
                break;
            } else if (c == '{' || c == '}') {
                depth += c == '{' ? 1 : -1;
                if (depth < 0) return depth;
            }
        }
    }
    return depth;
}

const std::vector<std::string> kVocabulary = {
    "BEGIN",        "SERVICE a",          "END SERVICE",   "TEST t",        "END TEST",
    "FAMILY f",     "END FAMILY",         "ELEMENT",       "END ELEMENT",   "NEXT_TEST",
    "INITIALIZATION", "END INITIALIZATION", "TERMINATION", "#// native",    "COMMENT c",
};

// Every script of up to three structure statements.
TEST_F(Misplaced, EveryShortOrderBalancesItsBraces) {
    const std::size_t n = kVocabulary.size();
    std::size_t checked = 0;
    for (std::size_t a = 0; a < n; ++a)
        for (std::size_t b = 0; b <= n; ++b)
            for (std::size_t c = 0; c <= n; ++c) {
                std::string script = kVocabulary[a] + "\n";
                if (b < n) script += kVocabulary[b] + "\n";
                if (c < n) script += kVocabulary[c] + "\n";
                const Outputs out = compile(script);
                ASSERT_EQ(braceBalance(out.generated), 0) << script << out.generated;
                ASSERT_EQ(braceBalance(out.companion), 0) << script << out.companion;
                ++checked;
            }
    EXPECT_EQ(checked, n * (n + 1) * (n + 1));
}

struct Case {
    const char* script;
    std::vector<const char*> messages;
};

const Case kCases[] = {
    {"ELEMENT\nEND ELEMENT\n",
     {"[t.ptu:1] Missing keyword BEGIN", "[t.ptu:1] HEADER keyword must be the first one",
      "[t.ptu:1] Missing keyword SERVICE", "[t.ptu:1] Missing keyword TEST", "[t.ptu:2] Missing keyword  END SERVICE",
      "[t.ptu:2] Missing keyword END TEST"}},
    {"BEGIN\nEND SERVICE\nEND TEST\nEND ELEMENT\nEND FAMILY\nFAMILY f\n",
     {"[t.ptu:2] Wrong place for the  END SERVICE keyword", "[t.ptu:3] Wrong place for the END TEST keyword",
      "[t.ptu:4] Wrong place for the END ELEMENT keyword", "[t.ptu:5] Wrong place for the END FAMILY keyword",
      "[t.ptu:6] Wrong place for the FAMILY keyword"}},
    {"BEGIN\nSERVICE a\nEND TEST\nEND ELEMENT\nTEST t\nEND ELEMENT\n",
     {"[t.ptu:3] Wrong place for the END TEST keyword", "[t.ptu:3] Missing keyword TEST",
      "[t.ptu:4] Wrong place for the END ELEMENT keyword", "[t.ptu:6] Wrong place for the END ELEMENT keyword",
      "[t.ptu:6] Missing keyword ELEMENT"}},
    {"BEGIN\nSERVICE a\nSERVICE b\nTEST t\nTEST u\nELEMENT\nELEMENT\n",
     {"[t.ptu:3] Missing keyword  END SERVICE", "[t.ptu:3] No test in the service A",
      "[t.ptu:5] Missing keyword END TEST", "[t.ptu:7] Missing keyword END ELEMENT"}},
    {"BEGIN\nSERVICE a\nTEST t\nFAMILY f\nFAMILY g\nELEMENT\nFAMILY h\nEND ELEMENT\nEND FAMILY\nEND FAMILY\n",
     {"[t.ptu:5] Wrong place for the FAMILY keyword", "[t.ptu:7] Wrong place for the FAMILY keyword",
      "[t.ptu:10] Wrong place for the END FAMILY keyword"}},
    {"BEGIN\nSERVICE a\nTEST t\nINITIALIZATION\n#vorne_run.NUM_TEST = 0;\nTEST u\nELEMENT\n",
     {"[t.ptu:4] Missing keyword  END SERVICE", "[t.ptu:4] Missing keyword END TEST",
      "[t.ptu:6] Missing keyword END INITIALIZATION", "[t.ptu:6] Missing keyword SERVICE"}},
    {"TEST a\nEND SERVICE\nTEST b\nEND SERVICE\n", {"[t.ptu:3] Missing keyword SERVICE"}},
    {"TERMINATION\n#vorne_run.NUM_TEST = 1;\nSERVICE s\nTERMINATION\nEND TERMINATION\nEND TERMINATION\nEND INITIALIZATION\n",
     {"[t.ptu:3] Missing keyword END TERMINATION", "[t.ptu:4] Missing keyword  END SERVICE",
      "[t.ptu:6] Wrong place for the END TERMINATION keyword",
      "[t.ptu:7] Wrong place for the END INITIALIZATION keyword"}},
    {"NEXT_TEST\nNEXT_TEST\nELEMENT\nNEXT_TEST\nEND TEST\nNEXT_TEST\n",
     {"[t.ptu:1] Missing keyword TEST", "[t.ptu:6] Missing keyword TEST"}},
    {"BEGIN\nSERVICE a\nTEST t LOOP 2\nELEMENT\nSERVICE a\nTEST t LOOP 3\nELEMENT\n",
     {"[t.ptu:5] Missing keyword END ELEMENT", "[t.ptu:5] A service used more than once"}},
    {"HEADER m, 1, 1\nBEGIN\nINITIALIZATION\nINITIALIZATION\nSERVICE s\nEND INITIALIZATION\n",
     {"[t.ptu:4] Missing keyword END INITIALIZATION", "[t.ptu:5] Missing keyword END INITIALIZATION",
      "[t.ptu:6] Wrong place for the END INITIALIZATION keyword"}},
};

TEST_F(Misplaced, DiagnosedAndStillBuilt) {
    for (const Case& c : kCases) {
        const Outputs out = compile(c.script);
        for (const char* message : c.messages)
            EXPECT_NE(out.messages.find(message), std::string::npos) << c.script << "\n" << out.messages;
        EXPECT_EQ(build(false), "") << c.script;
    }
}

}  // namespace

}  // namespace harnesstest
