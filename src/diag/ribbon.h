// The ribbon: an interning store that hands out one stable handle per
// distinct identifier text.
#pragma once

#include <cstdint>
#include <string_view>

namespace diag {

// Handle of an interned text; 0 is never a valid entry.
using RibbonEntry = std::uint32_t;

// Creates the default ribbon (start-up); before it, interning is the
// internal error RUBNOTINI.
void initRibbon();

// The entry of an identical text already interned, or a new one.
RibbonEntry internString(std::string_view text);

// The characters of an entry; an absent entry is the internal error DEBORUBAN.
std::string_view ribbonText(RibbonEntry entry);

bool ribbonEquals(RibbonEntry entry, std::string_view text);

// Forgets every entry (the characters stay stored).
void clearRibbonIndex();

}  // namespace diag
