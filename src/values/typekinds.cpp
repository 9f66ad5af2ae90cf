// Names of the script-side type kinds and display formats.
#include "values/typekinds.h"

#include <array>

namespace values {

namespace {

constexpr std::array<std::string_view, kTypeKindCount> kTypeKindNames = {
    "ENTIER", "BOOLEEN", "CARACTERE", "REEL",    "CHAINE",     "ENUM",
    "POINTEUR", "BIT",   "INCONNU",   "PTR_CHAINE", "PRIVATE", "FUNCPOINTEUR",
};

struct FormatRow {
    std::string_view name;
    std::string_view radix;
};

constexpr std::array<FormatRow, kDisplayFormatCount> kFormats = {{
    {"HEXA", ",16"},
    {"DECIMAL", ",10"},
    {"BINAIRE", ",2"},
    {"UNSIGNED", ",10"},
    {"FLOAT", ",10"},
    {"REAL", ",10"},
    {"DECIMAL_DEF", ",10"},
}};
static_assert(kFormats.size() == kDisplayFormatCount);

bool inFormatTable(DisplayFormat format) {
    const int index = static_cast<int>(format);
    return index >= 0 && index < kDisplayFormatCount;
}

}  // namespace

std::string_view typeKindName(TypeKind kind) {
    const int index = static_cast<int>(kind);
    return index >= 0 && index < kTypeKindCount ? kTypeKindNames[index] : "?";
}

std::string_view displayFormatName(DisplayFormat format) {
    return inFormatTable(format) ? kFormats[static_cast<int>(format)].name : "?";
}

std::string_view radixArgument(DisplayFormat format) {
    return inFormatTable(format) ? kFormats[static_cast<int>(format)].radix : ",10";
}

}  // namespace values
