// The options of the run that the variable statements read.
#include "driver/settings.h"
#include "variables/variables_internal.h"

namespace variables::detail {

bool analysing() { return driver::settings().analysis; }
bool noExcep() { return driver::settings().restricted(driver::kNoExcep); }
bool noEdit() { return driver::settings().noEdit; }
bool learnMode() { return driver::settings().learn; }

bool frenchKeywords() {
    const int language = driver::settings().keywordLanguage;
    return language == driver::kFrench || language == driver::kFrenchAlternate;
}

}  // namespace variables::detail
