// The generic option analyser over a small table of its own: prefix
// matching, "NO" forms, values, enumerations, numbers, positionals, defaults,
// forbidden pairs, the error line and its translation.
#include "driver/cmdline_options.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cstring>

namespace driver::options {

inline void PrintTo(const Error& error, std::ostream* out) { *out << "{" << error.index << ", \"" << error.element << "\"}"; }

}  // namespace driver::options

namespace {

using namespace driver::options;

constexpr std::string_view kColours[] = {"RED", "GREEN", "GREY", "BLUE"};

constexpr ArgumentDescriptor kName{"name", false, 1, 8};
constexpr ArgumentDescriptor kNames{"name", true, 1, 8};
constexpr ArgumentDescriptor kColour{"colour", true, 1, 10, ValueKind::kEnumeration, kColours, 3};
constexpr ArgumentDescriptor kLevel{"level", true, 1, 30, ValueKind::kNumber, {}, -1, 1, 20};

constexpr PositionalDescriptor kSlots[] = {
    {"entree", "input", false, false, 1, 20},
    {"sortie", "output", false, true, 0, 20},
};

constexpr OptionDescriptor kOptions[] = {
    {"NOM", "NAME", &kName, false, false},
    {"NOMS", "NAMES", &kNames, false, false},
    {"COULEUR", "COLOUR", &kColour, false, false},
    {"NIVEAU", "LEVEL", &kLevel, false, false},
    {"VITE", "QUICK", nullptr, true, true},
    {"SILENCE", "QUIET", nullptr, true, false},
    {"TEXTE", "TEXT", &kName, true, false},
    {"ALPHA", "ALPHA", nullptr, false, false},
    {"BETA", "BETA", nullptr, false, false},
};

constexpr ForbiddenPair kPairs[] = {{"ALPHA", "BETA"}, {"QUIET", "NAMES"}};
constexpr ForbiddenPair kBadPairs[] = {{"ALPHA", "GAMMA"}};

constexpr const char* kUsage = "\nUsage t :\n\t<input>\n\t[-XT=<level>]\n";

constexpr CommandTable kTable{kSlots, kOptions, kPairs, kUsage};
constexpr CommandTable kBadTable{kSlots, kOptions, kBadPairs, kUsage};

struct Outcome {
    Analysis analysis;
    std::optional<Error> error;
};

Outcome run(std::vector<std::string> arguments, const CommandTable& table = kTable) {
    Analysis analysis(table);
    auto error = analyse(arguments, analysis);
    return {std::move(analysis), std::move(error)};
}

std::optional<Error> errorOf(std::vector<std::string> arguments) {
    return run(std::move(arguments)).error;
}

TEST(OptionAnalyser, OptionsAreRecognisedByPrefixWithoutCase) {
    auto r = run({"in", "-nam=x", "-COL=red"});
    EXPECT_EQ(r.error, (Error{kAmbiguousOption, "nam=x"}));
    r = run({"in", "-name=x", "-COL=red", "-lev=3", "-Qui"});
    EXPECT_EQ(r.error, (Error{kAmbiguousOption, "Qui"}));
    r = run({"in", "-name=x", "-COL=red", "-lev=3", "-QUIE"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.value("NAME"), "x");
    EXPECT_EQ(r.analysis.valuesOf("COLOUR"), (std::vector<std::string>{"RED"}));
    EXPECT_EQ(r.analysis.value("LEVEL"), "3");
    EXPECT_EQ(r.analysis.state("QUIET"), kGiven);
}

// NAME is a prefix of NAMES: the whole name selects it at once.
TEST(OptionAnalyser, AWholeNameWinsOverLongerNames) {
    auto r = run({"in", "-NAME=a", "-NAMES=b"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.value("NAME"), "a");
    EXPECT_EQ(r.analysis.value("NAMES"), "b");
    EXPECT_EQ(errorOf({"in", "-NAMESX=b"}), (Error{kInvalidCharacter, "NAMESX=b"}));
}

TEST(OptionAnalyser, MatchErrors) {
    EXPECT_EQ(errorOf({"in", "-ZETA"}), (Error{kUnknownOption, "ZETA"}));
    EXPECT_EQ(errorOf({"in", "-"}), (Error{kUnknownOption, ""}));
    EXPECT_EQ(errorOf({"in", "-=x"}), (Error{kUnknownOption, "=x"}));
    // The longest common prefix chooses ALPHA; what follows it is wrong.
    EXPECT_EQ(errorOf({"in", "-ALPINE"}), (Error{kInvalidCharacter, "ALPINE"}));
    EXPECT_EQ(errorOf({"in", "-N=x"}), (Error{kAmbiguousOption, "N=x"}));
}

TEST(OptionAnalyser, NoForms) {
    auto r = run({"in", "-noqui"});
    EXPECT_EQ(r.error, (Error{kAmbiguousOption, "noqui"}));
    r = run({"in", "-NOQUIC", "-NOTEXT"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.state("QUICK"), kNegated);
    EXPECT_FALSE(r.analysis.given("QUICK"));
    EXPECT_EQ(r.analysis.state("TEXT"), kNegated);
    EXPECT_TRUE(r.analysis.valuesOf("TEXT").empty());
    EXPECT_EQ(errorOf({"in", "-NOTEXT=x"}), (Error{kNoArgument, "NOTEXT=x"}));
    EXPECT_EQ(errorOf({"in", "-NOQUICK="}), (Error{kNoArgument, "NOQUICK="}));
    // ALPHA has no "NO" form: the text only shares "NO" with the others.
    EXPECT_EQ(errorOf({"in", "-NOALPHA"}), (Error{kAmbiguousOption, "NOALPHA"}));
}

TEST(OptionAnalyser, DefaultsOfAbsentOptions) {
    const auto r = run({"in"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.state("QUICK"), kGiven);      // on by default
    EXPECT_EQ(r.analysis.state("QUIET"), kNegated);    // negatable, not given
    EXPECT_EQ(r.analysis.state("ALPHA"), kNotGiven);
    EXPECT_EQ(r.analysis.state("COLOUR"), kNotGiven);  // the default value does not give it
    EXPECT_EQ(r.analysis.valuesOf("COLOUR"), (std::vector<std::string>{"BLUE"}));
}

TEST(OptionAnalyser, ValueErrors) {
    EXPECT_EQ(errorOf({"in", "-NAME"}), (Error{kMandatoryArgument, "NAME"}));
    EXPECT_EQ(errorOf({"in", "-NAME="}), (Error{kMandatoryArgument, "NAME="}));
    EXPECT_EQ(errorOf({"in", "-ALPHA=1"}), (Error{kNoArgument, "ALPHA=1"}));
    EXPECT_EQ(errorOf({"in", "-ALPHA="}), (Error{kNoArgument, "ALPHA="}));
    EXPECT_EQ(errorOf({"in", "-NAME=a,b"}), (Error{kListForbiddenOption, "NAME=a,b"}));
    EXPECT_EQ(errorOf({"in", "-NAMES=a,,b"}), (Error{kLengthTooSmall, "NAMES=a,,b"}));
    EXPECT_EQ(errorOf({"in", "-NAMES=a,"}), (Error{kLengthTooSmall, "NAMES=a,"}));
    EXPECT_EQ(errorOf({"in", "-NAME=123456789"}), (Error{kLengthTooLarge, "NAME=123456789"}));
    EXPECT_FALSE(errorOf({"in", "-NAME=12345678"}));
}

TEST(OptionAnalyser, RepeatedOptions) {
    EXPECT_EQ(errorOf({"in", "-NAME=a", "-NAME=b"}), (Error{kUsedTwice, "NAME=b"}));
    EXPECT_EQ(errorOf({"in", "-ALPHA", "-alpha"}), (Error{kUsedTwice, "alpha"}));
    EXPECT_EQ(errorOf({"in", "-QUICK", "-NOQUICK"}), (Error{kUsedTwice, "NOQUICK"}));
    const auto r = run({"in", "-NAMES=a,b", "-NAMES=c", "-COLOUR=red", "-COLOUR=green,red"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.valuesOf("NAMES"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(r.analysis.valuesOf("COLOUR"), (std::vector<std::string>{"RED", "GREEN", "RED"}));
}

TEST(OptionAnalyser, EnumeratedValuesByPrefix) {
    const auto r = run({"in", "-COLOUR=gree,grey,b,Red"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.valuesOf("COLOUR"), (std::vector<std::string>{"GREEN", "GREY", "BLUE", "RED"}));
    EXPECT_EQ(errorOf({"in", "-COLOUR=gre"}), (Error{kAmbiguousValue, "COLOUR=gre"}));
    EXPECT_EQ(errorOf({"in", "-COLOUR=red,pink"}), (Error{kUnknownValue, "COLOUR=red,pink"}));
    EXPECT_EQ(errorOf({"in", "-COLOUR=reds"}), (Error{kUnknownValue, "COLOUR=reds"}));
}

TEST(OptionAnalyser, NumbersAndTheirRange) {
    const auto r = run({"in", "-LEVEL=1,20,007"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.valuesOf("LEVEL"), (std::vector<std::string>{"1", "20", "7"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=0"}), (Error{kValueTooSmall, "LEVEL=0"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=-3"}), (Error{kValueTooSmall, "LEVEL=-3"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=21"}), (Error{kValueTooLarge, "LEVEL=21"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=99999999999999999999999"}),
              (Error{kValueTooLarge, "LEVEL=99999999999999999999999"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=-99999999999999999999999"}),
              (Error{kValueTooSmall, "LEVEL=-99999999999999999999999"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=2x"}), (Error{kUnknownValue, "LEVEL=2x"}));
    EXPECT_EQ(errorOf({"in", "-LEVEL=-"}), (Error{kUnknownValue, "LEVEL=-"}));
}

TEST(OptionAnalyser, Positionals) {
    auto r = run({"a", "-ALPHA", "b"});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.positional(0), "a");
    EXPECT_EQ(r.analysis.positional(1), "b");
    EXPECT_EQ(r.analysis.positional(2), "");
    EXPECT_EQ(r.analysis.positional(1, 1), "");
    EXPECT_EQ(errorOf({}), (Error{kArgumentMissing, "input"}));
    EXPECT_EQ(errorOf({"-ALPHA"}), (Error{kArgumentMissing, "input"}));
    EXPECT_EQ(errorOf({"a", "b", "c"}), (Error{kTooManyArguments, "c"}));
    EXPECT_EQ(errorOf({"a,b"}), (Error{kListForbiddenArgument, "a,b"}));
    EXPECT_EQ(errorOf({""}), (Error{kLengthTooSmall, ""}));
    EXPECT_EQ(errorOf({std::string(21, 'x')}), (Error{kLengthTooLarge, std::string(21, 'x')}));
    // The optional slot accepts an empty value.
    r = run({"a", ""});
    ASSERT_FALSE(r.error);
    EXPECT_EQ(r.analysis.positionals[1], (std::vector<std::string>{""}));
}

TEST(OptionAnalyser, ForbiddenPairsInTheirOrder) {
    EXPECT_EQ(errorOf({"in", "-NAMES=x", "-QUIET", "-BETA", "-ALPHA"}),
              (Error{kIllegalCombination, "ALPHA and BETA"}));
    EXPECT_EQ(errorOf({"in", "-NAMES=x", "-QUIET"}), (Error{kIllegalCombination, "QUIET and NAMES"}));
    EXPECT_FALSE(errorOf({"in", "-NAMES=x", "-NOQUIET"}));
    EXPECT_EQ(run({"in"}, kBadTable).error, (Error{kBadOptionName, "GAMMA"}));
}

TEST(OptionAnalyser, QueriesAcceptTheLeadingDash) {
    const auto r = run({"in", "-ALPHA"});
    ASSERT_FALSE(r.error);
    EXPECT_TRUE(r.analysis.given("-ALPHA"));
    EXPECT_TRUE(r.analysis.given("alpha"));
    EXPECT_EQ(r.analysis.optionIndex("GAMMA"), -1);
}

using OptionAnalyserDeathTest = testing::Test;

TEST_F(OptionAnalyserDeathTest, AQueryForAnUnknownNameIsError20) {
    const auto r = run({"in"});
    EXPECT_EXIT(r.analysis.given("GAMMA"), testing::ExitedWithCode(7),
                testing::Eq(std::string("vorneprepro Command analysis : Internal error, bad option name GAMMA"
                                        "\nUsage t :\n\t<input>\n\n"
                                        "Morvik-F-CMDFATALE,  Wrong command line \n")));
}

TEST(OptionAnalyserReport, ErrorLineWithoutTheHiddenUsageLine) {
    EXPECT_EQ(visibleUsage(kTable), "\nUsage t :\n\t<input>\n");
    EXPECT_EQ(errorLine(kTable, {kUnknownOption, "ZETA=1"}),
              "vorneprepro Command analysis : Unknown option, ZETA=1\nUsage t :\n\t<input>\n\n");
    EXPECT_EQ(errorLine(kTable, {kFileNotFound, "opts"}),
              "vorneprepro Command analysis : File not found opts\nUsage t :\n\t<input>\n\n");
    EXPECT_EQ(errorText(kNoMemory), "Command analysis: No memory left");
    EXPECT_EQ(errorText(kAmbiguousValue), "Ambiguous value of option,");
}

// An installed translation replaces the analyser's texts by context.
class FrenchAnalyser : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        if (std::strcmp(context, "CAB") == 0 && std::strcmp(source, "Command analysis") == 0)
            return QStringLiteral("Analyse de la commande");
        if (std::strcmp(context, "CAB") == 0 && std::strcmp(source, "Unknown option,") == 0)
            return QStringLiteral("Option inconnue,");
        if (std::strcmp(context, "Command-line") == 0 && std::strcmp(source, kUsage) == 0)
            return QStringLiteral("\nUtilisation t :\n\t<entree>\n\t[-XT=<niveau>]\n");
        return {};
    }
    bool isEmpty() const override { return false; }
};

TEST(OptionAnalyserReport, TextsAreTranslatedInTheirContexts) {
    FrenchAnalyser french;
    QCoreApplication::installTranslator(&french);
    const std::string line = errorLine(kTable, {kUnknownOption, "ZETA"});
    const std::string untranslated = errorText(kAmbiguousOption);
    QCoreApplication::removeTranslator(&french);
    EXPECT_EQ(line, "vorneprepro Analyse de la commande : Option inconnue, ZETA\nUtilisation t :\n\t<entree>\n\n");
    EXPECT_EQ(untranslated, "Ambiguous option,");
}

}  // namespace
