// The value lists and ranges of a VAR statement: a test runs once per value
// of a loop counter J<n>, and the variable takes the value the counter
// selects. INIT IN and INIT FROM open a loop around the test body; EV IN and
// INIT WITH select with the counter of another list.
#include "diag/diag.h"
#include "values/expressions.h"
#include "variables/analysed.h"
#include "variables/variables_internal.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace variables::detail {

namespace {

constexpr int kDynamicFormLimit = 8;
constexpr int kTableLimit = 64;
constexpr int kRandomSpan = 1999;

// %1 counter, %2 count.
constexpr std::string_view kListLoop = "for (%1 = 1 ; %1<=%2;%1++ ){";
constexpr std::string_view kLoopEnd = "}";
// %1 macro name, %2 table number, %3 counter, %4 body.
constexpr std::string_view kListMacro = "#define %1%2(%3) %4";
constexpr std::string_view kListCall = "%1%2(%3)";
// The tests of the macro body: %1 counter, %2 position, %3 value, %4 C type.
constexpr std::string_view kListTest = "(%1 == %2 ? %3 :";
constexpr std::string_view kPointerListTest = "(%1 == %2 ? (%4)(%3) :";
constexpr std::string_view kPointerLastValue = " (%4)(%3)";

// INIT FROM a TO b: %1 counter, %2 a, %3 b, %4 step or count, %5 C type,
// %6 table number.
constexpr std::string_view kStepLoop =
    " for ( %1 = 1;((%4>0)&&(%2+(%4*(%1-1))<=%3)) || ((%4<0)&&(%2+(%4*(%1-1))>=%3));%1++ ) {";
constexpr std::string_view kStepValue = "( %5 ) ( %2 + ( (%4) * (%1-1)) )";
constexpr std::string_view kTimesLoop = " for ( %1 = 1; (%1-1) < %4; %1++ ) {";
constexpr std::string_view kTimesValue = "( %5 ) ( %2 + ( ( (double)( %3 - (%2) ) / ( %4 - 1 ) ) * (%1-1) ) )";
constexpr std::string_view kRandomLoop = " for ( %1 = 1; (%1-1) < %4 ; %1++ ) {";
constexpr std::string_view kRandomValue = "( %5 ) (  ( (%3 + ( ( ((%2)/2) - ((%3)/2) ) * rand%6[%1-1] )) ))";
constexpr std::string_view kBoundedRandomValue =
    "( %5 ) ( (rand%6[%1-1] < -1.0) ? (%2 ):( (%5)(%3 + ( ( ((%2)/2) - ((%3)/2) ) * rand%6[%1-1] )) ))";
struct RangeTexts {
    std::string_view loop, value;
};
// By FromMode.
constexpr std::array<RangeTexts, 4> kRangeTexts = {{
    {kStepLoop, kStepValue},
    {kTimesLoop, kTimesValue},
    {kRandomLoop, kRandomValue},
    {kRandomLoop, kBoundedRandomValue},
}};

// %1 table number, %2 entries.
constexpr std::string_view kRandomTable = "float rand%1[] = { %2};";
// %1 number, %2 to, %3 from, %4 step.
constexpr std::string_view kRepetition = "vorne_run.DCL_FAC_REP_CPP(%1,(int)((%2 - (%3))/%4 + 1));";

std::string counterName(int n) { return "J" + std::to_string(n); }

bool isPointer(const TypeFields& type) {
    return type.kind == values::TypeKind::POINTEUR || type.kind == values::TypeKind::FUNCPOINTEUR;
}

// (J == 1 ? v1 :(J == 2 ? v2 :v3)), the value alone for one item.
std::string macroBody(const std::vector<std::string>& items, const std::string& counter, const TypeFields& type) {
    const bool pointer = isPointer(type);
    std::string body;
    for (std::size_t i = 0; i + 1 < items.size(); ++i)
        body += fill(pointer ? kPointerListTest : kListTest, {counter, std::to_string(i + 1), items[i], type.cType});
    body += pointer ? fill(kPointerLastValue, {{}, {}, items.back(), type.cType}) : items.back();
    return body + std::string(items.size() - 1, ')');
}

// The items written for the variable: as the script expressions write them,
// or as the analyser images them; nothing when one is refused.
std::optional<std::vector<std::string>> renderedItems(const std::vector<std::string>& items, const TypeFields& type) {
    std::vector<std::string> out;
    for (const std::string& item : items) {
        std::optional<std::string> text;
        if (analysing()) {
            const auto value = analysed::analyseValue(item, type);
            if (value) text = value->image;
        } else {
            const values::Value value = evaluateScript(item);
            if (!value.failed()) text = renderScript(value, type);
        }
        if (!text) return std::nullopt;
        out.push_back(*text);
    }
    return out;
}

// A new counter: one per list of the program, never the test's own LOOP's.
int newCounter() {
    int& last = state().lastCounter;
    last = std::max(last, testLoopCounter()) + 1;
    useListCounter(last);
    return last;
}

void openLoop(const std::string& header) {
    toMainInTest(header);
    toClosing(std::string(kLoopEnd));
}

// The macro of a list with its counter; its call replaces the value.
std::optional<std::string> listMacro(std::string_view name, const std::vector<std::string>& items, int counter,
                                     const TypeFields& type) {
    const auto rendered = renderedItems(items, type);
    if (!rendered) return std::nullopt;
    const std::string table = std::to_string(++state().lastTable);
    ++currentTest().tables;
    const std::string j = counterName(counter);
    toMainInTest(fill(kListMacro, {name, table, j, macroBody(*rendered, j, type)}));
    return fill(kListCall, {name, table, j});
}

bool dynamicFormAllowed(const VarRecord& r) {
    if (++currentTest().dynamicForms <= kDynamicFormLimit) return true;
    diag::error("NBINITDYN", r.variable);
    return false;
}

void countRecord(const std::string& count) {
    writeStatementPosition();
    writeRepetition(takeNumber(), count);
}

// INIT IN list: a loop of its own; INIT (v) IN and INIT (v) WITH: v's loop.
bool prepareInitList(VarRecord& r) {
    const bool linked = !r.linkVariable.empty();
    if (!linked && !dynamicFormAllowed(r)) return false;
    const int counter = linked ? currentTest().counters[r.linkVariable] : newCounter();
    if (counter == 0) {
        diag::error("VARLIENNB", r.linkVariable);
        return false;
    }
    const auto call = listMacro(r.initWith ? "tab_init_avec" : "tab_initin", r.initList.items, counter, r.type);
    if (!call) return false;
    currentTest().counters[r.variable] = counter;
    r.init = *call;
    r.initVerbatim = true;
    if (linked) return true;
    openLoop(fill(kListLoop, {counterName(counter), std::to_string(r.initList.items.size())}));
    countRecord(std::to_string(r.initList.items.size()));
    return true;
}

// "0.d" or "1.d" from a pseudo-random number between 1 and 1999.
std::string randomEntry() {
    const int r = std::abs(std::rand()) % kRandomSpan + 1;
    return (r < 1000 ? "0." : "1.") + std::to_string(r % 1000);
}

std::string randomEntries(const FromRange& range) {
    std::string entries;
    for (int i = 0; i < range.count; ++i) {
        const bool bounds = range.mode == FromMode::NbRandomBounds;
        std::string entry = bounds && i == 0 ? "0.0" : bounds && i == range.count - 1 ? "-10.0" : randomEntry();
        entries += (i ? ", " : "") + entry;
    }
    return entries + " ";
}

// INIT FROM a TO b STEP s | NB_TIMES c | NB_RANDOM c [+BOUNDS]
bool prepareRange(VarRecord& r) {
    if (!dynamicFormAllowed(r)) return false;
    const FromRange& range = r.range;
    const int counter = newCounter();
    const std::string j = counterName(counter);
    currentTest().counters[r.variable] = counter;
    std::string table;
    if (range.mode == FromMode::NbRandom || range.mode == FromMode::NbRandomBounds) {
        table = std::to_string(++state().lastTable);
        ++currentTest().tables;
        toMainInTest(fill(kRandomTable, {table, randomEntries(range)}));
    }
    const RangeTexts& texts = kRangeTexts[static_cast<std::size_t>(range.mode)];
    const std::initializer_list<std::string_view> args = {j, range.from, range.to, range.step, r.type.cType, table};
    openLoop(fill(texts.loop, args));
    r.init = fill(texts.value, args);
    r.initVerbatim = true;
    if (range.mode != FromMode::Step) {
        countRecord(std::to_string(range.count));
        return true;
    }
    const int number = takeNumber();
    writeStatementPosition();
    writeRepetition(number, "?");
    if (!noEdit()) toCheck(fill(kRepetition, {std::to_string(number), range.to, range.from, range.step}));
    return true;
}

// EV IN: the counter of the variable's own INIT list, of the variable named
// in parentheses, or of the test's LOOP.
bool prepareExpectedList(VarRecord& r) {
    TestVariables& test = currentTest();
    int counter = 0;
    if (!r.evLinkVariable.empty()) counter = test.counters[r.evLinkVariable];
    else if (test.counters.count(r.variable) && (r.initIn || r.initFrom)) counter = test.counters[r.variable];
    else counter = testLoopCounter();
    if (counter == 0) {
        diag::error("VAINIT_IN", r.variable);
        return false;
    }
    if (test.tables + 1 > kTableLimit) {
        diag::error("NBVAINOVE", r.variable);
        return false;
    }
    const auto call = listMacro("tab_vain", r.evList.items, counter, r.type);
    if (!call) return false;
    if (!r.initIn && !r.initFrom) writeStatementPosition();
    r.ev = *call;
    r.evVerbatim = true;
    return true;
}

}  // namespace

bool prepareValueLists(VarRecord& r) {
    if (r.initIn && !prepareInitList(r)) return false;
    if (r.initFrom && !prepareRange(r)) return false;
    return !r.evIn || prepareExpectedList(r);
}

}  // namespace variables::detail
