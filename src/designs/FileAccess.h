// Reading and writing the program's files without losing what is there.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace hydrolofter {

struct FileText {
    bool ok = false;
    std::string text;
    /// On failure: what is wrong, without the file's name ("is a folder", the system's
    /// reason, "is larger than 1 MiB").
    std::string error;
};

/// Reads a whole file of at most maxBytes. A folder is refused; so is anything but a
/// regular file when regularOnly (a pipe or FIFO would block a window until written).
FileText readFileText(const std::string& path, std::size_t maxBytes, bool regularOnly = false);

/// Writes all of text to an open file descriptor (a short write is continued); false,
/// with errno saying why, when the system refuses.
bool writeAll(int fd, std::string_view text);

/// Writes text to path and returns an empty string, or why it could not (the system's
/// reason where it gives one). A regular file is replaced through a temporary file in its
/// folder, flushed to disk and renamed over it, the folder flushed too, so that a power
/// cut leaves the old file or the new one; it keeps its permissions and, where allowed,
/// its owner. A symbolic link is followed and kept. A read-only file is refused; a file
/// with other hard links is written in place so that every link sees the new text. A
/// target that is not a regular file (a FIFO, a terminal) is written to directly. A path
/// naming the process's standard output or error (/dev/stdout, or the file it goes to) is
/// written through that open descriptor, after what was written there before.
std::string writeFileAtomically(const std::string& path, std::string_view text);

} // namespace hydrolofter
