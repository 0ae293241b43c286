// Streams a layout into a component: the root object's properties go to the component itself, every nested
// object becomes a new component of its class, owned by the root and placed inside its enclosing object, with
// its properties set and its events bound to the root's methods by name. Loaded runs for each streamed
// component, then for the root, once everything is in place.
#pragma once

#include "toolkit/TComponent.h"
#include "toolkit/layout/LayoutDocument.h"

#include <string_view>

namespace tk {

class LayoutReader {
public:
    // Throws layout::LayoutError naming the file, the line and the property or class at fault. Components
    // created before a fault stay owned by the root, which frees them.
    static void Read(TComponent& root, const layout::LayoutObject& document, std::string_view fileName);
    static void ReadText(TComponent& root, std::string_view text, std::string_view fileName);

    // The value a layout literal gives a property of `kind` (Colour accepts names such as clBtnFace); throws
    // PropertyError when the literal does not fit the kind.
    static PropertyValue Convert(const PropertyInfo& property, const layout::LayoutValue& value);
};

} // namespace tk
