// Text in XML and HTML: escaped, and valid UTF-8 whatever the bytes of the
// script and of the values (a byte that does not begin valid UTF-8 is taken
// as Latin-1, so a French comment in Latin-1 reads as it was written).
#pragma once

#include <string>
#include <string_view>

namespace report::markup {

std::string escaped(std::string_view text);

// "1970-01-01T00:00:00Z" -> "1970-01-01T00:00:00".
std::string isoDate(const std::string& date);

}  // namespace report::markup
