#include "system/directory_listing.h"

#include "core/fixed_field.h"
#include "core/name_matching.h"
#include "system/errno_failure.h"

#include <algorithm>
#include <cerrno>
#include <memory>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace varnix {
namespace {

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

std::vector<std::string> listEntries(const std::string& directory, EntryKind wanted, ReadProgress* progress)
{
    const auto name = withoutTrailingBlanks(directory);
    std::unique_ptr<DIR, DirCloser> dir(opendir(name.c_str()));
    if (!dir)
        throw errnoFailure(errno, "cannot read " + name);
    std::vector<std::string> names;
    for (;;) {
        // Only readdir's own errno tells a failed read: an entry that could
        // not be examined below leaves one behind that means nothing here.
        errno = 0;
        const dirent* entry = readdir(dir.get());
        if (!entry) {
            if (errno != 0)
                throw errnoFailure(errno, "cannot read " + name);
            break;
        }
        if (entry->d_name[0] == '.')  // hidden, and "." and ".."
            continue;
        auto type = entry->d_type;
        if (type == DT_LNK || type == DT_UNKNOWN) {  // where it leads decides
            // A dangling or looping link, or a file gone since, is left out.
            struct stat info {};
            if (fstatat(dirfd(dir.get()), entry->d_name, &info, 0) != 0)
                continue;
            type = S_ISDIR(info.st_mode) ? DT_DIR : S_ISREG(info.st_mode) ? DT_REG : DT_UNKNOWN;
        }
        if (type != (wanted == EntryKind::Directory ? DT_DIR : DT_REG))
            continue;
        names.emplace_back(entry->d_name);
        if (progress)
            progress->store(names.size(), std::memory_order_relaxed);
    }
    sortNames(names);
    return names;
}

}  // namespace varnix
