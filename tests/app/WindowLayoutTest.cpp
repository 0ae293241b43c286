// The three windows built from their layouts, measured against the sizes the layout files store: a label
// that sizes itself to its text must come out at the stored size, and no label may leave its window.
#include "app/TForm1.h"
#include "app/TaxiProgram.h"
#include "platform/display/HeadlessDisplay.h"
#include "practice/TForm2.h"
#include "result/Modality.h"
#include "result/Tchengjiform.h"
#include "toolkit/layout/LayoutParser.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct StoredLabel {
    std::string name;
    std::string caption;
    int width = 0;
    int height = 0;
    bool autoSize = true;
};

void CollectLabels(const tk::layout::LayoutObject& object, std::vector<StoredLabel>& labels) {
    for (const tk::layout::LayoutObject& child : object.children) {
        if (child.className == "TStaticText") {
            StoredLabel label;
            label.name = child.name;
            for (const tk::layout::LayoutProperty& p : child.properties) {
                if (p.path == "Caption")
                    label.caption = p.value.text;
                else if (p.path == "Width")
                    label.width = static_cast<int>(p.value.integer);
                else if (p.path == "Height")
                    label.height = static_cast<int>(p.value.integer);
                else if (p.path == "AutoSize")
                    label.autoSize = p.value.boolean;
            }
            labels.push_back(label);
        }
        CollectLabels(child, labels);
    }
}

std::vector<StoredLabel> StoredLabels(const std::string& file) {
    std::ifstream in(std::string(TAXI_SOURCE_DIR) + "/" + file);
    std::stringstream text;
    text << in.rdbuf();
    std::vector<StoredLabel> labels;
    CollectLabels(tk::layout::LayoutParser::Parse(text.str(), file), labels);
    return labels;
}

win::RECT BoundsInForm(const tk::TControl& control, const tk::TCustomForm& form) {
    win::RECT r{control.Left(), control.Top(), control.Left() + control.Width(),
                control.Top() + control.Height()};
    for (const tk::TWinControl* p = control.Parent(); p && p != &form; p = p->Parent())
        win::OffsetRect(&r, p->Left(), p->Top());
    return r;
}

class WindowLayouts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        win::display::ResetHeadless(true);
        Modality::ProgramFolder = std::string(TAXI_BINARY_DIR) + "/";
        taxi::InitializeProgramToolkit();
        taxi::CreateProgramWindows();
    }
    static void TearDownTestSuite() { taxi::FinalizeProgram(); }

    struct Window {
        tk::TCustomForm* form;
        const char* layout;
    };
    static std::vector<Window> Windows() {
        return {{Form1, "src/app/Form1.layout"},
                {Form2, "src/practice/Form2.layout"},
                {chengjiform, "src/result/chengjiform.layout"}};
    }

    static tk::TStaticText* Label(const tk::TCustomForm& form, const std::string& name) {
        return dynamic_cast<tk::TStaticText*>(form.FindComponent(name));
    }

    // Every label of the window lies within its client area; returns the ones that do not.
    static std::string LabelsOutside(const tk::TCustomForm& form) {
        std::string outside;
        for (int i = 0; i < form.ComponentCount(); ++i) {
            auto* text = dynamic_cast<tk::TStaticText*>(form.Components(i));
            if (!text)
                continue;
            win::RECT r = BoundsInForm(*text, form);
            if (r.left < 0 || r.top < 0 || r.right > form.ClientWidth() || r.bottom > form.ClientHeight())
                outside += " " + form.Name() + "." + text->Name() + " (" + std::to_string(r.left) + "," +
                           std::to_string(r.top) + ")-(" + std::to_string(r.right) + "," +
                           std::to_string(r.bottom) + ")";
        }
        return outside;
    }
};

TEST_F(WindowLayouts, SelfSizingLabelsComeOutAtTheirStoredSizes) {
    int measured = 0;
    std::string wrong;
    for (const Window& w : Windows()) {
        for (const StoredLabel& stored : StoredLabels(w.layout)) {
            tk::TStaticText* text = Label(*w.form, stored.name);
            ASSERT_NE(text, nullptr) << w.layout << ": " << stored.name;
            EXPECT_EQ(text->AutoSize(), stored.autoSize) << stored.name;
            // A caption the window has already replaced is not what the stored size was taken from.
            if (!stored.autoSize || text->Caption() != stored.caption)
                continue;
            ++measured;
            if (std::abs(text->Width() - stored.width) > 1 || std::abs(text->Height() - stored.height) > 1)
                wrong += "\n  " + w.form->Name() + "." + stored.name + " \"" + stored.caption +
                         "\": " + std::to_string(text->Width()) + "x" + std::to_string(text->Height()) +
                         ", stored " + std::to_string(stored.width) + "x" + std::to_string(stored.height);
        }
    }
    EXPECT_EQ(measured, 50) << "self-sizing labels still showing their stored caption";
    EXPECT_TRUE(wrong.empty()) << "labels off their stored size:" << wrong;
}

TEST_F(WindowLayouts, EveryLabelStaysInsideItsWindow) {
    for (const Window& w : Windows()) {
        ASSERT_NE(w.form, nullptr);
        EXPECT_EQ(LabelsOutside(*w.form), "");
    }
    // The result lines grow to the right with their figures; the widest ones still fit.
    tk::TCustomForm& result = *chengjiform;
    for (auto lines : {Tchengjiform::ResultLines(1208, 1208, 1208, 1208, 1208),
                       Tchengjiform::ResultLines(90, 100, 0, 90, 0)}) {
        for (int i = 0; i < 5; ++i)
            chengjiform->ResultLabels[i]->SetCaption(lines[i]);
        EXPECT_EQ(LabelsOutside(result), "") << lines[4];
    }
}

} // namespace
