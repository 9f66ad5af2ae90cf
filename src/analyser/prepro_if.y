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

%start input

%%

/* input -> expression */
input: expression                 { ctx.result = $1; }
     ;

/* expression -> conditional { "," conditional } */
expression: conditional
          | expression ',' conditional      { $$ = $3; }
          ;

/* conditional -> or [ "?" expression ":" conditional ] */
conditional: or
           | or '?' { ctx.skipUnless(truth($1)); } expression ':'
                    { ctx.resume(truth($1)); ctx.skipUnless(!truth($1)); } conditional
                    { ctx.resume(!truth($1)); $$ = choose($1, $4, $7); }
           ;

/* or -> and { "||" and } */
or: and
  | or "||" { ctx.skipUnless(!truth($1)); } and { ctx.resume(!truth($1)); $$ = logicalOr($1, $4); }
  ;

/* and -> bitor { "&&" bitor } */
and: bitor
   | and "&&" { ctx.skipUnless(truth($1)); } bitor { ctx.resume(truth($1)); $$ = logicalAnd($1, $4); }
   ;

bitor: bitxor
     | bitor '|' bitxor            { $$ = binary(ctx, '|', $1, $3); }
     ;

bitxor: bitand
      | bitxor '^' bitand          { $$ = binary(ctx, '^', $1, $3); }
      ;

bitand: equality
      | bitand '&' equality        { $$ = binary(ctx, '&', $1, $3); }
      ;

equality: relational
        | equality "==" relational { $$ = compare(OpEq, $1, $3); }
        | equality "!=" relational { $$ = compare(OpNe, $1, $3); }
        ;

relational: shift
          | relational '<' shift   { $$ = compare(OpLt, $1, $3); }
          | relational "<=" shift  { $$ = compare(OpLe, $1, $3); }
          | relational '>' shift   { $$ = compare(OpGt, $1, $3); }
          | relational ">=" shift  { $$ = compare(OpGe, $1, $3); }
          ;

shift: additive
     | shift "<<" additive         { $$ = shiftLeft($1, $3); }
     | shift ">>" additive         { $$ = shiftRight($1, $3); }
     ;

additive: multiplicative
        | additive '+' multiplicative { $$ = binary(ctx, '+', $1, $3); }
        | additive '-' multiplicative { $$ = binary(ctx, '-', $1, $3); }
        ;

multiplicative: unary
              | multiplicative '*' unary { $$ = binary(ctx, '*', $1, $3); }
              | multiplicative '/' unary { $$ = binary(ctx, '/', $1, $3); }
              | multiplicative '%' unary { $$ = binary(ctx, '%', $1, $3); }
              ;

/* unary -> { "-" | "+" | "!" | "~" } primary */
unary: primary
     | '-' unary                   { $$ = unaryOp('-', $2); }
     | '+' unary                   { $$ = $2; }
     | '!' unary                   { $$ = unaryOp('!', $2); }
     | '~' unary                   { $$ = unaryOp('~', $2); }
     ;

primary: NUMBER
       | '(' expression ')'        { $$ = $2; }
       ;

%%
