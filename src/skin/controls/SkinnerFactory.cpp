#include "skin/controls/SkinnerFactory.h"

#include "skin/controls/TSkinBitButton.h"
#include "skin/controls/TSkinBox.h"
#include "skin/controls/TSkinBoxH.h"
#include "skin/controls/TSkinButton.h"
#include "skin/controls/TSkinCheckBox.h"
#include "skin/controls/TSkinComBox.h"
#include "skin/controls/TSkinEdit.h"
#include "skin/controls/TSkinGroupBox.h"
#include "skin/controls/TSkinHeader.h"
#include "skin/controls/TSkinMenuButton.h"
#include "skin/controls/TSkinProgress.h"
#include "skin/controls/TSkinRadioButton.h"
#include "skin/controls/TSkinScControl.h"
#include "skin/controls/TSkinScrollbar.h"
#include "skin/controls/TSkinScrollbarH.h"
#include "skin/controls/TSkinSizer.h"
#include "skin/controls/TSkinSpeedButton.h"
#include "skin/controls/TSkinStatusBar.h"
#include "skin/controls/TSkinTab.h"
#include "skin/controls/TSkinTab31.h"
#include "skin/controls/TSkinTabBtn.h"
#include "skin/controls/TSkinTabSheet.h"
#include "skin/controls/TSkinTrackBar.h"
#include "skin/controls/TSkinUpDown.h"

namespace skin {

TSkinControl* MakeSkinner(SkinnerKind kind, tk::TComponent* owner) {
    switch (kind) {
    case SkinnerKind::Button: return new TSkinButton(owner);
    case SkinnerKind::BitButton: return new TSkinBitButton(owner);
    case SkinnerKind::SpeedButton: return new TSkinSpeedButton(owner);
    case SkinnerKind::MenuButton: return new TSkinMenuButton(owner);
    case SkinnerKind::CheckBox: return new TSkinCheckBox(owner);
    case SkinnerKind::RadioButton: return new TSkinRadioButton(owner);
    case SkinnerKind::GroupBox: return new TSkinGroupBox(owner);
    case SkinnerKind::Box: return new TSkinBox(owner);
    case SkinnerKind::BoxH: return new TSkinBoxH(owner);
    case SkinnerKind::Edit: return new TSkinEdit(owner);
    case SkinnerKind::ComBox: return new TSkinComBox(owner);
    case SkinnerKind::Scrollbar: return new TSkinScrollbar(owner);
    case SkinnerKind::ScrollbarH: return new TSkinScrollbarH(owner);
    case SkinnerKind::ScControl: return new TSkinScControl(owner);
    case SkinnerKind::Sizer: return new TSkinSizer(owner);
    case SkinnerKind::UpDown: return new TSkinUpDown(owner);
    case SkinnerKind::Progress: return new TSkinProgress(owner);
    case SkinnerKind::TrackBar: return new TSkinTrackBar(owner);
    case SkinnerKind::Tab: return new TSkinTab(owner);
    case SkinnerKind::Tab31: return new TSkinTab31(owner);
    case SkinnerKind::TabSheet: return new TSkinTabSheet(owner);
    case SkinnerKind::TabBtn: return new TSkinTabBtn(owner);
    case SkinnerKind::Header: return new controls::TSkinHeader(owner);
    case SkinnerKind::StatusBar: return new TSkinStatusBar(owner);
    default: return nullptr;
    }
}

} // namespace skin
