// The native type table, the mapping of analysed types onto kinds and the
// compatibility table of values and variables.
#include "variables/typemodel.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "variables/analysed.h"

#include <array>

namespace variables {

namespace {

using values::DisplayFormat;
using values::TypeKind;

struct NativeRow {
    std::string_view scriptName;
    std::string_view cType;
    std::string_view frenchName;
    TypeKind kind;
    bool explicitCType;  // must be written with its C type in a list form
    int size;
};

// Searched in this order, by exact comparison.
constexpr std::array<NativeRow, 12> kNativeTypes = {{
    {"boolean", "int", "booleen", TypeKind::BOOLEEN, false, 0},
    {"char", "char", "caractere", TypeKind::CARACTERE, false, 0},
    {"double", "double", "double", TypeKind::REEL, false, 0},
    {"enum", "int", "entier", TypeKind::ENTIER, false, -32},
    {"float", "float", "float", TypeKind::REEL, false, 0},
    {"int", "long", "entier", TypeKind::ENTIER, false, -32},
    {"integer", "long", "entier", TypeKind::ENTIER, false, -32},
    {"pointer", "void*", "pointeur", TypeKind::POINTEUR, false, 32},
    {"string", "char*", "chaine", TypeKind::CHAINE, true, 0},
    {"string_ptr", "char*", "ptr_chaine", TypeKind::PTR_CHAINE, true, 0},
    {"unsigned", "unsigned", "unsigned", TypeKind::ENTIER, false, 32},
    {"longdouble", "long double", "longdouble", TypeKind::REEL, false, 0},
}};

const NativeRow* findNativeRow(std::string_view name) {
    for (const NativeRow& row : kNativeTypes)
        if (row.scriptName == name) return &row;
    return nullptr;
}

std::string_view beforeComment(std::string_view text) { return diag::trimView(text.substr(0, text.find('#'))); }

// The C type written between the first "(" and the last ")", if any.
bool explicitCTypeOf(std::string_view text, std::string& cType) {
    const std::size_t open = text.find('(');
    const std::size_t close = text.rfind(')');
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return false;
    cType = diag::trim(text.substr(open + 1, close - open - 1));
    return true;
}

constexpr unsigned bit(TypeKind kind) { return 1u << static_cast<int>(kind); }

// The variable kinds that accept a value of each kind.
constexpr std::array<unsigned, values::kTypeKindCount> kAccepted = {
    /* ENTIER */ bit(TypeKind::ENTIER) | bit(TypeKind::BOOLEEN) | bit(TypeKind::CARACTERE) | bit(TypeKind::REEL) |
        bit(TypeKind::POINTEUR) | bit(TypeKind::FUNCPOINTEUR),
    /* BOOLEEN */ bit(TypeKind::ENTIER) | bit(TypeKind::BOOLEEN),
    /* CARACTERE */ bit(TypeKind::ENTIER) | bit(TypeKind::CARACTERE) | bit(TypeKind::REEL),
    /* REEL */ bit(TypeKind::ENTIER) | bit(TypeKind::CARACTERE) | bit(TypeKind::REEL),
    /* CHAINE */ bit(TypeKind::CHAINE) | bit(TypeKind::PTR_CHAINE) | bit(TypeKind::POINTEUR) |
        bit(TypeKind::FUNCPOINTEUR),
    /* ENUM */ bit(TypeKind::ENUM),
    /* POINTEUR */ bit(TypeKind::ENTIER) | bit(TypeKind::CHAINE) | bit(TypeKind::PTR_CHAINE) |
        bit(TypeKind::POINTEUR) | bit(TypeKind::FUNCPOINTEUR),
    /* BIT */ 0,
    /* INCONNU */ bit(TypeKind::INCONNU),
    /* PTR_CHAINE */ bit(TypeKind::CHAINE) | bit(TypeKind::PTR_CHAINE) | bit(TypeKind::POINTEUR) |
        bit(TypeKind::FUNCPOINTEUR),
    /* PRIVATE */ 0,
    /* FUNCPOINTEUR */ bit(TypeKind::ENTIER) | bit(TypeKind::CHAINE) | bit(TypeKind::PTR_CHAINE) |
        bit(TypeKind::POINTEUR) | bit(TypeKind::FUNCPOINTEUR),
};

TypeFields fields(TypeKind kind, std::string_view frenchName, int size, std::string cType) {
    TypeFields f;
    f.kind = kind;
    f.frenchName = std::string(frenchName);
    f.size = size;
    f.cType = std::move(cType);
    if (kind == TypeKind::POINTEUR) f.format = DisplayFormat::HEXA;
    return f;
}

std::string_view floatingName(std::string_view image) {
    if (image.starts_with('d')) return "double";
    if (image.starts_with('l')) return "longdouble";
    return "float";
}

}  // namespace

std::string nativeTypeName(std::string_view typeText) {
    std::string_view text = beforeComment(typeText);
    const std::size_t open = text.find('(');
    if (open != std::string_view::npos) {
        text = diag::trimView(text.substr(0, open));
        const std::size_t blank = text.find_last_of(" \t");
        return std::string(blank == std::string_view::npos ? text : text.substr(blank + 1));
    }
    return std::string(text.substr(0, text.find_first_of(" \t")));
}

NativeLookup resolveNativeType(std::string_view typeText, TypeFields& f, bool explicitCType) {
    const NativeRow* row = findNativeRow(nativeTypeName(typeText));
    if (row == nullptr) return NativeLookup::NotNative;
    std::string cType;
    if (explicitCTypeOf(beforeComment(typeText), cType)) {
        cType = analysed::expandMacros(cType);
    } else if (explicitCType && row->explicitCType) {
        diag::error("ENUTYPABS", typeText);
        return NativeLookup::Refused;
    } else {
        cType = std::string(row->cType);
    }
    f.cType = cType;
    f.frenchName = std::string(row->frenchName);
    f.kind = row->kind;
    if (f.size == 0) f.size = row->size;
    if (f.kind == TypeKind::POINTEUR && f.format == DisplayFormat::DECIMAL_DEF) f.format = DisplayFormat::HEXA;
    return NativeLookup::Found;
}

TypeFields mapAnalysedType(const AnalysedTypeInfo& type) {
    switch (type.category) {
    case AnalysedCategory::Integral:
        return fields(TypeKind::ENTIER, type.size < 0 ? "entier" : "unsigned", type.size, type.image);
    case AnalysedCategory::SignedCharacter: return fields(TypeKind::CARACTERE, "caractere", type.size, type.image);
    case AnalysedCategory::UnsignedCharacter: return fields(TypeKind::ENTIER, "unsigned", type.size, type.image);
    case AnalysedCategory::IntegralWithoutDetail: return fields(TypeKind::ENTIER, "entier", type.size, type.image);
    case AnalysedCategory::Floating: return fields(TypeKind::REEL, floatingName(type.image), 0, type.image);
    case AnalysedCategory::PointerToChar: return fields(TypeKind::CHAINE, "chaine", 0, "char *");
    case AnalysedCategory::Pointer:
        return fields(TypeKind::POINTEUR, "pointeur", type.size, type.pointeeKnown ? type.image : "void *");
    case AnalysedCategory::ArrayOfChar:
    case AnalysedCategory::StandardString: return fields(TypeKind::CHAINE, "chaine", 0, type.image);
    case AnalysedCategory::Array:
    case AnalysedCategory::Function: return fields(TypeKind::POINTEUR, "pointeur", type.size, type.image);
    case AnalysedCategory::Enumeration: return fields(TypeKind::ENTIER, "entier", type.size, type.image);
    case AnalysedCategory::Void: return fields(TypeKind::ENTIER, "entier", 0, "void");
    case AnalysedCategory::Other: break;
    }
    return fields(TypeKind::INCONNU, "INCONNUE", 0, type.image);
}

bool compatible(TypeKind valueKind, TypeKind variableKind) {
    const int value = static_cast<int>(valueKind);
    if (value < 0 || value >= values::kTypeKindCount) return false;
    return (kAccepted[static_cast<std::size_t>(value)] & bit(variableKind)) != 0;
}

}  // namespace variables
