#include "toolkit/WidgetClasses.h"

#include "toolkit/TBitBtn.h"
#include "toolkit/TComboBox.h"
#include "toolkit/TCustomCheckBox.h"
#include "toolkit/TCustomForm.h"
#include "toolkit/TCustomMemo.h"
#include "toolkit/TCustomPanel.h"
#include "toolkit/TCustomRadioGroup.h"
#include "toolkit/THeaderControl.h"
#include "toolkit/THeaderSection.h"
#include "toolkit/THintWindow.h"
#include "toolkit/TImage.h"
#include "toolkit/TImageList.h"
#include "toolkit/TListBox.h"
#include "toolkit/TMainMenu.h"
#include "toolkit/TPageControl.h"
#include "toolkit/TPopupMenu.h"
#include "toolkit/TProgressBar.h"
#include "toolkit/TRadioButton.h"
#include "toolkit/TRzButton.h"
#include "toolkit/TScrollBar.h"
#include "toolkit/TSpeedButton.h"
#include "toolkit/TStaticText.h"
#include "toolkit/TStatusBar.h"
#include "toolkit/TStatusPanel.h"
#include "toolkit/TTabSet.h"
#include "toolkit/TTabSheet.h"
#include "toolkit/TTimer.h"
#include "toolkit/TToolBar.h"
#include "toolkit/TToolButton.h"
#include "toolkit/TTrackBar.h"
#include "toolkit/TUpDown.h"

namespace tk {

void RegisterWidgetClasses() {
    // Naming each class here also keeps its object file, and so its registration, in a static link.
    const TClassInfo* classes[] = {
        &TStaticText::StaticClassInfo(),    &TButton::StaticClassInfo(),
        &TBitBtn::StaticClassInfo(),        &TSpeedButton::StaticClassInfo(),
        &TGroupBox::StaticClassInfo(),      &TRadioGroup::StaticClassInfo(),
        &TPanel::StaticClassInfo(),         &TCheckBox::StaticClassInfo(),
        &TRadioButton::StaticClassInfo(),   &TEdit::StaticClassInfo(),
        &TMemo::StaticClassInfo(),          &TImage::StaticClassInfo(),
        &TRzButton::StaticClassInfo(),      &TPopupMenu::StaticClassInfo(),
        &TMenuItem::StaticClassInfo(),      &TImageList::StaticClassInfo(),
        &THintWindow::StaticClassInfo(),    &TTimer::StaticClassInfo(),
        &TForm::StaticClassInfo(),          &TProgressBar::StaticClassInfo(),
        &TTrackBar::StaticClassInfo(),      &TUpDown::StaticClassInfo(),
        &TTabControl::StaticClassInfo(),    &TPageControl::StaticClassInfo(),
        &TTabSheet::StaticClassInfo(),      &TMainMenu::StaticClassInfo(),
        &TStatusBar::StaticClassInfo(),     &TStatusPanel::StaticClassInfo(),
        &TComboBox::StaticClassInfo(),      &TListBox::StaticClassInfo(),
        &TScrollBar::StaticClassInfo(),     &THeaderControl::StaticClassInfo(),
        &THeaderSection::StaticClassInfo(), &TToolBar::StaticClassInfo(),
        &TToolButton::StaticClassInfo(),    &TTabSet::StaticClassInfo(),
    };
    for (const TClassInfo* info : classes)
        RegisterClass(*info);
}

} // namespace tk
