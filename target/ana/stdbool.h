#ifndef _STDBOOL_H
#define _STDBOOL_H
/* bool is the analyser's own type word. */
#define true 1
#define false 0
#define __bool_true_false_are_defined 1
#endif
