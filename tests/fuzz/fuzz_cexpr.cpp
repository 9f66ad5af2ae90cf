// The C/C++ expressions of test scripts over analysed declarations: the
// input's text up to a line "%%" is analysed as declarations, then each
// following line is one value. A line beginning with "[" is an array value
// list over the dimensions its first bytes choose; any other line is
// analysed as an expression and its type asked what the variables ask.
#include "fuzz_support.h"

#include "analyser/analyser.h"

#include <string>
#include <string_view>
#include <vector>

namespace {

// Values analysed per input: enough to reach every path, few enough to keep
// an input of thousands of lines fast.
constexpr int kValuesAsked = 64;

std::vector<analyser::ArrayBounds> dimensionsChosenBy(std::string_view line) {
    std::vector<analyser::ArrayBounds> dimensions;
    const int count = 1 + (line.size() > 1 ? static_cast<unsigned char>(line[1]) % 3 : 0);
    for (int level = 0; level < count; ++level) {
        const auto chooser = static_cast<unsigned char>(line.size() > 2 ? line[2] : 0);
        dimensions.push_back({level & 1 ? 1 : 0, 2 + (chooser >> (level * 2)) % 8, (chooser & 1) != 0});
    }
    return dimensions;
}

void askOfValue(std::string_view line) {
    if (!line.empty() && line.front() == '[') {
        analyser::arrayListText(line.substr(line.size() > 3 ? 3 : line.size()), dimensionsChosenBy(line), 1,
                                line.size() > 1 && (line[1] & 0x40));
        return;
    }
    const auto expression = analyser::analyseExpression(line);
    if (!expression || !expression->type) return;
    analyser::mapAnalysedType(expression->type);
    analyser::isConstQualified(expression->type);
    long long count = 0;
    std::string sizeExpression;
    analyser::arrayElement(expression->type, count, sizeExpression);
    analyser::fieldType(expression->type, 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::size_t separator = text.find("\n%%\n");
    const std::string_view declarations = text.substr(0, separator);
    std::string_view values = separator == std::string_view::npos ? std::string_view{} : text.substr(separator + 4);
    fuzzing::resetCompiler();
    try {
        analyser::CPP_analyse_decl(declarations, {}, "fuzz.h", 1, analyser::diagnosticsCallback());
        for (int asked = 0; asked < kValuesAsked && !values.empty(); ++asked) {
            const std::size_t end = values.find('\n');
            askOfValue(values.substr(0, end));
            values = end == std::string_view::npos ? std::string_view{} : values.substr(end + 1);
        }
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
