// Selection of services, tests and families by the six command-line lists,
// and the reports of the names that selected nothing.
#include "config/settings.h"
#include "diag/diag.h"
#include "harness/harness_internal.h"

#include <algorithm>

namespace harness::detail {

namespace {

void load(Selection& selection, const config::SelectionList& given) {
    selection.given = given.given;
    for (const std::string& name : given.names) selection.list.add(name);
}

void writeListing(std::string_view title, const std::vector<std::string>& names) {
    diag::writeToMessageFile("\n");
    diag::writeToMessageFile(std::string(title) + "\n");
    for (const std::string& name : names) diag::writeToMessageFile(name + "\n");
}

// Reports each unused name of the list; true when one was reported.
bool reportUnused(const Selection& selection, std::string_view code) {
    const std::vector<std::string> unused = selection.list.unusedNames();
    for (const std::string& name : unused) diag::warning(code, name);
    return !unused.empty();
}

void reportServices(const Selection& selection, std::string_view title) {
    if (!reportUnused(selection, "OPER_INEX")) return;
    const Lists& lists = state().lists;
    writeListing("liste totale des services ", lists.allServices.names());
    writeListing(title, selection.list.names());
    writeListing("liste des services a executer ", lists.executedServices.names());
}

void reportFamilies(const Selection& selection, std::string_view title) {
    if (!reportUnused(selection, "FAMI_INEX")) return;
    writeListing("liste totale des familles ", state().lists.allFamilies.names());
    writeListing(title, selection.list.names());
}

}  // namespace

bool NameList::contains(std::string_view name) const { return entries_.find(name) != entries_.end(); }

bool NameList::lookUp(std::string_view name) {
    const auto it = entries_.find(name);
    if (it == entries_.end()) return false;
    it->second = true;
    return true;
}

void NameList::add(std::string_view name) {
    if (!contains(name)) entries_.emplace(std::string(name), false);
}

std::vector<std::string> NameList::names() const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& [name, used] : entries_) out.push_back(name);
    return out;
}

std::vector<std::string> NameList::unusedNames() const {
    std::vector<std::string> out;
    for (const auto& [name, used] : entries_)
        if (!used) out.push_back(name);
    return out;
}

void loadSelection() {
    const config::Settings& s = config::settings();
    SelectionLists& l = state().selection;
    load(l.services, s.services);
    load(l.tests, s.tests);
    load(l.families, s.families);
    load(l.exServices, s.exServices);
    load(l.exTests, s.exTests);
    load(l.exFamilies, s.exFamilies);
}

bool serviceSelected(std::string_view fullName) {
    SelectionLists& l = state().selection;
    const bool listed = l.services.list.lookUp(fullName);
    if (l.services.given && !listed) return false;
    if (!l.exServices.given || l.exTests.given || l.exFamilies.given) return true;
    return !l.exServices.list.lookUp(fullName);
}

bool testSelected(std::string_view testName) {
    SelectionLists& l = state().selection;
    const bool listed = l.tests.list.lookUp(testName);
    const bool excluded = l.exTests.list.lookUp(testName);
    return !(l.tests.given && !listed) && !(l.exTests.given && excluded);
}

bool familySelected(const std::vector<std::string>& families) {
    SelectionLists& l = state().selection;
    bool anyIncluded = false;
    bool allExcluded = true;
    for (const std::string& family : families) {
        anyIncluded = l.families.list.lookUp(family) || anyIncluded;
        allExcluded = l.exFamilies.list.lookUp(family) && allExcluded;
    }
    return !(l.families.given && !anyIncluded) && !(l.exFamilies.given && allExcluded);
}

bool excludedService(std::string_view fullName) {
    return state().selection.exServices.list.lookUp(fullName);
}

void reportUnusedSelections() {
    SelectionLists& l = state().selection;
    reportServices(l.exServices, "liste des services en exclusion ");
    reportServices(l.services, "liste des services en inclusion ");
    reportUnused(l.exTests, "TEST_INEX");
    reportUnused(l.tests, "TEST_INEX");
    reportFamilies(l.exFamilies, "liste en exclusion, des familles ");
    reportFamilies(l.families, "liste en inclusion, des familles ");
}

}  // namespace harness::detail
