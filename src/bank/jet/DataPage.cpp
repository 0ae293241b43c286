#include "bank/jet/DataPage.h"

#include "bank/jet/MessageTable.h"

#include <string>

namespace bank::jet {

std::uint32_t DataPage::RowCount(const JetFile& file, std::uint32_t page) {
    auto p = file.Page(page);
    if (p[0] != 0x01)
        return 0;
    return win::ReadLe16(p, file.Format().dataRowCountOffset);
}

RowExtent DataPage::Row(const JetFile& file, std::uint32_t page, std::uint32_t row) {
    const JetFormat& f = file.Format();
    auto p = file.Page(page);
    if (p[0] != 0x01)
        file.Fail(Say(Msg::NotDataPage, page, row, p[0]));
    std::uint32_t count = win::ReadLe16(p, f.dataRowCountOffset);
    std::uint32_t tableEnd = f.dataRowTableOffset + 2 * count;
    if (tableEnd > f.pageSize)
        file.Fail(Say(Msg::RowTablePastPage, page));
    if (row >= count)
        file.Fail(Say(Msg::RowMissing, page, row, count));
    RowExtent e;
    e.page = page;
    e.row = row;
    std::uint16_t entry = win::ReadLe16(p, f.dataRowTableOffset + 2 * row);
    e.flags = entry & 0xE000;
    e.start = entry & 0x1FFF;
    e.end = row == 0 ? f.pageSize : win::ReadLe16(p, f.dataRowTableOffset + 2 * (row - 1)) & 0x1FFFu;
    // Deleted rows are checked too: the target of an overflow pointer and a deleted overflow pointer both
    // carry the deleted flag and are still read.
    if (e.start < tableEnd || e.start > e.end || e.end > f.pageSize)
        file.Fail(Say(Msg::RowBounds, page, row, e.start, e.end));
    return e;
}

RowExtent DataPage::Resolve(const JetFile& file, std::uint32_t rowPointer, const std::string& what) {
    RowExtent e = Row(file, rowPointer >> 8, rowPointer & 0xFF);
    if (e.flags & kRowOverflow) {
        if (e.Length() < 4)
            file.Fail(Say(Msg::OverflowTooShort, what, e.page));
        std::uint32_t target = win::ReadLe32(file.Page(e.page), e.start);
        e = Row(file, target >> 8, target & 0xFF);
        if (e.flags & kRowOverflow)
            file.Fail(Say(Msg::OverflowToOverflow, what, e.page));
    } else if (e.flags & kRowDeleted) {
        file.Fail(Say(Msg::RowDeleted, what, e.page, e.row));
    }
    return e;
}

std::vector<std::uint32_t> DataPage::UsageMap(const JetFile& file, std::uint32_t rowPointer) {
    const JetFormat& f = file.Format();
    static const std::string kWhat = Say(Msg::WhatUsageMap);
    RowExtent e = Resolve(file, rowPointer, kWhat);
    auto p = file.Page(e.page);
    auto row = p.subspan(e.start, e.Length());
    std::vector<std::uint32_t> pages;
    auto add = [&](std::uint64_t page) {
        if (page >= file.PageCount())
            file.Fail(Say(Msg::UsageMapPastEnd, e.page, page));
        pages.push_back(static_cast<std::uint32_t>(page));
    };
    if (row.empty())
        file.Fail(Say(Msg::UsageMapEmpty, e.page));
    if (row[0] == 0) {
        if (row.size() < 5)
            file.Fail(Say(Msg::UsageMapTooShort, e.page));
        std::uint64_t start = win::ReadLe32(row, 1);
        for (size_t byte = 5; byte < row.size(); ++byte)
            for (int bit = 0; bit < 8; ++bit)
                if (row[byte] & (1 << bit))
                    add(start + (byte - 5) * 8 + bit);
    } else if (row[0] == 1) {
        const std::uint64_t perPage = static_cast<std::uint64_t>(f.pageSize - 4) * 8;
        for (std::uint32_t j = 0; j < f.referenceMapPages && 1 + 4 * (j + 1) <= row.size(); ++j) {
            std::uint32_t mapPage = win::ReadLe32(row, 1 + 4 * j);
            if (mapPage == 0)
                continue;
            auto m = file.Page(mapPage);
            if (m[0] != 0x05)
                file.Fail(Say(Msg::UsageMapNotBitmap, e.page, mapPage));
            for (std::uint32_t byte = 4; byte < f.pageSize; ++byte)
                if (m[byte])
                    for (int bit = 0; bit < 8; ++bit)
                        if (m[byte] & (1 << bit))
                            add(j * perPage + (byte - 4) * 8 + bit);
        }
    } else {
        file.Fail(Say(Msg::UsageMapUnknownType, e.page, row[0]));
    }
    return pages;
}

} // namespace bank::jet
