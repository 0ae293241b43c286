// Sections: construction and loading; colours; the common loaders; ApplySkin and its steps in order (border
// pieces, colours, caption and MDI buttons, push buttons, title, the other elements, frame counts, the combo
// box composite, ComboxArrow, the toolbar gradient).
#include "skin/data/TSkinElements.h"

#include "toolkit/TApplication.h"

#include "skin/data/BuiltinBitmaps.h"
#include "skin/data/ImgUtil.h"
#include "skin/data/SkinBlit.h"

#include <algorithm>
#include <cctype>
#include <iostream>

namespace skin {

namespace {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// SkinColours as the description text's `Colours` section gives them, in the order they are filled; a
// missing key takes the system colour (Menubar: the ButtonFace value found just before it).
struct TColourKey {
    int index;
    const char* key;
    tk::TColor fallback;
};
constexpr tk::TColor kFromButtonFace = 0xFFFFFFFF;
constexpr TColourKey kColourKeys[] = {
    {scWindowText, "WindowText", tk::clWindowText},
    {scButtonFace, "ButtonFace", tk::clBtnFace},
    {scScrollbar, "Scrollbar", tk::clScrollBar},
    {scHilightText, "HilightText", tk::clHighlightText},
    {scHilight, "Hilight", tk::clHighlight},
    {scMenubar, "Menubar", kFromButtonFace},
    {scMenu, "Menu", tk::clMenu},
    {scMenuText, "MenuText", tk::clMenuText},
    {scButtonText, "ButtonText", tk::clBtnText},
    {scButtonHilight, "ButtonHilight", tk::clBtnHighlight},
    {scButtonlight, "Buttonlight", tk::clBtnHighlight},
    {scButtonShadow, "ButtonShadow", tk::clBtnShadow},
    {scButtonDkShadow, "ButtonDkShadow", tk::cl3DDkShadow},
    {scMenuBarText, "MenuBarText", tk::clMenuText},
    {scTitleTextActive, "TitleTextActive", tk::clCaptionText},
    {scTitleTextNoActive, "TitleTextNoActive", tk::clInactiveCaptionText},
};

// Caption-button sections are those beginning with "BUTTON", except these.
constexpr const char* kNotCaptionButtons[] = {"BUTTON", "BUTTONS", "BUTTON.RADIO", "BUTTON.CHECKBOX"};

constexpr int kMdiActions[3] = {7, 8, 9};

constexpr int kComboWidth = 50;
constexpr int kComboHeight = 21;
constexpr int kComboArrowSide = 17;

void ResetObject(TDataSkinObject& o) {
    o.Margins = {};
    o.Image.Clear();
    o.Trans = 0;
    o.Tile = 0;
    o.FrameCount = 0;
    o.Style = 0;
    o.NormalColour = o.MouseOverColour = o.PressedColour = kNoColour;
    o.NormalColour2 = o.MouseOverColour2 = o.PressedColour2 = 0;
}

void SetFrames(TDataSkinObject* element, int count) {
    if (element)
        element->FrameCount = count;
}

int CheckFrames(const TSkinBitmap& image, int given) {
    if (given != 0)
        return given;
    return std::max(image.Width() / (image.Height() >= 16 ? 16 : 13), 4);
}

const TSkinReader& EmptyReader() {
    static const TSkinReader reader;
    return reader;
}

const TQuickIni& EmptyIni() {
    static const TQuickIni ini;
    return ini;
}

} // namespace

std::function<void(const std::string&)> TSkinElements::ReportFailure = [](const std::string& text) {
    // An information box, as the toolkit shows ShowMessage-style texts: the program's title, an OK button.
    if (tk::Application)
        tk::Application->MessageBox(text, tk::Application->Title(), win::MB_OK);
    else
        win::MessageBoxA(win::GetActiveWindow(), text.c_str(), "", win::MB_OK);
};

TSkinElements::TSkinElements() {
    BorderLeft = std::make_unique<TDataSkinBorder>("Left");
    BorderRight = std::make_unique<TDataSkinBorder>("Right");
    BorderTop = std::make_unique<TDataSkinBorder>("Top");
    BorderBottom = std::make_unique<TDataSkinBorder>("Bottom");
    Buttons = std::make_unique<TDataSkinButton>("Buttons");
    Title = std::make_unique<TDataSkinTitle>("Title");
    IconImage.SetPixelFormat(24);
    TSkinBitmap glyphs;
    LoadBuiltinBitmap("MORAPLEMENU", glyphs);
    MenuGlyphs = win::ImageList_Create(16, 16, win::ILC_COLOR24 | win::ILC_MASK, 4, 0);
    if (MenuGlyphs)
        win::ImageList_AddMasked(MenuGlyphs, glyphs.Handle(), 0xFFFFFF);
}

TSkinElements::~TSkinElements() {
    if (MenuGlyphs)
        win::ImageList_Destroy(MenuGlyphs);
    if (FaceBrush)
        win::DeleteObject(FaceBrush);
}

bool TSkinElements::LoadPackage(std::span<const std::uint8_t> container) {
    SkinLoading = true;
    TSkinReader reader;
    if (!reader.ReadPackage(container)) {
        if (ReportFailure)
            ReportFailure(reader.FailureText());
        return false;
    }
    std::vector<std::uint8_t> text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    TQuickIni ini;
    ini.LoadFromStream(&text);
    m_reader = &reader;
    m_ini = &ini;
    try {
        ApplySkin();
    } catch (...) {
        m_reader = nullptr;
        m_ini = nullptr;
        throw;
    }
    m_reader = nullptr;
    m_ini = nullptr;
    return true;
}

int TSkinElements::Int(const std::string& section, const char* key, int defaultValue) const {
    return (m_ini ? *m_ini : EmptyIni()).ReadInteger(section, key, defaultValue);
}

std::string TSkinElements::Text(const std::string& section, const char* key) const {
    return (m_ini ? *m_ini : EmptyIni()).ReadString(section, key, "");
}

tk::TColor TSkinElements::Colour2(const std::string& section, const char* key) const {
    const std::string text = Text(section, key);
    return text.empty() ? SkinColours[scButtonText] : ParseColour(text);
}

void TSkinElements::LoadImage(TSkinBitmap& bitmap, std::string_view value) const {
    const std::size_t slash = value.find_last_of("\\/");
    const std::string_view name = slash == std::string_view::npos ? value : value.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (name.empty() || dot == std::string_view::npos || name.substr(dot) != ".bmp") {
        bitmap.Clear();
        return;
    }
    std::vector<std::uint8_t> bytes;
    (m_reader ? *m_reader : EmptyReader()).ExtractEntry(name, bytes);
    if (bytes.empty() || !bitmap.LoadFromBmp(bytes))
        bitmap.Clear();
}

tk::TColor TSkinElements::ParseColour(std::string_view text) {
    text = TQuickIni::Trim(text);
    int parts[3] = {0, 0, 0};
    int found = 0;
    int number = 0;
    bool gathering = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            number = (number * 10 + (c - '0')) % 256;
            gathering = true;
        } else if (gathering) {
            if (found < 3)
                parts[found] = number;
            ++found;
            number = 0;
            gathering = false;
        }
    }
    if (gathering && found == 2)
        parts[2] = number;
    return static_cast<tk::TColor>(parts[0]) | (static_cast<tk::TColor>(parts[1]) << 8) |
           (static_cast<tk::TColor>(parts[2]) << 16);
}

tk::TColor TSkinElements::SampleCaptionColour() const {
    const TSkinBitmap& image = BorderTop->Image;
    if (image.Empty())
        return SkinColours[scButtonFace];
    const int frames = BorderTop->FrameCount > 0 ? BorderTop->FrameCount : 1;
    return ColourFromPixel(image.Pixel(image.Width() / 3, (image.Height() / frames) / 3));
}

// ---------------------------------------------------------------------------------------------------------
// The common loaders
// ---------------------------------------------------------------------------------------------------------

void TSkinElements::LoadObjectFields(TDataSkinObject& e, const std::string& section, bool readFrame) const {
    LoadImage(e.Image, Text(section, "Image"));
    e.Style = Int(section, "Style", 0);
    e.Margins.left = Int(section, "LeftWidth", 0);
    e.Margins.right = Int(section, "RightWidth", 0);
    e.Margins.top = Int(section, "TopHeight", 0);
    e.Margins.bottom = Int(section, "BottomHeight", 0);
    if (readFrame)
        e.FrameCount = Int(section, "Frame", 0);
    e.Trans = Int(section, "Trans", 0);
    e.Tile = Int(section, "Tile", 0);
    if (e.Tile > 1)
        e.Tile = 0;
    e.NormalColour = static_cast<tk::TColor>(Int(section, "NormalColour", -1));
    e.MouseOverColour = static_cast<tk::TColor>(Int(section, "MouseOverColour", -1));
    e.PressedColour = static_cast<tk::TColor>(Int(section, "PressedColour", -1));
    e.NormalColour2 = Colour2(section, "NormalColour2");
    e.MouseOverColour2 = Colour2(section, "MouseOverColour2");
    e.PressedColour2 = Colour2(section, "PressedColour2");
}

std::unique_ptr<TDataSkinObject> TSkinElements::LoadObject(const std::string& section) const {
    if (Text(section, "Image").empty())
        return nullptr;
    auto e = std::make_unique<TDataSkinObject>(section);
    LoadObjectFields(*e, section, true);
    return e;
}

std::unique_ptr<TDataSkinBorder> TSkinElements::LoadBorderObject(const std::string& section,
                                                                 const std::string& secondKey) const {
    if (Text(section, "Image").empty())
        return nullptr;
    auto e = std::make_unique<TDataSkinBorder>(section);
    LoadObjectFields(*e, section, false);
    const std::string second = Text(section, secondKey.c_str());
    if (!second.empty())
        LoadImage(e->SecondImage, second);
    return e;
}

std::unique_ptr<TDataSkinBorder> TSkinElements::LoadBitmapObject(const std::string& section) const {
    const std::string image = Text(section, "Bitmap");
    if (image.empty())
        return nullptr;
    auto e = std::make_unique<TDataSkinBorder>(section);
    LoadImage(e->Image, image);
    e->Style = Int(section, "Style", 0);
    e->Margins = {Int(section, "LeftWidth", 0), Int(section, "TopHeight", 0), Int(section, "RightWidth", 0),
                  Int(section, "BottomHeight", 0)};
    e->Trans = Int(section, "Trans", 0);
    e->Tile = std::min(Int(section, "Tile", 0), 1);
    return e;
}

std::unique_ptr<TDataSkinBoxLabel> TSkinElements::LoadBoxLabel(const std::string& section) const {
    if (Text(section, "Image").empty())
        return nullptr;
    auto e = std::make_unique<TDataSkinBoxLabel>(section);
    LoadObjectFields(*e, section, false);
    e->BackgroundAlignment = Int(section, "BackgroundAlignment", 0);
    e->BackgroundLeftShift = Int(section, "BackgroundLeftShift", 0);
    e->BackgroundRightShift = Int(section, "BackgroundRightShift", 0);
    return e;
}

// ---------------------------------------------------------------------------------------------------------
// ApplySkin
// ---------------------------------------------------------------------------------------------------------

void TSkinElements::ApplySkin() {
    std::vector<std::string> sections;
    (m_ini ? *m_ini : EmptyIni()).ReadSections(sections);
    SkinName = Text("TitlebarSkin", "SkinName");
    LoadBorders();
    LoadColours(sections);
    LoadSysButtons(sections);
    LoadMdiButtons();
    LoadButtons();
    LoadTitle();
    LoadElements();
    SetFrameCounts();
    BuildComboComposite();
    BuildComboxArrow();
    BuildToolbar();
    SkinColours[scCaption] = SampleCaptionColour();
    if (FaceBrush)
        win::DeleteObject(FaceBrush);
    FaceBrush = win::CreateSolidBrush(tk::ColorToRGB(SkinColours[scButtonFace]));
    SkinLoading = false;
}

void TSkinElements::LoadBorders() {
    static const std::string personality = "Personality";
    const struct {
        TDataSkinBorder* piece;
        std::string key;
        bool sides;
    } pieces[] = {{BorderLeft.get(), "Left", true},
                  {BorderRight.get(), "Right", true},
                  {BorderTop.get(), "Top", false},
                  {BorderBottom.get(), "Bottom", false}};
    for (const auto& p : pieces) {
        TDataSkinBorder& b = *p.piece;
        ResetObject(b);
        b.SecondImage.Clear();
        LoadImage(b.Image, Text(personality, p.key.c_str()));
        b.FrameCount = Int(personality, (p.key + "Frame").c_str(), 1);
        b.Tile = std::min(Int(personality, (p.key + "Stretch").c_str(), 1), 1);
        b.Trans = Int(personality, (p.key + "Trans").c_str(), 1);
        const int first = Int(personality, (p.key + "TopHeight").c_str(), 0);
        const int second = Int(personality, (p.key + "BotHeight").c_str(), 0);
        b.Margins = p.sides ? win::RECT{0, first, 0, second} : win::RECT{first, 0, second, 0};
    }
}

void TSkinElements::LoadColours(const std::vector<std::string>& sections) {
    SkinColours.fill(0);
    SkinColourGiven.fill(false);
    for (const TColourKey& k : kColourKeys) {
        const std::string text = Text("Colours", k.key);
        SkinColourGiven[k.index] = !text.empty();
        if (!text.empty())
            SkinColours[k.index] = ParseColour(text);
        else if (k.fallback == kFromButtonFace)
            SkinColours[k.index] = SkinColours[scButtonFace];
        else
            SkinColours[k.index] = tk::ColorToRGB(k.fallback);
    }
    ExtraColours.clear();
    for (const std::string& section : sections) {
        const std::string upper = Upper(section);
        if (upper.rfind("COLOUR", 0) != 0 || upper == "COLOURS")
            continue;
        const std::string text = Text(section, "color");
        ExtraColours.push_back(text.empty() ? tk::ColorToRGB(tk::clWindowText) : ParseColour(text));
    }
    for (int i = 0; i < 10; ++i) {
        const std::string key = "Color" + std::to_string(i);
        const std::string text = Text("Customcolors", key.c_str());
        CustomColours[i] = text.empty() ? tk::clWhite : ParseColour(text);
    }
}

void TSkinElements::LoadSysButtons(const std::vector<std::string>& sections) {
    SysButtons.clear();
    std::vector<std::string> kept;
    for (const std::string& section : sections) {
        const std::string upper = Upper(section);
        if (upper.rfind("BUTTON", 0) != 0 ||
            std::any_of(std::begin(kNotCaptionButtons), std::end(kNotCaptionButtons),
                        [&](const char* name) { return upper == name; }))
            continue;
        if (Int(section, "Action", 0) == -1 && Int(section, "Visibility", -1) != 0)
            continue;
        kept.push_back(section);
    }
    SysButtons.reserve(kept.size() + 3);
    bool recorded = false;
    int recordedX = 0, recordedY = 0;
    for (const std::string& section : kept) {
        auto b = std::make_unique<TDataSkinSysButton>(Upper(section));
        b->Action = Int(section, "Action", 0);
        b->Align = Int(section, "Align", 0);
        b->XCoord = Int(section, "Xcoord", 0);
        b->YCoord = Int(section, "Ycoord", 0);
        b->Visibility = Int(section, "Visibility", 0);
        b->Visibility1 = Int(section, "Visibility1", b->Action == -1 ? -1 : 0);
        b->CombineOp = Int(section, "CombineOp", -1);
        b->FrameCount = Int(section, "frame", 0);
        LoadImage(b->Image, Text(section, "ButtonImage"));
        if (b->Action == 1 && b->Visibility == 2) {
            recorded = true;
            recordedX = b->XCoord;
            recordedY = b->YCoord;
        } else if (b->Action == 4 && recorded) {
            // Before any such button there is no position to take: the button keeps its own.
            b->XCoord = recordedX;
            b->YCoord = recordedY;
        }
        if (b->FrameCount == 0) {
            b->FrameCount = 6;
            if (!b->Image.Empty())
                b->FrameCount = static_cast<double>(b->Image.Width()) / b->Image.Height() <= 3.8 ? 3 : 6;
            if (b->Action < 0)
                b->FrameCount = 6;
            if (b->Action == 3 || b->Action == 11)
                b->Image.Clear();
        }
        SysButtons.push_back(std::move(b));
    }
}

void TSkinElements::LoadMdiButtons() {
    TSkinBitmap strip;
    LoadImage(strip, Text("MDICONTROLS", "Image"));
    const int a = strip.Width() / 12;
    for (int i = 0; i < 3; ++i) {
        auto b = std::make_unique<TDataSkinSysButton>("MDICONTROLS");
        b->Action = kMdiActions[i];
        b->Align = b->Visibility = b->Visibility1 = 100;
        b->FrameCount = 4;
        // A strip narrower than 12 pixels still places the buttons, with empty images.
        if (!strip.Empty()) {
            b->Image.AssignPart(strip, 4 * a * i, 0, 4 * a, strip.Height());
            b->XCoord = (a + 4) * (3 - i);
        }
        SysButtons.push_back(std::move(b));
    }
}

void TSkinElements::LoadButtons() {
    static const std::string s = "Buttons";
    TDataSkinButton& b = *Buttons;
    ResetObject(b);
    b.Margins = {Int(s, "LeftWidth", 0), Int(s, "TopHeight", 0), Int(s, "RightWidth", 0),
                 Int(s, "BottomHeight", 0)};
    b.Trans = Int(s, "Trans", 0);
    LoadImage(b.Image, Text(s, "Bitmap"));
    b.Tile = Int(s, "Tile", 0);
    if (b.Tile > 1)
        b.Tile = 0;
    LoadImage(b.CheckImage, Text(s, "CheckButton"));
    LoadImage(b.RadioImage, Text(s, "RadioButton"));
    b.NormalColour = static_cast<tk::TColor>(Int(s, "NormalColour", -1));
    b.MouseOverColour = static_cast<tk::TColor>(Int(s, "MouseOverColour", -1));
    b.PressedColour = static_cast<tk::TColor>(Int(s, "PressedColour", -1));
    b.RadioFrameCount = Int(s, "RadioButtonFrame", 0);
    b.CheckFrameCount = Int(s, "CheckButtonFrame", 0);
    b.HasNormalColour2 = !Text(s, "NormalColour2").empty();
    b.HasMouseOverColour2 = !Text(s, "MouseOverColour2").empty();
    b.HasPressedColour2 = !Text(s, "PressedColour2").empty();
    b.NormalColour2 = Colour2(s, "NormalColour2");
    b.MouseOverColour2 = Colour2(s, "MouseOverColour2");
    b.PressedColour2 = Colour2(s, "PressedColour2");
}

void TSkinElements::LoadTitle() {
    static const std::string s = "Personality";
    TDataSkinTitle& t = *Title;
    ResetObject(t);
    LoadImage(t.Image, Text(s, "TextBack"));
    t.Margins = {Int(s, "TextShift", 0), Int(s, "TextShiftVert", 0), Int(s, "TextRightClip", 0), 0};
    t.TextAlignment = Int(s, "TextAlignment", 0);
    t.Textbackground = Int(s, "Textbackground", 0);
    t.TXTBackleft = Int(s, "TXTBackleft", 0);
    t.TXTBackRight = Int(s, "TXTBackRight", 0);
    t.FontHeight = Int("Fonts", "FontHeight", 14);
    const auto rgb = [&](const char* prefix) -> tk::TColor {
        const int r = Int(s, (std::string(prefix) + "R").c_str(), -1);
        const int g = Int(s, (std::string(prefix) + "G").c_str(), -1);
        const int b = Int(s, (std::string(prefix) + "B").c_str(), -1);
        if (r < 0 || g < 0 || b < 0)
            return tk::clNone;
        return static_cast<tk::TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
    };
    t.ActiveTextColour = rgb("ActiveText");
    t.InActiveTextColour = rgb("InActiveText");
}

void TSkinElements::LoadElements() {
    Progress = LoadBitmapObject("Progress");
    ProgressChunk = LoadObject("Progress.Chunk");
    MenuBar.reset();
    const std::string menuBar = Text("Personality", "menuBar");
    if (!menuBar.empty()) {
        MenuBar = std::make_unique<TDataSkinObject>("MenuBar");
        LoadImage(MenuBar->Image, menuBar);
        MenuBar->Tile = std::min(Int("Personality", "TileMenu", 1), 1);
        MenuBar->Margins = {Int("Personality", "TileLeftMenu", 1), 0, Int("Personality", "TileRightMenu", 1),
                            0};
    }
    GroupBoxEdge = LoadObject("GroupBoxEdge");
    GroupBox = LoadBoxLabel("GroupBox");
    Tabs = LoadBorderObject("Tabs", "Border");
    StatusBarEdges = LoadObject("StatusBarEdges");
    TabPane = LoadObject("Tab.Pane");
    if (TabPane) {
        win::RECT& m = TabPane->Margins;
        m = {std::min<int>(m.left, 4), std::min<int>(m.top, 4), std::min<int>(m.right, 4),
             std::min<int>(m.bottom, 4)};
    }
    ToolBars = LoadObject("ToolBars");
    ComboButton = LoadBorderObject("ComboButton", "****");
    SunkEdge = LoadObject("SunkEdge");
    if (ComboButton && !ComboButton->Image.Empty()) {
        ComboButton->SecondImage.Assign(ComboButton->Image);
        ComboButton->SecondImage.SetPixelFormat(24);
        MirrorHorizontal(ComboButton->SecondImage);
    }
    ExtraImages = LoadObject("ExtraImages");
    const bool headerFrameGiven = !Text("Headerbar", "Frame").empty() && Int("Headerbar", "Frame", 0) != 0;
    Headerbar = LoadObject("Headerbar");
    MenuItem = LoadObject("MenuItem");
    MenuBackground = LoadObject("MenuBackground");
    Scrollbar = LoadObject("Scrollbar");
    HorzScroll = LoadObject("HorzScroll");
    VertScroll = LoadObject("VertScroll");
    HorzScrollThumb = LoadObject("HorzScrollThumb");
    VertScrollThumb = LoadObject("VertScrollThumb");
    TrackbarThumbHorz = LoadObject("Trackbar.ThumbHorz");
    TrackbarThumbVert = LoadObject("Trackbar.ThumbVert");
    TrackbarThumbLeft = LoadObject("Trackbar.ThumbLeft");
    TrackbarThumbRight = LoadObject("Trackbar.ThumbRight");
    TrackbarThumbUp = LoadObject("Trackbar.ThumbUp");
    TrackbarThumbDown = LoadObject("Trackbar.ThumbDown");
    UpDownHorz = LoadBorderObject("UpDown.Horz", "GlyphImage");
    UpDownVert = LoadBorderObject("UpDown.Vert", "GlyphImage");
    Track = LoadObject("Track");
    TrackVert = LoadObject("TRACKVERT");
    for (auto [slot, name] : {std::pair{&Track, "TRACK"}, std::pair{&TrackVert, "TRACKVERT"}}) {
        if (*slot)
            continue;
        *slot = std::make_unique<TDataSkinObject>(name);
        LoadBuiltinBitmap(name, (*slot)->Image);
        (*slot)->Margins = {3, 3, 3, 3};
        (*slot)->Tile = 0;
        (*slot)->FrameCount = 1;
    }
    if (Headerbar && !headerFrameGiven)
        Headerbar->FrameCount = 5;
}

void TSkinElements::SetFrameCounts() {
    Buttons->FrameCount = 5;
    Buttons->RadioFrameCount = CheckFrames(Buttons->RadioImage, Buttons->RadioFrameCount);
    Buttons->CheckFrameCount = CheckFrames(Buttons->CheckImage, Buttons->CheckFrameCount);
    Title->FrameCount = 2;
    if (Progress)
        Progress->FrameCount = Progress->Style != 0 ? 1 : 2;
    SetFrames(MenuBar.get(), 2);
    SetFrames(GroupBoxEdge.get(), 2);
    SetFrames(Toolbar.get(), 1);
    SetFrames(ToolBars.get(), 5);
    SetFrames(Tabs.get(), 5);
    SetFrames(TabPane.get(), 1);
    SetFrames(StatusBarEdges.get(), 3);
    SetFrames(GroupBox.get(), 1);
    SetFrames(ComboButton.get(), 4);
    SetFrames(SunkEdge.get(), 4);
    SetFrames(ExtraImages.get(), 5);
    // Headerbar: 5 unless its Frame key gave a value (LoadElements).
    SetFrames(MenuItem.get(), 5);
    SetFrames(MenuBackground.get(), 1);
    SetFrames(Scrollbar.get(), 23);
    SetFrames(HorzScroll.get(), 4);
    SetFrames(VertScroll.get(), 4);
    SetFrames(UpDownVert.get(), 8);
    SetFrames(UpDownHorz.get(), 8);
    for (TDataSkinObject* thumb : {TrackbarThumbHorz.get(), TrackbarThumbVert.get(), TrackbarThumbLeft.get(),
                                   TrackbarThumbRight.get(), TrackbarThumbUp.get(), TrackbarThumbDown.get()})
        SetFrames(thumb, 5);
    SetFrames(HorzScrollThumb.get(), Int("HorzScrollThumb", "FrameCount", 3));
    SetFrames(VertScrollThumb.get(), Int("VertScrollThumb", "FrameCount", 3));
}

void TSkinElements::BuildComboComposite() {
    if (!SunkEdge || !ComboButton)
        return;
    const int n = std::max(SunkEdge->FrameCount, 1);
    const int b = win::GetSystemMetrics(win::SM_CXHSCROLL) + 2;
    TSkinBitmap strip;
    if (!strip.SetSize(n * kComboWidth, kComboHeight, kMagentaPixel, 24))
        return;
    TSkinBitmap work;
    work.SetSize(kComboWidth, kComboHeight, kMagentaPixel, 24);
    const win::RECT whole{0, 0, kComboWidth, kComboHeight};
    const win::RECT button{kComboWidth - b, 0, kComboWidth, kComboHeight};
    for (int k = 1; k <= n; ++k) {
        FillPart(work, whole, kMagentaPixel);
        DrawElementFrame(work, whole, *SunkEdge, k, SunkEdge->Trans == 1);
        DrawElementFrame(work, button, *ComboButton, k, true);
        if (ExtraImages)
            DrawGlyphCentred(work, button, *ExtraImages, k, true);
        FillPart(work, {2, 2, kComboWidth - 1 - b, 18}, kMagentaPixel);
        BlitPart(strip, {kComboWidth * (k - 1), 0, kComboWidth * k, kComboHeight}, work, whole, false, false);
    }
    const win::RECT sunk = SunkEdge->Margins;
    ComboButton->Style = 2;
    ComboButton->Image.Assign(strip);
    ComboButton->Margins = {2, sunk.top, b + 2, sunk.bottom};
    MirrorHorizontal(strip);
    SunkEdge->Image.Assign(strip);
    SunkEdge->Margins.left = b + 2;
    SunkEdge->Margins.right = 2;
}

void TSkinElements::BuildComboxArrow() {
    if (!ComboxArrow)
        ComboxArrow = std::make_unique<TDataSkinObject>("ComboxArrow");
    ComboxArrow->Image.Clear();
    if (!ComboButton)
        return;
    if (!SunkEdge) {
        ComboxArrow->Image.Assign(ComboButton->Image);
        ReplaceMagenta(ComboxArrow->Image, SkinColours[scButtonFace]);
        ComboxArrow->FrameCount = ComboButton->FrameCount;
    } else if (ComboButton->Style == 2) {
        const int n = std::max(SunkEdge->FrameCount, 1);
        const int w = ComboButton->Image.Width() / n;
        if (!ComboxArrow->Image.SetSize(n * kComboArrowSide, kComboArrowSide, 0, 24))
            return;
        for (int i = 0; i < n; ++i)
            BlitPart(ComboxArrow->Image, {i * kComboArrowSide, 0, (i + 1) * kComboArrowSide, kComboArrowSide},
                     ComboButton->Image, {(i + 1) * w - 19, 2, (i + 1) * w - 2, 19}, false, false);
        ComboxArrow->FrameCount = n;
    }
}

void TSkinElements::BuildToolbar() {
    if (!Toolbar)
        Toolbar = std::make_unique<TDataSkinObject>("Toolbar");
    const tk::TColor caption = SampleCaptionColour();
    tk::TColor bottom = MixColours(0x808080, caption, 150);
    const tk::TColor top = MixColours(SkinColours[scButtonFace], tk::clWhite, 150);
    const int saturation = ColourSaturation(caption);
    if (saturation > 110)
        bottom = MixColours(caption, tk::clWhite, (225 - saturation) * 25 / 140 + 50);
    Toolbar->Image.SetSize(10, 40, 0, 24);
    const std::vector<tk::TColor> ramp = GradientRamp(40, top, bottom);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 10; ++x)
            Toolbar->Image.SetPixel(x, y, PixelFromColour(ramp[y]));
    Toolbar->FrameCount = 1;
}

} // namespace skin
