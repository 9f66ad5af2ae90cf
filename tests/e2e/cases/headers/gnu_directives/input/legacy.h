#ifdef LEGACY_SEEN
#error legacy.h read twice
#endif
#define LEGACY_SEEN 1
