#include "toolkit/layout/LayoutWriter.h"

namespace tk::layout {

namespace {

constexpr int kHexBytesPerLine = 48;

void WriteString(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    out += '"';
}

void WriteValue(std::string& out, const LayoutValue& value, const std::string& indent) {
    static const char digits[] = "0123456789ABCDEF";
    switch (value.kind) {
    case LayoutValue::Kind::String: WriteString(out, value.text); break;
    case LayoutValue::Kind::Integer: out += std::to_string(value.integer); break;
    case LayoutValue::Kind::Boolean: out += value.boolean ? "true" : "false"; break;
    case LayoutValue::Kind::Identifier: out += value.text; break;
    case LayoutValue::Kind::Handler: out += '@' + value.text; break;
    case LayoutValue::Kind::Set:
        out += '[';
        for (std::size_t i = 0; i < value.items.size(); ++i)
            out += (i ? ", " : "") + value.items[i];
        out += ']';
        break;
    case LayoutValue::Kind::Binary:
        out += '{';
        for (std::size_t i = 0; i < value.bytes.size(); ++i) {
            if (i % kHexBytesPerLine == 0)
                out += '\n' + indent + "  ";
            out += digits[value.bytes[i] >> 4];
            out += digits[value.bytes[i] & 15];
        }
        out += '\n' + indent + '}';
        break;
    }
}

void WriteObject(std::string& out, const LayoutObject& object, const std::string& indent) {
    out += indent + "object " + object.name + ": " + object.className + '\n';
    std::string inner = indent + "  ";
    for (const LayoutProperty& property : object.properties) {
        out += inner + property.path + " = ";
        WriteValue(out, property.value, inner);
        out += '\n';
    }
    for (const LayoutObject& child : object.children)
        WriteObject(out, child, inner);
    out += indent + "end\n";
}

} // namespace

std::string LayoutWriter::Write(const LayoutObject& root) {
    std::string out;
    WriteObject(out, root, "");
    return out;
}

} // namespace tk::layout
