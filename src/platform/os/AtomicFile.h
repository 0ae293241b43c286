// Replacing a file in one step, for the tools that write into folders someone else may also write to.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

namespace win {

// Writes `bytes` to a new file of unpredictable name beside `path` (created exclusively, never through a
// symlink), flushes it to disk and renames it over `path`. A symlink planted at `path` is replaced, not
// followed. On failure nothing is left behind, `path` is as it was, and `error` says why.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                         std::string& error);
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes, std::string& error);

} // namespace win
