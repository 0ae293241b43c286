#include "bank/RightAnswer.h"

#include "bank/QuestionRecord.h"

#include "platform/os/Bytes.h"

namespace bank {

const RightAnswer::Key RightAnswer::kAnswerKey = {0x5A, 0x13, 0x7C, 0x2E, 0x61, 0x0B, 0x49, 0x35, 0x76, 0x1F};

std::string RightAnswer::ApplyKey(std::string bytes, const Key& key) {
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(static_cast<std::uint8_t>(bytes[i]) ^ key[(i + 1) % key.size()]);
    return bytes;
}

std::string RightAnswer::HexToBytes(std::string_view stored) {
    std::string bytes;
    size_t p = 0;
    while (p < stored.size()) {
        while (p < stored.size() && win::HexDigitValue(stored[p]) < 0)
            ++p;
        if (p >= stored.size())
            break;
        int high = win::HexDigitValue(stored[p]);
        int low = p + 1 < stored.size() ? win::HexDigitValue(stored[p + 1]) : -1;
        bytes += static_cast<char>(low >= 0 ? high * 16 + low : high);
        p += 2;
    }
    return bytes;
}

std::string RightAnswer::Decode(std::string_view stored, const Key& key) {
    return ApplyKey(HexToBytes(stored), key);
}

std::string RightAnswer::Encode(std::string_view answer, const Key& key) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    for (char c : ApplyKey(std::string(answer), key)) {
        auto b = static_cast<std::uint8_t>(c);
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

bool RightAnswer::IsValidForm(int type, std::string_view answer) {
    switch (type) {
    case qkTrueFalse: return answer == "Y" || answer == "N";
    case qkSingleChoice: return answer.size() == 1 && answer[0] >= 'A' && answer[0] <= 'D';
    case qkMultipleChoice: {
        if (answer.empty())
            return false;
        char previous = 'A' - 1;
        for (char c : answer) {
            if (c <= previous || c > 'D')
                return false;
            previous = c;
        }
        return true;
    }
    default: return false;
    }
}

} // namespace bank
