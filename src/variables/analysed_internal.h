// What the files of the analysed mode share: the tested-variable view of an
// analysed type.
#pragma once

#include "analyser/analyser.h"
#include "variables/analysed.h"

namespace variables::analysed {

// The variable a declared type makes: its array levels (a char array stays
// a string), its kind, const-ness and whether it is a structure.
Variable variableOfField(const analyser::decl::Type* type);

// The type under every array level (a char array stays one).
const analyser::decl::Type* elementType(const analyser::decl::Type* type);

}  // namespace variables::analysed
