// The pages of one Jet file, held in memory in plain (unmasked, decrypted) form. Writes go to the file
// at once, byte range by byte range, and are flushed before the call returns.
#pragma once

#include "bank/jet/JetFormat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace bank::jet {

class JetFile {
public:
    enum class Mode { ReadOnly, ReadWrite };

    // Throws JetError naming the file when it is missing, unreadable or not a Jet 3/4 file.
    JetFile(const std::string& path, Mode mode);
    ~JetFile();
    JetFile(const JetFile&) = delete;
    JetFile& operator=(const JetFile&) = delete;

    const std::string& Path() const { return m_path; }
    const JetFormat& Format() const { return *m_format; }
    bool Writable() const { return m_fd >= 0 && m_mode == Mode::ReadWrite; }
    std::uint32_t PageCount() const { return m_pageCount; }
    std::uint32_t CodePage() const { return m_codePage; }
    // The code page Jet 3 text is read in: the header's when it is one we can convert, else 936 (the
    // bank's own code page).
    std::uint32_t TextCodePage() const { return m_textCodePage; }
    void SetTextCodePage(std::uint32_t codePage) { m_textCodePage = codePage; }
    bool Encrypted() const { return m_databaseKey != 0; }

    // The whole page; throws JetError when `page` lies past the end of the file.
    std::span<const std::uint8_t> Page(std::uint32_t page) const;

    struct Patch {
        std::uint32_t page;
        std::uint32_t offset;
        std::vector<std::uint8_t> bytes;
    };
    // Writes all patches (plain bytes; re-encrypted when the file is encrypted), then flushes. Every
    // patch is checked before the first byte is written.
    void Write(const std::vector<Patch>& patches);

    [[noreturn]] void Fail(const std::string& what) const;

private:
    void Keystream(std::uint32_t page, std::span<std::uint8_t> out) const;

    std::string m_path;
    Mode m_mode;
    int m_fd = -1;
    const JetFormat* m_format = nullptr;
    std::vector<std::uint8_t> m_bytes;
    std::uint32_t m_pageCount = 0;
    std::uint32_t m_codePage = 0;
    std::uint32_t m_databaseKey = 0;
    std::uint32_t m_textCodePage = 936;
};

} // namespace bank::jet
