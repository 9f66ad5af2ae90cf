// The compiler's command line: its table, the reading into the settings with
// the warnings of the second layer, the command image, and the exact error
// output and status of every class of command-line error.
#include "diag/diag.h"
#include "driver/cmdline.h"
#include "driver/cmdline_table.h"
#include "driver/settings.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>

namespace {

using driver::settings;
using Words = std::vector<std::string>;

// The usage as it is printed: without its last line, the one of -XT.
constexpr const char* kVisibleUsage =
    "\nUsage vorneprepro :\n\t<test_script_file>\n\t<generated_file>\n\t<rep_file_rio>\n"
    "\t[-LANGUAGE=<language_name>]\n\t[-VERSION=<version_nb>]\n\t[-TARGET=<target_name>]\n"
    "\t[-OPERATION=<operation_name>[,operation_name]]\n\t[-SERVICE=<service_name>[,service_name]]\n"
    "\t[-TEST=<test_name>[,test_name]]\n\t[-FAMILY=<family_name>[,family_name]]\n"
    "\t[-EXOPERATION=<exoperation_name>[,exoperation_name]]\n"
    "\t[-EXSERVICE=<exservice_name>[,exservice_name]]\n\t[-EXTEST=<extest_name>[,extest_name]]\n"
    "\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n\t[-INCL=<directory>[,directory]]\n"
    "\t[-DEFINE=<identifier>[,identifier]]\n\t[-NOSIMULATION]\n\t[-NOEDIT]\n\t[-CONST=<const_file>]\n"
    "\t[-SOURCE=<source_file>]\n\t[-COMMAND|-NOCOMMAND=<command>]\n\t[-STRVER|-NOSTRVER=<strvers>]\n"
    "\t[-RESTRICTION=<ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP>"
    "[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]\n"
    "\t[-SYSCOMP=<NT|DOS|OS2|VMS|UNIX>]\n\t[-SUB_SYSTEM|-NOSUB_SYSTEM]\n\t[-SYSTEM|-NOSYSTEM]\n"
    "\t[-SS|-NOSS]\n\t[-FAST|-NOFAST]\n\t[-EXPAND|-NOEXPAND]\n\t[-COMPRESS|-NOCOMPRESS]\n"
    "\t[-CLASS=<class_name>]\n\t[-DBMS=<dbms_name>]\n\t[-DATA=<data_file>]\n\t[-LEARN|-NOLEARN]\n"
    "\t[-NOANALYZE]\n\t[-NOPATH]\n\t[-STD_DEFINE=<define_file>]\n\t[-RENAME=<rename_file>]\n"
    "\t[-SYMBTAB=<symbtab_file>]\n\t[-ADALINK=<adalink_file>]\n\t[-STANDARD=<standard_file>]\n"
    "\t[-GLENTO_LOG=<glento_log_file>]\n\t[-RIONAME=<rio_file>]\n\t[-WITHSEPARATE]\n\t[-TSF=<tsf_file>]\n";

void analyse(const Words& arguments) {
    Words storage = {"vorneprepro"};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& argument : storage) argv.push_back(argument.data());
    argv.push_back(nullptr);
    driver::analyseCommandLine(static_cast<int>(storage.size()), argv.data());
}

// Standard error of an analysis that goes through.
std::string messagesOf(const Words& arguments) {
    testing::internal::CaptureStderr();
    analyse(arguments);
    return testing::internal::GetCapturedStderr();
}

class CommandLine : public testing::Test {
protected:
    void SetUp() override {
        diag::resetForTesting();
        settings() = driver::Settings{};
        if (const char* target = std::getenv("HRLTGT")) savedTarget_ = target;
        ::unsetenv("HRLTGT");
    }
    void TearDown() override {
        if (savedTarget_) ::setenv("HRLTGT", savedTarget_->c_str(), 1);
        else ::unsetenv("HRLTGT");
        diag::resetForTesting();
    }

private:
    std::optional<std::string> savedTarget_;
};

TEST_F(CommandLine, DefaultsOfAPlainCommand) {
    EXPECT_EQ(messagesOf({"a.ptu", "g.cc"}), "");
    const auto& s = settings();
    EXPECT_EQ(s.scriptPath, "a.ptu");
    EXPECT_EQ(s.generatedPath, "g.cc");
    EXPECT_EQ(s.rioDirectory, "");
    EXPECT_EQ(s.languageName, "C++");
    EXPECT_EQ(s.languageIndex, driver::kCpp);
    EXPECT_EQ(s.analysisLanguage, driver::kCpp);
    EXPECT_EQ(s.secondaryLanguage, 5);
    EXPECT_EQ(s.subLanguage, 0);
    EXPECT_EQ(s.target, "LINUX");
    EXPECT_EQ(s.version, "");
    EXPECT_EQ(s.className, "VORNE");
    EXPECT_TRUE(s.fast);
    EXPECT_TRUE(s.analysis);
    EXPECT_FALSE(s.subSystem || s.compress || s.expand || s.noEdit || s.noSimulation || s.constGiven ||
                 s.tsfGiven || s.sourceGiven || s.syscompGiven || s.databaseAccess);
    EXPECT_EQ(s.syscomp, 0);
    EXPECT_EQ(s.stdDefineFile, "");
    for (int r = 0; r < driver::kRestrictionCount; ++r) EXPECT_EQ(s.restrictions[r], r == driver::kAnsi) << r;
    EXPECT_EQ(s.commandImage, "vorneprepro a.ptu g.cc -LANGUAGE=C++ -TARGET=LINUX -FAST");
}

TEST_F(CommandLine, ValuesAreReadIntoTheSettings) {
    EXPECT_EQ(messagesOf({"dir/a", "out/g", "\"rio dir\"", "-LANG=c++", "-VERSION=v1a", "-TARGET=arm",
                          "-CLASS=MyHarness", "-CONST=out/consts", "-GLENTO_LOG=Log.txt",
                          "-RIONAME=R.rio", "-NOSIM", "-NOEDIT", "-NOPATH", "-WITHSEP", "-SS",
                          "-COMMAND=make all", "-SOURCE=unit12x.c", "-STRVER=V_%s", "-NOFAST",
                          "-TSF=trace"}),
              "");
    const auto& s = settings();
    EXPECT_EQ(s.rioDirectory, "rio dir");
    EXPECT_EQ(s.version, "V1A");
    EXPECT_EQ(s.target, "ARM");
    EXPECT_EQ(s.className, "MyHarness");
    EXPECT_TRUE(s.constGiven);
    EXPECT_EQ(s.constPath, "out/consts.cc");
    EXPECT_EQ(s.glentoLogPath, "Log.txt");
    EXPECT_EQ(s.rioName, "R.rio");
    EXPECT_TRUE(s.noSimulation && s.noEdit && s.noPath && s.withSeparate && s.subSystem);
    EXPECT_EQ(s.commandText, "make all");
    EXPECT_TRUE(s.sourceGiven);
    EXPECT_EQ(s.sourcePath, "unit12x.c");
    EXPECT_EQ(s.strver, "V_%s");
    EXPECT_FALSE(s.fast);
    EXPECT_TRUE(s.tsfGiven);
    EXPECT_EQ(s.tsfPath, "trace");
    EXPECT_EQ(s.commandImage,
              "vorneprepro dir/a out/g \"rio dir\" -LANGUAGE=C++ -VERSION=V1A -TARGET=ARM -SUB_SYSTEM"
              " -SOURCE=unit12x.c -STRVER=V_%s -NOSIMULATION -NOEDIT");
}

TEST_F(CommandLine, LanguageAndConstantsFile) {
    analyse({"a", "g", "-LANGUAGE=C++17", "-CONST=dir.d/k"});
    EXPECT_EQ(settings().languageName, "C++");
    EXPECT_EQ(settings().constPath, "dir.d/k.cc");
    settings() = driver::Settings{};
    analyse({"a", "g", "-CONST=k.h", "-NOCOMMAND", "-NOSTRVER"});
    EXPECT_EQ(settings().constPath, "k.h");
    EXPECT_EQ(settings().commandText, "");
    EXPECT_EQ(settings().strver, "");
}

TEST_F(CommandLine, ObsoleteAndIncompatibleOptionsWarn) {
    EXPECT_EQ(messagesOf({"a", "g", "-DBMS=oracle", "-LEARN", "-DATA=d.dat", "-COMPRESS", "-EXPAND"}),
              "Morvik-W-OPSGBDINP,  The option DBMS is allowed only with CSQL language \n"
              "Morvik-W-OPTOBSOLET,  The option LEARN is obsolete : ignored\n"
              "Morvik-W-OPTOBSOLET,  The option DATA is obsolete : ignored\n"
              "Morvik-W-OPINCOMPA,  The options COMPRESS, EXPEND are incompatible.\n");
    EXPECT_EQ(diag::warningCount(), 4u);
    const auto& s = settings();
    EXPECT_FALSE(s.learn || s.databaseAccess);
    EXPECT_EQ(s.dataFile, "");
    EXPECT_TRUE(s.compress && s.expand);
    EXPECT_EQ(s.commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -COMPRESS -EXPAND");
    settings() = driver::Settings{};
    EXPECT_EQ(messagesOf({"a", "g", "-NOLEARN"}), "");
}

TEST_F(CommandLine, AnalyserFilesWithAnalysisOn) {
    ::setenv("HRLTGT", "/opt/target", 1);
    EXPECT_EQ(messagesOf({"a", "g", "-RENAME=r.txt", "-SYMBTAB=s.smb", "-ADALINK=l", "-STANDARD=std",
                          "-DEFINE=Debug,(Level=2)"}),
              "Morvik-W-OPTCETANA,  The option RENAME is only allowed with the ANALYSE option and C language\n");
    const auto& s = settings();
    EXPECT_EQ(s.stdDefineFile, "/opt/target/ana/hrus_c.def");
    EXPECT_EQ(s.renameFile, "");
    EXPECT_EQ(s.symbtabFile, "s.smb");
    EXPECT_EQ(s.adalinkFile, "l");
    EXPECT_EQ(s.standardFile, "std");
    EXPECT_EQ(s.definitions, (Words{"Debug", "Level=2"}));
    EXPECT_EQ(s.commandImage,
              "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -DEFINE=Debug,Level=2"
              " -STD_DEFINE=/opt/target/ana/hrus_c.def -SYMBTAB=s.smb -STANDARD=std -ADALINK=l");
}

TEST_F(CommandLine, TheStandardDefinitionsFile) {
    ::setenv("HRLTGT", "/opt/target", 1);
    analyse({"a", "g", "-STD_DEFINE=mine.def"});
    EXPECT_EQ(settings().stdDefineFile, "mine.def");
    // An empty HRLTGT names no target package.
    ::setenv("HRLTGT", "", 1);
    settings() = driver::Settings{};
    analyse({"a", "g"});
    EXPECT_EQ(settings().stdDefineFile, "");
}

TEST_F(CommandLine, AnalyserFilesWithAnalysisOff) {
    ::setenv("HRLTGT", "/opt/target", 1);
    EXPECT_EQ(messagesOf({"a", "g", "-NOANALYZE", "-STD_DEFINE=d.def", "-SYMBTAB=s", "-ADALINK=l",
                          "-STANDARD=std", "-DEFINE=debug"}),
              "Morvik-W-OPTCETCPP,  The option STD_DEFINE is only allowed with the ANALYSE option and C or "
              "C++ language\n"
              "Morvik-W-OPTIONANA,  The option SYMBTAB is only allowed with the ANALYSE option.\n"
              "Morvik-W-OPTIONANA,  The option ADALINK is only allowed with the ANALYSE option.\n"
              "Morvik-W-OPTIONANA,  The option STANDARD is only allowed with the ANALYSE option.\n");
    const auto& s = settings();
    EXPECT_FALSE(s.analysis);
    EXPECT_EQ(s.stdDefineFile + s.symbtabFile + s.adalinkFile + s.standardFile, "");
    EXPECT_EQ(s.definitions, Words{"DEBUG"});
    EXPECT_EQ(s.commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -DEFINE=DEBUG -NOANALYZE");
}

TEST_F(CommandLine, SelectionLists) {
    analyse({"a", "g", "-SERVICE=(s1,s2)", "-SERVICE=s3", "-TEST=t1", "-TEST=t2", "-FAMILY=f"});
    const auto& s = settings();
    EXPECT_TRUE(s.services.given);
    EXPECT_EQ(s.services.names, (Words{"S1", "S2", "S3"}));
    EXPECT_EQ(s.tests.names, (Words{"T1", "T2"}));
    EXPECT_EQ(s.families.names, Words{"F"});
    EXPECT_FALSE(s.exServices.given || s.exTests.given || s.exFamilies.given);
    EXPECT_EQ(s.commandImage,
              "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -SERVICE=S1,S2,S3 -TEST=T1,T2 -FAMILY=F");
    settings() = driver::Settings{};
    analyse({"a", "g", "-OPERATION=o1", "-EXTEST=(x)", "-EXFAMILY=y"});
    EXPECT_TRUE(s.services.given);
    EXPECT_EQ(s.services.names, Words{"O1"});
    EXPECT_EQ(s.exTests.names, Words{"X"});
    EXPECT_EQ(s.exFamilies.names, Words{"Y"});
    EXPECT_EQ(s.commandImage,
              "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -OPERATION=O1 -EXTEST=X -EXFAMILY=Y");
    settings() = driver::Settings{};
    analyse({"a", "g", "-EXOPERATION=e1"});
    EXPECT_TRUE(s.exServices.given);
    EXPECT_EQ(s.exServices.names, Words{"E1"});
    settings() = driver::Settings{};
    analyse({"a", "g", "-EXSERVICE=e2"});
    EXPECT_EQ(s.exServices.names, Words{"E2"});
    EXPECT_EQ(s.commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -EXSERVICE=E2");
}

TEST_F(CommandLine, IncludeDirectoriesMustExist) {
    testsupport::ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.path() / "Inc");
    scratch.write("file.h", "");
    EXPECT_EQ(messagesOf({"a", "g", "-INCL=Inc,nowhere,(file.h)"}),
              "Morvik-W-INCLTYPER,  nowhere is not a directory \n"
              "Morvik-W-INCLTYPER,  file.h is not a directory \n");
    EXPECT_EQ(settings().includeDirectories, Words{"Inc"});
    EXPECT_EQ(settings().commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -INCL=Inc");
    settings() = driver::Settings{};
    messagesOf({"a", "g", "-INCL=nowhere"});
    EXPECT_EQ(settings().commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST");
}

// A list's part of the image stops before it would pass 999 characters.
TEST_F(CommandLine, ListPartsAreCutAt999Characters) {
    Words arguments = {"a", "g"};
    for (int i = 1; i <= 300; ++i) arguments.push_back("-TEST=T" + std::to_string(1000 + i));
    analyse(arguments);
    EXPECT_EQ(settings().tests.names.size(), 300u);
    std::string part = " -TEST=T1001";
    for (int i = 2; i <= 165; ++i) part += ",T" + std::to_string(1000 + i);
    ASSERT_EQ(part.size(), 996u);
    EXPECT_EQ(settings().commandImage, "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST" + part + ",...");
}

TEST_F(CommandLine, APartOfExactly999CharactersIsKept) {
    // " -FAMILY=" (9), 98 values of 9 characters, one of 10 and 98 commas.
    Words values;
    for (int i = 0; i < 98; ++i) values.push_back("F" + std::to_string(10000000 + i));
    values.push_back("G100000000");
    Words arguments = {"a", "g"};
    std::string joined;
    for (std::size_t i = 0; i < values.size(); ++i) {
        joined += (i ? "," : "") + values[i];
        if (i % 20 == 0) arguments.push_back("-FAMILY=" + values[i]);
        else arguments.back() += "," + values[i];
    }
    arguments.push_back("-FAMILY=Z");
    analyse(arguments);
    const std::string head = "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST";
    const std::string image = settings().commandImage;
    ASSERT_EQ(image.substr(0, head.size()), head);
    EXPECT_EQ(image.substr(head.size()), " -FAMILY=" + joined + ",...");
    EXPECT_EQ(image.size() - head.size(), 999u + 4u);
}

TEST_F(CommandLine, RestrictionsRefuseKr) {
    EXPECT_EQ(messagesOf({"a", "g", "-RESTRICTION=KR,nopo"}),
              "Morvik-W-CMDERREUR,  Bad command: improper RESTR=KR option\n");
    const auto& flags = settings().restrictions;
    for (int r = 0; r < driver::kRestrictionCount; ++r)
        EXPECT_EQ(flags[r], r == driver::kNoPos || r == driver::kAnsi) << r;
    EXPECT_EQ(settings().commandImage,
              "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -RESTRICTION=KR,NOPOS");
    settings() = driver::Settings{};
    EXPECT_EQ(messagesOf({"a", "g", "-RESTR=noe", "-RESTR=ADA83,sep"}), "");
    EXPECT_TRUE(settings().restricted(driver::kNoExcep));
    EXPECT_TRUE(settings().restricted(driver::kAda83));
    EXPECT_TRUE(settings().restricted(driver::kSepar));
}

TEST_F(CommandLine, CompilingSystem) {
    analyse({"a", "g", "-SYSCOMP=nt", "-RESTRICTION=NOIMAGE", "-INCL=/"});
    EXPECT_EQ(settings().syscomp, 4);
    EXPECT_TRUE(settings().syscompGiven);
    EXPECT_EQ(settings().commandImage,
              "vorneprepro a g -LANGUAGE=C++ -TARGET=LINUX -FAST -INCL=/ -RESTRICTION=NOIMAGE -SYSCOMP=NT");
}

TEST_F(CommandLine, TraceLevels) {
    testing::internal::CaptureStdout();
    analyse({"a", "g", "-XT=3,12", "-XT=0"});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");  // levels are set silently
    EXPECT_TRUE(settings().traceLevel(3));
    EXPECT_TRUE(settings().traceLevel(0));
    EXPECT_FALSE(settings().traceLevel(1));
    EXPECT_FALSE(settings().traceLevel(12));
}

TEST_F(CommandLine, OptionFilesAndReferences) {
    testsupport::ScratchDirectory scratch;
    ::setenv("VORNE_TEST_SERVICE", "srv", 1);
    scratch.write("opts", "# the services\n-SERVICE=$VORNE_TEST_SERVICE,\\\ntwo\n-TEST=\"first test\"\n");
    testing::internal::CaptureStderr();
    analyse({"a", "@opts", "g", "-CLASS=$VORNE_TEST_UNSET_CLASS"});
    const std::string err = testing::internal::GetCapturedStderr();
    ::unsetenv("VORNE_TEST_SERVICE");
    EXPECT_EQ(err, "");
    EXPECT_EQ(settings().services.names, (Words{"SRV", "TWO"}));
    EXPECT_EQ(settings().tests.names, Words{"FIRST TEST"});
    EXPECT_EQ(settings().className, "$VORNE_TEST_UNSET_CLASS");
}

TEST(CommandTable, TheUsageShowsEveryOptionOfTheTable) {
    const auto& table = driver::commandTable();
    const std::string usage = table.usage;
    for (const auto& slot : table.positionals)
        EXPECT_NE(usage.find("\t<" + std::string(slot.englishName) + ">\n"), std::string::npos) << slot.englishName;
    for (const auto& option : table.options) {
        std::string shown = "\t[-" + std::string(option.englishName);
        if (option.negatable) shown += "|-NO" + std::string(option.englishName);
        if (option.argument && option.argument->kind != driver::options::ValueKind::kEnumeration)
            shown += "=<" + std::string(option.argument->name) + ">";
        EXPECT_NE(usage.find(shown), std::string::npos) << shown;
    }
}

// ---- Command-line errors: the exact standard error and status 7 ----------

std::string failure(const std::string& head) {
    return "vorneprepro Command analysis : " + head + kVisibleUsage + "\n" +
           "Morvik-F-CMDFATALE,  Wrong command line \n";
}

struct FailingCommand {
    Words arguments;
    std::string head;  // error text, blank, offending element
};

using CommandLineDeathTest = CommandLine;

TEST_F(CommandLineDeathTest, EveryClassOfErrorPrintsItsLineAndUsage) {
    testsupport::ScratchDirectory scratch;
    std::filesystem::create_directory(scratch.path() / "dir");
    scratch.write("nested", "a g @more");
    const std::string huge(100000, 'x');
    const std::vector<FailingCommand> cases = {
        {{"a", "g", "-XT=-1"}, "Arg value too small, XT=-1"},
        {{"a", "g", "-XT=1000"}, "Arg value too large, XT=1000"},
        {{"", "g"}, "Arg length too small, "},
        {{"a", "g", "-TEST=a,,b"}, "Arg length too small, TEST=a,,b"},
        {{"a", "g", "-TEST=" + huge}, "Arg length too large, TEST=" + huge},
        {{huge, "g"}, "Arg length too large, " + huge},
        {{"a", "g", "r", "extra"}, "Too many arguments invalid argument, extra"},
        {{"a,b", "g"}, "List forbidden invalid argument, a,b"},
        {{"a", "g", "-QUIET"}, "Unknown option, QUIET"},
        {{"a", "g", "-LANGX=C++"}, "Invalid character following option, LANGX=C++"},
        {{"a", "g", "-NOEDIT", "-NOEDIT"}, "An option can't be used twice, NOEDIT"},
        {{"a", "g", "-FAST", "-NOFAST"}, "An option can't be used twice, NOFAST"},
        {{"a", "g", "-TARGET"}, "Mandatory argument for this option, TARGET"},
        {{"a", "g", "-NOEDIT=yes"}, "No argument for this option, NOEDIT=yes"},
        {{"a", "g", "-TARGET=x,y"}, "List forbidden invalid option, TARGET=x,y"},
        {{"a"}, "Argument missing, generated_file"},
        {{}, "Argument missing, test_script_file"},
        {{"a", "g", "-S=x"}, "Ambiguous option, S=x"},
        {{"a", "g", "-SYSCOMP=LINUX"}, "Unknown value of option, SYSCOMP=LINUX"},
        {{"a", "g", "-RESTRICTION=NO"}, "Ambiguous value of option, RESTRICTION=NO"},
        {{"a", "g", "-TEST=t", "-EXTEST=t"}, "Illegal combination of command elements, TEST and EXTEST"},
        {{"a", "g", "-SUB_SYSTEM", "-SYSTEM", "-SS"}, "Illegal combination of command elements, SS and SYSTEM"},
        {{"a", "g", "-SERVICE=s", "-EXSERVICE=e", "-OPERATION=o"},
         "Illegal combination of command elements, OPERATION and SERVICE"},
        {{"a", "g", "@missing"}, "File not found missing"},
        {{"a", "g", "-Option=dir"}, "File not found dir"},
        {{"@nested"}, "Unknown option, @more"},
    };
    for (const auto& c : cases)
        EXPECT_EXIT(analyse(c.arguments), testing::ExitedWithCode(7), testing::Eq(failure(c.head)))
            << c.head.substr(0, 60);
}

TEST_F(CommandLineDeathTest, AnUnknownLanguageIsFatal) {
    EXPECT_EXIT(analyse({"a", "g", "-LANGUAGE=C"}), testing::ExitedWithCode(7),
                testing::Eq(std::string("Morvik-F-LANGINCON,  Unknown language C\n")));
    EXPECT_EXIT(analyse({"a", "g", "-LANG=ada"}), testing::ExitedWithCode(7),
                testing::Eq(std::string("Morvik-F-LANGINCON,  Unknown language ADA\n")));
}

// Binary option files end in a command-line error, never in a crash.
TEST_F(CommandLineDeathTest, ABinaryOptionFileIsRefused) {
    testsupport::ScratchDirectory scratch;
    using namespace std::string_literals;
    scratch.write("binary", "\x7f" "ELF\x02\x01\0\0\0\0-X\0\0\xff\xfe"s);
    EXPECT_EXIT(analyse({"@binary"}), testing::ExitedWithCode(7),
                testing::Eq(failure("Mandatory argument for this option, X")));
}

TEST_F(CommandLineDeathTest, RunningOutOfMemoryIsError18) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer does not hand failed allocations to the new handler";
#else
    // A 1 MB variable referred to 4000 times asks for 4 GB.
    const std::string big(1 << 20, 'b');
    std::string argument;
    for (int i = 0; i < 4000; ++i) argument += "$VORNE_TEST_BIG";
    const auto limitedRun = [&] {
        ::setenv("VORNE_TEST_BIG", big.c_str(), 1);
        const rlimit limit{1ul << 30, 1ul << 30};
        ::setrlimit(RLIMIT_DATA, &limit);
        analyse({"a", "g", argument});
    };
    EXPECT_EXIT(limitedRun(), testing::ExitedWithCode(7),
                testing::Eq(failure("Command analysis: No memory left ")));
#endif
}

}  // namespace
