// ELEMENT and END ELEMENT: the call and check sections of an element, its
// guards and its expected exception.
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/generation.h"
#include "harness/harness_internal.h"
#include "harness/output.h"
#include "harness/structure.h"
#include "variables/variables.h"
#include "harness/templates.h"

namespace harness {

namespace detail {

namespace {

// service_test_element, the suffix of the element's exception names.
std::string exceptionSuffix() {
    const Current& c = state().current;
    return std::to_string(c.serviceNumber) + "_" + std::to_string(c.testNumber) + "_" +
           std::to_string(c.elementNumber);
}

void enterElement() {
    Current& c = state().current;
    ++c.elementNumber;
    c.level = 3;
    c.exceptionText.clear();
    c.elementHasContent = false;
    state().blocks.inElement = state().blocks.elementSeen = true;
}

void openElementSections() {
    Current& c = state().current;
    state().sections.call.clear();
    state().sections.check.clear();
    c.elementSectionsOpen = true;
    writeSection(Section::Current, "");
    declarePending();
    writePositionRecord("E14");
    writeNumberedRecord('B', std::to_string(c.elementNumber));
    emitTemplate(templates::kElementOpening, {exceptionSuffix()});
}

// The member, construction and destruction of the expected exception object.
void declareExceptionObject(const std::string& type, const std::string& suffix) {
    Lists& lists = state().lists;
    const std::string& text = state().current.exceptionText;
    lists.classMembers.push_back(fillPlaceholders(templates::kExceptionMember, {type, suffix}));
    lists.constructorLines.push_back(fillPlaceholders(templates::kExceptionConstruction, {type, suffix, text}));
    lists.destructorLines.push_back(fillPlaceholders(templates::kExceptionDestruction, {type, suffix}));
}

// E2, then the call and check sections join the test body.
void closeElementSections() {
    Current& c = state().current;
    const std::string& text = c.exceptionText;
    const std::string type = diag::trim(std::string_view(text).substr(0, text.find('(')));
    if (!text.empty() && !noExcep()) declareExceptionObject(type, exceptionSuffix());
    emitTemplate(templates::kElementClosing, {type}, text.empty() ? kNoException : kWithException);
    c.elementSectionsOpen = false;
    copySection(state().sections.call, Section::Init);
    copySection(state().sections.check, Section::Init);
}

}  // namespace

void startElement() {
    if (!state().blocks.inTest) {
        reportMissing(Keyword::Test);
        startTest(kImplicitTest);
    }
    if (state().blocks.inElement) {
        reportMissing(Keyword::EndElement);
        closeElement();
    }
    closeDefinitionBlocks();
    Current& c = state().current;
    if (!state().blocks.familyGiven && !c.familyMissingReported) {
        diag::warning("BLOC_ABST", keywordText(Keyword::Family));
        c.familyMissingReported = true;
    }
    enterElement();
    if (generationActive()) openElementSections();
}

void closeElement() {
    Current& c = state().current;
    closeDefinitionBlocks();
    if (!c.exceptionText.empty()) c.elementHasContent = true;
    if (c.elementHasContent) state().blocks.testHasVariables = true;
    else if (!state().blocks.sequenceOn) diag::warning("ELMT_VIDE", std::to_string(c.elementNumber));
    variables::dropScope(3);
    c.level = 2;
    state().blocks.inElement = false;
    if (c.elementSectionsOpen) closeElementSections();
}

}  // namespace detail

using detail::state;

// ELEMENT
void handleElement(const script::Statement&) { detail::startElement(); }

// END ELEMENT
void handleEndElement(const script::Statement&) {
    detail::closeDefinitionBlocks();
    if (state().blocks.inElement) {
        detail::closeElement();
        return;
    }
    detail::reportWrongPlace(detail::Keyword::EndElement);
    if (state().blocks.inTest) detail::reportMissing(detail::Keyword::Element);
}

}  // namespace harness
