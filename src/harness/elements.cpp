// ELEMENT and END ELEMENT: the call and check sections of an element, its
// guards and its expected exception.
#include "diag/diag.h"
#include "diag/strings.h"
#include "harness/harness.h"
#include "harness/harness_internal.h"
#include "variables/variables.h"
#include "harness/templates.h"

namespace harness {

namespace detail {

namespace {

// service_test_element, the suffix of the element's exception names.
std::string exceptionSuffix() {
    const Generation& g = generation();
    return std::to_string(g.serviceNumber) + "_" + std::to_string(g.testNumber) + "_" +
           std::to_string(g.elementNumber);
}

void enterElement() {
    Generation& g = generation();
    ++g.elementNumber;
    g.level = 3;
    g.elementHasContent = false;
    state().current.exceptionText.clear();
    state().blocks.inElement = state().blocks.elementSeen = true;
}

void openElementSections() {
    output::openElementSections();
    writeSection(Section::Current, "");
    declarePending();
    writePositionRecord(Record::ElementPosition);
    writeNumberedRecord(Record::Element, std::to_string(generation().elementNumber));
    emitTemplate(templates::kElementOpening, {exceptionSuffix()});
}

// The member, construction and destruction of the expected exception object.
void declareExceptionObject(const std::string& type, const std::string& suffix) {
    Generation& g = generation();
    const std::string& text = state().current.exceptionText;
    g.classMembers.push_back(fillPlaceholders(templates::kExceptionMember, {type, suffix}));
    g.constructorLines.push_back(fillPlaceholders(templates::kExceptionConstruction, {type, suffix, text}));
    g.destructorLines.push_back(fillPlaceholders(templates::kExceptionDestruction, {type, suffix}));
}

// E2, then the call and check sections join the test body.
void closeElementSections() {
    const std::string& text = state().current.exceptionText;
    const std::string type = diag::trim(std::string_view(text).substr(0, text.find('(')));
    if (!text.empty() && !noExcep()) declareExceptionObject(type, exceptionSuffix());
    emitTemplate(templates::kElementClosing, {type}, text.empty() ? kNoException : kWithException);
    output::closeElementSections();
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
    if (output::generationActive()) openElementSections();
}

void closeElement() {
    Generation& g = generation();
    closeDefinitionBlocks();
    if (!state().current.exceptionText.empty()) g.elementHasContent = true;
    if (g.elementHasContent) state().blocks.testHasVariables = true;
    else if (!state().blocks.sequenceOn) diag::warning("ELMT_VIDE", std::to_string(g.elementNumber));
    variables::dropScope(3);
    g.level = 2;
    state().blocks.inElement = false;
    if (output::elementSectionsOpen()) closeElementSections();
}

}  // namespace detail

using detail::state;

// ELEMENT
void handleElement(const Statement&) { detail::startElement(); }

// END ELEMENT
void handleEndElement(const Statement&) {
    detail::closeDefinitionBlocks();
    if (state().blocks.inElement) {
        detail::closeElement();
        return;
    }
    detail::reportWrongPlace(detail::Keyword::EndElement);
    if (state().blocks.inTest) detail::reportMissing(detail::Keyword::Element);
}

}  // namespace harness
