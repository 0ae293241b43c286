// One input is a layout text: it either parses or fails with LayoutError, and whatever parses must be
// written back to a text that parses to the same text again.
#include "toolkit/layout/LayoutParser.h"
#include "toolkit/layout/LayoutWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    tk::layout::LayoutObject root;
    try {
        root = tk::layout::LayoutParser::Parse(text, "fuzz.layout");
    } catch (const tk::layout::LayoutError&) {
        return 0;
    }
    const std::string written = tk::layout::LayoutWriter::Write(root);
    try {
        if (tk::layout::LayoutWriter::Write(tk::layout::LayoutParser::Parse(written, "again.layout")) !=
            written)
            std::abort();
    } catch (const tk::layout::LayoutError&) {
        std::abort();
    }
    return 0;
}
