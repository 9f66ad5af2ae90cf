// The C/C++ declaration analyser as the other stages see it: the
// preprocessor and the declaration analysis of the texts the script hands
// over, the run's symbol table with its look-ups, and what the script side
// asks of an analysed type (its kind, its C++ text, its fields).
#pragma once

#include "analyser/preprocessor.h"
#include "values/typekinds.h"

#include <functional>
#include <optional>
#include <vector>
#include <string>
#include <string_view>

namespace analyser {

// Analysed records, opaque outside the analyser.
namespace decl {
struct Type;
struct Declaration;
}  // namespace decl

// Start-up: the preprocessor with the include directories and definitions of
// the command line, then the standard-definitions file of the settings.
void startAnalyser();

// Native code collected from the script since the previous statement, as
// declarations; reported under fileName from firstLine on.
void analyseNativeCode(const std::string& text, const std::string& fileName, int firstLine);

// Preprocesses a text (for example an "#include" line of INCLUDE CODE) with
// forced analysis and returns the preprocessed text.
std::string preprocessText(const std::string& text, const std::string& fileName, int firstLine);

// End of the script: open conditionals are reported, script macros dropped.
void endAnalyser();

// The preprocessor's reporting callback that raises its diagnostics as
// messages (severities 0 to 4 become levels S, F, E, W, I).
using Reporter = void (*)(int severity, std::string_view code, std::string_view parameter,
                          std::string_view fileName, int line);
Reporter diagnosticsCallback();

// ---- Declarations -------------------------------------------------------------

// Analyses preprocessed text into the run's symbol table: its declarations
// are entered in the scope named scopeName (the global scope when empty);
// messages are reported under fileName from firstLine until the first line
// marker.
void CPP_analyse_decl(std::string_view text, std::string_view scopeName, std::string_view fileName,
                      int firstLine, ReportCallback report);

// Preprocesses a text and analyses its declarations. The analysis sees the
// base type sizes of each point of the text: it starts from the sizes in
// force before the text and executes its size pragmas in order.
void analyseDeclarations(const std::string& text, bool forced, const std::string& fileName, int firstLine,
                         ReportCallback report);

// The declaration a name denotes at global scope, or null.
const decl::Declaration* lookUpDeclaration(std::string_view name);
const decl::Type* declaredType(const decl::Declaration* declaration);

// The type a text denotes ("unsigned long", "struct S *"), or null; the
// analysis of the text reports nothing.
const decl::Type* typeFromText(std::string_view text);

// The name under which a C++ function or member is written where only an
// identifier may stand: the enclosing scopes (classes, namespaces, template
// instances) from the outermost, each followed by separator, then the name;
// an operator is "operator_" and its word ("operator_add_assign"); blanks
// and ":" become "_".
std::string qualifiedFlatName(const decl::Declaration* declaration, std::string_view separator);
std::string flatName(std::string_view name);

// ---- What the script side asks of a type -------------------------------------------

// The script kind of an analysed type with its French name, its size in bits
// (negative when signed, 0 where none applies) and its C type text.
struct KindMapping {
    values::TypeKind kind = values::TypeKind::INCONNU;
    std::string frenchName;
    int size = 0;
    std::string cType;
};
KindMapping mapAnalysedType(const decl::Type* type);

// The C++ declaration of name with the type; mode 7 writes a pointer to
// signed char as "char name[200]". An absent type is "int".
inline constexpr int kImageModeSignedChar = 7;
struct TypeImageParts {
    std::string prefix;  // written before the name
    std::string suffix;  // written after it
};
TypeImageParts typeImageParts(const decl::Type* type, int mode = 0);
std::string typeImage(const decl::Type* type, std::string_view name, int mode = 0);

// Fields: structures count their data members, other types one field.
int fieldCount(const decl::Type* type);
// The 1-based index of a field or an enumerator by name; 0 when absent.
int fieldIndex(const decl::Type* type, std::string_view name);
// ".member" of the n-th field (1-based); with nested set, the n-th field
// counted through nested structures, as ".outer.inner". Empty when absent.
std::string fieldPath(const decl::Type* type, int n, bool nested);
// Whether the n-th field (1-based) of a structure can be tested: a named
// data member, not an unnamed bit field or padding.
bool isTestableField(const decl::Type* type, int n);
// Whether an array or pointer type ends on a signed char.
bool endsOnSignedChar(const decl::Type* type);

// ---- Expressions of test scripts ---------------------------------------------------

// A C/C++ expression of a test script analysed over the symbol table: its
// type (null when the type search refused it, after a warning), its C text
// and whether it is a literal constant. Nothing when it cannot be read
// (SYNTAXERR, UNEXP_EOF, AFFECTATI, SOUSEXPRE, POSTINCRE, POSTDECRE).
struct AnalysedExpression {
    const decl::Type* type = nullptr;
    std::string image;
    bool literal = false;
};
std::optional<AnalysedExpression> analyseExpression(std::string_view text);

// One dimension of a tested array: its index bounds, and whether the lower
// bound was written (positional values are then counted from it).
struct ArrayBounds {
    long long low = 0;
    long long high = 0;
    bool lowWritten = false;
};
// An array value list (or a text that is not a list, written as its image)
// as one conditional expression over I<firstLevel>, I<firstLevel+1>, ...
// for the dimensions given, outermost first; french selects "autres" over
// "others". Nothing when the
// list is refused (NBVALINCO, OMIVALTAB, TABEXPINC; INDICEINC drops one
// association).
std::optional<std::string> arrayListText(std::string_view list, const std::vector<ArrayBounds>& dimensions,
                                         int firstLevel, bool french);

// Types as the tested variables see them.
bool isConstQualified(const decl::Type* type);
bool isRecordType(const decl::Type* type);
bool isUnionType(const decl::Type* type);
// An array's element type and size (-1 when unknown, with its bound as
// written in sizeExpression); null for another type.
const decl::Type* arrayElement(const decl::Type* type, long long& count, std::string& sizeExpression);
// The type of the n-th field (1-based) of a structure, or null.
const decl::Type* fieldType(const decl::Type* type, int n);

// ---- Listing ---------------------------------------------------------------------------

// One named entry of the symbol table, as developer tools list them.
struct EntryListing {
    std::string what;  // typedef, variable, function, member, enumerator, tag
    std::string name;  // qualified with "::"
    std::string type;  // the type-id; an enumerator's value
    std::string kind;  // the script kind
    int size = 0;
    int bitWidth = -1; // bit fields
    std::string access; // C++ members: public, protected or private
};
// Every named entry in declaration order.
void listEntries(const std::function<void(const EntryListing&)>& visit);

}  // namespace analyser
