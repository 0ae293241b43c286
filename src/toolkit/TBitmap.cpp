#include "toolkit/TBitmap.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/SysUtils.h"

#include "platform/gdi/ImageFiles.h"

namespace tk {

namespace {
void DefineBitmapProperties(std::vector<PropertyInfo>& p) {
    p.push_back(BinaryProperty<TBitmap>("Data", &TBitmap::Data, &TBitmap::SetData));
    p.push_back(IntegerProperty<TBitmap>("Width", &TBitmap::Width));
    p.push_back(IntegerProperty<TBitmap>("Height", &TBitmap::Height));
    p.push_back(BooleanProperty<TBitmap>("Empty", &TBitmap::Empty));
}

struct MemoryDC {
    win::HDC dc;
    win::HGDIOBJ old;
    explicit MemoryDC(win::HBITMAP bitmap)
        : dc(win::CreateCompatibleDC(nullptr)), old(win::SelectObject(dc, bitmap)) {}
    ~MemoryDC() {
        win::SelectObject(dc, old);
        win::DeleteDC(dc);
    }
};
} // namespace

TK_IMPLEMENT_CLASS(TBitmap, TPersistent, DefineBitmapProperties)

TBitmap::~TBitmap() {
    if (m_handle)
        win::DeleteObject(m_handle);
}

void TBitmap::SetHandle(win::HBITMAP bitmap) {
    if (bitmap == m_handle)
        return;
    if (m_handle)
        win::DeleteObject(m_handle);
    m_handle = bitmap;
    m_width = m_height = 0;
    if (m_handle) {
        win::BITMAP info{};
        win::GetObjectA(m_handle, sizeof info, &info);
        m_width = info.bmWidth;
        m_height = std::abs(info.bmHeight);
    }
    if (OnChange)
        OnChange(*this);
}

void TBitmap::Assign(const TBitmap* other) {
    if (other == this)
        return;
    if (!other || other->Empty()) {
        SetHandle(nullptr);
        return;
    }
    win::HBITMAP copy = win::CreateBitmap(other->m_width, other->m_height, 1, 32, nullptr);
    {
        MemoryDC target(copy);
        other->Draw(target.dc, {0, 0, other->m_width, other->m_height});
    }
    SetHandle(copy);
}

void TBitmap::LoadFromFile(const std::string& path) {
    std::string error;
    win::HBITMAP bitmap = win::gdi::LoadBmpFile(path, &error);
    if (!bitmap)
        throw EInvalidGraphic(error);
    SetHandle(bitmap);
}

void TBitmap::LoadFromBytes(const Bytes& data) {
    std::string error;
    win::HBITMAP bitmap = win::gdi::LoadBmpFromMemory(data.data(), data.size(), &error);
    if (!bitmap)
        throw EInvalidGraphic(error);
    SetHandle(bitmap);
}

Bytes TBitmap::Data() const {
    Bytes out;
    if (m_handle && !win::gdi::SaveBmp(m_handle, 24, &out, nullptr))
        out.clear();
    return out;
}

void TBitmap::SetData(const Bytes& data) {
    if (data.empty())
        SetHandle(nullptr);
    else
        LoadFromBytes(data);
}

void TBitmap::Draw(win::HDC dc, const win::RECT& dest) const {
    Draw(dc, dest, {0, 0, m_width, m_height});
}

void TBitmap::Draw(win::HDC dc, const win::RECT& dest, const win::RECT& source) const {
    if (!m_handle)
        return;
    MemoryDC src(m_handle);
    int w = dest.right - dest.left, h = dest.bottom - dest.top;
    int sw = source.right - source.left, sh = source.bottom - source.top;
    if (w == sw && h == sh) {
        win::BitBlt(dc, dest.left, dest.top, w, h, src.dc, source.left, source.top, win::SRCCOPY);
    } else {
        int mode = win::SetStretchBltMode(dc, win::COLORONCOLOR);
        win::StretchBlt(dc, dest.left, dest.top, w, h, src.dc, source.left, source.top, sw, sh, win::SRCCOPY);
        win::SetStretchBltMode(dc, mode);
    }
}

void TBitmap::DrawTransparent(win::HDC dc, const win::RECT& dest, const win::RECT& source,
                              win::COLORREF transparent) const {
    if (!m_handle)
        return;
    MemoryDC src(m_handle);
    win::TransparentBlt(dc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, src.dc,
                        source.left, source.top, source.right - source.left, source.bottom - source.top,
                        transparent);
}

win::COLORREF TBitmap::CornerColour() const {
    if (!m_handle)
        return 0;
    MemoryDC src(m_handle);
    return win::GetPixel(src.dc, 0, m_height - 1);
}

} // namespace tk
