// quorvel-inspect exercise FILE --rewrite OUT: the exercise file read and
// written again through the editor's writer.
#pragma once

#include <string>

namespace quorvel::inspect {

// 0 when OUT was written; 1, with the reason on standard error, when FILE
// could not be read or OUT could not be written.
int reescriure_exercici(const std::string& fitxer, const std::string& sortida);

} // namespace quorvel::inspect
