// Builders for PropertyInfo entries from member functions, so a class lists its published properties as a
// short table:  props.push_back(StringProperty<TControl>("Caption", &TControl::Caption,
// &TControl::SetCaption));
#pragma once

#include "toolkit/TObject.h"

#include <type_traits>

namespace tk {

namespace detail {
[[noreturn]] void WrongType(const std::string& property, const char* expected);

template <class V>
const V& Expect(const PropertyValue& value, const std::string& property, const char* expected) {
    if (const V* v = std::get_if<V>(&value))
        return *v;
    WrongType(property, expected);
}
} // namespace detail

template <class T, class G, class S = std::nullptr_t>
PropertyInfo StringProperty(const char* name, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::String;
    p.get = [getter](const TObject& o) {
        return PropertyValue(std::string((static_cast<const T&>(o).*getter)()));
    };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, n = p.name](TObject& o, const PropertyValue& v) {
            (static_cast<T&>(o).*setter)(detail::Expect<std::string>(v, n, "text"));
        };
    return p;
}

template <class T, class G, class S = std::nullptr_t>
PropertyInfo IntegerProperty(const char* name, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Integer;
    p.get = [getter](const TObject& o) {
        return PropertyValue(static_cast<std::int64_t>((static_cast<const T&>(o).*getter)()));
    };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, n = p.name](TObject& o, const PropertyValue& v) {
            std::int64_t value = detail::Expect<std::int64_t>(v, n, "an integer");
            if (value < INT32_MIN || value > INT32_MAX)
                throw PropertyError{"value out of range for " + n};
            (static_cast<T&>(o).*setter)(static_cast<int>(value));
        };
    return p;
}

template <class T, class G, class S = std::nullptr_t>
PropertyInfo BooleanProperty(const char* name, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Boolean;
    p.get = [getter](const TObject& o) { return PropertyValue(bool((static_cast<const T&>(o).*getter)())); };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, n = p.name](TObject& o, const PropertyValue& v) {
            (static_cast<T&>(o).*setter)(detail::Expect<bool>(v, n, "true or false"));
        };
    return p;
}

// Colours are the toolkit's TColor values: 0x00BBGGRR, or 0x800000nn for system colour nn.
template <class T, class G, class S = std::nullptr_t>
PropertyInfo ColourProperty(const char* name, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Colour;
    p.get = [getter](const TObject& o) {
        return PropertyValue(
            static_cast<std::int64_t>(static_cast<std::uint32_t>((static_cast<const T&>(o).*getter)())));
    };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, n = p.name](TObject& o, const PropertyValue& v) {
            std::int64_t value = detail::Expect<std::int64_t>(v, n, "a colour");
            if (value < INT32_MIN || value > UINT32_MAX)
                throw PropertyError{"colour out of range for " + n};
            (static_cast<T&>(o).*setter)(static_cast<std::uint32_t>(value));
        };
    return p;
}

// An enumeration whose C++ values are the ordinals of `info.names`.
template <class T, class G, class S = std::nullptr_t>
PropertyInfo EnumProperty(const char* name, const EnumInfo& info, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Enum;
    p.enumInfo = &info;
    p.get = [getter, &info](const TObject& o) {
        auto ordinal = static_cast<std::size_t>((static_cast<const T&>(o).*getter)());
        return PropertyValue(ordinal < info.names.size() ? info.names[ordinal] : std::to_string(ordinal));
    };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, &info, n = p.name](TObject& o, const PropertyValue& v) {
            const std::string& member = detail::Expect<std::string>(v, n, "an enumeration member");
            int ordinal = info.Ordinal(member);
            if (ordinal < 0)
                throw PropertyError{"\"" + member + "\" is not a member of " + info.typeName + " for " + n};
            using E = std::decay_t<decltype((std::declval<const T&>().*getter)())>;
            (static_cast<T&>(o).*setter)(static_cast<E>(ordinal));
        };
    return p;
}

// A set stored as a bit mask: bit i is member info.names[i].
template <class T, class G, class S = std::nullptr_t>
PropertyInfo SetProperty(const char* name, const EnumInfo& info, G getter, S setter = nullptr) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Set;
    p.enumInfo = &info;
    p.get = [getter, &info](const TObject& o) {
        auto mask = static_cast<std::uint64_t>((static_cast<const T&>(o).*getter)());
        StringSet members;
        for (std::size_t i = 0; i < info.names.size() && i < 64; ++i)
            if (mask & (std::uint64_t(1) << i))
                members.push_back(info.names[i]);
        return PropertyValue(members);
    };
    if constexpr (!std::is_null_pointer_v<S>)
        p.set = [setter, &info, n = p.name](TObject& o, const PropertyValue& v) {
            std::uint64_t mask = 0;
            for (const std::string& member : detail::Expect<StringSet>(v, n, "a set")) {
                int ordinal = info.Ordinal(member);
                if (ordinal < 0)
                    throw PropertyError{"\"" + member + "\" is not a member of " + info.typeName + " for " +
                                        n};
                mask |= std::uint64_t(1) << ordinal;
            }
            using M = std::decay_t<decltype((std::declval<const T&>().*getter)())>;
            (static_cast<T&>(o).*setter)(static_cast<M>(mask));
        };
    return p;
}

// A sub-object whose own properties are reached by path ("Font.Color").
template <class T, class G> PropertyInfo ObjectProperty(const char* name, G getter) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Object;
    p.get = [getter](const TObject& o) {
        TObject* sub = (const_cast<T&>(static_cast<const T&>(o)).*getter)();
        return PropertyValue(sub);
    };
    return p;
}

template <class T, class G, class S> PropertyInfo BinaryProperty(const char* name, G getter, S setter) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Binary;
    p.get = [getter](const TObject& o) { return PropertyValue(Bytes((static_cast<const T&>(o).*getter)())); };
    p.set = [setter, n = p.name](TObject& o, const PropertyValue& v) {
        (static_cast<T&>(o).*setter)(detail::Expect<Bytes>(v, n, "binary data"));
    };
    return p;
}

// An event field of type F (a std::function); binding accepts only a method of exactly that signature.
template <class T, class F> PropertyInfo EventProperty(const char* name, F T::*field) {
    PropertyInfo p;
    p.name = name;
    p.kind = PropertyKind::Event;
    p.get = [](const TObject&) { return PropertyValue(); };
    p.bind = [field](TObject& o, const std::any& method) {
        const F* f = std::any_cast<F>(&method);
        if (!f)
            return false;
        static_cast<T&>(o).*field = *f;
        return true;
    };
    return p;
}

} // namespace tk
