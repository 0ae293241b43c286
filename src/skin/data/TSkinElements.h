// The skin state a loaded skin package is turned into: every element slot, the skin colours, the face brush,
// the caption font, the icon image and the menu glyphs; and ApplySkin, which builds them from the package's
// description text and images. Painters only read this state. TSkinData (the component) derives from it.
#pragma once

#include "skin/data/TDataSkinBorder.h"
#include "skin/data/TDataSkinBoxLabel.h"
#include "skin/data/TDataSkinButton.h"
#include "skin/data/TDataSkinObject.h"
#include "skin/data/TDataSkinSysButton.h"
#include "skin/data/TDataSkinTitle.h"
#include "skin/package/TQuickIni.h"
#include "skin/package/TSkinReader.h"

#include "toolkit/TFont.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace skin {

// Indexes of SkinColours.
enum TSkinColourIndex : int {
    scWindowText = 0,
    scTitleTextActive = 1,
    scTitleTextNoActive = 2,
    scButtonFace = 3,
    scButtonText = 4,
    scButtonHilight = 5,
    scButtonlight = 6,
    scButtonShadow = 7,
    scButtonDkShadow = 8,
    scHilightText = 11,
    scHilight = 12,
    scMenubar = 13,
    scMenuBarText = 14,
    scMenuText = 15,
    scMenu = 16,
    scCaption = 17,
    scScrollbar = 18,
};
constexpr int kSkinColourCount = 19;

class TSkinElements {
public:
    TSkinElements();
    virtual ~TSkinElements();
    TSkinElements(const TSkinElements&) = delete;
    TSkinElements& operator=(const TSkinElements&) = delete;

    // Reads a compressed container and applies it. False (the previous elements kept, SkinLoading left true)
    // when the package cannot be read; the reason then goes to ReportFailure.
    bool LoadPackage(std::span<const std::uint8_t> container);

    // Builds every element from the package and description text being loaded (see LoadPackage).
    void ApplySkin();
    // An image entry of the package being loaded, or an empty bitmap.
    void LoadImage(TSkinBitmap& bitmap, std::string_view value) const;
    static tk::TColor ParseColour(std::string_view text);
    tk::TColor SampleCaptionColour() const;

    // Where a package that cannot be read is reported (the message text of the reader).
    static std::function<void(const std::string&)> ReportFailure;

    bool SkinLoading = true;
    std::string SkinName;

    std::unique_ptr<TDataSkinBorder> BorderLeft, BorderRight, BorderTop, BorderBottom;
    std::vector<std::unique_ptr<TDataSkinSysButton>> SysButtons;
    std::unique_ptr<TDataSkinButton> Buttons;
    std::unique_ptr<TDataSkinTitle> Title;
    std::unique_ptr<TDataSkinBorder> Progress;
    std::unique_ptr<TDataSkinObject> ProgressChunk;
    std::unique_ptr<TDataSkinObject> MenuBar;
    std::unique_ptr<TDataSkinObject> GroupBoxEdge;
    std::unique_ptr<TDataSkinBoxLabel> GroupBox;
    std::unique_ptr<TDataSkinBorder> Tabs;
    std::unique_ptr<TDataSkinObject> StatusBarEdges;
    std::unique_ptr<TDataSkinObject> TabPane;
    std::unique_ptr<TDataSkinObject> ToolBars;
    std::unique_ptr<TDataSkinBorder> ComboButton;
    std::unique_ptr<TDataSkinObject> SunkEdge;
    std::unique_ptr<TDataSkinObject> ExtraImages;
    std::unique_ptr<TDataSkinObject> Headerbar;
    std::unique_ptr<TDataSkinObject> MenuItem;
    std::unique_ptr<TDataSkinObject> MenuBackground;
    std::unique_ptr<TDataSkinObject> Scrollbar;
    std::unique_ptr<TDataSkinObject> HorzScroll, VertScroll;
    std::unique_ptr<TDataSkinObject> HorzScrollThumb, VertScrollThumb;
    std::unique_ptr<TDataSkinObject> TrackbarThumbHorz, TrackbarThumbVert, TrackbarThumbLeft,
        TrackbarThumbRight, TrackbarThumbUp, TrackbarThumbDown;
    std::unique_ptr<TDataSkinBorder> UpDownHorz, UpDownVert;
    std::unique_ptr<TDataSkinObject> Track, TrackVert;
    std::unique_ptr<TDataSkinObject> Toolbar;
    std::unique_ptr<TDataSkinObject> ComboxArrow;

    std::array<tk::TColor, kSkinColourCount> SkinColours{};
    std::array<bool, kSkinColourCount> SkinColourGiven{};
    std::array<tk::TColor, 10> CustomColours{};
    std::vector<tk::TColor> ExtraColours;
    win::HBRUSH FaceBrush = nullptr;
    tk::TFont CaptionFont;
    TSkinBitmap IconImage;
    win::HIMAGELIST MenuGlyphs = nullptr;

private:
    // The common loaders (see ApplySkin).
    void LoadObjectFields(TDataSkinObject& element, const std::string& section, bool readFrame) const;
    std::unique_ptr<TDataSkinObject> LoadObject(const std::string& section) const;
    std::unique_ptr<TDataSkinBorder> LoadBorderObject(const std::string& section,
                                                      const std::string& secondKey) const;
    std::unique_ptr<TDataSkinBorder> LoadBitmapObject(const std::string& section) const;
    std::unique_ptr<TDataSkinBoxLabel> LoadBoxLabel(const std::string& section) const;

    void LoadBorders();
    void LoadColours(const std::vector<std::string>& sections);
    void LoadSysButtons(const std::vector<std::string>& sections);
    void LoadMdiButtons();
    void LoadButtons();
    void LoadTitle();
    void LoadElements();
    void SetFrameCounts();
    void BuildComboComposite();
    void BuildComboxArrow();
    void BuildToolbar();

    int Int(const std::string& section, const char* key, int defaultValue) const;
    std::string Text(const std::string& section, const char* key) const;
    tk::TColor Colour2(const std::string& section, const char* key) const;

    const TSkinReader* m_reader = nullptr;
    const TQuickIni* m_ini = nullptr;
};

} // namespace skin
