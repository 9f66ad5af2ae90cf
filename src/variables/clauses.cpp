// The clauses of a VAR statement: INIT, EV (or VA), MIN, MAX and DELTA in
// all their forms, each allowed once.
#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/variables_internal.h"

#include <array>

namespace variables::detail {

namespace {

enum class Clause { Delta, Init, Max, Min, Expected, Count };

struct ClauseKeyword {
    std::string_view word;
    Clause clause;
};

// The same six words in both keyword languages; VA and EV are one clause.
constexpr std::array<ClauseKeyword, 6> kClauseKeywords = {{
    {"DELTA", Clause::Delta},
    {"INIT", Clause::Init},
    {"MAX", Clause::Max},
    {"MIN", Clause::Min},
    {"VA", Clause::Expected},
    {"EV", Clause::Expected},
}};

const ClauseKeyword* findClause(std::string_view word) {
    for (const auto& keyword : kClauseKeywords)
        if (keyword.word == word) return &keyword;
    return nullptr;
}

struct ClauseParser {
    VarRecord& record;
    StatementContext& context;
    std::string keyword;  // as written, upper-cased

    void refuse(std::string_view code, std::string_view parameter) {
        diag::error(code, parameter);
        context.refused = true;
    }
    void missingEqual() { refuse("EGALABSEN", keyword); }

    // "= value": the value, or nothing after STX_ERRRA / INITABSEN.
    bool value(std::string_view rest, std::string& out, std::string_view emptyCode) {
        out = diag::trim(rest.substr(1));
        if (out.empty()) refuse(emptyCode, record.variable);
        return !out.empty();
    }

    void init(std::string_view rest);
    void linkedInit(std::string_view rest);
    void initList(std::string_view rest);
    void expected(std::string_view rest);
    void linkedExpected(std::string_view rest);
    void bound(std::string_view rest, std::string& out, bool& given);
    void delta(std::string_view rest);
};

// INIT = value | INIT == | INIT IN list | INIT (v) IN|WITH list | INIT FROM ...
void ClauseParser::init(std::string_view rest) {
    record.initGiven = true;
    if (rest.starts_with("==")) {
        record.noInit = true;
        const std::string tail = diag::trim(rest.substr(2));
        if (!tail.empty()) refuse("VALUEINCO", tail);
        return;
    }
    if (rest.starts_with('=')) {
        value(rest, record.init, "INITABSEN");
        return;
    }
    if (rest.starts_with('(')) return linkedInit(rest);
    std::string word, after;
    diag::SPLIT_WORD(rest, word, after);
    const ClauseWords& words = clauseWords();
    if (word == words.in) return initList(after);
    if (word == words.from) {
        record.initFrom = true;
        if (!parseFromRange(after, record)) context.refused = true;
        return;
    }
    missingEqual();
}

void ClauseParser::linkedInit(std::string_view rest) {
    const std::size_t close = matchingClose(rest, 0);
    if (close == std::string_view::npos) return missingEqual();
    record.linkVariable = diag::trim(rest.substr(1, close - 1));
    std::string word, after;
    diag::SPLIT_WORD(rest.substr(close + 1), word, after);
    const ClauseWords& words = clauseWords();
    record.initWith = word == words.with;
    if (word == words.in || word == words.with) return initList(after);
    missingEqual();
}

void ClauseParser::initList(std::string_view rest) {
    record.initIn = true;
    if (!parseValueList(rest, false, record.initList)) {
        context.refused = true;
        return;
    }
    record.valueCount = static_cast<int>(record.initList.items.size());
}

// EV = value | EV == | EV => value | EV IN list | EV (v) IN list
void ClauseParser::expected(std::string_view rest) {
    record.evGiven = true;
    if (rest.starts_with("==")) {
        record.evEqual = true;
        const std::string tail = diag::trim(rest.substr(2));
        if (!tail.empty()) diag::warning("IGNEXPRES", tail);
        return;
    }
    if (rest.starts_with("=>")) {
        if (!value(rest.substr(1), record.ev, "STX_ERRRA")) return;
        record.evArrow = record.ev;
        record.evEqual = learnMode();
        return;
    }
    if (rest.starts_with('=')) {
        value(rest, record.ev, "STX_ERRRA");
        return;
    }
    if (rest.starts_with('(')) return linkedExpected(rest);
    std::string word, after;
    diag::SPLIT_WORD(rest, word, after);
    if (word != clauseWords().in) return missingEqual();
    record.evIn = true;
    if (!parseValueList(after, true, record.evList)) context.refused = true;
}

void ClauseParser::linkedExpected(std::string_view rest) {
    const std::size_t close = matchingClose(rest, 0);
    if (close == std::string_view::npos) return missingEqual();
    record.evLinkVariable = diag::trim(rest.substr(1, close - 1));
    std::string word, after;
    diag::SPLIT_WORD(rest.substr(close + 1), word, after);
    if (word != clauseWords().in) return missingEqual();
    record.evIn = true;
    if (!parseValueList(after, true, record.evList)) context.refused = true;
}

// MIN = value, MAX = value
void ClauseParser::bound(std::string_view rest, std::string& out, bool& given) {
    given = true;
    if (!rest.starts_with('=')) return missingEqual();
    value(rest, out, "STX_ERRRA");
}

// DELTA = value | DELTA = value%
void ClauseParser::delta(std::string_view rest) {
    if (!rest.starts_with('=')) return missingEqual();
    std::string text = diag::trim(rest.substr(1));
    record.deltaKind = DeltaKind::Absolute;
    if (text.ends_with('%')) {
        record.deltaKind = DeltaKind::Percentage;
        text = diag::trim(std::string_view(text).substr(0, text.size() - 1));
    }
    record.delta = text;
    if (text.empty()) refuse("STX_ERRRA", record.variable);
}

}  // namespace

bool isClauseKeyword(std::string_view item) {
    std::string word, rest;
    diag::SPLIT_WORD(item, word, rest);
    return findClause(word) != nullptr;
}

void parseClauses(const std::vector<std::string>& items, std::size_t first, VarRecord& record,
                  StatementContext& context) {
    std::array<bool, static_cast<std::size_t>(Clause::Count)> seen{};
    for (std::size_t i = first; i < items.size(); ++i) {
        ClauseParser parser{record, context, {}};
        std::string rest;
        diag::SPLIT_WORD(items[i], parser.keyword, rest);
        const ClauseKeyword* keyword = findClause(parser.keyword);
        if (keyword == nullptr) {
            parser.refuse("INVMOTCLE", parser.keyword.empty() ? items[i] : parser.keyword);
            continue;
        }
        bool& already = seen[static_cast<std::size_t>(keyword->clause)];
        if (already) {
            parser.refuse("DEFMULTIP", parser.keyword);
            continue;
        }
        already = true;
        switch (keyword->clause) {
        case Clause::Init: parser.init(rest); break;
        case Clause::Expected: parser.expected(rest); break;
        case Clause::Min: parser.bound(rest, record.min, record.minGiven); break;
        case Clause::Max: parser.bound(rest, record.max, record.maxGiven); break;
        case Clause::Delta: parser.delta(rest); break;
        case Clause::Count: break;
        }
    }
}

}  // namespace variables::detail
