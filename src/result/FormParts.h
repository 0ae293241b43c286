// Finding a window's controls after its layout has streamed in: a missing or mistyped control is a fault of
// the layout, reported by name.
#pragma once

#include "toolkit/TWinControl.h"

#include <vector>

#include <string>

template <class T> T* FindPart(tk::TComponent& form, const std::string& name) {
    T* part = dynamic_cast<T*>(form.FindComponent(name));
    if (!part)
        throw tk::ComponentError(form.Name() + ": the layout has no " + T::StaticClassInfo().name +
                                 " named " + name);
    return part;
}

// Puts the child windows in the layout's order, later ones above earlier ones where they overlap (the
// frames lie beneath the buttons and panels placed on them).
inline void RestackInLayoutOrder(tk::TWinControl& parent) {
    std::vector<tk::TControl*> children;
    for (int i = 0; i < parent.ControlCount(); ++i)
        children.push_back(parent.Controls(i));
    for (tk::TControl* child : children) {
        child->BringToFront();
        if (auto* windowed = dynamic_cast<tk::TWinControl*>(child))
            RestackInLayoutOrder(*windowed);
    }
}
