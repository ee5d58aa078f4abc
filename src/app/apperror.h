#pragma once

#include <stdexcept>
#include <string>

namespace holvane::app {

// An error of the interface layer (a node's page code that is no number, a
// window that cannot be built). Shown in the default error box like the
// store's errors.
class AppError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace holvane::app
