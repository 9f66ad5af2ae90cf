// The identifier classifier: a name the symbol table knows as a type
// becomes a type-name token, a word of the type modifier list a modifier
// token, a type the compiler knows without declaration a type-name token too;
// anything else is an identifier.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

#include <array>

namespace analyser::decl {

namespace {

// Types every translation unit knows without a declaration, each as a
// typedef of the base type it stands for.
struct BuiltinRow {
    std::string_view name;
    std::string_view standsFor;
};
constexpr std::array<BuiltinRow, 3> kBuiltins = {{
    {"__builtin_va_list", "void *"},
    {"__int128_t", "__int128"},
    {"__uint128_t", "unsigned __int128"},
}};
static_assert(kBuiltins.size() == std::tuple_size_v<decltype(Arena::builtins)>);

Type* standingFor(std::string_view text) {
    if (text == "void *") return newPointer(newType(Kind::Void));
    BaseWords words;
    for (const auto word : {"unsigned", "__int128"})
        if (text.find(word) != std::string_view::npos) addBaseWord(words, word);
    return baseTypeOf(words);
}

Declaration* builtinType(std::string_view text) {
    auto& made = arena().builtins;
    for (std::size_t i = 0; i < kBuiltins.size(); ++i) {
        if (kBuiltins[i].name != text) continue;
        if (!made[i])
            made[i] = newDeclaration(diag::internString(text), standingFor(kBuiltins[i].standsFor), nullptr, kTypedef);
        return made[i];
    }
    return nullptr;
}

// The floating types of the compiler that headers may also declare.
bool isFloatWord(std::string_view text) {
    static constexpr std::array<std::string_view, 7> kWords = {"_Float16",  "_Float32",  "_Float64", "_Float128",
                                                               "_Float32x", "_Float64x", "_Float128x"};
    for (const auto w : kWords)
        if (w == text) return true;
    return false;
}

int typeToken(const Type* type) {
    const Type* resolved = resolveTypedefs(type);
    return resolved && resolved->kind == Kind::Class ? CLASS_NAME : TYPE_NAME;
}

int tagToken(const Aggregate* tag) {
    if (tag->kind == Kind::Class) return CLASS_NAME;
    if (tag->kind == Kind::Template) return TEMPLATE_NAME;
    return TYPE_NAME;
}

}  // namespace

int classifyIdentifier(ParseContext& ctx, Name name, std::string_view text, DeclValue& value) {
    value.name = name;
    value.text = text;
    const Denoted found = lookupAny(*ctx.table, value.name, ctx.current());
    value.inCurrentScope = found.inCurrentScope;
    if (found.declaration && (found.declaration->storage & kTypedef)) {
        value.declaration = found.declaration;
        return typeToken(found.declaration->type);
    }
    if (found.tag) {
        value.tag = found.tag;
        return tagToken(found.tag);
    }
    if (findTypeModifier(text)) return TYPE_MODIFIER;
    if (found.declaration) {
        value.declaration = found.declaration;
        return IDENTIFIER;
    }
    if (Declaration* builtin = builtinType(text)) {
        value.declaration = builtin;
        return TYPE_NAME;
    }
    // A header may declare them itself: right after a type they are its name.
    if (isFloatWord(text) && ctx.scanner.lastCode != BASE_WORD && ctx.scanner.lastCode != TYPE_NAME &&
        ctx.scanner.lastCode != CLASS_NAME)
        return BASE_WORD;
    return IDENTIFIER;
}

}  // namespace analyser::decl
