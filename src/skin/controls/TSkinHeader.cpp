#include "skin/controls/TSkinHeader.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>

namespace skin::controls {

namespace {

constexpr int kMostSections = 1000;
constexpr int kTextCapacity = 256;
constexpr int kTextPadding = 4;

} // namespace

TK_IMPLEMENT_CLASS(TSkinHeader, TSkinControl, nullptr)

TSkinHeader::TSkinHeader(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TSkinHeader::Skinned() const {
    return Skin() && HasImage(Skin()->Headerbar.get());
}

int TSkinHeader::SectionAt(win::LPARAM point) const {
    win::HDHITTESTINFO info{};
    info.pt = {win::GET_X_LPARAM(point), win::GET_Y_LPARAM(point)};
    const auto index = static_cast<int>(
        win::SendMessageA(Window(), win::HDM_HITTEST, 0, reinterpret_cast<win::LPARAM>(&info)));
    return (info.flags & win::HHT_ONHEADER) != 0 ? index : -1;
}

bool TSkinHeader::BeforeMessage(tk::TMessage& message) {
    if (Skinned() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

void TSkinHeader::AfterMessage(tk::TMessage& message) {
    const auto sectionAt = [this](win::LPARAM point) { return SectionAt(point); };
    FollowParts(m_sections, message, sectionAt);
}

void TSkinHeader::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    const auto claimed = static_cast<long long>(win::SendMessageA(Window(), win::HDM_GETITEMCOUNT, 0, 0));
    const int count = static_cast<int>(std::clamp<long long>(claimed, 0, kMostSections));
    int end = rect.left;
    for (int i = 0; i < count; ++i) {
        win::RECT section{};
        if (!win::SendMessageA(Window(), win::HDM_GETITEMRECT, static_cast<win::WPARAM>(i),
                               reinterpret_cast<win::LPARAM>(&section)))
            continue;
        DrawSection(dc, i, section);
        end = std::max(end, static_cast<int>(section.right));
    }
    if (end < rect.right)
        DrawElementFrame(dc, {end, rect.top, rect.right, rect.bottom}, *Skin()->Headerbar,
                         WindowDisabled() ? 4 : 1);
}

void TSkinHeader::DrawSection(win::HDC dc, int index, win::RECT& section) {
    const bool disabled = WindowDisabled();
    DrawElementFrame(dc, section, *Skin()->Headerbar,
                     FourStateFrame(index == m_sections.Hot(), index == m_sections.Pressed(), disabled));
    char text[kTextCapacity] = {};
    win::HDITEMA item{};
    item.mask = win::HDI_TEXT | win::HDI_FORMAT;
    item.pszText = text;
    item.cchTextMax = kTextCapacity;
    if (!win::SendMessageA(Window(), win::HDM_GETITEMA, static_cast<win::WPARAM>(index),
                           reinterpret_cast<win::LPARAM>(&item)))
        return;
    win::UINT format = win::DT_LEFT;
    if ((item.fmt & win::HDF_JUSTIFYMASK) == win::HDF_CENTER)
        format = win::DT_CENTER;
    else if ((item.fmt & win::HDF_JUSTIFYMASK) == win::HDF_RIGHT)
        format = win::DT_RIGHT;
    win::RECT area = section;
    win::InflateRect(&area, -kTextPadding, 0);
    // A pressed section's text moves with it, as a pressed button's does.
    if (index == m_sections.Pressed())
        win::OffsetRect(&area, 1, 1);
    const win::COLORREF colour = disabled ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    DrawCaption(dc, area, BoundedText(text, kTextCapacity), FontHandle(), colour, format);
}

} // namespace skin::controls
