// A typed sentence spoken into a WAV file by espeak-ng, run as a program with
// an argument list and the sentence on its standard input (no shell, so no
// character of the sentence can become a command).
#pragma once

#include <QString>

#include <filesystem>

namespace quorvel {

enum class resultat_veu { fet, absent, error };

struct veu_sintetitzada {
    resultat_veu resultat = resultat_veu::error;
    // What espeak-ng said when it failed.
    QString error;
};

// veu: the voice (a language code such as "ca", "es", "en"). The program is
// looked for as "espeak-ng" on the PATH.
veu_sintetitzada dir_frase(const QString& frase, const QString& veu,
                           const std::filesystem::path& wav);

} // namespace quorvel
