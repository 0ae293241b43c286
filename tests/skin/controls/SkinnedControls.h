// A form in a fresh headless display, a skin whose images tell their frames apart by colour, and what the
// skinner tests read back: the colour of a control's pixel and the whole of its face.
#pragma once

#include "skin/controls/SkinnerContext.h"
#include "skin/controls/TSkinControl.h"
#include "skin/data/TSkinData.h"

#include "TestSkin.h"

#include "platform/display/HeadlessDisplay.h"
#include "toolkit/TApplication.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TWinControl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace skinner_tests {

constexpr std::uint32_t kMagenta = 0xFF00FF;
// Face colours of the five Buttons frames (0x00RRGGBB), each told apart at a glance.
constexpr std::uint32_t kFrameColour[6] = {0, 0x2040A0, 0xA02040, 0xF0F0F0, 0x40A020, 0x8040C0};
constexpr std::uint32_t kSkinFace = 0xC8DCF0;   // the skin's ButtonFace: 200 220 240
constexpr std::uint32_t kSkinShadow = 0x5080BC; // the skin's ButtonShadow: 80 128 188
constexpr std::uint32_t kFormColour = 0x00FF00;

// The colour of glyph frame k (from 1) in the check and radio images.
constexpr std::uint32_t GlyphColour(int k) {
    return static_cast<std::uint32_t>(0x100000 * k + 0x003000 * (13 - k) + 0x40);
}

inline win::COLORREF Ref(std::uint32_t rgb) {
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

// Buttons: five 20 x 20 frames with magenta top-left corners (Trans 1, margins 3); a check image of
// `checkFrames` and a radio image of `radioFrames` 13 x 13 frames. A zero count leaves that image out, and
// `withButtons` false the button image.
inline skintest::Bytes ControlsPackage(int checkFrames, int radioFrames, bool withButtons = true,
                                       const std::string& extra = "") {
    std::string ini =
        "[Buttons]\r\nLeftWidth=3\r\nRightWidth=3\r\nTopHeight=3\r\nBottomHeight=3\r\nTrans=1\r\n";
    std::vector<std::pair<std::string, skintest::Bytes>> images;
    if (withButtons) {
        ini += "Bitmap=b.bmp\r\n";
        images.push_back({"b.bmp", skintest::Bmp24(100, 20, [](int x, int y) {
                              return x % 20 < 2 && y < 2 ? kMagenta : kFrameColour[x / 20 + 1];
                          })});
    }
    const auto strip = [](int frames) {
        return skintest::Bmp24(13 * frames, 13, [](int x, int) { return GlyphColour(x / 13 + 1); });
    };
    if (checkFrames > 0) {
        ini += "CheckButton=c.bmp\r\nCheckButtonFrame=" + std::to_string(checkFrames) + "\r\n";
        images.push_back({"c.bmp", strip(checkFrames)});
    }
    if (radioFrames > 0) {
        ini += "RadioButton=r.bmp\r\nRadioButtonFrame=" + std::to_string(radioFrames) + "\r\n";
        images.push_back({"r.bmp", strip(radioFrames)});
    }
    ini += extra;
    ini += "[Colours]\r\nButtonFace=200 220 240\r\nButtonShadow=80 128 188\r\n";
    return skintest::Package(ini, images);
}

// The frame's side of a skinner, recording its list.
class RecordingOwner : public skin::SkinnerOwner {
public:
    win::HWND OwnerWindow() const override { return nullptr; }
    bool FramePainting() const override { return true; }
    void AddSkinner(skin::TSkinControl* skinner) override { skinners.push_back(skinner); }
    void RemoveSkinner(skin::TSkinControl* skinner) override {
        skinners.erase(std::remove(skinners.begin(), skinners.end(), skinner), skinners.end());
    }
    std::vector<skin::TSkinControl*> skinners;
};

class SkinnedControls : public ::testing::Test {
protected:
    void SetUp() override {
        m_display = &win::display::ResetHeadless(true);
        tk::InitializeToolkit();
        m_skin = std::make_unique<skin::TSkinData>(nullptr);
        m_form = new tk::TForm(tk::Application);
        m_form->SetBounds(100, 100, 360, 240);
        m_form->SetColor(static_cast<tk::TColor>(Ref(kFormColour)));
        m_form->Show();
        m_display->Pump();
    }
    void TearDown() override {
        delete m_form;
        tk::FinalizeToolkit();
        m_skin.reset();
    }

    void LoadSkin(const skintest::Bytes& package) { ASSERT_TRUE(m_skin->LoadPackage(package)); }
    skin::SkinnerContext Context(bool recolour = false) {
        return {m_skin.get(), recolour, nullptr, &m_owner};
    }

    template <class Skinner> Skinner* Skin(tk::TControl* control, bool recolour = false) {
        auto* skinner = new Skinner(control);
        skinner->AttachToControl(control, Context(recolour));
        Settle();
        return skinner;
    }
    void Settle() {
        m_display->Pump();
        win::UpdateWindow(m_form->Handle());
    }

    // 0x00RRGGBB of a point of a window's client area.
    static std::uint32_t PixelOf(win::HWND hwnd, int x, int y) {
        win::HDC dc = win::GetDC(hwnd);
        const win::COLORREF c = win::GetPixel(dc, x, y);
        win::ReleaseDC(hwnd, dc);
        return Ref(c);
    }
    static std::vector<std::uint32_t> Face(win::HWND hwnd) {
        win::RECT r{};
        win::GetClientRect(hwnd, &r);
        std::vector<std::uint32_t> pixels;
        win::HDC dc = win::GetDC(hwnd);
        for (int y = 0; y < r.bottom; ++y)
            for (int x = 0; x < r.right; ++x)
                pixels.push_back(win::GetPixel(dc, x, y));
        win::ReleaseDC(hwnd, dc);
        return pixels;
    }
    static int CountColour(win::HWND hwnd, std::uint32_t rgb) {
        const auto face = Face(hwnd);
        return static_cast<int>(std::count(face.begin(), face.end(), Ref(rgb)));
    }
    void ClickAt(tk::TWinControl* control, int x, int y) {
        const win::POINT p = control->ClientToScreen({x, y});
        m_display->Click(p.x, p.y);
        Settle();
    }
    void MoveTo(tk::TWinControl* control, int x, int y) {
        const win::POINT p = control->ClientToScreen({x, y});
        m_display->MouseMove(p.x, p.y);
        Settle();
    }

    win::display::HeadlessDisplay* m_display = nullptr;
    std::unique_ptr<skin::TSkinData> m_skin;
    tk::TForm* m_form = nullptr;
    RecordingOwner m_owner;
};

} // namespace skinner_tests
