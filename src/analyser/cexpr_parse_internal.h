// The expression parser's context, its scanner and the builders its
// grammar actions call.
#pragma once

#include "analyser/cexpr_internal.h"

#include <cstddef>
#include <string_view>

namespace analyser::expr {

// The offsets of the text a token or a rule spans.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;
};

struct ParseContext {
    Tree tree;
    std::size_t position = 0;  // the scanner's offset in tree.text
    bool afterTagWord = false; // "struct", "union", "enum", "class": a tag name follows
    int openBrackets = 0;      // "[" ... "]" open
    bool inRange = false;      // ".." seen inside the open brackets
    bool rangeJustClosed = false;  // the last token closed a range
    bool atEnd = false;            // the last token was the end of the text
    // What refuses the expression once it is read, in the order it is reported.
    bool assignment = false, comma = false, postIncrement = false, postDecrement = false;
    bool tooDeep = false;
    bool syntaxError = false, endOfText = false, badRange = false;
    int root = -1;
};

// The next token: its code, its node (identifiers, constants, strings, type
// words) and its span.
int nextToken(ParseContext& ctx, int& value, Span& span);

void syntaxError(ParseContext& ctx, const char* message);

int commaExpression(ParseContext& ctx, int left, int right, const Span& span);
int assignmentExpression(ParseContext& ctx, int left, int right, const Span& span);
int conditionalNode(ParseContext& ctx, int condition, int whenTrue, int whenFalse, const Span& span);
int binaryNode(ParseContext& ctx, const char* op, int left, int right, const Span& span);
int unaryNode(ParseContext& ctx, const char* op, int operand, const Span& span);
int castNode(ParseContext& ctx, int typeName, int operand, const Span& span);
int typeName(ParseContext& ctx, const Span& span);
int sizeofType(ParseContext& ctx, int typeName, const Span& span);
int indexNode(ParseContext& ctx, int array, int index, const Span& span);
int rangeIndexNode(ParseContext& ctx, int array, int low, int high, const Span& span);
int callNode(ParseContext& ctx, int function, int arguments, const Span& span);
int memberNode(ParseContext& ctx, int object, int member, bool arrow, const Span& span);
int postIncrement(ParseContext& ctx, int operand, bool increment, const Span& span);
int parenNode(ParseContext& ctx, int inner, const Span& span);
int joinStrings(ParseContext& ctx, int first, int second, const Span& span);
int startList(ParseContext& ctx, int item, const Span& span);
int addToList(ParseContext& ctx, int list, int item, const Span& span);
int closeList(ParseContext& ctx, int list, const Span& span);
int omittedNode(ParseContext& ctx, const Span& span);
int associationNode(ParseContext& ctx, int index, int value, const Span& span);
int rangeAssociation(ParseContext& ctx, int low, int high, int value, const Span& span);

// A new node spanning span, one deeper than its deepest operand.
int addNode(ParseContext& ctx, Node node, const Span& span);

}  // namespace analyser::expr
