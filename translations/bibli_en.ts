<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>Errors (bibli)</name>
    <message>
        <source>%1Cannot use arrays in assembly language %2</source>
        <comment>Error code is &quot;ASMTABERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Only INIT=, INIT==, EV=, EV== are authorized for the structures</source>
        <comment>Error code is &quot;AUTOSTRUC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad aggregate %2</source>
        <comment>Error code is &quot;BADAGGREGATE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown base %2</source>
        <comment>Error code is &quot;BASEINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1BEGIN keyword not found %2</source>
        <comment>Error code is &quot;BEGINABSE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Keyword %2 after the SERVICE keyword </source>
        <comment>Error code is &quot;BEGOCCURE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad lower boundary %2</source>
        <comment>Error code is &quot;BORINFINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad upper boundary %2</source>
        <comment>Error code is &quot;BORSUPINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid character %2</source>
        <comment>Error code is &quot;CHARINVAL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1None present parameter: waiting for connection and/or disconnection parameter(s)</source>
        <comment>Error code is &quot;CONNEXABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown constant %2</source>
        <comment>Error code is &quot;CONSTINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1DECLARE keyword not found %2</source>
        <comment>Error code is &quot;DECLARABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Value %2 already defined </source>
        <comment>Error code is &quot;DEFMULTIP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1DELTA, MIN and MAX keywords already used for the same variable %2</source>
        <comment>Error code is &quot;DELMINMAX&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Division by zero</source>
        <comment>Error code is &quot;DIVBYZERO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The environment %2 already exists</source>
        <comment>Error code is &quot;DUPENVNAM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Constant value %2 already defined</source>
        <comment>Error code is &quot;DUPLCONST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The field %2 already exists</source>
        <comment>Error code is &quot;DUPNOMCHP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The structure %2 already exists</source>
        <comment>Error code is &quot;DUPSTRNAM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Missing &apos;=&apos; for %2</source>
        <comment>Error code is &quot;EGALABSEN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Uncompleted value list%2</source>
        <comment>Error code is &quot;ELEMLISTE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1END keyword already found. Only one BEGIN/END block authorized %2</source>
        <comment>Error code is &quot;ENDOCCURE&quot;; %1 and %2 are counts and must stay</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1HEADER keyword must be the first one %2</source>
        <comment>Error code is &quot;ENTETEERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Enumerated type name %2 missing</source>
        <comment>Error code is &quot;ENUTYPABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ENVIRONMENT keyword must be outside SERVICE block %2</source>
        <comment>Error code is &quot;ENVDANSOP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Environment parameters not supported in ADA </source>
        <comment>Error code is &quot;ENVPARERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error in parameters of the environment %2</source>
        <comment>Error code is &quot;ENVPARAME&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown environment %2</source>
        <comment>Error code is &quot;ENV_INCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Lexical error %2</source>
        <comment>Error code is &quot;ERRLEXCAL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Lexical error %2</source>
        <comment>Error code is &quot;ERRPARENT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unsupported type %2 for the 186</source>
        <comment>Error code is &quot;ERRTYP186&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Inconsistent base for the type %2</source>
        <comment>Error code is &quot;FMTINCOMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Constant value %2 declared after the SERVICE keyword</source>
        <comment>Error code is &quot;FORWCONST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Constant value %2 declared after the SERVICE keyword</source>
        <comment>Error code is &quot;FOR_CONST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1invalid increment value: %2</source>
        <comment>Error code is &quot;INCREMENT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Init value missing for %2</source>
        <comment>Error code is &quot;INITABSEN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Initialisation of an AGREGATE fields is mandatory %2</source>
        <comment>Error code is &quot;INITAGREG&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Keyword INIT IN not authorized with the assembly language %2</source>
        <comment>Error code is &quot;INITINASM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 must be integer and superior or equal to 1 (NB_RANDOM) or to 2 (NB_TIMES)</source>
        <comment>Error code is &quot;INTSUPEUN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 must be &gt;= 0</source>
        <comment>Error code is &quot;INTEGALUN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown keyword %2</source>
        <comment>Error code is &quot;INVMOTCLE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too long instruction %2</source>
        <comment>Error code is &quot;LINETOLON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad init value list %2</source>
        <comment>Error code is &quot;LISTEINIT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad EV IN value list %2</source>
        <comment>Error code is &quot;LISTEVAIN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Missing keyword %2</source>
        <comment>Error code is &quot;MOTCLEABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 keyword appears many times</source>
        <comment>Error code is &quot;MOTCLEREP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Number of INIT IN and INIT FROM too big in the current test %2</source>
        <comment>Error code is &quot;NBINITDYN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Number of parameters different from environment %2</source>
        <comment>Error code is &quot;NBPARADIF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Number of EV IN too big in the current test %2</source>
        <comment>Error code is &quot;NBVAINOVE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Number of values in the list is too big %1</source>
        <comment>Error code is &quot;NBVALLIST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1base name missing</source>
        <comment>Error code is &quot;NOMBASABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad parameter name %2</source>
        <comment>Error code is &quot;NOMPARINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad variable name %2</source>
        <comment>Error code is &quot;NOMVARINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Command %2 isn&apos;t supported yet</source>
        <comment>Error code is &quot;NOTSUPPORTED&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Command %2 isn&apos;t supported in Ada language</source>
        <comment>Error code is &quot;NOTADASUPPOR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option %2 is allowed only with CSQL language</source>
        <comment>Error code is &quot;OPSGBDIMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Integer operation overflow %2</source>
        <comment>Error code is &quot;OVERFLOW&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The parameter %2 is not an identificator</source>
        <comment>Error code is &quot;PARAMENVI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid array index with environment overloaded %2</source>
        <comment>Error code is &quot;ARRINDENV&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1An %2 IN pointer cannot be initialized with NONIL </source>
        <comment>Error code is &quot;POINTINIT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1+BOUNDS expected at the end of INIT FROM </source>
        <comment>Error code is &quot;PLUSBOUND&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1NO TEST SPECIFIED IN THE TEST PROGRAM %2</source>
        <comment>Error code is &quot;PROGXVIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1NO SERVICES IN THE TEST PROGRAM %2</source>
        <comment>Error code is &quot;PROG_VIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Registre %2 non supporté par le 186</source>
        <comment>Error code is &quot;REGINC186&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Syntax error in the SEGMENT bloc: %2</source>
        <comment>Error code is &quot;SEGSTXERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The segment %2 not found in the SEGMENT bloc</source>
        <comment>Error code is &quot;SGTPARINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1STEP, NB_TIMES or NB_RANDOM expected after INIT FROM .. TO</source>
        <comment>Error code is &quot;STIMDOMAT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Use of recursive structures is forbidden</source>
        <comment>Error code is &quot;STRRECURS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mode %2 not found</source>
        <comment>Error code is &quot;STXERRMOD&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Type not found %2</source>
        <comment>Error code is &quot;STXERRTYP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 keyword parameter not found</source>
        <comment>Error code is &quot;STXVALEXP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Expected result not found %2</source>
        <comment>Error code is &quot;STX_ERRRA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1EV==, Ignored expected result:  %2</source>
        <comment>Error code is &quot;IGNEXPRES&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 expected</source>
        <comment>Error code is &quot;SYNTAXERO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown table %2</source>
        <comment>Error code is &quot;TABLEINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The integer size %2 is not a multiple of 8</source>
        <comment>Error code is &quot;TAILLEDIV&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad format of integer size: %2</source>
        <comment>Error code is &quot;TAILLEERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1TO expected behind INIT FROM</source>
        <comment>Error code is &quot;TOATTENDU&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The keyword ELSE doesn&apos;t match with a keyword IF</source>
        <comment>Error code is &quot;TROPSINON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Invalid type %2 as array boundary</source>
        <comment>Error code is &quot;TYPEBORNE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1With such an initialization, %2 must be real or integer</source>
        <comment>Error code is &quot;TYPEIFROM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown type %2</source>
        <comment>Error code is &quot;TYPEINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Types mismatch %2</source>
        <comment>Error code is &quot;TYPESMISM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1LOOP index must be integer %2</source>
        <comment>Error code is &quot;TYPBOUCLE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Wrong place for USE %2</source>
        <comment>Error code is &quot;UTILISERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error in parameters of USE %2 instruction</source>
        <comment>Error code is &quot;UTIPARAME&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Cannot convert to an absolute value %2</source>
        <comment>Error code is &quot;VALABSIMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1LOOP index must be gretter than 1 %2</source>
        <comment>Error code is &quot;VALBOUCER&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The number of random values is omitted after NB_RANDOM%2</source>
        <comment>Error code is &quot;VALHASARD&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad value %2</source>
        <comment>Error code is &quot;VALUEINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No EV keyword nor MAX keyword for %2</source>
        <comment>Error code is &quot;VAMAXABSE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No EV, MIN, nor MAX keywords for %2</source>
        <comment>Error code is &quot;VAMIMAABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No EV keyword nor MIN keyword for %2</source>
        <comment>Error code is &quot;VAMINABSE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1EV, MIN and MAX keywords already used for the same variable %2</source>
        <comment>Error code is &quot;VA_MINMAX&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1MIN, MAX or DELTA unexpected for %2</source>
        <comment>Error code is &quot;MINMAXDEL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The file %2 cannot be found</source>
        <comment>Error code is &quot;FICINCINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Keyword EV IN not authorized with the assembly language %2</source>
        <comment>Error code is &quot;VAINNOASM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Uncompliance between the EV IN AND THE INIT IN for the variable %2</source>
        <comment>Error code is &quot;VAINIT_IN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Variable %2 not defined, INIT IN statement need variable statement (VAR) defined in the same scope</source>
        <comment>Error code is &quot;VARLIEINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Number of values different from the one of the link variable %2</source>
        <comment>Error code is &quot;VARLIENNB&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1variable name missing</source>
        <comment>Error code is &quot;VARNAMMSG&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Fatal Errors (bibli)</name>
    <message>
        <source>%1No keyword found %2</source>
        <comment>Error code is &quot;AUCUNMETA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown target %2</source>
        <comment>Error code is &quot;CIBLINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Bad command: %2</source>
        <comment>Error code is &quot;CMDERREUR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Wrong command line %2</source>
        <comment>Error code is &quot;CMDFATALE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Program shutdown: user fatal error %2</source>
        <comment>Error code is &quot;ERRFATALE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1FATAL SHUTDOWN DURING EXECUTION OF THE TEST HARNESS %2</source>
        <comment>Error code is &quot;EXE_ABORT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The file %2 is empty (processing problem)</source>
        <comment>Error code is &quot;FICRIOVID&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Full disk space %2</source>
        <comment>Error code is &quot;IMPECRFIC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Cannot close the file %2</source>
        <comment>Error code is &quot;IMPFERFIC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Cannot open the file %2</source>
        <comment>Error code is &quot;IMPOUVFIC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Cannot rewind the file %2</source>
        <comment>Error code is &quot;IMPRESFIC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown language %2</source>
        <comment>Error code is &quot;LANGINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown value %2 for LE qualifier</source>
        <comment>Error code is &quot;LETYINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No implemented language %2</source>
        <comment>Error code is &quot;NONIMPLEM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Missing Qualifier %2</source>
        <comment>Error code is &quot;QUALABSEN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown value %2 for RA qualifier</source>
        <comment>Error code is &quot;RATYINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mismatch between files .RIO and .RIO2 %2</source>
        <comment>Error code is &quot;RIOCOMPAR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown value %2 for EV qualifier</source>
        <comment>Error code is &quot;VATYINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown symbol %2</source>
        <comment>Error code is &quot;SIGNEINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Syntax error in the file .RIO or .TDC %2</source>
        <comment>Error code is &quot;STXERRRIO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Syntax error in the file .TDC %2</source>
        <comment>Error code is &quot;STXERRTDC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mandatory suffix for this file (.RO or .RIO) %2</source>
        <comment>Error code is &quot;SUFFROOBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Inconsistent file .TDC %2</source>
        <comment>Error code is &quot;TDCINCOHE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The file %2 is larger than 1 GB</source>
        <comment>Error code is &quot;FICTROGROS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Informations (bibli)</name>
    <message>
        <source>%1Include files checking in progress... %2</source>
        <comment>Error code is &quot;DEBINCVER&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1completed %2</source>
        <comment>Error code is &quot;FINEXECUT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Include files checking is done %2</source>
        <comment>Error code is &quot;FININCVER&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error in line: %2</source>
        <comment>Error code is &quot;LIGNERRON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unused /SUB_SYSTEM option %2</source>
        <comment>Error code is &quot;NOTSSYSTEM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Renamed service: %2</source>
        <comment>Error code is &quot;OPERENAME&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No test in the service %2</source>
        <comment>Error code is &quot;OPERXVIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error %2</source>
        <comment>Error code is &quot;POSIT_ERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Wrong or missing slice expresion, stub %2</source>
        <comment>Error code is &quot;SLICEREQ&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Internal Errors (bibli)</name>
    <message>
        <source>%1Internal error: wrong expression %2</source>
        <comment>Error code is &quot;ANAEXPERR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1CASE overflow in the module %2</source>
        <comment>Error code is &quot;DEBORCASE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1RIBBON overflow %2</source>
        <comment>Error code is &quot;DEBORUBAN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Internal error in the function %2</source>
        <comment>Error code is &quot;ERRINTFCT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Error management module not initialized %2</source>
        <comment>Error code is &quot;ERRNONINI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Impossible to extract line number</source>
        <comment>Error code is &quot;EXTNUMIMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mismatch between the internal list and the TDC file %2</source>
        <comment>Error code is &quot;INCLISTDC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Mismatch between files .RIO and .TDC %2</source>
        <comment>Error code is &quot;INCTDCRIO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Internal error: lexical analyser not initialized %2</source>
        <comment>Error code is &quot;LEXNOTINI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too long error message %2</source>
        <comment>Error code is &quot;MESTROLON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined message for code number %1</source>
        <comment>Error code is &quot;NOMESSDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Exclamation mark missing in an error message %2</source>
        <comment>Error code is &quot;PTEXCLABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Ribbon not initialized %2</source>
        <comment>Error code is &quot;RUBNOTINI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Cannot convert string %2 into an integer value</source>
        <comment>Error code is &quot;TRFSTRINT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Warnings (bibli)</name>
    <message>
        <source>%1File %2 is not analysed</source>
        <comment>Error code is &quot;FILNOTANA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Integer too long for th size %2: the most significant bit are ignored</source>
        <comment>Error code is &quot;BITIGNORE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Empty STRUCTURE block %2</source>
        <comment>Error code is &quot;BLSTRVIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Empty ENVIRONMENT block %2</source>
        <comment>Error code is &quot;BLENVVIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Missing block %2</source>
        <comment>Error code is &quot;BLOC_ABST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The tested member of union %2 is not determined. The default tested member is the first member.</source>
        <comment>Error code is &quot;CHAMUNION&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Impossible to connect to %2: none control of the tables names and the fields names</source>
        <comment>Error code is &quot;CONNEXIMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Init value not allowed for %2 constant</source>
        <comment>Error code is &quot;CONSTINIT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 type conversion</source>
        <comment>Error code is &quot;CONVERTYP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too long constant %2: non registered</source>
        <comment>Error code is &quot;CSTTOLONG&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1To many exception in bloc: %2 ignored</source>
        <comment>Error code is &quot;DBL_EXCEP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1ELEMENT block %2 without any variables to edit</source>
        <comment>Error code is &quot;ELMT_VIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The &quot;-RO&quot; option is deprecated, export results in HTML from the &quot;File/Export&quot; menu within the User Interface. </source>
        <comment>Error code is &quot;ERRROOOPT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unkown %2 array size</source>
        <comment>Error code is &quot;ERTAILTAB&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The selected family does not exist in the programme</source>
        <comment>Error code is &quot;FAMI_INEX&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1File %2 already in the including files list</source>
        <comment>Error code is &quot;FICDEJAPR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Version field expected after HEADER keyword %2</source>
        <comment>Error code is &quot;FORMENTET&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Several FORMAT instructions for variable %2 </source>
        <comment>Error code is &quot;FORMREDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown ident %2</source>
        <comment>Error code is &quot;IDENTINCO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The file %2 does not exist </source>
        <comment>Error code is &quot;INCLINCON&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Inconsistent line in the RIO file %2</source>
        <comment>Error code is &quot;INCLIGRIO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Inconsistent line in the TDC file %2</source>
        <comment>Error code is &quot;INCLIGTDC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not a directory </source>
        <comment>Error code is &quot;INCLTYPER&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The instruction %2 is not unique</source>
        <comment>Error code is &quot;INCSEGDBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The directory %2 is invalid </source>
        <comment>Error code is &quot;INCL_INVA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1INCLUDE keyword with empty name in file: %2</source>
        <comment>Error code is &quot;INC_NVIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect loop index: %2</source>
        <comment>Error code is &quot;INDBOUINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Indexes of same arrays used differently: %2</source>
        <comment>Error code is &quot;INDTABDIF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The values of INIT and EV must be omitted concurrently %2</source>
        <comment>Error code is &quot;INVAOMISE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect value for VORNELAN environment variable: %2</source>
        <comment>Error code is &quot;LANSWITCH&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Undefined language %2</source>
        <comment>Error code is &quot;LANGANDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown language: %2</source>
        <comment>Error code is &quot;LANGATINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect line in constant file %2</source>
        <comment>Error code is &quot;LIGCSTINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Include line not processed: %2</source>
        <comment>Error code is &quot;LIGNTRAIT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect parameter list: %2</source>
        <comment>Error code is &quot;LISPARINC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Wrong place for the %2 keyword, ignored</source>
        <comment>Error code is &quot;MAL_PLACE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1invalid MIN and MAX values</source>
        <comment>Error code is &quot;MINMAXVAL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Version mismatch between HEADER and STRVER: %2</source>
        <comment>Error code is &quot;MISMNUVER&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 keyword only accepted with the ANALYSE option.</source>
        <comment>Error code is &quot;MOTCLEANA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Obsolete keyword %2</source>
        <comment>Error code is &quot;MOTCLEOBS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 keyword used more than once</source>
        <comment>Error code is &quot;MOTDOUBLE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1stub bloc defined in service bloc</source>
        <comment>Error code is &quot;MUETSERVI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Undefined stub %2. Use DEFINE STUB</source>
        <comment>Error code is &quot;MUETUNDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Too many calls for stub %2</source>
        <comment>Error code is &quot;NBAPPMUET&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect number of values in stub call: %2</source>
        <comment>Error code is &quot;NBVALMUET&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 logical name not defined</source>
        <comment>Error code is &quot;NOLOGIDEF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The family name is empty %2</source>
        <comment>Error code is &quot;NOMFAMVID&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 service used more than once in the program</source>
        <comment>Error code is &quot;NOMOPEDBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 test used more than once in the service</source>
        <comment>Error code is &quot;NOMTSTDBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Variable %2 overloads other variables in the same test</source>
        <comment>Error code is &quot;NOMVARDBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Option %2 not allowed with the selected INIT and EV values</source>
        <comment>Error code is &quot;NONAUTORI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Missing /SUB_SYSTEM option %2</source>
        <comment>Error code is &quot;NOSSYSTEM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Version number not found in the source program: %2</source>
        <comment>Error code is &quot;NUMVERABS&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Version number already found: %2</source>
        <comment>Error code is &quot;NUVER_DBL&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option CLASS is allowed only with C++ language %2</source>
        <comment>Error code is &quot;OPCLASSIMP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The options %2 are incompatible.</source>
        <comment>Error code is &quot;OPINCOMPA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option COMPARE=STRICT doesn&apos;t concern the test statement ARRAY.</source>
        <comment>Error code is &quot;CMPSTRINCTAB&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option COMPARE=STRICT doesn&apos;t concern the test statement STUB.</source>
        <comment>Error code is &quot;CMPSTRINCSTU&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The PORTRAIT and LANDSCAPE options are incompatible.</source>
        <comment>Error code is &quot;LANDPORT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The selected service %2 does not exist in the program</source>
        <comment>Error code is &quot;OPER_INEX&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No test in the service %2</source>
        <comment>Error code is &quot;OPER_VIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option DBMS is allowed only with CSQL language %2</source>
        <comment>Error code is &quot;OPSGBDINP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option.</source>
        <comment>Error code is &quot;OPTIONANA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option and C language</source>
        <comment>Error code is &quot;OPTCETANA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option %2 is only allowed with the ANALYSE option and C or C++ language</source>
        <comment>Error code is &quot;OPTCETCPP&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown parameter %2 in previous fonction declaration</source>
        <comment>Error code is &quot;PARINCDEC&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Pointer %2 not initialized; use &apos;INIT ==&apos;</source>
        <comment>Error code is &quot;POINOINIT&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Warning in the SEGMENT block: %2</source>
        <comment>Error code is &quot;SEGSTXWAR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Structure definition without name%2</source>
        <comment>Error code is &quot;STRUCTNOM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unknown keyword: %2</source>
        <comment>Error code is &quot;STXMETAIN&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Unit Test Report Generator execution completed with incorrect tests %2</source>
        <comment>Error code is &quot;TEST_ERRO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The selected test %2 does not exist in the program / See .LIS file</source>
        <comment>Error code is &quot;TEST_INEX&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No variables in the test %2</source>
        <comment>Error code is &quot;TEST_VIDE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The keyword END IF doesn&apos;t match with a keyword IF</source>
        <comment>Error code is &quot;TROPFINSI&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1type of variable %2 doens&apos;t match the original type</source>
        <comment>Error code is &quot;TYPENATIF&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1INIT, EV, MIN or MAX value type doesn&apos;t match the type of the tested variable %2</source>
        <comment>Error code is &quot;TYPEINCOM&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Uncompliance between the EV and the INIT values for the variable %2</source>
        <comment>Error code is &quot;VALINITVA&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No value passed in %2 stub call</source>
        <comment>Error code is &quot;VALOMIMUE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1A value has been omitted for %2 parameter</source>
        <comment>Error code is &quot;VALOMIPAR&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Incorrect return value: %2</source>
        <comment>Error code is &quot;VALRETMUE&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1No test generated for %2 variable</source>
        <comment>Error code is &quot;VARNOTEST&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1Signal %2 received</source>
        <comment>Error code is &quot;SIGNALPRO&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1The option %2 is obsolete : ignored</source>
        <comment>Error code is &quot;OPTOBSOLET&quot;</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
