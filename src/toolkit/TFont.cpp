#include "toolkit/TFont.h"

#include "toolkit/PropertyBuilders.h"

#include <cstring>

namespace tk {

namespace {
const EnumInfo kFontStyleInfo{"TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

void DefineFontProperties(std::vector<PropertyInfo>& props) {
    props.push_back(StringProperty<TFont>("Name", &TFont::Name, &TFont::SetName));
    props.push_back(IntegerProperty<TFont>("Height", &TFont::Height, &TFont::SetHeight));
    props.push_back(IntegerProperty<TFont>("Size", &TFont::Size, &TFont::SetSize));
    props.push_back(ColourProperty<TFont>("Color", &TFont::Color, &TFont::SetColor));
    props.push_back(SetProperty<TFont>("Style", kFontStyleInfo, &TFont::Style, &TFont::SetStyle));
}
} // namespace

TK_IMPLEMENT_CLASS(TFont, TPersistent, DefineFontProperties)

TFont::TFont() = default;

TFont::~TFont() {
    if (m_handle)
        win::DeleteObject(m_handle);
}

void TFont::Changed() {
    if (m_handle) {
        win::DeleteObject(m_handle);
        m_handle = nullptr;
    }
    if (OnChange)
        OnChange(*this);
}

void TFont::SetName(const std::string& name) {
    if (name != m_name) {
        m_name = name;
        Changed();
    }
}

void TFont::SetHeight(int height) {
    if (height != m_height) {
        m_height = height;
        Changed();
    }
}

namespace {
// a * b / c rounded half away from zero, as the platform's MulDiv.
int MulDiv(int a, int b, int c) {
    long long p = static_cast<long long>(a) * b;
    long long q = (p >= 0 ? p + c / 2 : p - c / 2) / c;
    return static_cast<int>(q);
}
constexpr int kPixelsPerInch = 96;
} // namespace

int TFont::Size() const {
    return -MulDiv(m_height, 72, kPixelsPerInch);
}

void TFont::SetSize(int points) {
    SetHeight(-MulDiv(points, kPixelsPerInch, 72));
}

void TFont::SetColor(TColor colour) {
    if (colour != m_color) {
        m_color = colour;
        Changed();
    }
}

void TFont::SetStyle(TFontStyles style) {
    style &= fsBold | fsItalic | fsUnderline | fsStrikeOut;
    if (style != m_style) {
        m_style = style;
        Changed();
    }
}

void TFont::Assign(const TFont& other) {
    if (SameAs(other))
        return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_color = other.m_color;
    m_style = other.m_style;
    Changed();
}

bool TFont::SameAs(const TFont& other) const {
    return m_name == other.m_name && m_height == other.m_height && m_color == other.m_color &&
           m_style == other.m_style;
}

win::HFONT TFont::Handle() const {
    if (!m_handle) {
        win::LOGFONT lf{};
        lf.lfHeight = m_height;
        lf.lfWeight = (m_style & fsBold) ? 700 : 400;
        lf.lfItalic = (m_style & fsItalic) ? 1 : 0;
        lf.lfUnderline = (m_style & fsUnderline) ? 1 : 0;
        lf.lfStrikeOut = (m_style & fsStrikeOut) ? 1 : 0;
        std::strncpy(lf.lfFaceName, m_name.c_str(), sizeof(lf.lfFaceName) - 1);
        m_handle = win::CreateFontIndirect(&lf);
    }
    return m_handle;
}

win::COLORREF ColorToRGB(TColor colour) {
    if (IsSystemColour(colour))
        return win::GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0xFFFFFF;
}

} // namespace tk
