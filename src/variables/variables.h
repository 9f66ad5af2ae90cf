// The variable statements: the type model of the tested variables, their
// initialisation and the checks of their expected values.
#pragma once

namespace variables {

// Template R: the RUPT_CPP call of a check with number m, in the check
// section of the open element.
void emitRupture(int m);

}  // namespace variables
