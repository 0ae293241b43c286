#include "SkinPackTool.h"

#include "skin/package/SkinFormat.h"
#include "skin/package/TLZH.h"
#include "skin/package/TLZHEncoder.h"
#include "skin/package/TQuickIni.h"
#include "skin/package/TSkinWriter.h"

#include "ReferenceSkin.h"
#include "TestSkin.h"

#include "platform/os/AtomicFile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iomanip>
#include <ostream>
#include <set>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;
using skin::TSkinReader;

namespace {

constexpr const char* UsageText =
    "usage: skinpack compress IN OUT        LZHUF-compress a file into the container form\n"
    "       skinpack expand IN OUT          expand a container\n"
    "       skinpack pack [--format N] DIR OUT\n"
    "                                       pack the files of DIR into a skin package (format 70000)\n"
    "       skinpack unpack IN DIR          write every entry of a package into DIR\n"
    "       skinpack list IN                show a package's format, entry names and sizes\n"
    "       skinpack ini IN SECTION KEY     read one value of the package's description text\n"
    "       skinpack draw-reference DIR     draw the reference skin's images and description text into DIR\n"
    "       skinpack draw-test-skin DIR     draw the test skin (olive, other caption and frame choices) into "
    "DIR\n"
    "       skinpack --help                 this text and how to make a skin\n";

constexpr const char* MakingSkinsText =
    "\n"
    "Making a skin:\n"
    "  1. skinpack draw-reference myskin      (or draw-test-skin) draws a starting skin into the folder "
    "myskin:\n"
    "     BMP images and the description text Skin.ini, which names every image and says how it is sliced.\n"
    "  2. Edit the BMPs (magenta 255,0,255 is see-through) and Skin.ini; an image keeps its frames, side by\n"
    "     side or one above the other, as the image it replaces has them. Image names end in lower-case "
    ".bmp.\n"
    "  3. skinpack pack myskin my.skin        packs the folder; skinpack list my.skin shows what it holds.\n"
    "  4. Try it: taxitrainer --skin my.skin shows the program in it; or, for pictures, a uirun script:\n"
    "       start --skin \"/path/to/my.skin\"\n"
    "       screenshot my-skin.png\n";

bool IsDescriptionName(const std::string& name) {
    return TSkinReader::LowerCase(name).find(".ini") != std::string::npos;
}

// An entry name becomes a file name in the target folder: nothing that could leave it or be unprintable.
std::string UnsafeNameReason(const std::string& name) {
    if (name.empty())
        return "it is empty";
    if (name == "." || name == "..")
        return "it names a folder";
    for (unsigned char c : name) {
        if (c == '/' || c == '\\')
            return "it holds a folder separator";
        if (c < 0x20 || c == 0x7F)
            return "it holds a control character";
    }
    return {};
}

// The length of the UTF-8 sequence at the start of `text` when it is a printable character, else 0.
std::size_t PrintableUtf8(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    const bool c1Control = code >= 0x80 && code <= 0x9F;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return overlong || c1Control || surrogate || code > 0x10FFFF ? 0 : length;
}

} // namespace

// Names, paths and description text come from outside: a control byte must not reach the terminal.
std::string SkinPackTool::Printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            out += static_cast<char>(c);
            ++i;
            continue;
        }
        if (const std::size_t length = c >= 0x80 ? PrintableUtf8(text.substr(i)) : 0) {
            out.append(text.substr(i, length));
            i += length;
            continue;
        }
        static constexpr char kHex[] = "0123456789abcdef";
        out += "\\x";
        out += kHex[c >> 4];
        out += kHex[c & 0xF];
        ++i;
    }
    return out;
}

int SkinPackTool::Fail(const std::string& message) {
    *m_err << "skinpack: " << Printable(message) << '\n';
    return 1;
}

int SkinPackTool::Usage() {
    *m_err << UsageText;
    return 2;
}

bool SkinPackTool::ReadFile(const fs::path& path, std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) {
        Fail(path.string() + ": not a readable file");
        return false;
    }
    const std::uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        Fail(path.string() + ": " + ec.message());
        return false;
    }
    if (size > MaxInputSize) {
        Fail(path.string() + ": " + std::to_string(size) + " bytes is more than the limit of " +
             std::to_string(MaxInputSize));
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    bytes.resize(static_cast<std::size_t>(size));
    if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        Fail(path.string() + ": cannot be read");
        return false;
    }
    return true;
}

bool SkinPackTool::WriteFile(const fs::path& path, const std::vector<std::uint8_t>& bytes) {
    std::string error;
    if (!win::WriteFileAtomically(path, bytes, error)) {
        Fail(path.string() + ": " + error);
        return false;
    }
    return true;
}

// The program reads a short or damaged container as best it can; whoever makes a skin has to hear of it.
bool SkinPackTool::CheckExpansion(const std::string& in, const skin::TLZHReport& report) {
    if (report.SizeMissing) {
        Fail(in + ": " + "the container is shorter than the four bytes of its expanded size");
        return false;
    }
    if (report.DeclaredSize < 0) {
        Fail(in + ": LZH container: expanded size " + std::to_string(report.DeclaredSize) + " is negative");
        return false;
    }
    if (report.Overran()) {
        Fail(in + ": the compressed stream is " + std::to_string(report.BytesMissing()) +
             " bytes short: it ran out at output offset " + std::to_string(report.OverrunOffset) + " of " +
             std::to_string(report.DeclaredSize));
        return false;
    }
    return true;
}

bool SkinPackTool::ReadPackage(const std::string& in, TSkinReader& reader) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(in, bytes))
        return false;
    const bool read = reader.ReadPackage(bytes);
    if (!CheckExpansion(in, reader.Expansion()))
        return false;
    if (!read) {
        std::string text = reader.FailureText();
        std::replace(text.begin(), text.end(), '\r', ' ');
        Fail(in + ": " + text);
        return false;
    }
    return true;
}

int SkinPackTool::Compress(const std::string& in, const std::string& outPath) {
    std::vector<std::uint8_t> bytes;
    if (!ReadFile(in, bytes))
        return 1;
    const std::vector<std::uint8_t> packed = skin::TLZHEncoder::CompressContainer(bytes);
    if (!WriteFile(outPath, packed))
        return 1;
    *m_out << bytes.size() << " -> " << packed.size() << " bytes\n";
    return 0;
}

int SkinPackTool::Expand(const std::string& in, const std::string& outPath) {
    std::vector<std::uint8_t> bytes, expanded;
    if (!ReadFile(in, bytes))
        return 1;
    std::string error;
    skin::TLZHReport report;
    if (!skin::TLZH::ExpandContainer(bytes, TSkinReader::DefaultMaxExpandedSize, expanded, error, &report))
        return Fail(in + ": " + error);
    if (!CheckExpansion(in, report))
        return 1;
    if (!WriteFile(outPath, expanded))
        return 1;
    *m_out << bytes.size() << " -> " << expanded.size() << " bytes\n";
    return 0;
}

int SkinPackTool::Pack(const std::string& dir, const std::string& outPath, std::int32_t format) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec))
        return Fail(dir + ": not a folder");
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
        if (entry.is_regular_file(ec))
            names.push_back(entry.path().filename().string());
        else
            *m_err << "skinpack: " << Printable(entry.path().string()) << ": not a regular file, left out\n";
    }
    if (ec)
        return Fail(dir + ": " + ec.message());
    // The description text goes last, as in the program's own skin; otherwise by name.
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        const bool ia = IsDescriptionName(a), ib = IsDescriptionName(b);
        return ia != ib ? ib : a < b;
    });
    try {
        skin::TSkinWriter writer(format);
        for (const std::string& name : names) {
            std::vector<std::uint8_t> bytes;
            if (!ReadFile(fs::path(dir) / name, bytes))
                return 1;
            writer.AddEntry(name, bytes);
        }
        const std::vector<std::uint8_t> packed = writer.BuildPackage();
        if (!WriteFile(outPath, packed))
            return 1;
        *m_out << names.size() << " entries, format " << format << ", " << packed.size() << " bytes\n";
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
    return 0;
}

int SkinPackTool::Unpack(const std::string& in, const std::string& dir) {
    TSkinReader reader;
    if (!ReadPackage(in, reader))
        return 1;
    // Check every name before writing anything, so a bad package leaves no half-unpacked folder.
    std::set<std::string> seen;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        const std::string& name = reader.EntryName(i);
        const std::string reason = UnsafeNameReason(name);
        if (!reason.empty())
            return Fail(in + ": entry " + std::to_string(i) + " \"" + name +
                        "\" cannot be a file name: " + reason);
        if (!seen.insert(name).second)
            return Fail(in + ": entry " + std::to_string(i) + " \"" + name + "\" repeats an earlier name");
    }
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir, ec))
        return Fail(dir + ": cannot create the folder");
    std::vector<std::uint8_t> bytes;
    for (int i = 0; i < reader.EntryCount(); ++i) {
        reader.ExtractIndex(i, bytes);
        if (!WriteFile(fs::path(dir) / reader.EntryName(i), bytes))
            return 1;
    }
    *m_out << reader.EntryCount() << " entries written to " << Printable(dir) << '\n';
    return 0;
}

int SkinPackTool::List(const std::string& in) {
    TSkinReader reader;
    if (!ReadPackage(in, reader))
        return 1;
    std::int64_t total = 0;
    *m_out << "format " << reader.Header().Format << ", " << reader.EntryCount() << " entries\n";
    for (int i = 0; i < reader.EntryCount(); ++i) {
        *m_out << std::setw(10) << reader.EntrySize(i) << "  " << Printable(reader.EntryName(i)) << '\n';
        total += reader.EntrySize(i);
    }
    *m_out << std::setw(10) << total << "  bytes in all\n";
    return 0;
}

int SkinPackTool::Ini(const std::string& in, const std::string& section, const std::string& key) {
    TSkinReader reader;
    if (!ReadPackage(in, reader))
        return 1;
    std::vector<std::uint8_t> text;
    std::string name;
    reader.ExtractFirstMatching(".ini", text, name);
    if (name.empty())
        return Fail(in + ": the package has no description text (no entry name contains \".ini\")");
    skin::TQuickIni ini;
    ini.LoadFromStream(&text);
    const std::string value = ini.ReadString(section, key, "");
    if (value.empty())
        return Fail(name + ": no value for [" + section + "] " + key);
    *m_out << Printable(value) << '\n';
    return 0;
}

int SkinPackTool::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    m_out = &out;
    m_err = &err;
    std::vector<std::string> rest;
    std::int32_t format = skin::DefaultSkinFormat;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] != "--format") {
            rest.push_back(args[i]);
            continue;
        }
        if (i + 1 >= args.size())
            return Usage();
        const std::string& text = args[++i];
        std::size_t used = 0;
        try {
            const long value = std::stol(text, &used);
            format = static_cast<std::int32_t>(value);
            if (used != text.size() || value != format)
                throw std::invalid_argument(text);
        } catch (const std::exception&) {
            return Fail("--format " + text + ": not a number");
        }
        if (skin::FindSkinFormat(format) == nullptr)
            return Fail("--format " + text + ": not one of 20000, 30000, 40000, 50000, 60000, 70000");
    }
    if (rest.size() == 1 && (rest[0] == "--help" || rest[0] == "help")) {
        *m_out << UsageText << MakingSkinsText;
        return 0;
    }
    if (rest.empty())
        return Usage();
    const std::string& command = rest[0];
    const std::size_t n = rest.size() - 1;
    if (format != skin::DefaultSkinFormat && command != "pack")
        return Usage();
    if (command == "compress" && n == 2)
        return Compress(rest[1], rest[2]);
    if (command == "expand" && n == 2)
        return Expand(rest[1], rest[2]);
    if (command == "pack" && n == 2)
        return Pack(rest[1], rest[2], format);
    if (command == "unpack" && n == 2)
        return Unpack(rest[1], rest[2]);
    if (command == "list" && n == 1)
        return List(rest[1]);
    if (command == "ini" && n == 3)
        return Ini(rest[1], rest[2], rest[3]);
    if (command == "draw-reference" && n == 1) {
        std::string error;
        return refskin::DrawReferenceSkin(rest[1], error) ? 0 : Fail(error);
    }
    if (command == "draw-test-skin" && n == 1) {
        std::string error;
        return testskin::DrawTestSkin(rest[1], error) ? 0 : Fail(error);
    }
    return Usage();
}
