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

    const std::string& Path() const { return path_; }
    const JetFormat& Format() const { return *format_; }
    bool Writable() const { return fd_ >= 0 && mode_ == Mode::ReadWrite; }
    std::uint32_t PageCount() const { return pageCount_; }
    std::uint32_t CodePage() const { return codePage_; }
    // The code page Jet 3 text is read in: the header's when it is one we can convert, else 936 (the
    // bank's own code page).
    std::uint32_t TextCodePage() const { return textCodePage_; }
    void SetTextCodePage(std::uint32_t codePage) { textCodePage_ = codePage; }
    bool Encrypted() const { return databaseKey_ != 0; }

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

    std::string path_;
    Mode mode_;
    int fd_ = -1;
    const JetFormat* format_ = nullptr;
    std::vector<std::uint8_t> bytes_;
    std::uint32_t pageCount_ = 0;
    std::uint32_t codePage_ = 0;
    std::uint32_t databaseKey_ = 0;
    std::uint32_t textCodePage_ = 936;
};

} // namespace bank::jet
