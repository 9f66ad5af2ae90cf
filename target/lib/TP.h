// Run-time header of the bundled target package: what every generated test
// harness includes. The run-time object vorne_run and the macros the harness
// text uses are declared here.
#ifndef VORNE_TARGET_TP_H
#define VORNE_TARGET_TP_H

#endif
