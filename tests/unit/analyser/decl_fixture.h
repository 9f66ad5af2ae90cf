// The declaration analyser under test: a fresh symbol table and base type
// sizes for each test, the diagnostics captured, texts analysed as the
// preprocessor hands them over.
#pragma once

#include "analyser/analyser.h"
#include "analyser/builders_internal.h"
#include "analyser/image_internal.h"
#include "analyser/symbols_internal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace decltest {

struct Diagnostic {
    int severity;
    std::string code;
    std::string parameter;
    int line;
};

inline std::vector<Diagnostic>& captured() {
    static std::vector<Diagnostic> list;
    return list;
}

inline void capture(int severity, std::string_view code, std::string_view parameter, std::string_view,
                    int line) {
    captured().push_back({severity, std::string(code), std::string(parameter), line});
}

class Decl : public testing::Test {
protected:
    void SetUp() override {
        analyser::baseTypeSizes() = analyser::BaseTypeSizes{};
        analyser::decl::resetTable(analyser::decl::globalTable());
        analyser::decl::reporting().callback = capture;
        captured().clear();
    }
    void TearDown() override {
        analyser::decl::reporting().callback = nullptr;
        captured().clear();
    }

    // Analyses a text (already preprocessed) into the run's table.
    static void analyse(std::string_view text) {
        analyser::decl::analyseText(analyser::decl::globalTable(), nullptr, text, "t.h", 1, capture);
    }

    static const analyser::decl::Declaration* find(std::string_view name) {
        return analyser::decl::lookupName(analyser::decl::globalTable(), diag::internString(name), nullptr);
    }

    // The type-id of a declared name.
    static std::string typeOf(std::string_view name) {
        const auto* d = find(name);
        return d ? analyser::decl::typeText(d->type, "") : "<none>";
    }

    // "CODE parameter" of each diagnostic, in order.
    static std::vector<std::string> codes() {
        std::vector<std::string> list;
        for (const auto& d : captured()) list.push_back(d.code + (d.parameter.empty() ? "" : " " + d.parameter));
        return list;
    }
};

}  // namespace decltest
