#include "platform/gdi/GdiObjects.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/os/WinBase.h"

#include <array>
#include <cstring>
#include <mutex>
#include <unordered_set>

namespace win::gdi {

namespace {

std::mutex& RegistryMutex() {
    static std::mutex m;
    return m;
}
std::unordered_set<HGDIOBJ>& Registry() {
    static std::unordered_set<HGDIOBJ> r;
    return r;
}

// The classic Windows colour scheme.
constexpr std::array<COLORREF, 31> kDefaultSysColors = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(181, 181, 181), // 25, unused
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(10, 36, 106),   // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

std::array<COLORREF, 31>& SysColors() {
    static std::array<COLORREF, 31> colors = kDefaultSysColors;
    return colors;
}

Brush* MakeStockBrush(UINT style, COLORREF color) {
    auto* b = new Brush;
    b->style = style;
    b->color = color;
    b->hdr.stock = true;
    RegisterObject(b);
    return b;
}

Pen* MakeStockPen(int style, COLORREF color) {
    auto* p = new Pen;
    p->style = style;
    p->color = color;
    p->hdr.stock = true;
    RegisterObject(p);
    return p;
}

Font* MakeStockFont(const char* face, int height) {
    auto* f = new Font;
    f->lf.lfHeight = height;
    f->lf.lfWeight = FW_NORMAL;
    std::strncpy(f->lf.lfFaceName, face, LF_FACESIZE - 1);
    f->hdr.stock = true;
    RegisterObject(f);
    return f;
}

struct StockObjects {
    std::array<HGDIOBJ, 20> objects{};
    std::array<Brush*, 31> sysBrushes{};
    StockObjects() {
        objects[WHITE_BRUSH] = MakeStockBrush(BS_SOLID, RGB(255, 255, 255));
        objects[LTGRAY_BRUSH] = MakeStockBrush(BS_SOLID, RGB(192, 192, 192));
        objects[GRAY_BRUSH] = MakeStockBrush(BS_SOLID, RGB(128, 128, 128));
        objects[DKGRAY_BRUSH] = MakeStockBrush(BS_SOLID, RGB(64, 64, 64));
        objects[BLACK_BRUSH] = MakeStockBrush(BS_SOLID, RGB(0, 0, 0));
        objects[NULL_BRUSH] = MakeStockBrush(BS_NULL, 0);
        objects[WHITE_PEN] = MakeStockPen(PS_SOLID, RGB(255, 255, 255));
        objects[BLACK_PEN] = MakeStockPen(PS_SOLID, RGB(0, 0, 0));
        objects[NULL_PEN] = MakeStockPen(PS_NULL, 0);
        objects[OEM_FIXED_FONT] = MakeStockFont("Monospace", -12);
        objects[ANSI_FIXED_FONT] = MakeStockFont("Monospace", -12);
        objects[ANSI_VAR_FONT] = MakeStockFont("MS Sans Serif", -11);
        objects[SYSTEM_FONT] = MakeStockFont("System", -12);
        objects[DEVICE_DEFAULT_FONT] = MakeStockFont("System", -12);
        objects[SYSTEM_FIXED_FONT] = MakeStockFont("Monospace", -12);
        objects[DEFAULT_GUI_FONT] = MakeStockFont("MS Sans Serif", -11);
        auto* pal = new Palette;
        pal->hdr.stock = true;
        RegisterObject(pal);
        objects[DEFAULT_PALETTE] = pal;
        auto* dcBrush = MakeStockBrush(BS_SOLID, RGB(255, 255, 255));
        dcBrush->dcBrush = true;
        objects[DC_BRUSH] = dcBrush;
        auto* dcPen = MakeStockPen(PS_SOLID, 0);
        dcPen->dcPen = true;
        objects[DC_PEN] = dcPen;
        for (size_t i = 0; i < sysBrushes.size(); ++i)
            sysBrushes[i] = MakeStockBrush(BS_SOLID, SysColors()[i]);
    }
};

StockObjects& Stock() {
    static StockObjects s;
    return s;
}

void DestroyObject(HGDIOBJ object) {
    {
        std::lock_guard lock(RegistryMutex());
        Registry().erase(object);
    }
    delete object;
}

} // namespace

Region::Region() {
    pixman_region32_init(&data);
}
Region::~Region() {
    pixman_region32_fini(&data);
}

void RegisterObject(HGDIOBJ object) {
    std::lock_guard lock(RegistryMutex());
    Registry().insert(object);
}

bool IsLiveObject(HGDIOBJ object) {
    if (!object)
        return false;
    std::lock_guard lock(RegistryMutex());
    return Registry().count(object) != 0;
}

ObjectHeader* HeaderOf(HGDIOBJ object) {
    if (auto* b = dynamic_cast<Bitmap*>(object))
        return &b->hdr;
    if (auto* b = dynamic_cast<Brush*>(object))
        return &b->hdr;
    if (auto* p = dynamic_cast<Pen*>(object))
        return &p->hdr;
    if (auto* f = dynamic_cast<Font*>(object))
        return &f->hdr;
    if (auto* p = dynamic_cast<Palette*>(object))
        return &p->hdr;
    return nullptr;
}

void AddRef(HGDIOBJ object) {
    if (!IsLiveObject(object))
        return;
    if (auto* h = HeaderOf(object))
        ++h->refs;
}

void Release(HGDIOBJ object) {
    if (!IsLiveObject(object))
        return;
    auto* h = HeaderOf(object);
    if (!h)
        return;
    if (h->refs > 0)
        --h->refs;
    if (h->refs == 0 && h->deletePending && !h->stock)
        DestroyObject(object);
}

Region* LiveRegion(HRGN region) {
    return Live<Region>(region);
}
Bitmap* LiveBitmap(HBITMAP bitmap) {
    return Live<Bitmap>(bitmap);
}
Brush* LiveBrush(HBRUSH brush) {
    return Live<Brush>(brush);
}
Pen* LivePen(HPEN pen) {
    return Live<Pen>(pen);
}
Font* LiveFont(HFONT font) {
    return Live<Font>(font);
}

bool ResolveBrush(HBRUSH brush, COLORREF dcBrushColor, COLORREF* color, const Brush** object) {
    auto value = reinterpret_cast<std::uintptr_t>(brush);
    if (value >= 1 && value <= 31) {
        *color = GetSysColor(static_cast<int>(value - 1));
        *object = nullptr;
        return true;
    }
    Brush* b = LiveBrush(brush);
    if (!b)
        return false;
    *object = b;
    *color = b->dcBrush ? dcBrushColor : b->color;
    return true;
}

Bitmap* NewBitmap(int width, int height, int bitsPixel) {
    auto* b = new Bitmap;
    b->surface = std::make_shared<Surface>(width, height);
    b->bitsPixel = bitsPixel;
    RegisterObject(b);
    return b;
}

void Bitmap::PullFromDib() {
    if (!isDib || dibShared || !dibBits)
        return;
    DecodeDibRows(dibLayout, dibBits, dibLayout.ImageSize(), 0, dibLayout.height, *surface, nullptr);
}

void Bitmap::PushToDib() {
    if (!isDib || dibShared || !dibBits)
        return;
    EncodeDibRows(dibLayout, *surface, 0, dibLayout.height, dibBits);
}

} // namespace win::gdi

namespace win {

using namespace gdi;

DWORD GetSysColor(int index) {
    if (index < 0 || index >= static_cast<int>(SysColors().size()))
        return 0;
    return SysColors()[index];
}

HBRUSH GetSysColorBrush(int index) {
    if (index < 0 || index >= static_cast<int>(SysColors().size()))
        return nullptr;
    return Stock().sysBrushes[index];
}

BOOL SetSysColors(int count, const int* elements, const COLORREF* values) {
    if (count < 0 || (count > 0 && (!elements || !values)))
        return FALSE;
    for (int i = 0; i < count; ++i) {
        if (elements[i] < 0 || elements[i] >= static_cast<int>(SysColors().size()))
            continue;
        SysColors()[elements[i]] = values[i] & 0xFFFFFF;
        Stock().sysBrushes[elements[i]]->color = values[i] & 0xFFFFFF;
    }
    return TRUE;
}

HGDIOBJ GetStockObject(int index) {
    if (index < 0 || index >= static_cast<int>(Stock().objects.size()))
        return nullptr;
    return Stock().objects[index];
}

HBRUSH CreateSolidBrush(COLORREF color) {
    auto* b = new Brush;
    b->color = color & 0xFFFFFF;
    RegisterObject(b);
    return b;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
    if (!lb) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (lb->lbStyle == BS_NULL)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    // Hatches are drawn solid: nothing in the program uses them.
    return CreateSolidBrush(lb->lbColor);
}

HBRUSH CreatePatternBrush(HBITMAP bitmap) {
    Bitmap* bm = LiveBitmap(bitmap);
    if (!bm) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    bm->PullFromDib();
    auto* b = new Brush;
    b->style = BS_PATTERN;
    b->pattern = std::make_shared<Surface>(bm->Width(), bm->Height());
    std::memcpy(b->pattern->Pixels(), bm->surface->Pixels(),
                static_cast<size_t>(bm->Width()) * bm->Height() * 4);
    RegisterObject(b);
    return b;
}

HPEN CreatePen(int style, int width, COLORREF color) {
    if (style < PS_SOLID || style > PS_INSIDEFRAME) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto* p = new Pen;
    p->style = style;
    p->width = width < 1 ? 1 : (width > 1000 ? 1000 : width);
    p->color = color & 0xFFFFFF;
    RegisterObject(p);
    return p;
}

HPEN CreatePenIndirect(const LOGPEN* pen) {
    if (!pen) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

BOOL DeleteObject(HGDIOBJ object) {
    if (!IsLiveObject(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (auto* h = HeaderOf(object)) {
        if (h->stock)
            return TRUE;
        if (h->refs > 0) {
            h->deletePending = true;
            return TRUE;
        }
    }
    DestroyObject(object);
    return TRUE;
}

int GetObjectType(HGDIOBJ object) {
    if (!IsLiveObject(object))
        return 0;
    if (dynamic_cast<Pen*>(object))
        return OBJ_PEN;
    if (dynamic_cast<Brush*>(object))
        return OBJ_BRUSH;
    if (dynamic_cast<Font*>(object))
        return OBJ_FONT;
    if (dynamic_cast<Bitmap*>(object))
        return OBJ_BITMAP;
    if (dynamic_cast<Region*>(object))
        return OBJ_REGION;
    if (dynamic_cast<Palette*>(object))
        return OBJ_PAL;
    return 0;
}

int GetObject(HGDIOBJ object, int size, LPVOID buffer) {
    if (!IsLiveObject(object)) {
        SetLastError(ERROR_INVALID_HANDLE);
        return 0;
    }
    auto give = [&](const void* data, int bytes) {
        if (!buffer)
            return bytes;
        if (size <= 0)
            return 0;
        int n = size < bytes ? size : bytes;
        std::memcpy(buffer, data, static_cast<size_t>(n));
        return n;
    };
    if (auto* b = dynamic_cast<Bitmap*>(object)) {
        DIBSECTION ds;
        ds.dsBm.bmType = 0;
        ds.dsBm.bmWidth = b->Width();
        ds.dsBm.bmHeight = b->Height();
        ds.dsBm.bmPlanes = 1;
        ds.dsBm.bmBitsPixel = static_cast<WORD>(b->isDib ? b->dibHeader.biBitCount : b->bitsPixel);
        ds.dsBm.bmWidthBytes = b->isDib ? b->DibStride() : ((b->Width() * ds.dsBm.bmBitsPixel + 15) / 16) * 2;
        ds.dsBm.bmBits = b->isDib ? b->dibBits : nullptr;
        if (b->isDib && size >= static_cast<int>(sizeof(DIBSECTION))) {
            ds.dsBmih = b->dibHeader;
            std::memcpy(ds.dsBitfields, b->dibLayout.masks, sizeof(ds.dsBitfields));
            return give(&ds, sizeof(DIBSECTION));
        }
        return give(&ds.dsBm, sizeof(BITMAP));
    }
    if (auto* b = dynamic_cast<Brush*>(object)) {
        LOGBRUSH lb;
        lb.lbStyle = b->style;
        lb.lbColor = b->color;
        return give(&lb, sizeof(LOGBRUSH));
    }
    if (auto* p = dynamic_cast<Pen*>(object)) {
        LOGPEN lp;
        lp.lopnStyle = static_cast<UINT>(p->style);
        lp.lopnWidth.x = p->width;
        lp.lopnColor = p->color;
        return give(&lp, sizeof(LOGPEN));
    }
    if (auto* f = dynamic_cast<Font*>(object))
        return give(&f->lf, sizeof(LOGFONT));
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
}

BOOL GdiFlush() {
    return TRUE;
}

} // namespace win
