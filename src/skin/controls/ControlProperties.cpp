#include "skin/controls/ControlProperties.h"

namespace skin::props {

namespace {

tk::PropertyValue Read(const tk::TObject& object, std::string_view name) {
    const tk::PropertyInfo* info = object.ClassInfo().FindProperty(name);
    if (!info || !info->get || info->IsEvent())
        return {};
    try {
        return info->get(object);
    } catch (const tk::PropertyError&) {
        return {};
    }
}

} // namespace

bool Has(const tk::TObject& object, std::string_view name) {
    return object.ClassInfo().FindProperty(name) != nullptr;
}

std::optional<bool> Boolean(const tk::TObject& object, std::string_view name) {
    const tk::PropertyValue value = Read(object, name);
    if (const bool* b = std::get_if<bool>(&value))
        return *b;
    return std::nullopt;
}

std::optional<std::int64_t> Integer(const tk::TObject& object, std::string_view name) {
    const tk::PropertyValue value = Read(object, name);
    if (const std::int64_t* i = std::get_if<std::int64_t>(&value))
        return *i;
    return std::nullopt;
}

std::optional<std::string> Text(const tk::TObject& object, std::string_view name) {
    tk::PropertyValue value = Read(object, name);
    if (std::string* s = std::get_if<std::string>(&value))
        return std::move(*s);
    return std::nullopt;
}

tk::TObject* Object(const tk::TObject& object, std::string_view name) {
    const tk::PropertyValue value = Read(object, name);
    if (tk::TObject* const* o = std::get_if<tk::TObject*>(&value))
        return *o;
    return nullptr;
}

bool SetBoolean(tk::TObject& object, std::string_view name, bool value) {
    const tk::PropertyInfo* info = object.ClassInfo().FindProperty(name);
    if (!info || !info->set || info->kind != tk::PropertyKind::Boolean)
        return false;
    try {
        info->set(object, value);
        return true;
    } catch (const tk::PropertyError&) {
        return false;
    }
}

} // namespace skin::props
