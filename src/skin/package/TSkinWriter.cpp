#include "skin/package/TSkinWriter.h"

#include "skin/package/TLZHEncoder.h"
#include "skin/package/TSkinReader.h"

#include <stdexcept>

namespace skin {

namespace {

void PutInt32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

} // namespace

TSkinWriter::TSkinWriter(std::int32_t format) : m_format(format) {
    if (FindSkinFormat(format) == nullptr)
        throw std::invalid_argument("skin package: unknown format number " + std::to_string(format));
}

std::size_t TSkinWriter::ExpandedSize() const {
    return 16 + static_cast<std::size_t>(FindSkinFormat(m_format)->SkippedBlock) + m_nameBytes +
           4 * m_names.size() + m_dataBytes;
}

void TSkinWriter::AddEntry(std::string_view name, std::span<const std::uint8_t> data) {
    const std::string shown = "skin package entry \"" + std::string(name) + "\": ";
    if (name.empty())
        throw std::invalid_argument("skin package: entry " + std::to_string(m_names.size()) +
                                    " has an empty name");
    if (name.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos)
        throw std::invalid_argument(shown + "the name holds a line break or NUL");
    if (m_names.size() >= static_cast<std::size_t>(TSkinReader::MaxEntries))
        throw std::invalid_argument(shown + "a package holds at most " +
                                    std::to_string(TSkinReader::MaxEntries) + " entries");
    const std::string lower = TSkinReader::LowerCase(name);
    for (const std::string& existing : m_names) {
        if (TSkinReader::LowerCase(existing) == lower)
            throw std::invalid_argument(shown + "the name repeats \"" + existing + "\"");
    }
    const std::size_t grown = ExpandedSize() + name.size() + 2 + 4 + data.size();
    if (grown > static_cast<std::size_t>(TSkinReader::DefaultMaxExpandedSize))
        throw std::length_error(shown + "the package would grow to " + std::to_string(grown) +
                                " bytes, above the limit of " +
                                std::to_string(TSkinReader::DefaultMaxExpandedSize));
    m_names.emplace_back(name);
    m_data.emplace_back(data.begin(), data.end());
    m_nameBytes += name.size() + 2;
    m_dataBytes += data.size();
}

std::vector<std::uint8_t> TSkinWriter::BuildExpanded() const {
    std::vector<std::uint8_t> out;
    out.reserve(ExpandedSize());
    PutInt32(out, static_cast<std::uint32_t>(m_format));
    PutInt32(out, static_cast<std::uint32_t>(m_nameBytes));
    PutInt32(out, 0);
    PutInt32(out, 0);
    out.insert(out.end(), static_cast<std::size_t>(FindSkinFormat(m_format)->SkippedBlock), 0);
    for (const std::string& name : m_names) {
        out.insert(out.end(), name.begin(), name.end());
        out.push_back('\r');
        out.push_back('\n');
    }
    for (const auto& data : m_data)
        PutInt32(out, static_cast<std::uint32_t>(data.size()));
    for (const auto& data : m_data)
        out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::vector<std::uint8_t> TSkinWriter::BuildPackage() const {
    return TLZHEncoder::CompressContainer(BuildExpanded());
}

} // namespace skin
