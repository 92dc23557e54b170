// Helpers shared by the dispatcher's files (one file per family of exercise
// types); nothing outside the dispatcher uses them.
#pragma once

#include "content/casella_esc.h"
#include "core/errors.h"
#include "core/nombres.h"
#include "core/text.h"

#include <cstddef>
#include <string>
#include <utility>

namespace quorvel::despatxament {

inline constexpr double segons_dia = 86400.0;
// The media service answers into a buffer of this size.
inline constexpr std::size_t mida_resposta = 255;

inline int enter_de(const std::string& text) {
    return a_enter16(valor_numeric(text));
}

inline long twips(double valor) {
    return static_cast<long>(a_enter32(valor));
}

inline bool te_llista(const casella_esc& c) {
    return c.fitxers.te_emmagatzematge() && c.fitxers.superior() >= c.fitxers.inferior();
}

// First letter of a text; an empty text names no cell.
inline int primer_codi(const std::string& text) {
    if (text.empty()) {
        throw error_index("empty text names no cell");
    }
    return codi(text, 0);
}

// Puts back what a wait changed in the dispatcher's state, however the wait
// ends.
template <typename T> class restaurar {
  public:
    restaurar(T& valor, T nou) : valor_(valor), anterior_(std::exchange(valor, std::move(nou))) {}
    ~restaurar() { valor_ = std::move(anterior_); }
    restaurar(const restaurar&) = delete;
    restaurar& operator=(const restaurar&) = delete;

  private:
    T& valor_;
    T anterior_;
};

} // namespace quorvel::despatxament
