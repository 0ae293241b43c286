#include "toolkit/THeaderControl.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/THeaderSection.h"

#include <algorithm>

namespace tk {

namespace {
void DefineHeaderControlProperties(std::vector<PropertyInfo>& p) {
    p.push_back(IntegerProperty<THeaderControl>("SectionCount", &THeaderControl::SectionCount));
    p.push_back(TControl::FontProperty());
    p.push_back(TControl::ParentFontProperty());
    p.push_back(EventProperty<THeaderControl>("OnSectionClick", &THeaderControl::OnSectionClick));
}
} // namespace

TK_IMPLEMENT_CLASS(THeaderControl, TWinControl, DefineHeaderControlProperties)

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 200, 17);
}

THeaderControl::~THeaderControl() {
    // The sections belong to the owner and may outlive the header; they must not call back into it.
    for (THeaderSection* section : m_sections)
        section->m_header = nullptr;
}

THeaderSection* THeaderControl::Sections(int index) const {
    return index >= 0 && index < SectionCount() ? m_sections[static_cast<std::size_t>(index)] : nullptr;
}

int THeaderControl::IndexOfSection(const THeaderSection* section) const {
    auto it = std::find(m_sections.begin(), m_sections.end(), section);
    return it == m_sections.end() ? -1 : static_cast<int>(it - m_sections.begin());
}

THeaderSection* THeaderControl::AddSection(const std::string& text, int width) {
    auto* section = new THeaderSection(Owner() ? Owner() : this);
    section->SetText(text);
    section->SetWidth(width);
    AttachSection(section);
    return section;
}

void THeaderControl::AttachSection(THeaderSection* section) {
    if (section->m_header == this)
        return;
    if (section->m_header)
        section->m_header->DetachSection(section);
    section->m_header = this;
    m_sections.push_back(section);
    UpdateSections();
}

void THeaderControl::DetachSection(THeaderSection* section) {
    m_sections.erase(std::remove(m_sections.begin(), m_sections.end(), section), m_sections.end());
    section->m_header = nullptr;
    UpdateSections();
}

void THeaderControl::UpdateSections() {
    if (!HandleAllocated())
        return;
    win::HWND h = Handle();
    while (win::SendMessageA(h, win::HDM_GETITEMCOUNT, 0, 0) > 0)
        win::SendMessageA(h, win::HDM_DELETEITEM, 0, 0);
    for (std::size_t i = 0; i < m_sections.size(); ++i) {
        win::HDITEMA item;
        item.mask = win::HDI_TEXT | win::HDI_WIDTH | win::HDI_FORMAT;
        item.pszText = const_cast<char*>(m_sections[i]->Text().c_str());
        item.cxy = m_sections[i]->Width();
        item.fmt = win::HDF_LEFT | win::HDF_STRING;
        win::SendMessageA(h, win::HDM_INSERTITEMA, i, reinterpret_cast<win::LPARAM>(&item));
    }
}

void THeaderControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    CreateSubClass(params, win::WC_HEADERA);
    params.Style |= win::HDS_BUTTONS;
}

void THeaderControl::CreateHandleDone() {
    UpdateSections();
}

void THeaderControl::SectionClick(THeaderSection* section) {
    if (OnSectionClick)
        OnSectionClick(this, section);
}

void THeaderControl::WndProc(TMessage& m) {
    switch (m.Msg) {
    case CN_NOTIFY: CNNotify(m); return;
    }
    TWinControl::WndProc(m);
}

void THeaderControl::CNNotify(TMessage& m) {
    const auto* nm = reinterpret_cast<const win::NMHEADERA*>(m.LParam);
    if (!nm)
        return;
    THeaderSection* section = Sections(nm->iItem);
    if (!section)
        return;
    if (nm->hdr.code == win::HDN_ITEMCLICK) {
        SectionClick(section);
    } else if (nm->hdr.code == win::HDN_ITEMCHANGEDA && nm->pitem && (nm->pitem->mask & win::HDI_WIDTH)) {
        // The native header already shows the new width; only the copy is brought up to date.
        section->m_width = std::max(0, nm->pitem->cxy);
    }
}

} // namespace tk
