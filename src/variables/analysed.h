// The analysed mode. With declaration analysis (the default) a variable
// text, a value and a bound are C/C++ expressions typed over the analyser's
// symbol table; this header is the one seam through which the variable
// statements ask the analyser for them. Without declaration analysis
// (-NOANALYZE) nothing here is asked, except the macro expansion, which
// then returns its text unchanged.
#pragma once

#include "variables/typemodel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace variables::analysed {

// Whether the analyser can type variables yet; while it cannot, a VAR
// statement under declaration analysis is read and produces nothing.
bool available();

// The text after one pass of the preprocessor's macro expansion.
std::string expandMacros(std::string_view text);

// One declared array dimension, outermost first: the index range that a
// variable written without its range gets ("0" .. "9", or "0" .. "(N)-1"
// when the size is an expression); sizeKnown is false for an unknown size
// (the range is then 0..0 and ERTAILTAB is the caller's).
struct Dimension {
    std::string low = "0";
    std::string high = "0";
    bool sizeKnown = true;
};

// A variable text as the analyser types it.
struct Variable {
    TypeFields type;            // mapped by mapAnalysedType
    bool constant = false;      // declared const: INIT becomes INIT ==, CONSTINIT
    bool initialisable = true;  // false: INIT is not generated (NOMVARINC)
    bool aggregate = false;     // a structure, union or class expanded leaf by leaf
    std::vector<Dimension> dimensions;
};

// The type of the variable text; nothing when it has none (the analyser
// reported why: IDENTIINC, CHAMPINCO, ...).
std::optional<Variable> typeOf(std::string_view variableText);

// A value, a bound or a DELTA analysed for a variable of the given type.
struct Value {
    std::string image;  // its C text
    values::TypeKind kind = values::TypeKind::INCONNU;
    bool known = false;    // kind holds the value's type, to be checked with TYPEINCOM
    bool literal = false;  // an integer, real, character or string constant
};

// Nothing when the value is refused (AFFECTATI, SOUSEXPRE, SYNTAXERR, ...;
// the analyser reported why).
std::optional<Value> analyseValue(std::string_view text, const TypeFields& target);

// The pseudo-macros INIT, init, VA and va of one scalar: "#define name value"
// and "#undef name" handed to the preprocessor.
void defineMacro(std::string_view name, std::string_view value);
void undefineMacro(std::string_view name);

// The aggregate texts of one structure variable.
struct AggregateRequest {
    std::string variable;
    std::string init, ev, min, max, delta;
};

// One leaf of a structure variable with the texts the aggregate items give
// it, and the bracket calls to write around it.
struct Leaf {
    std::string path;
    Variable variable;
    std::string init, ev, min, max, delta;
    int openBrackets = 0;   // before the leaf
    int closeBrackets = 0;  // after the leaf
    bool first = false;
    bool last = false;
    bool unionDefaulted = false;  // CHAMUNION was reported for its union
};

// Leaf number n (from 1); nothing after the last one or when the aggregate
// lists are refused (NBVALINCO, NUMCHAINC, ...).
std::optional<Leaf> leaf(const AggregateRequest& request, int n);

// An array value list turned into one conditional expression over the loop
// index I<level> (NBVALINCO, OMIVALTAB, TABEXPINC, INDICEINC); nothing when
// it is refused.
std::optional<std::string> arrayListExpression(std::string_view list, const Variable& array, int level);

}  // namespace variables::analysed
