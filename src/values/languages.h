// The languages a run is written in: the language of the unit under test and
// the keyword language of the script.
#pragma once

#include <string_view>

namespace values {

// Language indexes of the language table; a run always has index 6.
enum LanguageIndex : int {
    kAda = 0, kPascal = 1, kPlm = 2, kC = 3, kAsm = 4, kAutan = 5, kCpp = 6, kModula2 = 7
};

// Keyword languages.
enum KeywordLanguage : int { kFrench = 0, kFrenchAlternate = 1, kEnglish = 2 };

// Both French keyword languages write French keywords and texts.
constexpr bool frenchKeywords(int keywordLanguage) {
    return keywordLanguage == kFrench || keywordLanguage == kFrenchAlternate;
}

// The text of a French and English pair that the keyword language writes.
constexpr std::string_view inLanguage(int keywordLanguage, std::string_view french, std::string_view english) {
    return frenchKeywords(keywordLanguage) ? french : english;
}

}  // namespace values
