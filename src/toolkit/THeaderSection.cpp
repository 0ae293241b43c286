#include "toolkit/THeaderSection.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/THeaderControl.h"

#include <algorithm>

namespace tk {

namespace {
constexpr int kMaxSectionWidth = 100000;

void DefineHeaderSectionProperties(std::vector<PropertyInfo>& p) {
    p.push_back(StringProperty<THeaderSection>("Text", &THeaderSection::Text, &THeaderSection::SetText));
    p.push_back(IntegerProperty<THeaderSection>("Width", &THeaderSection::Width, &THeaderSection::SetWidth));
}
} // namespace

TK_IMPLEMENT_CLASS(THeaderSection, TComponent, DefineHeaderSectionProperties)

THeaderSection::THeaderSection(TComponent* owner) : TComponent(owner) {
}

THeaderSection::~THeaderSection() {
    if (m_header)
        m_header->DetachSection(this);
}

void THeaderSection::SetParentComponent(TComponent* parent) {
    auto* header = dynamic_cast<THeaderControl*>(parent);
    if (!header)
        throw PropertyError{"a header section belongs inside a THeaderControl"};
    header->AttachSection(this);
}

void THeaderSection::SetText(const std::string& text) {
    m_text = text;
    if (m_header)
        m_header->UpdateSections();
}

void THeaderSection::SetWidth(int width) {
    m_width = std::clamp(width, 0, kMaxSectionWidth);
    if (m_header)
        m_header->UpdateSections();
}

int THeaderSection::Index() const {
    return m_header ? m_header->IndexOfSection(this) : -1;
}

} // namespace tk
