/* The run-time header of this package; TP.h beside it is a FIFO that no
   process writes to. */
#include "../../../target/lib/TP.h"
typedef int quarnel_status;
