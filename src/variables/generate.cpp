// The generation of an accepted VAR statement: arrays become run-time loops
// (or, when a clause gives a value list, one scalar per element), structures
// are expanded field by field between bracket calls, and every scalar gets
// its lines and its description record.
#include "diag/diag.h"
#include "diag/strings.h"
#include "values/expressions.h"
#include "variables/analysed.h"
#include "variables/variables_internal.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace variables::detail {

namespace {

// Loop headers and check bases: %1 index, %2 low bound, %3 high bound;
// %1 enclosing base, %2 count, %3 index, %4 low bound.
constexpr std::string_view kAscendingLoop = "for( %1=%2;%1 <= %3;++%1){";
constexpr std::string_view kDescendingLoop = "for( %1=%2;%1 >= %3;--%1){";
constexpr std::string_view kLoopEnd = "}";
constexpr std::string_view kAscendingBase = "((%1)*%2)+%3-(%4)";
constexpr std::string_view kDescendingBase = "((%1)*%2)-%3+(%4)";

// A variable, an element or a field being generated.
struct Part {
    std::string variable;  // as the harness writes it
    std::string recorded;  // as its records name it: ranges of run-time loops kept
    ClauseTexts texts;
    const StructureDef* structure = nullptr;
    TypeFields type;
    std::string base = "0";
    int depth = 0;        // run-time loops around it
    int loopedRanges = 0;  // ranges of run-time loops that `recorded` still shows
    long long span = 1;   // elements its run-time loops walk: the numbers of its checks
    bool analysedAggregate = false;  // expanded over the analysed fields
};

// The generation of one statement.
struct Generation {
    const VarRecord& record;
    bool tableMode = false;
    std::vector<const StructureDef*> expanding;
    std::vector<std::pair<int, std::string>> deferredRecords;  // table mode: after the unset
    int leaves = 0;
};

// An index range "[low..high]" in a variable text.
struct Range {
    std::size_t open = 0, close = 0;  // offsets of "[" and "]"
    std::string lowText, highText;
};

struct Bounds {
    long long low = 0, high = 0;
    bool character = false;
    long long count() const { return std::llabs(high - low) + 1; }
    bool ascending() const { return low <= high; }
};

// The range after the first `skip` ones.
std::optional<Range> findRange(std::string_view variable, int skip = 0) {
    for (std::size_t at = variable.find('['); at != std::string_view::npos; at = variable.find('[', at + 1)) {
        const std::size_t close = matchingClose(variable, at);
        if (close == std::string_view::npos) return std::nullopt;
        const std::string_view content = variable.substr(at + 1, close - at - 1);
        const std::size_t dots = content.find("..");
        if (dots == std::string_view::npos) continue;
        if (skip-- > 0) continue;
        return Range{at, close, diag::trim(content.substr(0, dots)), diag::trim(content.substr(dots + 2))};
    }
    return std::nullopt;
}

std::string withIndex(const std::string& variable, const Range& range, const std::string& index) {
    return variable.substr(0, range.open) + "[" + index + "]" + variable.substr(range.close + 1);
}

// Bounds stay inside the range of the harness's int loop counters.
bool inCounterRange(long long value) { return value > INT_MIN && value < INT_MAX; }

// An integer or one-character constant; TYPEBORNE, or BORSUPINC for a bad
// upper bound, otherwise.
bool evaluateBound(const std::string& text, bool upper, long long& value, bool& character) {
    const std::string_view badCode = upper ? "BORSUPINC" : "TYPEBORNE";
    if (text.empty()) {
        diag::error(badCode, text);
        return false;
    }
    const values::Value v = evaluateScript(text);
    if (v.failed()) {
        if (upper) diag::error("BORSUPINC", text);
        return false;
    }
    if (v.kind == values::ValueKind::String) {
        if (v.text.size() != 1) {
            diag::error("TYPESMISM", text);
            return false;
        }
        value = static_cast<unsigned char>(v.text[0]);
        character = true;
        return true;
    }
    if (v.kind != values::ValueKind::Integer) {
        diag::error("TYPEBORNE", text);
        return false;
    }
    const auto integer = v.integer.toInt64();
    if (!integer || !inCounterRange(*integer)) {
        diag::error(badCode, text);
        return false;
    }
    value = *integer;
    return true;
}

bool evaluateBounds(const Range& range, Bounds& b) {
    bool lowCharacter = false, highCharacter = false;
    if (!evaluateBound(range.lowText, false, b.low, lowCharacter)) return false;
    if (!evaluateBound(range.highText, true, b.high, highCharacter)) return false;
    b.character = lowCharacter && highCharacter;
    return true;
}

std::string indexImage(long long index, bool character) {
    if (!character || index < 32 || index > 126 || index == '\'' || index == '\\') return std::to_string(index);
    return std::string("'") + static_cast<char>(index) + "'";
}

bool isValueList(std::string_view text) { return enclosedIn(text, "[]{}"); }

bool anyList(const ClauseTexts& t) {
    return isValueList(t.init) || isValueList(t.ev) || isValueList(t.min) || isValueList(t.max) ||
           isValueList(t.delta);
}

// The "I" of the script expressions stands for the element index.
class IndexSymbol {
public:
    IndexSymbol() {
        if (const values::Value* v = values::findSymbol("I")) saved_ = *v;
    }
    IndexSymbol(const IndexSymbol&) = delete;
    IndexSymbol& operator=(const IndexSymbol&) = delete;
    ~IndexSymbol() {
        if (saved_) values::defineSymbol("I", *saved_);
        else values::undefineSymbol("I");
    }
    void set(const values::Value& value) {
        if (!analysing()) values::defineSymbol("I", value);
    }

private:
    std::optional<values::Value> saved_;
};

bool generatePart(Generation& g, const Part& part);

// ---- Arrays --------------------------------------------------------------------

void loopLine(const Generation& g, const std::string& line) {
    if (!g.record.noInit) toInit(line);
    if (!noEdit()) toCheck(line);
}

// Every element of a run-time loop is checked under a number of its own, so
// the elements its loops walk must stay within the structure numbers.
bool spanFits(const Part& part, const Range& range, const Bounds& b) {
    if (b.count() <= INT_MAX / part.span) return true;
    diag::error("BORSUPINC", range.highText);
    return false;
}

bool loopAtRunTime(Generation& g, const Part& part, const Range& range, const Bounds& b) {
    if (!spanFits(part, range, b)) return false;
    Part element = part;
    element.depth = part.depth + 1;
    element.loopedRanges = part.loopedRanges + 1;
    element.span = part.span * b.count();
    const std::string index = "I" + std::to_string(element.depth);
    const std::string low = indexImage(b.low, b.character), high = indexImage(b.high, b.character);
    useIndex(element.depth);
    element.variable = withIndex(part.variable, range, index);
    element.base = fill(b.ascending() ? kAscendingBase : kDescendingBase,
                        {part.base, std::to_string(b.count()), index, low});
    loopLine(g, fill(b.ascending() ? kAscendingLoop : kDescendingLoop, {index, low, high}));
    IndexSymbol symbol;
    symbol.set(values::Value::irreducible(index));
    const bool generated = generatePart(g, element);
    loopLine(g, std::string(kLoopEnd));
    return generated;
}

// The items of a value list, or nothing for another text.
struct ListedTexts {
    std::optional<std::vector<std::string>> init, ev, min, max, delta;
};

std::optional<std::vector<std::string>> itemsOf(const std::string& text) {
    if (!isValueList(text)) return std::nullopt;
    return splitOutside(inner(text), ',');
}

// A list gives one value to each element: LISTEINIT (LISTEVAIN for EV) for
// a list of another length.
bool listFits(const std::optional<std::vector<std::string>>& items, const std::string& text, long long count,
              bool expected) {
    if (!items || static_cast<long long>(items->size()) == count) return true;
    diag::error(expected ? "LISTEVAIN" : "LISTEINIT", text);
    return false;
}

std::string itemOr(const std::optional<std::vector<std::string>>& items, std::size_t k, const std::string& text) {
    return items ? (*items)[k] : text;
}

bool expandAtCompileTime(Generation& g, const Part& part, const Range& range, const Bounds& b) {
    const ClauseTexts& t = part.texts;
    const ListedTexts lists{itemsOf(t.init), itemsOf(t.ev), itemsOf(t.min), itemsOf(t.max), itemsOf(t.delta)};
    const long long count = b.count();
    if (!listFits(lists.init, t.init, count, false) || !listFits(lists.ev, t.ev, count, true) ||
        !listFits(lists.min, t.min, count, false) || !listFits(lists.max, t.max, count, false) ||
        !listFits(lists.delta, t.delta, count, false))
        return false;
    IndexSymbol symbol;
    for (long long k = 0; k < count; ++k) {
        const long long index = b.ascending() ? b.low + k : b.low - k;
        const auto at = static_cast<std::size_t>(k);
        Part element = part;
        element.variable = withIndex(part.variable, range, indexImage(index, b.character));
        element.recorded = withIndex(part.recorded, *findRange(part.recorded, part.loopedRanges),
                                     indexImage(index, b.character));
        element.texts = {itemOr(lists.init, at, t.init), itemOr(lists.ev, at, t.ev), itemOr(lists.min, at, t.min),
                         itemOr(lists.max, at, t.max), itemOr(lists.delta, at, t.delta)};
        symbol.set(values::Value::integerConstant(values::Integer::fromInt64(index)));
        if (!generatePart(g, element)) return false;
    }
    return true;
}

// With declaration analysis an array always loops at run time: a value list
// becomes one conditional over the indices of the ranges still to loop.
bool convertLists(Part& part) {
    std::vector<analysed::IndexBounds> dimensions;
    for (int skip = 0;; ++skip) {
        const auto range = findRange(part.variable, skip);
        if (!range) break;
        Bounds b;
        if (!evaluateBounds(*range, b)) return false;
        dimensions.push_back({b.low, b.high, range->lowText != "0"});
    }
    for (std::string* text : {&part.texts.init, &part.texts.ev, &part.texts.min, &part.texts.max, &part.texts.delta}) {
        if (!isValueList(*text)) continue;
        const auto converted = analysed::arrayListExpression(*text, dimensions, part.depth + 1);
        if (!converted) return false;
        *text = *converted;
    }
    return true;
}

bool generateArray(Generation& g, const Part& part, const Range& range) {
    Bounds b;
    if (!evaluateBounds(range, b)) return false;
    if (analysing() && anyList(part.texts) && !part.analysedAggregate) {
        Part converted = part;
        return convertLists(converted) && loopAtRunTime(g, converted, range, b);
    }
    if (anyList(part.texts) && !analysing()) return expandAtCompileTime(g, part, range, b);
    return loopAtRunTime(g, part, range, b);
}

// ---- Structures ----------------------------------------------------------------

// The type of a field: its native type and the format FORMAT gave its path.
TypeFields fieldType(const FieldDef& field, const std::string& path) {
    TypeFields type;
    if (const auto format = formatOf(path)) type.format = *format;
    if (field.native) resolveNativeType(field.typeText, type, false);
    else type.frenchName = "INCONNUE";
    return type;
}

std::string fieldPath(const std::string& owner, const FieldDef& field) {
    return owner + "." + field.name + field.dimensions;
}

bool generateStructure(Generation& g, const Part& part) {
    const StructureDef& structure = *part.structure;
    std::vector<ClauseTexts> fields(structure.fields.size());
    if (!splitStructureTexts(part.texts, structure, part.variable, g.expanding, fields)) return false;
    if (structure.fields.empty()) return true;
    g.expanding.push_back(&structure);
    writeBracket(Bracket::Open);
    bool generated = true;
    for (std::size_t i = 0; i < structure.fields.size() && generated; ++i) {
        const FieldDef& field = structure.fields[i];
        Part child = part;
        child.variable = fieldPath(part.variable, field);
        child.recorded = fieldPath(part.recorded, field);
        child.texts = fields[i];
        child.structure = field.structure;
        child.type = fieldType(field, child.variable);
        generated = generatePart(g, child);
    }
    writeBracket(Bracket::Close);
    g.expanding.pop_back();
    return generated;
}

// An analysed structure, leaf by leaf between the brackets its expansion
// reports; a leaf given no value by the aggregates is not tested.
bool generateAnalysedStructure(Generation& g, const Part& part) {
    const auto leaves = analysed::leaves({part.variable, part.texts.init, part.texts.ev});
    if (!leaves) return false;
    for (const analysed::Leaf& leaf : *leaves) {
        for (int k = 0; k < leaf.openBrackets; ++k) writeBracket(Bracket::Open);
        Part child = part;
        child.variable = leaf.path;
        child.recorded = part.recorded + leaf.path.substr(std::min(part.variable.size(), leaf.path.size()));
        child.texts = {leaf.init, leaf.ev, part.texts.min, part.texts.max, part.texts.delta};
        child.type = leaf.variable.type;
        if (const auto format = formatOf(child.variable)) child.type.format = *format;
        child.analysedAggregate = false;
        const bool tested = !leaf.ev.empty() || g.record.evEqual;
        if (tested && !generatePart(g, child)) return false;
        for (int k = 0; k < leaf.closeBrackets; ++k) writeBracket(Bracket::Close);
    }
    return true;
}

// ---- Scalars --------------------------------------------------------------------

bool generateLeaf(Generation& g, const Part& part) {
    const VarRecord& r = g.record;
    Scalar s;
    s.variable = part.variable;
    s.init = part.texts.init;
    s.ev = part.texts.ev;
    s.min = part.texts.min;
    s.max = part.texts.max;
    s.delta = part.texts.delta;
    s.initGiven = r.initGiven && !r.noInit && !(analysing() && part.texts.init.empty());
    s.evEqual = r.evEqual;
    s.minGiven = r.minGiven;
    s.maxGiven = r.maxGiven;
    s.deltaKind = r.deltaKind;
    s.type = part.type;
    s.base = part.base;
    s.tableMode = g.tableMode;
    s.initVerbatim = r.initVerbatim;
    s.evVerbatim = r.evVerbatim;
    s.span = part.span;
    if (!generateScalar(s)) return false;
    ++g.leaves;
    std::string text = descriptionRecord(s, part.recorded, r);
    if (g.tableMode) g.deferredRecords.emplace_back(s.number, std::move(text));
    else writeDescription(s.number, text);
    return true;
}

bool generatePart(Generation& g, const Part& part) {
    if (const auto range = findRange(part.variable)) return generateArray(g, part, *range);
    if (part.structure != nullptr) return generateStructure(g, part);
    if (part.analysedAggregate) return generateAnalysedStructure(g, part);
    return generateLeaf(g, part);
}

}  // namespace

bool generate(const VarRecord& statement, VariableForm form) {
    if (!generating()) return true;
    VarRecord r = statement;
    if ((r.initIn || r.initFrom || r.evIn) && !prepareValueLists(r)) return false;
    markElementContent();
    Generation g{r, false, {}, {}, 0};
    g.tableMode = form == VariableForm::Array && findRange(r.variable).has_value();
    Part top;
    top.variable = top.recorded = r.variable;
    top.texts = {r.init, r.ev, r.min, r.max, r.delta};
    top.structure = r.structure;
    top.type = r.type;
    top.analysedAggregate = r.analysedAggregate;
    if (g.tableMode) writeBracket(Bracket::SetTable);
    const bool generated = generatePart(g, top);
    if (g.tableMode) writeBracket(Bracket::UnsetTable);
    for (const auto& [number, text] : g.deferredRecords) writeDescription(number, text);
    if (generated && (r.structure != nullptr || r.analysedAggregate) && g.leaves == 0) diag::warning("VARNOTEST", r.variable);
    return generated;
}

}  // namespace variables::detail
