#pragma once

#include "launch/path_names.h"

#include <string>

namespace varnix {

// What the program reaches outside its own process. The window works through
// this interface so that tests can hand in a scripted one.
class Platform {
public:
    virtual ~Platform() = default;

    // The directory that holds the program's executable. Throws
    // std::system_error when it cannot be found.
    virtual std::string programDirectory() const = 0;
    // The process's current directory. Throws std::system_error.
    virtual std::string currentDirectory() const = 0;
    // Makes `directory` current (and its drive, where drives exist). Trailing
    // blanks are not part of the name. Throws std::system_error on failure.
    virtual void changeDirectory(const std::string& directory) = 0;
    // The short form of `path` from the current directory, or the empty text.
    virtual std::string shortPath(const std::string& path) const = 0;
    // Starts `line` as an independent process in the current directory.
    // Throws std::system_error (or std::invalid_argument for a line without
    // a program) when it cannot be started.
    virtual void startCommandLine(const std::string& line) = 0;
};

// The operating system's own.
class SystemPlatform final : public Platform {
public:
    std::string programDirectory() const override;
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& directory) override;
    std::string shortPath(const std::string& path) const override;
    void startCommandLine(const std::string& line) override;
};

}  // namespace varnix
