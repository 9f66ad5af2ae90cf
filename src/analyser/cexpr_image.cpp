// The C text of an expression as the harness writes it: constants in one
// canonical spelling, the other nodes in C syntax with the grouping written.
#include "analyser/cexpr_internal.h"
#include "diag/diag.h"
#include "values/numbers.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace analyser::expr {

namespace {

// The operators written with a blank on either side.
bool spaced(const std::string& op) { return op == "==" || op == "!=" || op == "&&" || op == "||"; }

// The octal digits of a character read as a decimal number.
int octalAsDecimal(unsigned c) { return static_cast<int>((c >> 6) * 100 + ((c >> 3) & 7) * 10 + (c & 7)); }

// The escape of one character between the given quotes; an octal escape
// followed by a digit is written with its three digits, so that the digit
// stays a character of its own.
std::string escaped(unsigned char c, bool digitFollows) {
    switch (c) {
    case '\b': return "\\b";
    case '\t': return "\\t";
    case '\n': return "\\n";
    case '\v': return "\\v";
    case '\f': return "\\f";
    case '\r': return "\\r";
    case '"': return "\\\"";
    case '\'': return "\\'";
    case '\\': return "\\\\";
    default: break;
    }
    if (c >= 0x20 && c < 0x7f) return std::string(1, static_cast<char>(c));
    char buffer[8];
    const int n = octalAsDecimal(c);
    if (digitFollows) std::snprintf(buffer, sizeof buffer, "\\%03o", c);
    else std::snprintf(buffer, sizeof buffer, n < 100 ? "\\0%d" : "\\%d", n);
    return buffer;
}

std::string characterImage(const decl::Constant& c) {
    const auto code = c.value.toInt64().value_or(0);
    return std::string(c.wide ? "L'" : "'") + escaped(static_cast<unsigned char>(code & 0xff), false) + "'";
}

std::string stringImage(const decl::Constant& c, const std::string& characters) {
    std::string image = c.wide ? "L\"" : "\"";
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const bool digitFollows = i + 1 < characters.size() && characters[i + 1] >= '0' && characters[i + 1] <= '9';
        image += escaped(static_cast<unsigned char>(characters[i]), digitFollows);
    }
    return image + "\"";
}

// 19 significant digits; a whole number keeps a point, so that it stays a
// floating constant in the expression it is written into.
std::string floatingImage(const decl::Constant& c) {
    const std::string text(c.text);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.19Lg", std::strtold(text.c_str(), nullptr));
    std::string image = buffer;
    if (image.find_first_of(".eEn") == std::string::npos) image += ".0";
    return image;
}

std::string integerImage(const decl::Constant& c) {
    std::string image = values::image(c.value, values::DisplayFormat::DECIMAL, 0);
    if (c.bits > 0) image += "U";
    if (c.lengthMark == 1) image += "L";
    else if (c.lengthMark == 2) image += "LL";
    return image;
}

// Two operators written side by side would make another one ("- -x").
std::string joined(const std::string& left, const std::string& right) {
    constexpr std::string_view merging = "+-&|<>=";
    if (!left.empty() && !right.empty() && merging.find(left.back()) != std::string_view::npos &&
        merging.find(right.front()) != std::string_view::npos)
        return left + " " + right;
    return left + right;
}

std::string items(const Tree& tree, int list) {
    std::string image;
    if (list < 0) return image;
    for (const int item : tree.at(list).items) {
        if (!image.empty()) image += ",";
        image += imageOf(tree, item);
    }
    return image;
}

std::string binaryImage(const Tree& tree, const Node& n) {
    if (spaced(n.op)) return imageOf(tree, n.a) + " " + n.op + " " + imageOf(tree, n.b);
    return joined(joined(imageOf(tree, n.a), n.op), imageOf(tree, n.b));
}

}  // namespace

std::string constantImage(const decl::Constant& c, const std::string& stringValue) {
    switch (c.kind) {
    case decl::Constant::Kind::String: return stringImage(c, stringValue);
    case decl::Constant::Kind::Floating: return floatingImage(c);
    default: return c.isChar ? characterImage(c) : integerImage(c);
    }
}

std::string imageOf(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    switch (n.kind) {
    case NodeKind::Constant: return constantImage(n.constant, n.stringValue);
    case NodeKind::Identifier: return n.op;
    case NodeKind::Paren: return "(" + imageOf(tree, n.a) + ")";
    case NodeKind::Unary: return joined(n.op, imageOf(tree, n.a));
    case NodeKind::Binary: return binaryImage(tree, n);
    case NodeKind::Conditional:
        return imageOf(tree, n.a) + "?" + imageOf(tree, n.b) + ":" + imageOf(tree, n.c);
    case NodeKind::Call: return imageOf(tree, n.a) + "(" + items(tree, n.b) + ")";
    case NodeKind::Member: return imageOf(tree, n.a) + "." + n.op;
    case NodeKind::Arrow: return imageOf(tree, n.a) + "->" + n.op;
    case NodeKind::Index: return imageOf(tree, n.a) + "[" + imageOf(tree, n.b) + "]";
    case NodeKind::RangeIndex:
        return imageOf(tree, n.a) + "[" + imageOf(tree, n.b) + ".." + imageOf(tree, n.c) + "]";
    case NodeKind::Cast: return "(" + n.op + ")" + imageOf(tree, n.a);
    case NodeKind::SizeofType: return "sizeof(" + n.op + ")";
    case NodeKind::List: return "{" + items(tree, i) + "}";
    case NodeKind::Association: return imageOf(tree, n.a) + "=>" + imageOf(tree, n.b);
    case NodeKind::Range: return imageOf(tree, n.a) + ".." + imageOf(tree, n.b);
    case NodeKind::Omitted: return {};
    default: break;
    }
    diag::warning("ERRINTERN", "expression image search");
    return {};
}

}  // namespace analyser::expr
