// The script-side type of a tested variable: the native type names a script
// may write, the mapping of an analysed declaration onto a kind, and the
// compatibility of a value's kind with a variable's kind.
#pragma once

#include "values/typekinds.h"

#include <string>
#include <string_view>

namespace variables {

// The type fields every tested variable and structure field carries.
struct TypeFields {
    values::TypeKind kind = values::TypeKind::INCONNU;
    values::DisplayFormat format = values::DisplayFormat::DECIMAL_DEF;
    int size = 0;             // bits, negative for a signed type, 0 when no width applies
    std::string frenchName;   // its first letter selects the run-time variant: u, d, l
    std::string cType;        // the C type of generated casts
};

enum class NativeLookup {
    Found,
    NotNative,  // the caller tries other sources
    Refused,    // ENUTYPABS was reported
};

// Looks the type text up in the native type table. The C type, the French
// name and the kind are set; the size only while it is still 0; a POINTEUR
// with the format DECIMAL_DEF gets HEXA. With explicitCType, a string type
// written without its C type in parentheses is refused (ENUTYPABS).
NativeLookup resolveNativeType(std::string_view typeText, TypeFields& fields, bool explicitCType);

// The script name of a type text: the word before the parenthesised C type,
// or the first word; nothing from a "#" on counts.
std::string nativeTypeName(std::string_view typeText);

// What the analyser says a declared type is, once typedefs, named types and
// references have been followed to the end of their chain.
enum class AnalysedCategory {
    Integral,           // an integral base type other than a character type
    SignedCharacter,    // char, signed char
    UnsignedCharacter,  // unsigned char
    IntegralWithoutDetail,
    Floating,
    PointerToChar,
    Pointer,  // to anything else, or without a known pointee
    ArrayOfChar,
    Array,
    Enumeration,
    Void,
    Function,
    StandardString,  // std::string: checked and initialised as a string
    Other,           // structures, unions, classes, templates
};

struct AnalysedTypeInfo {
    AnalysedCategory category = AnalysedCategory::Other;
    int size = 0;        // the base type's signed size in bits
    std::string image;   // the C type image of the declaration
    bool pointeeKnown = true;
};

// The kind, French name, size and C type of an analysed type.
TypeFields mapAnalysedType(const AnalysedTypeInfo& type);

// Whether a value of the first kind may be given to a variable of the
// second.
bool compatible(values::TypeKind valueKind, values::TypeKind variableKind);

}  // namespace variables
