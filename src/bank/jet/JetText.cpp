#include "bank/jet/JetText.h"

#include "platform/os/Bytes.h"
#include "platform/os/CodePage.h"

namespace bank::jet {

std::string JetText::Decode(std::string_view stored) {
    if (stored.size() < 2 || static_cast<unsigned char>(stored[0]) != 0xFF ||
        static_cast<unsigned char>(stored[1]) != 0xFE)
        return win::Utf16LeToUtf8(stored);
    std::u16string units;
    units.reserve(stored.size());
    bool oneByte = true;
    size_t i = 2;
    while (i < stored.size()) {
        auto b = static_cast<unsigned char>(stored[i]);
        if (b == 0) {
            oneByte = !oneByte;
            ++i;
        } else if (oneByte) {
            units += static_cast<char16_t>(b);
            ++i;
        } else if (i + 1 < stored.size()) {
            units += static_cast<char16_t>(
                win::ReadLe16(reinterpret_cast<const std::uint8_t*>(stored.data()) + i));
            i += 2;
        } else {
            break; // a lone trailing byte in two-byte mode carries no character
        }
    }
    return win::Utf16ToUtf8(units);
}

size_t JetText::Utf16Length(std::string_view utf8) {
    std::u16string units;
    win::Utf8ToUtf16(utf8, units);
    return units.size();
}

bool JetText::Encode(std::string_view utf8, bool allowCompression, std::string& stored) {
    std::u16string units;
    if (!win::Utf8ToUtf16(utf8, units))
        return false;
    std::string plain(units.size() * 2, '\0');
    for (size_t i = 0; i < units.size(); ++i) {
        plain[2 * i] = static_cast<char>(units[i] & 0xFF);
        plain[2 * i + 1] = static_cast<char>(units[i] >> 8);
    }
    bool startsWithMark = !units.empty() && units[0] == 0xFEFF;
    // A unit whose low byte is 0 would read as a mode switch in the compressed form.
    bool compressible = allowCompression || startsWithMark;
    for (char16_t u : units)
        if ((u & 0xFF) == 0)
            compressible = false;
    if (!compressible) {
        if (startsWithMark)
            return false; // would be misread as compressed either way
        stored = std::move(plain);
        return true;
    }
    std::string packed = "\xFF\xFE";
    bool oneByte = true;
    for (size_t i = 0; i < units.size(); ++i) {
        char16_t u = units[i];
        bool narrow = u < 0x100;
        if (oneByte && !narrow) {
            packed += '\0';
            oneByte = false;
        } else if (!oneByte && narrow) {
            // Switching back pays only for a run of at least two narrow characters.
            size_t run = 0;
            while (i + run < units.size() && units[i + run] < 0x100 && run < 2)
                ++run;
            if (run >= 2) {
                packed += '\0';
                oneByte = true;
            }
        }
        if (oneByte) {
            packed += static_cast<char>(u);
        } else {
            packed += static_cast<char>(u & 0xFF);
            packed += static_cast<char>(u >> 8);
        }
    }
    if (packed.size() < plain.size() || startsWithMark)
        stored = std::move(packed);
    else
        stored = std::move(plain);
    return true;
}

bool JetText::Restore(std::string_view old, std::string_view utf8, std::string& stored) {
    std::u16string units;
    if (!win::Utf8ToUtf16(utf8, units))
        return false;
    stored.assign(old);
    size_t next = 0;
    auto take = [&](char16_t& u) {
        if (next >= units.size())
            return false;
        u = units[next++];
        return true;
    };
    char16_t u;
    if (old.size() < 2 || static_cast<unsigned char>(old[0]) != 0xFF ||
        static_cast<unsigned char>(old[1]) != 0xFE) {
        if (old.size() != units.size() * 2 || (!units.empty() && units[0] == 0xFEFF))
            return false;
        for (size_t i = 0; i < units.size(); ++i) {
            stored[2 * i] = static_cast<char>(units[i] & 0xFF);
            stored[2 * i + 1] = static_cast<char>(units[i] >> 8);
        }
        return true;
    }
    bool oneByte = true;
    size_t i = 2;
    while (i < old.size()) {
        if (old[i] == 0) {
            oneByte = !oneByte;
            ++i;
        } else if (oneByte) {
            if (!take(u) || u == 0 || u > 0xFF)
                return false;
            stored[i++] = static_cast<char>(u);
        } else if (i + 1 < old.size()) {
            if (!take(u) || (u & 0xFF) == 0)
                return false;
            stored[i] = static_cast<char>(u & 0xFF);
            stored[i + 1] = static_cast<char>(u >> 8);
            i += 2;
        } else {
            break;
        }
    }
    return next == units.size();
}

} // namespace bank::jet
