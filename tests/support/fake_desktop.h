#pragma once

#include "ui/desktop.h"

#include <QStringList>

// Records every address the window asks to open, and answers with `opens`.
class FakeDesktop final : public varnix::Desktop {
public:
    QStringList opened;
    bool opens = true;

    bool openAddress(const QString& address) override
    {
        opened.push_back(address);
        return opens;
    }
};
