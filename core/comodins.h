// File-name patterns as the program's folder listings read them: "*" is any
// run of characters, "?" any one character, letter case is ignored, and
// "*.*" means every file, also one without an extension. The disk file
// system and the in-memory one used by the tests share this match, so both
// list the same names for the same pattern.
#pragma once

#include <string_view>

namespace quorvel {

bool coincideix_patro(std::string_view patro, std::string_view nom);

} // namespace quorvel
