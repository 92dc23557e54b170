#include "content/resultats.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
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

std::string moment_iso(std::string_view data, double segons) {
    const long long dia_ms = 86'400'000;
    const long long ms = std::clamp<long long>(std::llround(segons * 1000.0), 0, dia_ms - 1);
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "T%02lld:%02lld:%02lld.%03lld", ms / 3'600'000,
                  ms / 60'000 % 60, ms / 1000 % 60, ms % 1000);
    return std::string(data) + buffer.data();
}

const std::string& capcalera_resultats() {
    static const std::string capcalera =
        "time,exercise_file,exercise_title,question,player,player_name,cell,result,"
        "ms_since_instruction,ms_since_previous_press\r\n";
    return capcalera;
}

std::string camp_csv(std::string_view camp) {
    if (camp.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(camp);
    }
    std::string sortida = "\"";
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

std::vector<std::vector<std::string>> csv_llegir(std::string_view text) {
    std::vector<std::vector<std::string>> files;
    std::vector<std::string> fila;
    std::string camp;
    bool cometes = false;
    bool fila_oberta = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        fila_oberta = true;
        if (cometes) {
            if (c != '"') {
                camp += c;
            } else if (i + 1 < text.size() && text[i + 1] == '"') {
                camp += '"';
                ++i;
            } else {
                cometes = false;
            }
        } else if (c == '"') {
            cometes = true;
        } else if (c == ',') {
            fila.push_back(std::move(camp));
            camp.clear();
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            fila.push_back(std::move(camp));
            camp.clear();
            files.push_back(std::move(fila));
            fila.clear();
            fila_oberta = false;
        } else {
            camp += c;
        }
    }
    if (fila_oberta) {
        fila.push_back(std::move(camp));
        files.push_back(std::move(fila));
    }
    return files;
}

std::size_t
acumulador_resultats::clau_hash::operator()(const std::pair<int, std::string>& c) const {
    return std::hash<std::string>{}(c.second) * 31u + static_cast<std::size_t>(c.first);
}

void acumulador_resultats::afegir(std::string_view text_csv) {
    const auto files = csv_llegir(text_csv);
    if (files.empty()) {
        return;
    }
    const auto& capcalera = files.front();
    const auto columna = [&](std::string_view nom) -> std::optional<std::size_t> {
        const auto it = std::find(capcalera.begin(), capcalera.end(), nom);
        if (it == capcalera.end()) {
            return std::nullopt;
        }
        return static_cast<std::size_t>(it - capcalera.begin());
    };
    const auto moment = columna(columna_moment);
    const auto jugador = columna(columna_jugador);
    const auto nom = columna(columna_nom);
    const auto resultat = columna(columna_resultat);
    const auto ms_consigna = columna(columna_ms_consigna);
    const auto ms_anterior = columna(columna_ms_anterior);
    if (!moment || !jugador || !resultat) {
        ++files_dolentes_;
        return;
    }
    const auto camp = [](const std::vector<std::string>& f,
                         std::optional<std::size_t> i) -> std::string_view {
        return i && *i < f.size() ? std::string_view(f[*i]) : std::string_view();
    };
    std::string data_anterior;
    per_jugador* dia = nullptr;
    for (std::size_t i = 1; i < files.size(); ++i) {
        const auto& f = files[i];
        if (f.size() == 1 && f[0].empty()) {
            continue;
        }
        const std::string_view instant = camp(f, moment);
        const auto r = resultat_de_nom(camp(f, resultat));
        if (instant.size() < 10 || !r) {
            ++files_dolentes_;
            continue;
        }
        ++files_;
        const std::string_view data = instant.substr(0, 10);
        if (dia == nullptr || data != data_anterior) {
            data_anterior = std::string(data);
            dia = &dies_[data_anterior];
        }
        const std::pair<int, std::string> clau{
            static_cast<int>(enter_de(camp(f, jugador)).value_or(0)), std::string(camp(f, nom))};
        const auto temps = enter_de(camp(f, ms_anterior)).has_value()
                               ? enter_de(camp(f, ms_anterior))
                               : enter_de(camp(f, ms_consigna));
        for (xifres* x : {&total_[clau], &(*dia)[clau]}) {
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
    }
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

} // namespace quorvel
