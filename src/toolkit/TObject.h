// The root of the toolkit's classes: class identity by name, so that callers (the skin engine, the layout
// reader) can ask "is this a TCustomPanel?" without knowing the C++ types, and the published properties of
// each class.
#pragma once

#include "toolkit/Property.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

class TComponent;

struct TClassInfo {
    std::string name;
    const TClassInfo* parent = nullptr;
    std::vector<PropertyInfo> properties; // this class's own; parents' are found through `parent`
    // Creates an instance owned by `owner` (for the layout reader); empty for classes that cannot be
    // streamed.
    std::function<TComponent*(TComponent* owner)> create;

    bool InheritsFrom(std::string_view className) const;
    const PropertyInfo* FindProperty(std::string_view propertyName) const;
};

class TObject {
public:
    virtual ~TObject() = default;

    static const TClassInfo& StaticClassInfo();
    virtual const TClassInfo& ClassInfo() const { return StaticClassInfo(); }

    const std::string& ClassName() const { return ClassInfo().name; }
    bool InheritsFrom(std::string_view className) const { return ClassInfo().InheritsFrom(className); }
};

// The registry of streamable classes, by name (case-insensitive).
void RegisterClass(const TClassInfo& info);
const TClassInfo* FindClass(std::string_view name);

// Builds the class info of `Self` once: name, parent, properties, and a factory when Self is constructible
// from an owner. Use through TK_CLASS.
template <class Self, class Parent>
TClassInfo MakeClassInfo(const char* name, void (*define)(std::vector<PropertyInfo>&)) {
    TClassInfo info;
    info.name = name;
    info.parent = &Parent::StaticClassInfo();
    if (define)
        define(info.properties);
    if constexpr (std::is_constructible_v<Self, TComponent*> && !std::is_abstract_v<Self>)
        info.create = [](TComponent* owner) -> TComponent* { return new Self(owner); };
    return info;
}

} // namespace tk

// Declares class identity inside a class body. DefineProperties (optional, static) lists published
// properties.
#define TK_CLASS(Self, Parent)                                                                               \
public:                                                                                                      \
    static const ::tk::TClassInfo& StaticClassInfo();                                                        \
    const ::tk::TClassInfo& ClassInfo() const override {                                                     \
        return StaticClassInfo();                                                                            \
    }                                                                                                        \
                                                                                                             \
private:

// Defines class identity in a .cpp; `define` is a function filling the property list, or nullptr.
#define TK_IMPLEMENT_CLASS(Self, Parent, define)                                                             \
    const ::tk::TClassInfo& Self::StaticClassInfo() {                                                        \
        static const ::tk::TClassInfo info = ::tk::MakeClassInfo<Self, Parent>(#Self, define);               \
        return info;                                                                                         \
    }                                                                                                        \
    namespace {                                                                                              \
    const bool registered_##Self = (::tk::RegisterClass(Self::StaticClassInfo()), true);                     \
    }
