// The hand-over from the driver and the questions the reader asks.
#include "harness/harness.h"

#include "config/settings.h"
#include "harness/harness_internal.h"

namespace harness {

namespace detail {

HarnessState& state() {
    static HarnessState s;
    return s;
}

}  // namespace detail

using detail::state;

void handOverGenerationNames(const GenerationNames& given) {
    output::resetGeneration();
    state() = detail::HarnessState{};
    state().names = given;
    const std::string& className = config::settings().className;
    state().className = className.empty() ? "VORNE" : className;
    detail::loadSelection();
}

bool inInitializationBlock() { return state().blocks.inInitialization; }
bool inTerminationBlock() { return state().blocks.inTermination; }
bool inSegmentBlock() { return state().blocks.inSegment; }
bool inDefineStubBlock() { return state().blocks.inDefineStub; }
bool inElement() { return state().blocks.inElement; }
bool inTest() { return state().blocks.inTest; }

}  // namespace harness
