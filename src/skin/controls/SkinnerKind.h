#pragma once
// Every kind of control skinner, by the class that implements it. Recognition decides a kind; the frame's
// skinner factory turns a kind into an object. Kinds whose only targets are other vendors' controls are kept
// so that such a class is still recognised, and are left unskinned by the factory.
namespace skin {

enum class SkinnerKind {
    None,
    Button,      // TSkinButton
    BitButton,   // TSkinBitButton
    SpeedButton, // TSkinSpeedButton
    MenuButton,  // TSkinMenuButton
    CheckBox,    // TSkinCheckBox
    RadioButton, // TSkinRadioButton
    GroupBox,    // TSkinGroupBox
    Box,         // TSkinBox
    BoxH,        // TSkinBoxH
    Edit,        // TSkinEdit
    ComBox,      // TSkinComBox
    Scrollbar,   // TSkinScrollbar
    ScrollbarH,  // TSkinScrollbarH
    ScControl,   // TSkinScControl
    Sizer,       // TSkinSizer
    UpDown,      // TSkinUpDown
    Progress,    // TSkinProgress
    TrackBar,    // TSkinTrackBar
    Tab,         // TSkinTab
    Tab31,       // TSkinTab31
    TabSheet,    // TSkinTabSheet
    TabBtn,      // TSkinTabBtn
    Header,      // TSkinHeader
    StatusBar,   // TSkinStatusBar
    ListView,    // TSkinListView
    // Other vendors' controls: recognised, never skinned here.
    ObjImage,    // TSkinObjImage (custom-glyph check and radio boxes)
    MediaPlayer, // TSkinMP
    AdvPage,     // TSkinAdvPage
    DateTime,    // TSkinDateTime
};

// The class name of a kind's skinner, for diagnostics and tests.
const char* SkinnerClassName(SkinnerKind kind);

} // namespace skin
