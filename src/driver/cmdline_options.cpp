// Analysis of the expanded arguments against the descriptor table: options by
// unambiguous prefix, their values, positionals, defaults and forbidden pairs.
#include "driver/cmdline_options.h"

#include <algorithm>
#include <climits>

namespace driver::options {

namespace {

char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Length of the common front of text and name, letters compared without case.
std::size_t commonPrefix(std::string_view text, std::string_view name) {
    std::size_t n = 0;
    while (n < text.size() && n < name.size() && upper(text[n]) == upper(name[n])) ++n;
    return n;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && commonPrefix(a, b) == a.size();
}

// The option chosen for an option text, and how many share its length.
struct Match {
    int option = -1;
    bool negated = false;
    std::size_t length = 0;
    int candidates = 0;
};

void consider(Match& best, int option, bool negated, std::size_t length) {
    if (length == 0 || length < best.length) return;
    if (length > best.length) {
        best = {option, negated, length, 1};
        return;
    }
    ++best.candidates;
}

// key is the option text up to its "=". A whole name selects its option at
// once; otherwise the longest common prefix decides.
Match matchOption(std::span<const OptionDescriptor> options, std::string_view key) {
    Match best;
    for (int i = 0; i < static_cast<int>(options.size()); ++i) {
        const std::string positive = options[i].englishName;
        for (const bool negated : {false, true}) {
            if (negated && !options[i].negatable) continue;
            const std::string name = negated ? "NO" + positive : positive;
            const std::size_t length = commonPrefix(key, name);
            if (length == name.size() && length == key.size()) return {i, negated, length, 1};
            consider(best, i, negated, length);
        }
    }
    return best;
}

std::optional<int> checkLength(std::size_t length, std::size_t minimum, std::size_t maximum) {
    if (length < minimum) return kLengthTooSmall;
    if (length > maximum) return kLengthTooLarge;
    return std::nullopt;
}

// An optional "-" and decimal digits, within the range; piece becomes the
// number's plain decimal image.
std::optional<int> checkNumber(const ArgumentDescriptor& argument, std::string& piece) {
    std::string_view digits = piece;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative) digits.remove_prefix(1);
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(),
                                       [](char c) { return c >= '0' && c <= '9'; }))
        return kUnknownValue;
    long value = 0;
    for (const char c : digits) {
        if (value > (LONG_MAX - (c - '0')) / 10) return negative ? kValueTooSmall : kValueTooLarge;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < argument.minimum) return kValueTooSmall;
    if (value > argument.maximum) return kValueTooLarge;
    piece = std::to_string(value);
    return std::nullopt;
}

// A whole value wins; otherwise an unambiguous prefix. piece becomes the
// value as the enumeration writes it.
std::optional<int> checkEnumeration(const ArgumentDescriptor& argument, std::string& piece) {
    int found = -1;
    int count = 0;
    for (int i = 0; i < static_cast<int>(argument.enumeration.size()); ++i) {
        const std::string_view allowed = argument.enumeration[i];
        if (equalIgnoringCase(piece, allowed)) {
            piece = allowed;
            return std::nullopt;
        }
        if (commonPrefix(piece, allowed) == piece.size()) {
            found = i;
            ++count;
        }
    }
    if (count == 0) return kUnknownValue;
    if (count > 1) return kAmbiguousValue;
    piece = argument.enumeration[found];
    return std::nullopt;
}

std::optional<int> checkValue(const ArgumentDescriptor& argument, std::string& piece) {
    if (auto error = checkLength(piece.size(), argument.minimumLength, argument.maximumLength))
        return error;
    switch (argument.kind) {
    case ValueKind::kText: return std::nullopt;
    case ValueKind::kNumber: return checkNumber(argument, piece);
    case ValueKind::kEnumeration: return checkEnumeration(argument, piece);
    }
    return std::nullopt;
}

// Splits value at "," and appends each checked piece.
std::optional<int> addValues(const ArgumentDescriptor& argument, std::string_view value,
                             std::vector<std::string>& values) {
    while (true) {
        const std::size_t comma = value.find(',');
        std::string piece(value.substr(0, comma));
        if (auto error = checkValue(argument, piece)) return error;
        values.push_back(std::move(piece));
        if (comma == std::string_view::npos) return std::nullopt;
        value.remove_prefix(comma + 1);
    }
}

// "-text": text is the argument after its "-".
std::optional<Error> analyseOption(Analysis& result, std::string_view text) {
    const auto refuse = [text](int index) { return Error{index, std::string(text)}; };
    const auto& options = result.table->options;
    const Match match = matchOption(options, text.substr(0, text.find('=')));
    if (match.option < 0) return refuse(kUnknownOption);
    if (match.candidates > 1) return refuse(kAmbiguousOption);
    if (match.length < text.size() && text[match.length] != '=') return refuse(kInvalidCharacter);
    const OptionDescriptor& option = options[match.option];
    OptionState& state = result.states[match.option];
    const bool listAllowed = option.argument && option.argument->list;
    if (state != kNotGiven && !listAllowed) return refuse(kUsedTwice);
    state = match.negated ? kNegated : kGiven;
    const bool hasValue = match.length < text.size();
    const ArgumentDescriptor* argument = match.negated ? nullptr : option.argument;
    if (!argument) return hasValue ? std::optional(refuse(kNoArgument)) : std::nullopt;
    const std::string_view value = hasValue ? text.substr(match.length + 1) : std::string_view();
    if (value.empty()) return refuse(kMandatoryArgument);
    if (!argument->list && value.find(',') != std::string_view::npos) return refuse(kListForbiddenOption);
    if (auto error = addValues(*argument, value, result.values[match.option])) return refuse(*error);
    return std::nullopt;
}

// Once every slot is used, further values are offered to the last one.
std::optional<Error> analysePositional(Analysis& result, std::size_t& nextSlot,
                                       const std::string& value) {
    const auto& slots = result.table->positionals;
    if (slots.empty()) return Error{kTooManyArguments, value};
    const std::size_t slot = std::min(nextSlot, slots.size() - 1);
    const PositionalDescriptor& descriptor = slots[slot];
    auto& values = result.positionals[slot];
    if (!values.empty() && !descriptor.list) return Error{kTooManyArguments, value};
    if (!descriptor.list && value.find(',') != std::string::npos)
        return Error{kListForbiddenArgument, value};
    const ArgumentDescriptor pieces{descriptor.englishName, descriptor.list,
                                    descriptor.minimumLength, descriptor.maximumLength};
    if (auto error = addValues(pieces, value, values)) return Error{*error, value};
    ++nextSlot;
    return std::nullopt;
}

// Defaults of the options the command left out.
void applyDefaults(Analysis& result) {
    const auto& options = result.table->options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        OptionState& state = result.states[i];
        const ArgumentDescriptor* argument = options[i].argument;
        if (state == kNotGiven && argument && argument->kind == ValueKind::kEnumeration &&
            argument->defaultIndex >= 0 && result.values[i].empty())
            result.values[i].emplace_back(argument->enumeration[argument->defaultIndex]);
        if (state == kNotGiven && options[i].defaultOn) state = kGiven;
        if (state == kNotGiven && options[i].negatable) state = kNegated;
    }
}

std::optional<Error> checkForbiddenPairs(const Analysis& result) {
    for (const ForbiddenPair& pair : result.table->forbiddenPairs) {
        const int first = result.optionIndex(pair.first);
        const int second = result.optionIndex(pair.second);
        if (first < 0) return Error{kBadOptionName, pair.first};
        if (second < 0) return Error{kBadOptionName, pair.second};
        if (result.states[first] == kGiven && result.states[second] == kGiven)
            return Error{kIllegalCombination, std::string(result.table->options[first].englishName) +
                                                  " and " + result.table->options[second].englishName};
    }
    return std::nullopt;
}

std::optional<Error> finish(Analysis& result) {
    const auto& slots = result.table->positionals;
    for (std::size_t i = 0; i < slots.size(); ++i)
        if (!slots[i].optional && result.positionals[i].empty())
            return Error{kArgumentMissing, slots[i].englishName};
    applyDefaults(result);
    return checkForbiddenPairs(result);
}

}  // namespace

Analysis::Analysis(const CommandTable& commandTable)
    : table(&commandTable),
      states(commandTable.options.size(), kNotGiven),
      values(commandTable.options.size()),
      positionals(commandTable.positionals.size()) {}

int Analysis::optionIndex(std::string_view name) const {
    if (!name.empty() && name.front() == '-') name.remove_prefix(1);
    for (std::size_t i = 0; i < table->options.size(); ++i)
        if (equalIgnoringCase(name, table->options[i].englishName)) return static_cast<int>(i);
    return -1;
}

namespace {

std::size_t checkedIndex(const Analysis& result, std::string_view name) {
    const int index = result.optionIndex(name);
    if (index < 0) fail(*result.table, Error{kBadOptionName, std::string(name)});
    return static_cast<std::size_t>(index);
}

}  // namespace

bool Analysis::given(std::string_view name) const { return state(name) == kGiven; }

OptionState Analysis::state(std::string_view name) const { return states[checkedIndex(*this, name)]; }

const std::vector<std::string>& Analysis::valuesOf(std::string_view name) const {
    return values[checkedIndex(*this, name)];
}

std::string Analysis::value(std::string_view name, std::size_t n) const {
    const auto& found = valuesOf(name);
    return n < found.size() ? found[n] : std::string();
}

std::string Analysis::positional(std::size_t slot, std::size_t n) const {
    if (slot >= positionals.size() || n >= positionals[slot].size()) return {};
    return positionals[slot][n];
}

std::optional<Error> analyse(std::span<const std::string> arguments, Analysis& result) {
    std::size_t nextSlot = 0;
    for (const std::string& argument : arguments) {
        auto error = !argument.empty() && argument.front() == '-'
                         ? analyseOption(result, std::string_view(argument).substr(1))
                         : analysePositional(result, nextSlot, argument);
        if (error) return error;
    }
    return finish(result);
}

}  // namespace driver::options
