#include "platform/controls/EditControl.h"

#include <algorithm>

namespace win::controls {

namespace {

constexpr int kMargin = 2;

bool Multi(HWND hwnd) {
    return (GetWindowLongA(hwnd, GWL_STYLE) & ES_MULTILINE) != 0;
}

class FontDC {
public:
    FontDC(HWND hwnd, const EditState& st) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {
        if (m_dc)
            m_old = SelectObject(m_dc, st.font ? st.font : DefaultGuiFont());
    }
    ~FontDC() {
        if (m_dc) {
            SelectObject(m_dc, m_old);
            ReleaseDC(m_hwnd, m_dc);
        }
    }
    HDC Dc() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

int Extent(HDC dc, const std::u32string& s) {
    if (!dc || s.empty())
        return 0;
    const std::string u = U32ToUtf8(s);
    SIZE sz;
    GetTextExtentPoint32A(dc, u.c_str(), static_cast<int>(u.size()), &sz);
    return sz.cx;
}

} // namespace

std::u32string EditView::Shown(const EditState& st, size_t from, size_t to) {
    const std::u32string& t = st.model.Text();
    from = std::min(from, t.size());
    to = std::clamp(to, from, t.size());
    std::u32string s = t.substr(from, to - from);
    if (st.passwordChar)
        std::fill(s.begin(), s.end(), st.passwordChar);
    for (char32_t& c : s)
        if (c == U'\t')
            c = U' ';
    return s;
}

int EditView::LineHeight(HWND hwnd) {
    EditState* st = EditControl::StateOf(hwnd);
    if (!st)
        return 16;
    FontDC f(hwnd, *st);
    TEXTMETRICA tm;
    if (!f.Dc() || !GetTextMetricsA(f.Dc(), &tm))
        return 16;
    return std::max<int>(1, tm.tmHeight);
}

RECT EditView::TextRect(HWND hwnd) {
    RECT r = ClientRectOf(hwnd);
    r.left += kMargin;
    r.right = std::max(r.left, r.right - kMargin);
    if (!Multi(hwnd)) {
        const int h = LineHeight(hwnd);
        r.top = std::max<LONG>(0, (r.bottom - h) / 2);
        r.bottom = r.top + h;
    } else {
        r.top += 1;
    }
    return r;
}

size_t EditView::VisibleLines(HWND hwnd) {
    RECT r = TextRect(hwnd);
    return static_cast<size_t>(std::max<LONG>(1, (r.bottom - r.top) / LineHeight(hwnd)));
}

int EditView::Width(HWND hwnd, const EditState& st, size_t from, size_t to) {
    FontDC f(hwnd, st);
    return Extent(f.Dc(), Shown(st, from, to));
}

size_t EditView::PosFromPoint(HWND hwnd, const EditState& st, POINT pt) {
    const RECT tr = TextRect(hwnd);
    size_t line = 0;
    if (Multi(hwnd)) {
        const int h = LineHeight(hwnd);
        long long rel = pt.y < tr.top ? -1 : (pt.y - tr.top) / h;
        long long l = static_cast<long long>(st.firstLine) + rel;
        line = static_cast<size_t>(
            std::clamp<long long>(l, 0, static_cast<long long>(st.model.LineCount()) - 1));
    }
    const size_t start = st.model.LineStart(line), end = st.model.LineEnd(line);
    const int x = pt.x - tr.left + st.scrollX;
    if (x <= 0)
        return start;
    FontDC f(hwnd, st);
    int prev = 0;
    for (size_t i = start; i < end; ++i) {
        const int w = Extent(f.Dc(), Shown(st, start, i + 1));
        if (x < (prev + w) / 2 + (w - prev) % 2)
            return i;
        if (x < w)
            return i + 1;
        prev = w;
    }
    return end;
}

POINT EditView::CaretPoint(HWND hwnd, const EditState& st) {
    const RECT tr = TextRect(hwnd);
    const size_t caret = st.model.Caret();
    const size_t line = st.model.LineOf(caret);
    const size_t start = st.model.LineStart(line);
    POINT p;
    p.x = tr.left + Width(hwnd, st, start, caret) - st.scrollX;
    p.y = tr.top + static_cast<int>(static_cast<long long>(line) - static_cast<long long>(st.firstLine)) *
                       LineHeight(hwnd);
    return p;
}

void EditView::ScrollToCaret(HWND hwnd, EditState& st) {
    const RECT tr = TextRect(hwnd);
    const int width = tr.right - tr.left;
    const size_t caret = st.model.Caret();
    const size_t line = st.model.LineOf(caret);
    const int x = Width(hwnd, st, st.model.LineStart(line), caret);
    if (x - st.scrollX > width - 1)
        st.scrollX = x - width + std::max(1, width / 4);
    if (x < st.scrollX)
        st.scrollX = std::max(0, x - width / 4);
    if (!Multi(hwnd)) {
        // Nothing beyond the end of the text is scrolled into view.
        const int total = Width(hwnd, st, 0, st.model.Text().size());
        st.scrollX = std::clamp(st.scrollX, 0, std::max(0, total - width + 1));
        return;
    }
    const size_t visible = VisibleLines(hwnd);
    if (line < st.firstLine)
        st.firstLine = line;
    else if (line >= st.firstLine + visible)
        st.firstLine = line - visible + 1;
    UpdateScrollBars(hwnd, st);
}

void EditView::UpdateScrollBars(HWND hwnd, EditState& st) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (!(style & ES_MULTILINE))
        return;
    if (style & WS_VSCROLL) {
        SCROLLINFO si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMin = 0;
        si.nMax = static_cast<int>(st.model.LineCount()) - 1;
        si.nPage = static_cast<UINT>(VisibleLines(hwnd));
        si.nPos = static_cast<int>(st.firstLine);
        SetScrollInfo(hwnd, SB_VERT, &si, TRUE);
    }
    if (style & WS_HSCROLL) {
        int widest = 0;
        for (size_t l = 0; l < st.model.LineCount(); ++l)
            widest = std::max(widest, Width(hwnd, st, st.model.LineStart(l), st.model.LineEnd(l)));
        const RECT tr = TextRect(hwnd);
        SCROLLINFO si;
        si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
        si.nMax = widest + 2;
        si.nPage = static_cast<UINT>(std::max<LONG>(1, tr.right - tr.left));
        si.nPos = st.scrollX;
        SetScrollInfo(hwnd, SB_HORZ, &si, TRUE);
    }
}

void EditView::Paint(HWND hwnd, HDC dc, const EditState& st) {
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const bool enabled = IsWindowEnabled(hwnd) != 0;
    const int saved = SaveDC(dc);
    SelectObject(dc, st.font ? st.font : DefaultGuiFont());
    HBRUSH bg =
        ControlBrush(hwnd, dc, (style & ES_READONLY) || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    const COLORREF textColour = enabled ? GetTextColor(dc) : GetSysColor(COLOR_GRAYTEXT);
    RECT client = ClientRectOf(hwnd);
    FillRect(dc, &client, bg);
    const RECT tr = TextRect(hwnd);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    const int h = LineHeight(hwnd);
    const bool showSel = st.model.HasSelection() && (st.focused || (style & ES_NOHIDESEL));
    const size_t selA = st.model.SelStart(), selB = st.model.SelEnd();
    const size_t lines = (style & ES_MULTILINE) ? st.model.LineCount() : 1;
    SetBkMode(dc, TRANSPARENT);
    for (size_t l = st.firstLine; l < lines; ++l) {
        const int y = tr.top + static_cast<int>(l - st.firstLine) * h;
        if (y >= client.bottom)
            break;
        const size_t start = st.model.LineStart(l), end = st.model.LineEnd(l);
        const int x0 = tr.left - st.scrollX;
        const std::string line = U32ToUtf8(Shown(st, start, end));
        SetTextColor(dc, textColour);
        TextOutA(dc, x0, y, line.c_str(), static_cast<int>(line.size()));
        if (showSel && selB > start && selA < end) {
            const size_t a = std::max(selA, start), b = std::min(selB, end);
            RECT sel{x0 + Width(hwnd, st, start, a), y, x0 + Width(hwnd, st, start, b), y + h};
            FillRect(dc, &sel, GetSysColorBrush(COLOR_HIGHLIGHT));
            const std::string s = U32ToUtf8(Shown(st, a, b));
            SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
            TextOutA(dc, sel.left, y, s.c_str(), static_cast<int>(s.size()));
        }
    }
    if (st.focused) {
        const POINT c = CaretPoint(hwnd, st);
        RECT caret{c.x, c.y, c.x + 1, c.y + h};
        FillRect(dc, &caret, GetSysColorBrush(COLOR_WINDOWTEXT));
    }
    RestoreDC(dc, saved);
}

} // namespace win::controls
