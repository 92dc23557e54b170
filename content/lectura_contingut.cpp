#include "content/lectura_contingut.h"

#include "content/avis_text.h"
#include "content/registre.h"
#include "content/registre_net.h"
#include "content/rutes.h"
#include "core/errors.h"
#include "core/nombres.h"
#include "core/text.h"
#include "platform/servei_fitxers.h"

#include <cmath>
#include <cstdio>

namespace quorvel {

namespace {

std::string_view sense_blancs(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// Notes of very long or binary records stay readable on one line.
constexpr std::size_t mida_cita = 60;

// The lookups kept per file: enough for every distinct name of a large
// exercise, bounded for a hostile one.
constexpr std::size_t maxim_resolts = 20000;
constexpr std::size_t mida_maxima_resolt = 1024;

} // namespace

bool es_nombre(std::string_view text) {
    const std::string_view t = sense_blancs(text);
    return !t.empty() && llargada_nombre(t) == t.size();
}

std::int16_t enter16_estricte(std::string_view text) {
    if (!es_nombre(text)) {
        throw error_pas("not a number");
    }
    return a_enter16(valor_numeric(text));
}

std::string text_decimal_valor(double valor) {
    if (!std::isfinite(valor)) {
        throw error_desbordament("number out of range");
    }
    if (valor == 0.0) {
        return "0";
    }
    if (valor == std::trunc(valor) && std::fabs(valor) < 1e15) {
        return text_decimal(static_cast<long long>(valor));
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15G", valor);
    return buffer;
}

std::string citar(std::string_view text) {
    std::string cita = "'";
    for (std::size_t i = 0; i < text.size() && i < mida_cita; ++i) {
        const char c = text[i];
        if (c == '\t') {
            cita += "\\t";
        } else if (codi(text, i) < 32) {
            cita += '?';
        } else {
            cita += c;
        }
    }
    if (text.size() > mida_cita) {
        cita += "...";
    }
    return cita + "'";
}

lectura_contingut::lectura_contingut(estat_contingut& s, servei_fitxers& fitxers,
                                     std::vector<avis_lectura>* avisos)
    : s_(s), fitxers_(fitxers), avisos_(avisos) {}

void lectura_contingut::obrir(const std::string& cami) {
    auto text = fitxers_.llegir_text(cami);
    if (!text) {
        if (avisos_ != nullptr) {
            avisos_->push_back(avis_de(0, missatge::avis_fitxer_illegible, "", {citar(cami)}));
        }
        // Every record is missing: that is the one thing to say.
        passat_final_ = true;
        text.emplace();
    }
    if (avisos_ != nullptr) {
        ombra_ = lector(*text);
        cometes_ = cometes_llargues(*text);
    }
    lector_ = lector(std::move(*text));
}

std::string lectura_contingut::registre(std::string_view que, camp_fitxer camp) {
    std::string r = seguent(que, true);
    if (avisos_ == nullptr || passat_final_ || camp == camp_fitxer::lliure) {
        return r;
    }
    switch (etiqueta_del_registre(r, camp)) {
    case lectura_etiqueta::altra:
        if (!desplacat_) {
            avisar(missatge::avis_etiqueta_altra, que, {citar(r)});
        }
        desplacat_ = true;
        break;
    case lectura_etiqueta::propia:
        desplacat_ = false;
        break;
    case lectura_etiqueta::lliure:
        break;
    }
    return r;
}

std::string lectura_contingut::seguent(std::string_view que, bool notar_final) {
    std::string r;
    const bool trobat = registre_seguent(lector_, r);
    if (avisos_ == nullptr) {
        passat_final_ = passat_final_ || !trobat;
        return r;
    }
    // Same skipping rule as the record reader, only to learn the line.
    std::size_t linia = linia_;
    while (!ombra_.al_final()) {
        linia = ombra_.linia();
        const std::string o = ombra_.llegir_element();
        if (o.empty() || o.front() != '#') {
            break;
        }
    }
    notar_cometes(trobat ? linia : static_cast<std::size_t>(-1));
    if (trobat) {
        linia_ = linia;
        ++trobats_;
    } else if (!passat_final_ && notar_final) {
        avisar(missatge::avis_final_fitxer, que);
    }
    passat_final_ = passat_final_ || !trobat;
    return r;
}

std::string lectura_contingut::valor(std::string_view que, camp_fitxer camp) {
    const std::string r = registre(que, camp);
    if (avisos_ != nullptr && r.find('\t') == std::string::npos && !retallar_espais(r).empty()) {
        avisar(missatge::avis_sense_tab, que, {citar(r)});
    }
    return camp_extreure(s_, r, 2, tab);
}

std::string lectura_contingut::resoldre(std::string_view text) {
    if (text.size() > mida_maxima_resolt) {
        return ruta_resoldre(s_, fitxers_, text);
    }
    std::string clau(text);
    if (const auto it = resolts_.find(clau); it != resolts_.end()) {
        return it->second;
    }
    std::string resolt = ruta_resoldre(s_, fitxers_, text);
    if (resolts_.size() < maxim_resolts) {
        resolts_.emplace(std::move(clau), resolt);
    }
    return resolt;
}

void lectura_contingut::notar_cometes(std::size_t fins_linia) {
    for (; cometes_notades_ < cometes_.size() && cometes_[cometes_notades_].linia <= fins_linia;
         ++cometes_notades_) {
        const cometa_llarga& c = cometes_[cometes_notades_];
        const std::string linies = text_decimal(static_cast<long long>(c.linies));
        avisos_->push_back(
            c.linia_tanca == 0
                ? avis_de(c.linia, missatge::avis_cometa_oberta, "", {linies})
                : avis_de(c.linia, missatge::avis_cometa_tardana, "",
                          {text_decimal(static_cast<long long>(c.linia_tanca)), linies}));
    }
}

void lectura_contingut::avisar(std::string missatge) {
    if (avisos_ != nullptr) {
        avisos_->push_back({linia_, std::move(missatge)});
    }
}

void lectura_contingut::avisar(missatge tipus, std::string_view que,
                               std::vector<std::string> valors) {
    if (avisos_ != nullptr) {
        avisos_->push_back(avis_de(linia_, tipus, std::string(que), std::move(valors)));
    }
}

void lectura_contingut::comprovar_nombre(std::string_view valor, std::string_view que) {
    if (avisos_ == nullptr || sense_blancs(valor).empty() || es_nombre(valor)) {
        return;
    }
    const double llegit = valor_numeric(valor);
    if (std::isfinite(llegit)) {
        avisar(missatge::avis_no_nombre, que, {citar(valor), text_decimal_valor(llegit)});
    } else {
        avisar(missatge::avis_no_nombre_fora, que, {citar(valor)});
    }
}

void lectura_contingut::comprovar_media(const std::string& resolt, std::string_view que) {
    if (avisos_ == nullptr) {
        return;
    }
    std::size_t inici = 0;
    while (inici < resolt.size()) {
        std::size_t fi = resolt.find('|', inici);
        if (fi == std::string::npos) {
            fi = resolt.size();
        }
        const std::string nom = resolt.substr(inici, fi - inici);
        if (!nom.empty() && !existeix(nom)) {
            if (fitxers_.nom_unitat(nom).empty()) {
                avisar(missatge::avis_media_no_trobat, que, {citar(nom), citar(carpeta_base(s_))});
            } else {
                avisar(missatge::avis_media_no_existeix, que, {citar(nom)});
            }
        }
        inici = fi + 1;
    }
}

bool lectura_contingut::existeix(const std::string& nom) {
    if (const auto it = existents_.find(nom); it != existents_.end()) {
        return it->second;
    }
    const bool hi_es = fitxers_.existeix_fitxer(nom);
    if (existents_.size() < maxim_resolts && nom.size() <= mida_maxima_resolt) {
        existents_.emplace(nom, hi_es);
    }
    return hi_es;
}

std::size_t lectura_contingut::comprovar_sobrants() {
    if (avisos_ == nullptr || passat_final_) {
        return 0;
    }
    // Empty records after the last one that holds anything are the blank
    // lines editors leave at the end: they are not counted.
    std::size_t llegits = 0;
    std::size_t sobrants = 0;
    while (!lector_.al_final()) {
        const std::string r = seguent("", false);
        if (passat_final_) {
            break;
        }
        ++llegits;
        if (!retallar_espais(r).empty()) {
            if (sobrants == 0) {
                avisar(missatge::avis_sobrants, "", {citar(r)});
            }
            sobrants = llegits;
        }
    }
    return sobrants;
}

void lectura_contingut::comprovar_tabs_restants() {
    if (avisos_ == nullptr || passat_final_) {
        return;
    }
    while (!lector_.al_final()) {
        const std::string r = seguent("", false);
        if (passat_final_) {
            return;
        }
        if (r.find('\t') == std::string::npos && !retallar_espais(r).empty()) {
            avisar(missatge::avis_sense_tab_valor, "", {citar(r)});
        }
    }
}

} // namespace quorvel
