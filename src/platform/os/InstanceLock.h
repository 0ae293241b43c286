// The parts of the single-instance lock that read the outside world (display variables, folders), apart so
// that they can be given hostile values directly.
#pragma once

#include <string>
#include <sys/types.h>

namespace win::os {

// The desktop session that the display variables name, as a key: every spelling of one display on this
// host (":93", ":93.0", ":93.1", "unix/:93") gives one key, a display on another host another key.
// WAYLAND_DISPLAY wins over DISPLAY; a relative Wayland socket name is taken inside `runtimeDir`.
// "localhost:93" is a TCP display and usually a forwarded one (ssh -X), so it is not the local ":93".
std::string DesktopKey(const char* waylandDisplay, const char* x11Display, const char* runtimeDir);

// Opens the folder `path` (absolute), creating it with mode 0700 first when `create`, as a descriptor, and
// only if it is a real folder (not a symbolic link) owned by `owner` without any of the `forbidden` mode
// bits. Otherwise -1, with what is wrong in `why`.
int OpenPrivateFolder(const std::string& path, uid_t owner, mode_t forbidden, bool create, std::string* why);

// The folder for the lock files of `owner`: a folder inside `runtimeDir` when that is a folder of its own
// with mode 0700, otherwise `fallback` (created if missing). -1 with the reason when neither can be trusted.
int OpenLockFolder(const char* runtimeDir, const std::string& fallback, uid_t owner, std::string* why);

} // namespace win::os
