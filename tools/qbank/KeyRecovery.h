// Recovers the answer key a bank was encoded with, from the forms its judged answers (kinds 1 to 3) must
// take.
#pragma once

#include "bank/RightAnswer.h"

#include <optional>
#include <string>
#include <vector>

namespace qbank {

struct EncodedAnswer {
    int type = 0;      // t_type
    std::string bytes; // stage-1 bytes of the stored answer
};

struct KeyRecoveryResult {
    bool found = false;
    bank::RightAnswer::Key key{};
    std::vector<bool> used; // key positions some answer touches; the others do not matter
    std::string reason;     // why no single key fits, when !found
    // Answers that decode to no valid form with the key found: rows of other kinds (never judged, so
    // they play no part in finding the key) and judged rows no key could make valid.
    std::vector<size_t> invalid;
};

class KeyRecovery {
public:
    static KeyRecoveryResult Recover(const std::vector<EncodedAnswer>& answers);
    // `stored` with each hexadecimal digit pair replaced by the new byte, keeping every other character
    // (and the case of each digit) where it is; nullopt when the new bytes do not fit (a lone digit
    // whose new value exceeds 15, or a different number of bytes).
    static std::optional<std::string> ReencodeInPlace(const std::string& stored, const std::string& newBytes);
};

} // namespace qbank
