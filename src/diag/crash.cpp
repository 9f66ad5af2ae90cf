// The segmentation-violation handler: reports INTERNERR "Module SFC" at level S
// and ends with status 9. It formats into fixed buffers and writes with write(2)
// so that it stays usable when the heap is what failed.
#include "diag/diag.h"
#include "diag/diag_internal.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace diag {

namespace {

struct CrashReport {
    char head[64] = {};
    char text[256] = {};  // the catalog text of INTERNERR, prepared at install time
};

CrashReport& report() {
    static CrashReport r;
    return r;
}

alignas(16) char alternateStack[64 * 1024];

void append(char* out, std::size_t& used, std::size_t capacity, const char* text, std::size_t n) {
    for (std::size_t i = 0; i < n && used + 1 < capacity; ++i) out[used++] = text[i];
}

void appendNumber(char* out, std::size_t& used, std::size_t capacity, long value) {
    char digits[24];
    std::size_t n = 0;
    unsigned long magnitude = value < 0 ? 0UL - static_cast<unsigned long>(value)
                                        : static_cast<unsigned long>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude && n < sizeof digits);
    if (value < 0) append(out, used, capacity, "-", 1);
    while (n) append(out, used, capacity, &digits[--n], 1);
}

// The message with the current position as prefix: the text's first
// placeholder takes the prefix and the second one the parameter.
std::size_t formatCrashLine(char* out, std::size_t capacity) {
    const auto& r = report();
    std::size_t used = 0;
    append(out, used, capacity, r.head, std::strlen(r.head));
    int filled = 0;
    for (const char* p = r.text; *p; ++p) {
        if (p[0] == '%' && (p[1] == '1' || p[1] == '2')) {
            if (filled++ == 0) {
                const std::string& file = currentFile();
                if (!file.empty() || currentLine() != 0) {
                    append(out, used, capacity, "[", 1);
                    if (!file.empty()) {
                        append(out, used, capacity, file.data(), file.size());
                        append(out, used, capacity, ":", 1);
                    }
                    appendNumber(out, used, capacity, currentLine());
                    append(out, used, capacity, "] ", 2);
                }
            } else {
                append(out, used, capacity, "Module SFC", 10);
            }
            ++p;
            continue;
        }
        append(out, used, capacity, p, 1);
    }
    append(out, used, capacity, "\n", 1);
    return used;
}

extern "C" void onSegmentationViolation(int) {
    char line[8192];
    const std::size_t length = formatCrashLine(line, sizeof line);
    ssize_t ignored = ::write(STDERR_FILENO, line, length);
    (void)ignored;
    detail::writeCrashLineToMessageFile(line, length);
    detail::removePendingOutputs(true);
    ::_exit(kStatusInternal);
}

}  // namespace

void installCrashHandler() {
    auto& r = report();
    std::snprintf(r.head, sizeof r.head, "%sS-INTERNERR,  ", detail::kMessagePrefix);
    const std::string text = catalogText("INTERNERR").value_or("%1 %2");
    std::strncpy(r.text, text.c_str(), sizeof r.text - 1);
    stack_t stack{};
    stack.ss_sp = alternateStack;
    stack.ss_size = sizeof alternateStack;
    ::sigaltstack(&stack, nullptr);
    struct sigaction action{};
    action.sa_handler = onSegmentationViolation;
    action.sa_flags = SA_ONSTACK;
    ::sigaction(SIGSEGV, &action, nullptr);
}

}  // namespace diag
