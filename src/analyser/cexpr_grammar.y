/* The expression grammar of test scripts: C++ expression syntax with the
   value lists of arrays and structures ("{v, k => v, a..b => v}") and index
   ranges ("t[1..3]"). Assignments, the comma operator and post-increments
   are parsed so that they can be refused by name. Every action calls one
   builder of cexpr_parse_internal.h. */
%define api.pure full
%define api.prefix {cexpr}
%define api.value.type {int}
%define api.location.type {analyser::expr::Span}
%locations
%param {analyser::expr::ParseContext& ctx}
%expect 0

%code requires {
#include "analyser/cexpr_parse_internal.h"
}

%code {
using namespace analyser::expr;
#define YYMAXDEPTH 2000
#define YYLLOC_DEFAULT(Current, Rhs, N)                                          \
    do {                                                                         \
        if (N) {                                                                 \
            (Current).begin = YYRHSLOC(Rhs, 1).begin;                            \
            (Current).end = YYRHSLOC(Rhs, N).end;                                \
        } else {                                                                 \
            (Current).begin = (Current).end = YYRHSLOC(Rhs, 0).end;              \
        }                                                                        \
    } while (0)
int cexprlex(CEXPRSTYPE* value, CEXPRLTYPE* location, ParseContext& ctx) {
    return nextToken(ctx, *value, *location);
}
void cexprerror(CEXPRLTYPE*, ParseContext& ctx, const char* message) { syntaxError(ctx, message); }
}

%token IDENTIFIER TYPE_WORD CONSTANT STRING SIZEOF
%token DOTDOT ".." ASSOC "=>" ARROW "->" INC "++" DEC "--" SHL "<<" SHR ">>"
%token LE "<=" GE ">=" EQ "==" NE "!=" ANDAND "&&" OROR "||" ASSIGN_OP

%left OROR
%left ANDAND
%left '|'
%left '^'
%left '&'
%left EQ NE
%left '<' '>' LE GE
%left SHL SHR
%left '+' '-'
%left '*' '/' '%'

%start whole

%%

whole: expression                           { ctx.root = $1; }
    ;

expression: assignment
    | expression ',' assignment             { $$ = commaExpression(ctx, $1, $3, @$); }
    ;

assignment: conditional
    | unary '=' assignment                  { $$ = assignmentExpression(ctx, $1, $3, @$); }
    | unary ASSIGN_OP assignment            { $$ = assignmentExpression(ctx, $1, $3, @$); }
    ;

conditional: binary
    | binary '?' expression ':' conditional { $$ = conditionalNode(ctx, $1, $3, $5, @$); }
    ;

binary: cast
    | binary OROR binary                    { $$ = binaryNode(ctx, "||", $1, $3, @$); }
    | binary ANDAND binary                  { $$ = binaryNode(ctx, "&&", $1, $3, @$); }
    | binary '|' binary                     { $$ = binaryNode(ctx, "|", $1, $3, @$); }
    | binary '^' binary                     { $$ = binaryNode(ctx, "^", $1, $3, @$); }
    | binary '&' binary                     { $$ = binaryNode(ctx, "&", $1, $3, @$); }
    | binary EQ binary                      { $$ = binaryNode(ctx, "==", $1, $3, @$); }
    | binary NE binary                      { $$ = binaryNode(ctx, "!=", $1, $3, @$); }
    | binary '<' binary                     { $$ = binaryNode(ctx, "<", $1, $3, @$); }
    | binary '>' binary                     { $$ = binaryNode(ctx, ">", $1, $3, @$); }
    | binary LE binary                      { $$ = binaryNode(ctx, "<=", $1, $3, @$); }
    | binary GE binary                      { $$ = binaryNode(ctx, ">=", $1, $3, @$); }
    | binary SHL binary                     { $$ = binaryNode(ctx, "<<", $1, $3, @$); }
    | binary SHR binary                     { $$ = binaryNode(ctx, ">>", $1, $3, @$); }
    | binary '+' binary                     { $$ = binaryNode(ctx, "+", $1, $3, @$); }
    | binary '-' binary                     { $$ = binaryNode(ctx, "-", $1, $3, @$); }
    | binary '*' binary                     { $$ = binaryNode(ctx, "*", $1, $3, @$); }
    | binary '/' binary                     { $$ = binaryNode(ctx, "/", $1, $3, @$); }
    | binary '%' binary                     { $$ = binaryNode(ctx, "%", $1, $3, @$); }
    ;

cast: unary
    | '(' type_name ')' cast                { $$ = castNode(ctx, $2, $4, @$); }
    ;

type_name: type_words                       { $$ = typeName(ctx, @$); }
    | type_words stars                      { $$ = typeName(ctx, @$); }
    ;

type_words: TYPE_WORD
    | type_words TYPE_WORD
    ;

stars: '*'
    | stars '*'
    | stars TYPE_WORD
    ;

unary: postfix
    | INC unary                             { $$ = unaryNode(ctx, "++", $2, @$); }
    | DEC unary                             { $$ = unaryNode(ctx, "--", $2, @$); }
    | '-' cast                              { $$ = unaryNode(ctx, "-", $2, @$); }
    | '+' cast                              { $$ = unaryNode(ctx, "+", $2, @$); }
    | '!' cast                              { $$ = unaryNode(ctx, "!", $2, @$); }
    | '~' cast                              { $$ = unaryNode(ctx, "~", $2, @$); }
    | '*' cast                              { $$ = unaryNode(ctx, "*", $2, @$); }
    | '&' cast                              { $$ = unaryNode(ctx, "&", $2, @$); }
    | SIZEOF unary                          { $$ = unaryNode(ctx, "sizeof ", $2, @$); }
    | SIZEOF '(' type_name ')'              { $$ = sizeofType(ctx, $3, @$); }
    ;

postfix: primary
    | postfix '[' expression ']'            { $$ = indexNode(ctx, $1, $3, @$); }
    | postfix '[' binary ".." binary ']'    { $$ = rangeIndexNode(ctx, $1, $3, $5, @$); }
    | postfix '(' ')'                       { $$ = callNode(ctx, $1, -1, @$); }
    | postfix '(' arguments ')'             { $$ = callNode(ctx, $1, $3, @$); }
    | postfix '.' IDENTIFIER                { $$ = memberNode(ctx, $1, $3, false, @$); }
    | postfix "->" IDENTIFIER               { $$ = memberNode(ctx, $1, $3, true, @$); }
    | postfix INC                           { $$ = postIncrement(ctx, $1, true, @$); }
    | postfix DEC                           { $$ = postIncrement(ctx, $1, false, @$); }
    ;

arguments: assignment                       { $$ = startList(ctx, $1, @$); }
    | arguments ',' assignment              { $$ = addToList(ctx, $1, $3, @$); }
    ;

primary: IDENTIFIER
    | CONSTANT
    | strings
    | '(' expression ')'                    { $$ = parenNode(ctx, $2, @$); }
    | '{' list_items '}'                    { $$ = closeList(ctx, $2, @$); }
    | '[' list_items ']'                    { $$ = closeList(ctx, $2, @$); }
    ;

strings: STRING
    | strings STRING                        { $$ = joinStrings(ctx, $1, $2, @$); }
    ;

list_items: list_item                       { $$ = startList(ctx, $1, @$); }
    | list_items ',' list_item              { $$ = addToList(ctx, $1, $3, @$); }
    ;

list_item: %empty                           { $$ = omittedNode(ctx, @$); }
    | assignment
    | binary "=>" assignment                { $$ = associationNode(ctx, $1, $3, @$); }
    | binary ".." binary "=>" assignment    { $$ = rangeAssociation(ctx, $1, $3, $5, @$); }
    ;

%%
