// Typed values written as source text for a target variable, and the
// absolute value used by DELTA.
#include "values/scanner_internal.h"

#include "diag/diag.h"

#include <algorithm>
#include <cstdlib>

namespace values {

namespace {

// Fixed-point texts beyond this many digits fall back to the exponent form.
constexpr int kFixedPointLimit = 400;

bool isBoundedKind(TypeKind kind) {
    return kind == TypeKind::ENTIER || kind == TypeKind::BOOLEEN || kind == TypeKind::INCONNU ||
           kind == TypeKind::POINTEUR || kind == TypeKind::FUNCPOINTEUR || kind == TypeKind::BIT;
}

bool isIntegerTarget(TypeKind kind) {
    return kind == TypeKind::ENTIER || kind == TypeKind::BOOLEEN || kind == TypeKind::BIT;
}

bool takesStringQuotes(TypeKind kind) {
    return kind == TypeKind::CHAINE || kind == TypeKind::PTR_CHAINE || kind == TypeKind::POINTEUR ||
           kind == TypeKind::FUNCPOINTEUR || kind == TypeKind::INCONNU;
}

void reportConversion(TokenKind from, TokenKind to, const std::string& text, const Dialect& dialect) {
    std::string parameter(tokenKindName(from, dialect.keywordLanguage));
    parameter += " -> ";
    parameter += tokenKindName(to, dialect.keywordLanguage);
    diag::warning("CONVERTYP", parameter + " (" + text + ")");
}

// Bit patterns may be written for a signed or an unsigned variable.
bool fitsTarget(const Integer& value, const Target& target, int bits) {
    switch (target.format) {
    case DisplayFormat::UNSIGNED:
        return fitsUnsigned(value, bits);
    case DisplayFormat::HEXA:
    case DisplayFormat::BINAIRE:
        return fits(value, bits) || fitsUnsigned(value, bits);
    default:
        return target.size < 0 ? fits(value, bits) : fitsUnsigned(value, bits);
    }
}

// The value reduced to the target's size, with BITIGNORE when bits are lost.
Integer fitToSize(const Integer& value, const Target& target) {
    const std::int64_t bits = std::llabs(static_cast<std::int64_t>(target.size));
    if (bits >= Integer::kBits || fitsTarget(value, target, static_cast<int>(bits))) return value;
    diag::warning("BITIGNORE", std::to_string(bits));
    const bool signedTarget = target.size < 0 && target.format != DisplayFormat::UNSIGNED &&
                              target.format != DisplayFormat::HEXA && target.format != DisplayFormat::BINAIRE;
    return signedTarget ? signTruncate(value, static_cast<int>(bits)) : truncate(value, static_cast<int>(bits));
}

// C and C++ have no "H" suffix: hexadecimal constants take the "0x" prefix,
// with a sign when no size gives the width of the pattern.
std::string hexadecimalText(const Integer& value, const Target& target, const Dialect& dialect) {
    if (!isCFamily(dialect.language)) return image(value, DisplayFormat::HEXA, target.size);
    if (target.size == 0 && value.isNegative()) {
        if (const auto magnitude = negate(value)) return "-" + image(*magnitude, kPrefixedHexa, 0);
    }
    return image(value, kPrefixedHexa, target.size);
}

std::optional<std::string> renderInteger(const Integer& integer, const Target& target, const Dialect& dialect) {
    if (target.kind == TypeKind::REEL) {
        reportConversion(TokenKind::CST_ENTIERE, TokenKind::CST_REELLE, image(integer, DisplayFormat::DECIMAL, 0),
                         dialect);
        return image(realFromInteger(integer), 19);
    }
    Integer value = integer;
    if (isBoundedKind(target.kind) && target.size != 0) value = fitToSize(integer, target);
    if (target.format == DisplayFormat::HEXA) return hexadecimalText(value, target, dialect);
    return image(value, DisplayFormat::DECIMAL, target.size);
}

// The digits and exponent of a real's 19-digit image "0.DDDE<e>".
struct DecimalImage {
    bool negative = false;
    std::string digits;
    long exponent = 0;
};

DecimalImage decimalImage(const Real& value) {
    const std::string text = image(value, 19);
    DecimalImage result;
    result.negative = text[0] == '-';
    const std::size_t point = text.find('.');
    const std::size_t e = text.find('E');
    result.digits = text.substr(point + 1, e == std::string::npos ? std::string::npos : e - point - 1);
    if (e != std::string::npos) result.exponent = std::strtol(text.c_str() + e + 1, nullptr, 10);
    return result;
}

// Adds one unit at the last digit of integral.fraction.
void roundUp(std::string& integral, std::string& fraction) {
    for (std::size_t i = fraction.size(); i-- > 0;) {
        if (fraction[i] != '9') {
            ++fraction[i];
            return;
        }
        fraction[i] = '0';
    }
    for (std::size_t i = integral.size(); i-- > 0;) {
        if (integral[i] != '9') {
            ++integral[i];
            return;
        }
        integral[i] = '0';
    }
    integral.insert(0, 1, '1');
}

// Fixed-point notation: every digit of the 19-digit image, or exactly
// `decimals` digits after the point, rounded half up.
std::string fixedPoint(const Real& value, int decimals) {
    const DecimalImage d = decimalImage(value);
    if (std::labs(d.exponent) > kFixedPointLimit || decimals > kFixedPointLimit) return image(value, 19);
    std::string integral, fraction;
    const long length = static_cast<long>(d.digits.size());
    if (value.isZero()) {
        integral = "0";
    } else if (d.exponent <= 0) {
        integral = "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent), '0') + d.digits;
    } else if (d.exponent >= length) {
        integral = d.digits + std::string(static_cast<std::size_t>(d.exponent - length), '0');
    } else {
        integral = d.digits.substr(0, static_cast<std::size_t>(d.exponent));
        fraction = d.digits.substr(static_cast<std::size_t>(d.exponent));
    }
    if (decimals > 0 && fraction.size() > static_cast<std::size_t>(decimals)) {
        const bool up = fraction[static_cast<std::size_t>(decimals)] >= '5';
        fraction.resize(static_cast<std::size_t>(decimals));
        if (up) roundUp(integral, fraction);
    }
    if (decimals > 0) fraction.resize(static_cast<std::size_t>(decimals), '0');
    if (fraction.empty()) fraction = "0";
    return (d.negative ? "-" : "") + integral + "." + fraction;
}

std::optional<std::string> renderReal(const Real& real, const Target& target, const Dialect& dialect) {
    if (isIntegerTarget(target.kind)) {
        reportConversion(TokenKind::CST_REELLE, TokenKind::CST_ENTIERE, image(real, 19), dialect);
        const auto integer = integerFromReal(real);
        if (!integer) return std::nullopt;
        return renderInteger(*integer, target, dialect);
    }
    const std::int64_t magnitude = std::llabs(static_cast<std::int64_t>(target.size));
    const auto digits = static_cast<int>(std::min<std::int64_t>(magnitude, 100000));
    if (target.format == DisplayFormat::FLOAT) return fixedPoint(real, digits);
    if (target.format == DisplayFormat::REAL) return image(real, digits);
    return image(real, 19);
}

std::optional<std::string> renderString(const Value& value, const Target& target, const Dialect& dialect) {
    const LanguagePieces& pieces = languagePieces(dialect.language);
    const std::string_view valueName = valueKindName(value.kind, dialect.keywordLanguage);
    if (target.kind == TypeKind::CARACTERE) {
        if (value.text.size() == 1) return quoted(value.text, pieces.characterQuote, dialect.language);
        diag::error("TYPESMISM", std::string(valueName) + "," + std::string(typeKindName(target.kind)) + " (" +
                                     value.text + ")");
        return std::nullopt;
    }
    if (!takesStringQuotes(target.kind)) {
        diag::error("TYPESMISM", std::string(typeKindName(target.kind)) + ",CHAINE");
        return std::nullopt;
    }
    const char quote = isCFamily(dialect.language) ? '"' : pieces.stringQuote;
    return quoted(value.text, quote, dialect.language);
}

}  // namespace

std::optional<std::string> render(const Value& value, const Target& target, const Dialect& dialect) {
    switch (value.kind) {
    case ValueKind::Integer:
        return renderInteger(value.integer, target, dialect);
    case ValueKind::Real:
        return renderReal(value.real, target, dialect);
    case ValueKind::String:
        return renderString(value, target, dialect);
    case ValueKind::Identifier:
    case ValueKind::Irreducible:
        return value.text;
    case ValueKind::Error:
        return std::nullopt;  // reported where it failed
    default:
        diag::error("ANAEXPERR",
                    std::string(valueKindName(value.kind, dialect.keywordLanguage)) + " (" + value.text + ")");
        return std::nullopt;
    }
}

Value absoluteValue(const Value& value, const Dialect& dialect) {
    switch (value.kind) {
    case ValueKind::Integer: {
        if (!value.integer.isNegative()) return value;
        const auto magnitude = negate(value.integer);
        return magnitude ? Value::integerConstant(*magnitude) : Value::error();
    }
    case ValueKind::Real:
        return Value::realConstant(absolute(value.real));
    case ValueKind::Identifier:
    case ValueKind::Irreducible: {
        const LanguagePieces& pieces = languagePieces(dialect.language);
        return Value::irreducible(std::string(pieces.absoluteOpening) + value.text +
                                  std::string(pieces.absoluteClosing));
    }
    case ValueKind::String:
        diag::error("VALABSIMP", sourceText(value, dialect));
        return Value::error();
    case ValueKind::Error:
        return value;
    default:
        diag::error("ANAEXPERR",
                    std::string(valueKindName(value.kind, dialect.keywordLanguage)) + " (" + value.text + ")");
        return Value::error();
    }
}

}  // namespace values
