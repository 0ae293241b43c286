// Small component classes for the toolkit tests: a font-like sub-object, a container and a leaf, each with
// published properties of every kind.
#pragma once

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TColor.h"
#include "toolkit/TComponent.h"

#include <functional>
#include <string>
#include <vector>

namespace testing_classes {

using namespace tk;

inline std::vector<std::string>& Journal() {
    static std::vector<std::string> journal;
    return journal;
}

enum class Align { None, Top, Bottom, Client };
inline const EnumInfo kAlignInfo{"TAlign", {"alNone", "alTop", "alBottom", "alClient"}};
inline const EnumInfo kStyleInfo{"TFontStyles", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

class TTestFont : public TPersistent {
    TK_CLASS(TTestFont, TPersistent)
public:
    TColor Color() const { return m_color; }
    void SetColor(TColor c) { m_color = c; }
    unsigned Style() const { return m_style; }
    void SetStyle(unsigned s) { m_style = s; }

private:
    TColor m_color = clWindowText;
    unsigned m_style = 0;
};

class TTestControl : public TComponent {
    TK_CLASS(TTestControl, TComponent)
public:
    using TNotifyEvent = std::function<void(TObject*)>;
    using TKeyPressEvent = std::function<void(TObject*, char&)>;

    explicit TTestControl(TComponent* owner) : TComponent(owner) {}
    ~TTestControl() override { Journal().push_back("destroy " + Name()); }

    std::string Caption() const { return m_caption; }
    void SetCaption(const std::string& c) { m_caption = c; }
    int Left() const { return m_left; }
    void SetLeft(int v) { m_left = v; }
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v) { m_enabled = v; }
    Align GetAlign() const { return m_align; }
    void SetAlign(Align a) { m_align = a; }
    TTestFont* Font() { return &m_font; }
    Bytes Data() const { return m_data; }
    void SetData(const Bytes& b) { m_data = b; }
    int ReadOnlyValue() const { return 42; }
    TComponent* ParentComponent() const { return m_parent; }
    void SetParentComponent(TComponent* parent) override { m_parent = parent; }

    void Click() {
        if (OnClick)
            OnClick(this);
    }

    TNotifyEvent OnClick;
    TKeyPressEvent OnKeyPress;

protected:
    void Loaded() override { Journal().push_back("loaded " + Name() + " caption=" + m_caption); }

private:
    std::string m_caption;
    int m_left = 0;
    bool m_enabled = true;
    Align m_align = Align::None;
    TTestFont m_font;
    Bytes m_data;
    TComponent* m_parent = nullptr;
};

class TTestPanel : public TTestControl {
    TK_CLASS(TTestPanel, TTestControl)
public:
    using TTestControl::TTestControl;
};

// A form with handlers that layouts bind by name.
class TTestForm : public TTestControl {
    TK_CLASS(TTestForm, TTestControl)
public:
    explicit TTestForm(TComponent* owner = nullptr) : TTestControl(owner) {
        DefineMethod("ButtonClick", &TTestForm::ButtonClick);
        DefineMethod("EditKeyPress", &TTestForm::EditKeyPress);
    }
    ~TTestForm() override { DestroyComponents(); }
    void ButtonClick(TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    void EditKeyPress(TObject*, char& key) { key = 0; }

    std::vector<std::string> clicks;
};

} // namespace testing_classes
