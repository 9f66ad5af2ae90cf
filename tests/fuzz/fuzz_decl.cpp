// The declaration analyser: the input is preprocessed text analysed into a
// fresh symbol table; every entry is then asked what the script side asks of
// a declaration (its script kind, its C++ text, its fields), and the input's
// last line is read as a type name.
#include "fuzz_support.h"

#include "analyser/analyser.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Entries and fields asked about per input: enough to reach every query,
// few enough to keep an input with thousands of declarations fast.
constexpr int kEntriesAsked = 256;
constexpr int kFieldsAsked = 64;

void askOfType(const analyser::decl::Type* type) {
    analyser::mapAnalysedType(type);
    analyser::typeImage(type, "v");
    analyser::typeImage(type, "v", analyser::kImageModeSignedChar);
    analyser::endsOnSignedChar(type);
    const int fields = std::min(analyser::fieldCount(type), kFieldsAsked);
    for (int n = 1; n <= fields; ++n) {
        analyser::fieldPath(type, n, false);
        analyser::fieldPath(type, n, true);
        analyser::isTestableField(type, n);
    }
}

void askOfEveryEntry() {
    std::vector<std::string> names;
    analyser::listEntries([&](const analyser::EntryListing& entry) {
        if (names.size() < kEntriesAsked && entry.name.find("::") == std::string::npos)
            names.push_back(entry.name);
    });
    for (const std::string& name : names) {
        const auto* declaration = analyser::lookUpDeclaration(name);
        if (declaration) askOfType(analyser::declaredType(declaration));
    }
}

std::string_view lastLine(std::string_view text) {
    const auto newline = text.find_last_of('\n', text.empty() ? 0 : text.size() - 2);
    return newline == std::string_view::npos ? text : text.substr(newline + 1);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    fuzzing::resetCompiler();
    try {
        analyser::CPP_analyse_decl(text, {}, "fuzz.h", 1, analyser::diagnosticsCallback());
        askOfEveryEntry();
        if (const auto* type = analyser::typeFromText(lastLine(text))) askOfType(type);
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
