#include "skin/package/TSkinReader.h"

#include "skin/package/LineSplitter.h"
#include "skin/package/SkinFormat.h"
#include "skin/package/TLZH.h"

namespace skin {

namespace {

constexpr std::size_t HeaderSize = 16;

} // namespace

std::string TSkinReader::LowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

void TSkinReader::Clear() {
    m_header = {};
    m_names.clear();
    m_sizes.clear();
    m_offsets.clear();
    m_expanded.clear();
    m_failure.clear();
    m_expansion = {};
    m_olderSkin = false;
}

bool TSkinReader::Fail(std::string text) {
    Clear();
    m_failure = std::move(text);
    return false;
}

bool TSkinReader::FailOlderSkin() {
    Clear();
    m_failure = OlderSkinMessage;
    m_olderSkin = true;
    return false;
}

bool TSkinReader::ReadPackage(std::span<const std::uint8_t> compressed) {
    Clear();
    std::vector<std::uint8_t> expanded;
    std::string error;
    TLZHReport report;
    const bool indexed = TLZH::ExpandContainer(compressed, m_maxExpandedSize, expanded, error, &report)
                             ? IndexPackage(std::move(expanded))
                             : Fail("Skin package: " + error);
    m_expansion = report;
    return indexed;
}

bool TSkinReader::IndexPackage(std::vector<std::uint8_t> expanded) {
    Clear();
    const std::size_t total = expanded.size();
    // A package too short to hold a format number reads as format 0.
    if (total >= 4)
        m_header.Format = TLZH::ReadInt32(expanded.data());
    const TSkinFormat* format = FindSkinFormat(m_header.Format);
    if (format == nullptr)
        return FailOlderSkin();
    if (total < HeaderSize)
        return Fail("Skin package: " + std::to_string(total) + " bytes end inside the 16-byte header");
    m_header.NameListLength = TLZH::ReadInt32(expanded.data() + 4);
    m_header.Reserved1 = TLZH::ReadInt32(expanded.data() + 8);
    m_header.Reserved2 = TLZH::ReadInt32(expanded.data() + 12);

    std::size_t pos = HeaderSize;
    if (static_cast<std::size_t>(format->SkippedBlock) > total - pos)
        return Fail("Skin package: format " + std::to_string(format->Number) + " block of " +
                    std::to_string(format->SkippedBlock) + " bytes runs past the end of the package");
    pos += static_cast<std::size_t>(format->SkippedBlock);

    const std::int32_t nameLength = m_header.NameListLength;
    if (nameLength < 0 || static_cast<std::size_t>(nameLength) > total - pos)
        return Fail("Skin package: name list of " + std::to_string(nameLength) + " bytes at offset " +
                    std::to_string(pos) + " does not fit the " + std::to_string(total - pos) + " bytes left");
    const std::string nameList = LowerCase(std::string_view(
        reinterpret_cast<const char*>(expanded.data() + pos), static_cast<std::size_t>(nameLength)));
    pos += static_cast<std::size_t>(nameLength);

    // Counted before anything is stored, so a name list of millions of empty lines costs nothing.
    std::size_t count = 0;
    ForEachLine(nameList, [&](std::size_t, std::string_view) { ++count; });
    if (count > static_cast<std::size_t>(MaxEntries))
        return Fail("Skin package: " + std::to_string(count) + " entries listed, at most " +
                    std::to_string(MaxEntries) + " are allowed");
    std::vector<std::string> names;
    names.reserve(count);
    ForEachLine(nameList, [&](std::size_t, std::string_view line) { names.emplace_back(line); });

    const std::size_t tableBytes = 4 * names.size();
    if (tableBytes > total - pos)
        return Fail("Skin package: size table of " + std::to_string(names.size()) + " entries at offset " +
                    std::to_string(pos) + " runs past the end of the package");

    std::vector<std::int32_t> sizes(names.size());
    std::vector<std::size_t> offsets(names.size());
    const std::size_t dataStart = pos + tableBytes;
    std::size_t offset = dataStart;
    for (std::size_t i = 0; i < names.size(); ++i) {
        sizes[i] = TLZH::ReadInt32(expanded.data() + pos + 4 * i);
        if (sizes[i] < 0 || static_cast<std::size_t>(sizes[i]) > total - offset)
            return Fail("Skin package: entry " + std::to_string(i) + " \"" + names[i] + "\" of " +
                        std::to_string(sizes[i]) + " bytes at offset " + std::to_string(offset) +
                        " runs past the end of the package (" + std::to_string(total) + " bytes)");
        offsets[i] = offset;
        offset += static_cast<std::size_t>(sizes[i]);
    }

    m_names = std::move(names);
    m_sizes = std::move(sizes);
    m_offsets = std::move(offsets);
    m_expanded = std::move(expanded);
    return true;
}

void TSkinReader::ExtractIndex(int index, std::vector<std::uint8_t>& destination) const {
    const std::size_t start = m_offsets.at(index);
    destination.assign(m_expanded.begin() + start, m_expanded.begin() + start + m_sizes.at(index));
}

void TSkinReader::ExtractEntry(std::string_view name, std::vector<std::uint8_t>& destination) const {
    destination.clear();
    const std::string wanted = LowerCase(name);
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i] == wanted) {
            ExtractIndex(static_cast<int>(i), destination);
            return;
        }
    }
}

void TSkinReader::ExtractFirstMatching(std::string_view fragment, std::vector<std::uint8_t>& destination,
                                       std::string& name) const {
    destination.clear();
    name.clear();
    for (std::size_t i = 0; i < m_names.size(); ++i) {
        if (m_names[i].find(fragment) != std::string::npos) {
            ExtractIndex(static_cast<int>(i), destination);
            name = m_names[i];
            return;
        }
    }
}

} // namespace skin
