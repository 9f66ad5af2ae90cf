// The builders the declaration grammar's actions call, the parse context
// they share with the scanner, and the grammar's semantic value.
#pragma once

#include "analyser/scanner_internal.h"
#include "analyser/symbols_internal.h"

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace analyser::decl {

// Declaration specifiers as they are read: storage classes, qualifiers,
// modifier words, base type words, and a type named otherwise (typedef
// name, tag, typeof).
struct DeclSpec {
    std::uint32_t storage = 0;
    std::uint8_t qualifiers = 0;
    std::vector<Name> modifiers;
    BaseWords words;
    Type* named = nullptr;        // a typedef, a tag, a type given as text
    Aggregate* pendingTag = nullptr;  // "struct S" whose scope is decided by the declaration
    ClassKey pendingKey = ClassKey::Struct;
    Name pendingName = 0;
    bool tagOnly = true;          // nothing but one elaborated tag so far
    bool failed = false;          // CONSTRUCT reported: the type is absent
    Aggregate* defined = nullptr; // a tag defined by these specifiers
    Type* type = nullptr;         // the composed base type, once asked for
    bool typeMade = false;
    Name file = 0;
    int line = 0;
};

// One declarator: the name and the chain of pointer, array and function
// parts, outermost first, with the node whose inner type is still open.
struct Declarator {
    Name name = 0;
    Type* top = nullptr;
    Type* hole = nullptr;
    Prototype* ownPrototype = nullptr;  // the parameters that belong to the named function
    Name file = 0;
    int line = 0;
};

// The semantic value of the grammar: what a token carries and what a rule
// builds. Trivially copyable, as the parser's stack requires.
struct DeclValue {
    int token = 0;
    std::string_view text;
    Name name = 0;
    Declaration* declaration = nullptr;  // what an identifier denotes
    Aggregate* tag = nullptr;
    bool inCurrentScope = false;
    Name file = 0;
    int line = 0;
    std::uint8_t qualifiers = 0;
    DeclSpec* spec = nullptr;
    Declarator* declarator = nullptr;
    Prototype* prototype = nullptr;
    Aggregate* aggregate = nullptr;
    Type* type = nullptr;
};

// An open scope of the parse: the scope, and whether a definition opened it
// (its members are then entered without redeclaration checks).
struct OpenScope {
    Scope* scope = nullptr;
    Aggregate* definition = nullptr;
};

struct KrParameter {
    Name name = 0;
    Type* type = nullptr;
    Name file = 0;
    int line = 0;
};

struct ParseContext {
    SymbolTable* table = nullptr;
    Scanner scanner;
    std::vector<OpenScope> scopes;         // scopes[0] is where the text's declarations go
    std::vector<Aggregate*> enums;         // enumerations whose body is being read
    int linkageBlocks = 0;
    std::vector<KrParameter> krParameters; // declarations of the function being defined
    bool syntaxError = false;
    // Made for the item being read, reused by the next one.
    std::deque<DeclSpec> specs;
    std::deque<Declarator> declarators;
    std::size_t specsUsed = 0;
    std::size_t declaratorsUsed = 0;
    // The item being read: the table's size when it began and the tags whose
    // definition it began, undone when the item turns out unreadable.
    std::size_t itemMark = 0;
    std::vector<Aggregate*> itemDefinitions;
    Scope* current() const { return scopes.back().scope; }
    bool inBody() const;
};

// ---- Scanner entry ------------------------------------------------------------

// The next token for the parser (bison's yylex).
int scanToken(ParseContext& ctx, DeclValue& value);

// Identifier classes: type name, class name, template name, modifier word
// or plain identifier, with the declaration or tag found.
int classifyIdentifier(ParseContext& ctx, Name name, std::string_view text, DeclValue& value);

// ---- Specifiers -----------------------------------------------------------------

DeclSpec* newSpec(ParseContext& ctx, const DeclValue& first);
void addNotsWord(ParseContext& ctx, DeclSpec* spec, const DeclValue& word);
void addTypeStart(ParseContext& ctx, DeclSpec* spec, const DeclValue& start);
std::uint8_t addQualifier(std::uint8_t qualifiers, const DeclValue& word);

// ---- Declarators ------------------------------------------------------------------

Declarator* newDeclarator(ParseContext& ctx, const DeclValue& name);
Declarator* addPointer(ParseContext& ctx, Declarator* declarator, std::uint8_t qualifiers);
Declarator* addArray(ParseContext& ctx, Declarator* declarator, const DeclValue& bound);
Declarator* addFunction(ParseContext& ctx, Declarator* declarator, Prototype* parameters);

// ---- Parameters -------------------------------------------------------------------

Prototype* newParameterList(ParseContext& ctx);
Prototype* addParameter(ParseContext& ctx, Prototype* list, DeclSpec* spec, Declarator* declarator);
Prototype* addIdentifierParameter(ParseContext& ctx, Prototype* list, const DeclValue& name);
Prototype* closeParameters(Prototype* list, bool variadic);
Prototype* unspecifiedParameters(ParseContext& ctx);

// ---- Declarations -----------------------------------------------------------------

// A declarator of a declaration is entered; returns the specifiers for the next one.
DeclSpec* declareNamed(ParseContext& ctx, DeclSpec* spec, Declarator* declarator, const DeclValue& initializer);
// Specifiers without declarator: "struct S;", an anonymous member, a tag definition.
void declareSpecifiersOnly(ParseContext& ctx, DeclSpec* spec);
// An unnamed structure or union member without declarator: its members
// belong to the enclosing record.
void declareAnonymousMember(ParseContext& ctx, Aggregate* record, DeclSpec* spec);
// A member declarator, a bit field when width holds BIT_WIDTH.
DeclSpec* declareMember(ParseContext& ctx, DeclSpec* spec, Declarator* declarator, const DeclValue& tail);
// K&R parameter declarations of the function being defined.
void startKrDeclarations(ParseContext& ctx);
void addKrDeclaration(ParseContext& ctx, DeclSpec* spec, Declarator* declarator);
void defineFunction(ParseContext& ctx, DeclSpec* spec, Declarator* declarator);
void skipFunctionBody(ParseContext& ctx);

// ---- Tags -----------------------------------------------------------------------------

Aggregate* beginAggregate(ParseContext& ctx, const DeclValue& key, const DeclValue* name);
DeclValue endAggregate(ParseContext& ctx, const DeclValue& head);
DeclValue elaboratedTag(ParseContext& ctx, const DeclValue& key, const DeclValue& name);
Aggregate* beginEnum(ParseContext& ctx, const DeclValue* name);
void addEnumerator(ParseContext& ctx, const DeclValue& name, const DeclValue* value);
DeclValue endEnum(ParseContext& ctx, const DeclValue& head);

// The type of "__typeof__(operand)": a type name, or the declared type of a
// name; otherwise a named type that writes the operator as it stands.
Type* typeFromTypeof(ParseContext& ctx, const DeclValue& operand);

// ---- Blocks ------------------------------------------------------------------------------

void openLinkageBlock(ParseContext& ctx);
void closeBlock(ParseContext& ctx);

// An item of the text is complete: what was made only for it is dropped.
void endOfItem(ParseContext& ctx);

// ---- Errors ------------------------------------------------------------------------------

// The parser's error routine: SYNTAXERR, or UNEXP_EOF at the end of the text.
void syntaxError(ParseContext& ctx);
// After a failed parse: the scopes and bodies left open are closed and the
// scanner skips to the next declaration; false when the text is exhausted.
bool recoverFromError(ParseContext& ctx);

// ---- Constant expressions -----------------------------------------------------------------

// An integer constant expression of the analysed code, typed as a C++
// compiler types it: the value and the size in bits of its type (negative
// when signed). Nothing when the expression is not a constant the analyser
// can compute.
struct ConstantValue {
    __int128 value = 0;
    int bits = -32;
};
bool evaluateConstant(ParseContext& ctx, std::string_view text, Name file, int line, ConstantValue& result);

// The size in bits of an analysed type, when it is known.
bool sizeOfType(const Type* type, std::int64_t& bits);

// ---- Types from text ------------------------------------------------------------------------

// The type a text denotes, analysed as the parameter of a declaration made
// for the purpose and removed afterwards; diagnostics are not shown. Null
// when the text is not a type.
Type* typeFromText(SymbolTable& table, Scope* scope, std::string_view text);

// The whole analysis of a text into a table.
void analyseText(SymbolTable& table, Scope* scope, std::string_view text, std::string_view fileName,
                 int firstLine, ReportCallback report);

}  // namespace analyser::decl
