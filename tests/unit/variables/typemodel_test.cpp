// The native type table, the mapping of analysed types onto kinds and the
// compatibility of values with variables.
#include "variables/typemodel.h"

#include "diag/diag.h"

#include <gtest/gtest.h>

namespace variables {

namespace {

using values::DisplayFormat;
using values::TypeKind;

TypeFields resolved(std::string_view text, bool explicitCType = false,
                    DisplayFormat format = DisplayFormat::DECIMAL_DEF) {
    TypeFields f;
    f.format = format;
    EXPECT_EQ(resolveNativeType(text, f, explicitCType), NativeLookup::Found) << text;
    return f;
}

TEST(NativeTypes, IntegersCarryTheirCTypeAndSize) {
    for (const char* name : {"int", "integer"}) {
        const TypeFields f = resolved(name);
        EXPECT_EQ(f.kind, TypeKind::ENTIER);
        EXPECT_EQ(f.cType, "long");
        EXPECT_EQ(f.size, -32);
        EXPECT_EQ(f.frenchName, "entier");
    }
    EXPECT_EQ(resolved("enum").cType, "int");
    EXPECT_EQ(resolved("unsigned").size, 32);
    EXPECT_EQ(resolved("unsigned").frenchName, "unsigned");
    EXPECT_EQ(resolved("longdouble").cType, "long double");
}

TEST(NativeTypes, PointersAreWrittenInHexadecimalUnlessAFormatWasGiven) {
    EXPECT_EQ(resolved("pointer").format, DisplayFormat::HEXA);
    EXPECT_EQ(resolved("pointer", false, DisplayFormat::DECIMAL).format, DisplayFormat::DECIMAL);
    TypeFields sized;
    sized.size = 64;
    resolveNativeType("pointer", sized, false);
    EXPECT_EQ(sized.size, 64) << "a size already known stays";
}

TEST(NativeTypes, NamesAreExactAndCaseSensitive) {
    TypeFields f;
    for (const char* text : {"Integer", "INT", "ints", "", "long double"})
        EXPECT_EQ(resolveNativeType(text, f, false), NativeLookup::NotNative) << text;
    EXPECT_EQ(resolved("int # a comment").kind, TypeKind::ENTIER);
}

TEST(NativeTypes, StringsOfListFormsNeedTheirCType) {
    const TypeFields given = resolved("string (char*)", true);
    EXPECT_EQ(given.kind, TypeKind::CHAINE);
    EXPECT_EQ(given.cType, "char*");
    EXPECT_EQ(resolved("unsigned (unsigned short)").cType, "unsigned short");
    diag::resetForTesting();
    testing::internal::CaptureStderr();
    TypeFields f;
    EXPECT_EQ(resolveNativeType("string_ptr", f, true), NativeLookup::Refused);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("ENUTYPABS"), std::string::npos);
    EXPECT_EQ(resolved("string").cType, "char*") << "without a list form the row's C type serves";
}

AnalysedTypeInfo analysed(AnalysedCategory category, int size, std::string image) {
    return AnalysedTypeInfo{category, size, std::move(image), true};
}

TEST(AnalysedTypes, MapOntoKindsAndVariants) {
    const TypeFields uchar = mapAnalysedType(analysed(AnalysedCategory::UnsignedCharacter, 8, "unsigned char"));
    EXPECT_EQ(uchar.kind, TypeKind::ENTIER);
    EXPECT_EQ(uchar.frenchName, "unsigned");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::SignedCharacter, -8, "signed char")).kind,
              TypeKind::CARACTERE);
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Integral, -64, "long")).frenchName, "entier");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Integral, 64, "unsigned long")).frenchName, "unsigned");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Floating, 0, "long double")).frenchName, "longdouble");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Floating, 0, "double")).frenchName, "double");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Floating, 0, "float")).frenchName, "float");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::PointerToChar, 64, "const char *")).cType, "char *");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::StandardString, 0, "std::string")).kind,
              TypeKind::CHAINE);
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Void, 0, "void")).cType, "void");
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Other, 0, "struct s")).kind, TypeKind::INCONNU);
}

TEST(AnalysedTypes, PointersWithoutKnownPointeeAreVoidPointers) {
    AnalysedTypeInfo unknown = analysed(AnalysedCategory::Pointer, 64, "struct opaque *");
    unknown.pointeeKnown = false;
    const TypeFields f = mapAnalysedType(unknown);
    EXPECT_EQ(f.kind, TypeKind::POINTEUR);
    EXPECT_EQ(f.cType, "void *");
    EXPECT_EQ(f.format, DisplayFormat::HEXA);
    EXPECT_EQ(mapAnalysedType(analysed(AnalysedCategory::Function, 64, "int (*)(int)")).kind, TypeKind::POINTEUR);
}

TEST(Compatibility, FollowsTheTableOfValueKinds) {
    EXPECT_TRUE(compatible(TypeKind::ENUM, TypeKind::ENUM));
    for (int k = 0; k < values::kTypeKindCount; ++k) {
        const auto variable = static_cast<TypeKind>(k);
        EXPECT_EQ(compatible(TypeKind::ENUM, variable), variable == TypeKind::ENUM);
        EXPECT_FALSE(compatible(TypeKind::BIT, variable));
        EXPECT_FALSE(compatible(TypeKind::PRIVATE, variable));
    }
    EXPECT_TRUE(compatible(TypeKind::CHAINE, TypeKind::POINTEUR));
    EXPECT_TRUE(compatible(TypeKind::ENTIER, TypeKind::REEL));
    EXPECT_FALSE(compatible(TypeKind::ENTIER, TypeKind::CHAINE));
    EXPECT_FALSE(compatible(TypeKind::BOOLEEN, TypeKind::REEL));
    EXPECT_TRUE(compatible(TypeKind::POINTEUR, TypeKind::ENTIER));
    EXPECT_FALSE(compatible(static_cast<TypeKind>(40), TypeKind::ENTIER));
}

}  // namespace

}  // namespace variables
