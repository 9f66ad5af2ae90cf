// The message catalog: translators per catalog module and the registration of
// the four groups of English texts, each passed through the translation service.
#include "diag/catalog_data.h"
#include "diag/diag.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unordered_map>
#include <vector>

namespace diag {

namespace {

constexpr const char* kModulePrefixes[] = {"prepro_", "dravident_", "modbas_",
                                           "bibli_",  "anaccpp_",   "cab_"};

struct CatalogState {
    std::unordered_map<std::string, std::string> texts;
    bool modbasRegistered = false;
    bool bibliRegistered = false;
    bool anaccppRegistered = false;
    bool preproRegistered = false;
    std::vector<std::unique_ptr<QTranslator>> translators;
};

CatalogState& catalogState() {
    static CatalogState s;
    return s;
}

std::string translated(const char* context, const char* source, const char* comment) {
    return QCoreApplication::translate(context, source, comment).toLocal8Bit().toStdString();
}

void registerGroup(bool& registered, std::span<const catalog::CatalogEntry> entries) {
    if (registered) return;
    registered = true;
    for (const auto& entry : entries)
        catalogState().texts[entry.code] =
            translated(entry.context, entry.text.source, entry.text.comment);
}

}  // namespace

void installTranslators() {
    const char* installation = std::getenv("MORVIKDIR");
    if (!installation || !*installation) {
        std::fputs("Fatal Error: please setup MORVIKDIR environment variable.\n", stderr);
        terminate(kStatusFatal);
    }
    const QString separator = QDir::separator();
    const QString localeDir = QString::fromLocal8Bit(installation) + separator +
                              QStringLiteral("lib") + separator + QStringLiteral("locale");
    if (!QFileInfo(localeDir).isDir()) {
        const QString text = QStringLiteral("Warning: directory doesn't exist '%1'\n").arg(localeDir);
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return;
    }
    const QString locale = QLocale::system().name();
    for (const char* prefix : kModulePrefixes) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QString::fromLatin1(prefix) + locale, localeDir)) continue;
        if (QCoreApplication::installTranslator(translator.get()))
            catalogState().translators.push_back(std::move(translator));
    }
}

void registerCatalog() {
    auto& s = catalogState();
    registerGroup(s.modbasRegistered, catalog::modbasEntries());
    s.texts["COPYRIGHT"] = "%1%2";
    registerGroup(s.bibliRegistered, catalog::bibliEntries());
    registerGroup(s.anaccppRegistered, catalog::anaccppEntries());
    registerGroup(s.preproRegistered, catalog::preproEntries());
}

std::optional<std::string> catalogText(std::string_view code) {
    const auto& texts = catalogState().texts;
    auto it = texts.find(std::string(code));
    if (it == texts.end()) return std::nullopt;
    return it->second;
}

std::string translateParameter(const char* context, const char* text) {
    return translated(context, text, nullptr);
}

}  // namespace diag
