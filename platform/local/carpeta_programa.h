// Where the program's own content is. A build folder or an unpacked copy holds
// it beside the executable (the portable layout); an installed program keeps
// it in the data folder the package puts beside bin/ (share/quorvel). The
// default scenario tells the two apart: every program folder has one.
#pragma once

#include <functional>
#include <string>

namespace quorvel {

struct ubicacio_programa {
    // The program folder, without a trailing separator.
    std::string carpeta;
    // True when it is the installed data folder rather than the executable's.
    bool installat = false;
};

// Whether a folder holds the program's content.
using te_contingut = std::function<bool(const std::string& carpeta)>;

// carpeta_executable: the executable's folder; dades_installades: the data
// folder relative to it in an installed layout (e.g. "../share/quorvel"). The
// executable's folder wins when it holds the content; when neither does, it is
// still the program folder, so the program starts as it always did.
ubicacio_programa ubicacio_programa_per(const std::string& carpeta_executable,
                                        const std::string& dades_installades,
                                        const te_contingut& conte);

// Same, checking the disk for the default scenario and using the data folder
// the build was configured with.
ubicacio_programa ubicacio_programa_per(const std::string& carpeta_executable);

// The folder of the running executable; empty when the system does not say.
std::string carpeta_executable_actual();

// The running program's folders as program texts (see core/text.h).
struct carpetes_execucio {
    // Where its content is.
    std::string programa;
    // Where it writes settings and maps when that is not the program folder;
    // empty when it is.
    std::string usuari;
    // Where it keeps records of use (the results logs): the program folder
    // when portable, else the user's data folder.
    std::string dades;
};
carpetes_execucio carpetes_execucio_actuals();

} // namespace quorvel
