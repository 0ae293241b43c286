// Jet 4 text storage: UTF-16LE, optionally in the compressed form that starts with FF FE.
#pragma once

#include <string>
#include <string_view>

namespace bank::jet {

class JetText {
public:
    // Stored bytes (plain or compressed) to UTF-8.
    static std::string Decode(std::string_view stored);
    // UTF-8 to stored bytes. Compresses only where allowed (see the .cpp) and when shorter; returns false
    // when `utf8` is not valid UTF-8.
    static bool Encode(std::string_view utf8, bool allowCompression, std::string& stored);
    // Stores `utf8` in exactly the layout of `old` (plain or compressed, with the same mode switches);
    // false when it does not fit that layout.
    static bool Restore(std::string_view old, std::string_view utf8, std::string& stored);
    // Number of UTF-16 code units of valid UTF-8 text (the unit Text column sizes are counted in).
    static size_t Utf16Length(std::string_view utf8);
};

} // namespace bank::jet
