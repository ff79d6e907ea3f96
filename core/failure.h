#pragma once

#include <stdexcept>
#include <string>

namespace varnix {

// The one way an operation outside the process fails: it names what was
// being done and gives the system's reason. Its text, "<what>: <reason>", is
// what the window shows.
class Failure : public std::runtime_error {
public:
    Failure(const std::string& what, const std::string& reason)
        : std::runtime_error(what + ": " + reason), m_reason(reason)
    {
    }
    const std::string& reason() const noexcept { return m_reason; }

private:
    std::string m_reason;
};

}  // namespace varnix
