// The analyser's error texts, its error line with the usage, and the guard
// that turns memory exhaustion during the analysis into its error 18.
#include "diag/diag.h"
#include "driver/cmdline_options.h"
#include "driver/driver.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <iterator>
#include <new>

namespace driver::options {

namespace {

constexpr const char* kErrorTexts[] = {
    QT_TRANSLATE_NOOP("CAB", "Arg value too small,"),
    QT_TRANSLATE_NOOP("CAB", "Arg value too large,"),
    QT_TRANSLATE_NOOP("CAB", "Arg length too small,"),
    QT_TRANSLATE_NOOP("CAB", "Arg length too large,"),
    QT_TRANSLATE_NOOP("CAB", "Too many arguments invalid argument,"),
    QT_TRANSLATE_NOOP("CAB", "List forbidden invalid argument,"),
    QT_TRANSLATE_NOOP("CAB", "Unknown option,"),
    QT_TRANSLATE_NOOP("CAB", "Invalid character following option,"),
    QT_TRANSLATE_NOOP("CAB", "An option can't be used twice,"),
    QT_TRANSLATE_NOOP("CAB", "Mandatory argument for this option,"),
    QT_TRANSLATE_NOOP("CAB", "No argument for this option,"),
    QT_TRANSLATE_NOOP("CAB", "List forbidden invalid option,"),
    QT_TRANSLATE_NOOP("CAB", "Argument missing,"),
    QT_TRANSLATE_NOOP("CAB", "Ambiguous option,"),
    QT_TRANSLATE_NOOP("CAB", "Unknown value of option,"),
    QT_TRANSLATE_NOOP("CAB", "Ambiguous value of option,"),
    QT_TRANSLATE_NOOP("CAB", "Illegal combination of command elements,"),
    QT_TRANSLATE_NOOP("CAB", "File not found"),
    QT_TRANSLATE_NOOP("CAB", "Command analysis: No memory left"),
    QT_TRANSLATE_NOOP("CAB", "Command analysis"),
    QT_TRANSLATE_NOOP("CAB", "Internal error, bad option name"),
};
static_assert(std::size(kErrorTexts) == kErrorCount);

std::string local8Bit(const QString& text) { return text.toLocal8Bit().toStdString(); }

// Who is told about memory exhaustion while the analysis runs.
struct MemoryGuardState {
    const CommandTable* table = nullptr;
    std::new_handler previous = nullptr;
};

MemoryGuardState& memoryGuardState() {
    static MemoryGuardState s;
    return s;
}

// The previous handler comes back first, so that running out again while the
// error line is written cannot recurse.
void reportMemoryExhaustion() {
    auto& guard = memoryGuardState();
    std::set_new_handler(guard.previous);
    fail(*guard.table, Error{kNoMemory, {}});
}

class MemoryGuard {
public:
    explicit MemoryGuard(const CommandTable& table) {
        memoryGuardState().table = &table;
        memoryGuardState().previous = std::set_new_handler(reportMemoryExhaustion);
    }
    ~MemoryGuard() {
        std::set_new_handler(memoryGuardState().previous);
        memoryGuardState() = {};
    }
    MemoryGuard(const MemoryGuard&) = delete;
    MemoryGuard& operator=(const MemoryGuard&) = delete;
};

}  // namespace

std::string errorText(int index) {
    if (index < 0 || index >= kErrorCount) index = kBadOptionName;
    return local8Bit(QCoreApplication::translate("CAB", kErrorTexts[index]));
}

std::string visibleUsage(const CommandTable& table) {
    QString usage = QCoreApplication::translate("Command-line", table.usage);
    static const QRegularExpression hiddenLine(QStringLiteral("^\\t\\[-XT[^\\n]*\\n?"),
                                               QRegularExpression::MultilineOption);
    usage.remove(hiddenLine);
    return local8Bit(usage);
}

std::string errorLine(const CommandTable& table, const Error& error) {
    std::string line = kProductName;
    line += ' ';
    line += errorText(kCommandAnalysis);
    line += " : ";
    line += errorText(error.index);
    line += ' ';
    line += error.element;
    line += visibleUsage(table);
    line += '\n';
    return line;
}

void fail(const CommandTable& table, const Error& error) {
    const std::string line = errorLine(table, error);
    std::fwrite(line.data(), 1, line.size(), stderr);
    diag::fatal("CMDFATALE");
}

Analysis analyseCommand(const CommandTable& table, std::span<const std::string> arguments) {
    const MemoryGuard guard(table);
    std::vector<std::string> expanded;
    std::vector<std::string> optionFiles;
    if (auto error = expandArguments(arguments, expanded, &optionFiles)) fail(table, *error);
    Analysis result(table);
    result.optionFiles = std::move(optionFiles);
    if (auto error = analyse(expanded, result)) fail(table, *error);
    return result;
}

}  // namespace driver::options
