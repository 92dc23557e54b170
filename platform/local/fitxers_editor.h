// The editor's file work on the local disk: media copied into an exercise's
// own folders without overwriting, and an exercise saved where the user can
// write it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// A name for nom in carpeta that no file takes yet: nom itself, or its stem
// with "_2", "_3"... before the extension.
std::filesystem::path nom_lliure(const std::filesystem::path& carpeta, const std::string& nom);

// Copies origen into carpeta (created when missing) under a name no file
// there takes. Returns the name given, or empty with the reason in error.
std::string copiar_lliure(const std::filesystem::path& origen, const std::filesystem::path& carpeta,
                          std::string& error);

struct resultat_desar {
    // Empty on success, else the system's reason.
    std::string error;
    // Where the exercise was written: the file itself, or a copy in the
    // user's folder when the file's folder could not be written.
    std::filesystem::path cami;
    bool copia = false;
};

// Writes the bytes over the exercise file atomically. When its folder cannot
// be written, or is protegida (the installed library, which belongs to the
// package even for a user who could write it), the folder is copied with its
// media into carpeta_usuari (under a folder name no other takes) and the
// bytes are written to the copy.
resultat_desar desar_exercici(const std::filesystem::path& cami, std::string_view bytes,
                              const std::filesystem::path& carpeta_usuari, bool protegida = false);

} // namespace quorvel
