// The skip-on-failure step: loaders, the polling tick, the dispatcher and the
// stage layout run each step through it, so a failing step is skipped and the
// next one runs. Only failures the program raises on purpose (error_pas and the
// standard library's range and allocation errors) are swallowed.
#pragma once

#include "core/errors.h"

#include <new>
#include <stdexcept>
#include <utility>

namespace quorvel {

// Runs one step; returns false when it failed and was skipped.
template <class F> bool pas(F&& f) {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const error_pas&) {
        return false;
    } catch (const std::out_of_range&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    } catch (const std::bad_alloc&) {
        return false;
    }
}

} // namespace quorvel
