// Output files, the generated-file list, file headers and the listing header.
#include "output/output.h"

#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"

#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace output {

namespace {

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

// The comment header of a generated file: a frame of 72 columns whose text
// lines hold 68 characters ("* " text " *"), continuation lines 66 ("*   ").
struct FileHeaderLayout {
    std::size_t frameWidth = 72;
    std::size_t textWidth = 68;
    std::size_t wholeText = 67;  // a longer text is cut
    std::size_t continuationWidth = 66;
    std::size_t continuationCut = 65;
    std::string_view separators = "/ ,";
};
constexpr FileHeaderLayout kFileHeader;

struct HeaderLabels {
    std::string_view tool;
    std::string_view command;
    std::string_view file;
};

constexpr HeaderLabels kFrenchLabels = {"OUTIL", "COMMANDE", "FICHIER"};
constexpr HeaderLabels kEnglishLabels = {"TOOL", "COMMAND", "FILE"};

// The header is written before the script's first keyword: in the keyword
// language the run starts with.
const HeaderLabels& headerLabels() {
    return values::frenchKeywords(config::settings().keywordLanguage) ? kFrenchLabels : kEnglishLabels;
}

// The listing header: 78 columns, "*" in the last; labelled fields cut in
// pieces of at most 63 characters when longer than 64.
struct ListingHeaderLayout {
    std::size_t frameWidth = 78;
    std::size_t contentWidth = 77;
    std::size_t wholeField = 64;
    std::size_t fieldPiece = 63;
    std::string_view separators = " ,;()-";
    std::string_view continuationLabel = "*            ";
};
constexpr ListingHeaderLayout kListingHeader;

void appendToGeneratedFileList(const std::string& path) {
    const std::string& logPath = config::settings().glentoLogPath;
    if (logPath.empty()) return;
    // A FIFO without a reader is refused rather than waited for.
    const int log = ::open(logPath.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC,
                           0666);
    if (log < 0) diag::fatal("IMPOUVFIC", logPath);
    const std::string line = generatedFileListLine(path);
    const bool written = ::write(log, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    if (::close(log) != 0 || !written) diag::fatal("IMPFERFIC", logPath);
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
    const FileHeaderLayout& h = kFileHeader;
    if (text.size() <= h.wholeText) {
        frame("* ", text, h.textWidth);
        return;
    }
    std::size_t length = diag::cutAtSeparators(text, h.textWidth, h.separators);
    frame("* ", text.substr(0, length), h.textWidth);
    text.remove_prefix(length);
    while (!text.empty()) {
        length = diag::cutAtSeparators(text, h.continuationCut, h.separators);
        frame("*   ", text.substr(0, length), h.continuationWidth);
        text.remove_prefix(length);
    }
}

std::string listingLine(std::string_view content) {
    const std::size_t width = kListingHeader.contentWidth;
    if (content.size() >= width) return std::string(content) + " *";
    return diag::pad(content, ' ', width) + "*";
}

// A labelled listing line, cut in pieces of at most 63 characters when long.
void writeListingField(std::string_view label, std::string_view value) {
    const ListingHeaderLayout& h = kListingHeader;
    const std::string line = diag::singleLine(value);
    std::string_view text = line;
    std::string out;
    if (text.size() <= h.wholeField) {
        out = listingLine(std::string(label) + std::string(text)) + "\n";
    } else {
        std::string_view head = label;
        while (!text.empty()) {
            const std::size_t length = diag::cutAtSeparators(text, h.fieldPiece, h.separators);
            out += listingLine(std::string(head) + std::string(text.substr(0, length))) + "\n";
            text.remove_prefix(length);
            head = h.continuationLabel;
        }
    }
    diag::writeToMessageFile(out);
}

}  // namespace

OutputFile::~OutputFile() {
    if (file_) std::fclose(file_);
}

void OutputFile::open(const std::string& path) {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    opened_ = false;
    if (pending_.create(path)) file_ = ::fdopen(pending_.descriptor(), "w+");
    if (!file_) {
        pending_.discard(false);
        diag::fatal("IMPOUVFIC", path);
    }
    path_ = path;
    opened_ = true;
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
    std::FILE* file = std::exchange(file_, nullptr);
    const bool written = std::fflush(file) == 0 && !std::ferror(file);
    const bool closed = std::fclose(file) == 0;
    if (remove) {
        pending_.discard(true);
        return;
    }
    if (!written || !closed) {
        pending_.discard(false);
        diag::fatal("IMPFERFIC", path_);
    }
    if (!pending_.commit()) diag::fatal("IMPFERFIC", path_);
}

void OutputFile::discard() {
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (opened_) pending_.discard(true);
    opened_ = false;
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
    const std::string stars(kFileHeader.frameWidth, '*');
    const std::string blank = "*" + std::string(kFileHeader.frameWidth - 2, ' ') + "*";
    const auto& labels = headerLabels();
    const auto line = [&](std::string_view text) {
        file.writeLine(std::string(opener) + std::string(text) + std::string(closer));
    };
    line(stars);
    writeFramedText(file, opener, closer,
                    std::string(labels.tool) + " : Unit Test Compiler VERSION " +
                        std::string(diag::kToolVersion));
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
    const std::string stars(kListingHeader.frameWidth, '*');
    diag::writeToMessageFile(stars + "\n");
    const std::string title = std::string(diag::kToolTitle) + " " + std::string(diag::kToolVersion);
    diag::writeToMessageFile(listingLine(title) + "\n");
    diag::writeToMessageFile(listingLine("*") + "\n");
    writeListingField("* COMMANDE : ", commandImage);
    writeListingField("* FICHIER : ", listingPath);
    diag::writeToMessageFile(listingLine("* DATE : " + std::string(date)) + "\n");
    diag::writeToMessageFile(listingLine("*") + "\n");
    diag::writeToMessageFile(stars + "\n");
}

}  // namespace output
