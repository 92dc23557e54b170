#include "content/resultats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <tuple>
#include <utility>

namespace quorvel {

namespace {

constexpr std::array<std::pair<resultat_premuda, std::string_view>, 6> noms_resultats{{
    {resultat_premuda::be, "right"},
    {resultat_premuda::mal, "wrong"},
    {resultat_premuda::final, "final"},
    {resultat_premuda::ignorat, "ignored"},
    {resultat_premuda::pas_cursa, "race_step"},
    {resultat_premuda::parella, "pair"},
}};

constexpr std::array<std::pair<origen_premuda, std::string_view>, 5> noms_origens{{
    {origen_premuda::pad, "pad"},
    {origen_premuda::teclat, "keyboard"},
    {origen_premuda::consola, "console"},
    {origen_premuda::escenari, "stage"},
    {origen_premuda::escombrat, "scanning"},
}};

constexpr std::string_view columna_moment = "time";
constexpr std::string_view columna_jugador = "player";
constexpr std::string_view columna_nom = "player_name";
constexpr std::string_view columna_resultat = "result";
constexpr std::string_view columna_ms_consigna = "ms_since_instruction";
constexpr std::string_view columna_ms_anterior = "ms_since_previous_press";

std::optional<long> enter_de(std::string_view text) {
    long valor = 0;
    const auto [fi, error] = std::from_chars(text.data(), text.data() + text.size(), valor);
    if (error != std::errc() || fi != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return valor;
}

std::optional<double> mediana(std::vector<long> temps) {
    if (temps.empty()) {
        return std::nullopt;
    }
    const auto mig = temps.begin() + static_cast<std::ptrdiff_t>(temps.size() / 2);
    std::nth_element(temps.begin(), mig, temps.end());
    const double alt = static_cast<double>(*mig);
    if (temps.size() % 2 == 1) {
        return alt;
    }
    return (static_cast<double>(*std::max_element(temps.begin(), mig)) + alt) / 2.0;
}

template <typename M> std::vector<resum_jugador> resumir(const M& per_jugador) {
    std::vector<resum_jugador> sortida;
    sortida.reserve(per_jugador.size());
    for (const auto& [clau, x] : per_jugador) {
        resum_jugador r{clau.first, clau.second, x.premudes, x.encerts, x.errors, {}, {}};
        if (x.encerts + x.errors > 0) {
            r.proporcio_encerts =
                static_cast<double>(x.encerts) / static_cast<double>(x.encerts + x.errors);
        }
        r.mediana_ms = mediana(x.temps);
        sortida.push_back(std::move(r));
    }
    std::sort(sortida.begin(), sortida.end(), [](const resum_jugador& a, const resum_jugador& b) {
        return std::tie(a.jugador, a.nom) < std::tie(b.jugador, b.nom);
    });
    return sortida;
}

// The characters that make a spreadsheet read a cell as a formula.
bool es_de_formula(char c) {
    return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r';
}

// The field begins with a formula character, after any apostrophes.
bool comenca_amb_formula(std::string_view camp) {
    const std::size_t i = camp.find_first_not_of('\'');
    return i != std::string_view::npos && es_de_formula(camp[i]);
}

// A field as it was before its guard was put on.
std::string_view sense_guarda(std::string_view camp) {
    if (camp.size() > 1 && camp.front() == '\'' && comenca_amb_formula(camp)) {
        camp.remove_prefix(1);
    }
    return camp;
}

std::string decimal(double valor, int decimals) {
    std::array<char, 64> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.*f", decimals, valor);
    return buffer.data();
}

} // namespace

std::string_view nom_resultat(resultat_premuda r) {
    for (const auto& [valor, nom] : noms_resultats) {
        if (valor == r) {
            return nom;
        }
    }
    return {};
}

std::optional<resultat_premuda> resultat_de_nom(std::string_view nom) {
    for (const auto& [valor, text] : noms_resultats) {
        if (text == nom) {
            return valor;
        }
    }
    return std::nullopt;
}

std::string_view nom_origen(origen_premuda o) {
    for (const auto& [valor, nom] : noms_origens) {
        if (valor == o) {
            return nom;
        }
    }
    return {};
}

std::string moment_iso(std::string_view data, double segons) {
    const long long dia_ms = 86'400'000;
    const long long ms = std::clamp<long long>(std::llround(segons * 1000.0), 0, dia_ms - 1);
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "T%02lld:%02lld:%02lld.%03lld", ms / 3'600'000,
                  ms / 60'000 % 60, ms / 1000 % 60, ms % 1000);
    return std::string(data) + buffer.data();
}

const std::string& capcalera_resultats_sense_origen() {
    static const std::string capcalera =
        "time,exercise_file,exercise_title,question,player,player_name,cell,result,"
        "ms_since_instruction,ms_since_previous_press\r\n";
    return capcalera;
}

const std::string& capcalera_resultats() {
    static const std::string capcalera = [] {
        const std::string& antiga = capcalera_resultats_sense_origen();
        return antiga.substr(0, antiga.size() - 2) + ",source\r\n";
    }();
    return capcalera;
}

std::string camp_csv(std::string_view camp) {
    const bool guardat = comenca_amb_formula(camp);
    if (camp.find_first_of(",\"\r\n") == std::string_view::npos) {
        return guardat ? "'" + std::string(camp) : std::string(camp);
    }
    std::string sortida = guardat ? "\"'" : "\"";
    for (const char c : camp) {
        if (c == '"') {
            sortida += '"';
        }
        sortida += c;
    }
    sortida += '"';
    return sortida;
}

std::string fila_csv(const fila_resultat& f) {
    std::string fila = fila_csv_sense_origen(f);
    fila.insert(fila.size() - 2, "," + std::string(nom_origen(f.origen)));
    return fila;
}

std::string fila_csv_sense_origen(const fila_resultat& f) {
    std::string fila;
    fila.reserve(160);
    const auto afegir = [&](std::string_view camp) {
        fila += camp_csv(camp);
        fila += ',';
    };
    afegir(f.moment);
    afegir(f.fitxer_exercici);
    afegir(f.titol_exercici);
    afegir(std::to_string(f.pregunta));
    afegir(f.jugador > 0 ? std::to_string(f.jugador) : std::string());
    afegir(f.nom_jugador);
    afegir(std::to_string(f.casella));
    afegir(nom_resultat(f.resultat));
    afegir(std::to_string(f.ms_consigna));
    fila += f.ms_anterior ? std::to_string(*f.ms_anterior) : std::string();
    fila += "\r\n";
    return fila;
}

void csv_recorrer(std::string_view text,
                  const std::function<void(const std::vector<std::string_view>&)>& fila) {
    std::vector<std::string_view> camps;
    // Quoted fields with doubled quotes are unescaped here; a deque keeps
    // the earlier ones in place while it grows.
    std::deque<std::string> desfets;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        camps.clear();
        desfets.clear();
        while (true) {
            if (i < n && text[i] == '"') {
                const std::size_t inici = ++i;
                bool doblades = false;
                while (i < n) {
                    if (text[i] == '"') {
                        if (i + 1 < n && text[i + 1] == '"') {
                            doblades = true;
                            i += 2;
                            continue;
                        }
                        break;
                    }
                    ++i;
                }
                std::string_view camp = text.substr(inici, i - inici);
                if (doblades) {
                    std::string& d = desfets.emplace_back();
                    for (std::size_t j = 0; j < camp.size(); ++j) {
                        d += camp[j];
                        if (camp[j] == '"') {
                            ++j;
                        }
                    }
                    camp = d;
                }
                if (i < n) {
                    ++i;
                }
                // What follows a closing quote up to the separator belongs to the field.
                const std::size_t fi = std::min(text.find_first_of(",\r\n", i), n);
                if (fi > i) {
                    std::string& d = desfets.emplace_back(camp);
                    d += text.substr(i, fi - i);
                    camp = d;
                }
                i = fi;
                camps.push_back(sense_guarda(camp));
            } else {
                const std::size_t fi = std::min(text.find_first_of(",\r\n", i), n);
                camps.push_back(sense_guarda(text.substr(i, fi - i)));
                i = fi;
            }
            if (i < n && text[i] == ',') {
                ++i;
                continue;
            }
            break;
        }
        if (i < n && text[i] == '\r') {
            ++i;
        }
        if (i < n && text[i] == '\n') {
            ++i;
        }
        fila(camps);
    }
}

std::vector<std::vector<std::string>> csv_llegir(std::string_view text) {
    std::vector<std::vector<std::string>> files;
    csv_recorrer(text, [&](const std::vector<std::string_view>& camps) {
        files.emplace_back(camps.begin(), camps.end());
    });
    return files;
}

std::size_t
acumulador_resultats::clau_hash::operator()(const std::pair<int, std::string>& c) const {
    return std::hash<std::string>{}(c.second) * 31u + static_cast<std::size_t>(c.first);
}

void acumulador_resultats::afegir(std::string_view text_csv) {
    struct columnes {
        std::optional<std::size_t> moment, jugador, nom, resultat, ms_consigna, ms_anterior;
    };
    std::optional<columnes> c;
    bool capcalera_dolenta = false;
    // The players of this text by day: a few, so a scan beats hashing every row.
    struct conegut {
        int jugador;
        std::string nom;
        std::string data;
        xifres* total;
        xifres* dia;
    };
    std::vector<conegut> coneguts;
    csv_recorrer(text_csv, [&](const std::vector<std::string_view>& f) {
        if (capcalera_dolenta) {
            return;
        }
        if (!c) {
            const auto columna = [&](std::string_view nom) -> std::optional<std::size_t> {
                const auto it = std::find(f.begin(), f.end(), nom);
                if (it == f.end()) {
                    return std::nullopt;
                }
                return static_cast<std::size_t>(it - f.begin());
            };
            c = columnes{columna(columna_moment),      columna(columna_jugador),
                         columna(columna_nom),         columna(columna_resultat),
                         columna(columna_ms_consigna), columna(columna_ms_anterior)};
            if (!c->moment || !c->jugador || !c->resultat) {
                capcalera_dolenta = true;
                ++files_dolentes_;
            }
            return;
        }
        if (f.size() == 1 && f[0].empty()) {
            return;
        }
        const auto camp = [&](std::optional<std::size_t> i) -> std::string_view {
            return i && *i < f.size() ? f[*i] : std::string_view();
        };
        const std::string_view instant = camp(c->moment);
        const auto r = resultat_de_nom(camp(c->resultat));
        if (instant.size() < 10 || !r) {
            ++files_dolentes_;
            return;
        }
        ++files_;
        const std::string_view data = instant.substr(0, 10);
        const int jugador = static_cast<int>(enter_de(camp(c->jugador)).value_or(0));
        const std::string_view nom = camp(c->nom);
        auto it = std::find_if(coneguts.begin(), coneguts.end(), [&](const conegut& k) {
            return k.jugador == jugador && k.nom == nom && k.data == data;
        });
        if (it == coneguts.end()) {
            const std::pair<int, std::string> clau{jugador, std::string(nom)};
            xifres* dia = &dies_[std::string(data)][clau];
            coneguts.push_back({jugador, std::string(nom), std::string(data), &total_[clau], dia});
            it = coneguts.end() - 1;
        }
        const auto anterior = enter_de(camp(c->ms_anterior));
        const auto temps = anterior ? anterior : enter_de(camp(c->ms_consigna));
        for (xifres* x : {it->total, it->dia}) {
            ++x->premudes;
            if (*r == resultat_premuda::mal) {
                ++x->errors;
            } else if (*r != resultat_premuda::ignorat) {
                ++x->encerts;
            }
            if (*r != resultat_premuda::ignorat && temps) {
                x->temps.push_back(*temps);
            }
        }
    });
}

resum_resultats acumulador_resultats::resum() const {
    resum_resultats r;
    r.jugadors = resumir(total_);
    const std::map<std::string, const per_jugador*> ordenats = [&] {
        std::map<std::string, const per_jugador*> m;
        for (const auto& [data, dia] : dies_) {
            m.emplace(data, &dia);
        }
        return m;
    }();
    for (const auto& [data, dia] : ordenats) {
        r.sessions.push_back({data, resumir(*dia)});
    }
    r.files = files_;
    r.files_dolentes = files_dolentes_;
    return r;
}

namespace {

std::optional<std::chrono::sys_days> dia_de(std::string_view text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') {
        return std::nullopt;
    }
    const auto any = enter_de(text.substr(0, 4));
    const auto mes = enter_de(text.substr(5, 2));
    const auto dia = enter_de(text.substr(8, 2));
    if (!any || !mes || !dia) {
        return std::nullopt;
    }
    const std::chrono::year_month_day ymd{std::chrono::year(static_cast<int>(*any)),
                                          std::chrono::month(static_cast<unsigned>(*mes)),
                                          std::chrono::day(static_cast<unsigned>(*dia))};
    if (!ymd.ok()) {
        return std::nullopt;
    }
    return std::chrono::sys_days(ymd);
}

} // namespace

std::vector<std::string> logs_dels_dies(const std::vector<std::string>& noms, std::string_view data,
                                        int dies) {
    const auto fi = dia_de(data);
    std::vector<std::string> triats;
    if (!fi) {
        return triats;
    }
    for (const std::string& nom : noms) {
        if (nom.size() != 14 || !nom.ends_with(".csv")) {
            continue;
        }
        const auto dia = dia_de(std::string_view(nom).substr(0, 10));
        if (dia && *dia <= *fi && (*fi - *dia).count() < dies) {
            triats.push_back(nom);
        }
    }
    std::sort(triats.begin(), triats.end());
    return triats;
}

std::string resum_csv(const std::vector<resum_jugador>& jugadors) {
    std::string text = "player,player_name,presses,right,wrong,share_right,median_ms\r\n";
    for (const resum_jugador& j : jugadors) {
        text += (j.jugador > 0 ? std::to_string(j.jugador) : std::string()) + ',' +
                camp_csv(j.nom) + ',' + std::to_string(j.premudes) + ',' +
                std::to_string(j.encerts) + ',' + std::to_string(j.errors) + ',' +
                (j.proporcio_encerts ? decimal(*j.proporcio_encerts, 4) : std::string()) + ',' +
                (j.mediana_ms ? decimal(*j.mediana_ms, 1) : std::string()) + "\r\n";
    }
    return text;
}

std::string csv_reescriure(std::string_view text_csv) {
    std::string text;
    text.reserve(text_csv.size() + text_csv.size() / 16);
    csv_recorrer(text_csv, [&](const std::vector<std::string_view>& camps) {
        if (camps.size() == 1 && camps[0].empty()) {
            return;
        }
        for (std::size_t i = 0; i < camps.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            text += camp_csv(camps[i]);
        }
        text += "\r\n";
    });
    return text;
}

} // namespace quorvel
