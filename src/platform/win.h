// The whole Windows-like platform API in namespace win, as <windows.h> gives it: the layers above include
// this one header. Each part lives in its own folder.
#pragma once

#include "platform/WinTypes.h"

#include "platform/controls/CommCtrl.h"
#include "platform/controls/WinControls.h"
#include "platform/core/WinUser.h"
#include "platform/gdi/WinGdi.h"
#include "platform/os/WinBase.h"
