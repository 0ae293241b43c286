// Controls and a form for the toolkit's window tests: a custom windowed panel that records what reaches its
// default handler, a window-less label that records paints and clicks, and a form streamed from a layout.
#pragma once

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TGraphicControl.h"
#include "toolkit/TTimer.h"

#include <string>
#include <vector>

namespace control_tests {

using namespace tk;

class TProbePanel : public TWinControl {
    TK_CLASS(TProbePanel, TWinControl)
public:
    explicit TProbePanel(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 100, 50); }
    std::vector<win::UINT> defaulted;
    std::u32string typed;

protected:
    void DefaultHandler(TMessage& m) override {
        defaulted.push_back(m.Msg);
        if (m.Msg == win::WM_CHAR)
            typed.push_back(static_cast<char32_t>(m.WParam));
        TWinControl::DefaultHandler(m);
    }
};

class TProbeLabel : public TGraphicControl {
    TK_CLASS(TProbeLabel, TGraphicControl)
public:
    explicit TProbeLabel(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 40, 17); }
    int paints = 0;
    win::POINT lastDown{-1, -1};

protected:
    void Paint(win::HDC) override { ++paints; }
    void DoMouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        lastDown = {x, y};
        TGraphicControl::DoMouseDown(button, shift, x, y);
    }
};

class TProbeForm : public TForm {
    TK_CLASS(TProbeForm, TForm)
public:
    explicit TProbeForm(TComponent* owner, const char* layout = nullptr) : TForm(owner) {
        DefineMethod("LabelClick", &TProbeForm::LabelClick);
        DefineMethod("FormCreate", &TProbeForm::FormCreate);
        DefineMethod("FormShow", &TProbeForm::FormShow);
        DefineMethod("PanelKeyPress", &TProbeForm::PanelKeyPress);
        if (layout) {
            LoadLayout(layout, "probe.layout");
            DoCreate();
        }
    }
    void LabelClick(TObject* sender) { clicks.push_back(static_cast<TComponent*>(sender)->Name()); }
    void FormCreate(TObject*) { ++created; }
    void FormShow(TObject*) { ++shown; }
    void PanelKeyPress(TObject*, char32_t& key) {
        if ((key >= 'a' && key <= 'z') || (key >= 'A' && key <= 'Z'))
            key = 0;
    }

    std::vector<std::string> clicks;
    int created = 0;
    int shown = 0;
};

} // namespace control_tests
