// What an image control shows: empty, or a bitmap read from a picture file. The file's extension chooses the
// reader: "bmp" the platform's BMP reader, "jpg"/"jpeg" its JPEG reader; other extensions and unreadable
// files raise EInvalidGraphic and leave the picture as it was.
#pragma once

#include "toolkit/TBitmap.h"

#include <functional>
#include <string>

namespace tk {

class TPicture : public TPersistent {
    TK_CLASS(TPicture, TPersistent)
public:
    TPicture();

    void LoadFromFile(const std::string& path);
    // Copies another picture; null empties this one.
    void Assign(const TPicture* other);
    void Clear() { Assign(nullptr); }

    bool Empty() const { return m_bitmap.Empty(); }
    TBitmap* Bitmap() { return &m_bitmap; }
    const TBitmap* Bitmap() const { return &m_bitmap; }
    int Width() const { return m_bitmap.Width(); }
    int Height() const { return m_bitmap.Height(); }

    std::function<void(TPicture&)> OnChange;

private:
    TBitmap m_bitmap;
};

} // namespace tk
