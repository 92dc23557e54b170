// Replacing a file on disk so that it is always either the old file or the
// new one, whole: the bytes go to a temporary file beside it, which is synced
// and renamed over the old one, and the folder is synced. Every file the
// program writes (maps, settings) goes through here.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

// Empty on success, else the system's reason. A link is replaced by the new
// file and the file it named is left alone; a read-only file or a folder is
// not replaced; the new file keeps the permissions of the file it replaces.
std::string substituir_fitxer(const std::filesystem::path& desti, std::string_view bytes);

} // namespace quorvel
