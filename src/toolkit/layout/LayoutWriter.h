// Writes a LayoutObject tree back as layout text that LayoutParser reads to the same tree. Used by the build
// steps that generate layouts (a skin package stored as binary data, for one).
#pragma once

#include "toolkit/layout/LayoutDocument.h"

#include <string>

namespace tk::layout {

class LayoutWriter {
public:
    static std::string Write(const LayoutObject& root);
};

} // namespace tk::layout
