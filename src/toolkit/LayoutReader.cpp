#include "toolkit/LayoutReader.h"

#include "toolkit/TColor.h"
#include "toolkit/layout/LayoutParser.h"

namespace tk {

using layout::LayoutError;
using layout::LayoutObject;
using layout::LayoutProperty;
using layout::LayoutValue;

namespace {

const char* LiteralName(LayoutValue::Kind kind) {
    switch (kind) {
    case LayoutValue::Kind::String: return "a string";
    case LayoutValue::Kind::Integer: return "an integer";
    case LayoutValue::Kind::Boolean: return "true/false";
    case LayoutValue::Kind::Identifier: return "an identifier";
    case LayoutValue::Kind::Set: return "a set";
    case LayoutValue::Kind::Binary: return "binary data";
    case LayoutValue::Kind::Handler: return "a handler";
    }
    return "a value";
}

class Reader {
public:
    Reader(TComponent& root, std::string_view file) : m_root(root), m_file(file) {}

    void Run(const LayoutObject& document) {
        if (!m_root.InheritsFrom(document.className))
            throw LayoutError{m_file, document.line,
                              "the layout describes a " + document.className + ", not a " +
                                  m_root.ClassName()};
        m_root.BeginLoading();
        Apply(m_root, document);
        for (TComponent* c : m_created)
            c->EndLoading();
        m_root.EndLoading();
    }

private:
    TComponent& m_root;
    std::string m_file;
    std::vector<TComponent*> m_created;

    void Apply(TComponent& target, const LayoutObject& object) {
        SetName(target, object);
        for (const LayoutProperty& property : object.properties)
            Assign(target, property);
        for (const LayoutObject& child : object.children)
            Apply(Create(target, child), child);
    }

    void SetName(TComponent& target, const LayoutObject& object) {
        try {
            target.SetName(object.name);
        } catch (const ComponentError& e) {
            throw LayoutError{m_file, object.line, e.what()};
        }
    }

    TComponent& Create(TComponent& enclosing, const LayoutObject& object) {
        const TClassInfo* info = FindClass(object.className);
        if (!info)
            throw LayoutError{m_file, object.line, "unknown class " + object.className};
        if (!info->create)
            throw LayoutError{m_file, object.line,
                              "class " + object.className + " cannot be created from a layout"};
        if (m_root.FindComponent(object.name))
            throw LayoutError{m_file, object.line, "a component named " + object.name + " already exists"};
        TComponent* component = info->create(&m_root);
        component->BeginLoading();
        m_created.push_back(component);
        try {
            component->SetParentComponent(&enclosing);
        } catch (const std::exception& e) {
            throw LayoutError{m_file, object.line, object.name + ": " + e.what()};
        }
        return *component;
    }

    void Assign(TComponent& target, const LayoutProperty& property) {
        try {
            TObject* holder = nullptr;
            const PropertyInfo& info = ResolveProperty(target, property.path, &holder);
            if (info.IsEvent()) {
                BindEvent(*holder, info, property);
                return;
            }
            if (!info.set)
                throw PropertyError{"property " + property.path + " is read-only"};
            info.set(*holder, LayoutReader::Convert(info, property.value));
        } catch (const PropertyError& e) {
            throw LayoutError{m_file, property.line, target.Name() + "." + property.path + ": " + e.message};
        } catch (const LayoutError&) {
            throw;
        } catch (const std::exception& e) {
            throw LayoutError{m_file, property.line, target.Name() + "." + property.path + ": " + e.what()};
        }
    }

    void BindEvent(TObject& holder, const PropertyInfo& info, const LayoutProperty& property) {
        if (property.value.kind != LayoutValue::Kind::Handler)
            throw PropertyError{"an event takes a handler (@Name)"};
        const std::any* method = m_root.FindMethod(property.value.text);
        if (!method)
            throw PropertyError{m_root.ClassName() + " has no handler " + property.value.text};
        if (!info.bind(holder, *method))
            throw PropertyError{"handler " + property.value.text + " does not fit event " + info.name};
    }
};

} // namespace

PropertyValue LayoutReader::Convert(const PropertyInfo& property, const LayoutValue& value) {
    auto mismatch = [&]() -> PropertyError {
        return PropertyError{"property " + property.name + " cannot take " + LiteralName(value.kind)};
    };
    switch (property.kind) {
    case PropertyKind::String:
        if (value.kind != LayoutValue::Kind::String)
            throw mismatch();
        return value.text;
    case PropertyKind::Integer:
        if (value.kind == LayoutValue::Kind::Identifier && property.integerFromName) {
            if (auto named = property.integerFromName(value.text))
                return *named;
            throw PropertyError{"unknown value " + value.text + " for " + property.name};
        }
        if (value.kind != LayoutValue::Kind::Integer)
            throw mismatch();
        return value.integer;
    case PropertyKind::Boolean:
        if (value.kind != LayoutValue::Kind::Boolean)
            throw mismatch();
        return value.boolean;
    case PropertyKind::Enum:
        if (value.kind != LayoutValue::Kind::Identifier)
            throw mismatch();
        return value.text;
    case PropertyKind::Set:
        if (value.kind != LayoutValue::Kind::Set)
            throw mismatch();
        return value.items;
    case PropertyKind::Colour:
        if (value.kind == LayoutValue::Kind::Integer)
            return value.integer;
        if (value.kind == LayoutValue::Kind::Identifier) {
            if (auto colour = ColourFromName(value.text))
                return static_cast<std::int64_t>(*colour);
            throw PropertyError{"unknown colour " + value.text};
        }
        throw mismatch();
    case PropertyKind::Binary:
        if (value.kind != LayoutValue::Kind::Binary)
            throw mismatch();
        return value.bytes;
    case PropertyKind::Object:
    case PropertyKind::Event: throw mismatch();
    }
    throw mismatch();
}

void LayoutReader::Read(TComponent& root, const LayoutObject& document, std::string_view fileName) {
    Reader(root, fileName).Run(document);
}

void LayoutReader::ReadText(TComponent& root, std::string_view text, std::string_view fileName) {
    Read(root, layout::LayoutParser::Parse(text, fileName), fileName);
}

} // namespace tk
