// Argument expansion before analysis: option files replaced by their words,
// "$" references replaced by the values of environment variables.
#include "diag/diag.h"
#include "diag/files.h"
#include "diag/strings.h"
#include "driver/cmdline_options.h"

#include <cstdlib>

namespace driver::options {

namespace {

constexpr std::string_view kOptionFileOption = "-OPTION=";

// "@path" or "-OPTION=path" (any letter case) name an option file.
bool namesOptionFile(std::string_view argument, std::string_view& path) {
    if (!argument.empty() && argument.front() == '@') {
        path = argument.substr(1);
        return true;
    }
    if (argument.size() < kOptionFileOption.size() ||
        diag::upperCased(argument.substr(0, kOptionFileOption.size())) != kOptionFileOption)
        return false;
    path = argument.substr(kOptionFileOption.size());
    return true;
}

// An option file holds words of at most a few hundred characters each; a
// larger one (a file given by mistake) is refused before it can exhaust
// memory.
constexpr std::size_t kOptionFileLimit = 16u << 20;

// An option file is read whole when it is a regular file within the limit: a
// device, a FIFO or a directory is not found (and never waited for), a larger
// file is too long.
std::optional<Error> readOptionFile(const std::string& path, std::string& text) {
    switch (diag::readInputFile(path, text, kOptionFileLimit)) {
    case diag::InputStatus::Read:
        return std::nullopt;
    case diag::InputStatus::TooLarge:
        return Error{kLengthTooLarge, path};
    default:
        return Error{kFileNotFound, path};
    }
}

bool isSeparator(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The word being assembled while an option file is scanned.
struct WordScan {
    explicit WordScan(std::string_view scanned) : text(scanned) {}

    std::string_view text;
    std::size_t at = 0;
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    bool lineStart = true;  // nothing but blanks since the line began

    void append(char c) {
        word += c;
        inWord = true;
        lineStart = false;
    }
    void endWord() {
        if (inWord) words.push_back(std::move(word));
        word.clear();
        inWord = false;
    }
};

void skipComment(WordScan& scan) {
    const std::size_t newline = scan.text.find('\n', scan.at);
    scan.at = newline == std::string_view::npos ? scan.text.size() : newline;
}

// A backslash before a line end continues the word on the next line; before
// anything else both characters are kept.
void scanBackslash(WordScan& scan) {
    const std::string_view rest = scan.text.substr(scan.at + 1);
    if (rest.starts_with("\r\n")) {
        scan.at += 3;
    } else if (rest.starts_with("\n") || rest.starts_with("\r")) {
        scan.at += 2;
    } else if (rest.empty()) {
        scan.append('\\');
        scan.at += 1;
    } else {
        scan.append('\\');
        scan.append(rest.front());
        scan.at += 2;
    }
    scan.lineStart = false;
}

// A NUL byte can never be part of an argument: it separates words outside
// quotes and is dropped inside them.
void scanCharacter(WordScan& scan) {
    const char c = scan.text[scan.at++];
    if (c == '"') {
        scan.quoted = !scan.quoted;
        scan.inWord = true;
        scan.lineStart = false;
    } else if (c == '\0') {
        if (!scan.quoted) scan.endWord();
    } else if (!scan.quoted && isSeparator(c)) {
        scan.endWord();
        if (c == '\n') scan.lineStart = true;
    } else {
        scan.append(c);
    }
}

std::optional<Error> expandOptionFile(const std::string& path, std::vector<std::string>& expanded) {
    std::string text;
    if (auto error = readOptionFile(path, text)) return error;
    for (std::string& word : optionFileWords(text)) {
        std::string_view nested;
        if (namesOptionFile(word, nested))
            return Error{kUnknownOption, word.front() == '-' ? word.substr(1) : word};
        expanded.push_back(expandReferences(word));
    }
    return std::nullopt;
}

}  // namespace

std::vector<std::string> optionFileWords(std::string_view text) {
    WordScan scan(text);
    while (scan.at < text.size()) {
        const char c = text[scan.at];
        if (c == '#' && scan.lineStart && !scan.inWord && !scan.quoted)
            skipComment(scan);
        else if (c == '\\')
            scanBackslash(scan);
        else
            scanCharacter(scan);
    }
    scan.endWord();
    return std::move(scan.words);
}

std::string expandReferences(std::string_view text) {
    std::string out;
    std::size_t from = 0;
    for (std::size_t dollar = text.find('$'); dollar != std::string_view::npos;
         dollar = text.find('$', from)) {
        out.append(text.substr(from, dollar - from));
        std::size_t end = dollar + 1;
        while (end < text.size() && isNameCharacter(text[end])) ++end;
        const std::string name(text.substr(dollar + 1, end - dollar - 1));
        if (name.empty()) {
            out += '$';
        } else if (const char* value = std::getenv(name.c_str())) {
            out += value;
        } else {
            out.append(text.substr(dollar, end - dollar));
        }
        from = end;
    }
    out.append(text.substr(from));
    return out;
}

std::optional<Error> expandArguments(std::span<const std::string> arguments,
                                     std::vector<std::string>& expanded,
                                     std::vector<std::string>* optionFiles) {
    for (const std::string& argument : arguments) {
        std::string_view path;
        if (!namesOptionFile(argument, path)) {
            expanded.push_back(expandReferences(argument));
            continue;
        }
        if (optionFiles) optionFiles->emplace_back(path);
        if (auto error = expandOptionFile(std::string(path), expanded)) return error;
    }
    return std::nullopt;
}

}  // namespace driver::options
