// Fuzz target: any bytes read as an exercise file's records and written back
// by the editor's writer: the written file holds the same records in the same
// order, and writing what it reads gives the same bytes again.
#include "content/document_exercici.h"
#include "content/registre_net.h"
#include "core/text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> registres(std::string_view bytes) {
    quorvel::lector fitxer(quorvel::text_de_fitxer(bytes));
    std::vector<std::string> sortida;
    std::string r;
    while (quorvel::registre_seguent(fitxer, r)) {
        sortida.push_back(r);
    }
    return sortida;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quorvel;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string escrit = document_escriure(document_llegir(bytes));
    if (registres(bytes) != registres(escrit) ||
        document_escriure(document_llegir(escrit)) != escrit) {
        std::abort();
    }
    return 0;
}
