#include "toolkit/TImageList.h"

#include "toolkit/PropertyBuilders.h"

#include <algorithm>

namespace tk {

namespace {
void DefineImageListProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<TImageList>("Width", &TImageList::Width, &TImageList::SetWidth));
    p.push_back(IntegerProperty<TImageList>("Height", &TImageList::Height, &TImageList::SetHeight));
    p.push_back(IntegerProperty<TImageList>("Count", &TImageList::Count));
}
} // namespace

TK_IMPLEMENT_CLASS(TImageList, TComponent, DefineImageListProperties)

TImageList::TImageList(TComponent* owner) : TComponent(owner) {
}

TImageList::~TImageList() {
    if (m_handle)
        win::ImageList_Destroy(m_handle);
}

void TImageList::SetWidth(int width) {
    width = std::clamp(width, 1, 256);
    if (width != m_width) {
        m_width = width;
        Recreate();
    }
}

void TImageList::SetHeight(int height) {
    height = std::clamp(height, 1, 256);
    if (height != m_height) {
        m_height = height;
        Recreate();
    }
}

void TImageList::Recreate() {
    // A new size empties the list, as the images no longer fit it.
    if (m_handle) {
        win::ImageList_Destroy(m_handle);
        m_handle = nullptr;
    }
}

win::HIMAGELIST TImageList::Handle() {
    if (!m_handle)
        m_handle = win::ImageList_Create(m_width, m_height, win::ILC_COLOR32 | win::ILC_MASK, 4, 4);
    return m_handle;
}

int TImageList::Count() const {
    return m_handle ? win::ImageList_GetImageCount(m_handle) : 0;
}

int TImageList::Add(const TBitmap& bitmap, const TBitmap* mask) {
    if (bitmap.Empty())
        return -1;
    return win::ImageList_Add(Handle(), bitmap.Handle(), mask ? mask->Handle() : nullptr);
}

int TImageList::AddMasked(const TBitmap& bitmap, win::COLORREF transparent) {
    if (bitmap.Empty())
        return -1;
    return win::ImageList_AddMasked(Handle(), bitmap.Handle(), transparent);
}

void TImageList::Clear() {
    if (m_handle)
        win::ImageList_Remove(m_handle, -1);
}

void TImageList::Draw(win::HDC dc, int x, int y, int index) {
    if (index < 0 || index >= Count())
        return;
    win::ImageList_Draw(m_handle, index, dc, x, y, win::ILD_TRANSPARENT);
}

} // namespace tk
