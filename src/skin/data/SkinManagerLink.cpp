#include "skin/data/SkinManagerLink.h"

namespace skin {

namespace {

struct Installed {
    SkinManagerLink* (*get)() = nullptr;
    SkinManagerLink* (*existing)() = nullptr;
};

Installed& Slot() {
    static Installed installed;
    return installed;
}

} // namespace

SkinManagerLink* SkinManagerLink::Get() {
    return Slot().get ? Slot().get() : nullptr;
}

SkinManagerLink* SkinManagerLink::Existing() {
    return Slot().existing ? Slot().existing() : nullptr;
}

void SkinManagerLink::Install(SkinManagerLink* (*get)(), SkinManagerLink* (*existing)()) {
    Slot() = Installed{get, existing};
}

} // namespace skin
