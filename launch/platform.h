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
};

// The operating system's own.
class SystemPlatform final : public Platform {
public:
    std::string programDirectory() const override;
    std::string currentDirectory() const override;
    void changeDirectory(const std::string& directory) override;
};

}  // namespace varnix
