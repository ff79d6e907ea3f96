#pragma once

#include "core/config_record.h"

#include <atomic>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnix {

// Which entries of a folder a read brings: its files or its sub-directories.
enum class EntryKind { File, Directory };

// How many names a read has brought so far; written by the reader, read by
// the window while the read is under way.
using ReadProgress = std::atomic<std::size_t>;

// What a read of a folder ends with: its names, or the failure that kept
// them from being read.
struct FolderListing {
    std::vector<std::string> names;
    std::exception_ptr failure;
};
using ListingDone = std::function<void(FolderListing listing)>;

// What the window's behaviour reaches outside its own process. Every
// operation that can fail throws Failure, naming what failed and why.
class System {
public:
    virtual ~System() = default;

    // The directory that holds the program's executable.
    virtual std::string programDirectory() const = 0;
    virtual std::string currentDirectory() const = 0;
    // Makes `directory` current, and its drive where drives exist. Trailing
    // blanks are not part of the name.
    virtual void changeDirectory(const std::string& directory) = 0;
    // Whether `path` names a directory that is there; false for anything
    // else, a failure to look included.
    virtual bool isDirectory(const std::string& path) const = 0;

    // Plain names of the regular files, or of the sub-directories, of
    // `directory`, read afresh: hidden ones and entries that cannot be
    // examined left out, sorted with nameLess. Off the window's thread where
    // the window has given the system its queue: `done` then runs on the
    // window's thread when the read ends, else before this returns. A read of
    // a folder whose read is under way waits for that read instead of
    // starting another. `done` runs once, unless the system is gone first.
    virtual std::shared_ptr<const ReadProgress> readFolder(EntryKind kind, const std::string& directory,
                                                           ListingDone done) = 0;

    // The record in the first bytes of the file; a short file reads as if
    // padded with blanks. Nothing when there is no such file; a file that is
    // there but cannot be read throws.
    virtual std::optional<ConfigRecord> readConfig(const std::string& path) const = 0;
    // Replaces the file's first bytes with the record, safely.
    virtual void saveConfig(const std::string& path, const ConfigRecord& record) = 0;

    // The short form of `path` from the current directory, written as one
    // argument, or the empty text when it names nothing.
    virtual std::string shortPath(const std::string& path) const = 0;
    // Starts `line` as an independent process in the current directory.
    virtual void startCommandLine(const std::string& line) = 0;
};

}  // namespace varnix
