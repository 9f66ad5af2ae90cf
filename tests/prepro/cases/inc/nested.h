nested __INCLUDE_LEVEL__ __FILE__
#include "inc/guarded.h"
