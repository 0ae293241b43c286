// Finding a window's controls after its layout has streamed in: a missing or mistyped control is a fault of
// the layout, reported by name.
#pragma once

#include "toolkit/TWinControl.h"

#include <string>

namespace tk {

template <class T> T* FindPart(TComponent& form, const std::string& name) {
    T* part = dynamic_cast<T*>(form.FindComponent(name));
    if (!part)
        throw ComponentError(form.Name() + ": the layout has no " + T::StaticClassInfo().name + " named " +
                             name);
    return part;
}

} // namespace tk
