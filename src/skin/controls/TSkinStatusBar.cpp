#include "skin/controls/TSkinStatusBar.h"

#include "skin/controls/CommonControlPaint.h"
#include "skin/controls/SkinPainting.h"
#include "skin/data/TSkinData.h"

#include <algorithm>
#include <vector>

namespace skin {

namespace {

constexpr int kBarFrame = 1;
constexpr int kPartFrame = 2;
constexpr int kGripFrame = 3;
constexpr int kTextPadding = 4;

} // namespace

TK_IMPLEMENT_CLASS(TSkinStatusBar, TSkinControl, nullptr)

TSkinStatusBar::TSkinStatusBar(tk::TComponent* owner) : TSkinControl(owner) {
}

bool TSkinStatusBar::Skinned() const {
    return Skin() && HasImage(Skin()->StatusBarEdges.get());
}

bool TSkinStatusBar::BeforeMessage(tk::TMessage& message) {
    if (Skinned() && TakeOverPainting(*this, message))
        return false;
    return TSkinControl::BeforeMessage(message);
}

std::string TSkinStatusBar::PartText(win::WPARAM part) const {
    const auto answer = static_cast<win::DWORD>(win::SendMessageA(Window(), win::SB_GETTEXTLENGTHA, part, 0));
    const std::size_t length = win::LOWORD(answer);
    if (length == 0)
        return {};
    std::vector<char> buffer(length + 1, '\0');
    win::SendMessageA(Window(), win::SB_GETTEXTA, part, reinterpret_cast<win::LPARAM>(buffer.data()));
    return BoundedText(buffer.data(), buffer.size());
}

void TSkinStatusBar::Draw(win::HDC dc, const win::RECT& rect) {
    if (!dc || !Skinned())
        return;
    const TDataSkinObject& edges = *Skin()->StatusBarEdges;
    FillSolid(dc, rect, Skin()->SkinColours[scButtonFace]);
    DrawElementFrame(dc, rect, edges, kBarFrame);
    if (win::SendMessageA(Window(), win::SB_ISSIMPLE, 0, 0)) {
        DrawPart(dc, rect, win::SB_SIMPLEID);
    } else {
        const auto parts = static_cast<long long>(win::SendMessageA(Window(), win::SB_GETPARTS, 0, 0));
        const int count = static_cast<int>(std::clamp<long long>(parts, 0, win::kStatusBarMaxParts));
        for (int i = 0; i < count; ++i) {
            win::RECT area{};
            if (win::SendMessageA(Window(), win::SB_GETRECT, static_cast<win::WPARAM>(i),
                                  reinterpret_cast<win::LPARAM>(&area)))
                DrawPart(dc, area, static_cast<win::WPARAM>(i));
        }
    }
    if (WindowStyle() & win::SBARS_SIZEGRIP) {
        const int width = std::min<int>(edges.FrameWidth(), rect.right - rect.left);
        DrawElementFrame(dc, {rect.right - width, rect.top, rect.right, rect.bottom}, edges, kGripFrame);
    }
}

void TSkinStatusBar::DrawPart(win::HDC dc, const win::RECT& area, win::WPARAM part) {
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    DrawElementFrame(dc, area, *Skin()->StatusBarEdges, kPartFrame);
    const win::RECT text{area.left + kTextPadding, area.top, area.right - kTextPadding, area.bottom};
    const win::COLORREF colour = WindowDisabled() ? win::GetSysColor(win::COLOR_BTNSHADOW) : FontColour();
    DrawCaption(dc, text, PartText(part), FontHandle(), colour, win::DT_LEFT);
}

} // namespace skin
