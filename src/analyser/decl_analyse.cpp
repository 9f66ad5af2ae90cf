// The analysis of a preprocessed text into a symbol table: the parse, its
// restarts after syntax errors, and the analysis of a type given as text.
#include "analyser/decl_grammar.hpp"

#include "analyser/builders_internal.h"

int declparse(analyser::decl::ParseContext& ctx);

namespace analyser::decl {

void endOfItem(ParseContext& ctx) {
    ctx.specsUsed = 0;
    ctx.declaratorsUsed = 0;
    ctx.scanner.collected.clear();
    ctx.scanner.pendingModeBits = 0;
    ctx.itemMark = ctx.table->order.size();
    ctx.itemDefinitions.clear();
}

namespace {

// The reporting callback of the analysis in progress, restored when done.
class ReportingScope {
public:
    explicit ReportingScope(ReportCallback callback) : saved_(reporting().callback) { reporting().callback = callback; }
    ~ReportingScope() { reporting().callback = saved_; }
    ReportingScope(const ReportingScope&) = delete;
    ReportingScope& operator=(const ReportingScope&) = delete;

private:
    ReportCallback saved_;
};

// An item that cannot be read is dropped: its entries leave the table, the
// tags it began to define are left undefined.
void dropItem(ParseContext& ctx) {
    removeEntriesAfter(*ctx.table, ctx.itemMark);
    for (Aggregate* record : ctx.itemDefinitions) {
        record->complete = false;
        record->members.clear();
        record->enumerators.clear();
    }
    ctx.itemDefinitions.clear();
}

void parseAll(ParseContext& ctx) {
    ctx.itemMark = ctx.table->order.size();
    while (declparse(ctx) != 0) {
        dropItem(ctx);
        if (!recoverFromError(ctx)) break;
        ctx.itemMark = ctx.table->order.size();
    }
}

}  // namespace

void analyseText(SymbolTable& table, Scope* scope, std::string_view text, std::string_view fileName, int firstLine,
                 ReportCallback report) {
    const ReportingScope reportingScope(report);
    ParseContext ctx;
    ctx.table = &table;
    ctx.scopes.push_back({scope ? scope : table.global, nullptr});
    C_CPP_init_lex(ctx.scanner, text, fileName, firstLine);
    ctx.scanner.table = &table;
    parseAll(ctx);
    for (Aggregate* e : ctx.enums) settleEnumeration(e);
}

Type* typeFromText(SymbolTable& table, Scope* scope, std::string_view text) {
    static int nesting = 0;
    if (nesting >= 8 || text.empty()) return nullptr;
    ++nesting;
    const Name probe = diag::internString("__vorne_var");
    const std::string source = "int __vorne_var(" + std::string(text) + ");";
    const int before = table.counter;
    ParseContext ctx;
    {
        const ReportingScope silent(nullptr);
        ctx.table = &table;
        ctx.scopes.push_back({scope ? scope : table.global, nullptr});
        C_CPP_init_lex(ctx.scanner, source, {}, 1);
        ctx.scanner.table = &table;
        parseAll(ctx);
    }
    --nesting;
    Type* type = nullptr;
    const auto* chain = entriesInScope(table, probe, scope ? scope : table.global);
    Declaration* made = chain && !chain->empty() && chain->back()->number > before ? chain->back() : nullptr;
    if (made && !ctx.syntaxError && made->type && made->type->kind == Kind::Function) {
        const Prototype* p = made->type->prototype;
        if (p && !p->unspecified && !p->variadic && p->parameters.size() == 1 && !p->parameters[0]->name)
            type = p->parameters[0]->type;
    }
    if (made) removeDeclaration(table, made);
    return type;
}

}  // namespace analyser::decl
