// The record reader's pieces used beyond the plain loaders: a read that tells
// a record found from the end of the file, and the cleaned record that fields
// are split from (for walking every field of a long record in one pass).
#pragma once

#include "core/lector.h"

#include <string>
#include <string_view>

namespace quorvel {

struct estat_contingut;

// Like registre_llegir, but returns false (and empty text) when the end of the
// file came before any record that is not a comment.
bool registre_seguent(lector& fitxer, std::string& sortida);

// The record as camp_extreure splits it: spaces trimmed, the base folder
// shortened out and a leading series word dropped.
std::string registre_net(const estat_contingut& s, std::string_view registre);

} // namespace quorvel
