// The test structure records of the structure statements, the pending
// comments and requirements, and the COMMENT and REQUIREMENT statements.
#include "diag/diag.h"
#include "harness/generation.h"
#include "harness/harness_internal.h"
#include "harness/output.h"
#include "harness/structure.h"
#include "script/filestack.h"

#include <algorithm>

namespace harness {

namespace detail {

namespace {

// The owner whose declaration is still pending, most specific first; a
// requirement never attaches to a family.
bool pendingOwner(bool requirement, Owner& owner) {
    const PendingDeclarations& p = state().pending;
    if (p.family && !requirement) owner = Owner::Family;
    else if (p.test) owner = Owner::Test;
    else if (p.service) owner = Owner::Service;
    else return false;
    return true;
}

void attach(char tag, std::string_view text) {
    if (!generationActive()) return;
    Owner owner;
    if (pendingOwner(tag == 'Q', owner)) {
        state().lists.pending.push_back({owner, tag, std::string(text)});
        return;
    }
    const Current& c = state().current;
    const bool attachedHere = state().blocks.inTest || (state().blocks.inService && !c.serviceHadTest);
    writeNumberedRecord(tag == 'C' && !attachedHere ? 'X' : tag, text);
}

}  // namespace

void writePositionRecord(std::string_view tag) {
    writeRecord(std::string(tag) + " " + std::to_string(script::currentFileNumber()) + " " +
                std::to_string(diag::currentLine()));
}

void writeNumberedRecord(char tag, std::string_view text) {
    const int number = takeStructureNumber();
    writeRecord(std::string(1, tag) + std::to_string(number) + " " + std::string(text));
}

int writeDeclarationRecord(char tag, std::string_view text) {
    const int number = noEdit() ? structureNumber() : takeStructureNumber();
    writeRecord(std::string(1, tag) + std::to_string(number) + " " + std::string(text));
    return number;
}

void flushPending(Owner owner, bool dropUnderNoEdit) {
    if (!(dropUnderNoEdit && noEdit()))
        for (const PendingText& p : state().lists.pending)
            if (p.owner == owner) writeNumberedRecord(p.tag, p.text);
    dropPending(owner);
}

void dropPending(Owner owner) {
    auto& pending = state().lists.pending;
    std::erase_if(pending, [owner](const PendingText& p) { return p.owner == owner; });
}

}  // namespace detail

// COMMENT text
void handleComment(const script::Statement& statement) { detail::attach('C', statement.rest); }

// REQUIREMENT text
void handleRequirement(const script::Statement& statement) { detail::attach('Q', statement.rest); }

}  // namespace harness
