// Folding rate of the script expression evaluator: 1,000,000 random constant
// expressions are parsed and folded, and the same arithmetic is replayed on
// the 168-bit integers alone and on __int128, in the same run. Rates are
// reported with their ratios to the __int128 reference; every result is
// checked against it.
#include "values/expressions.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kExpressionCount = 1'000'000;

// One expression as text and as a postfix program for the replays.
struct Step {
    char op;  // 0 for a constant
    std::int64_t constant;
};

struct Sample {
    std::string text;
    std::vector<Step> program;
};

// expression -> term {("+" | "-") term}; term -> factor [("*" | "/") factor];
// factor -> constant | "(" expression ")", two levels deep. Constants stay
// below 2^12, so every value fits in __int128 (below 2^110).
class Generator {
public:
    explicit Generator(std::uint64_t seed) : rng_(seed) {}

    Sample next() {
        Sample sample;
        expression(sample, 2);
        return sample;
    }

private:
    void constant(Sample& s, bool nonZero) {
        std::int64_t value = static_cast<std::int64_t>(rng_() % (1 << 12));
        if (nonZero && value == 0) value = 7;
        s.text += std::to_string(value);
        s.program.push_back({0, value});
    }

    void factor(Sample& s, int depth) {
        if (depth > 0 && rng_() % 3 == 0) {
            s.text += '(';
            expression(s, depth - 1);
            s.text += ')';
        } else {
            constant(s, false);
        }
    }

    void term(Sample& s, int depth) {
        factor(s, depth);
        if (rng_() % 2 == 0) return;
        const char op = rng_() % 2 == 0 ? '*' : '/';
        s.text += op;
        if (op == '/') constant(s, true);  // never a zero divisor
        else factor(s, depth);
        s.program.push_back({op, 0});
    }

    void expression(Sample& s, int depth) {
        term(s, depth);
        const int more = static_cast<int>(rng_() % 3);
        for (int i = 0; i < more; ++i) {
            const char op = rng_() % 2 == 0 ? '+' : '-';
            s.text += op;
            term(s, depth);
            s.program.push_back({op, 0});
        }
    }

    std::mt19937_64 rng_;
};

__int128 int128From(std::int64_t v) { return v; }
values::Integer integerFrom(std::int64_t v) { return values::Integer::fromInt64(v); }

__int128 applyInt128(char op, __int128 a, __int128 b) {
    switch (op) {
    case '+': return a + b;
    case '-': return a - b;
    case '*': return a * b;
    default: return a / b;
    }
}

values::Integer applyInteger(char op, const values::Integer& a, const values::Integer& b) {
    switch (op) {
    case '+': return *values::add(a, b);
    case '-': return *values::subtract(a, b);
    case '*': return *values::multiply(a, b);
    default: return *values::divide(a, b);
    }
}

// Postfix replay with an explicit stack.
template <typename Number, typename Apply>
Number run(const std::vector<Step>& program, Apply apply, Number (*make)(std::int64_t), std::vector<Number>& stack) {
    stack.clear();
    for (const Step& step : program) {
        if (step.op == 0) {
            stack.push_back(make(step.constant));
            continue;
        }
        const Number right = stack.back();
        stack.pop_back();
        stack.back() = apply(step.op, stack.back(), right);
    }
    return stack.back();
}

values::Integer integerFrom128(__int128 v) {
    const auto low = static_cast<std::uint64_t>(v);
    const auto high = static_cast<std::uint64_t>(v >> 64);
    return values::Integer::fromLimbs({low, high, v < 0 ? ~std::uint64_t{0} : 0});
}

double seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
    Generator generator(20240611);
    std::vector<Sample> samples;
    samples.reserve(kExpressionCount);
    for (int i = 0; i < kExpressionCount; ++i) samples.push_back(generator.next());

    const values::Dialect dialect{6, 2};

    std::vector<__int128> reference(samples.size());
    std::vector<__int128> stack128;
    auto start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < samples.size(); ++i)
        reference[i] = run<__int128>(samples[i].program, applyInt128, int128From, stack128);
    const double int128Time = seconds(start);

    std::vector<values::Integer> stackInteger;
    std::size_t mismatches = 0;
    start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const values::Integer r = run<values::Integer>(samples[i].program, applyInteger, integerFrom, stackInteger);
        if (!(r == integerFrom128(reference[i]))) ++mismatches;
    }
    const double integerTime = seconds(start);

    start = std::chrono::steady_clock::now();
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const values::Value v = values::evaluate(samples[i].text, dialect);
        if (v.kind != values::ValueKind::Integer || !(v.integer == integerFrom128(reference[i])))
            ++mismatches;
    }
    const double foldTime = seconds(start);

    const auto rate = [](double t) { return kExpressionCount / t / 1e6; };
    std::printf("expressions: %d (seed 20240611), mismatches: %zu\n", kExpressionCount, mismatches);
    std::printf("%-38s %8.2f M expr/s  ratio 1.00\n", "__int128 arithmetic (reference)", rate(int128Time));
    std::printf("%-38s %8.2f M expr/s  ratio %.2f\n", "168-bit arithmetic", rate(integerTime),
                integerTime / int128Time);
    std::printf("%-38s %8.2f M expr/s  ratio %.2f\n", "parse and fold (evaluate)", rate(foldTime),
                foldTime / int128Time);
    return mismatches == 0 ? 0 : 1;
}
