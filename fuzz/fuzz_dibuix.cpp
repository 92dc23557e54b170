// Fuzz target for the drawing commands. The first seven bytes choose the
// board (cells and columns, 16-bit each, little-endian), the formula mode and
// the two values; the rest is a cell list with shape codes, and also the
// column formula (up to the first line end) and the row formula (after it).
#include "app/sessio.h"
#include "content/dibuix.h"
#include "core/errors.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::int16_t enter16(const std::uint8_t* bytes) {
    return static_cast<std::int16_t>(bytes[0] | bytes[1] << 8);
}

template <class F> void provar(F&& f) {
    try {
        f();
    } catch (const quorvel::error_pas&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    if (size < 7) {
        return 0;
    }
    sessio s;
    s.n_botons = enter16(data);
    s.n_columnes = enter16(data + 2);
    const auto mode = static_cast<std::int16_t>(data[4] % 6);
    const auto a = static_cast<std::int16_t>(static_cast<std::int8_t>(data[5]));
    const auto b = static_cast<std::int16_t>(static_cast<std::int8_t>(data[6]));
    const std::string_view text(reinterpret_cast<const char*>(data + 7), size - 7);

    provar([&] {
        // A code gives at most 190 letters for its 4 characters or more.
        if (codis_expandir(s, text).size() > 48 * text.size()) {
            std::abort();
        }
    });
    provar([&] { (void)forma_caselles(s, text); });
    provar([&] { (void)casella_columna(s, text); });
    provar([&] { (void)casella_fila(s, text); });

    const auto salt = text.find('\n');
    s.elements.redimensionar(0, 0);
    s.elements[0].text_1 = std::string(text.substr(0, salt));
    s.elements[0].text_2 = salt == std::string_view::npos ? "" : std::string(text.substr(salt + 1));
    provar([&] { (void)formula_calcular(s, a, b, mode); });
    return 0;
}
