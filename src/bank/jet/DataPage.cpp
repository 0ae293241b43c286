#include "bank/jet/DataPage.h"

#include <string>

namespace bank::jet {

std::uint32_t DataPage::RowCount(const JetFile& file, std::uint32_t page) {
    auto p = file.Page(page);
    if (p[0] != 0x01)
        return 0;
    return Le16(p, file.Format().dataRowCountOffset);
}

RowExtent DataPage::Row(const JetFile& file, std::uint32_t page, std::uint32_t row) {
    const JetFormat& f = file.Format();
    auto p = file.Page(page);
    std::string where = "page " + std::to_string(page) + " row " + std::to_string(row);
    if (p[0] != 0x01)
        file.Fail(where + ": not a data page (type " + std::to_string(p[0]) + ")");
    std::uint32_t count = Le16(p, f.dataRowCountOffset);
    std::uint32_t tableEnd = f.dataRowTableOffset + 2 * count;
    if (tableEnd > f.pageSize)
        file.Fail("page " + std::to_string(page) + ": its row table runs past the page");
    if (row >= count)
        file.Fail(where + ": the page has only " + std::to_string(count) + " rows");
    RowExtent e;
    e.page = page;
    e.row = row;
    std::uint16_t entry = Le16(p, f.dataRowTableOffset + 2 * row);
    e.flags = entry & 0xE000;
    e.start = entry & 0x1FFF;
    e.end = row == 0 ? f.pageSize : Le16(p, f.dataRowTableOffset + 2 * (row - 1)) & 0x1FFFu;
    if (e.flags & kRowDeleted)
        return e;
    if (e.start < tableEnd || e.start > e.end || e.end > f.pageSize)
        file.Fail(where + ": the row's bounds " + std::to_string(e.start) + ".." + std::to_string(e.end) +
                  " are outside the page's row area");
    return e;
}

RowExtent DataPage::Resolve(const JetFile& file, std::uint32_t rowPointer, const char* what) {
    RowExtent e = Row(file, rowPointer >> 8, rowPointer & 0xFF);
    if (e.flags & kRowOverflow) {
        if (e.Length() < 4)
            file.Fail(std::string(what) + ": overflow row on page " + std::to_string(e.page) +
                      " is too short");
        std::uint32_t target = Le32(file.Page(e.page), e.start);
        e = Row(file, target >> 8, target & 0xFF);
        if (e.flags & kRowOverflow)
            file.Fail(std::string(what) + ": overflow row on page " + std::to_string(e.page) +
                      " points to another overflow row");
        // The target of an overflow pointer carries the deleted flag; its extent still has to be sound.
        if (e.flags & kRowDeleted) {
            auto p = file.Page(e.page);
            std::uint32_t tableEnd =
                file.Format().dataRowTableOffset + 2 * Le16(p, file.Format().dataRowCountOffset);
            if (e.start < tableEnd || e.start > e.end || e.end > file.Format().pageSize)
                file.Fail(std::string(what) + ": relocated row on page " + std::to_string(e.page) +
                          " has bounds outside the page");
        }
    } else if (e.flags & kRowDeleted) {
        file.Fail(std::string(what) + ": row " + std::to_string(e.row) + " on page " +
                  std::to_string(e.page) + " is deleted");
    }
    return e;
}

std::vector<std::uint32_t> DataPage::UsageMap(const JetFile& file, std::uint32_t rowPointer) {
    const JetFormat& f = file.Format();
    RowExtent e = Resolve(file, rowPointer, "usage map");
    auto p = file.Page(e.page);
    auto row = p.subspan(e.start, e.Length());
    std::vector<std::uint32_t> pages;
    auto add = [&](std::uint64_t page) {
        if (page >= file.PageCount())
            file.Fail("usage map on page " + std::to_string(e.page) + " names page " + std::to_string(page) +
                      ", past the end of the file");
        pages.push_back(static_cast<std::uint32_t>(page));
    };
    if (row.empty())
        file.Fail("usage map on page " + std::to_string(e.page) + " is empty");
    if (row[0] == 0) {
        if (row.size() < 5)
            file.Fail("usage map on page " + std::to_string(e.page) + " is too short");
        std::uint64_t start = Le32(row, 1);
        for (size_t byte = 5; byte < row.size(); ++byte)
            for (int bit = 0; bit < 8; ++bit)
                if (row[byte] & (1 << bit))
                    add(start + (byte - 5) * 8 + bit);
    } else if (row[0] == 1) {
        const std::uint64_t perPage = static_cast<std::uint64_t>(f.pageSize - 4) * 8;
        for (std::uint32_t j = 0; j < f.referenceMapPages && 1 + 4 * (j + 1) <= row.size(); ++j) {
            std::uint32_t mapPage = Le32(row, 1 + 4 * j);
            if (mapPage == 0)
                continue;
            auto m = file.Page(mapPage);
            if (m[0] != 0x05)
                file.Fail("usage map on page " + std::to_string(e.page) + " refers to page " +
                          std::to_string(mapPage) + ", which is not a bitmap page");
            for (std::uint32_t byte = 4; byte < f.pageSize; ++byte)
                if (m[byte])
                    for (int bit = 0; bit < 8; ++bit)
                        if (m[byte] & (1 << bit))
                            add(j * perPage + (byte - 4) * 8 + bit);
        }
    } else {
        file.Fail("usage map on page " + std::to_string(e.page) + " has unknown type " +
                  std::to_string(row[0]));
    }
    return pages;
}

} // namespace bank::jet
