<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CAB</name>
    <message>
        <source>Arg value too small,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arg value too large,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arg length too small,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arg length too large,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many arguments invalid argument,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List forbidden invalid argument,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid character following option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An option can&apos;t be used twice,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mandatory argument for this option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No argument for this option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List forbidden invalid option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Argument missing,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambiguous option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown value of option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ambiguous value of option,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illegal combination of command elements,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command analysis: No memory left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error, bad option name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Command-line</name>
    <message>
        <source>
Usage vorneprepro :
	&lt;test_script_file&gt;
	&lt;generated_file&gt;
	&lt;rep_file_rio&gt;
	[-LANGUAGE=&lt;language_name&gt;]
	[-VERSION=&lt;version_nb&gt;]
	[-TARGET=&lt;target_name&gt;]
	[-OPERATION=&lt;operation_name&gt;[,operation_name]]
	[-SERVICE=&lt;service_name&gt;[,service_name]]
	[-TEST=&lt;test_name&gt;[,test_name]]
	[-FAMILY=&lt;family_name&gt;[,family_name]]
	[-EXOPERATION=&lt;exoperation_name&gt;[,exoperation_name]]
	[-EXSERVICE=&lt;exservice_name&gt;[,exservice_name]]
	[-EXTEST=&lt;extest_name&gt;[,extest_name]]
	[-EXFAMILY=&lt;exfamily_name&gt;[,exfamily_name]]
	[-INCL=&lt;directory&gt;[,directory]]
	[-DEFINE=&lt;identifier&gt;[,identifier]]
	[-NOSIMULATION]
	[-NOEDIT]
	[-CONST=&lt;const_file&gt;]
	[-SOURCE=&lt;source_file&gt;]
	[-COMMAND|-NOCOMMAND=&lt;command&gt;]
	[-STRVER|-NOSTRVER=&lt;strvers&gt;]
	[-RESTRICTION=&lt;ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP&gt;[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]
	[-SYSCOMP=&lt;NT|DOS|OS2|VMS|UNIX&gt;]
	[-SUB_SYSTEM|-NOSUB_SYSTEM]
	[-SYSTEM|-NOSYSTEM]
	[-SS|-NOSS]
	[-FAST|-NOFAST]
	[-EXPAND|-NOEXPAND]
	[-COMPRESS|-NOCOMPRESS]
	[-CLASS=&lt;class_name&gt;]
	[-DBMS=&lt;dbms_name&gt;]
	[-DATA=&lt;data_file&gt;]
	[-LEARN|-NOLEARN]
	[-NOANALYZE]
	[-NOPATH]
	[-STD_DEFINE=&lt;define_file&gt;]
	[-RENAME=&lt;rename_file&gt;]
	[-SYMBTAB=&lt;symbtab_file&gt;]
	[-ADALINK=&lt;adalink_file&gt;]
	[-STANDARD=&lt;standard_file&gt;]
	[-GLENTO_LOG=&lt;glento_log_file&gt;]
	[-RIONAME=&lt;rio_file&gt;]
	[-WITHSEPARATE]
	[-TSF=&lt;tsf_file&gt;]
	[-XT=&lt;level&gt;[,level]]
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Warning Parameter</name>
    <message>
        <source>improper RESTR=KR option</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
