// TEST, END TEST, FAMILY and END FAMILY: test names and loops, the lazy
// declarations of service, test and family, and the test body.
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "variables/variables.h"
#include "harness/templates.h"

namespace harness {

namespace detail {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

// Leading blanks removed, runs of blanks and tabs made one blank, upper-cased.
std::string normaliseTestName(std::string_view text) {
    std::string name;
    for (char c : diag::trimView(text)) {
        if (!blank(c)) name.push_back(c);
        else if (!name.empty() && name.back() != ' ') name.push_back(' ');
    }
    return diag::upperCased(name);
}

std::string_view loopKeyword() { return output::inKeywordLanguage("BOUCLE", "LOOP"); }

// The position of the loop keyword standing alone after at least two
// characters of name, or npos.
std::size_t loopKeywordPosition(std::string_view text) {
    const std::string_view keyword = loopKeyword();
    for (std::size_t at = 2; at + keyword.size() <= text.size(); ++at) {
        if (!blank(text[at - 1])) continue;
        const std::size_t end = at + keyword.size();
        if (end < text.size() && !blank(text[end])) continue;
        if (diag::upperCased(text.substr(at, keyword.size())) == keyword) return at;
    }
    return std::string_view::npos;
}

// Splits "name LOOP count" and checks the count.
std::string_view takeLoop(std::string_view text, Current& c) {
    c.loopGiven = false;
    const std::size_t at = loopKeywordPosition(text);
    if (at == std::string_view::npos) return text;
    c.loopText = diag::trim(text.substr(at + loopKeyword().size()));
    if (c.loopText.empty()) {
        diag::warning("INDBOUINC", text);
    } else {
        c.loop = evaluateLoopCount(c.loopText);
        if (c.loop.failed) {
        } else if (!c.loop.integer) diag::error("TYPBOUCLE", c.loopText);
        else if (c.loop.constant && c.loop.value < 1) diag::error("VALBOUCER", c.loopText);
        else c.loopGiven = true;
    }
    return text.substr(0, at);
}

void enterTest(std::string name) {
    Current& c = state().current;
    Blocks& b = state().blocks;
    Generation& g = generation();
    g.testName = std::move(name);
    ++g.testNumber;
    g.level = 2;
    generation().testLoopCounter = 0;
    c.serviceHadTest = true;
    c.familyMissingReported = false;
    b.inTest = true;
    b.elementSeen = b.testHasVariables = b.familyGiven = b.familyBlockOpen = false;
    state().pending.test = true;
}

// Both lookups run, so that each marks its list's entry used.
bool testDeselected(const std::string& name) {
    const bool selected = testSelected(name);
    return !selected || excludedService(generation().serviceFullName);
}

// T3 and the "R" record, with T4 when the count is not known while compiling.
void openTestLoop() {
    Current& c = state().current;
    if (!c.loopGiven) return;
    const int counter = ++generation().testLoopCounter;
    output::useLoopCounter('J', counter);
    emitTemplate(templates::kTestLoop, {std::to_string(counter), c.loopText});
    const int number = generation().structureNumber;
    writeNumberedRecord(Record::Repetition, c.loop.constant ? std::to_string(c.loop.value) : "?");
    if (!c.loop.constant) emitTemplate(templates::kRepetitionDeclaration, {std::to_string(number), c.loopText});
}

// D2 and T1: the "T" record, the test body's sections and its opening.
void declareTest() {
    if (!state().pending.test) return;
    state().pending.test = false;
    const Generation& g = generation();
    const int number = writeDeclarationRecord(Record::Test, g.testName);
    if (g.testName != kImplicitTest) {
        state().lists.declaredTestsOfService.add(g.testName);
        state().lists.declaredTestsOfProgram.add(g.testName);
    }
    output::openTestSections();
    writeSection(Section::Current, "");
    emitTemplate(templates::kTestOpening,
                 {std::to_string(number), stringLiteralBody(g.testName), std::to_string(g.testNumber)});
    flushPending(Owner::Test, true);
    if (config::settings().tsfGiven) output::describeTest(g.testName, g.testNumber, number);
    openTestLoop();
}

// D3: the "F" record with the family's pending comments.
void declareFamily() {
    if (!state().pending.family) return;
    state().pending.family = false;
    writeNumberedRecord(Record::Family, state().current.familyText);
    flushPending(Owner::Family, false);
}

// T2, then the test body and its closing lines join the main stream.
void closeTestBody() {
    if (!output::testAssembled()) return;
    emitTemplate(templates::kTestClosing, {});
    output::closeTestSections();
}

void leaveTest() {
    Current& c = state().current;
    Blocks& b = state().blocks;
    c.familyText = std::string(kImplicitService);
    generation().elementNumber = 0;
    variables::dropScope(2);
    generation().level = 1;
    c.loopGiven = false;
    b.inTest = b.familyBlockOpen = b.familyGiven = false;
    state().pending.test = state().pending.family = false;
    generation().suppression[kFamilyFlag] = generation().suppression[kTestFlag] = false;
    dropPending(Owner::Test);
    dropPending(Owner::Family);
}

std::vector<std::string> familyNames(std::string_view text) {
    std::vector<std::string> names;
    for (;;) {
        const std::size_t comma = text.find(',');
        names.push_back(diag::upperCased(diag::trim(text.substr(0, comma))));
        if (comma == std::string_view::npos) return names;
        text.remove_prefix(comma + 1);
    }
}

}  // namespace

void startTest(std::string_view text) {
    writePositionRecord(Record::TestPosition);
    if (!state().blocks.inService) {
        reportMissing(Keyword::Service);
        startService(kImplicitService, {});
    }
    if (state().blocks.inTest) {
        reportMissing(Keyword::EndTest);
        closeTest();
    }
    closeDefinitionBlocks();
    const std::string name = normaliseTestName(takeLoop(text, state().current));
    enterTest(name);
    openServiceSkeleton(true);
    generation().suppression[kTestFlag] = testDeselected(name);
    NameList& tests = state().lists.testsOfService;
    if (tests.contains(name) && name != kImplicitTest) diag::warning("NOMTSTDBL", name);
    tests.add(name);
}

void declarePending() {
    if (!output::generationActive()) return;
    openServiceSkeleton(true);
    declareService();
    declareTest();
    declareFamily();
}

void closeTest() {
    Blocks& b = state().blocks;
    if (b.inElement) {
        reportMissing(Keyword::EndElement);
        closeElement();
    }
    closeDefinitionBlocks();
    if (!b.elementSeen) diag::warning("BLOC_ABST", keywordText(Keyword::Element));
    if (!b.testHasVariables) diag::warning("TEST_VIDE", generation().testName);
    declarePending();
    closeTestBody();
    leaveTest();
}

void startFamily(std::string_view text) {
    Blocks& b = state().blocks;
    closeDefinitionBlocks();
    if (!b.inTest || b.inElement || b.familyBlockOpen || b.familyGiven) {
        reportWrongPlace(Keyword::Family);
        return;
    }
    const std::vector<std::string> names = familyNames(text);
    if (!familySelected(names)) generation().suppression[kFamilyFlag] = true;
    for (const std::string& name : names) state().lists.allFamilies.add(name);
    b.familyBlockOpen = b.familyGiven = true;
    state().current.familyText = std::string(text);
    if (output::generationActive()) state().pending.family = true;
}

}  // namespace detail

using detail::state;

// TEST name [LOOP count]
void handleTest(const Statement& statement) { detail::startTest(statement.rest); }

// END TEST
void handleEndTest(const Statement&) {
    if (state().blocks.inTest) {
        detail::closeTest();
        return;
    }
    detail::reportWrongPlace(detail::Keyword::EndTest);
    if (state().blocks.inService) detail::reportMissing(detail::Keyword::Test);
}

// FAMILY name {, name}
void handleFamily(const Statement& statement) { detail::startFamily(statement.rest); }

// END FAMILY
void handleEndFamily(const Statement&) {
    detail::Blocks& b = state().blocks;
    if (b.inTest && !b.inElement && b.familyBlockOpen) b.familyBlockOpen = false;
    else detail::reportWrongPlace(detail::Keyword::EndFamily);
}

}  // namespace harness
