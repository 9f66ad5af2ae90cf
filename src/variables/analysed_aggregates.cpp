// Analysed structures and arrays: a structure variable is expanded into its
// leaves over the analysed fields, its aggregate lists given out field by
// field; an array list becomes one conditional over the loop indices.
#include "analyser/analyser.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/analysed_internal.h"
#include "variables/variables_internal.h"

#include <cstdlib>

namespace variables::analysed {

namespace {

using analyser::decl::Type;

constexpr int kMaxNesting = 64;

// The aggregate texts given to one structure (or one field).
struct Texts {
    std::string init, ev;
};

bool isAggregateList(std::string_view text) { return detail::enclosedIn(text, "{}()"); }

bool othersWord(std::string_view name) {
    return detail::equalsIgnoringCase(name, detail::frenchKeywords() ? "autres" : "others");
}

// "=>" outside quotes and nesting.
std::size_t findArrow(std::string_view item) {
    for (std::size_t from = 0; from < item.size();) {
        const std::size_t at = detail::findOutside(item.substr(from), '=');
        if (at == std::string_view::npos) return at;
        if (from + at + 1 < item.size() && item[from + at + 1] == '>') return from + at;
        from += at + 1;
    }
    return std::string_view::npos;
}

// The pseudo-macros stand for the whole leaf's value: they go to every leaf.
bool pseudoMacro(std::string_view text) {
    return text == "INIT" || text == "init" || text == "VA" || text == "va";
}

std::string fieldName(const Type* record, int n) {
    const std::string path = analyser::fieldPath(record, n, false);
    return path.empty() ? path : path.substr(1);
}

// One aggregate text split into the values of the fields (empty: none).
class Split {
public:
    Split(const Type* record, const std::string& text) : record_(record), text_(text) {
        values_.resize(static_cast<std::size_t>(analyser::fieldCount(record)));
    }

    bool run() {
        if (text_.empty()) return true;
        if (!isAggregateList(text_)) return spreadWhole();
        if (diag::trim(detail::inner(text_)).empty()) return true;
        for (const std::string& item : detail::splitOutside(detail::inner(text_), ','))
            if (!take(item)) return false;
        if (others_)
            for (std::string& v : values_)
                if (v.empty()) v = *others_;
        return true;
    }

    const std::string& value(int n) const { return values_[static_cast<std::size_t>(n - 1)]; }

private:
    // A value that is not a list: each field takes its own member of it.
    bool spreadWhole() {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            const std::string path = analyser::fieldPath(record_, static_cast<int>(i) + 1, false);
            values_[i] = pseudoMacro(text_) ? text_ : path.empty() ? std::string() : "(" + text_ + ")" + path;
        }
        return true;
    }

    bool take(const std::string& item) {
        if (item.empty()) return ++position_, true;  // an omitted value
        const std::size_t arrow = findArrow(item);
        if (arrow == std::string::npos) return give(++position_, item);
        const std::string name = diag::trim(std::string_view(item).substr(0, arrow));
        const std::string value = diag::trim(std::string_view(item).substr(arrow + 2));
        if (othersWord(name)) {
            others_ = value;
            return true;
        }
        if (!name.empty() && name.find_first_not_of("0123456789") == std::string::npos) return numbered(name, value);
        const int n = analyser::fieldIndex(record_, name);
        if (n == 0) {
            diag::warning("CHAMPINCO", name);
            return false;
        }
        return give(n, value);
    }

    bool numbered(const std::string& digits, const std::string& value) {
        const long n = digits.size() > 9 ? -1 : std::strtol(digits.c_str(), nullptr, 10);
        if (n < 1 || n > static_cast<long>(values_.size())) {
            diag::warning("NUMCHAINC", digits.size() > 9 ? digits : std::to_string(n));
            return false;
        }
        return give(static_cast<int>(n), value);
    }

    bool give(int n, const std::string& value) {
        if (n > static_cast<int>(values_.size())) {
            diag::error("NBVALINCO", text_);
            return false;
        }
        const bool anonymous = fieldName(record_, n).empty() && analyser::isRecordType(analyser::fieldType(record_, n));
        if (!anonymous && !analyser::isTestableField(record_, n)) {
            diag::warning("CHANOTEST", fieldName(record_, n).empty() ? std::to_string(n) : fieldName(record_, n));
            return true;
        }
        values_[static_cast<std::size_t>(n - 1)] = value;
        return true;
    }

    const Type* record_;
    const std::string& text_;
    std::vector<std::string> values_;
    std::optional<std::string> others_;
    int position_ = 0;
};

// The declared array levels of a field written as index ranges.
std::string withRanges(const std::string& path, const std::vector<Dimension>& dimensions) {
    std::string text = path;
    for (const Dimension& d : dimensions) {
        if (!d.sizeKnown) diag::warning("ERTAILTAB", path);
        text += "[" + d.low + ".." + d.high + "]";
    }
    return text;
}

struct Expansion {
    std::vector<Leaf> leaves;
    int pendingOpen = 0;
};

bool expand(Expansion& e, const Type* record, const std::string& path, const Texts& texts, int depth);

// The fields a union expands: the one its aggregates name, else its first.
std::vector<int> unionFields(const Type* record, const Split& init, const Split& ev, const std::string& path) {
    const int count = analyser::fieldCount(record);
    for (int n = 1; n <= count; ++n)
        if (!init.value(n).empty()) return {n};
    for (int n = 1; n <= count; ++n)
        if (!ev.value(n).empty() && !pseudoMacro(ev.value(n))) return {n};
    diag::warning("CHAMUNION", path);
    return count > 0 ? std::vector<int>{1} : std::vector<int>{};
}

bool expandField(Expansion& e, const Type* record, int n, const std::string& path, const Texts& texts, int depth) {
    const Type* type = analyser::fieldType(record, n);
    // An anonymous structure or union: its members are named through the
    // enclosing variable.
    const bool anonymous = analyser::fieldPath(record, n, false).empty() && analyser::isRecordType(type);
    if (anonymous) return expand(e, type, path, texts, depth + 1);
    if (!analyser::isTestableField(record, n)) return true;
    const std::string fieldPath = path + analyser::fieldPath(record, n, false);
    Variable v = variableOfField(type);
    const std::string ranged = withRanges(fieldPath, v.dimensions);
    v.dimensions.clear();
    if (v.aggregate) return expand(e, elementType(type), ranged, texts, depth + 1);
    if (v.type.kind == values::TypeKind::INCONNU) return true;
    Leaf leaf;
    leaf.path = ranged;
    leaf.variable = v;
    leaf.init = texts.init;
    leaf.ev = texts.ev;
    leaf.openBrackets = e.pendingOpen;
    e.pendingOpen = 0;
    e.leaves.push_back(std::move(leaf));
    return true;
}

bool expand(Expansion& e, const Type* record, const std::string& path, const Texts& texts, int depth) {
    if (depth > kMaxNesting) {
        diag::error("STRRECURS", path);
        return false;
    }
    Split init(record, texts.init), ev(record, texts.ev);
    if (!init.run() || !ev.run()) return false;
    std::vector<int> fields;
    if (analyser::isUnionType(record)) fields = unionFields(record, init, ev, path);
    else
        for (int n = 1; n <= analyser::fieldCount(record); ++n) fields.push_back(n);
    const std::size_t before = e.leaves.size();
    ++e.pendingOpen;
    for (const int n : fields)
        if (!expandField(e, record, n, path, {init.value(n), ev.value(n)}, depth)) return false;
    if (e.leaves.size() == before) --e.pendingOpen;
    else ++e.leaves.back().closeBrackets;
    return true;
}

}  // namespace

std::optional<std::vector<Leaf>> leaves(const AggregateRequest& request) {
    const auto analysed = analyser::analyseExpression(request.variable);
    if (!analysed || !analysed->type) return std::nullopt;
    const Type* record = elementType(analysed->type);
    if (!analyser::isRecordType(record)) return std::vector<Leaf>{};
    Expansion e;
    if (!expand(e, record, request.variable, {request.init, request.ev}, 0)) return std::nullopt;
    return std::move(e.leaves);
}

std::optional<std::string> arrayListExpression(std::string_view list, const std::vector<IndexBounds>& dimensions,
                                               int firstLevel) {
    std::vector<analyser::ArrayBounds> bounds;
    for (const IndexBounds& d : dimensions) bounds.push_back({d.low, d.high, d.lowWritten});
    return analyser::arrayListText(list, bounds, firstLevel, detail::frenchKeywords());
}

}  // namespace variables::analysed
