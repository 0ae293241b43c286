// The gallery window on the headless display: the whole window against golden images under the reference
// skin, the test skin and no skin; every control inside the client area with none over another; the focus
// and the states the layout asks for; and F5 reading a package that changed on disk.
#include "TGalleryForm.h"
#include "support/GoldenImage.h"

#include "platform/display/HeadlessDisplay.h"
#include "toolkit/FormParts.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TSpeedButton.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using gallery::GalleryOptions;
using gallery::TGalleryForm;

const std::string kTestSkin = std::string(TAXI_BINARY_DIR) + "/test.skin";
const std::string kReferenceSkin = std::string(TAXI_BINARY_DIR) + "/reference.skin";
// Long enough for the skin manager's delayed requests and the frames' first paints.
constexpr std::uint32_t kSettle = 2000;
constexpr win::UINT kVkF5 = 0x74;

class GalleryWindow : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = &win::display::ResetHeadless(true);
        gallery::InitializeGalleryToolkit();
    }
    void TearDown() override {
        gallery::FinalizeGalleryToolkit();
        std::error_code ec;
        if (!m_temp.empty())
            fs::remove(m_temp, ec);
    }

    TGalleryForm* Open(const std::vector<std::string>& arguments) {
        const GalleryOptions options = GalleryOptions::Parse(arguments);
        EXPECT_EQ(options.What(), GalleryOptions::Action::Run) << options.Error();
        tk::Application->CreateForm(m_form);
        m_form->UseSkinChoice(options);
        m_form->Show();
        m_display->Advance(kSettle);
        return m_form;
    }

    // The window's pixels as the screen shows them, frame included.
    std::unique_ptr<win::gdi::Surface> WindowPixels() const {
        win::RECT r;
        win::GetWindowRect(m_form->Handle(), &r);
        return ScreenPixels(r);
    }

    // A control's rectangle on the screen, window-less or not.
    win::RECT ScreenRectOf(const std::string& name) const {
        const auto* control = tk::FindPart<tk::TControl>(*m_form, name);
        EXPECT_NE(control, nullptr) << name;
        if (!control)
            return {};
        win::POINT origin{control->Left(), control->Top()};
        win::ClientToScreen(control->Parent()->Handle(), &origin);
        return {origin.x, origin.y, origin.x + control->Width(), origin.y + control->Height()};
    }
    void PointerTo(const win::RECT& r) {
        m_display->MouseMove((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        m_display->Advance(kSettle);
    }

    std::unique_ptr<win::gdi::Surface> ScreenPixels(const win::RECT& r) const {
        const auto screen = m_display->Composite();
        auto out = std::make_unique<win::gdi::Surface>(r.right - r.left, r.bottom - r.top);
        for (int y = 0; y < out->Height(); ++y)
            for (int x = 0; x < out->Width(); ++x)
                out->Row(y)[x] = screen->Row(r.top + y)[r.left + x];
        return out;
    }

    std::string TempPackage(const std::string& copyOf) {
        m_temp = fs::temp_directory_path() / ("skingallery-" + std::to_string(::getpid()) + ".skin");
        fs::copy_file(copyOf, m_temp, fs::copy_options::overwrite_existing);
        return m_temp.string();
    }

    win::display::HeadlessDisplay* m_display = nullptr;
    TGalleryForm* m_form = nullptr;
    fs::path m_temp;
};

TEST_F(GalleryWindow, UnderTheReferenceSkin) {
    Open({});
    EXPECT_TRUE(m_form->SkinData()->Active());
    EXPECT_FALSE(m_form->SkinName().empty());
    EXPECT_TRUE(taxi::test::MatchesGolden(*WindowPixels(), "tools/skingallery/golden/reference.png"));
}

TEST_F(GalleryWindow, UnderTheTestSkin) {
    Open({kTestSkin});
    EXPECT_TRUE(taxi::test::MatchesGolden(*WindowPixels(), "tools/skingallery/golden/test-skin.png"));
}

TEST_F(GalleryWindow, WithNoSkin) {
    Open({"--no-skin"});
    EXPECT_FALSE(m_form->SkinData()->Active());
    EXPECT_TRUE(taxi::test::MatchesGolden(*WindowPixels(), "tools/skingallery/golden/no-skin.png"));
}

// The states that cannot show at once in the whole window: a button under the pointer, a speed button held
// down, a tab under the pointer.
TEST_F(GalleryWindow, HotAndPressedUnderTheReferenceSkin) {
    Open({});
    const win::RECT bitButton = ScreenRectOf("BitBtn1");
    PointerTo(bitButton);
    EXPECT_TRUE(
        taxi::test::MatchesGolden(*ScreenPixels(bitButton), "tools/skingallery/golden/reference-hot.png"));

    const win::RECT speedButton = ScreenRectOf("SpeedUp");
    PointerTo(speedButton);
    m_display->MouseDown();
    m_display->Advance(kSettle);
    EXPECT_TRUE(taxi::test::MatchesGolden(*ScreenPixels(speedButton),
                                          "tools/skingallery/golden/reference-pressed.png"));
    m_display->MouseUp();
    m_display->Advance(kSettle);

    const win::RECT tabs = ScreenRectOf("TabControl1");
    m_display->MouseMove(tabs.left + 90, tabs.top + 8); // over "Three"
    m_display->Advance(kSettle);
    EXPECT_TRUE(
        taxi::test::MatchesGolden(*ScreenPixels(tabs), "tools/skingallery/golden/reference-tab-hot.png"));
}

TEST_F(GalleryWindow, EveryControlFitsAndNoneCoversAnother) {
    Open({"--no-skin"});
    const win::RECT client = m_form->ClientRect();
    std::vector<tk::TControl*> controls;
    for (int i = 0; i < m_form->ControlCount(); ++i)
        controls.push_back(m_form->Controls(i));
    ASSERT_GE(controls.size(), 30u);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const tk::TControl* a = controls[i];
        const win::RECT ra{a->Left(), a->Top(), a->Left() + a->Width(), a->Top() + a->Height()};
        EXPECT_TRUE(a->Visible()) << a->Name();
        EXPECT_GT(a->Width(), 0) << a->Name();
        EXPECT_GT(a->Height(), 0) << a->Name();
        EXPECT_TRUE(ra.left >= 0 && ra.top >= 0 && ra.right <= client.right && ra.bottom <= client.bottom)
            << a->Name();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const tk::TControl* b = controls[j];
            const win::RECT rb{b->Left(), b->Top(), b->Left() + b->Width(), b->Top() + b->Height()};
            win::RECT overlap;
            EXPECT_FALSE(win::IntersectRect(&overlap, &ra, &rb)) << a->Name() << " and " << b->Name();
        }
    }
}

TEST_F(GalleryWindow, TheStatesTheLayoutAsksForAreShown) {
    Open({});
    EXPECT_EQ(win::GetFocus(), tk::FindPart<tk::TWinControl>(*m_form, "FocusedEdit")->Handle());
    EXPECT_EQ(tk::FindPart<tk::TCheckBox>(*m_form, "CheckGrayed")->State(), tk::TCheckBoxState::cbGrayed);
    EXPECT_TRUE(tk::FindPart<tk::TSpeedButton>(*m_form, "SpeedDown")->Down());
    EXPECT_FALSE(tk::FindPart<tk::TSpeedButton>(*m_form, "SpeedUp")->Down());
}

TEST_F(GalleryWindow, F5ReadsTheChangedPackageFromDisk) {
    const std::string package = TempPackage(kReferenceSkin);
    Open({package});
    const std::string before = m_form->SkinName();
    ASSERT_FALSE(before.empty());
    fs::copy_file(kTestSkin, package, fs::copy_options::overwrite_existing);
    EXPECT_EQ(m_form->SkinName(), before); // nothing is read until asked
    m_display->Key(kVkF5);
    m_display->Advance(kSettle);
    EXPECT_NE(m_form->SkinName(), before);
    EXPECT_FALSE(m_form->SkinName().empty());
}

TEST_F(GalleryWindow, F5WithTheFileGoneKeepsTheSkinItHas) {
    const std::string package = TempPackage(kTestSkin);
    Open({package});
    const std::string before = m_form->SkinName();
    fs::remove(package);
    m_display->Key(kVkF5);
    m_display->Advance(kSettle);
    EXPECT_EQ(m_form->SkinName(), before);
}

} // namespace
