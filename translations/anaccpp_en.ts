<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Error (ana_c_cpp)</name>
    <message>
        <source>%1Uncompleted value list%2</source>
        <comment>Error code is &quot;ELEMENTLS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1User error: %2</source>
        <comment>Error code is &quot;ERRUTILIS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad INIT or VA value list: %2</source>
        <comment>Error code is &quot;LISTEINVA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too many INIT or VA values: %2</source>
        <comment>Error code is &quot;NBVALINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Imbricated procedures not allowed in C language %2</source>
        <comment>Error code is &quot;PROCIMBRI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unexpected end of file or incomplete line: %2</source>
        <comment>Error code is &quot;UNEXP_EOF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fatal Error (ana_c_cpp)</name>
    <message>
        <source>%1Acces error to file: %2</source>
        <comment>Error code is &quot;ERRERRNO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Information (ana_c_cpp)</name>
    <message>
        <source>%1Matches line %2</source>
        <comment>Error code is &quot;MATCHLINE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Use of Microsoft Multibyte character form %2</source>
        <comment>Error code is &quot;MULTIBYTE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Internal Error (ana_c_cpp)</name>
    <message>
        <source>%1Program shutdown: out of memory %2</source>
        <comment>Error code is &quot;ALLOCMEMO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Internal error in %2</source>
        <comment>Error code is &quot;ERRINTERN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1RIBBON not initialized %2</source>
        <comment>Error code is &quot;INITRUBAN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Freeing memory %2</source>
        <comment>Error code is &quot;LIBERMEMO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1There are too many macro or include recursions %2</source>
        <comment>Error code is &quot;NBRECURSI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Warning (ana_c_cpp)</name>
    <message>
        <source>%1Assignment not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;AFFECTATI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 argument starts with punctuation</source>
        <comment>Error code is &quot;ARGPUNCTU&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unexpected argument for macro %2</source>
        <comment>Error code is &quot;ARGTOMACR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad parameter list in `#define&apos; directive: %2</source>
        <comment>Error code is &quot;BADPARDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Two identical characters (f or l) in floating constant %2</source>
        <comment>Error code is &quot;CARDOUFLO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Two identical characters (f or l) in integer constant %2</source>
        <comment>Error code is &quot;CARDOUINT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Nondigits in  number and not hexadecimal %2</source>
        <comment>Error code is &quot;CARNONNUM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Numeric constant constains digits beyond the radix: %2</source>
        <comment>Error code is &quot;CARNUMERI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Three `l&apos; characters in integer constant %2</source>
        <comment>Error code is &quot;CARTRIINT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Stray character %2 in program</source>
        <comment>Error code is &quot;CHAINUTIL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 field can not be tested</source>
        <comment>Error code is &quot;CHANOTEST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown field %2</source>
        <comment>Error code is &quot;CHAMPINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown constructor %2</source>
        <comment>Error code is &quot;CONSTRINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad construction %2</source>
        <comment>Error code is &quot;CONSTRUCT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Constant may not be in radix 16 %2</source>
        <comment>Error code is &quot;CSTBASE16&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Empty character constant %2</source>
        <comment>Error code is &quot;CSTCARVID&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Malformed constant %2</source>
        <comment>Error code is &quot;CSTINCORR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Numeric constant with no digits %2</source>
        <comment>Error code is &quot;CSTNUMERI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid `#line&apos; line: %2</source>
        <comment>Error code is &quot;DIESELINE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Division by zero in %2</source>
        <comment>Error code is &quot;DIVISZERO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 after else</source>
        <comment>Error code is &quot;ELIFAELSE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Empty %2 expression</source>
        <comment>Error code is &quot;EMPTYEXPR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Integer constant %2 out of range</source>
        <comment>Error code is &quot;ENTOUTRAN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The `defined&apos; directive  must be followed by ident or (ident)  %2</source>
        <comment>Error code is &quot;ERDEFINED&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1#include expects a filename: %2</source>
        <comment>Error code is &quot;ERINCLUDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error after end of expression: %2</source>
        <comment>Error code is &quot;ERRAFTEND&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Floating constant exponent has no digits %2</source>
        <comment>Error code is &quot;ERREXPOSA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is &quot;ERRINLINE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad expression: %2</source>
        <comment>Error code is &quot;EXPERRONE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Preprocessor error: not in any file %2</source>
        <comment>Error code is &quot;FICINCONN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect function definition: %2</source>
        <comment>Error code is &quot;FUNCT_DEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Warning: %2 redefined</source>
        <comment>Error code is &quot;IDENREDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown ident %2</source>
        <comment>Error code is &quot;IDENTIINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Not implemented %2 type image</source>
        <comment>Error code is &quot;IMPIMATYP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect pointer member: %2</source>
        <comment>Error code is &quot;INCPOIMEM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect parameters number in template declaration: %2</source>
        <comment>Error code is &quot;INCTEMDEC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The index(s) in expression %2 is (are) out of range</source>
        <comment>Error code is &quot;INDICEINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The %2 array element has been initialized several times</source>
        <comment>Error code is &quot;INDICEVAL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad end of line after %2 argument</source>
        <comment>Error code is &quot;INVALIEND&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1invalid macro name %2</source>
        <comment>Error code is &quot;INVAMACRO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid member selection of a non structure or union %2</source>
        <comment>Error code is &quot;INVCHASTR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Malformatted character constant: %2</source>
        <comment>Error code is &quot;INVCSTCAR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Impossible defining `defined&apos; as a macro %2</source>
        <comment>Error code is &quot;INVDEFINE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid end of number: %2</source>
        <comment>Error code is &quot;INVFINNUM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Preprocessor error: invalid special hash type %2</source>
        <comment>Error code is &quot;INVHASTYP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ANSI C forbids long lomg integer constants %2</source>
        <comment>Error code is &quot;LONLONINT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Malformed option %2</source>
        <comment>Error code is &quot;MALFOROPT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect access modifier: unknown inherited member %2 </source>
        <comment>Error code is &quot;MODACCINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Multi-character character constant %2</source>
        <comment>Error code is &quot;MULCARCST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Type modifier %2 already defined.</source>
        <comment>Error code is &quot;MODIFDEFI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad number of arg(s) to macro %2</source>
        <comment>Error code is &quot;NBARGMACR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Text following %2 is not ANSI standard</source>
        <comment>Error code is &quot;NOANSISTD&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 with no argument</source>
        <comment>Error code is &quot;NOARGUMEN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No argument passed to macro %2</source>
        <comment>Error code is &quot;NOARTOMAC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 directive not within conditional</source>
        <comment>Error code is &quot;NOCONDITI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Octal or hex character constant does not fit in a byte %2</source>
        <comment>Error code is &quot;NOFITBYTE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1\x used with no following hex digits %2</source>
        <comment>Error code is &quot;NOHEXDIGI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown parameter name %2</source>
        <comment>Error code is &quot;PARAMINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not a function</source>
        <comment>Error code is &quot;NONFONCTI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not a pointeur</source>
        <comment>Error code is &quot;NONPOINTE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not an array</source>
        <comment>Error code is &quot;NONTABLEA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Not pointed structure or union %2</source>
        <comment>Error code is &quot;NOPOSTRUC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect field number %2 for the current structure</source>
        <comment>Error code is &quot;NUMCHAINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Array values omission not allowed: %2. Use &apos;others&apos;</source>
        <comment>Error code is &quot;OMIVALTAB&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on numeric types (integer or real)</source>
        <comment>Error code is &quot;OPERARITH&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on integer types</source>
        <comment>Error code is &quot;OPERENTIE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1`#&apos; operator should be followed by a macro argument name: %2</source>
        <comment>Error code is &quot;OPERMACRO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 operation only allowed on scalar types (integer, real, enum, pointer)</source>
        <comment>Error code is &quot;OPERSCALA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Parameter name n `#define&apos; starts with a digit: %2</source>
        <comment>Error code is &quot;PARASTART&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Pointed structure or union %2</source>
        <comment>Error code is &quot;POINSTRUC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Post-incrementation not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;POSTDECRE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Post-incrementation not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;POSTINCRE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1UnknownUnit Testing pragma: %2 </source>
        <comment>Error code is &quot;PRAGMAINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Structure or union data type %2 redefined</source>
        <comment>Error code is &quot;REDEFSTRU&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Symbol %2 redefined</source>
        <comment>Error code is &quot;REDEFSYMB&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Escape sequence out of range for character %2</source>
        <comment>Error code is &quot;SEQOUTRAN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown escape sequence %2</source>
        <comment>Error code is &quot;SEQUEINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&quot;exp1, exp2, ..&quot; expressions not allowed in Unit Testing expressions %2</source>
        <comment>Error code is &quot;SOUSEXPRE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 argument starts with a digit</source>
        <comment>Error code is &quot;STARTDIGI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Syntax error: %2</source>
        <comment>Error code is &quot;SYNTAXERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The expression %2 is incorrect for the arrays</source>
        <comment>Error code is &quot;TABEXPINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unkown %2 array size</source>
        <comment>Error code is &quot;TAITABINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect template instantiation: %1</source>
        <comment>Error code is &quot;TEMINSINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect template declaration: %2</source>
        <comment>Error code is &quot;TEMPLADEC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too long character constant %2</source>
        <comment>Error code is &quot;TOLOCSTCA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too many args to macro %2</source>
        <comment>Error code is &quot;TOMANYARG&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect %2 field structure type</source>
        <comment>Error code is &quot;TYPCHAINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Only typedef %2</source>
        <comment>Error code is &quot;TYPDEFSEU&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown type: all of the elements of a list must have the same type: %2</source>
        <comment>Error code is &quot;TYPELISTE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Different types in list %2</source>
        <comment>Error code is &quot;TYPESDIFF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect type modifier %2</source>
        <comment>Error code is &quot;TYPMODINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1unbalanced endif %2</source>
        <comment>Error code is &quot;UNBAENDIF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Undefining %2</source>
        <comment>Error code is &quot;UNDEFININ&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown directive %2</source>
        <comment>Error code is &quot;UNKNODIR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1unterminated comment %2</source>
        <comment>Error code is &quot;UNTERCOMM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1unterminated #%2 conditional</source>
        <comment>Error code is &quot;UNTERCOND&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1A string or character constant unterminated %2</source>
        <comment>Error code is &quot;UNTERSTRI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unterminated parameter list in `#define&apos; directive: %2</source>
        <comment>Error code is &quot;UNTPARDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
