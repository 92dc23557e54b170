#include "content/document_exercici.h"
#include "platform/local/escriptura_atomica.h"
#include "tools/inspect/reescriptura.h"

#include <fstream>
#include <iostream>
#include <sstream>

namespace quorvel::inspect {

int reescriure_exercici(const std::string& fitxer, const std::string& sortida) {
    std::ifstream entrada(fitxer, std::ios::binary);
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    if (!entrada || entrada.bad()) {
        std::cerr << "cannot read " << fitxer << '\n';
        return 1;
    }
    const std::string error =
        substituir_fitxer(sortida, document_escriure(document_llegir(bytes.view())));
    if (!error.empty()) {
        std::cerr << "cannot write " << sortida << ": " << error << '\n';
        return 1;
    }
    return 0;
}

} // namespace quorvel::inspect
