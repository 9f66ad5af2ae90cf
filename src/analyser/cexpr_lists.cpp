// Array value lists: their count and indices are checked, then the list
// becomes one conditional expression over the loop index of its level.
#include "analyser/analyser.h"
#include "analyser/cexpr_internal.h"
#include "analyser/symbols_internal.h"
#include "diag/diag.h"
#include "diag/ribbon.h"
#include "diag/strings.h"

#include <algorithm>
#include <cstdio>

namespace analyser {

namespace {

using expr::Node;
using expr::NodeKind;
using expr::Tree;

constexpr std::size_t kMaxArrayValues = 100;

// Tests and values; %1 level, %2 position or index, %3 lower-bound text, %4 value.
std::string positional(int level, long long p, const std::string& low) {
    return "(I" + std::to_string(level) + " == (" + std::to_string(p) + low + ")?";
}
std::string singleIndex(int level, long long k) {
    return "(I" + std::to_string(level) + " == " + std::to_string(k) + "?";
}
std::string rangeTest(int level, long long k1, long long k2) {
    const std::string i = "I" + std::to_string(level);
    return "(((" + i + ">=" + std::to_string(k1) + ") && (" + i + "<=(" + std::to_string(k2) + ")))?";
}
std::string expressionIndex(int level, const std::string& index) {
    return "(I" + std::to_string(level) + " == (" + index + ")?";
}

struct Conversion {
    const Tree& tree;
    const std::vector<ArrayBounds>& dimensions;
    int firstLevel;
    bool french;
};

std::optional<long long> integerIndex(const Tree& tree, int i) {
    const Node* n = &tree.at(i);
    bool negative = false;
    if (n->kind == NodeKind::Unary && n->op == "-") negative = true, n = &tree.at(n->a);
    if (n->kind != NodeKind::Constant || n->constant.kind != decl::Constant::Kind::Integer || n->constant.isChar)
        return std::nullopt;
    const auto value = n->constant.value.toInt64();
    if (!value) return std::nullopt;
    return negative ? -*value : *value;
}

bool othersIndex(const Conversion& c, int i) {
    const Node& n = c.tree.at(i);
    return n.kind == NodeKind::Identifier && diag::upperCased(n.op) == (c.french ? "AUTRES" : "OTHERS");
}

bool enumerator(const std::string& name) {
    decl::SymbolTable& table = decl::globalTable();
    const decl::Declaration* d = decl::lookupName(table, diag::internString(name), table.global);
    return d && d->enumerator;
}

bool inBounds(const ArrayBounds& b, long long k) { return k >= std::min(b.low, b.high) && k <= std::max(b.low, b.high); }

// The number of elements a list covers; nothing when "others" covers all.
std::optional<long long> covered(const Conversion& c, int list, bool& badRange) {
    long long count = 0;
    for (const int item : c.tree.at(list).items) {
        const Node& n = c.tree.at(item);
        if (n.kind != NodeKind::Association) { ++count; continue; }
        if (othersIndex(c, n.a)) return std::nullopt;
        const Node& index = c.tree.at(n.a);
        if (index.kind != NodeKind::Range) { ++count; continue; }
        const auto k1 = integerIndex(c.tree, index.a), k2 = integerIndex(c.tree, index.b);
        if (k1 && k2 && *k2 < *k1) badRange = true;
        if (k1 && k2) count += *k2 - *k1 + 1;
    }
    return count;
}

std::optional<std::string> convert(const Conversion& c, int list, std::size_t level);

std::optional<std::string> valueImage(const Conversion& c, int value, std::size_t level) {
    if (c.tree.at(value).kind == NodeKind::List && level + 1 < c.dimensions.size())
        return convert(c, value, level + 1);
    return expr::imageOf(c.tree, value);
}

// The test written before an association's value; nothing when it is dropped.
std::optional<std::string> associationTest(const Conversion& c, int item, std::size_t level) {
    const Node& n = c.tree.at(item);
    const Node& index = c.tree.at(n.a);
    const ArrayBounds& bounds = c.dimensions[level];
    const int l = c.firstLevel + static_cast<int>(level);
    if (index.kind == NodeKind::Range) {
        const auto k1 = integerIndex(c.tree, index.a), k2 = integerIndex(c.tree, index.b);
        if (!k1 || !k2) return expressionIndex(l, expr::imageOf(c.tree, n.a));
        if (!inBounds(bounds, *k1) || !inBounds(bounds, *k2)) {
            diag::warning("INDICEINC", expr::imageOf(c.tree, item));
            return std::nullopt;
        }
        return rangeTest(l, *k1, *k2);
    }
    if (const auto k = integerIndex(c.tree, n.a)) {
        if (!inBounds(bounds, *k)) {
            diag::warning("INDICEINC", expr::imageOf(c.tree, item));
            return std::nullopt;
        }
        return singleIndex(l, *k);
    }
    if (index.kind == NodeKind::Identifier && !enumerator(index.op)) {
        diag::warning("TABEXPINC", expr::imageOf(c.tree, item));
        return std::nullopt;
    }
    return expressionIndex(l, expr::imageOf(c.tree, n.a));
}

bool checkCount(const Conversion& c, int list, std::size_t level) {
    const auto& items = c.tree.at(list).items;
    const ArrayBounds& bounds = c.dimensions[level];
    const long long count = std::max(bounds.low, bounds.high) - std::min(bounds.low, bounds.high) + 1;
    if (items.size() > kMaxArrayValues || static_cast<long long>(items.size()) > count) {
        diag::error("NBVALINCO", expr::imageOf(c.tree, list));
        return false;
    }
    if (static_cast<long long>(items.size()) == count) return true;
    bool badRange = false;
    const auto covers = covered(c, list, badRange);
    if (badRange) {
        diag::warning("TABEXPINC", expr::imageOf(c.tree, list));
        return false;
    }
    if (covers && *covers < count) {
        diag::warning("OMIVALTAB", expr::imageOf(c.tree, list));
        return false;
    }
    return true;
}

std::optional<std::string> convert(const Conversion& c, int list, std::size_t level) {
    if (!checkCount(c, list, level)) return std::nullopt;
    const auto& items = c.tree.at(list).items;
    const ArrayBounds& bounds = c.dimensions[level];
    const std::string low = bounds.lowWritten ? "+" + std::to_string(bounds.low) : std::string();
    std::string text, closing;
    for (std::size_t p = 0; p < items.size(); ++p) {
        const Node& n = c.tree.at(items[p]);
        const bool last = p + 1 == items.size();
        if (n.kind == NodeKind::Omitted) {
            diag::warning("OMIVALTAB", c.tree.text);
            if (last) text += "0";
            continue;
        }
        const bool others = n.kind == NodeKind::Association && othersIndex(c, n.a);
        const int value = n.kind == NodeKind::Association ? n.b : items[p];
        std::optional<std::string> test;
        if (!last && !others) {
            test = n.kind == NodeKind::Association ? associationTest(c, items[p], level)
                                                   : positional(c.firstLevel + static_cast<int>(level), static_cast<long long>(p), low);
            if (!test) continue;
        }
        const auto image = valueImage(c, value, level);
        if (!image) return std::nullopt;
        if (test) {
            text += *test + *image + ":";
            closing += ")";
            continue;
        }
        text += *image;
        break;
    }
    if (!text.empty() && text.back() == ':') text += "0";
    return text + closing;
}

}  // namespace

std::optional<std::string> arrayListText(std::string_view list, const std::vector<ArrayBounds>& dimensions,
                                         int firstLevel, bool french) {
    const auto tree = expr::parseExpression(list);
    if (!tree || dimensions.empty()) return std::nullopt;
    if (tree->at(tree->root).kind != NodeKind::List) return expr::imageOf(*tree, tree->root);
    return convert(Conversion{*tree, dimensions, firstLevel, french}, tree->root, 0);
}

}  // namespace analyser
