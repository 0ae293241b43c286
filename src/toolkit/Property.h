// Published properties: what the layout reader and the skin engine read and write by name.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tk {

class TObject;

enum class PropertyKind { String, Integer, Boolean, Enum, Set, Colour, Object, Binary, Event };

// Enumeration members by name, in ordinal order (also the members of a set type).
struct EnumInfo {
    std::string typeName;
    std::vector<std::string> names;

    int Ordinal(std::string_view name) const; // -1 when not a member (case-insensitive)
};

using Bytes = std::vector<std::uint8_t>;
using StringSet = std::vector<std::string>;

// String, Enum → std::string; Integer, Colour → int64; Boolean → bool; Set → StringSet; Binary → Bytes;
// Object → TObject*.
using PropertyValue =
    std::variant<std::monostate, std::string, std::int64_t, bool, StringSet, Bytes, TObject*>;

struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::Integer;
    const EnumInfo* enumInfo = nullptr;
    std::function<PropertyValue(const TObject&)> get;
    std::function<void(TObject&, const PropertyValue&)> set; // empty: read-only
    // Events: binds a method (a std::function of the event's own signature, held in std::any); false when the
    // method has another signature.
    std::function<bool(TObject&, const std::any&)> bind;
    // Integers that layouts may also write by name ("crHandPoint" for a cursor); empty for plain integers.
    std::function<std::optional<std::int64_t>(std::string_view)> integerFromName;
    bool IsEvent() const { return kind == PropertyKind::Event; }
};

// The error the property layer throws: unknown names, read-only properties, values of the wrong type.
struct PropertyError {
    std::string message;
};

// Reads or writes a property by path ("Caption", "Font.Color"); names are case-insensitive.
PropertyValue GetPropertyValue(const TObject& object, std::string_view path);
void SetPropertyValue(TObject& object, std::string_view path, const PropertyValue& value);
// The property a path ends at, and the object that holds it; throws PropertyError for an unknown name.
const PropertyInfo& ResolveProperty(TObject& object, std::string_view path, TObject** holder);

bool SameText(std::string_view a, std::string_view b);

} // namespace tk
