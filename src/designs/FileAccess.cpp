#include "FileAccess.h"

#include "MessageText.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hydrolofter {
namespace {

/// Reserves room for size bytes without changing the file's length, so that a full disk
/// refuses before anything is overwritten; 0 on success, else -1 with errno set. Where the
/// system has no such call (WebAssembly under Node) it is not supported (EOPNOTSUPP).
int reserve(int fd, std::size_t size) {
#ifndef __EMSCRIPTEN__
    return ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(size));
#else
    (void)fd, (void)size;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

std::string systemReason() {
    return std::strerror(errno);
}

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

bool writeAll(int fd, std::string_view text) {
    std::size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += std::size_t(n);
    }
    return true;
}

namespace {

/// Where a chain of symbolic links ends, also when its last link points at nothing yet
/// (then the file is created there, as an editor would). Empty, with errno, on a loop.
std::string followLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st;
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return path;
        char buffer[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), buffer, sizeof buffer - 1);
        if (n < 0)
            return {};
        const std::string link(buffer, std::size_t(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    errno = ELOOP;
    return {};
}

/// The standard stream (1 or 2) that path names, or -1. Such a path, opened anew, would
/// replace the file the shell opened for appending, lose what the process wrote there
/// already, or not open at all (a pipe under /proc/self/fd); its open descriptor is used
/// instead, so that the text lands in order with the rest of the output.
int standardStreamNamed(const std::string& path) {
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        const std::string n = std::to_string(fd);
        if (path == (fd == STDOUT_FILENO ? "/dev/stdout" : "/dev/stderr") ||
            path == "/dev/fd/" + n || path == "/proc/self/fd/" + n)
            return fd;
    }
#ifndef __EMSCRIPTEN__ // under Node, the standard streams are not files that stat can see
    struct stat named, held;
    if (::stat(path.c_str(), &named) != 0)
        return -1;
    for (const int fd : {STDOUT_FILENO, STDERR_FILENO}) {
        if (::fstat(fd, &held) == 0 && held.st_dev == named.st_dev && held.st_ino == named.st_ino)
            return fd;
    }
#endif
    return -1;
}

/// Writes into the file itself: a FIFO or device, or (inPlace) a regular file with other
/// hard links, whose old text is overwritten only once the room for the new is reserved.
std::string writeDirectly(const std::string& path, std::string_view text, bool inPlace) {
    // Non-blocking open: a FIFO nobody reads from is refused instead of waiting forever.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return errno == ENXIO ? std::string("nothing is reading from it") : systemReason();
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (inPlace && !text.empty() && reserve(fd, text.size()) != 0 && errno != EOPNOTSUPP) {
        const std::string reason = systemReason(); // a full disk: the old text stays whole
        ::close(fd);
        return reason;
    }
    if (!writeAll(fd, text) ||
        (inPlace && (::ftruncate(fd, off_t(text.size())) != 0 || ::fsync(fd) != 0))) {
        const std::string reason = systemReason();
        ::close(fd);
        return reason;
    }
    return ::close(fd) == 0 ? std::string() : systemReason();
}

void syncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

std::string replaceThroughTemporary(const std::string& target, std::string_view text,
                                    const struct stat* existing) {
    const std::string folder = folderOf(target);
    // Hidden beside the target: ".name.XXXXXX".
    const auto slash = target.rfind('/');
    const std::size_t nameAt = slash == std::string::npos ? 0 : slash + 1;
    std::string temp = target.substr(0, nameAt);
    temp.append(".").append(target, nameAt).append(".XXXXXX");
    const int fd = ::mkstemp(temp.data());
    if (fd < 0)
        return "cannot write in " + messageSafe(folder, 200) + ": " + systemReason();
    auto failWith = [&](const char* what) {
        const std::string reason = std::string(what) + ": " + systemReason();
        ::close(fd);
        ::unlink(temp.c_str());
        return reason;
    };
    if (!writeAll(fd, text))
        return failWith("cannot write");
    if (existing) {
        // The old file's owner and mode stay (mkstemp made the temporary private).
        // Best effort: the owner and group, else the group alone, else what we are.
        if (::fchown(fd, existing->st_uid, existing->st_gid) != 0 &&
            ::fchown(fd, geteuid(), existing->st_gid) != 0) {
        }
        ::fchmod(fd, existing->st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (::fsync(fd) != 0)
        return failWith("cannot flush to disk");
    if (::close(fd) != 0) {
        const std::string reason = std::string("cannot write: ") + systemReason();
        ::unlink(temp.c_str());
        return reason;
    }
    if (std::rename(temp.c_str(), target.c_str()) != 0) {
        const std::string reason = "cannot replace it: " + systemReason();
        ::unlink(temp.c_str());
        return reason;
    }
    syncFolder(folder); // the rename itself must reach the disk
    return {};
}

} // namespace

FileText readFileText(const std::string& path, std::size_t maxBytes, bool regularOnly) {
    FileText r;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (regularOnly ? O_NONBLOCK : 0));
    if (fd < 0) {
        r.error = "cannot be opened: " + systemReason();
        return r;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0)
        r.error = "cannot be read: " + systemReason();
    else if (S_ISDIR(st.st_mode))
        r.error = "is a folder";
    else if (regularOnly && !S_ISREG(st.st_mode))
        r.error = "is not a regular file";
    if (!r.error.empty()) {
        ::close(fd);
        return r;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            r.error = "cannot be read: " + systemReason();
            break;
        }
        if (n == 0) {
            r.ok = true;
            break;
        }
        r.text.append(buffer, std::size_t(n));
        if (r.text.size() > maxBytes) {
            r.error = "is larger than " + std::to_string(maxBytes >> 20) + " MiB";
            break;
        }
    }
    ::close(fd);
    if (!r.ok)
        r.text.clear();
    return r;
}

std::string writeFileAtomically(const std::string& path, std::string_view text) {
    if (path.empty())
        return "no file name was given";
    if (const int fd = standardStreamNamed(path); fd >= 0)
        return writeAll(fd, text) ? std::string() : systemReason();
    const std::string target = followLinks(path);
    if (target.empty())
        return systemReason();
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return systemReason(); // a name too long, a folder that may not be entered ...
        return replaceThroughTemporary(target, text, nullptr);
    }
    if (S_ISDIR(st.st_mode))
        return "is a folder";
    if (!S_ISREG(st.st_mode))
        return writeDirectly(target, text, false);
    // Root may write anything: the file's own bits say what its owner meant.
    if ((st.st_mode & 0222) == 0 ||
        (::access(target.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS)))
        return "is read-only";
    if (st.st_nlink > 1)
        return writeDirectly(target, text, true);
    return replaceThroughTemporary(target, text, &st);
}

} // namespace hydrolofter
