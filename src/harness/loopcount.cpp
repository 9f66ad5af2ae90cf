// The count of a test loop. Until the script expression evaluator and the C++
// expression analyser give counts their type and value, a decimal integer is
// a constant, a real, character or string literal is not an integer, and any
// other text is an integer known only at run time.
#include "harness/harness_internal.h"

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

}  // namespace

LoopCount evaluateLoopCount(std::string_view text) {
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

}  // namespace harness::detail
