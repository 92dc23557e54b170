// The file-system service on the local disk: "\" becomes "/", a leading "/"
// is absolute, and a name that does not exist as written is looked up
// case-insensitively, folder by folder.
#pragma once

#include "platform/servei_fitxers.h"

namespace quorvel {

class fitxers_disc : public servei_fitxers {
  public:
    bool existeix_fitxer(const std::string& cami) override;
    bool existeix_carpeta(const std::string& cami) override;
    std::optional<std::string> cami_complet(const std::string& cami) override;
    std::string nom_unitat(const std::string& cami) override;
    std::vector<std::string> llistar(const std::string& carpeta, const std::string& patro) override;
    std::optional<std::string> llegir_text(const std::string& cami) override;
    std::string escriure_text(const std::string& cami, const std::string& text) override;
    bool crear_carpeta(const std::string& cami) override;
    std::string carpeta_actual() override;
    bool canviar_carpeta_actual(const std::string& cami) override;

    // The local path the program text names, after case-insensitive lookup of
    // each part that does not exist as written (for the adapters that open
    // files themselves).
    static std::string cami_local(const std::string& cami);
};

} // namespace quorvel
