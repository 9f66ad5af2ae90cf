// The message catalog's source data: one array of entries per catalog group.
#pragma once

#include <span>

namespace diag::catalog {

struct CatalogText {
    const char* source;   // English text, the translation key
    const char* comment;  // hint for translators (also the disambiguation)
};

struct CatalogEntry {
    const char* code;
    const char* context;
    CatalogText text;
};

std::span<const CatalogEntry> modbasEntries();
std::span<const CatalogEntry> bibliEntries();
std::span<const CatalogEntry> anaccppEntries();
std::span<const CatalogEntry> preproEntries();

}  // namespace diag::catalog
