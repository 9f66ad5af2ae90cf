// The fixed lines of the harness skeleton, in emission order. Each line names
// its section and the conditions under which it is written (kExcep: not under
// NOEXCEP; kEdit: not under -NOEDIT; kNoEdit: only under -NOEDIT).
#pragma once

#include "harness/harness_internal.h"

namespace harness::detail::templates {

using S = Section;

// P, prologue: %1 program name, %2 run-time header reference.
inline constexpr TemplateLine kPrologue[] = {
    {S::Main, 0, "#ifndef USE_HRU"},
    {S::Main, 0, "#define USE_HRU 1"},
    {S::Main, 0, "#endif"},
    {S::Main, 0, "#ifndef HRL_CPLUSPLUS_LANGUAGE"},
    {S::Main, 0, "#define HRL_CPLUSPLUS_LANGUAGE 1"},
    {S::Main, 0, "#endif"},
    {S::Main, 0, "// PROGRAM %1"},
    {S::Main, 0, "#include %2"},
};

// The companion file, included once before the first service: %1 its path.
inline constexpr TemplateLine kCompanionInclude[] = {
    {S::Main, 0, "#include \"%1\""},
};

// S1, service function head: %1 class name, %2 service name.
inline constexpr TemplateLine kServiceHead[] = {
    {S::Main, 0, "void %1::TEST_%2 (void) { "},
    {S::Main, kExcep, "try {"},
};

// S2, procedure opening: %1 "TEST_" + service name, or the program name.
inline constexpr TemplateLine kProcedureOpening[] = {
    {S::Main, kExcep, "try {"},
    {S::Main, 0, "// BEGIN  PROCEDURE %1"},
};

// S4, service number guard: %1 service number.
inline constexpr TemplateLine kServiceNumberGuard[] = {
    {S::Main, 0, "#ifdef NEEDS_NUM_TEST_OPE"},
    {S::Main, 0, "vorne_run.NUM_OPERATION = %1;"},
    {S::Main, 0, "#endif /*NEEDS_NUM_TEST_OPE*/"},
};

// S3, service function tail: %1 service name.
inline constexpr TemplateLine kServiceTail[] = {
    {S::Main, kExcep, "}"},
    {S::Main, kExcep | kEdit, "catch (...) { vorne_run.EXCEP_CPP(0);}"},
    {S::Main, kExcep | kNoEdit, "catch (...) { }"},
    {S::Main, kExcep, "}"},
    {S::Main, kExcep, "catch (...) { }"},
    {S::Main, 0, "}// PROCEDURE TEST_%1"},
};

// D1, service declaration: %1 structure number, %2 service name (literal).
inline constexpr TemplateLine kServiceDeclaration[] = {
    {S::Init, kEdit, "vorne_run.DCL_OP_CPP(%1, \"%2\");"},
};

// D2 and T1, test declaration and opening: %1 structure number, %2 test name
// (literal), %3 test number.
inline constexpr TemplateLine kTestOpening[] = {
    {S::Init, kEdit, "vorne_run.DCL_TST_CPP(%1, \"%2\");"},
    {S::Main, kExcep, "try {"},
    {S::Init, kExcep, "try {"},
    {S::Current, 0, "#ifdef NEEDS_NUM_TEST_OPE"},
    {S::Current, 0, "vorne_run.NUM_TEST = %3;"},
    {S::Current, 0, "#endif /*NEEDS_NUM_TEST_OPE*/"},
};

// T3, test loop: %1 loop number, %2 count.
inline constexpr TemplateLine kTestLoop[] = {
    {S::Main, 0, "for (J%1 = 1 ; J%1<=%2;J%1++ ){"},
    {S::Closing, 0, "}"},
};

// T4, repetition declaration: %1 structure number of the "R" record, %2 count.
inline constexpr TemplateLine kRepetitionDeclaration[] = {
    {S::Check, kEdit, "vorne_run.DCL_FAC_REP_CPP(%1,%2);"},
};

// T2, test closing.
inline constexpr TemplateLine kTestClosing[] = {
    {S::Closing, kExcep | kEdit, "} catch (...) { vorne_run.EXCEP_CPP(1);"},
    {S::Closing, kExcep | kNoEdit, "} catch (...) { "},
    {S::Closing, kExcep, "} "},
    {S::Init, kExcep | kEdit, "} catch (...) { vorne_run.EXCEP_CPP(1);"},
    {S::Init, kExcep | kNoEdit, "} catch (...) { "},
    {S::Init, kExcep, "}"},
    {S::Closing, 0, "HRU_END_TEST_CPP();"},
};

// E1, element opening: %1 the suffix service_test_element.
inline constexpr TemplateLine kElementOpening[] = {
    {S::Init, kExcep, "#define exception exception_%1"},
    {S::Call, kEdit, "vorne_run.START_CHRONO_CPP();"},
    {S::Check, kEdit, "vorne_run.STOP_CHRONO_CPP();"},
    {S::Init, kExcep, "try {"},
    {S::Call, kExcep, "try {"},
    {S::Check, kExcep | kEdit, "try {"},
};

// E2, element closing: %1 the exception type T (the text before its "(").
inline constexpr TemplateLine kElementClosing[] = {
    {S::Init, kExcep | kEdit, "} catch (...) {vorne_run.EXCEP_CPP(1);}"},
    {S::Call, kExcep | kEdit | kNoException, "} catch (...) { vorne_run.EXCEP_CPP(2);}"},
    {S::Call, kExcep | kEdit | kWithException, "vorne_run.EXCEP_CPP(5,\"%1\");"},
    {S::Call, kExcep | kEdit | kWithException,
     "} catch ( %1  e ) { HRW_EXCEP_REFCPY(exception, e);  vorne_run.EXCEP_CPP(6,\"%1\"); }"},
    {S::Call, kExcep | kEdit | kWithException,
     "  catch ( %1 *e ) { HRW_EXCEP_PTRCPY(exception, e);  vorne_run.EXCEP_CPP(6,\"%1\"); }"},
    {S::Call, kExcep | kEdit | kWithException, "catch (...) { vorne_run.EXCEP_CPP(2);}"},
    {S::Check, kExcep | kEdit, "} catch (...) { vorne_run.EXCEP_CPP(3);}"},
    {S::Init, kExcep | kNoEdit, "} catch (...) { }"},
    {S::Call, kExcep | kNoEdit, "} catch (...) { }"},
    {S::Check, kExcep, "#undef exception"},
};

// The class lines of an element's expected exception: %1 type, %2 suffix,
// %3 the EXCEPTION text.
inline constexpr std::string_view kExceptionMember = "%1 *exception_%2;";
inline constexpr std::string_view kExceptionConstruction = "    exception_%2 = new %3;";
inline constexpr std::string_view kExceptionDestruction = "    delete exception_%2;";

// Program end, up to the initialization code: %1 program name, %2 rio path
// (literal).
inline constexpr TemplateLine kMainOpening[] = {
    {S::Main, 0, "#ifdef DRAV_MAIN_HEADER"},
    {S::Main, 0, " DRAV_MAIN_HEADER"},
    {S::Main, 0, "#else"},
    {S::Main, 0, "int main(int argc, char ** argv)"},
    {S::Main, 0, "{"},
    {S::Main, 0, "#endif"},
    {S::Main, kExcep, "try {"},
    {S::Main, 0, "   HRU_INIT_DATA"},
    {S::Main, kExcep, "try {"},
    {S::Main, 0, "// BEGIN  PROCEDURE %1"},
    {S::Main, kEdit, "vorne_run.OPF_CPP(\"%2\");"},
    {S::Main, kEdit, ""},
};

// The call of one service procedure in main: %1 service name.
inline constexpr TemplateLine kServiceCall[] = {
    {S::Main, 0, "vorne.TEST_%1();"},
};

// Program end, after the termination code: %1 program name, %2 rio path
// (literal).
inline constexpr TemplateLine kMainClosing[] = {
    {S::Main, kEdit, "vorne_run.CLF_CPP(\"%2\");"},
    {S::Main, kEdit, ""},
    {S::Main, kExcep | kEdit, "} catch (...) { vorne_run.EXCEP_CPP(0);"},
    {S::Main, kExcep | kEdit, "vorne_run.CLF_CPP(\"%2\");"},
    {S::Main, kExcep | kEdit, ""},
    {S::Main, kExcep | kEdit, "}"},
    {S::Main, kExcep | kNoEdit, "} catch (...) {}"},
    {S::Main, kExcep, "}"},
    {S::Main, kExcep, "catch (...) { }"},
    {S::Main, 0, ""},
    {S::Main, 0, "#ifdef DRAV_MAIN_RETURN"},
    {S::Main, 0, " DRAV_MAIN_RETURN"},
    {S::Main, 0, "#else"},
    {S::Main, 0, " return(0);"},
    {S::Main, 0, "#endif"},
    {S::Main, 0, ""},
    {S::Main, 0, "}// end %1"},
};

// The last lines of the generated file: %1 rio path (literal).
inline constexpr TemplateLine kTracesFile[] = {
    {S::Main, 0, ""},
    {S::Main, 0, "HRU_TRACES_FILE(\"%1\")"},
    {S::Main, 0, ""},
};

// The harness class in the companion file: %1 class name.
inline constexpr std::string_view kClassHead[] = {"class %1 {", "public:"};
inline constexpr std::string_view kConstructorHead = "    %1() {";
inline constexpr std::string_view kDestructorHead = "    ~%1() {";
inline constexpr std::string_view kMemberBlockEnd = "    };";
inline constexpr std::string_view kServiceMember = "    void TEST_%1();";
// The counters of test and value-list loops tell the run-time when their loop
// moves on; the indexes of run-time array loops are plain ints.
inline constexpr std::string_view kLoopCounterMember = "    VorneLoopCounter J%1;";
inline constexpr std::string_view kIndexCounterMember = "    int I%1;";
inline constexpr std::string_view kClassTail[] = {"};", "%1 vorne;"};

// The constants block, emitted before the first service without declaration
// analysis.
inline constexpr std::string_view kConstantsHead = "// declaration des constantes ";
inline constexpr std::string_view kConstantLine = "#define %1 %2";
inline constexpr std::string_view kConstantsEnd = "// fin de la declaration des constantes";
inline constexpr std::string_view kNoConstants = "// aucune constante";

}  // namespace harness::detail::templates
