// The command line of the compiler as the generic analyser sees it: its
// positional arguments, options, forbidden combinations and usage text.
#pragma once

#include "driver/cmdline_options.h"
#include "driver/settings.h"

#include <iterator>
#include <string_view>

namespace driver {

// The values of -RESTRICTION in flag order (see Restriction).
inline constexpr std::string_view kRestrictionValues[] = {
    "NOEXCEP", "NOIMAGE", "KR", "ANSI", "NOSQLSAV", "SEPAR", "NOALLOC", "NOPOS", "ADA83"};
static_assert(std::size(kRestrictionValues) == kRestrictionCount);

// The values of -SYSCOMP in code order.
inline constexpr std::string_view kSyscompValues[] = {"UNIX", "OS2", "DOS", "VMS", "NT"};

const options::CommandTable& commandTable();

}  // namespace driver
