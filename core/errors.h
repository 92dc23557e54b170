// Errors that a step of the program can raise. A skip-on-failure step swallows
// them; everywhere else they surface as faults.
#pragma once

#include <stdexcept>
#include <string>

namespace quorvel {

// Base of every failure a program step can raise on purpose.
struct error_pas : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A number that does not fit the 16-bit integer it is stored into.
struct error_desbordament : error_pas {
    using error_pas::error_pas;
};

// An index outside a table's bounds, or a bad resize request.
struct error_index : error_pas {
    using error_pas::error_pas;
};

// A window element that does not exist, or that exists when it must not.
struct error_element : error_pas {
    using error_pas::error_pas;
};

// An arithmetic failure: division by zero, a result out of range.
struct error_aritmetic : error_pas {
    using error_pas::error_pas;
};

} // namespace quorvel
