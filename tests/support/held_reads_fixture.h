#pragma once

#include "support/selection_fixture.h"

// The same window, its reads held until the test lets each one end.
class HeldReads : public Selection {
protected:
    HeldReads() { system.holdReads = true; }

    void endRead(const std::string& directory)
    {
        for (std::size_t i = 0; i < system.heldReads.size(); ++i)
            if (system.heldReads[i].directory == directory)
                return system.endRead(i);
        ADD_FAILURE() << "no read of " << directory << " under way";
    }
    bool listIsEmpty(varnix::RomList list) const
    {
        return list == varnix::RomList::Files ? fileEntries().empty() : directoryEntries().empty();
    }
};
