/* Run-time header of the bundled target package: what every generated test
   harness includes. It defines the run-time object vorne_run, whose members
   the harness calls to declare services and tests, time the calls of the unit
   under test, record initial values and judge every check, and the macros the
   harness text uses.

   Results go to the results file (G.rio) named by OPF_CPP, one line per event,
   written as the harness runs: the lines are handed to the system before each
   call of the unit under test, at every test boundary and every exception, at
   least every millisecond, and on a fatal signal or an exit of the unit, so a
   crash of the unit leaves every earlier result readable. ARCHITECTURE.md
   describes the lines.

   Header-only: a harness is one translation unit (G.cc includes G.icc), so the
   run-time needs no library of its own and the harness builds with one g++
   command. Standard C++17 only.

   The compiler's own declaration analyser reads this header too. It sees
   only the plain macros below; everything under __cplusplus is for the C++
   compiler that builds the harness. */
#ifndef VORNE_TARGET_TP_H
#define VORNE_TARGET_TP_H

#define NIL 0
#define NONIL ((void *)1)
#define PRIV_ABS(x) (((x) >= 0) ? (x) : -(x))
#define STUB_CALL_IDX_MAX 1024
#define HRU_STRING_SIZE 256

#ifdef __cplusplus

#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <exception>
#include <string>
#include <type_traits>
#include <unordered_map>

#if defined(__has_include)
#if __has_include(<cxxabi.h>)
#include <cxxabi.h>
#define VORNE_RUNTIME_HAS_CXXABI 1
#endif
#endif

#if defined(__GNUC__)
/* An element's expected exception is caught by value, as the harness text
   is written; a polymorphic exception type must not fail the build. */
#pragma GCC diagnostic ignored "-Wcatch-value"
#endif

namespace vorne_runtime {

/* The lines of the results file. Every line is a tag and fields separated by
   one blank; texts are quoted (see quoted), times are microseconds since the
   file was opened. */
namespace rio {
inline constexpr const char *kHeader = "VORNE-RIO 1 ";           /* + date */
inline constexpr const char *kService = "SERVICE ";               /* number name */
inline constexpr const char *kTest = "TEST ";                     /* number name time */
inline constexpr const char *kIteration = "ITERATION ";           /* k time */
inline constexpr const char *kIterationEnd = "ITERATION-END ";    /* k time duration */
inline constexpr const char *kTestEnd = "END-TEST ";              /* number time duration */
inline constexpr const char *kCall = "CALL ";                     /* time */
inline constexpr const char *kReturn = "RETURN ";                 /* time duration */
inline constexpr const char *kInitial = "INIT ";                  /* number kind value */
inline constexpr const char *kCheck = "CHECK ";  /* number kind dynamic ev== radix verdict obtained low high */
inline constexpr const char *kException = "EXCEPTION ";          /* code type message */
inline constexpr const char *kGroupException = "GROUP-EXCEPTION "; /* number type message */
inline constexpr const char *kOpenBracket = "OPEN ";
inline constexpr const char *kCloseBracket = "CLOSE ";
inline constexpr const char *kTableMode = "TABLE ";
inline constexpr const char *kTableModeEnd = "END-TABLE ";
inline constexpr const char *kConstantMode = "CONSTANT ";
inline constexpr const char *kConstantModeEnd = "END-CONSTANT ";
inline constexpr const char *kRepetition = "REPEAT ";             /* number count */
inline constexpr const char *kRupture = "RUPTURE ";               /* number */
inline constexpr const char *kStubCall = "STUB ";                 /* number call time */
inline constexpr const char *kListItem = "LIST-ITEM ";            /* number verdict item */
inline constexpr const char *kListMissing = "LIST-MISSING ";      /* number item */
inline constexpr const char *kListExtra = "LIST-EXTRA ";          /* number */
inline constexpr const char *kDied = "DIED ";                     /* signal number, or "exit" */
inline constexpr const char *kEnd = "END ";                       /* time */
}  // namespace rio

/* Kind letters of INIT and CHECK lines. */
enum class Kind : char {
    Integer = 'I', Unsigned = 'U', Boolean = 'B', Char = 'C', Float = 'F',
    Double = 'D', LongDouble = 'L', String = 'S', Pointer = 'P'
};

enum class Verdict { Passed, Failed, Unjudged };

inline const char *verdictWord(Verdict verdict) {
    switch (verdict) {
    case Verdict::Passed: return "passed";
    case Verdict::Failed: return "failed";
    default: return "unjudged";
    }
}

/* A text between double quotes: backslash, quote and control bytes escaped
   (\\, \", \xHH), every other byte as it is. A null text is written NULL. */
inline void appendQuoted(std::string &line, const char *text) {
    if (text == nullptr) {
        line += "NULL";
        return;
    }
    static const char digits[] = "0123456789abcdef";
    line += '"';
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
        if (*p == '\\' || *p == '"') {
            line += '\\';
            line += static_cast<char>(*p);
        } else if (*p < 0x20 || *p == 0x7f) {
            line += "\\x";
            line += digits[*p >> 4];
            line += digits[*p & 15];
        } else {
            line += static_cast<char>(*p);
        }
    }
    line += '"';
}

inline void appendNumber(std::string &line, long long value) { line += std::to_string(value); }
inline void appendNumber(std::string &line, unsigned long long value) { line += std::to_string(value); }

/* Floating values with enough digits to be read back exactly. */
inline void appendReal(std::string &line, long double value, int digits) {
    if (std::isnan(value)) {
        line += "nan";
        return;
    }
    if (std::isinf(value)) {
        line += value < 0 ? "-inf" : "inf";
        return;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.*Lg", digits, value);
    line += text;
}

inline void appendPointer(std::string &line, const void *value) {
    if (value == nullptr) {
        line += "0";
        return;
    }
    if (value == NONIL) {
        line += "NONIL";
        return;
    }
    char text[32];
    std::snprintf(text, sizeof text, "%p", value);
    line += text;
}

/* The date the file was opened, in UTC; SOURCE_DATE_EPOCH fixes it. */
inline std::string startDate() {
    std::time_t now = std::time(nullptr);
    if (const char *epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        char *end = nullptr;
        const long long fixed = std::strtoll(epoch, &end, 10);
        if (end != epoch && *end == '\0') now = static_cast<std::time_t>(fixed);
    }
    char text[32] = "1970-01-01T00:00:00Z";
    if (const std::tm *utc = std::gmtime(&now)) std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", utc);
    return text;
}

/* The type and message of the exception being handled, when there is one. */
struct ExceptionText {
    std::string type;
    std::string message;
};

inline std::string demangled(const char *name) {
#ifdef VORNE_RUNTIME_HAS_CXXABI
    int status = 0;
    char *readable = abi::__cxa_demangle(name, nullptr, nullptr, &status);
    if (readable != nullptr) {
        std::string text = readable;
        std::free(readable);
        return text;
    }
#endif
    return name;
}

inline ExceptionText currentException() {
    ExceptionText text;
    const std::exception_ptr current = std::current_exception();
    if (!current) return text;
#ifdef VORNE_RUNTIME_HAS_CXXABI
    if (const std::type_info *type = abi::__cxa_current_exception_type()) text.type = demangled(type->name());
#endif
    try {
        std::rethrow_exception(current);
    } catch (const std::exception &caught) {
        text.message = caught.what();
    } catch (...) {
    }
    return text;
}

/* An initial value recorded at run time, for the checks written EV ==. */
struct InitialValue {
    Kind kind = Kind::Integer;
    long long integer = 0;
    unsigned long long natural = 0;
    long double real = 0;
    std::string text;
    bool nullText = false;
};

/* Pieces of CONCAT_STR_CPP: texts, strings, and the null pointer that ends
   the list in the generated calls. */
inline void appendPiece(std::string &text, const char *piece) {
    if (piece != nullptr) text += piece;
}
inline void appendPiece(std::string &text, const std::string &piece) { text += piece; }
inline void appendPiece(std::string &text, char piece) { text += piece; }
template <typename Number, typename = std::enable_if_t<std::is_arithmetic_v<Number>>>
inline void appendPiece(std::string &text, Number piece) {
    if (piece != 0) text += std::to_string(piece);
}

/* An element's expected exception object receives a copy of the one caught,
   when its type can be assigned from it, so the checks can read it. */
template <typename Target, typename Caught>
inline void copyException(Target *target, const Caught &caught) {
    if constexpr (std::is_assignable_v<Target &, const Caught &>) {
        if (target != nullptr) *target = caught;
    }
}
template <typename Target, typename Caught>
inline void copyExceptionFrom(Target *target, Caught *caught) {
    if (caught != nullptr) copyException(target, *caught);
}

template <typename Value>
inline long long asInteger(const Value &value) {
    if constexpr (std::is_enum_v<Value>) return static_cast<long long>(value);
    else if constexpr (std::is_arithmetic_v<Value>) return static_cast<long long>(value);
    else return value ? 1 : 0;
}

inline void onFatalSignal(int signal);
inline void onExit();

}  // namespace vorne_runtime

class VorneRun {
public:
    int NUM_OPERATION = 0;
    int NUM_TEST = 0;

    /* ---- Program, services and tests ------------------------------------ */

    void INIT_DATA_CPP() {}

    /* Opens the results file and writes its first line. A file that cannot
       be opened is said on the standard error; the checks are still judged
       and the exit status tells. */
    void OPF_CPP(const char *path) {
        if (started_) return;
        started_ = true;
        start_ = Clock::now();
        lastFlush_ = start_;
        installHandlers();
        file_ = std::fopen(path, "w");
        if (file_ == nullptr) {
            std::fprintf(stderr, "vorne_run: cannot write the results file %s\n", path);
            unwritable_ = true;
            return;
        }
        std::setvbuf(file_, nullptr, _IONBF, 0);
        path_ = path;
        line_ = vorne_runtime::rio::kHeader;
        line_ += vorne_runtime::startDate();
        write(true);
    }

    /* Ends the open test, writes the last line, closes the file and prints
       the counts of the run. */
    void CLF_CPP(const char *) {
        if (closed_) return;
        closed_ = true;
        endTest();
        if (file_ != nullptr) {
            line_ = vorne_runtime::rio::kEnd;
            appendTime();
            write(true);
            std::fclose(file_);
            file_ = nullptr;
        }
        std::printf("%s: %ld checks, %ld passed, %ld failed, %ld not judged\n",
                    path_.empty() ? "vorne_run" : path_.c_str(), checks_, passed_, failed_, unjudged_);
        std::fflush(stdout);
    }

    void DCL_OP_CPP(int number, const char *name) {
        endTest();
        line_ = vorne_runtime::rio::kService;
        line_ += std::to_string(number);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, name);
        write(true);
    }

    /* The first declaration of a test starts its first iteration; the same
       test declared again without its end (a test LOOP) starts the next. */
    void DCL_TST_CPP(int number, const char *name) {
        if (inTest_ && number == testNumber_) {
            nextIteration();
            return;
        }
        endTest();
        inTest_ = true;
        testNumber_ = number;
        iteration_ = 1;
        iterationPending_ = false;
        testStart_ = iterationStart_ = Clock::now();
        initials_.clear();
        line_ = vorne_runtime::rio::kTest;
        line_ += std::to_string(number);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, name);
        line_ += ' ';
        appendTime(testStart_);
        write(true);
    }

    void END_TEST_CPP() { endTest(); }

    void DCL_FAC_REP_CPP(int number, long long count) {
        event();
        line_ = vorne_runtime::rio::kRepetition;
        line_ += std::to_string(number);
        line_ += ' ';
        line_ += std::to_string(count);
        write(false);
    }

    /* The call of the unit under test: the lines so far reach the system
       first, since the unit may not return. */
    void START_CHRONO_CPP() {
        event();
        callStart_ = Clock::now();
        line_ = vorne_runtime::rio::kCall;
        appendTime(callStart_);
        write(true);
    }

    void STOP_CHRONO_CPP() {
        event();
        const Clock::time_point now = Clock::now();
        line_ = vorne_runtime::rio::kReturn;
        appendTime(now);
        line_ += ' ';
        line_ += std::to_string(microseconds(now - callStart_));
        write(false);
    }

    /* Exceptions: 0 escaped a service or main, 1 in a test's declarations or
       an element's initialisations, 2 unexpected in the call, 3 in the checks,
       5 the expected exception was not raised, 6 it was raised and caught. */
    void EXCEP_CPP(int code) { exception(code, nullptr); }
    void EXCEP_CPP(int code, const char *type) { exception(code, type); }

    void RUPT_CPP(int number) { numbered(vorne_runtime::rio::kRupture, number); }

    /* ---- Checks: dynamic bounds, expected equal to initial, value, number,
       [radix,] bounds ----------------------------------------------------- */

    void EDV_INTEGER_CPP(int dynamic, int equalInitial, long value, int number, int radix, long low, long high) {
        using K = vorne_runtime::Kind;
        const vorne_runtime::InitialValue *initial = equalInitial ? initialOf(number, K::Integer) : nullptr;
        const vorne_runtime::Verdict verdict =
            equalInitial ? (initial ? judged(value == initial->integer) : unjudged())
                         : judged(low <= value && value <= high);
        beginCheck(number, 'I', dynamic, equalInitial, radix, verdict);
        appendSigned(value);
        appendSigned(low);
        appendSigned(high);
        write(false);
    }

    void EDV_UNSIGNED_CPP(int dynamic, int equalInitial, unsigned long value, int number, int radix,
                          unsigned long low, unsigned long high) {
        using K = vorne_runtime::Kind;
        const vorne_runtime::InitialValue *initial = equalInitial ? initialOf(number, K::Unsigned) : nullptr;
        const vorne_runtime::Verdict verdict =
            equalInitial ? (initial ? judged(value == initial->natural) : unjudged())
                         : judged(low <= value && value <= high);
        beginCheck(number, 'U', dynamic, equalInitial, radix, verdict);
        appendUnsigned(value);
        appendUnsigned(low);
        appendUnsigned(high);
        write(false);
    }

    void EDV_CHAR_CPP(int dynamic, int equalInitial, char value, int number, char low, char high) {
        using K = vorne_runtime::Kind;
        const vorne_runtime::InitialValue *initial = equalInitial ? initialOf(number, K::Char) : nullptr;
        const vorne_runtime::Verdict verdict =
            equalInitial ? (initial ? judged(value == initial->integer) : unjudged())
                         : judged(low <= value && value <= high);
        beginCheck(number, 'C', dynamic, equalInitial, 10, verdict);
        appendSigned(value);
        appendSigned(low);
        appendSigned(high);
        write(false);
    }

    void EDV_FLOAT_CPP(int dynamic, int equalInitial, float value, int number, float low, float high) {
        realCheck('F', vorne_runtime::Kind::Float, 9, dynamic, equalInitial, value, number, low, high);
    }

    void EDV_DOUBLE_CPP(int dynamic, int equalInitial, double value, int number, double low, double high) {
        realCheck('D', vorne_runtime::Kind::Double, 17, dynamic, equalInitial, value, number, low, high);
    }

    void EDV_LONG_DOUBLE_CPP(int dynamic, int equalInitial, long double value, int number, long double low,
                             long double high) {
        realCheck('L', vorne_runtime::Kind::LongDouble, 21, dynamic, equalInitial, value, number, low, high);
    }

    /* Strings between the two bounds in byte order; a null string passes
       nothing. */
    void EDV_STR_CPP(int dynamic, int equalInitial, const char *value, int number, const char *low,
                     const char *high) {
        using K = vorne_runtime::Kind;
        vorne_runtime::Verdict verdict;
        if (equalInitial) {
            const vorne_runtime::InitialValue *initial = initialOf(number, K::String);
            verdict = initial ? judged(sameText(value, initial)) : unjudged();
        } else {
            verdict = judged(value != nullptr && low != nullptr && high != nullptr &&
                             std::strcmp(low, value) <= 0 && std::strcmp(value, high) <= 0);
        }
        beginCheck(number, 'S', dynamic, equalInitial, 10, verdict);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, value);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, low);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, high);
        write(false);
    }

    /* A pointer against NIL (null), NONIL (not null) or an address. The
       initial value of a pointer is not recorded: EV == is left unjudged. */
    void EDV_POINTER_CPP(int dynamic, int equalInitial, const void *value, int number, const void *expected) {
        vorne_runtime::Verdict verdict;
        if (equalInitial) verdict = unjudged();
        else if (expected == NONIL) verdict = judged(value != nullptr);
        else verdict = judged(value == expected);
        beginCheck(number, 'P', dynamic, equalInitial, 16, verdict);
        line_ += ' ';
        vorne_runtime::appendPointer(line_, value);
        line_ += ' ';
        vorne_runtime::appendPointer(line_, expected);
        line_ += ' ';
        vorne_runtime::appendPointer(line_, expected);
        write(false);
    }

    /* A call of a stubbed function: its number and the call's rank. */
    void EDV_CHRONO_MUET_CPP(int number, int, int call) {
        event();
        line_ = vorne_runtime::rio::kStubCall;
        line_ += std::to_string(number);
        line_ += ' ';
        line_ += std::to_string(call);
        line_ += ' ';
        appendTime(Clock::now());
        write(false);
    }

    /* ---- Initial values known only at run time --------------------------- */

    void PTU_INTEGER_CPP(long value, int number, int) { recordInteger(vorne_runtime::Kind::Integer, value, number); }
    void PTU_UNSIGNED_CPP(unsigned long value, int number, int) {
        record(vorne_runtime::Kind::Unsigned, number).natural = value;
        vorne_runtime::appendNumber(line_, static_cast<unsigned long long>(value));
        write(false);
    }
    template <typename Value>
    void PTU_BOOLEAN_CPP(Value value, int number) {
        recordInteger(vorne_runtime::Kind::Integer, vorne_runtime::asInteger(value), number);
    }
    void PTU_CHAR_CPP(char value, int number) { recordInteger(vorne_runtime::Kind::Char, value, number); }
    void PTU_FLOAT_CPP(float value, int number) { recordReal(vorne_runtime::Kind::Float, value, number, 9); }
    void PTU_DOUBLE_CPP(double value, int number) { recordReal(vorne_runtime::Kind::Double, value, number, 17); }
    void PTU_LONG_DOUBLE_CPP(long double value, int number) {
        recordReal(vorne_runtime::Kind::LongDouble, value, number, 21);
    }

    /* ---- Brackets of structures, arrays and data-file constants ---------- */

    void OPEN_BRA_CPP(int number) { numbered(vorne_runtime::rio::kOpenBracket, number); }
    void CLOSE_BRA_CPP(int number) { numbered(vorne_runtime::rio::kCloseBracket, number); }
    void SET_MODE_TAB_CPP(int number) { numbered(vorne_runtime::rio::kTableMode, number); }
    void UNSET_MODE_TAB_CPP(int number) { numbered(vorne_runtime::rio::kTableModeEnd, number); }
    void SET_MODE_CST_CPP(int number) { numbered(vorne_runtime::rio::kConstantMode, number); }
    void UNSET_MODE_CST_CPP(int number) { numbered(vorne_runtime::rio::kConstantModeEnd, number); }

    /* An exception in the checks of a bracketed group. */
    void ERV_CPP(int number) {
        event();
        ++exceptions_;
        const vorne_runtime::ExceptionText text = vorne_runtime::currentException();
        line_ = vorne_runtime::rio::kGroupException;
        line_ += std::to_string(number);
        appendException(text);
        write(true);
    }

    /* ---- List checks ------------------------------------------------------ */

    void EDV_LST_ITEM_NOT_FOUND_CPP(const char *item, int number) {
        event();
        count(vorne_runtime::Verdict::Failed);
        line_ = vorne_runtime::rio::kListMissing;
        line_ += std::to_string(number);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, item);
        write(false);
    }

    void EDV_LST_TEST_ITEM_CPP(const char *item, bool equal, int number) {
        event();
        const vorne_runtime::Verdict verdict = judged(equal);
        count(verdict);
        line_ = vorne_runtime::rio::kListItem;
        line_ += std::to_string(number);
        line_ += ' ';
        line_ += vorne_runtime::verdictWord(verdict);
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, item);
        write(false);
    }

    void EDV_LST_ITEM_NOT_EXPECTED_CPP(int number) {
        event();
        count(vorne_runtime::Verdict::Failed);
        numbered(vorne_runtime::rio::kListExtra, number);
    }

    /* ---- Character strings ------------------------------------------------ */

    /* Copies the value into the variable; with record set, the value is also
       the initial value of check number. */
    void INI_STR_CPP(char *target, int record, int number, const char *value) {
        if (target != nullptr) std::strcpy(target, value != nullptr ? value : "");
        if (!record) return;
        vorne_runtime::InitialValue &initial = this->record(vorne_runtime::Kind::String, number);
        initial.nullText = target == nullptr;
        if (target != nullptr) initial.text = target;
        vorne_runtime::appendQuoted(line_, target);
        write(false);
    }

    /* The concatenation of the pieces (the null pointer of the generated
       calls adds nothing). The text stays valid for eight more calls. */
    template <typename... Pieces>
    char *CONCAT_STR_CPP(const Pieces &...pieces) {
        std::string &text = concatenations_[next_++ % 8];
        text.clear();
        (vorne_runtime::appendPiece(text, pieces), ...);
        return &text[0];
    }

    /* ---- For the harness and its loop counters ----------------------------- */

    /* 0 when every judged check passed and nothing unexpected happened, 1
       when a check failed or an unexpected exception was caught, 2 when
       nothing failed but the results file could not be written. */
    int exitStatus() const {
        if (failed_ > 0 || exceptions_ > 0) return 1;
        return unwritable_ ? 2 : 0;
    }

    /* A value-list or test loop counter advanced: the test's declaration
       again, or else its next event, starts a new iteration. Setting a
       counter to its first value is no event: the loops of a test are
       nested, and an inner loop starts again as the outer one moves on. */
    void loopAdvanced() {
        if (inTest_) iterationPending_ = true;
    }

    /* A fatal signal: the pending lines and the signal reach the file
       without allocating (the unit may have crashed inside the allocator);
       the file is left to the system to close. */
    void diedOnSignal(int signal) {
        if (file_ == nullptr || closed_) return;
        closed_ = true;
        char line[32];
        std::snprintf(line, sizeof line, "%s%d\n", vorne_runtime::rio::kDied, signal);
        if (!pending_.empty()) std::fwrite(pending_.data(), 1, pending_.size(), file_);
        std::fputs(line, file_);
    }

    /* The unit ended the process through exit before the end of the run:
       whatever status it gave, even 0, the run did not pass. */
    void diedOnExit() {
        if (closed_) return;
        closed_ = true;
        if (file_ != nullptr) {
            line_ = vorne_runtime::rio::kDied;
            line_ += "exit";
            write(true);
            std::fclose(file_);
            file_ = nullptr;
        }
        std::fflush(nullptr);
        std::_Exit(1);
    }

private:
    using Clock = std::chrono::steady_clock;

    static long long microseconds(Clock::duration elapsed) {
        return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    }

    /* Writes the line built in line_; pending lines reach the system now when
       urgent, else at the latest a millisecond after the last time. */
    void write(bool urgent) {
        if (file_ == nullptr) return;
        pending_ += line_;
        pending_ += '\n';
        line_.clear();
        const Clock::time_point now = Clock::now();
        if (urgent || now - lastFlush_ >= std::chrono::milliseconds(1)) flush(now);
    }

    void flush(Clock::time_point now) {
        if (file_ != nullptr && !pending_.empty()) std::fwrite(pending_.data(), 1, pending_.size(), file_);
        pending_.clear();
        lastFlush_ = now;
    }

    void appendTime(Clock::time_point when) { line_ += std::to_string(microseconds(when - start_)); }
    void appendTime() { appendTime(Clock::now()); }
    void appendSigned(long long value) {
        line_ += ' ';
        vorne_runtime::appendNumber(line_, value);
    }
    void appendUnsigned(unsigned long long value) {
        line_ += ' ';
        vorne_runtime::appendNumber(line_, value);
    }

    void installHandlers() {
        for (int signal : {SIGSEGV, SIGFPE, SIGILL, SIGABRT, SIGTERM, SIGINT})
            std::signal(signal, vorne_runtime::onFatalSignal);
        std::atexit(vorne_runtime::onExit);
    }

    /* Every call inside a test is an event: a pending iteration starts at
       the first event after its loop counter advanced. */
    void event() {
        if (iterationPending_) nextIteration();
    }

    void endIteration(Clock::time_point now) {
        line_ = vorne_runtime::rio::kIterationEnd;
        line_ += std::to_string(iteration_);
        line_ += ' ';
        appendTime(now);
        line_ += ' ';
        line_ += std::to_string(microseconds(now - iterationStart_));
        write(false);
    }

    void nextIteration() {
        iterationPending_ = false;
        const Clock::time_point now = Clock::now();
        endIteration(now);
        ++iteration_;
        iterationStart_ = now;
        line_ = vorne_runtime::rio::kIteration;
        line_ += std::to_string(iteration_);
        line_ += ' ';
        appendTime(now);
        write(true);
    }

    void endTest() {
        if (!inTest_) return;
        inTest_ = false;
        iterationPending_ = false;
        const Clock::time_point now = Clock::now();
        if (iteration_ > 1) endIteration(now);
        line_ = vorne_runtime::rio::kTestEnd;
        line_ += std::to_string(testNumber_);
        line_ += ' ';
        appendTime(now);
        line_ += ' ';
        line_ += std::to_string(microseconds(now - testStart_));
        write(true);
    }

    void exception(int code, const char *type) {
        event();
        const bool expectedCaught = code == 6;
        if (code == 5 || code == 6) count(judged(expectedCaught));
        else ++exceptions_;
        vorne_runtime::ExceptionText text;
        if (code != 5 && code != 6) text = vorne_runtime::currentException();
        if (type != nullptr) text.type = type;
        line_ = vorne_runtime::rio::kException;
        line_ += std::to_string(code);
        appendException(text);
        write(true);
    }

    void appendException(const vorne_runtime::ExceptionText &text) {
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, text.type.c_str());
        line_ += ' ';
        vorne_runtime::appendQuoted(line_, text.message.c_str());
    }

    void numbered(const char *tag, int number) {
        event();
        line_ = tag;
        line_ += std::to_string(number);
        write(false);
    }

    void count(vorne_runtime::Verdict verdict) {
        ++checks_;
        if (verdict == vorne_runtime::Verdict::Passed) ++passed_;
        else if (verdict == vorne_runtime::Verdict::Failed) ++failed_;
        else ++unjudged_;
    }

    vorne_runtime::Verdict judged(bool passed) {
        return passed ? vorne_runtime::Verdict::Passed : vorne_runtime::Verdict::Failed;
    }
    static vorne_runtime::Verdict unjudged() { return vorne_runtime::Verdict::Unjudged; }

    void beginCheck(int number, char kind, int dynamic, int equalInitial, int radix,
                    vorne_runtime::Verdict verdict) {
        event();
        count(verdict);
        line_ = vorne_runtime::rio::kCheck;
        line_ += std::to_string(number);
        line_ += ' ';
        line_ += kind;
        line_ += dynamic ? " 1" : " 0";
        line_ += equalInitial ? " 1 " : " 0 ";
        line_ += std::to_string(radix);
        line_ += ' ';
        line_ += vorne_runtime::verdictWord(verdict);
    }

    /* NaN expected between NaN bounds passes: the value is what was asked. */
    template <typename Real>
    void realCheck(char letter, vorne_runtime::Kind kind, int digits, int dynamic, int equalInitial, Real value,
                   int number, Real low, Real high) {
        vorne_runtime::Verdict verdict;
        if (equalInitial) {
            const vorne_runtime::InitialValue *initial = initialOf(number, kind);
            verdict = initial ? judged(sameReal(value, static_cast<Real>(initial->real))) : unjudged();
        } else {
            const bool nanAsked = std::isnan(value) && std::isnan(low) && std::isnan(high);
            verdict = judged(nanAsked || (low <= value && value <= high));
        }
        beginCheck(number, letter, dynamic, equalInitial, 10, verdict);
        for (long double each : {static_cast<long double>(value), static_cast<long double>(low),
                                 static_cast<long double>(high)}) {
            line_ += ' ';
            vorne_runtime::appendReal(line_, each, digits);
        }
        write(false);
    }

    template <typename Real>
    static bool sameReal(Real a, Real b) {
        return a == b || (std::isnan(a) && std::isnan(b));
    }

    static bool sameText(const char *value, const vorne_runtime::InitialValue *initial) {
        if (value == nullptr || initial->nullText) return value == nullptr && initial->nullText;
        return initial->text == value;
    }

    const vorne_runtime::InitialValue *initialOf(int number, vorne_runtime::Kind kind) const {
        const auto found = initials_.find(number);
        if (found == initials_.end() || found->second.kind != kind) return nullptr;
        return &found->second;
    }

    /* Starts an INIT line and keeps the initial value of number. */
    vorne_runtime::InitialValue &record(vorne_runtime::Kind kind, int number) {
        event();
        vorne_runtime::InitialValue &initial = initials_[number];
        initial = vorne_runtime::InitialValue();
        initial.kind = kind;
        line_ = vorne_runtime::rio::kInitial;
        line_ += std::to_string(number);
        line_ += ' ';
        line_ += static_cast<char>(kind);
        line_ += ' ';
        return initial;
    }

    void recordInteger(vorne_runtime::Kind kind, long long value, int number) {
        record(kind, number).integer = value;
        vorne_runtime::appendNumber(line_, value);
        write(false);
    }

    void recordReal(vorne_runtime::Kind kind, long double value, int number, int digits) {
        record(kind, number).real = value;
        vorne_runtime::appendReal(line_, value, digits);
        write(false);
    }

    std::FILE *file_ = nullptr;
    std::string path_;
    bool started_ = false;
    bool closed_ = false;
    bool unwritable_ = false;
    std::string line_;
    std::string pending_;
    Clock::time_point start_{};
    Clock::time_point lastFlush_{};
    Clock::time_point callStart_{};
    Clock::time_point testStart_{};
    Clock::time_point iterationStart_{};
    bool inTest_ = false;
    int testNumber_ = 0;
    int iteration_ = 0;
    bool iterationPending_ = false;
    std::unordered_map<int, vorne_runtime::InitialValue> initials_;
    long checks_ = 0;
    long passed_ = 0;
    long failed_ = 0;
    long unjudged_ = 0;
    long exceptions_ = 0;
    std::string concatenations_[8];
    unsigned next_ = 0;
};

inline VorneRun vorne_run;

namespace vorne_runtime {

/* The lines written so far, and the cause, reach the file; then the signal
   takes its default course. */
inline void onFatalSignal(int signal) {
    vorne_run.diedOnSignal(signal);
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

/* The unit under test called exit before the end of the program. */
inline void onExit() { vorne_run.diedOnExit(); }

}  // namespace vorne_runtime

/* The counter of a value-list or test loop (J1, J2, ...): an int that tells
   the run-time when its loop moves on, so results are kept per iteration.
   It compares with any integer by value, signed or not: a test LOOP may
   count to an unsigned variable or a sizeof, and the harness is built with
   -Wall -Werror. */
class VorneLoopCounter {
public:
    VorneLoopCounter &operator=(int value) {
        value_ = value;
        return *this;
    }
    operator int() const { return value_; }
    VorneLoopCounter &operator++() {
        ++value_;
        vorne_run.loopAdvanced();
        return *this;
    }
    int operator++(int) {
        const int previous = value_;
        ++*this;
        return previous;
    }

    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator<(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) < 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator<=(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) <= 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator>(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) > 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator>=(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) >= 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator==(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) == 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator!=(const VorneLoopCounter &c, Bound b) { return order(c.value_, b) != 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator<(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) > 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator<=(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) >= 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator>(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) < 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator>=(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) <= 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator==(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) == 0; }
    template <typename Bound, typename = std::enable_if_t<std::is_integral_v<Bound>>>
    friend bool operator!=(Bound b, const VorneLoopCounter &c) { return order(c.value_, b) != 0; }

private:
    /* -1, 0 or 1 as value is below, equal to or above bound. */
    template <typename Bound>
    static int order(int value, Bound bound) {
        if constexpr (std::is_signed_v<Bound>) {
            const long long b = bound;
            return value < b ? -1 : value > b ? 1 : 0;
        } else {
            if (value < 0) return -1;
            const unsigned long long v = static_cast<unsigned long long>(value), b = bound;
            return v < b ? -1 : v > b ? 1 : 0;
        }
    }

    int value_ = 0;
};

/* The order of the calls across stubs. */
inline unsigned int _at_call_order[STUB_CALL_IDX_MAX];
inline unsigned int _at_call_order_Idx;

#define HRU_INIT_DATA vorne_run.INIT_DATA_CPP();
#define HRU_END_TEST_CPP() vorne_run.END_TEST_CPP()
#define HRU_TRACES_FILE(path) \
    const char *vorne_traces_file() { return path; }

/* main: its arguments are not used; its status is the run's verdict. */
#define DRAV_MAIN_HEADER int main(int, char **) {
#define DRAV_MAIN_RETURN return vorne_run.exitStatus();

/* The expected exception object of an element receives the one caught. */
#define HRW_EXCEP_REFCPY(expected, caught) vorne_runtime::copyException((expected), (caught))
#define HRW_EXCEP_PTRCPY(expected, caught) vorne_runtime::copyExceptionFrom((expected), (caught))

/* Containers of the list checks. */
#define HRW_LST_CLEAR(list) ((list).clear())
#define HRW_LST_INSERT_BEGIN(list, item) ((list).insert((list).begin(), (item)))
#define HRW_LST_EMPTY(list) ((list).empty())
#define HRW_LST_FRONT(list) ((list).front())
#define HRW_LST_COMPARE(item, expected) ((item) == (expected))
#define HRW_LST_ERASE_BEGIN(list) ((list).erase((list).begin()))

#endif /* __cplusplus */

#endif /* VORNE_TARGET_TP_H */
