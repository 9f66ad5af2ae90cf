// The test structure records of the structure statements, the pending
// comments and requirements, and the COMMENT and REQUIREMENT statements.
#include "harness/harness.h"

#include "harness/harness_internal.h"

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

void attach(Record record, std::string_view text) {
    if (!output::generationActive()) return;
    Owner owner;
    if (pendingOwner(record == Record::Requirement, owner)) {
        state().lists.pending.push_back({owner, record, std::string(text)});
        return;
    }
    const Current& c = state().current;
    const bool attachedHere = state().blocks.inTest || (state().blocks.inService && !c.serviceHadTest);
    writeNumberedRecord(record == Record::Comment && !attachedHere ? Record::DetachedComment : record, text);
}

}  // namespace

void flushPending(Owner owner, bool dropUnderNoEdit) {
    if (!(dropUnderNoEdit && noEdit()))
        for (const PendingText& p : state().lists.pending)
            if (p.owner == owner) writeNumberedRecord(p.record, p.text);
    dropPending(owner);
}

void dropPending(Owner owner) {
    auto& pending = state().lists.pending;
    std::erase_if(pending, [owner](const PendingText& p) { return p.owner == owner; });
}

}  // namespace detail

// COMMENT text
void handleComment(const Statement& statement) { detail::attach(output::Record::Comment, statement.rest); }

// REQUIREMENT text
void handleRequirement(const Statement& statement) {
    detail::attach(output::Record::Requirement, statement.rest);
}

}  // namespace harness
