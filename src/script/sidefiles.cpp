// Output files, the generated-file list, file headers and the listing header.
#include "script/sidefiles.h"

#include "diag/diag.h"
#include "diag/strings.h"
#include "driver/settings.h"

#include <cstdlib>
#include <unistd.h>

namespace script {

namespace {

constexpr std::string_view kToolVersion = "8.0.1.2.343.015";

struct ListTag {
    const char* extension;
    const char* tag;
};

// Tags of the generated-file list by exact extension.
constexpr ListTag kListTags[] = {
    {"a", "ADA"},   {"ada", "ADA"}, {"adb", "ADA"}, {"ads", "ADA"}, {"C", "CPP"},
    {"icc", "CPP"}, {"cpp", "CPP"}, {"icpp", "CPP"}, {"cc", "CCP"}, {"iC", "CCP"},
    {"c", "C  "},   {"ic", "C  "},  {"h", "H  "},   {"ro", "RO "},  {"rod", "ROD"},
    {"ddt", "DDT"}, {"tdc", "TDC"}, {"mdt", "MDT"}, {"xrd", "XRD"}, {"tsf", "TSF"},
};

struct HeaderLabels {
    const char* tool;
    const char* command;
    const char* file;
};

constexpr HeaderLabels kHeaderLabels[] = {
    {"OUTIL", "COMMANDE", "FICHIER"}, {"OUTIL", "COMMANDE", "FICHIER"}, {"TOOL", "COMMAND", "FILE"}};

const HeaderLabels& headerLabels() {
    const int language = driver::settings().keywordLanguage;
    return kHeaderLabels[language >= 0 && language <= 2 ? language : 2];
}

void appendToGeneratedFileList(const std::string& path) {
    const std::string& logPath = driver::settings().glentoLogPath;
    if (logPath.empty()) return;
    std::FILE* log = std::fopen(logPath.c_str(), "a");
    if (!log) diag::fatal("IMPOUVFIC", logPath);
    const std::string line = generatedFileListLine(path);
    std::fwrite(line.data(), 1, line.size(), log);
    if (std::fclose(log) != 0) diag::fatal("IMPFERFIC", logPath);
}

// "* text *" lines of the file header, the text cut at "/", " " and ","
// when it does not fit.
void writeFramedText(OutputFile& file, std::string_view opener, std::string_view closer,
                     std::string_view value) {
    const std::string line = diag::singleLine(value);
    std::string_view text = line;
    const auto frame = [&](std::string_view head, std::string_view piece, std::size_t width) {
        file.writeLine(std::string(opener) + std::string(head) + diag::pad(piece, ' ', width) + " *" +
                       std::string(closer));
    };
    if (text.size() <= 67) {
        frame("* ", text, 68);
        return;
    }
    std::size_t length = diag::cutAtSeparators(text, 68, "/ ,");
    frame("* ", text.substr(0, length), 68);
    text.remove_prefix(length);
    while (!text.empty()) {
        length = diag::cutAtSeparators(text, 65, "/ ,");
        frame("*   ", text.substr(0, length), 66);
        text.remove_prefix(length);
    }
}

std::string listingLine(std::string_view content) {
    if (content.size() >= 77) return std::string(content) + " *";
    return diag::pad(content, ' ', 77) + "*";
}

// A labelled listing line, cut in pieces of at most 63 characters when long.
void writeListingField(std::string_view label, std::string_view value) {
    const std::string line = diag::singleLine(value);
    std::string_view text = line;
    std::string out;
    if (text.size() <= 64) {
        out = listingLine(std::string(label) + std::string(text)) + "\n";
    } else {
        std::string_view head = label;
        while (!text.empty()) {
            const std::size_t length = diag::cutAtSeparators(text, 63, " ,;()-");
            out += listingLine(std::string(head) + std::string(text.substr(0, length))) + "\n";
            text.remove_prefix(length);
            head = "*            ";
        }
    }
    diag::writeToMessageFile(out);
}

}  // namespace

OutputFile::~OutputFile() {
    if (file_) std::fclose(file_);
}

void OutputFile::open(const std::string& path) {
    path_ = path;
    file_ = std::fopen(path.c_str(), "w+");
    if (!file_) diag::fatal("IMPOUVFIC", path);
}

void OutputFile::write(std::string_view text) {
    if (!file_) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size())
        diag::fatal("IMPECRFIC", path_);
}

void OutputFile::writeLine(std::string_view line) {
    write(line);
    write("\n");
}

void OutputFile::close(bool remove) {
    if (!file_) return;
    std::FILE* file = file_;
    file_ = nullptr;
    const bool failed = std::fflush(file) != 0 || std::ferror(file);
    if (std::fclose(file) != 0 || failed) {
        if (!remove) diag::fatal("IMPFERFIC", path_);
    }
    if (remove) ::unlink(path_.c_str());
}

void OutputFile::discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!path_.empty()) ::unlink(path_.c_str());
}

std::string generatedFileListLine(const std::string& path) {
    const auto dot = path.rfind('.');
    if (dot == std::string::npos) return {};
    const std::string extension = path.substr(dot + 1);
    for (const auto& entry : kListTags)
        if (extension == entry.extension) return std::string(entry.tag) + " " + path + "\n";
    return {};
}

void openGeneratedFile(OutputFile& file, const std::string& path) {
    file.open(path);
    appendToGeneratedFileList(path);
}

void writeFileHeader(OutputFile& file, std::string_view opener, std::string_view closer,
                     std::string_view commandImage, std::string_view date) {
    const bool suppressLine = std::getenv("VORNE_SUPPRESS_LINE_IN_HEADER") != nullptr;
    const std::string stars(72, '*');
    const std::string blank = "*" + std::string(70, ' ') + "*";
    const auto& labels = headerLabels();
    const auto line = [&](std::string_view text) {
        file.writeLine(std::string(opener) + std::string(text) + std::string(closer));
    };
    line(stars);
    writeFramedText(file, opener, closer,
                    std::string(labels.tool) + " : Unit Test Compiler VERSION " +
                        std::string(kToolVersion));
    if (!suppressLine) line(blank);
    writeFramedText(file, opener, closer, std::string(labels.command) + " : " + std::string(commandImage));
    line(blank);
    if (!suppressLine) writeFramedText(file, opener, closer, std::string(labels.file) + " : " + file.path());
    line(blank);
    writeFramedText(file, opener, closer, "DATE : " + std::string(date));
    line(stars);
}

void writeListingHeader(std::string_view listingPath, std::string_view commandImage,
                        std::string_view date) {
    if (!diag::messageFileOpen()) return;
    const std::string stars(78, '*');
    diag::writeToMessageFile(stars + "\n");
    diag::writeToMessageFile(listingLine("Deprecated C++ Test Script Compiler " + std::string(kToolVersion)) + "\n");
    diag::writeToMessageFile(listingLine("*") + "\n");
    writeListingField("* COMMANDE : ", commandImage);
    writeListingField("* FICHIER : ", listingPath);
    diag::writeToMessageFile(listingLine("* DATE : " + std::string(date)) + "\n");
    diag::writeToMessageFile(listingLine("*") + "\n");
    diag::writeToMessageFile(stars + "\n");
}

}  // namespace script
