// Shared between the files of the script module (and its unit tests) only.
#pragma once

#include "diag/files.h"
#include "output/output.h"
#include "script/reader.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace script {

using output::Statement;
using output::StatementHandler;

// Statement kinds: the numbers of the main keyword table, then the second
// words of END, DEFINE and INCLUDE.
enum class StatementKind : int {
    Constants = 1, Header = 2, Service = 3, EndService = 4, Test = 5, EndTest = 6, Family = 7,
    EndFamily = 8, Element = 9, EndElement = 10, Variable = 11, ArrayVariable = 12,
    Register = 13, Simul = 14, EndSimul = 15, ElseSimul = 16, Comment = 17, Environment = 18,
    EndEnvironment = 19, Use = 20, Segment = 21, EndSegment = 22, System = 23, Far = 24,
    EndFar = 25, Near = 26, EndNear = 27, Begin = 28, ServiceType = 29, End = 30,
    Exception = 31, Include = 32, Define = 34, Field = 35, If = 36, Else = 37, EndIf = 38,
    StructureVariable = 39, Declare = 40, Initialization = 41, Termination = 42, Access = 43,
    ServiceAccess = 44, Table = 45, Format = 46, Inherit = 47, Stub = 48, InitBase = 49,
    NextTest = 59, Sequence = 60, Coverage = 61, List = 62, Requirement = 63,
    EndDefine = 64, EndInitialization = 65, EndTermination = 66, EndSequence = 67,
    DefineStructure = 68, DefineStub = 69, IncludeCode = 70, IncludePtu = 71,
    IncludeSegment = 72,
    Count
};

inline constexpr std::size_t kKindCount = static_cast<std::size_t>(StatementKind::Count);

// The handler of every statement kind; a kind without one is nullptr.
using HandlerTable = std::array<StatementHandler, kKindCount>;

inline StatementHandler handlerOf(const HandlerTable& table, StatementKind kind) {
    return table[static_cast<std::size_t>(kind)];
}

// The table the reader dispatches with.
const HandlerTable& statementHandlers();

// Recognises the keyword of one complete statement (trimmed, not empty) and
// calls the handler of its kind from the table.
void dispatchStatement(std::string_view text, const HandlerTable& handlers);

// The keyword language the dispatcher reads keywords in: the run's until the
// script's first keyword switches it.
int keywordLanguage();
// The keyword text of a statement in that language.
std::string keywordText(std::string_view french, std::string_view english);

// The message for an input that could not be read: FICTROGROS for one beyond
// the input limit, else the code given.
std::string_view unreadableCode(diag::InputStatus status, std::string_view code);

// The INCLUDE forms.
void includeCode(const Statement& statement);
void includePtu(const Statement& statement);
void includeSegment(const Statement& statement);

// The native code gathered for declaration analysis between two statements,
// one piece per run of lines of one file. Blank lines are inserted so that the
// lines of a piece keep the numbers they have in the script.
class NativeCollection {
public:
    // The text of a native line (without its first character) at line number
    // lineNumber of fileName.
    void appendLine(std::string_view code, const std::string& fileName, int lineNumber);
    // A whole text, reported from fileName and lineNumber on.
    void appendText(std::string text, const std::string& fileName, int lineNumber);
    std::vector<NativeCode> take();
    bool empty() const { return pieces_.empty(); }

private:
    std::vector<NativeCode> pieces_;
    int nextLine_ = 0;  // the number the next line of the last piece stands for
    bool lastIsText_ = false;
};

NativeCollection& nativeCollection();

namespace detail {

// Test support: back to the state before the first script was opened.
void resetFileStackForTesting();
void resetReaderForTesting();
void resetDispatchForTesting();
void resetIncludesForTesting();

}  // namespace detail

}  // namespace script
