#include "toolkit/THintWindow.h"

#include "toolkit/DrawingUtils.h"

namespace tk {

namespace {
constexpr win::UINT kHintTextFlags = win::DT_LEFT | win::DT_NOPREFIX | win::DT_WORDBREAK;
}

TK_IMPLEMENT_CLASS(THintWindow, TCustomControl, nullptr)

THintWindow::THintWindow(TComponent* owner) : TCustomControl(owner) {
    InitVisible(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& params) {
    TCustomControl::CreateParams(params);
    params.Style = win::WS_POPUP | win::WS_BORDER;
    params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
    params.WndParent = nullptr;
    params.ClassStyle |= win::CS_SAVEBITS;
}

win::RECT THintWindow::CalcHintRect(int maxWidth, const std::string& hint) {
    win::SIZE size = TextExtent(*Font(), hint, kHintTextFlags, maxWidth);
    // Room for the border and two pixels of margin on each side.
    return {0, 0, size.cx + 6, size.cy + 4};
}

void THintWindow::ActivateHint(const win::RECT& rect, const std::string& hint) {
    SetCaption(hint);
    win::HWND hwnd = Handle();
    win::SetWindowPos(hwnd, win::HWND_TOPMOST, rect.left, rect.top, rect.right - rect.left,
                      rect.bottom - rect.top, win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE);
    InitVisible(true);
    win::InvalidateRect(hwnd, nullptr, win::TRUE);
    win::UpdateWindow(hwnd);
}

void THintWindow::ReleaseHandle() {
    if (HandleAllocated())
        win::ShowWindow(Handle(), win::SW_HIDE);
    InitVisible(false);
}

bool THintWindow::HintShowing() const {
    return Visible();
}

void THintWindow::Paint(win::HDC dc) {
    win::RECT r = ClientRect();
    win::InflateRect(&r, -2, -1);
    DrawTextIn(dc, Caption(), r, kHintTextFlags, *Font());
}

void THintWindow::WndProc(TMessage& m) {
    switch (m.Msg) {
    case win::WM_NCHITTEST: m.Result = win::HTTRANSPARENT; return; // the pointer passes through
    case win::WM_MOUSEACTIVATE: m.Result = win::MA_NOACTIVATE; return;
    }
    TCustomControl::WndProc(m);
}

} // namespace tk
