// The exercise editor joined to the program: "Fitxers > Nou exercici" and
// "Fitxers > Editar exercici", --edit, and "Provar", which plays the editor's
// copy on a simulated board of its size and then gives the teacher's own
// pads and map back.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

namespace quorvel {

class programa;
class servei_fitxers;

class editor_qt {
  public:
    // carpeta_usuari: the user's own exercises folder (new exercises, and
    // copies of those whose folder cannot be written).
    editor_qt(programa& p, servei_fitxers& fitxers, std::filesystem::path carpeta_usuari);
    ~editor_qt();
    editor_qt(const editor_qt&) = delete;
    editor_qt& operator=(const editor_qt&) = delete;

    // Opens an editor window on the file, creating it when missing.
    void obrir(const std::filesystem::path& cami);

  private:
    struct dades;
    std::unique_ptr<dades> d_;
};

} // namespace quorvel
