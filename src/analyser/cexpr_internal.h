// C/C++ expressions of test scripts over the analysed declarations: the
// tree the expression grammar builds, its type search and its C image.
#pragma once

#include "analyser/types_internal.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace analyser::expr {

enum class NodeKind : std::uint8_t {
    Constant,
    Identifier,
    Paren,        // (a): kept, so that the image keeps the written grouping
    Unary,        // op a
    Binary,       // a op b
    Conditional,  // a ? b : c
    Call,         // a(items)
    Member,       // a.name
    Arrow,        // a->name
    Index,        // a[b]
    RangeIndex,   // a[b..c]
    Cast,         // (name)a
    SizeofType,   // sizeof(name)
    List,         // {items} or [items]
    Association,  // a => b: the index part a, the value b
    Range,        // a..b, the index part of an association
    Omitted,      // an empty list element
    Others,       // "others" / "autres"
};

// One node; operands are indices into the tree's nodes (-1 when absent).
struct Node {
    NodeKind kind = NodeKind::Constant;
    std::string op;    // operator, identifier, member name or type text
    int a = -1, b = -1, c = -1;
    std::vector<int> items;
    decl::Constant constant;
    std::string stringValue;  // a string constant's characters, adjacent literals joined
    const decl::Declaration* declaration = nullptr;  // an identifier's, as the scanner found it
    std::size_t begin = 0, end = 0;  // the source text it spans
    int depth = 1;
};

struct Tree {
    std::string text;
    std::vector<Node> nodes;
    int root = -1;
    const Node& at(int i) const { return nodes[static_cast<std::size_t>(i)]; }
    std::string source(int i) const {
        const Node& n = at(i);
        return text.substr(n.begin, n.end - n.begin);
    }
};

// Deepest tree a text may make: deeper texts are syntax errors.
inline constexpr int kMaxExpressionDepth = 400;

// Parses a text; reports AFFECTATI, SOUSEXPRE, POSTINCRE, POSTDECRE,
// SYNTAXERR and UNEXP_EOF and gives nothing on any of them.
std::optional<Tree> parseExpression(std::string_view text);

// The type of node i, or null after a warning naming the sub-expression.
const decl::Type* typeOfNode(const Tree& tree, int i);

// The C text of node i.
std::string imageOf(const Tree& tree, int i);

// The image of a constant as the harness writes it.
std::string constantImage(const decl::Constant& c, const std::string& stringValue);

// Whether node i is an integer, real, character or string constant.
bool isLiteral(const Tree& tree, int i);

}  // namespace analyser::expr
