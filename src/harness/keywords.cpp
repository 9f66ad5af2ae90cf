// Keywords as the diagnostics of the structure statements name them, in the
// keyword language of the script.
#include "diag/diag.h"
#include "harness/harness_internal.h"

namespace harness::detail {

namespace {

struct KeywordTexts {
    Keyword keyword;
    std::string_view english;
    std::string_view french;
};

constexpr KeywordTexts kKeywordTexts[] = {
    {Keyword::Begin, "BEGIN", "DEBUT"},
    {Keyword::Header, "HEADER", "ENTETE"},
    {Keyword::Service, "SERVICE", "SERVICE"},
    {Keyword::Test, "TEST", "TEST"},
    {Keyword::Element, "ELEMENT", "ELEMENT"},
    {Keyword::Family, "FAMILY", "FAMILLE"},
    {Keyword::Segment, "SEGMENT", "SEGMENT"},
    {Keyword::EndService, " END SERVICE", " FIN SERVICE"},
    {Keyword::EndTest, "END TEST", "FIN TEST"},
    {Keyword::EndElement, "END ELEMENT", "FIN ELEMENT"},
    {Keyword::EndFamily, "END FAMILY", "FIN FAMILLE"},
    {Keyword::EndEnvironment, "END ENVIRONMENT", "FIN ENVIRONNEMENT"},
    {Keyword::EndDefine, "END DEFINE", "FIN DEFINIR"},
    {Keyword::EndIf, "END IF", "FIN SI"},
    {Keyword::EndSimul, "END SIMUL", "FIN SIMUL"},
    {Keyword::EndInitialization, "END INITIALIZATION", "FIN INITIALISATION"},
    {Keyword::EndTermination, "END TERMINATION", "FIN TERMINAISON"},
    {Keyword::EndSegment, "END SEGMENT", "FIN SEGMENT"},
    {Keyword::Initialization, "INITIALIZATION", "INITIALISATION"},
    {Keyword::Termination, "TERMINATION", "TERMINAISON"},
};
static_assert(std::size(kKeywordTexts) == static_cast<std::size_t>(Keyword::Count));

constexpr bool inKeywordOrder() {
    for (std::size_t i = 0; i < std::size(kKeywordTexts); ++i)
        if (static_cast<std::size_t>(kKeywordTexts[i].keyword) != i) return false;
    return true;
}
static_assert(inKeywordOrder(), "kKeywordTexts is indexed by Keyword");

}  // namespace

std::string_view keywordText(Keyword keyword) {
    const KeywordTexts& texts = kKeywordTexts[static_cast<std::size_t>(keyword)];
    return output::inKeywordLanguage(texts.french, texts.english);
}

void reportMissing(Keyword keyword) { diag::error("MOTCLEABS", keywordText(keyword)); }
void reportWrongPlace(Keyword keyword) { diag::warning("MAL_PLACE", keywordText(keyword)); }

}  // namespace harness::detail
