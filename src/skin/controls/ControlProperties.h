// Reading and writing a control's published properties by name, as the skinners do for the properties that
// only some controls have ("Default", "State", "Down", "ParentBackground", "DataField"...). A property the
// control lacks, or of another kind, gives nothing rather than an error.
#pragma once

#include "toolkit/TObject.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skin::props {

bool Has(const tk::TObject& object, std::string_view name);
std::optional<bool> Boolean(const tk::TObject& object, std::string_view name);
std::optional<std::int64_t> Integer(const tk::TObject& object, std::string_view name);
// Strings, and enumerations by member name.
std::optional<std::string> Text(const tk::TObject& object, std::string_view name);
tk::TObject* Object(const tk::TObject& object, std::string_view name);
// False when the property is missing or read-only.
bool SetBoolean(tk::TObject& object, std::string_view name, bool value);

} // namespace skin::props
