// Reading a 1 MB content file record by record, with the value of each record,
// the way the scenario and exercise loaders go through their files.
#include "app/sessio.h"
#include "content/registre.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

// Comments, label/value records, media lists with absolute paths under the
// base folder, comma-separated lines and blank lines, as content files mix them.
std::string fitxer_generat(std::size_t mida) {
    std::string text;
    text.reserve(mida + 256);
    for (int i = 0; text.size() < mida; ++i) {
        const std::string n = std::to_string(i);
        text += "# element " + n + "\r\n";
        text += "Columnes\t" + n + "\r\n";
        text += "S\xE8rie " + n + "\tB, C, D\r\n";
        text += "Imatge\tC:\\exercicis\\animals\\gos" + n + ".gif|veu" + n + ".wav\r\n";
        text += "Consigna\t\"Prem la casella, si us plau\"\r\n";
        text += "\r\n";
    }
    return text;
}

void llegir_fitxer(benchmark::State& estat) {
    const std::string text = fitxer_generat(1 << 20);
    quorvel::sessio s;
    s.idioma = "catala";
    s.carpeta_exercici = "C:\\exercicis\\animals\\";
    std::size_t registres = 0;
    for (auto _ : estat) {
        quorvel::lector fitxer(text);
        std::string registre;
        registres = 0;
        while (!fitxer.al_final()) {
            quorvel::registre_llegir(fitxer, registre);
            benchmark::DoNotOptimize(quorvel::camp_extreure(s, registre, 2, quorvel::tab));
            ++registres;
        }
    }
    estat.counters["registres"] = static_cast<double>(registres);
    estat.SetBytesProcessed(static_cast<std::int64_t>(estat.iterations() * text.size()));
}

BENCHMARK(llegir_fitxer)->Unit(benchmark::kMillisecond);

} // namespace
