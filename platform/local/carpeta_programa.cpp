#include "platform/local/carpeta_programa.h"

#include "core/text.h"
#include "platform/local/carpetes_usuari.h"

#include <filesystem>
#include <system_error>

namespace quorvel {

namespace fs = std::filesystem;

ubicacio_programa ubicacio_programa_per(const std::string& carpeta_executable,
                                        const std::string& dades_installades,
                                        const te_contingut& conte) {
    if (carpeta_executable.empty() || conte(carpeta_executable)) {
        return {carpeta_executable, false};
    }
    const fs::path relativa(dades_installades);
    const fs::path dades =
        (relativa.is_absolute() ? relativa : fs::path(carpeta_executable) / relativa)
            .lexically_normal();
    std::string carpeta = dades.string();
    while (carpeta.size() > 1 && carpeta.back() == '/') {
        carpeta.pop_back();
    }
    if (conte(carpeta)) {
        return {carpeta, true};
    }
    return {carpeta_executable, false};
}

ubicacio_programa ubicacio_programa_per(const std::string& carpeta_executable) {
    return ubicacio_programa_per(
        carpeta_executable, QUORVEL_DADES_INSTALLADES, [](const std::string& carpeta) {
            std::error_code ec;
            return fs::is_regular_file(fs::path(carpeta) / "graella.esc", ec);
        });
}

std::string carpeta_executable_actual() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

carpetes_execucio carpetes_execucio_actuals() {
    const ubicacio_programa u = ubicacio_programa_per(carpeta_executable_actual());
    const carpetes_usuari c = carpetes_usuari_per(u.carpeta, u.installat);
    return {de_utf8(u.carpeta), c.portable ? std::string() : de_utf8(c.configuracio),
            de_utf8(c.dades)};
}

} // namespace quorvel
