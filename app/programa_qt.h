// The program on its real parts: SDL pads, the local disk and INI file, Qt
// Multimedia, FluidSynth and RtMidi, Qt dialogs and views, wired to the logic
// by `programa` and run in Qt's event loop.
#pragma once

#include <string>

class QObject;

namespace quorvel {

struct opcions_execucio {
    // The program folder, written to as well; empty: found from the
    // executable's folder (its own, or the installed data folder beside it).
    std::string carpeta_programa;
    // Installed on the console's view before it is shown (measurements).
    QObject* filtre_consola = nullptr;
};

// Runs the program to its end; returns the exit status.
int programa_executar(int argc, char** argv, const opcions_execucio& opcions);

} // namespace quorvel
