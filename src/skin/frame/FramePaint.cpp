// TWinSkinForm: painting the frame, the window region cut from the border pieces, and keeping the client size
// while the frame's thickness changes.
#include "skin/frame/TWinSkinForm.h"
#include "skin/frame/TWinSkinMenu.h"

#include "skin/data/ElementRenderer.h"
#include "skin/data/SkinMessages.h"

#include "toolkit/TCustomForm.h"

#include <algorithm>

namespace skin {

namespace {

constexpr win::COLORREF kKeyColour = 0xFF00FF;

// A memory context with a bitmap of its own, for drawing a part of the frame off screen.
class OffScreen {
public:
    OffScreen(win::HDC like, int width, int height)
        : m_dc(win::CreateCompatibleDC(like)), m_bitmap(win::CreateCompatibleBitmap(like, width, height)),
          m_old(win::SelectObject(m_dc, m_bitmap)) {}
    ~OffScreen() {
        win::SelectObject(m_dc, m_old);
        win::DeleteObject(m_bitmap);
        win::DeleteDC(m_dc);
    }
    OffScreen(const OffScreen&) = delete;
    OffScreen& operator=(const OffScreen&) = delete;
    win::HDC Dc() const { return m_dc; }
    win::HBITMAP Bitmap() const { return m_bitmap; }

private:
    win::HDC m_dc;
    win::HBITMAP m_bitmap;
    win::HGDIOBJ m_old;
};

std::string WindowText(win::HWND hwnd) {
    char text[1001] = {};
    win::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The caption text's extent in the font selected into `dc` (calculate only, single line, no prefix).
win::RECT MeasureCaption(win::HDC dc, const std::string& text) {
    win::RECT measured{0, 0, 0, 0};
    win::DrawTextA(dc, text.c_str(), -1, &measured, 0xD00);
    return measured;
}

int Width(const win::RECT& r) {
    return r.right - r.left;
}
int Height(const win::RECT& r) {
    return r.bottom - r.top;
}

} // namespace

void TWinSkinForm::PaintFrame(win::HDC given) {
    if ((m_state != fsReady && m_state != fsReapplying) || m_facts.border == BorderKind::NoCaption ||
        !m_skin || !FrameSkinning())
        return;
    win::RECT window;
    if (!win::GetWindowRect(m_hwnd, &window))
        return;
    const int w = Width(window), h = Height(window);
    win::HDC dc = given ? given : win::GetWindowDC(m_hwnd);
    if (!dc)
        return;
    const bool active = m_facts.active;
    if (m_facts.show == ShowState::Minimised) {
        PaintTitleBar(dc, w, active);
    } else {
        const FrameBorders& b = m_borders;
        PaintBorderPiece(dc, m_skin->BorderLeft.get(), win::RECT{0, 0, b.left, h}, false, active);
        PaintBorderPiece(dc, m_skin->BorderRight.get(), win::RECT{w - b.right, 0, w, h}, false, active);
        PaintBorderPiece(dc, m_skin->BorderBottom.get(), win::RECT{b.left, h - b.bottom, w - b.right, h},
                         true, active);
        PaintTitleBar(dc, w, active);
        const win::RECT bar{b.left, b.top, w - b.right, b.top + m_menuBarHeight};
        if (m_menuBar && m_menuBarHeight > 0) {
            const win::RECT& laid = m_menuBar->BarRect();
            if (laid.left != bar.left || laid.top != bar.top || laid.right != bar.right ||
                laid.bottom != bar.bottom)
                m_menuBar->Layout(bar, m_rightToLeft);
            m_menuBar->Paint(dc);
        } else if (m_menuBarHeight > 0 && m_skin->FaceBrush) {
            win::FillRect(dc, &bar, m_skin->FaceBrush);
        }
    }
    if (!given)
        win::ReleaseDC(m_hwnd, dc);
}

void TWinSkinForm::PaintBorderPiece(win::HDC dc, const TDataSkinBorder* piece, const win::RECT& rect,
                                    bool stacked, bool active) {
    if (!piece || piece->Image.Empty() || Width(rect) <= 0 || Height(rect) <= 0)
        return;
    // For border pieces Tile holds the stretch setting.
    const int frame = active || piece->FrameCount <= 1 ? 1 : 2;
    ElementRenderer::Render(dc, rect, *piece, frame, stacked, piece->Tile == 1);
}

void TWinSkinForm::PaintTitleBar(win::HDC dc, int width, bool active) {
    const int top = m_borders.top;
    if (width <= 0 || top <= 0)
        return;
    OffScreen bar(dc, width, top);
    win::BitBlt(bar.Dc(), 0, 0, width, top, dc, 0, 0, win::SRCCOPY);
    PaintBorderPiece(bar.Dc(), m_skin->BorderTop.get(),
                     win::RECT{m_borders.left, 0, width - m_borders.right, top}, true, active);
    // Which buttons show decides where the text may go; the buttons beside the text then follow it.
    DecideButtons();
    PaintCaptionText(bar.Dc(), width, active);
    PlaceButtons(width);
    PaintButtons(bar.Dc(), active);
    win::BitBlt(dc, 0, 0, width, top, bar.Dc(), 0, 0, win::SRCCOPY);
}

void TWinSkinForm::PaintCaptionText(win::HDC dc, int width, bool active) {
    const TDataSkinTitle& title = *m_skin->Title;
    const std::string text = " " + WindowText(m_hwnd) + "  ";
    const win::RECT area{m_borders.left, 0, width - m_borders.right, m_borders.top};
    win::HGDIOBJ oldFont = win::SelectObject(dc, m_skin->CaptionFont.Handle());
    const win::RECT measured = MeasureCaption(dc, text);
    const int textHeight = Height(measured);
    const int blockWidth = Width(measured) + title.TXTBackleft + title.TXTBackRight;
    const int left =
        FrameGeometry::CaptionTextLeft(title, Width(area), blockWidth, m_rightToLeft, m_rightOffset);
    const int y = FrameGeometry::CaptionTextTop(title, m_borders.top, textHeight);
    win::RECT r{area.left + left, y, area.left + left + blockWidth, y + textHeight};
    if (m_style & win::WS_POPUP) {
        if (m_rightOffset > 5)
            r.right = std::min<int>(r.right, area.right - m_rightOffset - 5);
    } else {
        r.right = std::min<int>(r.right, area.right - title.RightWidth());
    }
    if (m_rightToLeft)
        win::OffsetRect(&r, 10, 0);
    if (m_facts.border == BorderKind::Dialog && title.TextAlignment == 0)
        r.left -= 16;
    m_captionText = r;
    if (!title.Image.Empty()) {
        const win::RECT back{r.left, 0, r.right, m_borders.top};
        ElementRenderer::Render(dc, back, title.Image, win::RECT{title.TXTBackleft, 0, title.TXTBackRight, 0},
                                active ? 1 : 2, ElementRenderer::Slicing{title.FrameCount, true, true});
    }
    r.left += title.TXTBackleft;
    r.right -= title.TXTBackRight;
    const tk::TColor colour = m_skin->SkinColours[active ? scTitleTextActive : scTitleTextNoActive];
    win::SetTextColor(dc, tk::ColorToRGB(colour));
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    win::DrawTextA(dc, text.c_str(), -1, &r, m_rightToLeft ? 0x28822 : 0x8820);
    win::SetBkMode(dc, oldMode);
    win::SelectObject(dc, oldFont);
}

void TWinSkinForm::DecideButtons() {
    m_facts.mdiFrameWithMaximisedChild = false;
    m_rightOffset = 0;
    for (CaptionButton& b : m_buttons) {
        const TDataSkinSysButton& e = *b.element;
        const win::LRESULT answer = e.Visibility >= 1000 && e.Visibility <= 2000
                                        ? win::SendMessageA(m_hwnd, SkinMsgButtonVisible,
                                                            static_cast<win::WPARAM>(e.Visibility), e.Action)
                                        : 0;
        // An icon button without an image of its own shows the window's icon.
        const bool icon = e.Action == 3 || e.Action == 11;
        b.shown = (icon || !e.Image.Empty()) && FrameGeometry::ButtonShown(e, m_facts, answer);
        b.enabled = FrameGeometry::ButtonEnabled(e, m_facts);
        if (b.shown && e.Align == 1)
            m_rightOffset = std::max(m_rightOffset, e.XCoord);
    }
}

void TWinSkinForm::PlaceButtons(int width) {
    const int menuBarLeftEdge = m_skin->MenuBar ? m_skin->MenuBar->LeftWidth() : 0;
    for (CaptionButton& b : m_buttons) {
        const TDataSkinSysButton& e = *b.element;
        // An icon button without an image is as big as the window's small icon.
        const bool icon = e.Action == 3 || e.Action == 11;
        const win::SIZE size = icon && e.Image.Empty() ? win::SIZE{win::GetSystemMetrics(win::SM_CXSMICON),
                                                                   win::GetSystemMetrics(win::SM_CYSMICON)}
                                                       : FrameGeometry::ButtonSize(e);
        b.rect = b.shown ? FrameGeometry::ButtonRect(e, size, width, m_captionText, m_borders,
                                                     m_menuBarHeight, menuBarLeftEdge)
                         : win::RECT{};
    }
}

void TWinSkinForm::PaintButtons(win::HDC dc, bool active) {
    for (const CaptionButton& b : m_buttons) {
        const TDataSkinSysButton& e = *b.element;
        if (!b.shown || e.Visibility == 100)
            continue;
        if (e.Action == 3 || e.Action == 11) {
            PaintIcon(dc, b.rect);
            continue;
        }
        const int frames = std::max(1, e.FrameCount);
        int frame = b.state;
        if (!b.enabled || (!active && b.state == 1))
            frame = frames >= 4 ? 4 : 1;
        frame = std::clamp(frame, 1, frames);
        const int fw = e.Image.Width() / frames;
        win::HDC src = win::CreateCompatibleDC(dc);
        win::HGDIOBJ old = win::SelectObject(src, e.Image.Handle());
        win::TransparentBlt(dc, b.rect.left, b.rect.top, Width(b.rect), Height(b.rect), src, (frame - 1) * fw,
                            0, fw, e.Image.Height(), kKeyColour);
        win::SelectObject(src, old);
        win::DeleteDC(src);
    }
}

void TWinSkinForm::PaintIcon(win::HDC dc, const win::RECT& rect) {
    // The window's own icon, small before big, else the one its class gives every window of it.
    auto icon = reinterpret_cast<win::HICON>(win::SendMessageA(m_hwnd, win::WM_GETICON, win::ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::SendMessageA(m_hwnd, win::WM_GETICON, win::ICON_BIG, 0));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::GetClassLongPtrA(m_hwnd, win::GCLP_HICONSM));
    if (!icon)
        icon = reinterpret_cast<win::HICON>(win::GetClassLongPtrA(m_hwnd, win::GCLP_HICON));
    if (icon) {
        win::DrawIconEx(dc, rect.left, rect.top, icon, Width(rect), Height(rect), 0, nullptr, win::DI_NORMAL);
        return;
    }
    // Else the program's icon the skin component kept.
    if (!m_skin || m_skin->IconImage.Empty())
        return;
    win::HDC src = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(src, m_skin->IconImage.Handle());
    win::TransparentBlt(dc, rect.left, rect.top, Width(rect), Height(rect), src, 0, 0,
                        m_skin->IconImage.Width(), m_skin->IconImage.Height(), kKeyColour);
    win::SelectObject(src, old);
    win::DeleteDC(src);
}

void TWinSkinForm::RefreshShowState() {
    win::WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (win::GetWindowPlacement(m_hwnd, &placement))
        m_facts.show = FrameGeometry::ShowStateOf(placement.showCmd);
}

void TWinSkinForm::KeepClientSize() {
    if (m_facts.show == ShowState::Maximised) {
        win::SetWindowPos(m_hwnd, nullptr, 0, 0, 0, 0, 0x37);
        return;
    }
    int clientWidth = m_clientAtAttach.cx, clientHeight = m_clientAtAttach.cy;
    if (m_form) {
        clientWidth = m_form->ClientWidth();
        clientHeight = m_form->ClientHeight() - m_menuBarHeight;
    }
    win::SetWindowPos(m_hwnd, nullptr, 0, 0, clientWidth + m_borders.left + m_borders.right,
                      clientHeight + m_borders.top + m_borders.bottom + m_menuBarHeight,
                      win::SWP_FRAMECHANGED | win::SWP_NOACTIVATE | win::SWP_NOZORDER | win::SWP_NOMOVE);
    if (m_facts.dialogClass)
        WidenForCaption();
}

void TWinSkinForm::WidenForCaption() {
    win::HDC dc = win::GetWindowDC(m_hwnd);
    win::HGDIOBJ oldFont = win::SelectObject(dc, m_skin->CaptionFont.Handle());
    const win::RECT measured = MeasureCaption(dc, WindowText(m_hwnd));
    win::SelectObject(dc, oldFont);
    win::ReleaseDC(m_hwnd, dc);
    const int needed = m_skin->Title->LeftWidth() + Width(measured) + m_skin->Title->RightWidth();
    win::RECT window;
    win::GetWindowRect(m_hwnd, &window);
    const int increase = needed - Width(window);
    if (increase <= 0)
        return;
    win::SetWindowPos(m_hwnd, nullptr, 0, 0, Width(window) + increase, Height(window),
                      win::SWP_NOACTIVATE | win::SWP_NOZORDER | win::SWP_NOMOVE);
    for (win::HWND child = win::GetWindow(m_hwnd, win::GW_CHILD); child;
         child = win::GetWindow(child, win::GW_HWNDNEXT)) {
        win::RECT r;
        win::GetWindowRect(child, &r);
        win::POINT at{r.left, r.top};
        win::ScreenToClient(m_hwnd, &at);
        win::SetWindowPos(child, nullptr, at.x + increase / 2, at.y, 0, 0,
                          win::SWP_NOSIZE | win::SWP_NOZORDER | win::SWP_NOACTIVATE |
                              win::SWP_NOSENDCHANGING | win::SWP_NOOWNERZORDER);
    }
}

void TWinSkinForm::GiveBackSize() {
    if (!win::IsWindow(m_hwnd) || (m_style & win::WS_CHILD))
        return;
    win::RECT window;
    win::GetWindowRect(m_hwnd, &window);
    const int w = Width(window) + m_systemNonClient.cx - m_borders.left - m_borders.right;
    const int h = Height(window) + m_systemNonClient.cy - m_borders.top - m_borders.bottom - m_menuBarHeight;
    win::SetWindowPos(m_hwnd, nullptr, 0, 0, w, h,
                      win::SWP_FRAMECHANGED | win::SWP_NOACTIVATE | win::SWP_NOZORDER | win::SWP_NOMOVE);
}

void TWinSkinForm::BuildRegion(bool force) {
    if (m_state == fsDead || !FrameSkinning())
        return;
    win::RECT window;
    win::GetWindowRect(m_hwnd, &window);
    const int w = Width(window), h = Height(window);
    if (w <= 0 || h <= 0)
        return;
    if (!force && m_regionSet && m_regionSize.cx == w && m_regionSize.cy == h)
        return;
    const auto transparent = [](const TDataSkinBorder* piece) { return piece && piece->Trans != 0; };
    win::HRGN region = nullptr;
    if (!transparent(m_skin->BorderLeft.get()) && !transparent(m_skin->BorderTop.get()) &&
        !transparent(m_skin->BorderRight.get())) {
        region = win::CreateRectRgn(0, 0, w, h);
    } else {
        const FrameBorders& b = m_borders;
        region = win::CreateRectRgn(b.left, b.top, w - b.right, h - b.bottom);
        struct Side {
            const TDataSkinBorder* piece;
            win::RECT rect;
            bool stacked;
            bool thickEnough;
        };
        const Side sides[] = {
            {m_skin->BorderLeft.get(), {0, 0, b.left, h}, false, true},
            {m_skin->BorderRight.get(), {w - b.right, 0, w, h}, false, true},
            {m_skin->BorderTop.get(), {b.left, 0, w - b.right, b.top}, true, b.top > 1},
            {m_skin->BorderBottom.get(), {b.left, h - b.bottom, w - b.right, h}, true, b.bottom > 1},
        };
        for (const Side& side : sides) {
            const int sw = Width(side.rect), sh = Height(side.rect);
            if (sw <= 0 || sh <= 0)
                continue;
            win::HRGN part = nullptr;
            if (transparent(side.piece) && side.thickEnough) {
                win::HDC screen = win::GetDC(nullptr);
                OffScreen image(screen, sw, sh);
                win::ReleaseDC(nullptr, screen);
                ElementRenderer::Render(image.Dc(), win::RECT{0, 0, sw, sh}, *side.piece, 1, side.stacked,
                                        side.piece->Tile == 1);
                part = win::BitmapToRegion(image.Bitmap(), kKeyColour, side.rect.left, side.rect.top);
            } else {
                part = win::CreateRectRgn(side.rect.left, side.rect.top, side.rect.right, side.rect.bottom);
            }
            if (part) {
                win::CombineRgn(region, region, part, win::RGN_OR);
                win::DeleteObject(part);
            }
        }
    }
    // The window owns the region from now on.
    win::SetWindowRgn(m_hwnd, region, win::TRUE);
    m_regionSet = true;
    m_regionSize = {w, h};
}

void TWinSkinForm::DropRegion() {
    m_regionSet = false;
    m_regionSize = {};
}

} // namespace skin
