// The preprocessor under test with its diagnostics captured.
#pragma once

#include "analyser/preprocessor.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace preprotest {

struct Diagnostic {
    int severity;
    std::string code;
    std::string parameter;
    std::string file;
    int line;
};

inline std::vector<Diagnostic>& captured() {
    static std::vector<Diagnostic> list;
    return list;
}

inline void capture(int severity, std::string_view code, std::string_view parameter,
                    std::string_view file, int line) {
    captured().push_back({severity, std::string(code), std::string(parameter), std::string(file), line});
}

class Prepro : public testing::Test {
protected:
    void SetUp() override {
        ::unsetenv("HRUTGT");
        ::unsetenv("HRLTGT");
        ::unsetenv("HRW_ADD_USR_INCLUDE");
        init({}, {});
    }
    void TearDown() override { captured().clear(); }

    void init(const std::vector<std::string>& includes, const std::vector<std::string>& definitions) {
        captured().clear();
        analyser::CPP_prepro_init(true, false, includes, definitions, capture);
    }

    // The output with "#line" lines dropped and blanks collapsed.
    static std::string flat(const std::string& output) {
        std::string result, line;
        std::size_t at = 0;
        while (at < output.size()) {
            const std::size_t end = std::min(output.find('\n', at), output.size());
            line = output.substr(at, end - at);
            at = end + 1;
            if (line.rfind("#line ", 0) == 0) continue;
            for (const char c : line) {
                const bool blank = c == ' ' || c == '\t';
                if (blank && (result.empty() || result.back() == ' ')) continue;
                result += blank ? ' ' : c;
            }
            if (!result.empty() && result.back() != ' ') result += ' ';
        }
        while (!result.empty() && result.back() == ' ') result.pop_back();
        return result;
    }

    std::string run(const std::string& text, bool forced = true, const std::string& name = "t.c") {
        std::string output;
        errors = analyser::CPP_prepro_text(text, forced, name, 1, output);
        return flat(output);
    }

    std::string raw(const std::string& text, const std::string& name = "t.c", int line = 1) {
        std::string output;
        errors = analyser::CPP_prepro_text(text, true, name, line, output);
        return output;
    }

    static std::vector<std::string> codes() {
        std::vector<std::string> result;
        for (const auto& d : captured()) result.push_back(d.code);
        return result;
    }

    int errors = 0;
};

}  // namespace preprotest
