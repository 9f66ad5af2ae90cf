/* The declaration grammar: C declarations as the C subset of the C++
   declaration grammar. The scanner decides the context-dependent tokens
   (type names, collected array bounds, initialisers, enumerator values and
   bit-field widths, linkage blocks); every action calls one builder of
   builders_internal.h. Linkage blocks are flat items, so that a syntax error
   restarts the parse at the next declaration of any block. */
%define api.pure full
%define api.prefix {decl}
%define api.value.type {analyser::decl::DeclValue}
%param {analyser::decl::ParseContext& ctx}
%expect 0

%code requires {
#include "analyser/builders_internal.h"
}

%code {
using namespace analyser::decl;
int decllex(DECLSTYPE* value, ParseContext& ctx) { return scanToken(ctx, *value); }
void declerror(ParseContext& ctx, const char*) { syntaxError(ctx); }
}

%token IDENTIFIER TYPE_NAME CLASS_NAME TEMPLATE_NAME TEMPLATE_CLASS_NAME TYPE_MODIFIER
%token BASE_WORD TYPEOF STRING
%token TYPEDEF EXTERN STATIC AUTO REGISTER FRIEND OVERLOAD VIRTUAL INLINE THREAD_LOCAL
%token EXPLICIT MUTABLE CONSTEXPR
%token CONST VOLATILE RESTRICT
%token STRUCT UNION CLASS ENUM
%token PRIVATE PROTECTED PUBLIC
%token TEMPLATE NAMESPACE USING OPERATOR NEW DELETE THROW NOEXCEPT TYPENAME
%token STATIC_ASSERT LINKAGE_OPEN BLOCK_END
%token ARRAY_BOUND INITIALIZER ENUM_VALUE BIT_WIDTH
%token ELLIPSIS "..." SCOPE "::" ARROW "->" ARROW_STAR "->*" DOT_STAR ".*"
%token OTHER

%start translation_unit

%%

/* translation-unit -> {item} */
translation_unit: %empty
    | translation_unit external_item        { endOfItem(ctx); }
    ;

/* item -> declaration | function-definition | linkage-block-open | block-close | ";" */
external_item: declaration
    | function_definition
    | LINKAGE_OPEN                          { openLinkageBlock(ctx); }
    | BLOCK_END                             { closeBlock(ctx); }
    | STATIC_ASSERT ';'
    | ';'
    ;

/* declaration -> specifiers [init-declarator {"," init-declarator}] ";" */
declaration: declspecs_ts ';'               { declareSpecifiersOnly(ctx, $1.spec); }
    | init_declarators ';'
    ;

init_declarators: declspecs_ts declarator opt_initializer
                                            { $$.spec = declareNamed(ctx, $1.spec, $2.declarator, $3); }
    | init_declarators ',' declarator opt_initializer
                                            { $$.spec = declareNamed(ctx, $1.spec, $3.declarator, $4); }
    ;

opt_initializer: %empty                     { $$ = DeclValue{}; }
    | INITIALIZER
    ;

/* function-definition -> specifiers declarator {K&R-declaration} "{" body "}" */
function_definition: declspecs_ts declarator kr_declarations function_body
                                            { defineFunction(ctx, $1.spec, $2.declarator); }
    ;

kr_declarations: %empty                     { startKrDeclarations(ctx); }
    | kr_declarations kr_declarators ';'
    ;

kr_declarators: declspecs_ts declarator     { addKrDeclaration(ctx, $1.spec, $2.declarator); $$ = $1; }
    | kr_declarators ',' declarator         { addKrDeclaration(ctx, $1.spec, $3.declarator); $$ = $1; }
    ;

/* body -> "{" anything balanced "}" (skipped by the scanner) */
function_body: '{'                          { skipFunctionBody(ctx); }
      '}'
    ;

/* specifiers without a type: storage classes, function specifiers, qualifiers */
declspecs_nots: nots_word                   { $$.spec = newSpec(ctx, $1); addNotsWord(ctx, $$.spec, $1); }
    | declspecs_nots nots_word              { $$ = $1; addNotsWord(ctx, $$.spec, $2); }
    ;

/* specifiers with a type; a typedef name after the type is a declarator */
declspecs_ts: type_start                    { $$.spec = newSpec(ctx, $1); addTypeStart(ctx, $$.spec, $1); }
    | declspecs_nots type_start             { $$ = $1; addTypeStart(ctx, $$.spec, $2); }
    | declspecs_ts nots_word                { $$ = $1; addNotsWord(ctx, $$.spec, $2); }
    | declspecs_ts type_more                { $$ = $1; addTypeStart(ctx, $$.spec, $2); }
    ;

type_start: type_more
    | TYPE_NAME
    | CLASS_NAME
    ;

type_more: BASE_WORD
    | TYPEOF
    | struct_spec
    | enum_spec
    ;

nots_word: storage_word
    | qualifier
    ;

storage_word: TYPEDEF | EXTERN | STATIC | AUTO | REGISTER | FRIEND | OVERLOAD | VIRTUAL | INLINE
    | THREAD_LOCAL | EXPLICIT | MUTABLE | CONSTEXPR
    ;

qualifier: CONST | VOLATILE | RESTRICT | TYPE_MODIFIER
    ;

qualifiers_opt: %empty                      { $$ = DeclValue{}; }
    | qualifiers_opt qualifier              { $$ = $1; $$.qualifiers = addQualifier($1.qualifiers, $2); }
    ;

/* struct-or-union -> key [name] "{" {member} "}" | key name */
struct_spec: aggregate_head member_list '}' { $$ = endAggregate(ctx, $1); }
    | class_key tag_name                    { $$ = elaboratedTag(ctx, $1, $2); }
    ;

aggregate_head: class_key tag_name '{'      { $$ = $1; $$.aggregate = beginAggregate(ctx, $1, &$2); }
    | class_key '{'                         { $$ = $1; $$.aggregate = beginAggregate(ctx, $1, nullptr); }
    ;

class_key: STRUCT | UNION | CLASS
    ;

tag_name: IDENTIFIER | TYPE_NAME | CLASS_NAME
    ;

member_list: %empty
    | member_list member_declaration
    ;

/* member -> specifiers [member-declarator {"," member-declarator}] ";" */
member_declaration: declspecs_ts ';'        { declareSpecifiersOnly(ctx, $1.spec); }
    | member_declarators ';'
    | STATIC_ASSERT ';'
    | ';'
    ;

member_declarators: declspecs_ts member_declarator
                                            { $$.spec = declareMember(ctx, $1.spec, $2.declarator, $2); }
    | member_declarators ',' member_declarator
                                            { $$.spec = declareMember(ctx, $1.spec, $3.declarator, $3); }
    ;

/* member-declarator -> declarator [initialiser] | [declarator] ":" width */
member_declarator: declarator opt_initializer
                                            { $$ = $2; $$.declarator = $1.declarator; }
    | declarator BIT_WIDTH                  { $$ = $2; $$.declarator = $1.declarator; }
    | BIT_WIDTH                             { $$ = $1; $$.declarator = nullptr; }
    ;

/* enum -> "enum" [name] "{" [enumerator {"," enumerator} [","]] "}" | "enum" name */
enum_spec: enum_head enumerators '}'        { $$ = endEnum(ctx, $1); }
    | enum_head enumerators ',' '}'         { $$ = endEnum(ctx, $1); }
    | enum_head '}'                         { $$ = endEnum(ctx, $1); }
    | ENUM tag_name                         { $$ = elaboratedTag(ctx, $1, $2); }
    ;

enum_head: ENUM tag_name '{'                { $$ = $1; $$.aggregate = beginEnum(ctx, &$2); }
    | ENUM '{'                              { $$ = $1; $$.aggregate = beginEnum(ctx, nullptr); }
    ;

enumerators: enumerator
    | enumerators ',' enumerator
    ;

/* enumerator -> name ["=" constant-expression] */
enumerator: tag_name                        { addEnumerator(ctx, $1, nullptr); }
    | tag_name ENUM_VALUE                   { addEnumerator(ctx, $1, &$2); }
    ;

/* declarator -> {"*" qualifiers} direct-declarator */
declarator: direct_declarator
    | '*' qualifiers_opt declarator         { $$ = $3; $$.declarator = addPointer(ctx, $3.declarator, $2.qualifiers); }
    ;

/* direct-declarator -> name | "(" declarator ")" | direct-declarator ("[" bound "]" | "(" parameters ")") */
direct_declarator: tag_name                 { $$ = $1; $$.declarator = newDeclarator(ctx, $1); }
    | '(' declarator ')'                    { $$ = $2; }
    | direct_declarator ARRAY_BOUND         { $$ = $1; $$.declarator = addArray(ctx, $1.declarator, $2); }
    | direct_declarator '(' parameters_or_identifiers ')'
                                            { $$ = $1; $$.declarator = addFunction(ctx, $1.declarator, $3.prototype); }
    ;

/* parameters -> [parameter {"," parameter} ["," "..."]] | "..." */
parameters: %empty                          { $$.prototype = unspecifiedParameters(ctx); }
    | parameter_list                        { $$.prototype = closeParameters($1.prototype, false); }
    | parameter_list ',' "..."              { $$.prototype = closeParameters($1.prototype, true); }
    | "..."                                 { $$.prototype = closeParameters(newParameterList(ctx), true); }
    ;

parameters_or_identifiers: parameters
    | identifier_list                       { $$.prototype = closeParameters($1.prototype, false); }
    ;

identifier_list: IDENTIFIER                 { $$.prototype = addIdentifierParameter(ctx, newParameterList(ctx), $1); }
    | identifier_list ',' IDENTIFIER        { $$.prototype = addIdentifierParameter(ctx, $1.prototype, $3); }
    ;

parameter_list: parameter                   { $$.prototype = addParameter(ctx, newParameterList(ctx), $1.spec, $1.declarator); }
    | parameter_list ',' parameter          { $$.prototype = addParameter(ctx, $1.prototype, $3.spec, $3.declarator); }
    ;

/* parameter -> specifiers [declarator | abstract-declarator] */
parameter: declspecs_ts                     { $$.spec = $1.spec; $$.declarator = nullptr; }
    | declspecs_ts parameter_declarator     { $$.spec = $1.spec; $$.declarator = $2.declarator; }
    | declspecs_ts abstract_declarator      { $$.spec = $1.spec; $$.declarator = $2.declarator; }
    ;

/* A parameter's declarator: a typedef name is its name except right after
   "(", where it begins the parameters of an abstract function declarator. */
parameter_declarator: parameter_direct
    | '*' qualifiers_opt parameter_declarator
                                            { $$ = $3; $$.declarator = addPointer(ctx, $3.declarator, $2.qualifiers); }
    ;

parameter_direct: parameter_typename
    | parameter_plain
    ;

parameter_typename: TYPE_NAME               { $$ = $1; $$.declarator = newDeclarator(ctx, $1); }
    | CLASS_NAME                            { $$ = $1; $$.declarator = newDeclarator(ctx, $1); }
    | parameter_typename ARRAY_BOUND        { $$ = $1; $$.declarator = addArray(ctx, $1.declarator, $2); }
    | parameter_typename '(' parameters ')' { $$ = $1; $$.declarator = addFunction(ctx, $1.declarator, $3.prototype); }
    ;

parameter_plain: IDENTIFIER                 { $$ = $1; $$.declarator = newDeclarator(ctx, $1); }
    | '(' parameter_nested ')'              { $$ = $2; }
    | parameter_plain ARRAY_BOUND           { $$ = $1; $$.declarator = addArray(ctx, $1.declarator, $2); }
    | parameter_plain '(' parameters ')'    { $$ = $1; $$.declarator = addFunction(ctx, $1.declarator, $3.prototype); }
    ;

parameter_nested: parameter_plain
    | '*' qualifiers_opt parameter_declarator
                                            { $$ = $3; $$.declarator = addPointer(ctx, $3.declarator, $2.qualifiers); }
    ;

/* abstract-declarator -> "*" qualifiers [abstract-declarator] | direct-abstract-declarator */
abstract_declarator: '*' qualifiers_opt     { $$.declarator = addPointer(ctx, newDeclarator(ctx, DeclValue{}), $2.qualifiers); }
    | '*' qualifiers_opt abstract_declarator
                                            { $$ = $3; $$.declarator = addPointer(ctx, $3.declarator, $2.qualifiers); }
    | direct_abstract
    ;

direct_abstract: '(' abstract_declarator ')'
                                            { $$ = $2; }
    | direct_abstract ARRAY_BOUND           { $$ = $1; $$.declarator = addArray(ctx, $1.declarator, $2); }
    | direct_abstract '(' parameters ')'    { $$ = $1; $$.declarator = addFunction(ctx, $1.declarator, $3.prototype); }
    | ARRAY_BOUND                           { $$.declarator = addArray(ctx, newDeclarator(ctx, DeclValue{}), $1); }
    | '(' parameters ')'                    { $$.declarator = addFunction(ctx, newDeclarator(ctx, DeclValue{}), $2.prototype); }
    ;

%%
