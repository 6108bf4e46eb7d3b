// SPDX-License-Identifier: GPL-3.0-or-later
#include "posix/PosixDirectoryLookup.h"

#include "util/Wildcard.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace rovanta {
namespace {

bool isPlainMissing(int error) {
    return error == ENOENT || error == ENOTDIR;
}

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Sorts names without regard to ASCII case; names equal but for case keep
// byte order, so the order is total and the same on every file system.
void sortByName(std::vector<std::string>& names) {
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (auto& name : names) {
        std::string folded = name;
        for (char& c : folded) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        keyed.emplace_back(std::move(folded), std::move(name));
    }
    std::sort(keyed.begin(), keyed.end());
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        names[i] = std::move(keyed[i].second);
    }
}

} // namespace

LookupResult PosixDirectoryLookup::findFiles(const std::string& folder, const std::string& mask,
                                             std::size_t limit) {
    LookupResult result;
    const std::string dirPath = folder.empty() ? std::string(".") : folder;
    const std::string prefix = dirPath.back() == '/' ? dirPath : dirPath + "/";

    if (!hasWildcards(mask)) {
        // A plain name is looked up directly, so its case must match.
        struct stat st {};
        if (::stat((prefix + mask).c_str(), &st) != 0) {
            result.error = isPlainMissing(errno) ? 0 : errno;
        } else if (S_ISREG(st.st_mode) && limit > 0) {
            result.names.push_back(mask);
        }
        return result;
    }

    std::unique_ptr<DIR, DirCloser> dir(::opendir(dirPath.c_str()));
    if (!dir) {
        result.error = isPlainMissing(errno) ? 0 : errno;
        return result;
    }
    // Every match is read before the limit applies, so the first names by
    // name order are kept, whatever order the folder hands them out in.
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir.get());
        if (entry == nullptr) {
            if (errno != 0) {
                result.error = errno;
            }
            break;
        }
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.' || !wildcardMatch(mask, name)) {
            continue;
        }
        if (isRegularFile(prefix + name)) {
            result.names.push_back(name);
        }
    }
    sortByName(result.names);
    if (result.names.size() > limit) {
        result.names.resize(limit);
    }
    return result;
}

std::string PosixDirectoryLookup::currentFolder() const {
    std::error_code error;
    const auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

bool PosixDirectoryLookup::setCurrentFolder(const std::string& folder) {
    return ::chdir(folder.c_str()) == 0;
}

} // namespace rovanta
