// Hostile input ends with diagnostics, never a crash or a hang.
#include "prepro_fixture.h"
#include "test_support.h"

#include <random>

namespace {

using preprotest::Prepro;
using preprotest::captured;

TEST_F(Prepro, TenMegabyteLines) {
    std::string line;
    line.reserve(10u << 20);
    while (line.size() < (10u << 20)) line += "token + ";
    EXPECT_EQ(run(line + "\n").size(), line.size() - 1);
    EXPECT_EQ(run("#define BIG " + line + "end\n#if BIG\n#endif\n").size(), 0u);
    EXPECT_TRUE(captured().empty());
    std::string parens(1u << 20, '(');
    run("#if " + parens + "1\n#endif\n");
    EXPECT_EQ(captured().back().code, "EXPERRONE");
}

TEST_F(Prepro, DeeplyNestedMacroArguments) {
    std::string text = "#define f(x) x\n";
    for (int i = 0; i < 3000; ++i) text += "f(";
    text += "1";
    for (int i = 0; i < 3000; ++i) text += ")";
    const std::string out = run(text + "\n");
    EXPECT_NE(out.find('1'), std::string::npos);
    EXPECT_EQ(captured().back().code, "NBRECURSI");
    EXPECT_EQ(captured().back().severity, analyser::kError);
}

TEST_F(Prepro, LongMacroChainsExpandWithoutRecursion) {
    std::string text;
    for (int i = 0; i < 50000; ++i) text += "#define M" + std::to_string(i) + " M" + std::to_string(i + 1) + "\n";
    text += "#define M50000 end\nM0\n";
    EXPECT_EQ(run(text), "end");
    EXPECT_TRUE(captured().empty());
}

TEST_F(Prepro, TwoThousandNestedIncludes) {
    testsupport::ScratchDirectory dir;
    for (int i = 0; i < 2100; ++i)
        dir.write("n" + std::to_string(i) + ".h", "#include \"n" + std::to_string(i + 1) + ".h\"\n");
    dir.write("n2100.h", "bottom\n");
    EXPECT_EQ(run("#include \"n0.h\"\nafter\n"), "after");
    ASSERT_EQ(captured().size(), 1u);
    EXPECT_EQ(captured()[0].code, "NBRECURSI");
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(run("again\n"), "again");
}

TEST_F(Prepro, RandomBytes) {
    std::mt19937 random(12345);
    const std::string alphabet = "#(),\"'\\/*?!<>:%=\n \tabdefinlu0123456789._";
    for (int round = 0; round < 200; ++round) {
        std::string text;
        const std::size_t size = random() % 400;
        for (std::size_t i = 0; i < size; ++i)
            text += round % 2 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()];
        run("#define f(x, ...) x #x __VA_ARGS__\n" + text);
        run("f(" + text);
    }
    analyser::CPP_prepro_end(false);
    SUCCEED();
}

}  // namespace
