// The skinpack commands, callable in-process so that tests can drive them.
#pragma once

#include "skin/package/TSkinReader.h"

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

class SkinPackTool {
public:
    // Exit status: 0 done, 1 failed (the reason on `err`), 2 bad command line.
    int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

    static constexpr std::uintmax_t MaxInputSize = 64 * 1024 * 1024;

    // `text` with control characters, backslashes and bytes that are not printable UTF-8 shown as \xNN.
    static std::string Printable(std::string_view text);

private:
    int Compress(const std::string& in, const std::string& outPath);
    int Expand(const std::string& in, const std::string& outPath);
    int Pack(const std::string& dir, const std::string& outPath, std::int32_t format);
    int Unpack(const std::string& in, const std::string& dir);
    int List(const std::string& in);
    int Ini(const std::string& in, const std::string& section, const std::string& key);

    bool ReadPackage(const std::string& in, skin::TSkinReader& reader);
    int Usage();

    // Reads a whole file, refusing one above MaxInputSize.
    bool ReadFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);
    // Writes beside the target and renames, so a failure never leaves a partial file under the name.
    bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
    // Refuses a container whose size is missing or negative, or whose bits ran out before the end.
    bool CheckExpansion(const std::string& in, const skin::TLZHReport& report);
    int Fail(const std::string& message);

    std::ostream* m_out = nullptr;
    std::ostream* m_err = nullptr;
};
