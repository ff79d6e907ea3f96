#pragma once

#include <QString>

namespace varnix {

// The desktop around the program: opening an address with the handler the
// user has chosen for it. The window works through this interface so that
// tests never start a browser.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands `address` to its handler without waiting; false when none took it.
    virtual bool openAddress(const QString& address) = 0;
};

// The desktop's own handlers.
class QtDesktop final : public Desktop {
public:
    bool openAddress(const QString& address) override;
};

}  // namespace varnix
