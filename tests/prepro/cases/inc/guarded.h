/* leading comment */
#ifndef GUARDED_H
#define GUARDED_H
guarded
#endif
