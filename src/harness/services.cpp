// SERVICE and END SERVICE: service names, the service function of the
// harness class and the service declaration.
#include "config/settings.h"
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "variables/variables.h"
#include "harness/templates.h"
#include "values/expressions.h"

namespace harness {

namespace detail {

namespace {

constexpr std::size_t kServiceNameWidth = 18;

bool identifierCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The first word of the statement, upper-cased; extra words and characters
// that cannot stand in an identifier are reported. Those characters become
// "_" in the name, so that the generated identifiers stay valid.
std::string serviceWord(std::string_view text, std::string_view statementText) {
    text = diag::trimView(text);
    const std::size_t end = text.find_first_of(" \t");
    if (end != std::string_view::npos) diag::info("LIGNERRON", statementText);
    std::string name = diag::upperCased(text.substr(0, end));
    bool reported = false;
    for (char& c : name) {
        if (identifierCharacter(c)) continue;
        if (!reported) diag::error("CHARINVAL", name);
        reported = true;
        c = '_';
    }
    return name;
}

// A name longer than 18 characters is cut to 18; a final "_" then becomes
// "0" after another "_", else it is removed.
std::string cutServiceName(std::string name, bool& cut) {
    cut = name.size() > kServiceNameWidth;
    if (!cut) return name;
    name.resize(kServiceNameWidth);
    if (name.back() == '_') {
        if (name[kServiceNameWidth - 2] == '_') name.back() = '0';
        else name.pop_back();
    }
    return name;
}

// A name already used gets "_" and the smallest free number. Names are never
// freed, so the numbers up to the one given last are all taken.
std::string uniqueServiceName(const std::string& name, bool cut, bool implicit) {
    Lists& lists = state().lists;
    if (!lists.allServices.contains(name)) return name;
    if (!cut && !implicit) diag::warning("NOMOPEDBL", name);
    int& last = lists.lastServiceSuffix[name];
    for (int n = last + 1;; ++n) {
        std::string candidate = name + "_" + std::to_string(n);
        if (lists.allServices.contains(candidate)) continue;
        last = n;
        return candidate;
    }
}

void emitConstantsBlock() {
    namespace t = templates;
    auto& constantsFile = output::outputs().constants;
    const auto emit = [&constantsFile](const std::string& line) {
        writeSection(Section::Main, line);
        if (constantsFile.isOpen()) constantsFile.writeLine(line);
    };
    emit(std::string(t::kConstantsHead));
    const auto dialect = output::dialect();
    for (const auto& constant : values::constants())
        emit(fillPlaceholders(t::kConstantLine, {constant.name, values::sourceText(constant.value, dialect)}));
    emit(std::string(values::constants().empty() ? t::kNoConstants : t::kConstantsEnd));
}

// Once per program, before the first service function. The constants come
// before the harness class, whose members may be built with them.
void emitProgramDeclarations() {
    Blocks& b = state().blocks;
    if (!b.constantsEmitted && !config::settings().analysis) emitConstantsBlock();
    if (!b.classFileIncluded) emitTemplate(templates::kCompanionInclude, {state().names.companionPath});
    b.classFileIncluded = b.constantsEmitted = true;
}

void enterService(std::string name, std::string fullName) {
    Current& c = state().current;
    Generation& g = generation();
    g.serviceName = std::move(name);
    g.serviceFullName = std::move(fullName);
    ++g.serviceNumber;
    g.testNumber = 0;
    g.level = 1;
    c.serviceHadTest = false;
    c.procedureOpened = false;
    state().blocks.inService = true;
    state().pending.service = true;
    state().pending.firstTestOfService = false;
}

void leaveService() {
    Generation& g = generation();
    variables::dropScope(1);
    g.level = 0;
    g.serviceName.clear();
    g.serviceFullName.clear();
    state().current.procedureOpened = false;
    state().blocks.inService = false;
    state().pending.service = state().pending.firstTestOfService = false;
    state().lists.testsOfService.clear();
    state().lists.declaredTestsOfService.clear();
    g.suppression[kServiceFlag] = false;
    dropPending(Owner::Service);
}

bool operationEmpty() {
    const Lists& lists = state().lists;
    return lists.declaredTestsOfService.empty() && lists.executedServices.empty() &&
           !excludedService(generation().serviceFullName);
}

}  // namespace

void startService(std::string_view text, std::string_view statementText) {
    Blocks& b = state().blocks;
    writePositionRecord(Record::ServicePosition);
    ensureBegin();
    closeCodeBlocks();
    if (b.inService) {
        reportMissing(Keyword::EndService);
        closeService(true);
    }
    closeDefinitionBlocks();
    const std::string fullName = serviceWord(text, statementText);
    generation().suppression[kServiceFlag] = !serviceSelected(fullName);
    bool cut = false;
    std::string name = cutServiceName(fullName, cut);
    name = uniqueServiceName(name, cut, fullName == kImplicitService);
    state().lists.allServices.add(name);
    enterService(std::move(name), fullName);
    openServiceSkeleton(false);
}

// The service function is opened at the first point where generation is
// active in the service, and the procedure opening at its first test.
void openServiceSkeleton(bool atTest) {
    Current& c = state().current;
    const Generation& g = generation();
    if (!output::generationActive() || !state().blocks.inService) return;
    if (!c.procedureOpened) {
        emitProgramDeclarations();
        emitTemplate(templates::kServiceHead, {state().className, g.serviceName});
        state().lists.serviceProcedures.push_back(g.serviceName);
        c.procedureOpened = true;
        state().pending.firstTestOfService = true;
    }
    if (atTest && state().pending.firstTestOfService) {
        state().pending.firstTestOfService = false;
        emitTemplate(templates::kProcedureOpening, {"TEST_" + g.serviceName});
        emitTemplate(templates::kServiceNumberGuard, {std::to_string(g.serviceNumber)});
    }
}

// D1: the "O" record and the run-time declaration of the service.
void declareService() {
    if (!state().pending.service) return;
    state().pending.service = false;
    const Generation& g = generation();
    const int number = writeDeclarationRecord(Record::Service, g.serviceFullName);
    emitTemplate(templates::kServiceDeclaration, {std::to_string(number), stringLiteralBody(g.serviceName)});
    flushPending(Owner::Service, true);
    if (g.serviceFullName != kImplicitService) state().lists.executedServices.add(g.serviceFullName);
    if (config::settings().tsfGiven) output::describeService(g.serviceName, g.serviceNumber, number);
}

void closeService(bool inPlace) {
    if (!inPlace) {
        reportWrongPlace(Keyword::EndService);
        leaveService();
        return;
    }
    if (state().blocks.inTest) {
        reportMissing(Keyword::EndTest);
        closeTest();
    }
    closeDefinitionBlocks();
    const Current& c = state().current;
    const Generation& g = generation();
    if (!c.serviceHadTest) diag::warning("OPER_VIDE", g.serviceName);
    if (output::generationActive()) {
        if (operationEmpty()) diag::info("OPERXVIDE", g.serviceName);
        openServiceSkeleton(false);
    }
    if (c.procedureOpened) {
        if (state().pending.firstTestOfService)
            emitTemplate(templates::kProcedureOpening, {"TEST_" + g.serviceName});
        if (output::generationActive()) declareService();
        emitTemplate(templates::kServiceTail, {g.serviceName});
    }
    leaveService();
}

}  // namespace detail

// SERVICE name
void handleService(const Statement& statement) {
    detail::startService(statement.rest, statement.text);
}

// END SERVICE
void handleEndService(const Statement&) {
    detail::closeService(detail::state().blocks.inService);
}

}  // namespace harness
