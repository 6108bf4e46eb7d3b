// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/TextFile.h"

#include "util/Cp1252.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rovanta {
namespace {

// Writes all bytes, retrying after short writes and interruptions.
bool writeAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Permission bits for the new file: those of the file it replaces, or the
// usual 0666 less the umask for a new one.
mode_t targetMode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        return st.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\r')) + 1);
    std::size_t from = 0;
    while (from < text.size()) {
        const std::size_t end = text.find('\r', from);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(from)); // a last line without its end
            break;
        }
        lines.emplace_back(text.substr(from, end - from));
        from = end + 1;
        if (from < text.size() && text[from] == '\n') {
            ++from;
        }
    }
    return lines;
}

std::string joinCrLf(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            out += "\r\n";
        }
        out += lines[i];
    }
    return out;
}

std::optional<std::string> readFileBytes(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    struct stat st {};
    std::optional<std::string> result;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(st.st_size)); // one allocation for the file
        char buffer[65536];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                if (n == 0) {
                    result = std::move(bytes);
                }
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
    }
    ::close(fd);
    return result;
}

std::optional<std::vector<std::string>> readTextLines(const std::string& path) {
    std::vector<std::string> lines;
    if (!forEachTextLine(path, [&lines](std::string line) { lines.push_back(std::move(line)); })) {
        return std::nullopt;
    }
    return lines;
}

bool forEachTextLine(const std::string& path, const std::function<void(std::string)>& take) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    std::string pending;  // bytes of a line not yet ended
    bool crAtEnd = false; // the last piece ended with CR: an LF first is its pair
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        std::string_view piece(buffer, static_cast<std::size_t>(n));
        if (crAtEnd && piece.front() == '\n') {
            piece.remove_prefix(1);
        }
        crAtEnd = false;
        while (!piece.empty()) {
            const std::size_t cr = piece.find('\r');
            if (cr == std::string_view::npos) {
                pending.append(piece);
                break;
            }
            pending.append(piece.substr(0, cr));
            take(cp1252ToUtf8(pending));
            pending.clear();
            piece.remove_prefix(cr + 1);
            if (piece.empty()) {
                crAtEnd = true;
            } else if (piece.front() == '\n') {
                piece.remove_prefix(1);
            }
        }
    }
    ::close(fd);
    if (ok && !pending.empty()) {
        take(cp1252ToUtf8(pending)); // a last line without its end
    }
    return ok;
}

namespace {

// Keeps the file at path as path~ (replacing an older copy) through a second
// link, so the file itself never goes missing; a copy where the file system
// has no hard links. True when there is nothing to keep or it was kept.
bool keepPrevious(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) {
        return errno == ENOENT;
    }
    if (!S_ISREG(st.st_mode)) {
        return true; // nothing a tour could have been
    }
    const std::string backup = path + "~";
    std::string temp = backup + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    ::unlink(temp.c_str());
    if (::link(path.c_str(), temp.c_str()) == 0) {
        if (::rename(temp.c_str(), backup.c_str()) == 0) {
            return true;
        }
        ::unlink(temp.c_str());
        return false;
    }
    const auto bytes = readFileBytes(path);
    return bytes && writeFileAtomic(backup, *bytes);
}

} // namespace

bool writeFileAtomic(const std::string& path, std::string_view bytes, KeepPrevious keep) {
    if (path.empty()) {
        return false;
    }
    // A write past a file-size limit must fail with EFBIG, not end the
    // program with SIGXFSZ.
    static const bool ignoreFileSizeSignal = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    (void)ignoreFileSizeSignal;

    const mode_t mode = targetMode(path);
    std::string temp = path + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, bytes) && ::fchmod(fd, mode) == 0 && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    // The previous version is kept only once the new one is safely written.
    ok = ok && (keep == KeepPrevious::No || keepPrevious(path));
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
    }
    return ok;
}

bool writeTextFile(const std::string& path, std::string_view utf8Text) {
    return writeFileAtomic(path, utf8ToCp1252(utf8Text));
}

bool writeCrLfLines(const std::string& path, const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return writeTextFile(path, text);
}

} // namespace rovanta
