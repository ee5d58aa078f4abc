#pragma once

#include <stdexcept>
#include <string>

namespace holvane::store {

// The one error of the table store and the archives. Its text names the table
// or file and what failed; the interface shows it in the default error box.
class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace holvane::store
