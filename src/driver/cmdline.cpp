// Reading the analysed command line into the settings: defaults, the rules of
// this compiler for language, analysis and target, and the command image.
#include "driver/cmdline.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "driver/cmdline_table.h"
#include "driver/driver.h"
#include "driver/environment.h"
#include "driver/settings.h"

#include <QtGlobal>

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace driver {

namespace {

using options::Analysis;

// One row of the language table, matched against the upper-cased -LANGUAGE
// value (an empty key stands for the absent option).
struct LanguageRow {
    const char* key;
    const char* name;
    int index;
    int secondaryCode;
    int subLanguage;
    const char* defaultTarget;
    const char* defaultExtension;
    bool analysisAvailable;
};

constexpr LanguageRow kLanguages[] = {
    {"", "C++", kCpp, 5, 0, "LINUX", "cc", true},
    {"C++", "C++", kCpp, 5, 0, "LINUX", "cc", true},
};
static_assert(std::size(kLanguages) == 2);

enum class ListKind { kSelection, kInclude, kDefine, kRestriction };

struct ListOption {
    const char* name;
    ListKind kind;
    SelectionList Settings::*selection;  // kSelection only
};

// In the order of their parts in the command image.
constexpr ListOption kListOptions[] = {
    {"OPERATION", ListKind::kSelection, &Settings::services},
    {"SERVICE", ListKind::kSelection, &Settings::services},
    {"TEST", ListKind::kSelection, &Settings::tests},
    {"FAMILY", ListKind::kSelection, &Settings::families},
    {"EXOPERATION", ListKind::kSelection, &Settings::exServices},
    {"EXSERVICE", ListKind::kSelection, &Settings::exServices},
    {"EXTEST", ListKind::kSelection, &Settings::exTests},
    {"EXFAMILY", ListKind::kSelection, &Settings::exFamilies},
    {"INCL", ListKind::kInclude, nullptr},
    {"DEFINE", ListKind::kDefine, nullptr},
    {"RESTRICTION", ListKind::kRestriction, nullptr},
};
static_assert(std::size(kListOptions) == 11);

// A list's part of the command image stops short of this length.
constexpr std::size_t kListImageLimit = 999;

constexpr const char* kKrRefusal = QT_TRANSLATE_NOOP("Warning Parameter", "improper RESTR=KR option");

// What the reading needs besides the settings it fills.
struct Reading {
    Reading(const Analysis& analysed, Settings& settings) : analysis(analysed), s(settings) {}

    const Analysis& analysis;
    Settings& s;
    const LanguageRow* language = nullptr;
    std::vector<std::string> restrictions;
    std::string listImage;  // the list parts and the -SYSCOMP part, in image order
};

// " -NAME" or " -NAME=value".
std::string imagePart(std::string_view name, std::string_view value = {}, bool withValue = true) {
    std::string part = " -" + std::string(name);
    if (withValue) part += "=" + std::string(value);
    return part;
}

std::string flagPart(std::string_view name) { return imagePart(name, {}, false); }

void readPositionals(Reading& r) {
    r.s.scriptPath = r.analysis.positional(0);
    r.s.generatedPath = r.analysis.positional(1);
    std::string rio = r.analysis.positional(2);
    if (!rio.empty() && rio.front() == '"') rio.erase(0, 1);
    if (!rio.empty() && rio.back() == '"') rio.pop_back();
    r.s.rioDirectory = rio;
}

void readLanguage(Reading& r) {
    const bool given = r.analysis.given("LANGUAGE");
    const std::string value = diag::upperCased(r.analysis.value("LANGUAGE"));
    if (!given) r.language = &kLanguages[0];
    else if (value.starts_with(kLanguages[1].key)) r.language = &kLanguages[1];
    else diag::fatal("LANGINCON", value);
    Settings& s = r.s;
    s.languageName = r.language->name;
    s.languageIndex = r.language->index;
    s.analysisLanguage = r.language->index;
    s.secondaryLanguage = r.language->secondaryCode;
    s.subLanguage = r.language->subLanguage;
    s.databaseAccess = false;
}

void readNames(Reading& r) {
    const Analysis& a = r.analysis;
    r.s.version = a.given("VERSION") ? diag::upperCased(a.value("VERSION")) : std::string();
    r.s.target = a.given("TARGET") ? diag::upperCased(a.value("TARGET")) : r.language->defaultTarget;
    if (a.given("CLASS")) r.s.className = a.value("CLASS");
}

void readObsoleteOptions(Reading& r) {
    const Analysis& a = r.analysis;
    if (a.given("DBMS") && !r.s.databaseAccess) diag::warning("OPSGBDINP");
    r.s.learn = false;
    if (a.given("LEARN")) diag::warning("OPTOBSOLET", "LEARN");
    if (a.given("DATA")) diag::warning("OPTOBSOLET", "DATA");
    r.s.dataFile.clear();
}

void readFiles(Reading& r) {
    const Analysis& a = r.analysis;
    r.s.constGiven = a.given("CONST");
    if (r.s.constGiven) {
        r.s.constPath = a.value("CONST");
        if (splitExtension(splitPath(r.s.constPath).fileName).extension.empty())
            r.s.constPath += std::string(".") + r.language->defaultExtension;
    }
    r.s.glentoLogPath = a.value("GLENTO_LOG");
    r.s.rioName = a.value("RIONAME");
}

void readFlags(Reading& r) {
    const Analysis& a = r.analysis;
    Settings& s = r.s;
    s.noSimulation = a.given("NOSIMULATION");
    s.noEdit = a.given("NOEDIT");
    s.analysis = r.language->analysisAvailable && !a.given("NOANALYZE");
    s.noPath = a.given("NOPATH");
    s.withSeparate = a.given("WITHSEPARATE");
    s.subSystem = a.given("SUB_SYSTEM") || a.given("SYSTEM") || a.given("SS");
    s.commandText = a.given("COMMAND") ? a.value("COMMAND") : std::string();
    s.sourceGiven = a.given("SOURCE");
    s.sourcePath = a.value("SOURCE");
    s.strver = a.given("STRVER") ? a.value("STRVER") : std::string();
    s.fast = a.given("FAST");
    s.compress = a.given("COMPRESS");
    s.expand = a.given("EXPAND");
    if (s.compress && s.expand) diag::warning("OPINCOMPA", "COMPRESS, EXPEND");
}

// An unset or empty HRLTGT gives no default: "/ana/hrus_c.def" at the root of
// the file system is never the target's file.
std::string defaultDefineFile(const Settings& s) {
    const char* target = std::getenv("HRLTGT");
    if (!target || !*target || !s.analysis) return {};
    if (s.languageIndex != kC && s.languageIndex != kCpp) return {};
    return std::string(target) + "/ana/hrus_c.def";
}

// The value of an analyser file option, or empty with the warning when the
// option is not allowed here.
std::string allowedFile(const Analysis& a, const char* name, bool allowed, const char* warning) {
    if (!a.given(name)) return {};
    if (allowed) return a.value(name);
    diag::warning(warning, name);
    return {};
}

void readAnalyserFiles(Reading& r) {
    const Analysis& a = r.analysis;
    Settings& s = r.s;
    std::string defineFile = a.given("STD_DEFINE") ? a.value("STD_DEFINE") : defaultDefineFile(s);
    const bool cFamily = s.languageIndex == kC || s.languageIndex == kCpp;
    if (!defineFile.empty() && !(s.analysis && cFamily)) {
        diag::warning("OPTCETCPP", "STD_DEFINE");
        defineFile.clear();
    }
    s.stdDefineFile = defineFile;
    s.renameFile = allowedFile(a, "RENAME", s.analysis && s.languageIndex == kC, "OPTCETANA");
    s.symbtabFile = allowedFile(a, "SYMBTAB", s.analysis, "OPTIONANA");
    s.tsfGiven = a.given("TSF");
    s.tsfPath = a.value("TSF");
    s.adalinkFile = allowedFile(a, "ADALINK", s.analysis, "OPTIONANA");
    s.standardFile = allowedFile(a, "STANDARD", s.analysis, "OPTIONANA");
}

// A value in parentheses loses its opening and its closing one.
std::string withoutParentheses(std::string value) {
    if (!value.empty() && value.front() == '(') value.erase(0, 1);
    if (!value.empty() && value.back() == ')') value.pop_back();
    return value;
}

// The value as the list keeps it, or nothing when it is dropped.
std::optional<std::string> listValue(const Reading& r, ListKind kind, const std::string& given) {
    std::string value = withoutParentheses(given);
    switch (kind) {
    case ListKind::kSelection:
    case ListKind::kRestriction: diag::upperCase(value); break;
    case ListKind::kDefine:
        if (!r.s.analysis) diag::upperCase(value);
        break;
    case ListKind::kInclude:
        if (!isDirectory(value)) return std::nullopt;
        break;
    }
    return value;
}

void storeListValue(Reading& r, const ListOption& option, std::string value) {
    switch (option.kind) {
    case ListKind::kSelection: (r.s.*option.selection).names.push_back(std::move(value)); break;
    case ListKind::kInclude: r.s.includeDirectories.push_back(std::move(value)); break;
    case ListKind::kDefine: r.s.definitions.push_back(std::move(value)); break;
    case ListKind::kRestriction: r.restrictions.push_back(std::move(value)); break;
    }
}

// " -NAME=v1,v2,...": the values that would carry the part past the limit are
// left out and ",..." marks the cut.
std::string listImagePart(std::string_view name, const std::vector<std::string>& values) {
    std::string part = imagePart(name);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t separator = i == 0 ? 0 : 1;
        if (part.size() + separator + values[i].size() > kListImageLimit) {
            part += ",...";
            break;
        }
        if (separator) part += ',';
        part += values[i];
    }
    return part;
}

void readList(Reading& r, const ListOption& option) {
    if (!r.analysis.given(option.name)) return;
    if (option.kind == ListKind::kSelection) (r.s.*option.selection).given = true;
    std::vector<std::string> kept;
    for (const std::string& given : r.analysis.valuesOf(option.name)) {
        std::optional<std::string> value = listValue(r, option.kind, given);
        if (!value) continue;
        kept.push_back(*value);
        storeListValue(r, option, std::move(*value));
    }
    if (!kept.empty()) r.listImage += listImagePart(option.name, kept);
}

// K&R is refused: the compiler works in ANSI mode.
void readRestrictions(Reading& r) {
    auto& flags = r.s.restrictions;
    for (const std::string& value : r.restrictions)
        for (std::size_t i = 0; i < std::size(kRestrictionValues); ++i)
            if (value == kRestrictionValues[i]) flags[i] = true;
    if (flags[kKr]) {
        flags[kKr] = false;
        diag::warning("CMDERREUR", diag::translateParameter("Warning Parameter", kKrRefusal));
    }
    flags[kAnsi] = true;
}

void readSyscomp(Reading& r) {
    const std::string value = r.analysis.value("SYSCOMP");
    for (std::size_t i = 0; i < std::size(kSyscompValues); ++i)
        if (value == kSyscompValues[i]) r.s.syscomp = static_cast<int>(i);
    r.s.syscompGiven = r.analysis.given("SYSCOMP");
    if (r.s.syscompGiven) r.listImage += imagePart("SYSCOMP", value);
}

void readTraceLevels(Reading& r) {
    for (const std::string& text : r.analysis.valuesOf("XT")) {
        int level = 0;
        std::from_chars(text.data(), text.data() + text.size(), level);
        if (level >= 0 && level < static_cast<int>(r.s.traceLevels.size())) r.s.traceLevels[level] = true;
    }
}

std::string commandImage(const Reading& r) {
    const Settings& s = r.s;
    std::string image = std::string(kProductName) + " " + s.scriptPath + " " + s.generatedPath;
    if (!s.rioDirectory.empty()) image += " \"" + s.rioDirectory + "\"";
    image += imagePart("LANGUAGE", s.languageName);
    if (!s.version.empty()) image += imagePart("VERSION", s.version);
    image += imagePart("TARGET", s.target);
    if (s.subSystem) image += flagPart("SUB_SYSTEM");
    if (s.sourceGiven) image += imagePart("SOURCE", s.sourcePath);
    if (!s.strver.empty()) image += imagePart("STRVER", s.strver);
    if (s.fast) image += flagPart("FAST");
    if (s.compress) image += flagPart("COMPRESS");
    if (s.expand) image += flagPart("EXPAND");
    image += r.listImage;
    if (s.noSimulation) image += flagPart("NOSIMULATION");
    if (s.noEdit) image += flagPart("NOEDIT");
    if (!s.analysis) image += flagPart("NOANALYZE");
    if (!s.stdDefineFile.empty()) image += imagePart("STD_DEFINE", s.stdDefineFile);
    if (!s.symbtabFile.empty()) image += imagePart("SYMBTAB", s.symbtabFile);
    if (!s.standardFile.empty()) image += imagePart("STANDARD", s.standardFile);
    if (!s.adalinkFile.empty()) image += imagePart("ADALINK", s.adalinkFile);
    return image;
}

}  // namespace

void analyseCommandLine(int argc, char** argv) {
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.emplace_back(argv[i] ? argv[i] : "");
    const Analysis analysis = options::analyseCommand(commandTable(), arguments);
    Reading r(analysis, settings());
    settings().optionFiles = analysis.optionFiles;
    readPositionals(r);
    readLanguage(r);
    readNames(r);
    readObsoleteOptions(r);
    readFiles(r);
    readFlags(r);
    readAnalyserFiles(r);
    for (const ListOption& option : kListOptions) readList(r, option);
    readRestrictions(r);
    readSyscomp(r);
    readTraceLevels(r);
    r.s.commandImage = commandImage(r);
}

}  // namespace driver
