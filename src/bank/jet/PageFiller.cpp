#include "bank/jet/PageFiller.h"

#include "bank/jet/JetError.h"

#include <cstring>

namespace bank::jet::writer {

void PageFiller::NewPage() {
    if (m_fixedPage != 0 && m_current >= 0)
        throw JetError("internal error: the catalog does not fit its page");
    m_current = static_cast<std::int64_t>(m_fixedPage ? m_fixedPage : m_image.New());
    Page& p = m_image.pages[m_current];
    p[0] = 0x01;
    p[1] = 0x01;
    Put16(&p[2], kPage - kRowTable);
    Put32(&p[4], m_owner);
    m_rows = 0;
    m_low = kPage;
    m_pages.push_back(static_cast<std::uint32_t>(m_current));
}

std::uint32_t PageFiller::Add(const std::vector<std::uint8_t>& row) {
    if (m_current < 0 || m_rows == kMaxRowsPerPage || kRowTable + 2 * (m_rows + 1) + row.size() > m_low)
        NewPage();
    Page& p = m_image.pages[m_current];
    m_low -= static_cast<std::uint32_t>(row.size());
    std::memcpy(&p[m_low], row.data(), row.size());
    Put16(&p[kRowTable + 2 * m_rows], m_low);
    ++m_rows;
    Put16(&p[kJet4Format.dataRowCountOffset], m_rows);
    Put16(&p[2], m_low - (kRowTable + 2 * m_rows));
    return static_cast<std::uint32_t>(m_current << 8) | (m_rows - 1);
}

} // namespace bank::jet::writer
