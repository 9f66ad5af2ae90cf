// Shared by the "#if" grammar and its evaluator only: values, the parse
// context and the builders the grammar rules call.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace analyser::prepro {

// Trivial, so that the parser's value stack is not filled on every parse.
struct IfValue {
    std::int64_t value;
    bool isUnsigned;
};

struct IfToken {
    int code = 0;  // a bison token number or the character itself
    IfValue value{};
    std::string_view text;
    bool leadingSpace = false;
};

struct IfContext {
    const std::vector<IfToken>* tokens = nullptr;
    std::size_t position = 0;  // tokens handed to the parser so far
    std::size_t limit = 0;     // the parser sees the end here
    int skipping = 0;          // inside an operand that is not evaluated
    bool quiet = false;        // no diagnostics (trial parses)
    bool syntaxError = false;
    bool divisionByZero = false;
    std::string_view directive;
    IfValue result{};

    void skipUnless(bool evaluated) { skipping += evaluated ? 0 : 1; }
    void resume(bool evaluated) { skipping -= evaluated ? 0 : 1; }
};

enum CompareOp { OpEq, OpNe, OpLt, OpLe, OpGt, OpGe };

bool truth(const IfValue& v);
IfValue choose(const IfValue& condition, const IfValue& a, const IfValue& b);
IfValue logicalOr(const IfValue& a, const IfValue& b);
IfValue logicalAnd(const IfValue& a, const IfValue& b);
IfValue binary(IfContext& ctx, char op, const IfValue& a, const IfValue& b);
IfValue compare(CompareOp op, const IfValue& a, const IfValue& b);
IfValue shiftLeft(const IfValue& a, const IfValue& b);
IfValue shiftRight(const IfValue& a, const IfValue& b);
IfValue unaryOp(char op, const IfValue& a);

}  // namespace analyser::prepro
