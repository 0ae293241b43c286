// Reads a skin package: expands the compressed container, checks and indexes the expanded bytes (header,
// format block, name list, size table, entry data) and hands out entries by name.
#pragma once

#include "skin/package/TLZH.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

struct TSkinHeader {
    std::int32_t Format = 0;
    std::int32_t NameListLength = 0;
    std::int32_t Reserved1 = 0;
    std::int32_t Reserved2 = 0;
};

class TSkinReader {
public:
    static constexpr int MaxEntries = 1001;
    static constexpr std::int32_t DefaultMaxExpandedSize = 64 * 1024 * 1024;
    static constexpr const char* OlderSkinMessage = "This is Older Skin File\rPlease update to new version !";

    // Expands the container and indexes it. False when the package cannot be used; FailureText() then
    // says why (OlderSkinMessage for an unknown format number, which is how an empty or truncated
    // package, or one whose expanded size is negative, reads). Throws ElzhException when the decoder
    // tables cannot be allocated. Expansion() tells what the decoder met, also when the read failed.
    bool ReadPackage(std::span<const std::uint8_t> compressed);

    // Indexes bytes that are already expanded.
    bool IndexPackage(std::vector<std::uint8_t> expanded);

    // Copies the first entry whose name equals `name` (letter case ignored) into `destination`, which is
    // left empty when there is none.
    void ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const;

    // Copies the first entry whose lower-cased name contains `fragment` and gives its name; `fragment` is
    // taken as it stands. Leaves both empty when nothing matches.
    void ExtractFirstMatching(std::string_view fragment, std::vector<std::uint8_t>& destination,
                              std::string& name) const;

    const std::string& FailureText() const { return m_failure; }
    bool IsOlderSkin() const { return m_olderSkin; }
    const TSkinHeader& Header() const { return m_header; }
    const TLZHReport& Expansion() const { return m_expansion; }

    int EntryCount() const { return static_cast<int>(m_names.size()); }
    const std::string& EntryName(int index) const { return m_names.at(index); }
    std::int32_t EntrySize(int index) const { return m_sizes.at(index); }
    void ExtractIndex(int index, std::vector<std::uint8_t>& destination) const;

    // The largest expanded size ReadPackage accepts.
    void SetMaxExpandedSize(std::int32_t bytes) { m_maxExpandedSize = bytes; }

    // ASCII letters only, as names and keys are compared.
    static std::string LowerCase(std::string_view text);

private:
    bool Fail(std::string text);
    bool FailOlderSkin();
    void Clear();

    TSkinHeader m_header;
    std::vector<std::string> m_names;
    std::vector<std::int32_t> m_sizes;
    std::vector<std::size_t> m_offsets; // of each entry within expanded_
    std::vector<std::uint8_t> m_expanded;
    std::string m_failure;
    TLZHReport m_expansion;
    bool m_olderSkin = false;
    std::int32_t m_maxExpandedSize = DefaultMaxExpandedSize;
};

} // namespace skin
