// The count of a test loop. Without declaration analysis the script's
// expression language folds it; with analysis, until the C++ expression
// analyser gives counts their type and value, a decimal integer is a
// constant, a real, character or string literal is not an integer, and any
// other text is an integer known only at run time.
#include "config/settings.h"
#include "harness/harness_internal.h"
#include "values/expressions.h"

#include <cerrno>
#include <cstdlib>

namespace harness::detail {

namespace {

bool decimalInteger(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool realLiteral(std::string_view text) {
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return false;
    return text.find_first_of("0123456789") != std::string_view::npos &&
           text.find_first_of(".eE") != std::string_view::npos;
}

LoopCount countOfText(std::string_view text) {
    LoopCount count;
    if (decimalInteger(text)) {
        const std::string digits(text);
        errno = 0;
        count.value = std::strtoll(digits.c_str(), nullptr, 10);
        count.constant = errno == 0;
        return count;
    }
    count.integer = !realLiteral(text) && !text.starts_with('"') && !text.starts_with('\'');
    return count;
}

// A count folded by the script's expression language.
LoopCount countOfScriptExpression(std::string_view text) {
    LoopCount count;
    const values::Value value = values::evaluate(text, output::dialect());
    switch (value.kind) {
    case values::ValueKind::Error:
        count.failed = true;
        break;
    case values::ValueKind::Integer:
        if (const auto small = values::toInt(value.integer)) {
            count.constant = true;
            count.value = *small;
        } else {
            count.failed = true;
        }
        break;
    case values::ValueKind::Real:
    case values::ValueKind::String:
        count.integer = false;
        break;
    default:
        break;  // a name or an expression: known at run time
    }
    return count;
}

}  // namespace

LoopCount evaluateLoopCount(std::string_view text) {
    return config::settings().analysis ? countOfText(text) : countOfScriptExpression(text);
}

}  // namespace harness::detail
