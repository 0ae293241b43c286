// Fills the data pages of one owner (a table, the long values, the usage maps) from the end of each page
// towards its row table, as Access does, starting a new page when a row does not fit.
#pragma once

#include "bank/jet/WriterImage.h"

namespace bank::jet::writer {

class PageFiller {
public:
    // With `fixedPage`, every row goes to that one page (the catalog and map pages).
    PageFiller(Image& image, std::uint32_t owner, std::uint32_t fixedPage = 0)
        : m_image(image), m_owner(owner), m_fixedPage(fixedPage) {}

    void NewPage();
    // Returns the row pointer (page << 8 | row) of the new row.
    std::uint32_t Add(const std::vector<std::uint8_t>& row);
    const std::vector<std::uint32_t>& Pages() const { return m_pages; }

private:
    Image& m_image;
    std::uint32_t m_owner;
    std::uint32_t m_fixedPage;
    std::int64_t m_current = -1;
    std::uint32_t m_rows = 0;
    std::uint32_t m_low = kPage;
    std::vector<std::uint32_t> m_pages;
};

} // namespace bank::jet::writer
