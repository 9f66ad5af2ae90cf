// The description record of each checked scalar and the bracket calls that
// group checks for the run-time.
#include "variables/variables_internal.h"

#include <array>

namespace variables::detail {

namespace {

struct BracketLines {
    std::string_view call;  // %1 the structure number
    bool opening;           // "try {" before, or the catch lines after
};

constexpr std::array<BracketLines, 6> kBrackets = {{
    {"vorne_run.OPEN_BRA_CPP(%1);", true},
    {"vorne_run.CLOSE_BRA_CPP(%1);", false},
    {"vorne_run.SET_MODE_TAB_CPP(%1);", true},
    {"vorne_run.UNSET_MODE_TAB_CPP(%1);", false},
    {"vorne_run.SET_MODE_CST_CPP(%1);", true},
    {"vorne_run.UNSET_MODE_CST_CPP(%1);", false},
}};

constexpr std::string_view kBracketOpening = "try {";
constexpr std::array<std::string_view, 3> kBracketClosing = {"} catch (...) {", "vorne_run.ERV_CPP(%1);", "}"};

std::string joined(const std::vector<std::string>& items) {
    std::string list;
    for (const std::string& item : items) list += (list.empty() ? "" : ",") + item;
    return list;
}

std::string initialPart(const Scalar& s, const VarRecord& r) {
    if (r.initIn) return " INIT IN (" + joined(r.initList.items) + ")";
    if (r.initFrom) return " INIT FROM " + r.range.from + " TO " + r.range.to;
    if (s.initGiven) return " INIT=" + s.init;
    return r.initGiven && r.noInit ? " INIT==" : "";
}

std::string expectedPart(const Scalar& s, const VarRecord& r) {
    if (r.evIn) return " VA IN (" + joined(r.evList.items) + ")";
    if (s.evEqual) return " VA==";
    if (s.minGiven || s.maxGiven) return " " + s.min + "<=VA<=" + s.max;
    if (s.deltaKind == DeltaKind::None) return " VA=" + s.ev;
    return " VA=" + s.ev + " +/- " + s.delta + (s.deltaKind == DeltaKind::Percentage ? "%" : "");
}

}  // namespace

// V<n> <variable> [INIT=<value> | INIT== | INIT IN (<items>) | INIT FROM <a> TO <b>]
// <expected> [RA=<value>]
std::string descriptionRecord(const Scalar& s, const std::string& recorded, const VarRecord& r) {
    std::string text = recorded + initialPart(s, r);
    text += expectedPart(s, r);
    if (!r.evArrow.empty()) text += " RA=" + r.evArrow;
    return text;
}

void writeBracket(Bracket bracket) {
    if (noEdit()) return;
    const BracketLines& lines = kBrackets[static_cast<std::size_t>(bracket)];
    const std::string number = std::to_string(takeNumber());
    if (lines.opening && !noExcep()) toCheck(kBracketOpening);
    toCheck(fill(lines.call, {number}));
    if (lines.opening || noExcep()) return;
    for (std::string_view line : kBracketClosing) toCheck(fill(line, {number}));
}

}  // namespace variables::detail
