// The C++ text of analysed types (the type image) and the script-side
// queries over analysed types: kind mapping, fields and enumerators.
#pragma once

#include "analyser/types_internal.h"

#include <string>
#include <string_view>

namespace analyser::decl {

struct ImageOptions {
    int mode = 0;                // kSignedCharMode: pointers to signed char as "char NAME[200]"
    bool withBody = false;       // enumerations and aggregates written with their bodies
    bool oneLine = false;        // bodies on one line
    bool anonymous = false;      // an unnamed type as "struct <anonymous>" instead of its body
    bool parameterNames = false; // function parameters with their names
    std::string indentation;     // of the line the type stands on
};
inline constexpr int kSignedCharMode = 7;

// The text written before a name and the text written after it.
struct TypeImage {
    std::string prefix;
    std::string suffix;
};
TypeImage typeImage(const Type* type, const ImageOptions& options = {});

// The declaration of name with the type; with an empty name, the type-id.
std::string typeText(const Type* type, std::string_view name, const ImageOptions& options = {});

// Whether an array or pointer type ends on a signed char base type.
bool endsOnSignedChar(const Type* type);

}  // namespace analyser::decl
