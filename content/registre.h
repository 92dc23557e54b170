// The record reader every content file goes through: records with comments
// skipped, and fields split out of a record.
#pragma once

#include "core/lector.h"

#include <string>
#include <string_view>

namespace quorvel {

struct estat_contingut;

// The next record that is not a comment; empty text at the end of the file.
void registre_llegir(lector& fitxer, std::string& sortida);

// Field n (from 1) of the record split at the first character of the
// separator, after trimming spaces, shortening the base folder out of it and
// dropping a leading series word.
std::string camp_extreure(const estat_contingut& s, std::string_view registre, int n,
                          std::string_view separador);

// The value of a record: field 2 split at TAB.
inline constexpr std::string_view tab = "\t";

} // namespace quorvel
