#// unit code from first/code.h
