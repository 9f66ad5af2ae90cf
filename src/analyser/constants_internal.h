// The constants of analysed code: integer, character, string and floating
// constants as one token spells them, turned into constant records with the
// diagnostics of their scanning (ENTOUTRAN, NOHEXDIGI, SEQUEINCO, CSTCARVID,
// TOLOCSTCA, MULCARCST, INVCSTCAR).
#pragma once

#include "analyser/types_internal.h"

#include <optional>
#include <string_view>

namespace analyser::decl {

// Where a constant is reported.
struct ConstantSite {
    std::string_view file;
    int line = 0;
};

// A number as the scanner delimits it (digits, letters, points, exponent
// signs). Integers: base 8, 10 or 16 by prefix, "h" suffix for hexadecimal,
// "b" suffix (or "0b" prefix) for binary; "u", "l", "ll" suffixes. Anything
// with a point or an exponent is a floating constant. Nothing for a
// spelling that is not a number.
std::optional<Constant> scanNumber(std::string_view text, const ConstantSite& site);

// A character constant with its quotes and optional "L" prefix.
Constant scanCharacter(std::string_view text, const ConstantSite& site);

// A string literal with its quotes and optional "L" prefix.
Constant scanString(std::string_view text, const ConstantSite& site);

// An integer literal as a C++ compiler reads it: its whole value and the
// size in bits of its type (int, then wider types as the value, the base and
// the suffixes require), negative when signed.
struct IntegerLiteral {
    bool valid = false;
    __int128 value = 0;
    int bits = 0;
};
IntegerLiteral integerLiteral(std::string_view text);

}  // namespace analyser::decl
