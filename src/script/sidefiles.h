// Output files of a run: opening with the generated-file list, the comment
// header of generated files, the listing header and the trace description.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace script {

// A text output file. Every failure is fatal: IMPOUVFIC on open, IMPECRFIC on
// write, IMPFERFIC on close.
class OutputFile {
public:
    OutputFile() = default;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // Opens for writing with truncation; no generated-file list entry.
    void open(const std::string& path);
    void write(std::string_view text);
    void writeLine(std::string_view line);
    // Closes; removes the file afterwards when remove is set.
    void close(bool remove);
    // Removes the file without any diagnostic (fatal exits).
    void discard();

    bool isOpen() const { return file_ != nullptr; }
    const std::string& path() const { return path_; }

private:
    std::FILE* file_ = nullptr;
    std::string path_;
};

// Opens the file and appends its line to the GLENTO_LOG list when one is kept.
void openGeneratedFile(OutputFile& file, const std::string& path);

// The line of the generated-file list for a path, empty for other extensions.
std::string generatedFileListLine(const std::string& path);

// The comment header that opens every generated file.
void writeFileHeader(OutputFile& file, std::string_view opener, std::string_view closer,
                     std::string_view commandImage, std::string_view date);

// The listing header, written to the message file when it is open.
void writeListingHeader(std::string_view listingPath, std::string_view commandImage,
                        std::string_view date);

// ---- Trace description (-TSF) ----------------------------------------------

void beginTraceDescription(const std::string& tracePath, const std::string& scriptPath);
void describeService(std::string_view name, int serviceNumber, int link);
void describeTest(std::string_view name, int testNumber, int link);
void describeStub(std::string_view name, int link);
// Writes the trailer when there are no errors, then closes (and removes the
// file when errors were counted).
void endTraceDescription(bool errorsPresent);
// Removes a trace description being written (fatal exits).
void discardTraceDescription();

}  // namespace script
