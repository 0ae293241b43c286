#include "toolkit/PropertyBuilders.h"

#include "platform/os/Bytes.h"

namespace tk {

bool SameText(std::string_view a, std::string_view b) {
    return win::EqualIgnoringAsciiCase(a, b);
}

int EnumInfo::Ordinal(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], name))
            return static_cast<int>(i);
    return -1;
}

namespace detail {
void WrongType(const std::string& property, const char* expected) {
    throw PropertyError{"property " + property + " expects " + expected};
}
} // namespace detail

const PropertyInfo& ResolveProperty(TObject& object, std::string_view path, TObject** holder) {
    TObject* current = &object;
    for (;;) {
        std::size_t dot = path.find('.');
        std::string_view name = path.substr(0, dot);
        const PropertyInfo* info = current->ClassInfo().FindProperty(name);
        if (!info)
            throw PropertyError{current->ClassName() + " has no property \"" + std::string(name) + "\""};
        if (dot == std::string_view::npos) {
            *holder = current;
            return *info;
        }
        if (info->kind != PropertyKind::Object)
            throw PropertyError{"property \"" + std::string(name) + "\" of " + current->ClassName() +
                                " has no sub-properties"};
        TObject* sub = std::get<TObject*>(info->get(*current));
        if (!sub)
            throw PropertyError{"property \"" + std::string(name) + "\" of " + current->ClassName() +
                                " is empty"};
        current = sub;
        path.remove_prefix(dot + 1);
    }
}

PropertyValue GetPropertyValue(const TObject& object, std::string_view path) {
    TObject* holder = nullptr;
    const PropertyInfo& info = ResolveProperty(const_cast<TObject&>(object), path, &holder);
    return info.get(*holder);
}

void SetPropertyValue(TObject& object, std::string_view path, const PropertyValue& value) {
    TObject* holder = nullptr;
    const PropertyInfo& info = ResolveProperty(object, path, &holder);
    if (!info.set)
        throw PropertyError{"property \"" + info.name + "\" of " + holder->ClassName() + " is read-only"};
    info.set(*holder, value);
}

} // namespace tk
