// The Preprocessor group of the message catalog: code, translation context, English text.
// Each text is marked for lupdate; the comment is the translator's hint.
#include "diag/catalog_data.h"

#include <QtGlobal>

namespace diag::catalog {

namespace {

constexpr CatalogEntry kEntries[] = {
    {"INTERNERR", "Internal Error (prepro)",
     QT_TRANSLATE_NOOP3("Internal Error (prepro)", "%1internal error raised in  %2",
                        "Error code is \"INTERNERR\"")},
    {"NOLINKFIL", "Fatal Error (prepro)",
     QT_TRANSLATE_NOOP3("Fatal Error (prepro)", "%1no link file  %2",
                        "Error code is \"NOLINKFIL\"")},
    {"CMDERRDTA", "Error (prepro)",
     QT_TRANSLATE_NOOP3("Error (prepro)", "%1Bad command: -DATA=<datafile> option expected%2",
                        "Error code is \"CMDERRDTA\"")},
    {"UNKARRSIZ", "Error (prepro)",
     QT_TRANSLATE_NOOP3("Error (prepro)", "%1Size of array type %2 is unknow could not generate stub",
                        "Error code is \"UNKARRSIZ\"")},
    {"AGGONLOTH", "Error (prepro)",
     QT_TRANSLATE_NOOP3("Error (prepro)", "%1The pseudo variables I1,I2... can only be used when the aggregate is specified only by 'others'",
                        "Error code is \"AGGONLOTH\"")},
    {"ASYNTAXER", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1syntax error  %2",
                        "Error code is \"ASYNTAXER\"")},
    {"NBCOMPERR", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1number of index values in aggregate and number of array elements are different  %2",
                        "Error code is \"NBCOMPERR\"")},
    {"NOPRITEST", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1private type not allowed for the test of   %2",
                        "Error code is \"NOPRITEST\"")},
    {"OPNOTFUND", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1operator not found  %2",
                        "Error code is \"OPNOTFUND\"")},
    {"AGGRINVAL", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1invalid list  %2",
                        "Error code is \"AGGRINVAL\"")},
    {"NONILERRE", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1NONIL not allowed in an initialization value  %2",
                        "Error code is \"NONILERRE\"")},
    {"INVPKGMU", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1Stub of generic package or instantiation of generic package are not allowed: %2",
                        "Error code is \"INVPKGMU\"")},
    {"BADRUNTIM", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "Target Package not found, check HRLTGT environment variable.",
                        "Error code is \"BADRUNTIM\"")},
    {"VARARRAY", "Warning (prepro)",
     QT_TRANSLATE_NOOP3("Warning (prepro)", "%1 coul'd not compute Array indexes for environnement overload: %2",
                        "Error code is \"VARARRAY\"")},
};
static_assert(std::size(kEntries) == 14);

}  // namespace

std::span<const CatalogEntry> preproEntries() { return kEntries; }

}  // namespace diag::catalog
