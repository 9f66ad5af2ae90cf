// The symbol table: ordinary names (variables, functions, typedefs,
// members, enumerators) and tags, each keyed by scope and interned name so
// that a look-up is one hash probe per visible scope whatever the table's
// size; a chain per key keeps overloads and redeclarations in entry order.
#pragma once

#include "analyser/types_internal.h"

#include <cstddef>
#include <functional>
#include <unordered_map>
#include <vector>

namespace analyser::decl {

struct ScopedName {
    const Scope* scope = nullptr;
    Name name = 0;
    friend bool operator==(const ScopedName&, const ScopedName&) = default;
};

struct ScopedNameHash {
    std::size_t operator()(const ScopedName& key) const {
        return std::hash<const void*>()(key.scope) * 31 + key.name;
    }
};

// The entries of one name in one scope: ordinary names and tags apart, each
// in entry order.
struct NameEntries {
    std::vector<Declaration*> names;
    std::vector<Aggregate*> tags;
};

struct SymbolTable {
    int counter = 0;  // the number of the last entry
    Scope* global = nullptr;
    std::unordered_map<ScopedName, NameEntries, ScopedNameHash> entries;
    std::vector<Aggregate*> unnamedTags;
    // Every entry in number order: a declaration or a tag.
    struct Ordered {
        Declaration* declaration = nullptr;
        Aggregate* tag = nullptr;
    };
    std::vector<Ordered> order;
};

// The table of the script, shared by every analysis of the run.
SymbolTable& globalTable();
// Empties a table (a fresh global scope, numbering from 1 again).
void resetTable(SymbolTable& table);
// Forgets every record: the arena and the run's table start afresh, as for a
// new run in the same process.
void resetAnalysis();

// Where a declaration is being made.
struct EnteringContext {
    bool inBody = false;  // a class or template body is being defined
    std::string_view file;
    int line = 0;
};

// Enters a named declaration with the redeclaration rules; returns the
// record in force for the name (the new one, or the existing one that it
// was merged into), or null when it was dropped.
Declaration* enterDeclaration(SymbolTable& table, Declaration* declaration, const EnteringContext& where);

// Enters a tag record (numbered); an unnamed one goes to the unnamed list.
void enterTag(SymbolTable& table, Aggregate* record);

// Takes a declaration or a tag out of the table (its number is not reused).
void removeDeclaration(SymbolTable& table, Declaration* declaration);
void removeTag(SymbolTable& table, Aggregate* record);

// Takes out every entry made after the table held mark entries.
void removeEntriesAfter(SymbolTable& table, std::size_t mark);

// Look-up of an ordinary name from a scope: the innermost scope that holds
// the name decides; in it the last entry entered wins, or the first one in
// the mode that asks for it.
enum class LookupMode { LastEntered, FirstVisible };
Declaration* lookupName(const SymbolTable& table, Name name, const Scope* from,
                        LookupMode mode = LookupMode::LastEntered);

// Look-up of a tag of a kind (Enumeration, Union, Class, Template) from a scope.
Aggregate* lookupTag(const SymbolTable& table, Name name, Kind kind, const Scope* from);

// A tag of that kind declared in exactly that scope.
Aggregate* tagInScope(const SymbolTable& table, Name name, Kind kind, const Scope* scope);

// Every entry of a name in exactly that scope, in entry order.
const std::vector<Declaration*>* entriesInScope(const SymbolTable& table, Name name, const Scope* scope);

// What the classifier needs: the innermost declaration or tag that a name
// denotes from a scope.
struct Denoted {
    Declaration* declaration = nullptr;
    Aggregate* tag = nullptr;
    bool inCurrentScope = false;
};
Denoted lookupAny(const SymbolTable& table, Name name, const Scope* from);

// Makes the members of an anonymous structure or union member visible in
// the scope that holds it.
void exposeAnonymousMembers(SymbolTable& table, Aggregate* anonymous, Scope* into);

// The name of a scope, a declaration or a tag qualified with "::" (global
// scope names have no prefix; unnamed types are "<anonymous>").
std::string qualifiedScopeName(const Scope* scope);
std::string qualifiedName(const Declaration* declaration);
std::string qualifiedTagName(const Aggregate* record);

// Copies the parameter names of a redeclared function onto the record in
// force, position by position; ERRINTERN when the lists differ in length,
// except an empty list against "(void)".
void CPP_modify_param_name(Declaration* existing, const Declaration* redeclared, std::string_view file,
                           int line);

}  // namespace analyser::decl
