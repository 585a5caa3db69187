#pragma once
// Deterministic input mutation for the robustness tests: a seeded
// std::mt19937 and the damage untrusted files and replies suffer in
// practice - flipped and replaced bytes, truncation, extension, inserted
// separators, quotes and percent conversions, very long lines, invalid
// UTF-8, duplicated and removed spans, and length-like words overwritten
// with boundary values. The same seed always gives the same inputs, so a
// failure names the seed and iteration that reproduce it.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

// Iteration counts are sized for the default test run; QAV_MUTATION_SCALE=N
// multiplies them for a longer search (same seeds, more of them).
inline int scaled(int iterations)
{
    const char* s = std::getenv("QAV_MUTATION_SCALE");
    const int factor = s ? std::atoi(s) : 1;
    return iterations * (factor > 0 ? factor : 1);
}

class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : rng_(seed) {}

    std::mt19937& rng() { return rng_; }
    std::size_t below(std::size_t n) { return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool chance(unsigned percent) { return below(100) < percent; }
    std::uint8_t byte() { return static_cast<std::uint8_t>(below(256)); }

    // Applies 1 to `maxSteps` random mutations.
    std::string mutate(std::string s, int maxSteps = 4)
    {
        const int steps = 1 + static_cast<int>(below(static_cast<std::size_t>(maxSteps)));
        for (int i = 0; i < steps; ++i) s = step(std::move(s));
        return s;
    }

    // One mutation.
    std::string step(std::string s)
    {
        switch (below(11)) {
        case 0:  // flip bits of a few bytes
            for (std::size_t n = 1 + below(8); n > 0 && !s.empty(); --n)
                s[below(s.size())] ^= static_cast<char>(1u << below(8));
            break;
        case 1:  // replace a few bytes
            for (std::size_t n = 1 + below(8); n > 0 && !s.empty(); --n) s[below(s.size())] = static_cast<char>(byte());
            break;
        case 2:  // truncate
            s.resize(below(s.size() + 1));
            break;
        case 3:  // extend with random bytes
            for (std::size_t n = 1 + below(64); n > 0; --n) s += static_cast<char>(byte());
            break;
        case 4:  // insert a separator, quote or conversion
            s.insert(below(s.size() + 1), std::string(pick(kTokens)));
            break;
        case 5:  // insert a very long line
            s.insert(below(s.size() + 1), longLine());
            break;
        case 6:  // insert invalid UTF-8
            s.insert(below(s.size() + 1), std::string(pick(kBadUtf8)));
            break;
        case 7: {  // duplicate a span
            if (s.empty()) break;
            const std::size_t at = below(s.size());
            const std::string span = s.substr(at, 1 + below(64));
            s.insert(below(s.size() + 1), span);
            break;
        }
        case 8:  // remove a span
            if (!s.empty()) s.erase(below(s.size()), 1 + below(64));
            break;
        case 9:  // a 32-bit boundary value, little-endian, over any four bytes
            if (s.size() >= 4) {
                const std::uint32_t v = pick(kBoundaryWords);
                const std::size_t at = below(s.size() - 3);
                for (int b = 0; b < 4; ++b) s[at + static_cast<std::size_t>(b)] = static_cast<char>(v >> (8 * b));
            }
            break;
        default:  // a digit run, so numbers overflow
            s.insert(below(s.size() + 1), std::string(1 + below(30), static_cast<char>('0' + below(10))));
            break;
        }
        return s;
    }

    std::string longLine()
    {
        static constexpr char kFill[] = "A9%;:.,=-";
        return std::string(1000 + below(40000), kFill[below(sizeof kFill - 1)]);
    }

    template <class T, std::size_t N>
    T pick(const std::array<T, N>& from)
    {
        return from[below(N)];
    }

    static constexpr std::array<std::string_view, 32> kTokens = {
        "\n", "\r\n", "\r", "[", "]", "[Setting]\n", "=", "==", ";", ";;", ":", "::", ",", ".", "\"", "'",
        "%", "%%", "%s", "%d", "%n", "%99999d", "%.*f", "%-300.300s", "%lld", "%c", "&", "(", std::string_view("\0", 1),
        "\t", " = ", "-"};
    static constexpr std::array<std::string_view, 8> kBadUtf8 = {
        "\xC3", "\xE5\x8F", "\xFF\xFE", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC0\xAF", "\x80\x80\x80", "\xF0"};
    static constexpr std::array<std::uint32_t, 12> kBoundaryWords = {
        0u, 1u, 0xFFu, 0xFFFFu, 8191u, 8192u, 8193u, 0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 0xFFFFFFF0u, 0x01000000u};

private:
    std::mt19937 rng_;
};
