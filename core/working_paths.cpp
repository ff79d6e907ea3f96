#include "core/working_paths.h"

namespace varnix {

WorkingPaths WorkingPaths::fromRecord(const ConfigRecord& record)
{
    WorkingPaths paths;
    for (const auto& [field, copy] : kPathFields)
        paths.*copy = record.get(field);
    return paths;
}

void WorkingPaths::copyInto(ConfigRecord& record) const
{
    for (const auto& [field, copy] : kPathFields)
        record.set(field, this->*copy);
}

}  // namespace varnix
