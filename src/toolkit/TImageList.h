// A list of same-sized small images (menu glyphs, button glyphs) over the platform's image list.
#pragma once

#include "toolkit/TBitmap.h"
#include "toolkit/TComponent.h"

#include "platform/win.h"

namespace tk {

class TImageList : public TComponent {
    TK_CLASS(TImageList, TComponent)
public:
    explicit TImageList(TComponent* owner);
    ~TImageList() override;

    int Width() const { return m_width; }
    void SetWidth(int width);
    int Height() const { return m_height; }
    void SetHeight(int height);
    int Count() const;
    win::HIMAGELIST Handle();

    // Adds the bitmap cut into Width-wide images; returns the index of the first, -1 when none was added.
    int Add(const TBitmap& bitmap, const TBitmap* mask = nullptr);
    // As Add, with `transparent` (an RGB value) as the colour left out when drawing.
    int AddMasked(const TBitmap& bitmap, win::COLORREF transparent);
    void Clear();
    // Draws image `index` at (x, y); an index out of range draws nothing.
    void Draw(win::HDC dc, int x, int y, int index);

private:
    int m_width = 16;
    int m_height = 16;
    win::HIMAGELIST m_handle = nullptr;

    void Recreate();
};

} // namespace tk
