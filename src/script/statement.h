// A complete statement as the dispatcher hands it to the handler of its kind.
#pragma once

#include <string>

namespace script {

struct Statement {
    std::string keyword;  // the keyword as looked up (upper-cased first word)
    std::string rest;     // the trimmed text after the keyword (after the second
                          // word for the END, DEFINE and INCLUDE forms)
    std::string text;     // the whole statement, as dispatched
};

// Every statement kind is handled by one function of this form; the language
// and the selection lists are read from driver::settings().
using StatementHandler = void (*)(const Statement&);

}  // namespace script
