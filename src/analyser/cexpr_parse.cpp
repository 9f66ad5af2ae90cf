// The builders of the expression grammar and the parse of one text: the
// tree, the constructs a test script may not use, and the syntax errors.
#include "analyser/cexpr_grammar.hpp"
#include "analyser/cexpr_parse_internal.h"
#include "diag/diag.h"

#include <algorithm>
#include <cctype>

int cexprparse(analyser::expr::ParseContext& ctx);

namespace analyser::expr {

namespace {

int depthOf(const ParseContext& ctx, int i) { return i < 0 ? 0 : ctx.tree.at(i).depth; }

int withOperands(ParseContext& ctx, NodeKind kind, std::string op, int a, int b, int c, const Span& span) {
    Node node;
    node.kind = kind;
    node.op = std::move(op);
    node.a = a, node.b = b, node.c = c;
    return addNode(ctx, std::move(node), span);
}

// The refusals, in the order they are reported.
bool reportRefusals(const ParseContext& ctx) {
    const std::string& text = ctx.tree.text;
    if (ctx.assignment) diag::warning("AFFECTATI", text);
    if (ctx.comma) diag::warning("SOUSEXPRE", text);
    if (ctx.postIncrement) diag::warning("POSTINCRE", text);
    if (ctx.postDecrement) diag::warning("POSTDECRE", text);
    return ctx.assignment || ctx.comma || ctx.postIncrement || ctx.postDecrement;
}

bool reportSyntax(const ParseContext& ctx) {
    if (ctx.endOfText) diag::error("UNEXP_EOF", ctx.tree.text);
    else if (ctx.badRange) diag::warning("SYNTAXERR", "[min..max]");
    else if (ctx.syntaxError || ctx.tooDeep) diag::warning("SYNTAXERR", ctx.tree.text);
    else return false;
    return true;
}

// Most values and variables are one name or one constant: their tree is
// made without running the parser. A name the scanner takes for a type word
// goes to the parser, which refuses it.
std::optional<Tree> singleTokenTree(std::string_view text) {
    if (text.empty() || text.size() > 256) return std::nullopt;
    ParseContext ctx;
    ctx.tree.text = std::string(text);
    int value = -1;
    Span span;
    const int token = nextToken(ctx, value, span);
    if ((token != IDENTIFIER && token != CONSTANT && token != STRING) || span.end != text.size() || ctx.tooDeep)
        return std::nullopt;
    ctx.tree.root = value;
    return std::move(ctx.tree);
}

}  // namespace

int addNode(ParseContext& ctx, Node node, const Span& span) {
    node.begin = span.begin;
    node.end = std::max(span.end, span.begin);
    int depth = std::max({depthOf(ctx, node.a), depthOf(ctx, node.b), depthOf(ctx, node.c)});
    for (const int item : node.items) depth = std::max(depth, depthOf(ctx, item));
    node.depth = depth + 1;
    if (node.depth > kMaxExpressionDepth) ctx.tooDeep = true;
    ctx.tree.nodes.push_back(std::move(node));
    return static_cast<int>(ctx.tree.nodes.size()) - 1;
}

void syntaxError(ParseContext& ctx, const char*) {
    ctx.syntaxError = true;
    if (ctx.inRange || ctx.rangeJustClosed) ctx.badRange = true;
    else if (ctx.atEnd) ctx.endOfText = true;
}

int commaExpression(ParseContext& ctx, int left, int right, const Span& span) {
    ctx.comma = true;
    return withOperands(ctx, NodeKind::Binary, ",", left, right, -1, span);
}

int assignmentExpression(ParseContext& ctx, int left, int right, const Span& span) {
    ctx.assignment = true;
    return withOperands(ctx, NodeKind::Binary, "=", left, right, -1, span);
}

int conditionalNode(ParseContext& ctx, int condition, int whenTrue, int whenFalse, const Span& span) {
    return withOperands(ctx, NodeKind::Conditional, "?", condition, whenTrue, whenFalse, span);
}

int binaryNode(ParseContext& ctx, const char* op, int left, int right, const Span& span) {
    return withOperands(ctx, NodeKind::Binary, op, left, right, -1, span);
}

int unaryNode(ParseContext& ctx, const char* op, int operand, const Span& span) {
    return withOperands(ctx, NodeKind::Unary, op, operand, -1, -1, span);
}

int castNode(ParseContext& ctx, int typeNameNode, int operand, const Span& span) {
    return withOperands(ctx, NodeKind::Cast, ctx.tree.at(typeNameNode).op, operand, -1, -1, span);
}

// The type words and stars as written, blanks reduced to one.
int typeName(ParseContext& ctx, const Span& span) {
    std::string text;
    for (std::size_t i = span.begin; i < span.end; ++i) {
        const char c = ctx.tree.text[i];
        const bool blank = c == ' ' || c == '\t' || c == '\n' || c == '\r';
        if (!blank) text += c;
        else if (!text.empty() && text.back() != ' ') text += ' ';
    }
    return withOperands(ctx, NodeKind::Identifier, text, -1, -1, -1, span);
}

int sizeofType(ParseContext& ctx, int typeNameNode, const Span& span) {
    return withOperands(ctx, NodeKind::SizeofType, ctx.tree.at(typeNameNode).op, -1, -1, -1, span);
}

int indexNode(ParseContext& ctx, int array, int index, const Span& span) {
    return withOperands(ctx, NodeKind::Index, "[]", array, index, -1, span);
}

int rangeIndexNode(ParseContext& ctx, int array, int low, int high, const Span& span) {
    return withOperands(ctx, NodeKind::RangeIndex, "[..]", array, low, high, span);
}

int callNode(ParseContext& ctx, int function, int arguments, const Span& span) {
    return withOperands(ctx, NodeKind::Call, "()", function, arguments, -1, span);
}

int memberNode(ParseContext& ctx, int object, int member, bool arrow, const Span& span) {
    const std::string name = ctx.tree.at(member).op;
    return withOperands(ctx, arrow ? NodeKind::Arrow : NodeKind::Member, name, object, -1, -1, span);
}

int postIncrement(ParseContext& ctx, int operand, bool increment, const Span& span) {
    (increment ? ctx.postIncrement : ctx.postDecrement) = true;
    return withOperands(ctx, NodeKind::Unary, increment ? "++" : "--", operand, -1, -1, span);
}

int parenNode(ParseContext& ctx, int inner, const Span& span) {
    return withOperands(ctx, NodeKind::Paren, "()", inner, -1, -1, span);
}

int joinStrings(ParseContext& ctx, int first, int second, const Span& span) {
    Node joined = ctx.tree.at(first);
    joined.stringValue += ctx.tree.at(second).stringValue;
    return addNode(ctx, std::move(joined), span);
}

int startList(ParseContext& ctx, int item, const Span& span) {
    Node node;
    node.kind = NodeKind::List;
    node.items.push_back(item);
    return addNode(ctx, std::move(node), span);
}

// The list grows in place: its depth is its deepest item's.
int addToList(ParseContext& ctx, int list, int item, const Span& span) {
    Node& node = ctx.tree.nodes[static_cast<std::size_t>(list)];
    node.items.push_back(item);
    node.end = span.end;
    node.depth = std::max(node.depth, depthOf(ctx, item) + 1);
    return list;
}

int closeList(ParseContext& ctx, int list, const Span& span) {
    Node& node = ctx.tree.nodes[static_cast<std::size_t>(list)];
    node.begin = span.begin;
    node.end = span.end;
    return list;
}

int omittedNode(ParseContext& ctx, const Span& span) {
    return withOperands(ctx, NodeKind::Omitted, "", -1, -1, -1, span);
}

int associationNode(ParseContext& ctx, int index, int value, const Span& span) {
    return withOperands(ctx, NodeKind::Association, "=>", index, value, -1, span);
}

int rangeAssociation(ParseContext& ctx, int low, int high, int value, const Span& span) {
    Span range{ctx.tree.at(low).begin, ctx.tree.at(high).end};
    const int index = withOperands(ctx, NodeKind::Range, "..", low, high, -1, range);
    return withOperands(ctx, NodeKind::Association, "=>", index, value, -1, span);
}

std::optional<Tree> parseExpression(std::string_view text) {
    if (auto simple = singleTokenTree(text)) return simple;
    ParseContext ctx;
    ctx.tree.text = std::string(text);
    const int status = cexprparse(ctx);
    if (reportSyntax(ctx) || status != 0 || ctx.root < 0) {
        if (!ctx.syntaxError && !ctx.endOfText && !ctx.tooDeep) diag::warning("SYNTAXERR", ctx.tree.text);
        return std::nullopt;
    }
    if (reportRefusals(ctx)) return std::nullopt;
    ctx.tree.root = ctx.root;
    return std::move(ctx.tree);
}

}  // namespace analyser::expr
