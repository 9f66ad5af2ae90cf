// The sections in which a test is assembled, the routing of each way of
// writing, the 80-column folding and the template writer.
#include "output/output.h"

#include "output/output_internal.h"

#include <cstdio>

namespace output {

namespace {

constexpr std::size_t kFoldWidth = 80;
// The separators after which a line may be broken: " ,;()".

enum class Destination { Main, Init, Closing, Call, Check, InitializationCode, TerminationCode };

using detail::state;

std::string& buffer(Destination destination) {
    detail::Sections& s = state().sections;
    switch (destination) {
    case Destination::Init: return s.init;
    case Destination::Closing: return s.closing;
    case Destination::Call: return s.call;
    case Destination::Check: return s.check;
    case Destination::InitializationCode: return s.initializationCode;
    case Destination::TerminationCode: return s.terminationCode;
    case Destination::Main: break;
    }
    return s.init;  // never reached: the main stream is a file
}

void writeRaw(Destination destination, std::string_view line) {
    if (destination == Destination::Main) {
        outputs().generated.writeLine(line);
        return;
    }
    std::string& text = buffer(destination);
    text.append(line);
    text.push_back('\n');
}

void findBreakPoints(std::string_view line, std::vector<std::size_t>& points);
bool isPreprocessorLine(std::string_view line);

// Hands each piece of the folded line to emit: the longest piece that ends
// at a break point within the width, the rest whole when none is left.
template <typename Emit>
void foldInto(std::string_view line, Emit emit) {
    if (line.size() <= kFoldWidth || isPreprocessorLine(line)) return emit(line);
    static std::vector<std::size_t> points;  // kept for its capacity
    findBreakPoints(line, points);
    std::size_t start = 0, next = 0;
    while (line.size() - start > kFoldWidth) {
        std::size_t cut = 0;
        for (; next < points.size() && points[next] - start <= kFoldWidth; ++next)
            if (points[next] < line.size()) cut = points[next];
        if (cut == 0) break;  // no safe place within the width: the rest stays long
        emit(line.substr(start, cut - start));
        start = cut;
    }
    emit(line.substr(start));
}

void writeFolded(Destination destination, std::string_view line) {
    foldInto(line, [destination](std::string_view piece) { writeRaw(destination, piece); });
}

Destination currentDestination() {
    const detail::Sections& s = state().sections;
    if (!s.testAssembled) return Destination::Main;
    return s.elementSectionsOpen ? Destination::Call : Destination::Init;
}

// Appends a whole section to the end of the init section while a test is
// assembled, else to the main stream.
void appendToInit(std::string& from) {
    if (state().sections.testAssembled) state().sections.init.append(from);
    else outputs().generated.write(from);
    from.clear();
}

void appendToMain(std::string& from) {
    outputs().generated.write(from);
    from.clear();
}

// Offsets just after each separator where a line may be broken: outside
// string and character literals and before any "//" comment.
void findBreakPoints(std::string_view line, std::vector<std::size_t>& points) {
    points.clear();
    char quote = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quote) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
            continue;
        }
        if (c == '"' || c == '\'') quote = c;
        else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') break;
        else if (c == ' ' || c == ',' || c == ';' || c == '(' || c == ')') points.push_back(i + 1);
    }
}

bool isPreprocessorLine(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '#';
}

}  // namespace

std::vector<std::string> foldLine(std::string_view line) {
    std::vector<std::string> pieces;
    foldInto(line, [&](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

void writeSection(Section section, std::string_view line) {
    const detail::Sections& c = state().sections;
    switch (section) {
    case Section::Main: writeRaw(Destination::Main, line); break;
    case Section::Current: writeRaw(currentDestination(), line); break;
    case Section::Init:
        writeFolded(c.testAssembled ? Destination::Init : Destination::Main, line);
        break;
    case Section::MainInTest:
        if (c.testAssembled) writeFolded(Destination::Main, line);
        break;
    case Section::Closing: writeRaw(Destination::Closing, line); break;
    case Section::Call: writeRaw(c.elementSectionsOpen ? Destination::Call : currentDestination(), line); break;
    case Section::Check:
        if (generation().suppression[kVariableFlag]) break;
        // Outside an element a check line joins the test body rather than
        // waiting in a section that no element will copy.
        if (c.elementSectionsOpen) writeFolded(Destination::Check, line);
        else writeSection(Section::Init, line);
        break;
    case Section::InitializationCode: writeRaw(Destination::InitializationCode, line); break;
    case Section::TerminationCode: writeRaw(Destination::TerminationCode, line); break;
    }
}

void openTestSections() {
    detail::Sections& s = state().sections;
    s.init.clear();
    s.closing.clear();
    s.testAssembled = true;
}

void closeTestSections() {
    detail::Sections& s = state().sections;
    s.testAssembled = false;
    appendToMain(s.init);
    appendToMain(s.closing);
}

bool testAssembled() { return state().sections.testAssembled; }

void openElementSections() {
    detail::Sections& s = state().sections;
    s.call.clear();
    s.check.clear();
    s.elementSectionsOpen = true;
}

void closeElementSections() {
    detail::Sections& s = state().sections;
    s.elementSectionsOpen = false;
    appendToInit(s.call);
    appendToInit(s.check);
}

bool elementSectionsOpen() { return state().sections.elementSectionsOpen; }

void flushInitializationCode() { appendToMain(state().sections.initializationCode); }
void flushTerminationCode() { appendToMain(state().sections.terminationCode); }

// The text between placeholders is copied in runs, not character by character.
std::string fillPlaceholders(std::string_view text, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(text.size());
    std::size_t from = 0;
    for (std::size_t i = text.find('%'); i != std::string_view::npos; i = text.find('%', i + 1)) {
        const std::size_t index = i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '1') : 9;
        if (index >= args.size()) continue;
        out.append(text.substr(from, i - from));
        out.append(*(args.begin() + index));
        from = ++i + 1;
    }
    out.append(text.substr(from));
    return out;
}

void emitTemplate(std::span<const TemplateLine> lines, std::initializer_list<std::string_view> args,
                  unsigned extra) {
    const unsigned held = (noExcep() ? 0u : kExcep) | (noEdit() ? kNoEdit : kEdit) | extra;
    for (const TemplateLine& line : lines)
        if ((line.conditions & held) == line.conditions)
            writeSection(line.section, fillPlaceholders(line.text, args));
}

std::string stringLiteralBody(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\\' || c == '"') {
            out.push_back('\\');
            out.push_back(static_cast<char>(c));
        } else if (c == '?' && i + 1 < text.size() && text[i + 1] == '?') {
            out.append("?\\");  // no trigraph can form
        } else if (c < 0x20 || c == 0x7f) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out.append(octal);
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

}  // namespace output
