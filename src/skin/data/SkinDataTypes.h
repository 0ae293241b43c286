// The enumerations and event types the skin component publishes.
#pragma once

#include "platform/win.h"
#include "toolkit/Property.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tk {
class TComponent;
class TObject;
} // namespace tk

namespace skin {

class TSkinData;

enum TSkinControlType : int {
    xcMainMenu,
    xcPopupMenu,
    xcMenuItem,
    xcToolbar,
    xcControlbar,
    xcCombo,
    xcCheckBox,
    xcRadioButton,
    xcProgress,
    xcScrollbar,
    xcEdit,
    xcButton,
    xcBitBtn,
    xcSpeedButton,
    xcSpin,
    xcPanel,
    xcGroupBox,
    xcStatusBar,
    xcTab,
    xcTrackBar,
    xcSystemMenu,
    xcFastReport,
};
using TSkinControlTypes = std::uint32_t; // bit n = member n
extern const tk::EnumInfo kSkinControlTypeInfo;

enum TSkinOption : int {
    xoMDIScrollbar,
    xoMenuMerge,
    xoTransparent,
    xoPreview,
    xoParentBackGround,
    xoNoFocusRect,
    xoToolbarBK,
    xoToolbarButton,
    xoMDIChildBorder,
    xoMenuBG,
    xoCaptionButtonHint,
    xoFormScrollbar,
};
using TSkinOptions = std::uint32_t;
extern const tk::EnumInfo kSkinOptionInfo;

enum TSkinFormType : int { sfMainform, sfOnlyThisForm, sfDialog, sfDLL };
extern const tk::EnumInfo kSkinFormTypeInfo;

constexpr std::uint32_t Bit(int member) {
    return std::uint32_t{1} << member;
}

using TNotifyEvent = std::function<void(tk::TObject* sender)>;
using TOnFormSkin = std::function<void(tk::TObject* sender, std::string aName, bool& doSkin)>;
using TOnSkinControl =
    std::function<void(tk::TComponent* sender, TSkinData* skinData, tk::TComponent* form,
                       tk::TComponent* control, std::string controlClass, tk::TComponent*& skinnedControl)>;
using TOnSkinForm = std::function<void(tk::TObject* sender, win::HWND ahwnd, std::string aName)>;

} // namespace skin
