#include "bank/jet/PageFiller.h"

#include "bank/jet/JetError.h"

#include <cstring>

namespace bank::jet::writer {

void PageFiller::NewPage() {
    if (fixedPage_ != 0 && current_ >= 0)
        throw JetError("internal error: the catalog does not fit its page");
    current_ = static_cast<std::int64_t>(fixedPage_ ? fixedPage_ : image_.New());
    Page& p = image_.pages[current_];
    p[0] = 0x01;
    p[1] = 0x01;
    Put16(&p[2], kPage - kRowTable);
    Put32(&p[4], owner_);
    rows_ = 0;
    low_ = kPage;
    pages_.push_back(static_cast<std::uint32_t>(current_));
}

std::uint32_t PageFiller::Add(const std::vector<std::uint8_t>& row) {
    if (current_ < 0 || rows_ == kMaxRowsPerPage || kRowTable + 2 * (rows_ + 1) + row.size() > low_)
        NewPage();
    Page& p = image_.pages[current_];
    low_ -= static_cast<std::uint32_t>(row.size());
    std::memcpy(&p[low_], row.data(), row.size());
    Put16(&p[kRowTable + 2 * rows_], low_);
    ++rows_;
    Put16(&p[kJet4Format.dataRowCountOffset], rows_);
    Put16(&p[2], low_ - (kRowTable + 2 * rows_));
    return static_cast<std::uint32_t>(current_ << 8) | (rows_ - 1);
}

} // namespace bank::jet::writer
