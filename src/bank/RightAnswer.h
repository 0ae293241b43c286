// The stored right answer: hexadecimal text of the answer's bytes, each combined with a fixed answer key.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace bank {

class RightAnswer {
public:
    using Key = std::array<std::uint8_t, 10>;
    // This build's key; the bank tool encodes with it and the program decodes with it.
    static const Key kAnswerKey;

    // Stage 2 alone (its own inverse): the byte at 1-based position i is combined with key[i mod 10].
    static std::string ApplyKey(std::string bytes, const Key& key);
    // Stage 1: hexadecimal digit pairs to bytes; other characters are skipped, and a lone digit is one
    // byte of value 0 to 15.
    static std::string HexToBytes(std::string_view stored);
    // Both stages: the byte at 1-based position i is combined with key[i mod 10].
    static std::string Decode(std::string_view stored, const Key& key = kAnswerKey);
    // The inverse: two upper-case hexadecimal digits per byte.
    static std::string Encode(std::string_view answer, const Key& key = kAnswerKey);

    // True for the forms a decoded answer of kind `type` takes: "Y"/"N"; one of A-D; ascending
    // letters A-D without repeats.
    static bool IsValidForm(int type, std::string_view answer);
};

} // namespace bank
