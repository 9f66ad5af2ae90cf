// Trigraphs (but "??!"), digraphs, comments, strings and line joins.
??=define X 1
X ??( ??) ??< ??> ??' ??- a??!b
<: :> <% %> %:define Y 2
%:define Z 3
Y Z
"a<:b" /* comment
   spanning */ c // line comment
#define JOIN 1 + \
  2
JOIN __LINE__
"str\
ing" '\'' L"w" u8"u" R"x(raw "quoted")x"
std::vector<::std::string> a <: 1 :>
// expect-output: 1 [ ] { } ^ ~ a??!b [ ] { } #define Y 2 Y 3 "a<:b" c 1 + 2 11 "string" '\'' L"w" u8"u" R"x(raw "quoted")x" std::vector< ::std::string> a [ 1 ]
// expect-status: 0
