// Fills the data pages of one owner (a table, the long values, the usage maps) from the end of each page
// towards its row table, as Access does, starting a new page when a row does not fit.
#pragma once

#include "bank/jet/WriterImage.h"

namespace bank::jet::writer {

class PageFiller {
public:
    // With `fixedPage`, every row goes to that one page (the catalog and map pages).
    PageFiller(Image& image, std::uint32_t owner, std::uint32_t fixedPage = 0)
        : image_(image), owner_(owner), fixedPage_(fixedPage) {}

    void NewPage();
    // Returns the row pointer (page << 8 | row) of the new row.
    std::uint32_t Add(const std::vector<std::uint8_t>& row);
    const std::vector<std::uint32_t>& Pages() const { return pages_; }

private:
    Image& image_;
    std::uint32_t owner_;
    std::uint32_t fixedPage_;
    std::int64_t current_ = -1;
    std::uint32_t rows_ = 0;
    std::uint32_t low_ = kPage;
    std::vector<std::uint32_t> pages_;
};

} // namespace bank::jet::writer
