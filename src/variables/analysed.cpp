// The analysed mode: variable texts, values and bounds are C/C++
// expressions typed by the analyser; structures are expanded leaf by leaf
// over their analysed fields; the pseudo-macros are preprocessor
// definitions.
#include "variables/analysed_internal.h"

#include "analyser/analyser.h"
#include "diag/diag.h"
#include "diag/strings.h"

#include <algorithm>
#include <cctype>
#include "variables/variables_internal.h"

namespace variables::analysed {

namespace {

using analyser::decl::Type;
using values::TypeKind;

// Deepest nesting of structures expanded for one variable.
constexpr int kMaxStructureDepth = 64;

// The pseudo-macros change with every scalar: their definitions and removals
// wait, each name with its last state, until a text that may use a macro is
// preprocessed, and go to the preprocessor ahead of that text.
struct PendingMacro {
    std::string name;
    std::optional<std::string> value;  // nothing: removed
};
std::vector<PendingMacro>& pendingMacros() {
    static std::vector<PendingMacro> pending;
    return pending;
}

void setPending(std::string_view name, std::optional<std::string> value) {
    for (PendingMacro& p : pendingMacros())
        if (p.name == name) {
            p.value = std::move(value);
            return;
        }
    pendingMacros().push_back({std::string(name), std::move(value)});
}

std::string takePendingDirectives() {
    std::string directives;
    for (const PendingMacro& p : pendingMacros()) {
        directives += "#undef " + p.name + "\n";
        if (p.value) directives += "#define " + p.name + " " + *p.value + "\n";
    }
    pendingMacros().clear();
    return directives;
}

bool identifierCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$'; }

// What a name of the text is once the pending definitions are in.
enum class Expansion { None, Pending, Macro };

Expansion expansionOf(std::string_view name) {
    for (const PendingMacro& p : pendingMacros())
        if (p.name == name) return p.value ? Expansion::Pending : Expansion::None;
    return analyser::isMacroDefined(name) ? Expansion::Macro : Expansion::None;
}

// Calls visit(offset, length) for each name outside quotes; stops when it
// returns false.
template <typename Visit>
void forEachName(std::string_view text, Visit visit) {
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') quote = c;
        if (!identifierCharacter(c)) continue;
        std::size_t end = i;
        while (end < text.size() && identifierCharacter(text[end])) ++end;
        const bool number = std::isdigit(static_cast<unsigned char>(c));
        if (!number && !visit(i, end - i)) return;
        i = end - 1;
    }
}

// The most a text needs: nothing, the pending pseudo-macros only, or the
// preprocessor (a comment, or a name that is a macro of the table).
Expansion neededExpansion(std::string_view text) {
    if (text.find("/*") != std::string_view::npos || text.find("//") != std::string_view::npos)
        return Expansion::Macro;
    Expansion needed = Expansion::None;
    forEachName(text, [&](std::size_t at, std::size_t length) {
        needed = std::max(needed, expansionOf(text.substr(at, length)));
        return needed != Expansion::Macro;
    });
    return needed;
}

// The pseudo-macros stand for texts already expanded: each of their names is
// replaced by its value, as the preprocessor would.
std::string withPseudoMacros(const std::string& text) {
    std::string result;
    std::size_t copied = 0;
    forEachName(text, [&](std::size_t at, std::size_t length) {
        for (const PendingMacro& p : pendingMacros())
            if (p.value && text.compare(at, length, p.name) == 0) {
                result.append(text, copied, at - copied).append(*p.value);
                copied = at + length;
            }
        return true;
    });
    return diag::trim(result.append(text, copied));
}

std::string preprocessed(const std::string& text) {
    const Expansion needed = neededExpansion(text);
    if (needed == Expansion::None) return diag::trim(text);
    if (needed == Expansion::Pending) return withPseudoMacros(text);
    const std::string output = analyser::preprocessText(takePendingDirectives() + text + "\n", {}, 0);
    std::string joined;
    std::size_t at = 0;
    while (at < output.size()) {
        std::size_t end = output.find('\n', at);
        if (end == std::string::npos) end = output.size();
        const std::string_view line = std::string_view(output).substr(at, end - at);
        if (!diag::trimView(line).starts_with('#')) {
            if (!joined.empty() && !line.empty()) joined += ' ';
            joined += line;
        }
        at = end + 1;
    }
    return diag::trim(joined);
}

bool isCharArray(const Type* type) {
    long long count = 0;
    std::string size;
    return analyser::arrayElement(type, count, size) != nullptr &&
           analyser::mapAnalysedType(type).kind == TypeKind::CHAINE;
}

// The array levels of a type, outermost first, down to a non-array (a char
// array stays a string).
const Type* peelArrays(const Type* type, std::vector<Dimension>& dimensions) {
    for (int level = 0; level < kMaxStructureDepth && !isCharArray(type); ++level) {
        long long count = 0;
        std::string size;
        const Type* element = analyser::arrayElement(type, count, size);
        if (!element) break;
        Dimension d;
        if (count > 0) d.high = std::to_string(count - 1);
        else if (!size.empty()) d.high = "(" + size + ")-1";
        else d.sizeKnown = false;
        dimensions.push_back(d);
        type = element;
    }
    return type;
}

bool qualifierWord(std::string_view word) { return word == "const" || word == "volatile"; }

// The C type of casts: a cast to a qualified type means nothing to the
// compiler (and g++ warns), so the qualifiers of the type itself are left
// out; those of a pointee stay.
std::string unqualified(const std::string& cType) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < cType.size()) {
        const std::size_t end = std::min(cType.find(' ', at), cType.size());
        if (end > at) words.emplace_back(cType.substr(at, end - at));
        at = end + 1;
    }
    const bool derived = cType.find_first_of("*([&") != std::string::npos;
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool trailing = i + 1 == words.size() || qualifierWord(words[i + 1]);
        if (qualifierWord(words[i]) && (!derived || (trailing && cType.rfind('*') < cType.rfind(words[i]))))
            continue;
        if (!text.empty()) text += ' ';
        text += words[i];
    }
    return text;
}

TypeFields fieldsOf(const Type* type) {
    const analyser::KindMapping k = analyser::mapAnalysedType(type);
    TypeFields f;
    f.kind = k.kind;
    f.frenchName = k.frenchName;
    f.size = k.size;
    f.cType = unqualified(k.cType);
    if (f.kind == TypeKind::POINTEUR) f.format = values::DisplayFormat::HEXA;
    return f;
}

}  // namespace

Variable variableOfField(const Type* type) {
    Variable v;
    v.constant = analyser::isConstQualified(type);
    const Type* element = peelArrays(type, v.dimensions);
    if (analyser::isRecordType(element)) {
        v.aggregate = true;
        v.type.frenchName = "INCONNUE";
        return v;
    }
    v.type = fieldsOf(element);
    return v;
}

const Type* elementType(const Type* type) {
    std::vector<Dimension> dimensions;
    return peelArrays(type, dimensions);
}

namespace {

bool pointerWord(std::string_view text) {
    return detail::equalsIgnoringCase(text, "nil") || detail::equalsIgnoringCase(text, "nonil");
}

}  // namespace

bool available() { return true; }

std::string expandMacros(std::string_view text) { return preprocessed(std::string(text)); }

std::optional<Variable> typeOf(std::string_view variableText) {
    const auto analysed = analyser::analyseExpression(variableText);
    if (!analysed || !analysed->type) return std::nullopt;
    return variableOfField(analysed->type);
}

std::optional<Value> analyseValue(std::string_view text, const TypeFields&) {
    const std::string trimmed = diag::trim(text);
    if (pointerWord(trimmed)) return Value{trimmed, TypeKind::INCONNU, false, true};
    const auto analysed = analyser::analyseExpression(preprocessed(trimmed));
    if (!analysed) return std::nullopt;
    Value v;
    v.image = analysed->image;
    v.literal = analysed->literal;
    if (analysed->type) {
        v.kind = analyser::mapAnalysedType(analysed->type).kind;
        v.known = v.kind != TypeKind::INCONNU;
    }
    return v;
}

void defineMacro(std::string_view name, std::string_view value) { setPending(name, std::string(value)); }

void undefineMacro(std::string_view name) { setPending(name, std::nullopt); }

}  // namespace variables::analysed
