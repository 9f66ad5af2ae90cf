// Reading the record file (G.tdc): the services, tests and families of the
// program, where each test stands in the script files, and the description
// of every check ("V"), list ("N") and stub ("M").
#include "diag/diag.h"
#include "diag/files.h"
#include "report/report_internal.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace report {

namespace {

struct Record {
    std::string text;
    int line = 0;
};

struct TdcReader {
    Program& program;
    std::string path;
    std::map<int, std::string> files;
    Position lastTestPosition;
    int currentService = 0;
    int currentTest = 0;
};

bool readLines(const std::string& path, std::vector<std::string>& lines) {
    std::string text;
    if (diag::readInputFile(path, text) != diag::InputStatus::Read) return false;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end;
        if (stop > start && text[stop - 1] == '\r') --stop;
        lines.emplace_back(text, start, stop - start);
        start = end + 1;
    }
    return true;
}

// Records with their continuation lines ("&" + the next characters) joined;
// the header comment ("*" lines) before the first record is skipped.
std::vector<Record> records(std::vector<std::string>& lines) {
    std::vector<Record> out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string& line = lines[i];
        if (out.empty() && (line.empty() || line[0] == '*')) continue;
        if (!out.empty() && !line.empty() && line[0] == '&') out.back().text.append(line, 1);
        else out.push_back({std::move(line), static_cast<int>(i + 1)});
    }
    return out;
}

// tag: one capital letter and a decimal number (lettered records, "E" kinds).
bool splitTag(const std::string& text, char& letter, int& number, std::string& rest) {
    if (text.empty() || !std::isupper(static_cast<unsigned char>(text[0]))) return false;
    std::size_t i = 1;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i;
    if (i == 1 || i - 1 > 9) return false;
    if (i < text.size() && text[i] != ' ') return false;
    letter = text[0];
    number = std::stoi(text.substr(1, i - 1));
    rest = i < text.size() ? text.substr(i + 1) : std::string();
    return true;
}

std::string trimmed(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

// ---- "V" records ---------------------------------------------------------------
// V<n> <variable>[ INIT=<value> | INIT== | INIT IN (<items>) | INIT FROM <a> TO <b>]
// <expected>[ RA=<value>], the expected part being VA=<value>, VA=<value> +/-
// <delta>[%], <low><=VA<=<high>, VA== or VA IN (<items>). The texts are the
// script's, blanks included, so the clauses are found outside quotes and
// brackets only.

struct DescriptionScan {
    std::vector<std::size_t> blanks;    // outside quotes and brackets
    std::size_t range = std::string::npos;  // of "<=VA<="
};

DescriptionScan scanDescription(const std::string& text) {
    DescriptionScan scan;
    int depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quote != 0) {
            if (c == '\\') ++i;
            else if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(' || c == '[' || c == '{') {
            ++depth;
        } else if ((c == ')' || c == ']' || c == '}') && depth > 0) {
            --depth;
        } else if (depth == 0 && c == ' ') {
            scan.blanks.push_back(i);
        } else if (depth == 0 && scan.range == std::string::npos && text.compare(i, 6, "<=VA<=") == 0) {
            scan.range = i;
        }
    }
    return scan;
}

bool clauseAt(const std::string& text, std::size_t blank) {
    const std::string_view rest = std::string_view(text).substr(blank);
    return rest.starts_with(" INIT=") || rest.starts_with(" INIT ") || rest.starts_with(" VA") ||
           rest.starts_with(" RA=");
}

bool endsOperand(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == ')' || c == ']' || c == '}' ||
           c == '"' || c == '\'';
}

bool startsOperand(const std::string& text, std::size_t at) {
    const char c = text[at];
    if (c == '-' || c == '+') return at + 1 < text.size() && text[at + 1] != ' ';
    return endsOperand(c) || c == '(' || c == '[' || c == '{' || c == '@' || c == '&' || c == '*';
}

// The blank before the low bound of a range: the first one, after `from`,
// between two complete operands ("INIT=a + b c<=VA<=d" gives "c").
std::size_t rangeBlank(const std::string& text, const DescriptionScan& scan, std::size_t from) {
    std::size_t last = std::string::npos;
    for (const std::size_t blank : scan.blanks) {
        if (blank < from || blank >= scan.range) continue;
        if (blank > 0 && endsOperand(text[blank - 1]) && startsOperand(text, blank + 1)) return blank;
        last = blank;
    }
    return last;
}

std::size_t clauseAfter(const std::string& text, const DescriptionScan& scan, std::size_t from) {
    for (const std::size_t blank : scan.blanks)
        if (blank >= from && clauseAt(text, blank)) return blank;
    return text.size();
}

// Where the value of " INIT ..." begins its free text: after the list of
// INIT IN, after the "TO" of INIT FROM.
std::size_t initialFormEnd(const std::string& text, std::size_t value) {
    if (text.compare(value, 3, "IN ") == 0) return value + 3;
    if (text.compare(value, 5, "FROM ") == 0) {
        const std::size_t to = text.find(" TO ", value);
        return to == std::string::npos ? value : to + 4;
    }
    return value;
}

CheckDescription describeCheck(int number, const std::string& text) {
    CheckDescription d;
    d.number = number;
    const DescriptionScan scan = scanDescription(text);
    std::size_t clauses = clauseAfter(text, scan, 0);
    const bool hasInit = clauses < text.size() && text.compare(clauses, 5, " INIT") == 0;
    const std::size_t value = hasInit ? clauses + 6 : std::string::npos;
    std::size_t expected = hasInit ? clauseAfter(text, scan, value) : clauses;
    if (scan.range != std::string::npos) {
        const std::size_t blank = rangeBlank(text, scan, hasInit ? initialFormEnd(text, value) : 0);
        if (blank != std::string::npos) expected = std::min(expected, blank);
        if (!hasInit) clauses = std::min(clauses, expected);
    }
    d.variable = trimmed(text.substr(0, clauses));
    if (hasInit && text.compare(clauses, 7, " INIT==") != 0) {
        d.hasInit = true;
        d.init = trimmed(text.substr(value, expected - std::min(expected, value)));
    }
    if (expected < text.size()) d.expected = trimmed(text.substr(expected));
    return d;
}

void tdcWarning(const TdcReader& reader, const Record& record) {
    diag::raiseMessage(diag::Level::W, "INCLIGTDC", record.text.substr(0, 80), reader.path, record.line);
}

int fieldNumber(const std::string& text, std::size_t index) {
    std::istringstream in(text);
    std::string word;
    for (std::size_t i = 0; i <= index; ++i)
        if (!(in >> word)) return -1;
    for (char c : word)
        if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    return word.empty() || word.size() > 9 ? -1 : std::stoi(word);
}

// "E" records: file numbers, the script's base name, test positions.
void eRecord(TdcReader& reader, int kind, const std::string& rest) {
    if (kind == 11) {
        const std::size_t blank = rest.find(' ');
        const int file = fieldNumber(rest, 0);
        if (file < 0) return;
        reader.files[file] = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
        if (file == 0) reader.program.script = reader.files[file];
    } else if (kind == 6) {
        reader.program.base = trimmed(rest);
    } else if (kind == 16) {
        const int file = fieldNumber(rest, 0), line = fieldNumber(rest, 1);
        reader.lastTestPosition = {reader.files.count(file) ? reader.files[file] : std::string(), line};
    }
}

void letteredRecord(TdcReader& reader, char letter, int number, const std::string& rest) {
    Program& p = reader.program;
    switch (letter) {
    case 'O':
        reader.currentService = number;
        p.services[number] = {number, rest};
        break;
    case 'T':
        reader.currentTest = number;
        p.tests[number] = {number, rest, reader.currentService, {}, reader.lastTestPosition};
        p.testOrder.push_back(number);
        break;
    case 'F':
        if (p.tests.count(reader.currentTest)) p.tests[reader.currentTest].family = rest;
        break;
    case 'V': p.checks[number] = describeCheck(number, rest); break;
    case 'N': p.lists[number] = trimmed(rest.substr(0, rest.find('['))); break;
    case 'M':
        if (number != 0) p.stubs[number] = trimmed(rest);
        break;
    default: break;
    }
}

bool firstRecordIsScript(const std::vector<Record>& all) {
    return !all.empty() && all.front().text.rfind("E11 0 ", 0) == 0;
}

}  // namespace

bool readTdc(const std::string& path, Program& program) {
    std::vector<std::string> lines;
    if (!readLines(path, lines)) {
        diag::raiseMessage(diag::Level::E, "STXERRRIO", path + " (cannot be read)", {}, 0);
        return false;
    }
    const std::vector<Record> all = records(lines);
    if (!firstRecordIsScript(all)) {
        diag::raiseMessage(diag::Level::E, "STXERRRIO", "(no E11 0 record)", path,
                           all.empty() ? 1 : all.front().line);
        return false;
    }
    TdcReader reader{program, path, {}, {}, 0, 0};
    for (const Record& record : all) {
        char letter;
        int number;
        std::string rest;
        if (!splitTag(record.text, letter, number, rest)) tdcWarning(reader, record);
        else if (letter == 'E') eRecord(reader, number, rest);
        else letteredRecord(reader, letter, number, rest);
    }
    return true;
}

}  // namespace report
