// The checks of expected values.
#include "variables/variables.h"

#include "output/output.h"

#include <string>

namespace variables {

namespace {

using output::kEdit;
using S = output::Section;

// R, rupture of a check: %1 its number.
constexpr output::TemplateLine kRupture[] = {
    {S::Check, kEdit, "vorne_run.RUPT_CPP(%1);"},
};

}  // namespace

void emitRupture(int m) {
    if (output::generationActive()) output::emitTemplate(kRupture, {std::to_string(m)});
}

}  // namespace variables
