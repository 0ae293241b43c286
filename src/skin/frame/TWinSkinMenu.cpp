#include "skin/frame/TWinSkinMenu.h"

#include "skin/data/ElementRenderer.h"
#include "skin/data/TSkinData.h"

#include "toolkit/TCustomForm.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/TMenuItem.h"

#include <algorithm>

namespace skin {

namespace {

constexpr int kFirstItemLeft = 6;
constexpr int kItemPadding = 10;
constexpr int kElementGap = 4;
constexpr int kElementGapRightToLeft = 8;
constexpr int kCrampedStart = 12;
constexpr int kCaptionLimit = 512;

win::HFONT MenuFont() {
    static win::HFONT font = [] {
        win::NONCLIENTMETRICSA metrics;
        if (win::SystemParametersInfoA(win::SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
            if (win::HFONT f = win::CreateFontIndirectA(&metrics.lfMenuFont))
                return f;
        return static_cast<win::HFONT>(win::GetStockObject(win::DEFAULT_GUI_FONT));
    }();
    return font;
}

int CaptionWidth(const std::string& caption) {
    win::HDC dc = win::GetDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(dc, MenuFont());
    win::RECT r{0, 0, 0, 0};
    std::string text = caption;
    win::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
                   win::DT_CALCRECT | win::DT_NOCLIP | win::DT_SINGLELINE);
    win::SelectObject(dc, old);
    win::ReleaseDC(nullptr, dc);
    return std::max(0, static_cast<int>(r.right - r.left));
}

const TDataSkinObject* BarElement(const TSkinData* skin) {
    return skin && skin->MenuBar && !skin->MenuBar->Image.Empty() ? skin->MenuBar.get() : nullptr;
}

} // namespace

TK_IMPLEMENT_CLASS(TWinSkinMenu, tk::TComponent, nullptr)

TWinSkinMenu::TWinSkinMenu(tk::TComponent* owner) : tk::TComponent(owner) {
}

int TWinSkinMenu::Height() {
    return win::GetSystemMetrics(win::SM_CYMENU);
}

void TWinSkinMenu::Build(TSkinData* skin, win::HWND hwnd, win::HMENU menu, tk::TCustomForm* form) {
    m_skin = skin;
    m_hwnd = hwnd;
    m_menu = win::IsMenu(menu) ? menu : nullptr;
    m_form = form;
    m_mainMenu = form ? form->Menu() : nullptr;
    m_buttons.clear();
    m_hot = -1;
    if (m_mainMenu)
        AddFormButtons();
    else
        AddNativeButtons();
    if (!win::IsRectEmpty(&m_bar))
        Layout(m_bar, m_rightToLeft);
}

void TWinSkinMenu::AddNativeButtons() {
    const int count = m_menu ? win::GetMenuItemCount(m_menu) : 0;
    for (int i = 0; i < count; ++i) {
        char text[kCaptionLimit] = {};
        win::MENUITEMINFOA info;
        info.fMask = win::MIIM_FTYPE | win::MIIM_STATE | win::MIIM_ID | win::MIIM_SUBMENU | win::MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text - 1;
        if (!win::GetMenuItemInfoA(m_menu, static_cast<win::UINT>(i), win::TRUE, &info))
            continue;
        TMenuBtn button;
        button.index = static_cast<int>(m_buttons.size());
        button.caption.assign(text, std::find(text, text + sizeof text - 1, '\0'));
        button.enabled = (info.fState & win::MFS_GRAYED) == 0;
        button.visible = (info.fType & win::MFT_SEPARATOR) == 0;
        button.popup = win::IsMenu(info.hSubMenu) ? info.hSubMenu : nullptr;
        button.command = button.popup ? 0 : info.wID;
        button.element = BarElement(m_skin);
        m_buttons.push_back(std::move(button));
    }
}

// The toolkit's items, invisible ones too; each finds its drop-down in the native bar by its command.
void TWinSkinMenu::AddFormButtons() {
    tk::TMenuItem* items = m_mainMenu->Items();
    const int native = m_menu ? win::GetMenuItemCount(m_menu) : 0;
    for (int i = 0; i < items->Count(); ++i) {
        tk::TMenuItem* item = items->Items(i);
        TMenuBtn button;
        button.index = i;
        button.caption = item->Caption();
        button.enabled = item->Enabled();
        button.visible = item->Visible() && !item->IsLine();
        button.command = item->Command();
        button.item = item;
        button.element = BarElement(m_skin);
        for (int k = 0; k < native; ++k) {
            win::MENUITEMINFOA info;
            info.fMask = win::MIIM_ID | win::MIIM_SUBMENU;
            if (win::GetMenuItemInfoA(m_menu, static_cast<win::UINT>(k), win::TRUE, &info) &&
                info.wID == item->Command()) {
                button.popup = win::IsMenu(info.hSubMenu) ? info.hSubMenu : nullptr;
                break;
            }
        }
        m_buttons.push_back(std::move(button));
    }
}

void TWinSkinMenu::Layout(const win::RECT& bar, bool rightToLeft) {
    m_bar = bar;
    m_rightToLeft = rightToLeft;
    const int width = std::max(0, static_cast<int>(bar.right - bar.left));
    const int height = std::max(0, static_cast<int>(bar.bottom - bar.top));
    int start = kFirstItemLeft;
    if (const TDataSkinObject* element = BarElement(m_skin)) {
        start =
            rightToLeft ? element->RightWidth() + kElementGapRightToLeft : element->LeftWidth() + kElementGap;
        if (start > width)
            start = kCrampedStart;
    }
    int x = rightToLeft ? bar.right - start : bar.left + start;
    for (TMenuBtn& button : m_buttons) {
        if (!button.visible) {
            button.rect = win::RECT{0, 0, 0, 0};
            continue;
        }
        const int w = CaptionWidth(button.caption) + kItemPadding;
        if (rightToLeft) {
            button.rect = win::RECT{x - w, bar.top, x, bar.top + std::max(0, height - 1)};
            x -= w;
        } else {
            button.rect = win::RECT{x, bar.top, x + w, bar.top + std::max(0, height - 1)};
            x += w;
        }
    }
    RenderBackground();
}

void TWinSkinMenu::RenderBackground() {
    const int w = m_bar.right - m_bar.left, h = m_bar.bottom - m_bar.top;
    if (w <= 0 || h <= 0 || !m_background.SetSize(w, h)) {
        m_background.Clear();
        return;
    }
    win::HDC mem = win::CreateCompatibleDC(nullptr);
    win::HGDIOBJ old = win::SelectObject(mem, m_background.Handle());
    const win::RECT all{0, 0, w, h};
    if (const TDataSkinObject* element = BarElement(m_skin)) {
        ElementRenderer::Render(mem, all, *element, 1, false, element->Tile != 1);
    } else if (m_skin && !m_skin->SkinLoading) {
        // Without a bar image the skin's menu-bar colour, which its menu-bar text colour is chosen against.
        win::HBRUSH brush = win::CreateSolidBrush(tk::ColorToRGB(m_skin->SkinColours[scMenubar]));
        win::FillRect(mem, &all, brush);
        win::DeleteObject(brush);
    } else {
        win::FillRect(mem, &all, win::GetSysColorBrush(win::COLOR_BTNFACE));
    }
    win::SelectObject(mem, old);
    win::DeleteDC(mem);
}

void TWinSkinMenu::Paint(win::HDC dc) {
    if (!dc || m_background.Empty())
        return;
    win::HDC mem = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(mem, m_background.Handle());
    win::BitBlt(dc, m_bar.left, m_bar.top, m_background.Width(), m_background.Height(), mem, 0, 0,
                win::SRCCOPY);
    win::SelectObject(mem, old);
    win::DeleteDC(mem);
    for (int i = 0; i < static_cast<int>(m_buttons.size()); ++i)
        PaintButton(dc, i);
}

void TWinSkinMenu::PaintButton(win::HDC dc, int index) {
    if (!dc || !Valid(index) || m_background.Empty())
        return;
    const TMenuBtn& button = m_buttons[static_cast<std::size_t>(index)];
    win::RECT r = button.rect;
    const int w = r.right - r.left, h = r.bottom - r.top;
    if (w <= 0 || h <= 0)
        return;
    win::HDC mem = win::CreateCompatibleDC(dc);
    win::HGDIOBJ old = win::SelectObject(mem, m_background.Handle());
    win::BitBlt(dc, r.left, r.top, w, h, mem, r.left - m_bar.left, r.top - m_bar.top, win::SRCCOPY);
    win::SelectObject(mem, old);
    win::DeleteDC(mem);
    const auto colour = [this](int index) {
        return m_skin ? tk::ColorToRGB(m_skin->SkinColours[static_cast<std::size_t>(index)])
                      : win::COLORREF{0};
    };
    if (button.state == TMenuBtn::bsHot || button.state == TMenuBtn::bsPressed) {
        win::HBRUSH frame = win::CreateSolidBrush(colour(scButtonHilight));
        win::FrameRect(dc, &r, frame);
        win::DeleteObject(frame);
    }
    win::HGDIOBJ oldFont = win::SelectObject(dc, MenuFont());
    const win::COLORREF oldColour =
        win::SetTextColor(dc, colour(button.enabled ? scMenuBarText : scButtonShadow));
    const int oldMode = win::SetBkMode(dc, win::TRANSPARENT);
    std::string text = button.caption;
    win::DrawTextA(dc, text.data(), static_cast<int>(text.size()), &r,
                   win::DT_SINGLELINE | win::DT_CENTER | win::DT_VCENTER);
    win::SetBkMode(dc, oldMode);
    win::SetTextColor(dc, oldColour);
    win::SelectObject(dc, oldFont);
}

int TWinSkinMenu::ButtonAt(win::POINT windowPoint) const {
    for (const TMenuBtn& button : m_buttons)
        if (button.visible && win::PtInRect(&button.rect, windowPoint))
            return button.index;
    return -1;
}

bool TWinSkinMenu::Valid(int index) const {
    return index >= 0 && index < static_cast<int>(m_buttons.size()) &&
           m_buttons[static_cast<std::size_t>(index)].visible;
}

void TWinSkinMenu::SetState(int index, int state) {
    if (index < 0 || index >= static_cast<int>(m_buttons.size()))
        return;
    m_buttons[static_cast<std::size_t>(index)].state = state;
    Redraw(index);
}

void TWinSkinMenu::Redraw(int index) {
    if (!win::IsWindow(m_hwnd))
        return;
    win::HDC dc = win::GetWindowDC(m_hwnd);
    PaintButton(dc, index);
    win::ReleaseDC(m_hwnd, dc);
}

void TWinSkinMenu::Hover(int index) {
    if (index == m_hot || !Valid(index))
        return;
    Leave();
    m_hot = index;
    SetState(index, TMenuBtn::bsHot);
}

void TWinSkinMenu::Press(int index) {
    if (!Valid(index))
        return;
    if (m_hot != index)
        Leave();
    m_hot = index;
    SetState(index, TMenuBtn::bsPressed);
}

void TWinSkinMenu::Leave() {
    const int hot = m_hot;
    m_hot = -1;
    SetState(hot, TMenuBtn::bsNormal);
}

} // namespace skin
