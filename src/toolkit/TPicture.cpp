#include "toolkit/TPicture.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/SysUtils.h"

#include "platform/gdi/ImageFiles.h"
#include "platform/os/Bytes.h"

namespace tk {

namespace {
void DefinePictureProperties(std::vector<PropertyInfo>& p) {
    p.push_back(ObjectProperty<TPicture>("Bitmap", static_cast<TBitmap* (TPicture::*)()>(&TPicture::Bitmap)));
    p.push_back(IntegerProperty<TPicture>("Width", &TPicture::Width));
    p.push_back(IntegerProperty<TPicture>("Height", &TPicture::Height));
}

std::string LowerExtension(const std::string& path) {
    std::size_t dot = path.find_last_of('.');
    std::size_t slash = path.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return "";
    return win::AsciiLower(std::string_view(path).substr(dot + 1));
}
} // namespace

TK_IMPLEMENT_CLASS(TPicture, TPersistent, DefinePictureProperties)

TPicture::TPicture() {
    m_bitmap.OnChange = [this](TBitmap&) {
        if (OnChange)
            OnChange(*this);
    };
}

void TPicture::LoadFromFile(const std::string& path) {
    std::string ext = LowerExtension(path);
    std::string error;
    win::HBITMAP bitmap = nullptr;
    if (ext == "bmp")
        bitmap = win::gdi::LoadBmpFile(path, &error);
    else if (ext == "jpg" || ext == "jpeg")
        bitmap = win::gdi::LoadJpegFile(path, &error);
    else
        throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    if (!bitmap)
        throw EInvalidGraphic(error.empty() ? "Cannot read the picture " + path : error);
    m_bitmap.SetHandle(bitmap);
}

void TPicture::Assign(const TPicture* other) {
    m_bitmap.Assign(other ? &other->m_bitmap : nullptr);
}

} // namespace tk
