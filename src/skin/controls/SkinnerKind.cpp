#include "skin/controls/SkinnerKind.h"

namespace skin {

const char* SkinnerClassName(SkinnerKind kind) {
    switch (kind) {
    case SkinnerKind::None: return "";
    case SkinnerKind::Button: return "TSkinButton";
    case SkinnerKind::BitButton: return "TSkinBitButton";
    case SkinnerKind::SpeedButton: return "TSkinSpeedButton";
    case SkinnerKind::MenuButton: return "TSkinMenuButton";
    case SkinnerKind::CheckBox: return "TSkinCheckBox";
    case SkinnerKind::RadioButton: return "TSkinRadioButton";
    case SkinnerKind::GroupBox: return "TSkinGroupBox";
    case SkinnerKind::Box: return "TSkinBox";
    case SkinnerKind::BoxH: return "TSkinBoxH";
    case SkinnerKind::Edit: return "TSkinEdit";
    case SkinnerKind::ComBox: return "TSkinComBox";
    case SkinnerKind::Scrollbar: return "TSkinScrollbar";
    case SkinnerKind::ScrollbarH: return "TSkinScrollbarH";
    case SkinnerKind::ScControl: return "TSkinScControl";
    case SkinnerKind::Sizer: return "TSkinSizer";
    case SkinnerKind::UpDown: return "TSkinUpDown";
    case SkinnerKind::Progress: return "TSkinProgress";
    case SkinnerKind::TrackBar: return "TSkinTrackBar";
    case SkinnerKind::Tab: return "TSkinTab";
    case SkinnerKind::Tab31: return "TSkinTab31";
    case SkinnerKind::TabSheet: return "TSkinTabSheet";
    case SkinnerKind::TabBtn: return "TSkinTabBtn";
    case SkinnerKind::Header: return "TSkinHeader";
    case SkinnerKind::StatusBar: return "TSkinStatusBar";
    case SkinnerKind::ListView: return "TSkinListView";
    case SkinnerKind::ObjImage: return "TSkinObjImage";
    case SkinnerKind::MediaPlayer: return "TSkinMP";
    case SkinnerKind::AdvPage: return "TSkinAdvPage";
    case SkinnerKind::DateTime: return "TSkinDateTime";
    }
    return "";
}

} // namespace skin
