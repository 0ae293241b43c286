// The parsed form of a layout file: an object tree with each object's class, name, property assignments and
// children, every item carrying the line it came from so that later errors can point at it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tk::layout {

struct LayoutValue {
    enum class Kind { String, Integer, Boolean, Identifier, Set, Binary, Handler };
    Kind kind = Kind::Integer;
    std::string text;                // String, Identifier, Handler
    std::int64_t integer = 0;        // Integer
    bool boolean = false;            // Boolean
    std::vector<std::string> items;  // Set members
    std::vector<std::uint8_t> bytes; // Binary
};

struct LayoutProperty {
    std::string path; // "Caption", "Font.Color"
    LayoutValue value;
    int line = 0;
};

struct LayoutObject {
    std::string name;
    std::string className;
    int line = 0;
    std::vector<LayoutProperty> properties;
    std::vector<LayoutObject> children;
};

// A fault in a layout file or in applying it, with the place it was found.
struct LayoutError {
    std::string file;
    int line = 0;
    std::string message;

    std::string What() const { return file + ":" + std::to_string(line) + ": " + message; }
};

} // namespace tk::layout
