// The Base module group of the message catalog: code, translation context, English text.
// Each text is marked for lupdate; the comment is the translator's hint.
#include "diag/catalog_data.h"

#include <QtGlobal>

namespace diag::catalog {

namespace {

constexpr CatalogEntry kEntries[] = {
    {"ENDERRWAR", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "End of execution with %1 error(s) and %2 warning(s)",
                        "Error code is \"ENDERRWAR\"; %1 and %2 are counts and must stay")},
    {"ENDNOEWAR", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "End of execution with %1%2 warning(s)",
                        "Error code is \"ENDNOEWAR\"; %1 and %2 are counts and must stay")},
    {"ENDNOENWR", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "End of execution with 0 error and 0 warning%1%2",
                        "Error code is \"ENDNOENWR\"; %1 and %2 are counts and must stay")},
    {"FICERROPN", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "File %1 opening problem",
                        "Error code is \"FICERROPN\"")},
    {"ENDERRNWR", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "End of execution with %1 error(s)",
                        "Error code is \"ENDERRNWR\"; %1 and %2 are counts and must stay")},
    {"EROPFICMD", "Error-modbas",
     QT_TRANSLATE_NOOP3("Error-modbas", "Incorrect option in option file: %1",
                        "Error code is \"EROPFICMD\"")},
};
static_assert(std::size(kEntries) == 6);

}  // namespace

std::span<const CatalogEntry> modbasEntries() { return kEntries; }

}  // namespace diag::catalog
