// The analysed type model shared by the declaration parser, the symbol
// table and the queries: type nodes, declaration records, tag records,
// enumerators, prototypes and scopes, the composition of types and their
// comparison. Every record lives in the run's arena and is never freed one by
// one, so records may be shared freely and no walk frees recursively.
#pragma once

#include "analyser/preprocessor.h"
#include "diag/ribbon.h"
#include "values/numbers.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace analyser::decl {

using Name = diag::RibbonEntry;  // an interned name; 0 is the empty name

// The type kinds, numbered as the script side stores them.
enum class Kind : std::uint8_t {
    Integral = 0,
    Floating = 1,
    Unused = 2,
    Pointer = 3,
    Array = 4,
    Enumeration = 5,
    Union = 6,
    TypedefRef = 7,
    Function = 8,
    Void = 9,
    Class = 10,
    Named = 11,
    Reference = 12,
    Ellipsis = 13,
    Template = 14,
    ExceptionSpec = 15,
};

// Qualifiers of a node, written before a base type or after a "*".
enum Qualifier : std::uint8_t { kConst = 1, kVolatile = 2, kRestrict = 4 };

// Storage class bits of a declaration record.
enum Storage : std::uint32_t {
    kTypedef = 1,
    kExtern = 2,
    kStatic = 4,
    kAuto = 8,
    kRegister = 16,
    kFriend = 32,
    kOverload = 64,
    kInline = 128,
    kVirtual = 256,
    kThreadLocal = 512,
};

// A constant of the analysed code: an integer (with its size in bits,
// negative when signed, the char mark and the length mark), a string or a
// floating number (kept as written).
struct Constant {
    enum class Kind : std::uint8_t { Integer, String, Floating };
    Kind kind = Kind::Integer;
    values::Integer value;
    int bits = 0;
    bool isChar = false;
    int lengthMark = 0;  // 0 none, 1 long, 2 long long
    bool wide = false;
    std::string_view text;  // strings and floating numbers; kept for the run
};

struct Type;
struct Declaration;
struct Aggregate;
struct Scope;

// Base type detail: the canonical name ("unsigned long"), the size in bits
// (negative when signed, 0 for floating types) and the char mark.
struct BaseType {
    Name name = 0;
    int bits = 0;
    bool isChar = false;
};

struct Enumerator {
    Name name = 0;
    Constant value;    // with the size of the type it has inside its enumeration
    bool valueKnown = false;
    bool valueGiven = false;
    std::string_view expression;  // as written, kept in the arena
    Aggregate* owner = nullptr;
};

// The parameters of a function type.
struct Prototype {
    Name functionName = 0;
    std::vector<Declaration*> parameters;
    bool variadic = false;     // "..." closes the list
    bool unspecified = false;  // "()" of C: nothing said about parameters
    Type* exceptions = nullptr;  // "throw(T, U)": a node of kind ExceptionSpec whose prototype lists the types
};

enum class ClassKey : std::uint8_t { Struct, Class, Union, Enum };

// The access of a member; None outside classes.
enum class Access : std::uint8_t { None, Public, Protected, Private };

struct TemplateInfo;

// A tag's record, shared by every type node that names the tag: the
// structure, union or class with its members, or the enumeration with its
// enumerators.
struct Aggregate {
    Kind kind = Kind::Class;
    ClassKey key = ClassKey::Struct;
    Name name = 0;
    Name linkageName = 0;    // the typedef name that names an unnamed tag
    Scope* enclosing = nullptr;
    Scope* scope = nullptr;  // where its members are entered
    bool complete = false;   // its body was seen
    bool anonymousMember = false;  // unnamed, declared without declarator
    std::vector<Declaration*> members;
    std::vector<Enumerator*> enumerators;
    Type* type = nullptr;    // the tag's own type node
    int number = 0;          // the tag entry's number
    // Enumerations, once complete: the size in bits (negative when signed) of
    // the underlying type and of the type its values promote to.
    int underlyingBits = 0;
    int promotedBits = 0;
    bool removed = false;  // taken out of the table
    // C++: the base classes, the members they give (collected when the bases
    // are known), scoped enumerations, an underlying type that was written,
    // the template of an instance and a template's own record.
    std::vector<Aggregate*> bases;
    std::vector<Declaration*> inherited;
    bool scoped = false;
    bool cxx = false;  // written as C++ (class key, access section, bases, member functions)
    int fixedUnderlyingBits = 0;
    Aggregate* instanceOf = nullptr;
    TemplateInfo* templateInfo = nullptr;
};

// A class or alias template: its parameters, the text of its body as
// written and where that text starts, or the aliased type's text.
struct TemplateParameter {
    std::string name;
    std::string defaultText;
    bool pack = false;
};
struct TemplateInfo {
    std::vector<TemplateParameter> parameters;
    std::string_view body;       // between the braces of a class template; empty when only declared
    std::string_view bases;      // the base clause of a class template, without ":"
    std::string_view aliased;    // an alias template's type
    bool hasBody = false;
    bool isAlias = false;
    bool specialised = false;    // specialisations exist: the primary body may not be the one used
    Name file = 0;
    int line = 0;                // of the body's opening brace, or of the aliased type
};

// One node per type constructor. The detail used depends on the kind.
struct Type {
    Kind kind = Kind::Void;
    std::uint8_t qualifiers = 0;
    Type* inner = nullptr;  // pointee, element, return type, referenced type, typedef target
    BaseType base;                      // Integral, Floating
    std::int64_t count = -1;            // Array: elements, -1 when unknown
    std::string_view sizeExpression;    // Array: the bound as written
    Aggregate* record = nullptr;        // Enumeration, Union, Class; Pointer to member
    Declaration* typedefDecl = nullptr; // TypedefRef
    Prototype* prototype = nullptr;     // Function
    Name word = 0;                      // Named: the identifier or the text standing for a type
    bool afterOthers = false;           // Ellipsis
    std::vector<Name>* modifiers = nullptr;  // attached modifier words, when there are any
    Scope* scope = nullptr;             // where it was declared
    bool rvalue = false;                // Reference: "&&"
    bool unresolved = false;            // Named: a template use the analyser could not make
};

// Attaches a modifier word to a type node.
void addModifier(Type* type, Name word);

// One record per declared name: variable, function, parameter, member,
// typedef, enumerator.
struct Declaration {
    Name name = 0;
    Type* type = nullptr;
    Scope* scope = nullptr;  // a class scope for members
    std::uint32_t storage = 0;
    Name file = 0;
    int line = 0;
    std::string_view expression;  // initial value, default argument or bit-field width
    int bitWidth = -1;            // a bit field's width when known
    bool isBitField = false;
    Enumerator* enumerator = nullptr;
    std::uint8_t mark = 0;
    int number = 0;          // the table entry's number; 0 when not entered
    bool removed = false;    // taken out of the table
    struct TypedefInfo* typedefInfo = nullptr;  // typedefs only
    Access access = Access::None;  // members
};

// What a typedef keeps: the type its chain ends on (valid while generation is
// the current typedef generation) and the node that names it, shared by
// every use.
struct TypedefInfo {
    const Type* resolved = nullptr;
    unsigned generation = 0;
    Type* reference = nullptr;
};
TypedefInfo& typedefInfo(Declaration* typedefDeclaration);
// The node that names a typedef.
Type* typedefReference(Declaration* typedefDeclaration);

enum class ScopeKind : std::uint8_t { Global, Namespace, Class, Prototype };

struct Scope {
    ScopeKind kind = ScopeKind::Global;
    Name name = 0;
    Scope* parent = nullptr;
    Aggregate* record = nullptr;  // Class scopes
    std::vector<Scope*> usings;   // scopes named by "using" directives
    bool inlined = false;         // an inline namespace: its names belong to the enclosing one
    bool isMember() const { return kind == ScopeKind::Class; }
};

// ---- The arena --------------------------------------------------------------

// Every record of the run; addresses stay valid for the whole run. The
// look-ups that share records (base types, their qualified forms, the
// compiler's built-in typedefs, scopes named by the caller) point into the
// arena and live with it.
struct Arena {
    std::deque<Type> types;
    std::deque<Declaration> declarations;
    std::deque<Aggregate> aggregates;
    std::deque<Enumerator> enumerators;
    std::deque<Prototype> prototypes;
    std::deque<Scope> scopes;
    std::deque<std::string> texts;
    std::deque<std::vector<Name>> wordLists;
    std::deque<TypedefInfo> typedefInfos;
    std::deque<TemplateInfo> templates;
    std::unordered_map<std::string, Type*> baseNodes;  // by name, size and char mark
    std::unordered_map<const Type*, std::array<Type*, 8>> qualifiedBases;
    std::array<Declaration*, 3> builtins{};
    std::unordered_map<Name, Scope*> namedScopes;
    Declaration* deducedType = nullptr;  // "auto" of C++, as a typedef of a named type
    std::unordered_map<std::string, const Type*> expressionTypes;  // types named by script expressions
};
Arena& arena();

// A copy of a text that lives for the run.
std::string_view keepText(std::string_view text);

// ---- Construction -------------------------------------------------------------

Type* newType(Kind kind, Scope* scope = nullptr);
Type* newPointer(Type* pointee, std::uint8_t qualifiers = 0);
Type* newArray(Type* element, std::int64_t count, std::string_view sizeExpression);
Type* newFunction(Type* returnType, Prototype* prototype);
Type* newTypedefRef(Declaration* typedefDecl);
Type* newNamed(Name word, Type* resolved = nullptr);
Declaration* newDeclaration(Name name, Type* type, Scope* scope, std::uint32_t storage);
Aggregate* newAggregate(Kind kind, ClassKey key, Name name, Scope* enclosing);
Enumerator* newEnumerator(Name name, Aggregate* owner);
Prototype* newPrototype();
Scope* newScope(ScopeKind kind, Name name, Scope* parent, Aggregate* record = nullptr);

// A node of the same kind and detail with other qualifiers (the inner type
// is shared).
Type* withQualifiers(const Type* type, std::uint8_t qualifiers);

// A copy of the node chain down to the first node that is shared (tags,
// typedef references and base types stay shared unless deep is set).
Type* copyType(const Type* type, bool deep = false);

// ---- Base types ---------------------------------------------------------------

// The type words of a declaration as they are seen, before they become a
// base type: counts of each word.
struct BaseWords {
    int longs = 0;
    bool isSigned = false, isUnsigned = false, isShort = false, isInt = false;
    bool isChar = false, isFloat = false, isDouble = false, isVoid = false;
    bool isBool = false, isInt128 = false;
    Name other = 0;  // a word of its own: wchar_t, char16_t, _Float128, ...
    int count = 0;
    std::string spelling;  // the words as composed so far, for CONSTRUCT
};

// Adds a word to the set; false (and CONSTRUCT with the two names) when the
// word cannot join the words already there.
bool addBaseWord(BaseWords& words, std::string_view word);

// The base type the words make (int when only "signed" or "unsigned" was said).
Type* baseTypeOf(const BaseWords& words);

// The sizes of the integral base types by canonical name; 0 for a name that
// is not an integral base type.
int integralBits(std::string_view canonicalName);

// ---- Composition --------------------------------------------------------------

// Puts outer into the deepest hole of inner (the pointed-to type of a
// pointer, the element of an array, the return type of a function, the
// referenced type of a reference, the resolved type of a named type). An
// inner without a hole is a complete type specifier: composing two of them
// is CONSTRUCT with an empty parameter, and gives nothing. Reports through
// the current analysis's callback at file and line.
Type* CPP_compose_type(Type* outer, Type* inner, std::string_view file, int line);

// The node whose inner is the deepest hole of a declarator chain, or null.
Type* deepestHole(Type* chain);

// ---- Walking --------------------------------------------------------------------

// Follows typedef references and named types to the type they stand for
// (qualifiers of the references are lost); null on a cycle. Each typedef
// keeps the end of its chain, so that a long chain is walked once.
const Type* resolveTypedefs(const Type* type);

// A typedef's type was replaced: every kept chain end is forgotten.
void noteTypedefChanged();

// The parameter-mode words that compose into their inner type.
bool isParameterModeWord(std::string_view word);

// Type comparison: 0 the same type, 1 convertible (raising grade to the
// highest grade met), 2 incompatible.
enum Grade : int {
    kGradeNone = 0,
    kGradeReference = 1,
    kGradeParameterMode = 2,
    kGradeIntegral = 3,
    kGradeBaseClass = 4,
    kGradeIntegralFloating = 5,
    kGradePointer = 6,
};
int compareTypes(const Type* a, const Type* b, int& grade);

// An enumeration is complete: its underlying and promoted types are settled
// from the values of its enumerators as a C++ compiler settles them.
void settleEnumeration(Aggregate* record);

// The canonical names of the base types used by more than one file.
inline constexpr std::string_view kInt = "int";
inline constexpr std::string_view kChar = "char";

// Upper bound of every walk along types, against cycles and hostile depth;
// comparisons recurse, and stop sooner.
inline constexpr int kMaxTypeDepth = 4096;
inline constexpr int kMaxCompareDepth = 512;

// The reporting callback and current position of the analysis in progress,
// used by the record operations that report (composition, entering).
struct Reporting {
    ReportCallback callback = nullptr;
};
Reporting& reporting();
void report(int severity, std::string_view code, std::string_view parameter, std::string_view file,
            int line);

}  // namespace analyser::decl
