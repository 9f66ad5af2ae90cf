/* Constants of declarations: range checks by the sizes in force, character
   constants with their diagnostics. */
enum Range { R_INT = 70000, R_LONG = 70000L, R_HEX = 0x1FFFF };
#pragma vorne sizeof(int) = 16
enum Short { S_INT = 70000, S_LONG = 70000L, S_HEX = 0x1FFFF, S_BIN = 101b, S_H = 1Fh };
#pragma vorne sizeof(int) = 32
enum Chars {
    C_PLAIN = 'a',
    C_ESCAPES = '\n' + '\E' + '\101' + '\x41',
    C_NOHEX = '\x',
    C_UNKNOWN = '\q',
    C_WIDE_EMPTY = L'',
    C_WIDE_TWO = L'ab',
    C_WIDE_THREE = L'abc',
    C_HIGH = '\xff'
};
#pragma vorne signof(char) = unsigned
enum UChars { U_HIGH = '\xff' };
char plain;
enum Cut { CUT = 'a
// expect: tag | Range | enum Range | ENTIER | 32
// expect: enumerator | R_INT | 70000 | ENTIER | 32
// expect: enumerator | R_LONG | 70000 | ENTIER | 32
// expect: enumerator | R_HEX | 131071 | ENTIER | 32
// expect: tag | Short | enum Short | ENTIER | 32
// expect: enumerator | S_INT | 70000 | ENTIER | 32
// expect: enumerator | S_LONG | 70000 | ENTIER | 32
// expect: enumerator | S_HEX | 131071 | ENTIER | 32
// expect: enumerator | S_BIN | 5 | ENTIER | 32
// expect: enumerator | S_H | 31 | ENTIER | 32
// expect: tag | Chars | enum Chars | ENTIER | -32
// expect: enumerator | C_PLAIN | 97 | ENTIER | -32
// expect: enumerator | C_ESCAPES | 167 | ENTIER | -32
// expect: enumerator | C_NOHEX | 120 | ENTIER | -32
// expect: enumerator | C_UNKNOWN | 113 | ENTIER | -32
// expect: enumerator | C_WIDE_EMPTY | 0 | ENTIER | -32
// expect: enumerator | C_WIDE_TWO | 98 | ENTIER | -32
// expect: enumerator | C_WIDE_THREE | 98 | ENTIER | -32
// expect: enumerator | C_HIGH | -1 | ENTIER | -32
// expect: tag | UChars | enum UChars | ENTIER | 32
// expect: enumerator | U_HIGH | 255 | ENTIER | 32
// expect: variable | plain | char | ENTIER | 8
// expect-diag: Morvik-W-UNTERSTRI,  [constants.h:20] A string or character constant unterminated 
// expect-diag: Morvik-W-ENTOUTRAN,  [constants.h:5] Integer constant 70000 out of range
// expect-diag: Morvik-W-ENTOUTRAN,  [constants.h:5] Integer constant 0x1FFFF out of range
// expect-diag: Morvik-W-NOHEXDIGI,  [constants.h:10] \x used with no following hex digits '\x'
// expect-diag: Morvik-W-SEQUEINCO,  [constants.h:11] Unknown escape sequence '\q'
// expect-diag: Morvik-W-CSTCARVID,  [constants.h:12] Empty character constant L''
// expect-diag: Morvik-W-MULCARCST,  [constants.h:13] Multi-character character constant L'ab'
// expect-diag: Morvik-W-TOLOCSTCA,  [constants.h:14] Too long character constant L'abc'
// expect-diag: Morvik-W-INVCSTCAR,  [constants.h:20] Malformatted character constant: 'a
// expect-diag: Morvik-E-UNEXP_EOF,  [constants.h:21] Unexpected end of file or incomplete line: UChars { U_HIGH = '\xff' }; char plain; enum Cut { CUT = 'a
// expect-status: 5
