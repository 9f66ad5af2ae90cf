// The value lists of INIT IN, EV IN and INIT WITH, and the INIT FROM .. TO
// ranges: their syntax, and the checks that need the variable's kind.
#include "diag/diag.h"
#include "diag/strings.h"
#include "values/expressions.h"
#include "variables/variables_internal.h"

#include <QtGlobal>

#include <algorithm>

namespace variables::detail {

namespace {

constexpr ClauseWords kFrenchWords{"DANS", "AVEC", "DE", "A", "INCREMENT", "NB_VALEURS", "NB_HASARD", "BORNES"};
constexpr ClauseWords kEnglishWords{"IN", "WITH", "FROM", "TO", "STEP", "NB_TIMES", "NB_RANDOM", "BOUNDS"};

constexpr std::size_t kMaximumListValues = 100;
constexpr int kMaximumRangeValues = 256;
constexpr int kDefaultRangeValues = 10;

constexpr const char* kArrayInList = QT_TRANSLATE_NOOP("Error Parameter", ": array are forbidden in list: %1");

void badList(bool expected, std::string_view parameter) {
    diag::error(expected ? "LISTEVAIN" : "LISTEINIT", parameter);
}

// An item of a list may not be a list itself without declaration analysis.
bool nestedListItem(const std::string& item, bool expected) {
    if (analysing() || !enclosedIn(item, "[]{}")) return false;
    std::string text = diag::translateParameter("Error Parameter", kArrayInList);
    const std::size_t at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, item);
    badList(expected, text);
    return true;
}

// The offset of " word " in the upper-cased text, blanks on each side.
std::size_t findWord(std::string_view upper, std::string_view word) {
    const std::string pattern = " " + std::string(word) + " ";
    const std::size_t at = (" " + std::string(upper) + " ").find(pattern);
    return at;  // the offset of the blank before the word in the text itself
}

// The value of a constant count or bound; nothing for other texts.
std::optional<values::Value> constantValue(std::string_view text) {
    if (analysing()) return std::nullopt;
    values::Value value = evaluateScript(text);
    if (!value.isLiteralConstant()) return std::nullopt;
    return value;
}

std::optional<std::int64_t> integerOf(const std::optional<values::Value>& value) {
    if (!value || value->kind != values::ValueKind::Integer) return std::nullopt;
    return value->integer.toInt64();
}


// NB_RANDOM n [+BOUNDS]
bool randomCount(std::string_view text, FromRange& range) {
    std::string count = diag::trim(text);
    const std::string bounds = "+" + std::string(clauseWords().bounds);
    const std::string upper = diag::upperCased(count);
    range.mode = FromMode::NbRandom;
    if (upper.ends_with(bounds)) {
        range.mode = FromMode::NbRandomBounds;
        count = diag::trim(std::string_view(count).substr(0, count.size() - bounds.size()));
    }
    if (count.empty()) {
        diag::error("VALHASARD");
        return false;
    }
    if (count.find_first_of(" \t+") != std::string::npos) {
        diag::error("PLUSBOUND");
        return false;
    }
    range.step = count;
    return true;
}

struct ModeWord {
    std::string_view word;
    FromMode mode;
};

bool numeric(const std::optional<values::Value>& v) {
    return v && (v->kind == values::ValueKind::Integer || v->kind == values::ValueKind::Real);
}

// STEP s with constant bounds: a step that never reaches the end.
void checkStep(const FromRange& range, StatementContext& context) {
    const auto from = constantValue(range.from);
    const auto to = constantValue(range.to);
    const auto step = constantValue(range.step);
    if (!numeric(from) || !numeric(to) || !numeric(step)) return;
    const int order = compareNumbers(*from, *to);
    const int sign = compareNumbers(*step, values::Value::integerConstant(values::kIntegerZero));
    if ((order < 0 && sign <= 0) || (order > 0 && sign >= 0) || (order == 0 && sign == 0)) {
        diag::error("INCREMENT", range.step);
        context.refused = true;
    }
}

// NB_TIMES at least 2, NB_RANDOM at least 1; at most 256 values.
void checkCount(FromRange& range, StatementContext& context) {
    if (range.mode == FromMode::Step) return checkStep(range, context);
    const auto count = integerOf(constantValue(range.step));
    const int least = range.mode == FromMode::NbTimes ? 2 : 1;
    if (!count || *count < least) {
        diag::error("INTSUPEUN", range.step);
        context.refused = true;
        return;
    }
    range.count = static_cast<int>(std::min<std::int64_t>(*count, kMaximumRangeValues + 1));
    if (range.count > kMaximumRangeValues) {
        diag::error("VALUEINCO", "(1<nb_random<256)");
        range.count = kDefaultRangeValues;
    }
}

}  // namespace

int compareNumbers(const values::Value& a, const values::Value& b) {
    if (a.kind == values::ValueKind::Integer && b.kind == values::ValueKind::Integer)
        return values::compare(a.integer, b.integer);
    const auto real = [](const values::Value& v) {
        return v.kind == values::ValueKind::Real ? v.real : values::realFromInteger(v.integer);
    };
    return values::compare(real(a), real(b));
}

const ClauseWords& clauseWords() { return frenchKeywords() ? kFrenchWords : kEnglishWords; }

// "{" v1, v2, ... "}" or "[" v1, v2, ... "]"
bool parseValueList(std::string_view text, bool expected, ValueList& list) {
    list.text = diag::trim(text);
    if (!enclosedIn(list.text, "{}[]")) {
        badList(expected, list.text);
        return false;
    }
    list.items = splitOutside(inner(list.text), ',');
    if (list.items.size() > kMaximumListValues) {
        diag::error("NBVALLIST", list.text);
        return false;
    }
    for (const std::string& item : list.items) {
        if (item.empty()) {
            diag::error("LISTEINVA", list.text);
            return false;
        }
        if (nestedListItem(item, expected)) return false;
    }
    return true;
}

// a TO b (STEP s | NB_TIMES n | NB_RANDOM n [+BOUNDS])
bool parseFromRange(std::string_view text, VarRecord& record) {
    const ClauseWords& words = clauseWords();
    const std::string upper = diag::upperCased(text);
    const std::size_t to = findWord(upper, words.to);
    if (to == std::string::npos) {
        diag::error("TOATTENDU");
        return false;
    }
    FromRange& range = record.range;
    range.from = diag::trim(text.substr(0, to));
    const std::size_t afterTo = std::min(text.size(), to + words.to.size() + 1);
    const std::string_view rest = text.substr(afterTo);
    const ModeWord modes[] = {{words.step, FromMode::Step}, {words.nbTimes, FromMode::NbTimes},
                              {words.nbRandom, FromMode::NbRandom}};
    for (const ModeWord& mode : modes) {
        const std::size_t at = findWord(diag::upperCased(rest), mode.word);
        if (at == std::string::npos) continue;
        range.to = diag::trim(rest.substr(0, at));
        const std::string_view tail = rest.substr(std::min(rest.size(), at + mode.word.size() + 1));
        range.mode = mode.mode;
        if (mode.mode == FromMode::NbRandom && !randomCount(tail, range)) return false;
        if (mode.mode != FromMode::NbRandom) range.step = diag::trim(tail);
        if (range.step.empty() || range.from.empty() || range.to.empty()) break;
        record.init = range.from + "," + range.to + "," + range.step;
        return range.parsed = true;
    }
    diag::error("STIMDOMAT");
    return false;
}

void checkListsAgainstType(VarRecord& record, StatementContext& context) {
    const values::TypeKind kind = record.type.kind;
    const bool pointer = kind == values::TypeKind::POINTEUR || kind == values::TypeKind::FUNCPOINTEUR;
    if (record.initIn && pointer)
        for (const std::string& item : record.initList.items)
            if (equalsIgnoringCase(item, "NONIL")) {
                diag::error("POINTINIT", "INIT");
                context.refused = true;
                break;
            }
    if (record.initFrom && record.range.parsed) {
        checkCount(record.range, context);
        record.valueCount = record.range.count;
    }
}

}  // namespace variables::detail
