// A bitmap the widgets draw (glyphs, pictures): owns one platform bitmap, reads BMP data, and streams as the
// bytes of a BMP file ("Glyph.Data" in a layout).
#pragma once

#include "toolkit/TComponent.h"

#include "platform/win.h"

#include <functional>
#include <string>

namespace tk {

class TBitmap : public TPersistent {
    TK_CLASS(TBitmap, TPersistent)
public:
    TBitmap() = default;
    ~TBitmap() override;
    TBitmap(const TBitmap&) = delete;
    TBitmap& operator=(const TBitmap&) = delete;

    bool Empty() const { return m_handle == nullptr; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    win::HBITMAP Handle() const { return m_handle; }
    // Takes ownership of `bitmap` (null empties the bitmap).
    void SetHandle(win::HBITMAP bitmap);
    void Assign(const TBitmap* other);

    // Throws EInvalidGraphic with the reader's reason when the data is not a readable BMP.
    void LoadFromFile(const std::string& path);
    void LoadFromBytes(const Bytes& data);
    Bytes Data() const;
    void SetData(const Bytes& data);

    // Copies the bitmap (or the part `source`) into `dest`, stretched when the sizes differ.
    void Draw(win::HDC dc, const win::RECT& dest) const;
    void Draw(win::HDC dc, const win::RECT& dest, const win::RECT& source) const;
    // As Draw, leaving out the pixels of `transparent` (an RGB value).
    void DrawTransparent(win::HDC dc, const win::RECT& dest, const win::RECT& source,
                         win::COLORREF transparent) const;
    // The colour of the bottom-left pixel, which glyph strips use as their transparent colour.
    win::COLORREF CornerColour() const;

    std::function<void(TBitmap&)> OnChange;

private:
    win::HBITMAP m_handle = nullptr;
    int m_width = 0;
    int m_height = 0;
};

} // namespace tk
