// The test script's own expression language: values written after INIT, EV,
// MIN, MAX, DELTA, in lists, loop and array bounds and constants are parsed,
// their constant parts folded into typed constants and the rest kept as
// target-language text; typed values are rendered back as source text for a
// variable of a given kind, format and size.
#pragma once

#include "values/languages.h"
#include "values/numbers.h"
#include "values/typekinds.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace values {

// Kinds of typed values; the constant kinds share their numbers with the
// token kinds, whose names quote them in messages.
enum class ValueKind : int {
    Identifier = 1,
    Integer = 2,
    Real = 3,
    String = 4,       // character or string constant
    Irreducible = 5,  // expression text in target syntax
    None = 17,
    Error = 18,       // evaluation failed; the failure was reported
};

struct Value {
    ValueKind kind = ValueKind::None;
    values::Integer integer;
    values::Real real;
    std::string text;  // the name, the characters without quotes, or the expression text

    static Value identifier(std::string name);
    static Value integerConstant(const values::Integer& value);
    static Value realConstant(const values::Real& value);
    static Value string(std::string characters);
    static Value irreducible(std::string text);
    static Value error();

    bool failed() const { return kind == ValueKind::Error; }
    // An integer, real, character or string constant.
    bool isLiteralConstant() const {
        return kind == ValueKind::Integer || kind == ValueKind::Real || kind == ValueKind::String;
    }
};

// Token kinds of the expression scanner, named as in messages.
enum class TokenKind : int {
    OPERATEUR = 0,
    IDENTIFICATEUR = 1,
    CST_ENTIERE = 2,
    CST_REELLE = 3,
    CST_STRING = 4,
    EXPRESSION_IRREDUCTIBLE = 5,
    PG = 6,
    PD = 7,
    CG = 8,
    CD = 9,
    POINT = 10,
    POINT_POINT = 11,
    POINTEUR = 12,
    QUOTE = 13,
    CH_POINT = 14,
    AROBASQUE = 15,
    VIRGULE = 16,
    END_LEX = 17,
    ERREUR = 18,
    DIESE = 19,
    FLECHE_ETOILE = 20,
    POINT_ETOILE = 21,
    OPER_RESOLUTION_PORTEE = 22,
    INFERIEUR = 23,
    SUPERIEUR = 24,
    ACCOLADE_G = 25,
    ACCOLADE_D = 26,
};
inline constexpr int kTokenKindCount = 27;

// Operator codes of OPERATEUR tokens; every other operator character is
// scanned with kOtherOperator.
enum OperatorCode : int { kPlus = 0, kMinus = 1, kTimes = 2, kDivide = 3, kAmpersand = 4, kOtherOperator = 5 };

// The language index (LanguageIndex) and the keyword language
// (KeywordLanguage) that shape texts and message words.
struct Dialect {
    int language;
    int keywordLanguage;
};

// French name with the French keyword languages, English name otherwise.
std::string_view tokenKindName(TokenKind kind, int keywordLanguage);
std::string_view valueKindName(ValueKind kind, int keywordLanguage);

// Parses and folds the whole text. A failure (SYNTAXERO, OVERFLOW,
// DIVBYZERO, TYPESMISM, the scanner's ERRLEXCAL, CHARINVAL, TRFSTRINT) is
// reported and gives the error kind.
Value evaluate(std::string_view text, const Dialect& dialect);

// left op right by the combination table: constants are folded, anything
// else becomes text; TYPESMISM, SIGNEINCO (empty operator), OVERFLOW,
// DIVBYZERO give the error kind. An error operand gives the error kind
// without a new message.
Value combine(const Value& left, std::string_view op, const Value& right, const Dialect& dialect);

// The value as source text of the language, without regard to a target:
// integers in decimal, reals with 19 digits, strings quoted.
std::string sourceText(const Value& value, const Dialect& dialect);

// The variable a value is written for.
struct Target {
    TypeKind kind = TypeKind::INCONNU;
    DisplayFormat format = DisplayFormat::DECIMAL_DEF;
    int size = 0;  // bits, negative for a signed type, 0 when unknown
};

// Source text of the value for the target. Warnings BITIGNORE and CONVERTYP
// keep the converted value; TYPESMISM, ANAEXPERR and the arithmetic errors
// give nothing.
std::optional<std::string> render(const Value& value, const Target& target, const Dialect& dialect);

// The absolute value for DELTA: constants folded, texts wrapped in the
// language's absolute-value call; VALABSIMP for a character or string.
Value absoluteValue(const Value& value, const Dialect& dialect);

// ---- Evaluator symbols --------------------------------------------------------
//
// Names that the evaluator replaces by their value: the pseudo-macros that
// the generators define while one scalar is generated (INIT, init, VA, va,
// I) and the constants of the CONST statement. Pseudo-macros hide constants
// of the same name.

// Defines or redefines a pseudo-macro.
void defineSymbol(std::string_view name, const Value& value);
void undefineSymbol(std::string_view name);

struct Constant {
    std::string name;
    Value value;  // its kind is the constant's kind
};

// Enters a constant; false, and nothing changed, when the name is already
// in the table (the caller reports DUPLCONST).
bool addConstant(std::string_view name, const Value& value);
const Constant* findConstant(std::string_view name);
// In the order of definition.
const std::vector<Constant>& constants();

// The value a name stands for, or nothing.
const Value* findSymbol(std::string_view name);

// Clears the pseudo-macros and the constants (test support).
void resetEvaluatorForTesting();

}  // namespace values
