// A header on the native "SysHeader32" class: a row of titles, one for each THeaderSection child, that press
// like buttons. A click on a title runs OnSectionClick with its section; a divider the user drags changes
// the section's Width. The sections are kept by the control, so that a new window (RecreateWnd) shows them.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

namespace tk {

class THeaderSection;

using TSectionNotifyEvent = std::function<void(TObject* Sender, THeaderSection* section)>;

class THeaderControl : public TWinControl {
    TK_CLASS(THeaderControl, TWinControl)
public:
    explicit THeaderControl(TComponent* owner);
    ~THeaderControl() override;

    int SectionCount() const { return static_cast<int>(m_sections.size()); }
    // Null outside 0 .. SectionCount() - 1.
    THeaderSection* Sections(int index) const;
    int IndexOfSection(const THeaderSection* section) const;
    // A new section at the end, owned by the header's owner.
    THeaderSection* AddSection(const std::string& text, int width);

    TSectionNotifyEvent OnSectionClick;

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateHandleDone() override;
    void WndProc(TMessage& message) override;
    bool ClicksOnMouseUp() const override { return false; }
    virtual void SectionClick(THeaderSection* section);

private:
    friend class THeaderSection;

    std::vector<THeaderSection*> m_sections;

    void AttachSection(THeaderSection* section);
    void DetachSection(THeaderSection* section);
    void UpdateSections();
    void CNNotify(TMessage& m);
};

} // namespace tk
