#pragma once

#include <filesystem>
#include <iterator>

// How many descriptors this process holds (Linux).
inline long openDescriptors()
{
    return static_cast<long>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
}
