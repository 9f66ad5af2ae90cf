// The ribbon keeps interned characters in pages that never move, so the
// index can hold views into them; lookup is one hash probe.
#include "diag/ribbon.h"

#include "diag/diag.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace diag {

namespace {

constexpr std::size_t kPageSize = 1000 * 1000;

struct RibbonState {
    bool initialised = false;
    std::vector<std::unique_ptr<char[]>> pages;
    std::vector<std::unique_ptr<char[]>> largePages;
    std::size_t usedInLastPage = 0;
    std::vector<std::string_view> entries{std::string_view{}};  // entry 0 is absent
    std::unordered_map<std::string_view, RibbonEntry> index;
};

RibbonState& ribbon() {
    static RibbonState s;
    return s;
}

std::string_view store(std::string_view text) {
    auto& r = ribbon();
    if (text.size() > kPageSize) {  // a large text gets a page of its own
        r.largePages.push_back(std::make_unique<char[]>(text.size()));
        text.copy(r.largePages.back().get(), text.size());
        return {r.largePages.back().get(), text.size()};
    }
    if (r.pages.empty() || r.usedInLastPage + text.size() > kPageSize) {
        r.pages.push_back(std::make_unique<char[]>(kPageSize));
        r.usedInLastPage = 0;
    }
    char* at = r.pages.back().get() + r.usedInLastPage;
    text.copy(at, text.size());
    r.usedInLastPage += text.size();
    return {at, text.size()};
}

}  // namespace

void initRibbon() { ribbon().initialised = true; }

RibbonEntry internString(std::string_view text) {
    auto& r = ribbon();
    if (!r.initialised) internalError("RUBNOTINI", std::string(text));
    if (auto it = r.index.find(text); it != r.index.end()) return it->second;
    const std::string_view stored = store(text);
    const auto entry = static_cast<RibbonEntry>(r.entries.size());
    r.entries.push_back(stored);
    r.index.emplace(stored, entry);
    return entry;
}

std::string_view ribbonText(RibbonEntry entry) {
    auto& r = ribbon();
    if (!r.initialised || entry == 0 || entry >= r.entries.size())
        internalError("DEBORUBAN", std::to_string(entry));
    return r.entries[entry];
}

bool ribbonEquals(RibbonEntry entry, std::string_view text) { return ribbonText(entry) == text; }

void clearRibbonIndex() {
    auto& r = ribbon();
    r.index.clear();
    r.entries.resize(1);
}

}  // namespace diag
