// The whole Windows-like platform API in namespace win, as <windows.h> gives it: the layers above include
// this one header. Each part lives in its own folder; parts not built yet are simply absent.
#pragma once

#include "platform/WinTypes.h"

#if __has_include("platform/os/WinBase.h")
#include "platform/os/WinBase.h"
#endif
#if __has_include("platform/gdi/WinGdi.h")
#include "platform/gdi/WinGdi.h"
#endif
#if __has_include("platform/core/WinUser.h")
#include "platform/core/WinUser.h"
#endif
#if __has_include("platform/controls/WinControls.h")
#include "platform/controls/WinControls.h"
#endif
