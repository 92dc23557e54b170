// quorvel-inspect map FILE --pads LIST [--num-butons N]: the two board map
// tables the program holds after loading FILE at start-up with pads of the
// given button counts.
#include "app/sessio.h"
#include "board/mapa.h"
#include "content/forma_tauler.h"
#include "core/errors.h"
#include "core/nombres.h"
#include "platform/local/fitxers_disc.h"
#include "tools/inspect/ordres.h"
#include "tools/inspect/sortida.h"

#include <cstdint>
#include <iostream>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace quorvel::inspect {

namespace {

constexpr int maxim16 = std::numeric_limits<std::int16_t>::max();

struct opcions_map {
    std::string fitxer;
    std::string pads;
    std::int16_t num_butons = 0;
};

// "10,6" gives {10, 6}; an empty list gives no pad. Nothing when an item is
// not a whole number of 0 or more that fits a 16-bit count.
std::optional<std::vector<int>> llegir_pads(const std::string& llista) {
    std::vector<int> botons;
    if (llista.empty()) {
        return botons;
    }
    std::size_t inici = 0;
    while (true) {
        const std::size_t coma = llista.find(',', inici);
        const std::string element = llista.substr(inici, coma - inici);
        const std::size_t primer = element.find_first_not_of(' ');
        const std::size_t darrer = element.find_last_not_of(' ');
        if (primer == std::string::npos) {
            return std::nullopt;
        }
        long valor = 0;
        for (std::size_t i = primer; i <= darrer; ++i) {
            if (element[i] < '0' || element[i] > '9') {
                return std::nullopt;
            }
            valor = valor * 10 + (element[i] - '0');
            if (valor > maxim16) {
                return std::nullopt;
            }
        }
        botons.push_back(static_cast<int>(valor));
        if (coma == std::string::npos) {
            return botons;
        }
        inici = coma + 1;
    }
}

// The session as start-up leaves it for these pads, before the map is loaded.
sessio sessio_inicial(const std::vector<int>& botons, std::int16_t num_butons) {
    sessio s;
    s.num_butons = num_butons;
    forma_posar_joysticks(s, a_enter16(static_cast<double>(botons.size())));
    s.joysticks.redimensionar(0, s.n_joysticks);
    long long usats = 0;
    long long total = 0;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        const int b = botons[static_cast<std::size_t>(j - 1)];
        fitxa_joystick& fitxa = s.joysticks[j];
        fitxa.dispositiu = static_cast<std::int16_t>(j);
        fitxa.botons_dispositiu = static_cast<std::int16_t>(b);
        fitxa.botons_usats =
            num_butons >= 1 && num_butons <= b ? num_butons : fitxa.botons_dispositiu;
        usats += fitxa.botons_usats;
        total += b;
    }
    // The input subscript runs to n_botons_total + 4, which must fit as well.
    if (total + 4 > maxim16) {
        throw error_desbordament("button total out of range");
    }
    forma_posar_botons(s, static_cast<std::int16_t>(total), static_cast<std::int16_t>(usats));
    mapa_entrades_crear(s);
    return s;
}

nlohmann::json taules_json(const sessio& s) {
    auto botons = nlohmann::json::array();
    for (int k = 0; k <= s.n_botons && s.mapa_botons.dins(k); ++k) {
        botons.push_back({{"joy", s.mapa_botons[k].joy}, {"entrada", s.mapa_botons[k].entrada}});
    }
    auto entrades = nlohmann::json::array();
    for (int j = 0; j <= s.n_joysticks; ++j) {
        auto fila = nlohmann::json::array();
        for (int i = 0; i <= s.n_botons_total + 4; ++i) {
            fila.push_back(s.mapa_entrades(j, i));
        }
        entrades.push_back(std::move(fila));
    }
    auto amb_cursors = nlohmann::json::array();
    for (int j = 0; j <= s.n_joysticks; ++j) {
        amb_cursors.push_back(s.joysticks[j].amb_cursors != 0);
    }
    return {{"mapa_botons", botons},
            {"mapa_entrades", entrades},
            {"cursors", s.cursors},
            {"amb_cursors", amb_cursors}};
}

void executar(const opcions_map& o) {
    const auto botons = llegir_pads(o.pads);
    if (!botons) {
        throw CLI::ValidationError("--pads", "expected button counts of 0 or more, like 10,6");
    }
    sessio s;
    try {
        s = sessio_inicial(*botons, o.num_butons);
    } catch (const error_pas&) {
        throw CLI::ValidationError("--pads", "too many pads or buttons for the map tables");
    }
    fitxers_disc fitxers;
    const std::string cami = text_programa(o.fitxer);
    if (!fitxers.llegir_text(cami)) {
        // The program says nothing either; the tables show the empty map.
        std::cerr << "quorvel-inspect: cannot read " << o.fitxer << "; the map stays empty\n";
    }
    mapa_carregar(s, fitxers, cami);
    imprimir(taules_json(s));
}

const registrador registre_ordre{
    "map", [](CLI::App& app, int& codi_sortida) {
        auto o = std::make_shared<opcions_map>();
        auto* ordre = app.add_subcommand(
            "map", "Board map tables after loading a map file at start-up with the given pads");
        ordre->add_option("FILE", o->fitxer, "Map file (.map)")->required();
        ordre
            ->add_option("--pads", o->pads,
                         "Buttons each pad reports, in joystick order, e.g. 10,6 (empty: no pad)")
            ->required();
        ordre->add_option("--num-butons", o->num_butons,
                          "Setting num_butons: buttons used per pad when 1..pad's count");
        ordre->callback([o, &codi_sortida] {
            executar(*o);
            codi_sortida = 0;
        });
    }};

} // namespace

} // namespace quorvel::inspect
