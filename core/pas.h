// The skip-on-failure step: loaders, the polling tick, the dispatcher and the
// stage layout run each step through it, so a failing step is skipped and the
// next one runs. Only failures the program raises on purpose (error_pas and the
// standard library's range and allocation errors) are swallowed. A skipped
// step can be reported to one observer (the authors' dry run shows them), so
// what the program silently ignores is visible to whoever asks.
#pragma once

#include "core/errors.h"

#include <functional>
#include <new>
#include <stdexcept>
#include <string_view>
#include <utility>

namespace quorvel {

// Where a step stands in the source. The compilers' own builtins give it, as
// std::source_location is not available with every compiler the project
// builds with.
struct lloc_pas {
    const char* fitxer;
    unsigned linia;
};

// Told of each skipped step: where it is in the source, and why it failed.
using observador_pas = std::function<void(const lloc_pas& on, std::string_view motiu)>;

// Sets the observer (an empty one: nobody is told); returns the previous one.
observador_pas pas_observar(observador_pas o);

namespace detall {
void pas_saltat(const lloc_pas& on, std::string_view motiu);
}

// Runs one step; returns false when it failed and was skipped.
template <class F>
bool pas(F&& f, const char* fitxer = __builtin_FILE(), unsigned linia = __builtin_LINE()) {
    const lloc_pas on{fitxer, linia};
    try {
        std::forward<F>(f)();
        return true;
    } catch (const error_pas& e) {
        detall::pas_saltat(on, e.what());
    } catch (const std::out_of_range& e) {
        detall::pas_saltat(on, e.what());
    } catch (const std::length_error& e) {
        detall::pas_saltat(on, e.what());
    } catch (const std::bad_alloc&) {
        detall::pas_saltat(on, "out of memory");
    }
    return false;
}

} // namespace quorvel
