// "#line", "#warning" and "#error" (copied to the output), other lines.
#line 50
__LINE__
#line 70 "other.c"
__LINE__ __FILE__
#warning a warning /* kept */
#error don't stop
#line
#line x
#ident "pass through"
#
# 12 "marker.c"
#inlcude "typo.h"
#if 0
#anything goes here
#endif
last
// expect-output: 50 70 "other.c" #warning a warning /* kept */ #error don't stop #ident "pass through" # 12 "marker.c" #inlcude "typo.h" last
// expect-diag: Morvik-W-WARNERR,  [other.c:71]  #warning a warning /* kept */
// expect-diag: Morvik-W-WARNERR,  [other.c:72]  #error don't stop
// expect-diag: Morvik-W-DIESELINE,  [other.c:73] Invalid `#line' line: 
// expect-diag: Morvik-W-DIESELINE,  [other.c:74] Invalid `#line' line: x
// expect-diag: Morvik-W-UNKNODIR,  [other.c:78] Unknown directive #inlcude
// expect-status: 3
