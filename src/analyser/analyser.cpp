// Seam of the declaration analyser.
#include "analyser/analyser.h"

namespace analyser {

void startAnalyser() {}
void endAnalyser() {}

}  // namespace analyser
