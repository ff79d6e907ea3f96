#include "system/errno_failure.h"

#include <system_error>

namespace varnix {

Failure errnoFailure(int error, const std::string& what)
{
    return Failure(what, std::generic_category().message(error));
}

void throwErrno(const std::string& what, int error)
{
    throw errnoFailure(error, what);
}

}  // namespace varnix
