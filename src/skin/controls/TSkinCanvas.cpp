#include "skin/controls/TSkinCanvas.h"

#include <algorithm>

namespace skin {

TSkinCanvas::~TSkinCanvas() {
    Free();
}

void TSkinCanvas::Free() {
    if (m_dc) {
        win::SelectObject(m_dc, m_oldBitmap);
        win::DeleteDC(m_dc);
    }
    if (m_bitmap)
        win::DeleteObject(m_bitmap);
    m_dc = nullptr;
    m_bitmap = nullptr;
    m_oldBitmap = nullptr;
    m_width = m_height = 0;
}

win::HDC TSkinCanvas::Acquire(win::HDC like, int width, int height) {
    if (m_busy || width <= 0 || height <= 0)
        return nullptr;
    if (!m_dc || width > m_width || height > m_height) {
        const int newWidth = std::max(width, m_width), newHeight = std::max(height, m_height);
        Free();
        m_dc = win::CreateCompatibleDC(like);
        m_bitmap = m_dc ? win::CreateCompatibleBitmap(like, newWidth, newHeight) : nullptr;
        if (!m_bitmap) {
            Free();
            return nullptr;
        }
        m_oldBitmap = win::SelectObject(m_dc, m_bitmap);
        m_width = newWidth;
        m_height = newHeight;
    }
    m_busy = true;
    return m_dc;
}

OffscreenBuffer::OffscreenBuffer(TSkinCanvas* canvas, win::HDC like, int width, int height)
    : m_width(width), m_height(height) {
    if (canvas) {
        m_dc = canvas->Acquire(like, width, height);
        if (m_dc)
            m_canvas = canvas;
    }
    if (!m_dc && width > 0 && height > 0) {
        m_dc = win::CreateCompatibleDC(like);
        m_bitmap = m_dc ? win::CreateCompatibleBitmap(like, width, height) : nullptr;
        if (m_bitmap) {
            m_oldBitmap = win::SelectObject(m_dc, m_bitmap);
        } else if (m_dc) {
            win::DeleteDC(m_dc);
            m_dc = nullptr;
        }
    }
    // Whatever a drawing selects or changes in the shared context is undone when it ends.
    if (m_dc)
        m_saved = win::SaveDC(m_dc);
}

OffscreenBuffer::~OffscreenBuffer() {
    if (!m_dc)
        return;
    if (m_saved)
        win::RestoreDC(m_dc, m_saved);
    if (m_canvas) {
        m_canvas->Release();
        return;
    }
    win::SelectObject(m_dc, m_oldBitmap);
    win::DeleteObject(m_bitmap);
    win::DeleteDC(m_dc);
}

void OffscreenBuffer::Present(win::HDC dest, int x, int y) const {
    if (m_dc && dest)
        win::BitBlt(dest, x, y, m_width, m_height, m_dc, 0, 0, win::SRCCOPY);
}

} // namespace skin
