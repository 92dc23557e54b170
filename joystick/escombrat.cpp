#include "joystick/escombrat.h"

#include <algorithm>
#include <sstream>
#include <utility>

namespace quorvel {

namespace {

constexpr int entrada_boto_1 = 5;

int dins(int valor, int minim, int maxim) {
    return std::clamp(valor, minim, maxim);
}

} // namespace

std::string text_config_escombrat(const config_escombrat& c) {
    const char* mode = c.mode == mode_escombrat::automatic ? "auto"
                       : c.mode == mode_escombrat::pas     ? "step"
                                                           : "off";
    std::ostringstream text;
    text << mode << ' ' << c.interval_ms << ' ' << c.primer_ms << ' ' << c.voltes;
    if (c.so) {
        text << " so";
    }
    return text.str();
}

config_escombrat llegir_config_escombrat(const std::string& text, config_escombrat c) {
    std::istringstream paraules(text);
    std::string mode;
    if (!(paraules >> mode)) {
        return c;
    }
    if (mode == "auto") {
        c.mode = mode_escombrat::automatic;
    } else if (mode == "step") {
        c.mode = mode_escombrat::pas;
    } else if (mode == "off") {
        c.mode = mode_escombrat::cap;
    } else {
        return c;
    }
    c.so = false;
    int* numeros[] = {&c.interval_ms, &c.primer_ms, &c.voltes};
    std::size_t n = 0;
    for (std::string paraula; paraules >> paraula;) {
        if (paraula == "so") {
            c.so = true;
            continue;
        }
        if (n < std::size(numeros)) {
            try {
                *numeros[n] = std::stoi(paraula);
            } catch (const std::exception&) {
                // An unreadable number keeps the value it had.
            }
            ++n;
        }
    }
    c.interval_ms = dins(c.interval_ms, 100, 60000);
    c.primer_ms = dins(c.primer_ms, 100, 60000);
    c.voltes = dins(c.voltes, 1, 99);
    return c;
}

void escombrat::configurar(int jugador, const config_escombrat& c) {
    jugadors_[jugador].cfg = c;
}

config_escombrat escombrat::config(int jugador) const {
    const auto it = jugadors_.find(jugador);
    return it == jugadors_.end() ? config_escombrat{} : it->second.cfg;
}

bool escombrat::llegeix(int jugador) const {
    const auto it = jugadors_.find(jugador);
    return engegat_ && it != jugadors_.end() && it->second.actiu;
}

double escombrat::ara() const {
    return c_.ara ? c_.ara() : 0.0;
}

bool escombrat::pausa() const {
    return c_.en_pausa && c_.en_pausa();
}

std::optional<ressalt> escombrat::on(const estat_jugador& p) const {
    if (!p.actiu || p.repos) {
        return std::nullopt;
    }
    if (p.files.empty()) {
        return ressalt{p.caselles[p.pos], std::nullopt};
    }
    if (p.en_fila) {
        return ressalt{p.files[p.fila][p.pos], std::nullopt};
    }
    return ressalt{p.files[p.pos].front(), p.numeros_fila[p.pos]};
}

std::optional<ressalt> escombrat::ressaltada(int jugador) const {
    const auto it = jugadors_.find(jugador);
    return it == jugadors_.end() ? std::nullopt : on(it->second);
}

void escombrat::mostrar(int j, const estat_jugador& p) const {
    if (c_.en_ressalt) {
        c_.en_ressalt(j, on(p));
    }
}

void escombrat::engegar(const std::map<int, std::vector<int>>& caselles, int columnes) {
    aturar();
    engegat_ = true;
    const int amplada = columnes > 0 ? columnes : static_cast<int>(maxim_sense_files);
    for (auto& [j, p] : jugadors_) {
        const auto it = caselles.find(j);
        if (p.cfg.mode == mode_escombrat::cap || it == caselles.end() || it->second.empty()) {
            continue;
        }
        estat_jugador nou;
        nou.cfg = p.cfg;
        p = std::move(nou);
        p.actiu = true;
        p.caselles = it->second;
        if (p.caselles.size() > maxim_sense_files) {
            for (const int k : p.caselles) {
                const int fila = (k - 1) / amplada + 1;
                if (p.numeros_fila.empty() || p.numeros_fila.back() != fila) {
                    p.numeros_fila.push_back(fila);
                    p.files.emplace_back();
                }
                p.files.back().push_back(k);
            }
        }
    }
    for (auto& [j, p] : jugadors_) {
        if (p.actiu) {
            inici(j, p, p.cfg.primer_ms);
        }
    }
}

void escombrat::aturar() {
    ++generacio_;
    const bool estava = std::exchange(engegat_, false);
    pausat_ = false;
    for (auto& [j, p] : jugadors_) {
        if (std::exchange(p.actiu, false) && estava && c_.en_ressalt) {
            c_.en_ressalt(j, std::nullopt);
        }
    }
}

void escombrat::inici(int j, estat_jugador& p, double espera) {
    p.en_fila = false;
    p.fila = 0;
    p.pos = 0;
    p.voltes = 0;
    p.repos = false;
    p.proper = ara() + espera;
    mostrar(j, p);
}

void escombrat::avancar(int j, estat_jugador& p, bool automatic) {
    if (p.en_fila) {
        // A whole row without a choice goes back to the rows.
        if (++p.pos >= p.files[p.fila].size()) {
            p.en_fila = false;
            p.pos = 0;
        }
    } else {
        const std::size_t n = p.files.empty() ? p.caselles.size() : p.files.size();
        if (++p.pos >= n) {
            p.pos = 0;
            if (automatic && ++p.voltes >= p.cfg.voltes) {
                p.repos = true;
                mostrar(j, p);
                return;
            }
        }
    }
    if (automatic) {
        // Steps keep to their schedule; one that came late does not push the
        // next ones later.
        const double t = ara();
        p.proper += p.cfg.interval_ms;
        if (p.proper <= t) {
            p.proper = t + p.cfg.interval_ms;
        }
    }
    mostrar(j, p);
}

void escombrat::llegir(int jugador, int entrada, bool premuda, double moment, bool breus) {
    const auto it = jugadors_.find(jugador);
    if (!engegat_ || it == jugadors_.end() || !it->second.actiu) {
        return;
    }
    estat_jugador& p = it->second;
    const bool abans = std::exchange(p.premudes[entrada], premuda);
    bool nova = premuda && !abans;
    const auto vist = p.moments.find(entrada);
    nova =
        nova || (breus && !premuda && !abans && vist != p.moments.end() && vist->second != moment);
    p.moments[entrada] = moment;
    if (!nova || p.pendent != accio::cap) {
        return;
    }
    p.pendent = p.cfg.mode == mode_escombrat::pas && entrada == entrada_boto_1 ? accio::moure
                                                                               : accio::triar;
    p.moment = moment;
}

void escombrat::sondejar(
    const std::function<void(int casella, std::optional<double> moment)>& triar) {
    if (!engegat_) {
        return;
    }
    // The pause is asked only when something would happen: asking may cost
    // a query of the media in play.
    const double abans = std::exchange(darrer_, ara());
    const bool res = std::none_of(jugadors_.begin(), jugadors_.end(), [&](const auto& jp) {
        const estat_jugador& p = jp.second;
        return p.actiu && !p.triant &&
               (p.pendent != accio::cap || (!p.repos && p.cfg.mode == mode_escombrat::automatic &&
                                            (darrer_ >= p.proper || darrer_ < abans)));
    });
    if (res && !pausat_) {
        return;
    }
    if (pausa()) {
        // A switch pressed while paused does nothing, then or later.
        for (auto& [j, p] : jugadors_) {
            p.pendent = accio::cap;
        }
        pausat_ = true;
        return;
    }
    const double t = ara();
    // A clock that went back (past midnight) restarts the steps' schedule.
    if (std::exchange(pausat_, false) || t < abans) {
        for (auto& [j, p] : jugadors_) {
            p.proper = t + p.cfg.interval_ms;
        }
    }
    const unsigned long generacio = generacio_;
    for (auto& [j, p] : jugadors_) {
        if (!p.actiu || p.triant) {
            continue;
        }
        const accio a = std::exchange(p.pendent, accio::cap);
        if (p.repos) {
            // The press that wakes the scan chooses nothing.
            if (a != accio::cap) {
                inici(j, p, p.cfg.interval_ms);
            }
            continue;
        }
        if (a == accio::moure) {
            avancar(j, p, false);
        } else if (a == accio::triar && !p.files.empty() && !p.en_fila) {
            p.en_fila = true;
            p.fila = p.pos;
            p.pos = 0;
            p.proper = t + p.cfg.interval_ms;
            mostrar(j, p);
        } else if (a == accio::triar) {
            const int k = on(p)->casella;
            // The choice may run the exercise's events, this tick's among
            // them, or end the run: the player is left out meanwhile.
            p.triant = true;
            triar(k, p.moment);
            if (generacio != generacio_) {
                return;
            }
            p.triant = false;
            inici(j, p, p.cfg.primer_ms);
        } else if (p.cfg.mode == mode_escombrat::automatic && t >= p.proper) {
            avancar(j, p, true);
        }
    }
}

std::optional<double> escombrat::proper_pas() const {
    std::optional<double> proper;
    if (!engegat_) {
        return proper;
    }
    for (const auto& [j, p] : jugadors_) {
        if (p.actiu && !p.repos && !p.triant && p.cfg.mode == mode_escombrat::automatic) {
            proper = proper ? std::min(*proper, p.proper) : p.proper;
        }
    }
    return proper;
}

} // namespace quorvel
