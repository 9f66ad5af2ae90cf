// One scalar of a VAR statement: its clauses evaluated in order with the
// pseudo-macros INIT, init, VA and va, then its initialisation, the
// recording of a run-time initial value and its check call.
#include "diag/diag.h"
#include "variables/analysed.h"
#include "variables/variables_internal.h"

#include <optional>

namespace variables::detail {

namespace {

using values::TypeKind;

// ---- Generated lines (%n stands for the n-th argument) ------------------------

// Checks: %1 E1, %2 E2, %3 variable, %4 base, %5 number, %6 radix, %7 low,
// %8 high, %9 the piece between E1 and the value of the real checks.
constexpr std::string_view kCheckUnsigned =
    "vorne_run.EDV_UNSIGNED_CPP(%1,%2,(unsigned long)(%3),%4+%5%6, (unsigned long)(%7), (unsigned long)(%8));";
constexpr std::string_view kCheckInteger =
    "vorne_run.EDV_INTEGER_CPP(%1,%2,(long)(%3),%4+%5%6, (long)(%7), (long)(%8));";
constexpr std::string_view kCheckCharacter =
    "vorne_run.EDV_CHAR_CPP(%1,%2,(char)(%3),%4+%5,(char)(%7),(char)(%8));";
constexpr std::string_view kCheckDouble =
    "vorne_run.EDV_DOUBLE_CPP(%1%9(double)(%3),%4+%5,(double)(%7),(double)(%8));";
constexpr std::string_view kCheckLongDouble =
    "vorne_run.EDV_LONG_DOUBLE_CPP(%1%9(long double)(%3),%4+%5,(long double)(%7),(long double)(%8));";
constexpr std::string_view kCheckFloat =
    "vorne_run.EDV_FLOAT_CPP(%1%9(float)(%3),%4+%5,(float)(%7),(float)(%8));";
constexpr std::string_view kCheckString =
    "vorne_run.EDV_STR_CPP(%1,%2,(const char *)(%3),%4+%5,vorne_run.CONCAT_STR_CPP(%7,(char *)0),"
    "vorne_run.CONCAT_STR_CPP(%8,(char *)0));";
constexpr std::string_view kCheckPointer = "vorne_run.EDV_POINTER_CPP(%1,%2,(void*)(%3),%4+%5,(void*)(%7));";
constexpr std::string_view kRealPieceNotEqual = ",0, ";
constexpr std::string_view kRealPieceEqual = ",1,";
constexpr std::string_view kCheckOpening = "try {";
constexpr std::string_view kCheckClosing = " } catch (...) { }";

// Initialisations: %1 variable, %2 C type or the recording piece, %3 value,
// base or number as the line says.
constexpr std::string_view kInitPointerNil = "%1 = (%2)NIL;";
constexpr std::string_view kInitPointer = "%1 = (%2)(%3);";
constexpr std::string_view kInitString =
    "vorne_run.INI_STR_CPP((char *)(%1%2%3+%4 , vorne_run.CONCAT_STR_CPP(%5,(char *)0));";
constexpr std::string_view kInitOther = "%1 = %2;";
constexpr std::string_view kRecordedPiece = "), 1, ";
constexpr std::string_view kNotRecordedPiece = "), 0, ";

// Recording of an initial value known at run time: %1 variable, %2 base,
// %3 number, %4 radix.
constexpr std::string_view kRecordUnsigned = "vorne_run.PTU_UNSIGNED_CPP((unsigned long)(%1),%2+%3%4);";
constexpr std::string_view kRecordInteger = "vorne_run.PTU_INTEGER_CPP((long)(%1),%2+%3%4);";
constexpr std::string_view kRecordBoolean = "vorne_run.PTU_BOOLEAN_CPP(%1,%2+%3);";
constexpr std::string_view kRecordCharacter = "vorne_run.PTU_CHAR_CPP((char)(%1),%2+%3);";
constexpr std::string_view kRecordDouble = "vorne_run.PTU_DOUBLE_CPP((double)(%1),%2+%3);";
constexpr std::string_view kRecordLongDouble = "vorne_run.PTU_LONG_DOUBLE_CPP((long double)(%1),%2+%3);";
constexpr std::string_view kRecordFloat = "vorne_run.PTU_FLOAT_CPP((float)(%1),%2+%3);";

// Characters after which a bound in an extra cast is put in parentheses.
constexpr std::string_view kOperatorCharacters = "!%&*+-/:<=>?|~";

// ---- Values --------------------------------------------------------------------

// A clause value: folded by the script expressions, or analysed.
struct Evaluated {
    values::Value value;  // without declaration analysis
    std::string image;    // with it
    std::optional<TypeKind> kind;
    bool literal = false;
};

bool isStringKind(TypeKind kind) {
    return kind == TypeKind::CHAINE || kind == TypeKind::PTR_CHAINE || kind == TypeKind::POINTEUR ||
           kind == TypeKind::FUNCPOINTEUR;
}

std::optional<TypeKind> constantKind(const values::Value& value, TypeKind variable) {
    switch (value.kind) {
    case values::ValueKind::Integer: return TypeKind::ENTIER;
    case values::ValueKind::Real: return TypeKind::REEL;
    case values::ValueKind::String:
        return value.text.size() == 1 && !isStringKind(variable) ? TypeKind::CARACTERE : TypeKind::CHAINE;
    default: return std::nullopt;
    }
}

// NIL and NONIL are the fixed values of pointers.
bool pointerConstant(const values::Value& value) {
    return value.kind == values::ValueKind::Identifier &&
           (equalsIgnoringCase(value.text, "nil") || equalsIgnoringCase(value.text, "nonil"));
}

std::optional<Evaluated> fromScript(const values::Value& value, const TypeFields& type) {
    if (value.failed()) return std::nullopt;
    const bool literal = value.isLiteralConstant() || pointerConstant(value);
    return Evaluated{value, {}, constantKind(value, type.kind), literal};
}

// Most values are plain decimal numbers or plain quoted texts: they are
// folded without the expression parser, to the same constants.
std::optional<values::Value> plainText(std::string_view text) {
    if (text.size() < 2 || (text.front() != '"' && text.front() != '\'') || text.back() != text.front())
        return std::nullopt;
    const std::string_view characters = text.substr(1, text.size() - 2);
    for (const char c : characters)
        if (c == '"' || c == '\'' || c == '\\' || static_cast<unsigned char>(c) < 0x20) return std::nullopt;
    return values::Value::string(std::string(characters));
}

std::optional<values::Value> plainNumber(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view integral = text.substr(0, point);
    const auto digits = [](std::string_view s) {
        return !s.empty() && s.size() <= 18 && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!digits(integral)) return std::nullopt;
    if (point == std::string_view::npos) {
        std::int64_t value = 0;
        for (const char c : integral) value = value * 10 + (c - '0');
        return values::Value::integerConstant(values::Integer::fromInt64(value));
    }
    if (!digits(text.substr(point + 1))) return std::nullopt;
    const auto real = values::realFromText(text);
    return real ? std::optional(values::Value::realConstant(*real)) : std::nullopt;
}

std::optional<Evaluated> evaluateText(std::string_view text, const TypeFields& type) {
    if (!analysing()) {
        auto plain = plainNumber(text);
        if (!plain) plain = plainText(text);
        return fromScript(plain ? *plain : evaluateScript(text), type);
    }
    const auto analysedValue = analysed::analyseValue(text, type);
    if (!analysedValue) return std::nullopt;
    Evaluated e;
    e.image = analysedValue->image;
    if (analysedValue->known) e.kind = analysedValue->kind;
    e.literal = analysedValue->literal;
    return e;
}

// The value written for the variable; nothing after TYPESMISM and the like.
std::optional<std::string> rendered(const Evaluated& e, const TypeFields& type) {
    if (analysing()) return e.image;
    return renderScript(e.value, type);
}

// INIT, init, VA and va while one scalar is generated; removed in the order
// VA, va, INIT, init.
class PseudoMacros {
public:
    PseudoMacros() = default;
    PseudoMacros(const PseudoMacros&) = delete;
    PseudoMacros& operator=(const PseudoMacros&) = delete;
    ~PseudoMacros() {
        if (expected_) remove("VA"), remove("va");
        if (initial_) remove("INIT"), remove("init");
    }
    void defineInitial(const Evaluated& e) {
        define("INIT", e), define("init", e);
        initial_ = true;
    }
    void defineExpected(const Evaluated& e) {
        define("VA", e), define("va", e);
        expected_ = true;
    }

private:
    static void define(std::string_view name, const Evaluated& e) {
        if (analysing()) analysed::defineMacro(name, e.image);
        else values::defineSymbol(name, e.value);
    }
    static void remove(std::string_view name) {
        if (analysing()) analysed::undefineMacro(name);
        else values::undefineSymbol(name);
    }
    bool initial_ = false;
    bool expected_ = false;
};

// d%: d*(VA)/100, and 100.0 for a real variable.
std::string percentageText(const std::string& delta, TypeKind kind) {
    const bool compound = delta.find_first_of(kOperatorCharacters) != std::string::npos;
    return (compound ? "(" + delta + ")" : delta) + "*(VA)/100" + (kind == TypeKind::REEL ? ".0" : "");
}

// The absolute value of the delta: folded, or the C text d>=0?d:-(d).
std::optional<Evaluated> absoluteDelta(const Scalar& s) {
    const std::string text = s.deltaKind == DeltaKind::Percentage ? percentageText(s.delta, s.type.kind) : s.delta;
    auto delta = evaluateText(text, s.type);
    if (!delta) return std::nullopt;
    if (analysing()) {
        const std::string& d = delta->image;
        delta->image = d + ">=0?" + d + ":-(" + d + ")";
        return delta;
    }
    return fromScript(values::absoluteValue(delta->value, dialect()), s.type);
}

// A bound derived from EV and the delta: EV - |d| or EV + |d|.
std::optional<Evaluated> derivedBound(const Evaluated& ev, const std::optional<Evaluated>& delta, bool lower,
                                      const TypeFields& type) {
    if (!delta) return ev;
    if (analysing()) {
        Evaluated e;
        e.image = "(" + ev.image + ") " + (lower ? "-" : "+") + " (" + delta->image + ")";
        e.literal = ev.literal && delta->literal;
        return e;
    }
    return fromScript(values::combine(ev.value, lower ? "-" : "+", delta->value, dialect()), type);
}

// ---- The scalar ----------------------------------------------------------------

struct Bounds {
    std::optional<Evaluated> init, expected, low, high;
};

// A text the value lists made: C text, written as it is.
Evaluated verbatim(const std::string& text) {
    Evaluated e;
    e.value = values::Value::irreducible(text);
    e.image = text;
    return e;
}

bool evaluateClauses(const Scalar& s, Bounds& b, PseudoMacros& macros) {
    if (s.initGiven) {
        if (!(b.init = s.initVerbatim ? verbatim(s.init) : evaluateText(s.init, s.type))) return false;
        macros.defineInitial(*b.init);
    }
    if (s.evEqual) return true;
    if (!s.ev.empty()) {
        if (!(b.expected = s.evVerbatim ? verbatim(s.ev) : evaluateText(s.ev, s.type))) return false;
        macros.defineExpected(*b.expected);
    }
    if (!b.expected && (!s.minGiven || !s.maxGiven)) return false;
    std::optional<Evaluated> delta;
    if (s.deltaKind != DeltaKind::None && !(delta = absoluteDelta(s))) return false;
    b.low = s.minGiven ? evaluateText(s.min, s.type) : derivedBound(*b.expected, delta, true, s.type);
    if (!b.low) return false;
    b.high = s.maxGiven ? evaluateText(s.max, s.type) : derivedBound(*b.expected, delta, false, s.type);
    return b.high.has_value();
}

bool numericConstant(const std::optional<Evaluated>& e) {
    return e && !analysing() &&
           (e->value.kind == values::ValueKind::Integer || e->value.kind == values::ValueKind::Real);
}

// Each value written in the statement is checked against the variable.
void checkKinds(const Scalar& s, const Bounds& b) {
    const std::optional<Evaluated>* given[] = {&b.init, &b.expected, s.minGiven ? &b.low : nullptr,
                                               s.maxGiven ? &b.high : nullptr};
    for (const auto* e : given)
        if (e != nullptr && *e && (*e)->kind && !compatible(*(*e)->kind, s.type.kind))
            diag::warning("TYPEINCOM", s.variable);
    if (numericConstant(b.low) && numericConstant(b.high) && compareNumbers(b.low->value, b.high->value) > 0)
        diag::warning("MINMAXVAL");
}

std::string neutralBound(TypeKind kind) {
    switch (kind) {
    case TypeKind::CARACTERE: return "' '";
    case TypeKind::REEL: return "0.0";
    case TypeKind::CHAINE:
    case TypeKind::PTR_CHAINE: return "\"\"";
    case TypeKind::POINTEUR: return "NIL";
    default: return "0";
    }
}

// The texts of one scalar as they are written into its lines.
struct Texts {
    std::string init, low, high;
    bool recordInitial = false;
    bool dynamicBounds = false;
};

bool renderTexts(const Scalar& s, const Bounds& b, Texts& t) {
    if (b.init) {
        const auto init = rendered(*b.init, s.type);
        if (!init) return false;
        t.init = *init;
        t.recordInitial = !b.init->literal && !s.tableMode;
    }
    if (s.evEqual) {
        t.low = t.high = neutralBound(s.type.kind);
        return true;
    }
    const auto low = rendered(*b.low, s.type);
    const auto high = low ? rendered(*b.high, s.type) : std::nullopt;
    if (!high) return false;
    t.low = *low;
    t.high = *high;
    t.dynamicBounds = !b.low->literal || !b.high->literal;
    return true;
}

char variant(const TypeFields& type) { return type.frenchName.empty() ? ' ' : type.frenchName[0]; }

// The extra cast of an integer bound: "(T)" when the C type is not long.
std::string castBound(const TypeFields& type, const std::string& bound) {
    if (type.kind != TypeKind::ENTIER || type.cType.empty() || type.cType == "long") return bound;
    const bool compound = bound.find_first_of(kOperatorCharacters) != std::string::npos;
    return "(" + type.cType + ")" + (compound ? "(" + bound + ")" : bound);
}

std::string pointerBound(const std::string& bound) {
    if (equalsIgnoringCase(bound, "nil")) return "NIL";
    if (equalsIgnoringCase(bound, "nonil")) return "NONIL";
    return bound;
}

std::string_view realPattern(char v) {
    if (v == 'd') return kCheckDouble;
    if (v == 'l') return kCheckLongDouble;
    return kCheckFloat;
}

std::string_view checkPattern(const TypeFields& type) {
    switch (type.kind) {
    case TypeKind::ENTIER: return variant(type) == 'u' ? kCheckUnsigned : kCheckInteger;
    case TypeKind::CARACTERE: return kCheckCharacter;
    case TypeKind::REEL: return realPattern(variant(type));
    case TypeKind::CHAINE:
    case TypeKind::PTR_CHAINE: return kCheckString;
    case TypeKind::POINTEUR: return kCheckPointer;
    default: return kCheckInteger;
    }
}

std::string checkLine(const Scalar& s, const Texts& t) {
    const bool e1 = t.dynamicBounds && (!s.evEqual || !t.low.empty() || !t.high.empty());
    std::string low = t.low, high = t.high;
    if (s.type.kind == TypeKind::ENTIER) low = castBound(s.type, low), high = castBound(s.type, high);
    if (s.type.kind == TypeKind::POINTEUR) low = pointerBound(low);
    return fill(checkPattern(s.type), {e1 ? "1" : "0", s.evEqual ? "1" : "0", s.variable, s.base,
                                       std::to_string(s.number), values::radixArgument(s.type.format), low, high,
                                       s.evEqual ? kRealPieceEqual : kRealPieceNotEqual});
}

std::string_view recordPattern(const TypeFields& type) {
    switch (type.kind) {
    case TypeKind::ENTIER: return variant(type) == 'u' ? kRecordUnsigned : kRecordInteger;
    case TypeKind::BOOLEEN: return kRecordBoolean;
    case TypeKind::CARACTERE: return kRecordCharacter;
    case TypeKind::REEL:
        return variant(type) == 'd' ? kRecordDouble : variant(type) == 'l' ? kRecordLongDouble : kRecordFloat;
    case TypeKind::CHAINE:
    case TypeKind::POINTEUR:
    case TypeKind::PTR_CHAINE: return {};
    default: return kRecordInteger;
    }
}

void writeInitialisation(const Scalar& s, const Texts& t) {
    const std::string number = std::to_string(s.number);
    const bool recorded = t.recordInitial && !noEdit();
    switch (s.type.kind) {
    case TypeKind::POINTEUR:
    case TypeKind::PTR_CHAINE:
        if (equalsIgnoringCase(t.init, "nonil")) return diag::warning("POINOINIT", s.variable);
        if (equalsIgnoringCase(t.init, "nil")) return toInit(fill(kInitPointerNil, {s.variable, s.type.cType}));
        return toInit(fill(kInitPointer, {s.variable, s.type.cType, t.init}));
    case TypeKind::CHAINE:
        return toInit(fill(kInitString, {s.variable, recorded ? kRecordedPiece : kNotRecordedPiece, s.base, number,
                                         t.init}));
    default: toInit(fill(kInitOther, {s.variable, t.init}));
    }
    const std::string_view pattern = recordPattern(s.type);
    if (recorded && !pattern.empty())
        toInit(fill(pattern, {s.variable, s.base, number, values::radixArgument(s.type.format)}));
}

void writeCheck(const Scalar& s, const Texts& t) {
    if (noEdit()) return;
    if (!noExcep()) toCheck(kCheckOpening);
    toCheck(checkLine(s, t));
    if (!noExcep()) toCheck(kCheckClosing);
}

}  // namespace

bool generateScalar(Scalar& s) {
    PseudoMacros macros;
    Bounds bounds;
    if (!evaluateClauses(s, bounds, macros)) return false;
    checkKinds(s, bounds);
    Texts texts;
    if (!renderTexts(s, bounds, texts)) return false;
    const auto number = takeNumbers(s.span);
    if (!number) {
        diag::error("BORSUPINC", s.variable);
        return false;
    }
    s.number = *number;
    if (s.initGiven) writeInitialisation(s, texts);
    writeCheck(s, texts);
    return true;
}

}  // namespace variables::detail
