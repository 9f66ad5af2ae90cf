// The descriptor table of the compiler's command line.
#include "driver/cmdline_table.h"

#include <QtGlobal>

namespace driver {

namespace {

using options::ArgumentDescriptor;
using options::ForbiddenPair;
using options::OptionDescriptor;
using options::PositionalDescriptor;
using options::ValueKind;

// The longest value an option accepts.
constexpr std::size_t kValueLength = 255;
// The longest path the system accepts.
constexpr std::size_t kPathLength = 4095;
// The highest internal trace level.
constexpr long kTraceLevelMaximum = 999;

constexpr ArgumentDescriptor single(const char* name) { return {name, false, 1, kValueLength}; }
constexpr ArgumentDescriptor list(const char* name) { return {name, true, 1, kValueLength}; }

constexpr ArgumentDescriptor kLanguageName = single("language_name");
constexpr ArgumentDescriptor kVersionNumber = single("version_nb");
constexpr ArgumentDescriptor kTargetName = single("target_name");
constexpr ArgumentDescriptor kOperationNames = list("operation_name");
constexpr ArgumentDescriptor kServiceNames = list("service_name");
constexpr ArgumentDescriptor kTestNames = list("test_name");
constexpr ArgumentDescriptor kFamilyNames = list("family_name");
constexpr ArgumentDescriptor kExOperationNames = list("exoperation_name");
constexpr ArgumentDescriptor kExServiceNames = list("exservice_name");
constexpr ArgumentDescriptor kExTestNames = list("extest_name");
constexpr ArgumentDescriptor kExFamilyNames = list("exfamily_name");
constexpr ArgumentDescriptor kDirectories = list("directory");
constexpr ArgumentDescriptor kIdentifiers = list("identifier");
constexpr ArgumentDescriptor kConstFile = single("const_file");
constexpr ArgumentDescriptor kSourceFile = single("source_file");
constexpr ArgumentDescriptor kCommand = single("command");
constexpr ArgumentDescriptor kStrvers = single("strvers");
constexpr ArgumentDescriptor kRestrictions = {"restriction", true, 1, kValueLength,
                                              ValueKind::kEnumeration, kRestrictionValues};
constexpr ArgumentDescriptor kCompilerSystem = {"compiler_system", false, 1, kValueLength,
                                                ValueKind::kEnumeration, kSyscompValues, 0};
constexpr ArgumentDescriptor kClassName = single("class_name");
constexpr ArgumentDescriptor kDbmsName = single("dbms_name");
constexpr ArgumentDescriptor kDataFile = single("data_file");
constexpr ArgumentDescriptor kDefineFile = single("define_file");
constexpr ArgumentDescriptor kRenameFile = single("rename_file");
constexpr ArgumentDescriptor kSymbtabFile = single("symbtab_file");
constexpr ArgumentDescriptor kAdalinkFile = single("adalink_file");
constexpr ArgumentDescriptor kStandardFile = single("standard_file");
constexpr ArgumentDescriptor kGlentoLogFile = single("glento_log_file");
constexpr ArgumentDescriptor kRioFile = single("rio_file");
constexpr ArgumentDescriptor kTsfFile = single("tsf_file");
constexpr ArgumentDescriptor kLevels = {"level", true, 1, kValueLength, ValueKind::kNumber, {}, -1,
                                        0, kTraceLevelMaximum};

constexpr PositionalDescriptor kPositionals[] = {
    {"fichier_script_test", "test_script_file", false, false, 1, kPathLength},
    {"fichier_genere", "generated_file", false, false, 1, kPathLength},
    {"rep_fichier_rio", "rep_file_rio", false, true, 0, kPathLength},
};
static_assert(std::size(kPositionals) == 3);

// French name, English name, argument, negatable, on by default.
constexpr OptionDescriptor kOptions[] = {
    {"LANGAGE", "LANGUAGE", &kLanguageName, false, false},
    {"VERSION", "VERSION", &kVersionNumber, false, false},
    {"CIBLE", "TARGET", &kTargetName, false, false},
    {"OPERATION", "OPERATION", &kOperationNames, false, false},
    {"SERVICE", "SERVICE", &kServiceNames, false, false},
    {"TEST", "TEST", &kTestNames, false, false},
    {"FAMILLE", "FAMILY", &kFamilyNames, false, false},
    {"EXOPERATION", "EXOPERATION", &kExOperationNames, false, false},
    {"EXSERVICE", "EXSERVICE", &kExServiceNames, false, false},
    {"EXTEST", "EXTEST", &kExTestNames, false, false},
    {"EXFAMILLE", "EXFAMILY", &kExFamilyNames, false, false},
    {"INCL", "INCL", &kDirectories, false, false},
    {"DEFINIR", "DEFINE", &kIdentifiers, false, false},
    {"NOSIMULATION", "NOSIMULATION", nullptr, false, false},
    {"NOEDIT", "NOEDIT", nullptr, false, false},
    {"CONST", "CONST", &kConstFile, false, false},
    {"SOURCE", "SOURCE", &kSourceFile, false, false},
    {"COMMANDE", "COMMAND", &kCommand, true, false},
    {"STRVER", "STRVER", &kStrvers, true, false},
    {"RESTRICTION", "RESTRICTION", &kRestrictions, false, false},
    {"SYSCOMP", "SYSCOMP", &kCompilerSystem, false, false},
    {"SOUS_SYSTEME", "SUB_SYSTEM", nullptr, true, false},
    {"SYSTEME", "SYSTEM", nullptr, true, false},
    {"SS", "SS", nullptr, true, false},
    {"FAST", "FAST", nullptr, true, true},
    {"EXPEND", "EXPAND", nullptr, true, false},
    {"COMPRESS", "COMPRESS", nullptr, true, false},
    {"CLASSE", "CLASS", &kClassName, false, false},
    {"SGBD", "DBMS", &kDbmsName, false, false},
    {"DONNEES", "DATA", &kDataFile, false, false},
    {"APPRENTISSAGE", "LEARN", nullptr, true, false},
    {"NOANALYSE", "NOANALYZE", nullptr, false, false},
    {"NOPATH", "NOPATH", nullptr, false, false},
    {"DEFINE_STD", "STD_DEFINE", &kDefineFile, false, false},
    {"RENOMME", "RENAME", &kRenameFile, false, false},
    {"TABSYMB", "SYMBTAB", &kSymbtabFile, false, false},
    {"ADALIEN", "ADALINK", &kAdalinkFile, false, false},
    {"STANDARD", "STANDARD", &kStandardFile, false, false},
    {"GLENTO_LOG", "GLENTO_LOG", &kGlentoLogFile, false, false},
    {"NOMRIO", "RIONAME", &kRioFile, false, false},
    {"WITHSEPARATE", "WITHSEPARATE", nullptr, false, false},
    {"TSF", "TSF", &kTsfFile, false, false},
    {"XT", "XT", &kLevels, false, false},
};
static_assert(std::size(kOptions) == 43);

constexpr ForbiddenPair kForbiddenPairs[] = {
    {"SS", "SYSTEM"},           {"SS", "SUB_SYSTEM"},         {"SYSTEM", "SUB_SYSTEM"},
    {"OPERATION", "SERVICE"},   {"EXOPERATION", "EXSERVICE"}, {"OPERATION", "EXSERVICE"},
    {"EXOPERATION", "SERVICE"}, {"OPERATION", "EXOPERATION"}, {"SERVICE", "EXSERVICE"},
    {"TEST", "EXTEST"},         {"FAMILY", "EXFAMILY"},
};
static_assert(std::size(kForbiddenPairs) == 11);

// The last line is never shown: it is cut off before the usage is printed.
constexpr const char* kUsage = QT_TRANSLATE_NOOP("Command-line",
    "\n"
    "Usage vorneprepro :\n"
    "\t<test_script_file>\n"
    "\t<generated_file>\n"
    "\t<rep_file_rio>\n"
    "\t[-LANGUAGE=<language_name>]\n"
    "\t[-VERSION=<version_nb>]\n"
    "\t[-TARGET=<target_name>]\n"
    "\t[-OPERATION=<operation_name>[,operation_name]]\n"
    "\t[-SERVICE=<service_name>[,service_name]]\n"
    "\t[-TEST=<test_name>[,test_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n"
    "\t[-EXOPERATION=<exoperation_name>[,exoperation_name]]\n"
    "\t[-EXSERVICE=<exservice_name>[,exservice_name]]\n"
    "\t[-EXTEST=<extest_name>[,extest_name]]\n"
    "\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INCL=<directory>[,directory]]\n"
    "\t[-DEFINE=<identifier>[,identifier]]\n"
    "\t[-NOSIMULATION]\n"
    "\t[-NOEDIT]\n"
    "\t[-CONST=<const_file>]\n"
    "\t[-SOURCE=<source_file>]\n"
    "\t[-COMMAND|-NOCOMMAND=<command>]\n"
    "\t[-STRVER|-NOSTRVER=<strvers>]\n"
    "\t[-RESTRICTION=<ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP>"
    "[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]\n"
    "\t[-SYSCOMP=<NT|DOS|OS2|VMS|UNIX>]\n"
    "\t[-SUB_SYSTEM|-NOSUB_SYSTEM]\n"
    "\t[-SYSTEM|-NOSYSTEM]\n"
    "\t[-SS|-NOSS]\n"
    "\t[-FAST|-NOFAST]\n"
    "\t[-EXPAND|-NOEXPAND]\n"
    "\t[-COMPRESS|-NOCOMPRESS]\n"
    "\t[-CLASS=<class_name>]\n"
    "\t[-DBMS=<dbms_name>]\n"
    "\t[-DATA=<data_file>]\n"
    "\t[-LEARN|-NOLEARN]\n"
    "\t[-NOANALYZE]\n"
    "\t[-NOPATH]\n"
    "\t[-STD_DEFINE=<define_file>]\n"
    "\t[-RENAME=<rename_file>]\n"
    "\t[-SYMBTAB=<symbtab_file>]\n"
    "\t[-ADALINK=<adalink_file>]\n"
    "\t[-STANDARD=<standard_file>]\n"
    "\t[-GLENTO_LOG=<glento_log_file>]\n"
    "\t[-RIONAME=<rio_file>]\n"
    "\t[-WITHSEPARATE]\n"
    "\t[-TSF=<tsf_file>]\n"
    "\t[-XT=<level>[,level]]\n");

constexpr options::CommandTable kCommandTable = {kPositionals, kOptions, kForbiddenPairs, kUsage};

}  // namespace

const options::CommandTable& commandTable() { return kCommandTable; }

}  // namespace driver
