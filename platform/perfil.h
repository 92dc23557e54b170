// Profile strings: the INI service behind the settings file. Section and key
// names match case-insensitively; values are program text.
#pragma once

#include <string>

namespace quorvel {

inline constexpr std::size_t perfil_mida_buffer = 512;

class servei_perfil {
  public:
    virtual ~servei_perfil() = default;
    // The key's value, or the default when the file, section or key is missing;
    // cut to perfil_mida_buffer - 1 characters.
    virtual std::string llegir(const std::string& seccio, const std::string& clau,
                               const std::string& defecte, const std::string& cami) = 0;
    // Writes the key, creating the file and the section when missing and
    // keeping every other line of the file. True on success.
    virtual bool escriure(const std::string& seccio, const std::string& clau,
                          const std::string& valor, const std::string& cami) = 0;
};

} // namespace quorvel
