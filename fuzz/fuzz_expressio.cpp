// Fuzz target: any bytes as a line-condition expression. A value is always
// finite (anything beyond single precision is an arithmetic error) and reads
// back unchanged from the number token a formula writes for it.
#include "content/expressio.h"
#include "core/errors.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const float valor = expressio_avaluar(text);
        if (!std::isfinite(valor) || expressio_avaluar(expressio_nombre(valor)) != valor) {
            std::abort();
        }
    } catch (const error_aritmetic&) {
    }
    return 0;
}
