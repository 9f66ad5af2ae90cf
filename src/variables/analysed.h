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

// The aggregate texts of one structure variable (its clauses allow only
// INIT and EV).
struct AggregateRequest {
    std::string variable;
    std::string init, ev;
};

// One leaf of a structure variable: its path (an array field carries its
// index ranges, "s.tab[0..3]"), its type, the texts the aggregate items give
// it, and the bracket calls to write around it.
struct Leaf {
    std::string path;
    Variable variable;
    std::string init, ev;
    int openBrackets = 0;   // before the leaf
    int closeBrackets = 0;  // after the leaf
};

// Every leaf of a structure variable in declaration order (a union's first
// member, after CHAMUNION, when the aggregate names none); nothing when its
// aggregate lists are refused (NBVALINCO, NUMCHAINC, LISTEINVA, ...).
std::optional<std::vector<Leaf>> leaves(const AggregateRequest& request);

// One dimension of an array being expanded.
struct IndexBounds {
    long long low = 0;
    long long high = 0;
    bool lowWritten = false;  // positional values count from it
};

// An array value list turned into one conditional expression over the loop
// indices I<level>, I<level+1>, ... of the dimensions given, outermost first
// (NBVALINCO, OMIVALTAB, TABEXPINC, INDICEINC); nothing when it is refused.
// A text that is not a list is returned as it is.
std::optional<std::string> arrayListExpression(std::string_view list, const std::vector<IndexBounds>& dimensions,
                                               int firstLevel);

}  // namespace variables::analysed
