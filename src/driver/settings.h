// The settings of this run as the driver fills them: command-line analysis,
// the file-name derivation and the environment write them here, and every
// other module reads them through config::settings().
#pragma once

#include "config/settings.h"

namespace driver {

using config::SelectionList;
using config::Settings;
using values::LanguageIndex;
using values::KeywordLanguage;
using enum values::LanguageIndex;
using enum values::KeywordLanguage;
using enum config::Restriction;

// The settings of this run, installed as config::settings() at the first use.
Settings& settings();

}  // namespace driver
