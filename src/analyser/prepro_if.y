/* The "#if" expression grammar: signed 64-bit values with an unsigned mark.
   Each rule hands its operands to one builder of prepro_ifexpr.h. */
%define api.pure full
%define api.prefix {ppif}
%define api.value.type {analyser::prepro::IfValue}
%param {analyser::prepro::IfContext& ctx}

%code requires {
#include "analyser/prepro_ifexpr.h"
}

%code {
using namespace analyser::prepro;
int ppiflex(PPIFSTYPE* value, analyser::prepro::IfContext& ctx);
void ppiferror(analyser::prepro::IfContext& ctx, const char* message);
}

%token NUMBER INVALID
%token OROR "||" ANDAND "&&" EQ "==" NE "!=" LE "<=" GE ">=" LSHIFT "<<" RSHIFT ">>"

/* Lowest to highest. */
%left ','
%right '?' ':'
%left "||"
%left "&&"
%left '|'
%left '^'
%left '&'
%left "==" "!="
%left '<' "<=" '>' ">="
%left "<<" ">>"
%left '+' '-'
%left '*' '/' '%'
%precedence UNARY

%start input

%%

/* input -> expr */
input: expr                       { ctx.result = $1; }
     ;

/* expr -> operand | expr binary-operator expr | unary-operator expr
           | expr "?" expr ":" expr | "(" expr ")" */
expr: NUMBER
    | '(' expr ')'                { $$ = $2; }
    | '-' expr %prec UNARY        { $$ = unaryOp('-', $2); }
    | '+' expr %prec UNARY        { $$ = $2; }
    | '!' expr %prec UNARY        { $$ = unaryOp('!', $2); }
    | '~' expr %prec UNARY        { $$ = unaryOp('~', $2); }
    | expr '*' expr               { $$ = binary(ctx, '*', $1, $3); }
    | expr '/' expr               { $$ = binary(ctx, '/', $1, $3); }
    | expr '%' expr               { $$ = binary(ctx, '%', $1, $3); }
    | expr '+' expr               { $$ = binary(ctx, '+', $1, $3); }
    | expr '-' expr               { $$ = binary(ctx, '-', $1, $3); }
    | expr "<<" expr              { $$ = shiftLeft($1, $3); }
    | expr ">>" expr              { $$ = shiftRight($1, $3); }
    | expr '<' expr               { $$ = compare(OpLt, $1, $3); }
    | expr "<=" expr              { $$ = compare(OpLe, $1, $3); }
    | expr '>' expr               { $$ = compare(OpGt, $1, $3); }
    | expr ">=" expr              { $$ = compare(OpGe, $1, $3); }
    | expr "==" expr              { $$ = compare(OpEq, $1, $3); }
    | expr "!=" expr              { $$ = compare(OpNe, $1, $3); }
    | expr '&' expr               { $$ = binary(ctx, '&', $1, $3); }
    | expr '^' expr               { $$ = binary(ctx, '^', $1, $3); }
    | expr '|' expr               { $$ = binary(ctx, '|', $1, $3); }
    | expr "&&" { ctx.skipUnless(truth($1)); } expr
                                  { ctx.resume(truth($1)); $$ = logicalAnd($1, $4); }
    | expr "||" { ctx.skipUnless(!truth($1)); } expr
                                  { ctx.resume(!truth($1)); $$ = logicalOr($1, $4); }
    | expr '?' { ctx.skipUnless(truth($1)); } expr ':'
               { ctx.resume(truth($1)); ctx.skipUnless(!truth($1)); } expr
                                  { ctx.resume(!truth($1)); $$ = choose($1, $4, $7); }
    | expr ',' expr               { $$ = $3; }
    ;

%%
