// Open and save file dialogs, and the yes/no question before a command that
// destroys something. Filters arrive converted: the parts of a
// "description|pattern|..." text separated by NUL characters.
#pragma once

#include <string>

namespace quorvel {

class finestra;

class servei_dialegs {
  public:
    virtual ~servei_dialegs() = default;
    // The chosen path, or empty text when cancelled.
    virtual std::string obrir(finestra& propietari, const std::string& carpeta_inicial,
                              const std::string& filtre, const std::string& titol) = 0;
    virtual std::string desar(const std::string& nom_proposat, finestra& propietari,
                              const std::string& carpeta, const std::string& filtre,
                              const std::string& titol) = 0;
    // True when the operator answers yes. Where nobody can be asked (a dry
    // run), the command goes ahead.
    virtual bool preguntar(finestra& propietari, const std::string& text,
                           const std::string& titol) {
        (void)propietari;
        (void)text;
        (void)titol;
        return true;
    }
};

} // namespace quorvel
