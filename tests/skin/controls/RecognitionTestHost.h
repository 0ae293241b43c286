// What the recognition tests share: a host that records every decision instead of building skinners, toolkit
// controls that answer any class name (for other vendors' classes the toolkit does not have), and a fixture
// with a skin component and a form to place controls on.
#pragma once

#include "skin/controls/ControlRecognizer.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/TSkinData.h"

#include "toolkit/PropertyBuilders.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace recognitiontest {

using skin::SkinnerKind;
using skin::SkinnerRequest;

struct Decision {
    const tk::TControl* control = nullptr; // null for a skinner attached by window handle
    win::HWND window = nullptr;
    SkinnerRequest request;
};

class RecordingHost : public skin::RecognitionHost {
public:
    std::vector<Decision> decisions;
    std::vector<std::pair<tk::TControl*, tk::TComponent*>> adopted;
    std::vector<std::string> calls; // "drop", "menus", "attach"
    // A host that builds nothing, as it does for kinds it has no skinner for.
    bool builds = true;
    tk::TComponent frame{nullptr};

    bool ListsSkinnerFor(const tk::TControl* control) const override {
        return std::ranges::any_of(decisions, [&](const Decision& d) { return d.control == control; }) ||
               std::ranges::any_of(adopted, [&](const auto& a) { return a.first == control; });
    }
    bool ListsSkinnerFor(win::HWND window) const override {
        return std::ranges::any_of(decisions, [&](const Decision& d) { return d.window == window; });
    }
    void AttachToControl(tk::TControl* control, const SkinnerRequest& request) override {
        calls.push_back("attach");
        if (builds)
            decisions.push_back({control, nullptr, request});
    }
    void AttachToWindow(win::HWND window, SkinnerKind kind) override {
        calls.push_back("attach");
        if (builds)
            decisions.push_back({nullptr, window, SkinnerRequest{kind}});
    }
    void AdoptSkinner(tk::TControl* control, tk::TComponent* skinner) override {
        adopted.emplace_back(control, skinner);
    }
    tk::TComponent* Frame() override { return &frame; }
    void DropDeadSkinners() override { calls.push_back("drop"); }
    void SkinPopupMenus() override { calls.push_back("menus"); }

    // What the control got; a request of kind None when nothing.
    SkinnerRequest For(const tk::TControl* control) const {
        for (const Decision& d : decisions)
            if (d.control == control)
                return d.request;
        return {};
    }
    SkinnerKind KindOf(const tk::TControl* control) const { return For(control).kind; }
    SkinnerKind KindOf(win::HWND window) const {
        for (const Decision& d : decisions)
            if (d.window == window)
                return d.request.kind;
        return SkinnerKind::None;
    }
    int IndexOf(const tk::TControl* control) const {
        for (std::size_t i = 0; i < decisions.size(); ++i)
            if (decisions[i].control == control)
                return static_cast<int>(i);
        return -1;
    }
    int IndexOf(win::HWND window) const {
        for (std::size_t i = 0; i < decisions.size(); ++i)
            if (decisions[i].window == window)
                return static_cast<int>(i);
        return -1;
    }
};

// A toolkit control of class Base that answers `className`, with the published values recognition reads.
template <class Base> class Named : public Base {
public:
    Named(tk::TComponent* owner, std::string className) : Base(owner) {
        using Self = Named<Base>;
        m_info.name = std::move(className);
        m_info.parent = &Base::StaticClassInfo();
        m_info.properties = {
            tk::BooleanProperty<Self>("Transparent", &Self::Transparent, &Self::SetTransparent),
            tk::StringProperty<Self>("Kind", &Self::Kind, &Self::SetKind),
            tk::IntegerProperty<Self>("NumButtons", &Self::NumButtons, &Self::SetNumButtons),
        };
    }
    const tk::TClassInfo& ClassInfo() const override { return m_info; }

    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool v) { m_transparent = v; }
    std::string Kind() const { return m_kind; }
    void SetKind(const std::string& v) { m_kind = v; }
    int NumButtons() const { return m_numButtons; }
    void SetNumButtons(int v) { m_numButtons = v; }

private:
    tk::TClassInfo m_info;
    bool m_transparent = false;
    std::string m_kind;
    int m_numButtons = -1;
};

class Recognition : public ::testing::Test {
protected:
    void SetUp() override {
        tk::InitializeToolkit();
        m_skin = std::make_unique<skin::TSkinData>(nullptr);
        m_form = new tk::TForm(tk::Application);
        m_form->SetBounds(10, 10, 400, 300);
        m_form->HandleNeeded();
    }
    void TearDown() override {
        m_form = nullptr;
        m_skin.reset();
        tk::FinalizeToolkit();
    }

    skin::TSkinData& Skin() { return *m_skin; }
    tk::TForm* Form() { return m_form; }
    skin::ControlRecognizer Recognizer() { return skin::ControlRecognizer(*m_skin, m_host); }
    void Switch(skin::TSkinControlType type, bool on) {
        const skin::TSkinControlTypes bit = skin::Bit(type);
        m_skin->SetSkinControls(on ? m_skin->SkinControls() | bit : m_skin->SkinControls() & ~bit);
    }

    // A control owned by the form and placed on `parent` (the form when none).
    template <class T, class... Args> T* Make(tk::TWinControl* parent = nullptr, Args&&... args) {
        auto* control = new T(m_form, std::forward<Args>(args)...);
        control->SetBounds(4, 4, 60, 24);
        control->SetParent(parent ? parent : m_form);
        return control;
    }
    template <class Base>
    Named<Base>* MakeNamed(const std::string& className, tk::TWinControl* parent = nullptr) {
        return Make<Named<Base>>(parent, className);
    }
    // Classifies one control on the form.
    SkinnerRequest Classify(tk::TControl* control) {
        Recognizer().ClassifyControl(control, m_form);
        return m_host.For(control);
    }

    RecordingHost m_host;

private:
    std::unique_ptr<skin::TSkinData> m_skin;
    tk::TForm* m_form = nullptr; // owned by the application
};

// A control whose message hook answers the skin's query, as one with a skinner does.
inline void AnswerSkinQuery(tk::TControl* control) {
    auto previous = control->WindowProc;
    control->WindowProc = [previous](tk::TMessage& m) {
        if (m.Msg == skin::SkinMsgQuery)
            m.Result = 1;
        else
            previous(m);
    };
}

} // namespace recognitiontest
