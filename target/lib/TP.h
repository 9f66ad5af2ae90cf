/* Run-time header of the bundled target package: what every generated test
   harness includes. It declares the run-time object vorne_run with the
   members the harness calls, and the macros the harness text uses.

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

#include <cstdarg>
#include <cstring>
#include <string>

#if defined(__GNUC__)
/* An element's expected exception is caught by value, as the harness text
   is written; a polymorphic exception type must not fail the build. */
#pragma GCC diagnostic ignored "-Wcatch-value"
/* main is written with the parameters argc and argv, which a harness need
   not use. */
#pragma GCC diagnostic ignored "-Wunused-parameter"
#endif

class VorneRun {
public:
    int NUM_OPERATION = 0;
    int NUM_TEST = 0;

    /* Program, services and tests. */
    void INIT_DATA_CPP() {}
    void OPF_CPP(const char *) {}
    void CLF_CPP(const char *) {}
    void DCL_OP_CPP(int, const char *) {}
    void DCL_TST_CPP(int, const char *) {}
    void DCL_FAC_REP_CPP(int, long) {}
    void END_TEST_CPP() {}
    void START_CHRONO_CPP() {}
    void STOP_CHRONO_CPP() {}
    void EXCEP_CPP(int) {}
    void EXCEP_CPP(int, const char *) {}
    void RUPT_CPP(int) {}

    /* Checks: first check, expected equal, value, number, [radix,] bounds. */
    void EDV_INTEGER_CPP(int, int, long, int, int, long, long) {}
    void EDV_UNSIGNED_CPP(int, int, unsigned long, int, int, unsigned long, unsigned long) {}
    void EDV_CHAR_CPP(int, int, char, int, char, char) {}
    void EDV_FLOAT_CPP(int, int, float, int, float, float) {}
    void EDV_DOUBLE_CPP(int, int, double, int, double, double) {}
    void EDV_LONG_DOUBLE_CPP(int, int, long double, int, long double, long double) {}
    void EDV_STR_CPP(int, int, const char *, int, const char *, const char *) {}
    void EDV_POINTER_CPP(int, int, const void *, int, const void *) {}
    void EDV_CHRONO_MUET_CPP(int, int, int) {}

    /* Initial values known only at run time. */
    void PTU_INTEGER_CPP(long, int, int) {}
    void PTU_UNSIGNED_CPP(unsigned long, int, int) {}
    void PTU_BOOLEAN_CPP(long, int) {}
    void PTU_CHAR_CPP(char, int) {}
    void PTU_FLOAT_CPP(float, int) {}
    void PTU_DOUBLE_CPP(double, int) {}
    void PTU_LONG_DOUBLE_CPP(long double, int) {}

    /* Brackets of structures, arrays and data-file constants. */
    void OPEN_BRA_CPP(int) {}
    void CLOSE_BRA_CPP(int) {}
    void SET_MODE_TAB_CPP(int) {}
    void UNSET_MODE_TAB_CPP(int) {}
    void SET_MODE_CST_CPP(int) {}
    void UNSET_MODE_CST_CPP(int) {}
    void ERV_CPP(int) {}

    /* List checks. */
    void EDV_LST_ITEM_NOT_FOUND_CPP(const char *, int) {}
    void EDV_LST_TEST_ITEM_CPP(const char *, bool, int) {}
    void EDV_LST_ITEM_NOT_EXPECTED_CPP(int) {}

    /* Character strings: the value copied into the variable. */
    void INI_STR_CPP(char *target, int, int, const char *value) {
        if (target != nullptr && value != nullptr) std::strcpy(target, value);
    }

    /* The concatenation of the texts up to a null pointer. The text stays
       valid until the same slot is used again, eight calls later. */
    char *CONCAT_STR_CPP(const char *first, ...) {
        std::string &text = concatenations_[next_++ % 8];
        text.clear();
        va_list texts;
        va_start(texts, first);
        for (const char *piece = first; piece != nullptr; piece = va_arg(texts, const char *))
            text += piece;
        va_end(texts);
        return &text[0];
    }

private:
    std::string concatenations_[8];
    unsigned next_ = 0;
};

inline VorneRun vorne_run;

/* The order of the calls across stubs. */
inline unsigned int _at_call_order[STUB_CALL_IDX_MAX];
inline unsigned int _at_call_order_Idx;

#define HRU_INIT_DATA vorne_run.INIT_DATA_CPP();
#define HRU_END_TEST_CPP() vorne_run.END_TEST_CPP()
#define HRU_TRACES_FILE(path) \
    const char *vorne_traces_file() { return path; }

/* The expected exception object of an element and the one caught. */
#define HRW_EXCEP_REFCPY(expected, caught) ((void)(expected), (void)&(caught))
#define HRW_EXCEP_PTRCPY(expected, caught) ((void)(expected), (void)(caught))

/* Containers of the list checks. */
#define HRW_LST_CLEAR(list) ((list).clear())
#define HRW_LST_INSERT_BEGIN(list, item) ((list).insert((list).begin(), (item)))
#define HRW_LST_EMPTY(list) ((list).empty())
#define HRW_LST_FRONT(list) ((list).front())
#define HRW_LST_COMPARE(item, expected) ((item) == (expected))
#define HRW_LST_ERASE_BEGIN(list) ((list).erase((list).begin()))

#endif /* __cplusplus */

#endif /* VORNE_TARGET_TP_H */
