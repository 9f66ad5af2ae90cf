// The aggregates of a structure without declaration analysis: "(" items ")"
// whose items are given to the fields by position, by name ("field => value")
// or to all the others ("OTHERS => value"); a nested structure takes an
// aggregate of its own.
#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/variables_internal.h"

namespace variables::detail {

namespace {

// The offset of "=>" outside quotes and brackets, or npos.
std::size_t findArrow(std::string_view item) {
    for (std::size_t from = 0; from < item.size();) {
        const std::size_t at = findOutside(item.substr(from), '=');
        if (at == std::string_view::npos) return at;
        if (from + at + 1 < item.size() && item[from + at + 1] == '>') return from + at;
        from += at + 1;
    }
    return std::string_view::npos;
}

bool othersWord(std::string_view name) { return equalsIgnoringCase(name, "OTHERS") || equalsIgnoringCase(name, "AUTRES"); }

std::optional<std::size_t> fieldIndex(const StructureDef& s, std::string_view name) {
    for (std::size_t i = 0; i < s.fields.size(); ++i)
        if (s.fields[i].name == name) return i;
    return std::nullopt;
}

struct AggregateSplit {
    const StructureDef& structure;
    const std::string& text;
    std::vector<std::string>& values;
    std::vector<bool> given;
    std::optional<std::string> others;
    std::size_t next = 0;
    bool named = false;

    bool bad() {
        diag::error("LISTEINVA", text);
        return false;
    }

    bool named_(std::string_view name, std::string value) {
        named = true;
        if (othersWord(name)) {
            if (others) return bad();
            others = std::move(value);
            return true;
        }
        const auto index = fieldIndex(structure, name);
        if (!index || given[*index]) return bad();
        values[*index] = std::move(value);
        given[*index] = true;
        return true;
    }

    bool item(const std::string& item) {
        const std::size_t arrow = findArrow(item);
        if (arrow != std::string::npos)
            return named_(diag::trimView(std::string_view(item).substr(0, arrow)),
                          diag::trim(std::string_view(item).substr(arrow + 2)));
        if (named || next >= values.size() || item.empty()) return bad();
        values[next] = item;
        given[next++] = true;
        return true;
    }
};

// One aggregate split into the values of the fields.
bool splitAggregate(const std::string& text, const StructureDef& s, const std::string& path, bool initial,
                    std::vector<std::string>& values) {
    values.assign(s.fields.size(), std::string());
    if (text.empty()) return true;
    if (!initial && (text == "INIT" || text == "init")) {
        values.assign(s.fields.size(), text);
        return true;
    }
    AggregateSplit split{s, text, values, std::vector<bool>(s.fields.size()), {}};
    if (!enclosedIn(text, "(){}[]")) return split.bad();
    if (!diag::trimView(inner(text)).empty())
        for (const std::string& item : splitOutside(inner(text), ','))
            if (!split.item(item)) return false;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (split.given[i]) continue;
        if (split.others) {
            values[i] = *split.others;
        } else if (initial) {
            diag::error("INITAGREG", path + "." + s.fields[i].name);
            return false;
        } else {
            return split.bad();
        }
    }
    return true;
}

}  // namespace

bool splitStructureTexts(const ClauseTexts& texts, const StructureDef& structure, const std::string& path,
                         const std::vector<const StructureDef*>& expanding, std::vector<ClauseTexts>& fields) {
    for (const StructureDef* open : expanding)
        if (open == &structure) {
            diag::error("STRRECURS");
            return false;
        }
    std::vector<std::string> inits, expected;
    if (!splitAggregate(texts.init, structure, path, true, inits)) return false;
    if (!splitAggregate(texts.ev, structure, path, false, expected)) return false;
    fields.assign(structure.fields.size(), ClauseTexts{});
    std::vector<const StructureDef*> inside = expanding;
    inside.push_back(&structure);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const FieldDef& field = structure.fields[i];
        fields[i] = {inits[i], expected[i], texts.min, texts.max, texts.delta};
        std::vector<ClauseTexts> nested;
        // Arrays of structures are split element by element when generated.
        if (field.structure != nullptr && field.dimensionCount == 0 &&
            !splitStructureTexts(fields[i], *field.structure, path + "." + field.name, inside, nested))
            return false;
    }
    return true;
}

}  // namespace variables::detail
