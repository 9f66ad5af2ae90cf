// The command line with its option files: the input holds the arguments, one
// a line, then, after an empty line, the text of the option file "opts" that
// an argument may name ("@opts", "-OPTION=opts").
#include "fuzz_support.h"

#include "driver/cmdline.h"
#include "driver/driver.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::startProcess();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find("\n\n");
    fuzzing::resetCompiler();
    fuzzing::writeScratchFile("opts", split == std::string_view::npos ? "" : input.substr(split + 2));
    std::vector<std::string> arguments = {"vorneprepro"};
    std::string_view rest = input.substr(0, split);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        arguments.emplace_back(rest.substr(0, end));
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
    }
    std::vector<char*> argv;
    for (auto& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    try {
        driver::analyseCommandLine(static_cast<int>(arguments.size()), argv.data());
        driver::deriveFileNames(driver::settings());
    } catch (const fuzzing::RunEnded&) {
    }
    return 0;
}
