#include "KeyRecovery.h"

#include "bank/QuestionRecord.h"
#include "platform/os/Bytes.h"

#include <algorithm>
#include <bitset>

namespace qbank {

namespace {

using Candidates = std::bitset<256>;
constexpr size_t kKeyLength = 10;
constexpr std::uint64_t kMaxCombinations = 1u << 20;

std::string Letters(int type) {
    return type == bank::qkTrueFalse ? "YN" : "ABCD";
}

bool ValidWithKey(const EncodedAnswer& a, const bank::RightAnswer::Key& key) {
    return bank::RightAnswer::IsValidForm(a.type, bank::RightAnswer::ApplyKey(a.bytes, key));
}

using Key = bank::RightAnswer::Key;

// Narrows each key byte to those that turn every answer byte at its position into one of its kind's letters;
// returns the answers that can take part.
std::vector<const EncodedAnswer*> NarrowByLetters(const std::vector<EncodedAnswer>& answers,
                                                  std::vector<Candidates>& sets, std::vector<bool>& used) {
    std::vector<const EncodedAnswer*> usable;
    for (const auto& a : answers) {
        if (a.type < 1 || a.type > 3 || a.bytes.empty())
            continue;
        if (a.type != 3 && a.bytes.size() != 1)
            continue; // cannot be valid with any key; listed in `invalid`
        usable.push_back(&a);
        std::string letters = Letters(a.type);
        for (size_t i = 0; i < a.bytes.size(); ++i) {
            Candidates allowed;
            for (char l : letters)
                allowed.set(static_cast<std::uint8_t>(a.bytes[i]) ^ static_cast<std::uint8_t>(l));
            size_t k = (i + 1) % kKeyLength;
            sets[k] &= allowed;
            used[k] = true;
        }
    }
    return usable;
}

// Why the candidates cannot be tried: a position with none, or too many combinations; empty when they can.
std::string CandidatesProblem(const std::vector<Candidates>& sets, const std::vector<bool>& used) {
    std::uint64_t combinations = 1;
    for (size_t k = 0; k < kKeyLength; ++k) {
        if (!used[k])
            continue;
        if (sets[k].none())
            return "no key byte at position " + std::to_string(k) +
                   " turns every answer into a valid letter; the answers are not encoded with a fixed key";
        combinations *= sets[k].count();
        if (combinations > kMaxCombinations)
            return "too many keys fit the answers' letters (the bank has too few varied answers)";
    }
    return {};
}

// Tries every remaining combination against the full forms (ascending letters included).
std::vector<Key> KeysFitting(const std::vector<Candidates>& sets, const std::vector<bool>& used,
                             const std::vector<const EncodedAnswer*>& usable) {
    std::vector<std::vector<std::uint8_t>> options(kKeyLength);
    for (size_t k = 0; k < kKeyLength; ++k) {
        if (!used[k]) {
            options[k] = {0};
            continue;
        }
        for (int b = 0; b < 256; ++b)
            if (sets[k].test(b))
                options[k].push_back(static_cast<std::uint8_t>(b));
    }
    std::vector<Key> fits;
    std::vector<size_t> index(kKeyLength, 0);
    while (true) {
        Key key{};
        for (size_t k = 0; k < kKeyLength; ++k)
            key[k] = options[k][index[k]];
        if (std::all_of(usable.begin(), usable.end(),
                        [&](const EncodedAnswer* a) { return ValidWithKey(*a, key); }))
            fits.push_back(key);
        size_t k = 0;
        while (k < kKeyLength && ++index[k] == options[k].size())
            index[k++] = 0;
        if (k == kKeyLength)
            break;
    }
    return fits;
}

std::string AmbiguityReason(const std::vector<Key>& fits) {
    std::string positions;
    for (size_t k = 0; k < kKeyLength; ++k)
        if (fits[0][k] != fits[1][k])
            positions += (positions.empty() ? "" : ", ") + std::to_string(k);
    return std::to_string(fits.size()) + " different keys fit every answer (they differ at key position " +
           positions + "), so the right answers cannot be told apart";
}

} // namespace

KeyRecoveryResult KeyRecovery::Recover(const std::vector<EncodedAnswer>& answers) {
    KeyRecoveryResult r;
    r.used.assign(kKeyLength, false);
    std::vector<Candidates> sets(kKeyLength);
    for (auto& s : sets)
        s.set();
    const std::vector<const EncodedAnswer*> usable = NarrowByLetters(answers, sets, r.used);
    if (usable.empty()) {
        r.reason = "no answer of kind 1, 2 or 3 has a usable encoded value";
        return r;
    }
    if (std::string problem = CandidatesProblem(sets, r.used); !problem.empty()) {
        r.reason = std::move(problem);
        return r;
    }
    const std::vector<Key> fits = KeysFitting(sets, r.used, usable);
    if (fits.empty()) {
        r.reason = "no single key makes every answer take its kind's form";
        return r;
    }
    if (fits.size() > 1) {
        r.reason = AmbiguityReason(fits);
        return r;
    }
    r.found = true;
    r.key = fits[0];
    for (size_t i = 0; i < answers.size(); ++i)
        if (!ValidWithKey(answers[i], r.key))
            r.invalid.push_back(i);
    return r;
}

std::optional<std::string> KeyRecovery::ReencodeInPlace(const std::string& stored,
                                                        const std::string& newBytes) {
    static constexpr char kUpper[] = "0123456789ABCDEF", kLower[] = "0123456789abcdef";
    std::string out = stored;
    size_t p = 0, n = 0;
    auto digit = [&](size_t at, int value) {
        bool lower = stored[at] >= 'a' && stored[at] <= 'f';
        out[at] = (lower ? kLower : kUpper)[value];
    };
    while (p < stored.size()) {
        while (p < stored.size() && win::HexDigitValue(stored[p]) < 0)
            ++p;
        if (p >= stored.size())
            break;
        if (n >= newBytes.size())
            return std::nullopt;
        auto b = static_cast<std::uint8_t>(newBytes[n++]);
        if (p + 1 < stored.size() && win::HexDigitValue(stored[p + 1]) >= 0) {
            digit(p, b >> 4);
            digit(p + 1, b & 15);
        } else {
            if (b > 15)
                return std::nullopt;
            digit(p, b);
        }
        p += 2;
    }
    if (n != newBytes.size())
        return std::nullopt;
    return out;
}

} // namespace qbank
