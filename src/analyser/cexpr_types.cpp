// The type of an expression over the analysed declarations: look-ups,
// member selections, indexing, calls and the operators, each failure a
// warning naming the sub-expression.
#include "analyser/builders_internal.h"
#include "analyser/cexpr_internal.h"
#include "analyser/symbols_internal.h"
#include "diag/diag.h"
#include "diag/ribbon.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace analyser::expr {

using decl::Kind;
using decl::Type;

namespace {

// Typedefs, named types and references followed.
const Type* strip(const Type* type) {
    for (int depth = 0; type && depth < decl::kMaxTypeDepth; ++depth) {
        type = decl::resolveTypedefs(type);
        if (!type || type->kind != Kind::Reference) return type;
        type = type->inner;
    }
    return nullptr;
}

// A type named by its text, kept with the records it points into.
const Type* named(const std::string& text) {
    auto& known = decl::arena().expressionTypes;
    const auto found = known.find(text);
    if (found != known.end() && found->second) return found->second;
    decl::SymbolTable& table = decl::globalTable();
    const Type* type = decl::typeFromText(table, table.global, text);
    known[text] = type;
    return type;
}

bool isIntegral(const Type* t) { return t && (t->kind == Kind::Integral || t->kind == Kind::Enumeration); }
bool isNumeric(const Type* t) { return isIntegral(t) || (t && t->kind == Kind::Floating); }
bool isPointerLike(const Type* t) { return t && (t->kind == Kind::Pointer || t->kind == Kind::Array); }
bool isScalar(const Type* t) { return isNumeric(t) || isPointerLike(t); }
bool isRecord(const Type* t) { return t && (t->kind == Kind::Class || t->kind == Kind::Union) && t->record; }

const Type* refuse(const Tree& tree, int i, std::string_view code) {
    diag::warning(code, tree.source(i));
    return nullptr;
}

std::string integerTypeName(const decl::Constant& c) {
    if (c.isChar) return c.wide ? "wchar_t" : "char";
    const BaseTypeSizes& sizes = baseTypeSizes();
    const int bits = c.bits < 0 ? -c.bits : c.bits;
    std::string name = c.bits > 0 ? "unsigned " : "";
    if (bits > sizes.longBits || c.lengthMark == 2) return name + "long long";
    if (bits > sizes.intBits || c.lengthMark == 1) return name + "long";
    return name + "int";
}

const Type* constantType(const Node& n) {
    switch (n.constant.kind) {
    case decl::Constant::Kind::String: return named(n.constant.wide ? "const wchar_t *" : "const char *");
    case decl::Constant::Kind::Floating: return named("double");
    default: return named(integerTypeName(n.constant));
    }
}

bool loopCounter(const std::string& name) {
    return name.size() > 1 && (name[0] == 'I' || name[0] == 'J') &&
           name.find_first_not_of("0123456789", 1) == std::string::npos;
}

const Type* identifierType(const Tree& tree, int i) {
    const std::string& name = tree.at(i).op;
    if (name == "true" || name == "false") return named("bool");
    if (loopCounter(name)) return named("int");
    const decl::Declaration* d = tree.at(i).declaration;
    if (!d || (d->storage & decl::kTypedef) != 0) return refuse(tree, i, "IDENTIINC");
    return d->type ? d->type : named("int");
}

// A member by name, through anonymous members.
const decl::Declaration* findMember(const decl::Aggregate* record, decl::Name name, int depth = 0) {
    if (depth > 64) return nullptr;
    for (const decl::Declaration* m : record->members) {
        if (m->name == name) return m;
        const Type* t = strip(m->type);
        if (!m->name && isRecord(t))
            if (const decl::Declaration* inner = findMember(t->record, name, depth + 1)) return inner;
    }
    return nullptr;
}

const Type* memberOf(const Tree& tree, int i, const Type* object) {
    const decl::Declaration* m = findMember(object->record, diag::internString(tree.at(i).op));
    if (!m) return refuse(tree, i, "CHAMPINCO");
    return m->type;
}

const Type* memberType(const Tree& tree, int i) {
    const Type* object = strip(typeOfNode(tree, tree.at(i).a));
    if (!object) return nullptr;
    if (isPointerLike(object) && isRecord(strip(object->inner))) return refuse(tree, i, "POINSTRUC");
    if (!isRecord(object)) return refuse(tree, i, "INVCHASTR");
    return memberOf(tree, i, object);
}

const Type* arrowType(const Tree& tree, int i) {
    const Type* object = strip(typeOfNode(tree, tree.at(i).a));
    if (!object) return nullptr;
    if (!isPointerLike(object)) return refuse(tree, i, "NONPOINTE");
    const Type* pointee = strip(object->inner);
    if (!isRecord(pointee)) return refuse(tree, i, "NOPOSTRUC");
    return memberOf(tree, i, pointee);
}

const Type* indexType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    const Type* array = strip(typeOfNode(tree, n.a));
    if (!array) return nullptr;
    if (!isPointerLike(array)) return refuse(tree, i, "NONTABLEA");
    for (const int index : {n.b, n.c})
        if (index >= 0 && !typeOfNode(tree, index)) return nullptr;
    return array->inner;
}

const Type* callType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    const Type* function = strip(typeOfNode(tree, n.a));
    if (!function) return nullptr;
    if (function->kind == Kind::Pointer) function = strip(function->inner);
    if (!function || function->kind != Kind::Function) return refuse(tree, i, "NONFONCTI");
    if (n.b >= 0)
        for (const int argument : tree.at(n.b).items)
            if (!typeOfNode(tree, argument)) return nullptr;
    return function->inner ? function->inner : named("int");
}

// The wider of two arithmetic operands, at least int.
const Type* arithmetic(const Type* a, const Type* b) {
    if (a->kind == Kind::Floating || b->kind == Kind::Floating) {
        if (a->kind != Kind::Floating) return b;
        if (b->kind != Kind::Floating) return a;
        return a->base.name == b->base.name ? a : named("long double");
    }
    const auto bitsOf = [](const Type* t) {
        const int bits = t->kind == Kind::Enumeration && t->record ? t->record->promotedBits : t->base.bits;
        return bits == 0 ? -baseTypeSizes().intBits : bits;
    };
    const int left = bitsOf(a), right = bitsOf(b);
    const int wider = std::max(std::abs(left), std::abs(right));
    if (wider <= baseTypeSizes().intBits && left < 0 && right < 0) return named("int");
    if (std::abs(left) != std::abs(right)) return std::abs(left) > std::abs(right) ? a : b;
    return left > 0 ? a : b;
}

const Type* unaryType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    const Type* declared = typeOfNode(tree, n.a);
    const Type* t = strip(declared);
    if (!t) return nullptr;
    if (n.op == "sizeof ") return named("unsigned long");
    if (n.op == "&") return decl::newPointer(const_cast<Type*>(declared));
    if (n.op == "*") return isPointerLike(t) ? t->inner : refuse(tree, i, "NONPOINTE");
    if (n.op == "~") return isIntegral(t) ? arithmetic(t, t) : refuse(tree, i, "OPERENTIE");
    if (n.op == "!") return isScalar(t) ? named("bool") : refuse(tree, i, "OPERSCALA");
    if (n.op == "++" || n.op == "--") return declared;
    return isNumeric(t) ? arithmetic(t, t) : refuse(tree, i, "OPERARITH");
}

bool comparison(const std::string& op) {
    return op == "==" || op == "!=" || op == "<" || op == ">" || op == "<=" || op == ">=" || op == "&&" ||
           op == "||";
}

const Type* additive(const Tree& tree, int i, const Type* a, const Type* b) {
    const std::string& op = tree.at(i).op;
    if (isPointerLike(a) && isIntegral(b)) return a->kind == Kind::Array ? decl::newPointer(a->inner) : a;
    if (op == "+" && isIntegral(a) && isPointerLike(b)) return b->kind == Kind::Array ? decl::newPointer(b->inner) : b;
    if (op == "-" && isPointerLike(a) && isPointerLike(b)) return named("long");
    if (!isNumeric(a) || !isNumeric(b)) return refuse(tree, i, "OPERARITH");
    return arithmetic(a, b);
}

const Type* binaryType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    const Type* a = strip(typeOfNode(tree, n.a));
    const Type* b = a ? strip(typeOfNode(tree, n.b)) : nullptr;
    if (!a || !b) return nullptr;
    if (comparison(n.op)) {
        if (!isScalar(a) || !isScalar(b)) return refuse(tree, i, "OPERSCALA");
        return named("bool");
    }
    if (n.op == "+" || n.op == "-") return additive(tree, i, a, b);
    if (n.op == "*" || n.op == "/") {
        if (!isNumeric(a) || !isNumeric(b)) return refuse(tree, i, "OPERARITH");
        return arithmetic(a, b);
    }
    if (!isIntegral(a) || !isIntegral(b)) return refuse(tree, i, "OPERENTIE");
    return n.op == "<<" || n.op == ">>" ? arithmetic(a, a) : arithmetic(a, b);
}

const Type* conditionalType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    if (!typeOfNode(tree, n.a)) return nullptr;
    const Type* whenTrue = typeOfNode(tree, n.b);
    const Type* whenFalse = whenTrue ? typeOfNode(tree, n.c) : nullptr;
    if (!whenFalse) return nullptr;
    const Type* a = strip(whenTrue);
    const Type* b = strip(whenFalse);
    return isNumeric(a) && isNumeric(b) ? arithmetic(a, b) : whenTrue;
}

const Type* castType(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    if (n.a >= 0 && !typeOfNode(tree, n.a)) return nullptr;
    const Type* t = named(n.op);
    return t ? t : refuse(tree, i, "IDENTIINC");
}

// The elements of a list share one type.
const Type* listType(const Tree& tree, int i) {
    const Type* first = nullptr;
    for (const int item : tree.at(i).items) {
        const Node& element = tree.at(item);
        const int value = element.kind == NodeKind::Association ? element.b : item;
        if (tree.at(value).kind == NodeKind::Omitted) continue;
        const Type* t = typeOfNode(tree, value);
        if (!t) return nullptr;
        int grade = 0;
        if (!first) first = t;
        else if (decl::compareTypes(strip(first), strip(t), grade) == 2) return refuse(tree, i, "TYPESDIFF");
    }
    return first ? first : named("int");
}

}  // namespace

const Type* typeOfNode(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    switch (n.kind) {
    case NodeKind::Constant: return constantType(n);
    case NodeKind::Identifier: return identifierType(tree, i);
    case NodeKind::Paren: return typeOfNode(tree, n.a);
    case NodeKind::Unary: return unaryType(tree, i);
    case NodeKind::Binary: return binaryType(tree, i);
    case NodeKind::Conditional: return conditionalType(tree, i);
    case NodeKind::Call: return callType(tree, i);
    case NodeKind::Member: return memberType(tree, i);
    case NodeKind::Arrow: return arrowType(tree, i);
    case NodeKind::Index:
    case NodeKind::RangeIndex: return indexType(tree, i);
    case NodeKind::Cast: return castType(tree, i);
    case NodeKind::SizeofType: return named("unsigned long");
    case NodeKind::List: return listType(tree, i);
    default: break;
    }
    diag::warning("ERRINTERN", "expression type search");
    return nullptr;
}

bool isLiteral(const Tree& tree, int i) {
    const Node& n = tree.at(i);
    if (n.kind == NodeKind::Paren) return isLiteral(tree, n.a);
    if (n.kind == NodeKind::Unary && (n.op == "-" || n.op == "+")) return isLiteral(tree, n.a);
    return n.kind == NodeKind::Constant;
}

}  // namespace analyser::expr
