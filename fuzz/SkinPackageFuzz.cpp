// One input is tried three ways: as a compressed package (decoder and reader), as an expanded package
// (indexing and extraction), and as a description text (the INI parser). Small inputs must also survive an
// encode/decode round trip unchanged.
#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TQuickIni.h"
#include "skin/package/TSkinReader.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

namespace {

using namespace skin;

void Check(bool ok) {
    if (!ok)
        std::abort();
}

void Query(const TQuickIni& ini) {
    std::vector<std::string> sections;
    ini.ReadSections(sections);
    for (std::size_t s = 0; s < sections.size() && s < 16; ++s) {
        const int start = ini.SectionIndex(sections[s]);
        const std::size_t first = start < 0 ? 0 : static_cast<std::size_t>(start);
        for (std::size_t i = first; i < ini.LineCount() && i < first + 64; ++i) {
            const std::string_view line = ini.Line(i);
            const std::string key(line.substr(0, line.find('=')));
            (void)ini.ReadString(sections[s], key, "default");
            (void)ini.ReadInteger(sections[s], key, -1);
        }
        (void)ini.ReadInteger(sections[s], "RightWidth", 0);
    }
    (void)ini.ReadString("", "", "");
    (void)ini.SectionIndex("Personality");
}

void Exercise(const TSkinReader& reader) {
    std::vector<std::uint8_t> entry, first;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        reader.ExtractIndex(i, entry);
        Check(entry.size() == static_cast<std::size_t>(reader.EntrySize(i)));
        // Lookup by name gives the first entry of that name.
        int j = 0;
        while (reader.EntryName(j) != reader.EntryName(i))
            ++j;
        reader.ExtractEntry(reader.EntryName(i), entry);
        reader.ExtractIndex(j, first);
        Check(entry == first);
    }
    std::string name;
    reader.ExtractFirstMatching(".ini", entry, name);
    TQuickIni ini;
    ini.LoadFromStream(&entry);
    Query(ini);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);

    TSkinReader packed;
    packed.SetMaxExpandedSize(64 * 1024);
    if (packed.ReadPackage(input))
        Exercise(packed);

    TSkinReader expanded;
    if (expanded.IndexPackage(std::vector<std::uint8_t>(input.begin(), input.end())))
        Exercise(expanded);

    TQuickIni ini;
    ini.LoadFromText(std::string_view(reinterpret_cast<const char*>(data), size));
    Query(ini);

    // The in-memory decoder and the byte-at-a-time one agree, on the output and on where the bits ran out.
    std::vector<std::uint8_t> fast;
    std::string error;
    TLZHReport fastReport;
    if (TLZH::ExpandContainer(input, 64 * 1024, fast, error, &fastReport) && fastReport.DeclaredSize > 0) {
        std::size_t next = 4;
        std::vector<std::uint8_t> slow;
        const TLZHReport slowReport = TLZH().Decode(
            fastReport.DeclaredSize,
            [&](std::uint8_t* buffer, int) {
                if (next >= size)
                    return 0;
                buffer[0] = data[next++];
                return 1;
            },
            [&](std::uint8_t byte) { slow.push_back(byte); });
        slow.resize(fast.size());
        Check(slow == fast && slowReport.BitsPastEnd == fastReport.BitsPastEnd &&
              slowReport.OverrunOffset == fastReport.OverrunOffset);
    }

    if (size <= 16 * 1024) {
        std::vector<std::uint8_t> back;
        TLZHReport report;
        Check(TLZH::ExpandContainer(TLZHEncoder::CompressContainer(input), 1 << 20, back, error, &report));
        Check(back.size() == size && std::equal(back.begin(), back.end(), data) && !report.Overran());
    }
    return 0;
}
