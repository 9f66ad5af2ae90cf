// Script-side type kinds and display formats of tested variables, with the
// names that listings and messages use.
#pragma once

#include <string_view>

namespace values {

// The kind of a tested variable; decides its check call and accepted values.
enum class TypeKind : int {
    ENTIER = 0,
    BOOLEEN = 1,
    CARACTERE = 2,
    REEL = 3,
    CHAINE = 4,
    ENUM = 5,
    POINTEUR = 6,
    BIT = 7,
    INCONNU = 8,
    PTR_CHAINE = 9,
    PRIVATE = 10,
    FUNCPOINTEUR = 11,
};
inline constexpr int kTypeKindCount = 12;

// The format in which the run-time prints an integer value.
enum class DisplayFormat : int {
    HEXA = 0,
    DECIMAL = 1,
    BINAIRE = 2,
    UNSIGNED = 3,
    FLOAT = 4,
    REAL = 5,
    DECIMAL_DEF = 6,  // no format given
};
inline constexpr int kDisplayFormatCount = 7;

// "ENTIER", "BOOLEEN", ...; "?" for a value outside the table.
std::string_view typeKindName(TypeKind kind);

// "HEXA", "DECIMAL", ...; "?" for a value outside the table.
std::string_view displayFormatName(DisplayFormat format);

// The radix argument of generated checks: ",16", ",10" or ",2".
std::string_view radixArgument(DisplayFormat format);

}  // namespace values
