// The file-system service. Paths are program texts (Windows-1252, "\" or "/"
// between folders, a leading "/" or a drive part is absolute). The real service
// turns "\" into "/" and, when a name does not exist as written, finds it
// case-insensitively, folder by folder.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvel {

class servei_fitxers {
  public:
    virtual ~servei_fitxers() = default;

    // True when the path names an ordinary file (wildcards "*" and "?" in the
    // last part match any such file).
    virtual bool existeix_fitxer(const std::string& cami) = 0;
    virtual bool existeix_carpeta(const std::string& cami) = 0;

    // The file's full path as the program writes it ("\" separated on the
    // folder side of the logic is kept as given), or nothing when it does not
    // exist. This is where case-insensitive lookup takes effect.
    virtual std::optional<std::string> cami_complet(const std::string& cami) = 0;

    // The drive part of a path: "/" for an absolute path, "X:" for a drive
    // letter, empty for a relative path.
    virtual std::string nom_unitat(const std::string& cami) = 0;

    // Names (without folder) of the files matching a wildcard pattern in a folder,
    // sorted by name.
    virtual std::vector<std::string> llistar(const std::string& carpeta,
                                             const std::string& patro) = 0;

    // The whole file as program text (UTF-8 files decoded, see core/text.h);
    // nothing when it cannot be read.
    virtual std::optional<std::string> llegir_text(const std::string& cami) = 0;

    // Replaces the file with the given program text, encoded as Windows-1252,
    // through a temporary file in the same folder renamed over the old one.
    // Returns the system's reason on failure, empty text on success.
    virtual std::string escriure_text(const std::string& cami, const std::string& text) = 0;

    virtual bool crear_carpeta(const std::string& cami) = 0;
    virtual std::string carpeta_actual() = 0;
    virtual bool canviar_carpeta_actual(const std::string& cami) = 0;
};

} // namespace quorvel
