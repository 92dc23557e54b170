// The words of a reading warning: in English for the authors' tool (the
// lint's output), and in the program's language for the console.
#pragma once

#include "content/lectura_contingut.h"
#include "i18n/missatges.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

struct estat_idioma;

// The English wording of a warning kind or a field description; empty for
// a number that is neither.
[[nodiscard]] std::string_view text_angles(missatge tipus);

// Every warning kind and field description, for checks of the languages.
[[nodiscard]] const std::vector<missatge>& tipus_avisos();

// A warning of that kind about the field que (an English description, as
// the loaders write it) with its values (%2 on); its English words fill
// missatge.
[[nodiscard]] avis_lectura avis_de(std::size_t linia, missatge tipus, std::string que,
                                   std::vector<std::string> valors);

// The warning in the language in force; a warning without a kind keeps its
// English words.
[[nodiscard]] std::string text_avis(const estat_idioma& s, const avis_lectura& a);

} // namespace quorvel
