// The structures a script defines: DEFINE STRUCTURE name, its FIELD lines and
// END DEFINE. Each structure lives as long as the scope that defined it.
#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/variables_internal.h"

#include <algorithm>

namespace variables {

namespace detail {

namespace {

struct FieldLine {
    std::string name;
    std::string dimensions;
    std::string typeText;
};

// name [dimensions] = type
bool splitFieldLine(const std::string& text, FieldLine& line) {
    const std::size_t equal = text.find('=');
    if (equal == std::string::npos) return false;
    const std::string left = diag::trim(std::string_view(text).substr(0, equal));
    line.typeText = diag::trim(std::string_view(text).substr(equal + 1));
    const std::size_t bracket = left.find('[');
    line.name = diag::trim(std::string_view(left).substr(0, bracket));
    if (bracket != std::string::npos) line.dimensions = diag::trim(std::string_view(left).substr(bracket));
    return !line.name.empty() && !line.typeText.empty();
}

int countDimensions(std::string_view dimensions) {
    int count = 0;
    for (std::size_t at = 0; at < dimensions.size() && dimensions[at] == '[';) {
        const std::size_t close = matchingClose(dimensions, at);
        if (close == std::string_view::npos) break;
        ++count;
        at = dimensions.find_first_not_of(" \t", close + 1);
    }
    return count;
}

// "[n]" declares n elements, written as the range "[0..n-1]"; ranges stay.
std::string normalisedDimensions(std::string_view dimensions) {
    std::string out;
    for (std::size_t at = 0; at < dimensions.size() && dimensions[at] == '[';) {
        const std::size_t close = matchingClose(dimensions, at);
        if (close == std::string_view::npos) break;
        const std::string content = diag::trim(dimensions.substr(at + 1, close - at - 1));
        const bool number = !content.empty() && content.find_first_not_of("0123456789") == std::string::npos &&
                            content.size() < 10;
        if (content.find("..") != std::string::npos) out += "[" + content + "]";
        else if (number) out += "[0.." + std::to_string(std::stol(content) - 1) + "]";
        else out += "[0..(" + content + ")-1]";
        at = dimensions.find_first_not_of(" \t", close + 1);
    }
    return out;
}

bool hasField(const StructureDef& structure, std::string_view name) {
    return std::any_of(structure.fields.begin(), structure.fields.end(),
                       [&](const FieldDef& f) { return f.name == name; });
}

// The type of a field: a native type, else a structure defined before.
bool typeField(FieldDef& field) {
    TypeFields scratch;
    if (resolveNativeType(field.typeText, scratch, false) == NativeLookup::Found) {
        field.native = true;
        return true;
    }
    field.structure = findStructure(diag::trim(field.typeText));
    if (field.structure != nullptr) return true;
    diag::error("TYPEINCON", field.typeText);
    return false;
}

void addField(StructureBlock& block, FieldDef field) {
    ++block.fieldsSeen;
    if (!block.active || block.duplicate || block.structure == nullptr) return;
    block.structure->elementCount += field.structure ? field.structure->elementCount : 1;
    block.structure->fields.push_back(std::move(field));
}

void openBlock(const std::string& name) {
    StructureBlock& block = state().block;
    block = StructureBlock{};
    block.open = true;
    block.active = generating();
    block.name = name;
    if (!block.active) return;
    auto& structures = state().structures;
    const auto existing = structures.find(name);
    if (existing != structures.end()) {
        diag::error("DUPSTRNAM", name);
        block.duplicate = true;
        block.structure = existing->second.get();
        return;
    }
    auto structure = std::make_unique<StructureDef>();
    structure->name = name;
    structure->scope = nestingLevel();
    block.structure = structure.get();
    structures.emplace(name, std::move(structure));
}

}  // namespace

const StructureDef* findStructure(std::string_view name) {
    const auto& structures = state().structures;
    const auto it = structures.find(name);
    return it == structures.end() ? nullptr : it->second.get();
}

}  // namespace detail

using detail::state;

// DEFINE STRUCTURE name
void handleDefineStructure(const Statement& statement) {
    if (structureDefinitionOpen()) {
        diag::error("MOTCLEABS", detail::frenchKeywords() ? "FIN DEFINIR" : "END DEFINE");
        closeStructureDefinition();
    }
    const std::string name = diag::trim(statement.rest);
    if (name.empty()) diag::warning("STRUCTNOM");
    detail::openBlock(name);
}

// FIELD name [dimensions] = type
void handleField(const Statement& statement) {
    detail::StructureBlock& block = state().block;
    if (!block.open) {
        detail::reportMissingDefine();
        return;
    }
    detail::FieldLine line;
    if (!detail::splitFieldLine(statement.rest, line)) {
        diag::error("STXERRTYP", statement.rest);
        return;
    }
    if (block.structure != nullptr && !block.duplicate && detail::hasField(*block.structure, line.name)) {
        diag::error("DUPNOMCHP", line.name);
        return;
    }
    detail::FieldDef field;
    field.name = line.name;
    field.dimensions = detail::normalisedDimensions(line.dimensions);
    field.dimensionCount = detail::countDimensions(line.dimensions);
    field.typeText = line.typeText;
    if (detail::typeField(field)) detail::addField(block, std::move(field));
}

bool structureDefinitionOpen() { return state().block.open; }

void closeStructureDefinition() {
    detail::StructureBlock& block = state().block;
    if (!block.open) return;
    if (block.fieldsSeen == 0) diag::warning("BLSTRVIDE", block.name);
    block = detail::StructureBlock{};
}

}  // namespace variables
