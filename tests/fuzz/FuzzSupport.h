#pragma once
// What every fuzz target shares: the check that reports a broken
// invariant, a reader that takes the input apart into choices, and a
// scratch folder for the files a target has to hand over by path.
//
// A target takes arbitrary bytes and must neither crash nor break the
// invariant it checks. The libFuzzer programs call it from
// LLVMFuzzerTestOneInput and abort on a broken check, so the input is
// kept; the replay test of the ordinary suite feeds it the kept inputs and
// records a broken check as a test failure.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Called by FUZZ_CHECK; the libFuzzer programs and the replay test each
// provide it.
void fuzzCheckFailed(const char* condition, const char* file, int line);

#define FUZZ_CHECK(cond)                                              \
    do {                                                              \
        if (!(cond)) fuzzCheckFailed(#cond, __FILE__, __LINE__);      \
    } while (0)

// Takes the input apart front to back; past its end every read gives 0
// or an empty text.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return pos_ >= size_; }
    std::size_t remaining() const { return size_ - pos_; }
    std::uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() | byte() << 8); }
    // Bytes up to (not including) `stop`, or to the end.
    std::string text(char stop = '\n');
    // At most `n` bytes.
    std::string bytes(std::size_t n);
    std::string rest() { return bytes(remaining()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

// A folder of this process, removed at exit; the
// path ends with "/".
const std::string& fuzzScratchDir();
// Writes `bytes` to `name` in the scratch folder and returns its path.
std::string writeScratchFile(const std::string& name, std::string_view bytes);
