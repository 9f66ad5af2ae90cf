// The script's expression language: the input's first byte chooses the
// dialect and the variable a value is rendered for, the rest is the text.
#include "fuzz_support.h"

#include "values/expressions.h"

#include <string_view>

namespace {

constexpr values::TypeKind kKinds[] = {
    values::TypeKind::ENTIER, values::TypeKind::BOOLEEN,  values::TypeKind::CARACTERE,
    values::TypeKind::REEL,   values::TypeKind::CHAINE,   values::TypeKind::ENUM,
    values::TypeKind::POINTEUR, values::TypeKind::INCONNU,
};
constexpr int kSizes[] = {8, -8, 16, -16, 32, -32, 64, -64};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t choice = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    fuzzing::resetCompiler();
    const values::Dialect dialect{6, (choice & 1) ? 0 : 2};
    try {
        const values::Value value = values::evaluate(text, dialect);
        if (value.failed()) return 0;
        values::sourceText(value, dialect);
        values::absoluteValue(value, dialect);
        const values::Target target{kKinds[(choice >> 1) & 7], values::DisplayFormat::DECIMAL_DEF,
                                    kSizes[(choice >> 4) & 7]};
        values::render(value, target, dialect);
        if (choice & 0x80) values::combine(value, "*", value, dialect);
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
