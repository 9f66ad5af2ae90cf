/* The empty run-time: the members and macros of target/lib/TP.h with bodies
   that do nothing. The runtime benchmark builds the same harness against it
   to measure what the real run-time costs. Keep it in step with TP.h: the
   benchmark fails to build when a member is missing. */
#ifndef VORNE_TARGET_TP_H
#define VORNE_TARGET_TP_H

#define NIL 0
#define NONIL ((void *)1)
#define PRIV_ABS(x) (((x) >= 0) ? (x) : -(x))
#define STUB_CALL_IDX_MAX 1024
#define HRU_STRING_SIZE 256

#ifdef __cplusplus

#include <cstring>

#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wcatch-value"
#endif

class VorneRun {
public:
    int NUM_OPERATION = 0;
    int NUM_TEST = 0;
    void INIT_DATA_CPP() {}
    void OPF_CPP(const char *) {}
    void CLF_CPP(const char *) {}
    void DCL_OP_CPP(int, const char *) {}
    void DCL_TST_CPP(int, const char *) {}
    void END_TEST_CPP() {}
    void DCL_FAC_REP_CPP(int, long long) {}
    void START_CHRONO_CPP() {}
    void STOP_CHRONO_CPP() {}
    void EXCEP_CPP(int) {}
    void EXCEP_CPP(int, const char *) {}
    void RUPT_CPP(int) {}
    void EDV_INTEGER_CPP(int, int, long, int, int, long, long) {}
    void EDV_UNSIGNED_CPP(int, int, unsigned long, int, int, unsigned long, unsigned long) {}
    void EDV_CHAR_CPP(int, int, char, int, char, char) {}
    void EDV_FLOAT_CPP(int, int, float, int, float, float) {}
    void EDV_DOUBLE_CPP(int, int, double, int, double, double) {}
    void EDV_LONG_DOUBLE_CPP(int, int, long double, int, long double, long double) {}
    void EDV_STR_CPP(int, int, const char *, int, const char *, const char *) {}
    void EDV_POINTER_CPP(int, int, const void *, int, const void *) {}
    void EDV_CHRONO_MUET_CPP(int, int, int) {}
    void PTU_INTEGER_CPP(long, int, int) {}
    void PTU_UNSIGNED_CPP(unsigned long, int, int) {}
    template <typename Value>
    void PTU_BOOLEAN_CPP(Value, int) {}
    void PTU_CHAR_CPP(char, int) {}
    void PTU_FLOAT_CPP(float, int) {}
    void PTU_DOUBLE_CPP(double, int) {}
    void PTU_LONG_DOUBLE_CPP(long double, int) {}
    void OPEN_BRA_CPP(int) {}
    void CLOSE_BRA_CPP(int) {}
    void SET_MODE_TAB_CPP(int) {}
    void UNSET_MODE_TAB_CPP(int) {}
    void SET_MODE_CST_CPP(int) {}
    void UNSET_MODE_CST_CPP(int) {}
    void ERV_CPP(int) {}
    void EDV_LST_ITEM_NOT_FOUND_CPP(const char *, int) {}
    void EDV_LST_TEST_ITEM_CPP(const char *, bool, int) {}
    void EDV_LST_ITEM_NOT_EXPECTED_CPP(int) {}
    void INI_STR_CPP(char *target, int, int, const char *value) {
        if (target != nullptr && value != nullptr) std::strcpy(target, value);
    }
    template <typename... Pieces>
    char *CONCAT_STR_CPP(const char *first, const Pieces &...) { return const_cast<char *>(first ? first : ""); }
    int exitStatus() const { return 0; }
};

inline VorneRun vorne_run;

class VorneLoopCounter {
public:
    VorneLoopCounter &operator=(int value) {
        value_ = value;
        return *this;
    }
    operator int() const { return value_; }
    VorneLoopCounter &operator++() {
        ++value_;
        return *this;
    }
    int operator++(int) { return value_++; }

private:
    int value_ = 0;
};

inline unsigned int _at_call_order[STUB_CALL_IDX_MAX];
inline unsigned int _at_call_order_Idx;

#define HRU_INIT_DATA vorne_run.INIT_DATA_CPP();
#define HRU_END_TEST_CPP() vorne_run.END_TEST_CPP()
#define HRU_TRACES_FILE(path) \
    const char *vorne_traces_file() { return path; }
#define DRAV_MAIN_HEADER int main(int, char **) {
#define DRAV_MAIN_RETURN return vorne_run.exitStatus();
#define HRW_EXCEP_REFCPY(expected, caught) ((void)(expected), (void)&(caught))
#define HRW_EXCEP_PTRCPY(expected, caught) ((void)(expected), (void)(caught))
#define HRW_LST_CLEAR(list) ((list).clear())
#define HRW_LST_INSERT_BEGIN(list, item) ((list).insert((list).begin(), (item)))
#define HRW_LST_EMPTY(list) ((list).empty())
#define HRW_LST_FRONT(list) ((list).front())
#define HRW_LST_COMPARE(item, expected) ((item) == (expected))
#define HRW_LST_ERASE_BEGIN(list) ((list).erase((list).begin()))

#endif /* __cplusplus */

#endif /* VORNE_TARGET_TP_H */
