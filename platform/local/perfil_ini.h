// The program's own INI service with the profile-string rules: names match
// case-insensitively, values are cut to 511 characters, a write creates the
// file and the section and keeps every other line as it was.
#pragma once

#include "platform/perfil.h"

namespace quorvel {

class perfil_ini : public servei_perfil {
  public:
    std::string llegir(const std::string& seccio, const std::string& clau,
                       const std::string& defecte, const std::string& cami) override;
    bool escriure(const std::string& seccio, const std::string& clau, const std::string& valor,
                  const std::string& cami) override;
};

} // namespace quorvel
