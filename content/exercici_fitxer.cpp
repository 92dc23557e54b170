#include "content/exercici_fitxer.h"

#include "content/dibuix.h"
#include "content/estat_contingut.h"
#include "content/registre.h"
#include "content/tipus_exercici.h"
#include "core/dialegs_fitxer.h"
#include "core/finestra.h"
#include "core/lector.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/eines.h"
#include "platform/serveis.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

constexpr std::array<std::string_view, 15> codis_forma = {
    "(LU)",  "(LD)",  "(LL)",  "(LR)",  "(LMV)", "(LMH)", "(PUL)", "(PUM)",
    "(PUR)", "(PDL)", "(PDM)", "(PDR)", "(PLM)", "(PRM)", "(PCE)"};

bool es_separador(char c) {
    return c == '\\' || c == '/';
}

// Paths compared with "\" and "/" as the same folder separator.
bool mateix_cami(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return x == y || (es_separador(x) && es_separador(y));
           });
}

// The folder part of a path, with its trailing separator; empty when the path
// names no folder.
std::string carpeta_de(std::string_view cami) {
    const auto p = cami.find_last_of("\\/");
    return p == std::string_view::npos ? std::string() : std::string(cami.substr(0, p + 1));
}

std::string sense_cometes(std::string cami) {
    if (!cami.empty() && cami.front() == '"') {
        cami.erase(0, 1);
    }
    if (!cami.empty() && cami.back() == '"') {
        cami.pop_back();
    }
    return cami;
}

std::string nom_fitxer(const std::string& cami) {
    const auto separador = cami.find_last_of("\\/");
    return separador == std::string::npos ? cami : cami.substr(separador + 1);
}

// The header's records: the title, a free record and the type.
constexpr int registres_capcalera = 3;

bool es_valor_etiquetat(std::string_view registre) {
    const auto tab = registre.find('\t');
    return tab != std::string_view::npos && !retallar_espais(registre.substr(0, tab)).empty() &&
           !retallar_espais(registre.substr(tab + 1)).empty();
}

bool es_enter_pla(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Record counts of a body: the records of one item or list entry, and those
// that follow the last one.
struct forma_cos {
    std::size_t per_element;
    std::size_t finals;
    // What the count counts, for the notes: one, and more than one.
    std::string_view nom;
    std::string_view noms;
};

class lectura_exercici {
  public:
    lectura_exercici(estat_contingut& s, servei_fitxers& fitxers, std::vector<avis_lectura>* avisos)
        : s_(s), lr_(s, fitxers, avisos), avisos_(avisos) {}

    void llegir(const std::string& cami);

  private:
    void cos_llista();
    void cos_items(bool amb_respostes);
    void item(int i, const tipus_exercici& tipus);
    void text_entre_cometes(int i, std::string element_exercici::*camp, std::string_view nom,
                            camp_fitxer camp_esperat);
    std::string expandit(int i, std::string element_exercici::*camp, std::string_view nom,
                         camp_fitxer camp_esperat);
    std::string media(int i, std::string element_exercici::*camp, std::string_view nom,
                      camp_fitxer camp_esperat);
    void comprovar_codis(std::string_view text, const std::string& q);
    void comptador(std::int16_t& n, std::string_view nom);
    void comprovar_compte(std::int16_t declarat, std::size_t llegits, const forma_cos& forma);
    [[nodiscard]] std::string que(std::string_view prefix, long long i, std::string_view nom) const;

    estat_contingut& s_;
    lectura_contingut lr_;
    std::vector<avis_lectura>* avisos_;
    // The reader's record count where the body's entries begin, after the
    // general instruction, so that the records after the count are known.
    std::size_t inici_cos_ = 0;
};

bool es_buit(std::string_view text) {
    return retallar_espais(text).empty();
}

std::string lectura_exercici::que(std::string_view prefix, long long i,
                                  std::string_view nom) const {
    // Only notes use the description: plain loading does not build it.
    if (!lr_.amb_avisos()) {
        return {};
    }
    std::string q = std::string(prefix) + " " + text_decimal(i);
    if (!nom.empty()) {
        q += " " + std::string(nom);
    }
    return q;
}

void lectura_exercici::llegir(const std::string& cami) {
    lr_.obrir(cami);
    lr_.registre("the first record", camp_fitxer::capcalera);
    lr_.registre("the second record", camp_fitxer::capcalera);
    const std::size_t avisos_abans = avisos_ == nullptr ? 0 : avisos_->size();
    s_.tipus = tipus_de_text(lr_.valor("the exercise type", camp_fitxer::tipus));
    const tipus_exercici& tipus = s_.tipus;
    switch (tipus.cos()) {
    case cos_exercici::llista:
        cos_llista();
        break;
    case cos_exercici::items_a:
        cos_items(tipus.items_amagats());
        break;
    case cos_exercici::items_b:
        cos_items(false);
        break;
    case cos_exercici::cap:
        if (!lr_.amb_avisos() || lr_.passat_final()) {
            return;
        }
        if (!tipus.text.empty() && !es_enter_pla(tipus.text)) {
            lr_.avisar(missatge::avis_tipus_no_pla, "", {citar(tipus.text)});
        } else if (tipus.familia == familia_exercici::desconegut) {
            lr_.avisar(missatge::avis_tipus_desconegut, "", {tipus.text});
        } else if (tipus.text.empty() && avisos_->size() == avisos_abans) {
            lr_.avisar(missatge::avis_tipus_buit, "");
        }
        // A file that names no type it can play is usually written with
        // spaces for TABs throughout: each such record is named.
        if (tipus.familia == familia_exercici::desconegut || tipus.text.empty()) {
            lr_.comprovar_tabs_restants();
        }
        return;
    }
}

void lectura_exercici::comprovar_compte(std::int16_t declarat, std::size_t llegits,
                                        const forma_cos& forma) {
    if (!lr_.amb_avisos() || declarat < 0 || s_.linia_compte == 0) {
        return;
    }
    const std::size_t esperats = static_cast<std::size_t>(declarat) * forma.per_element;
    const std::size_t sense_finals = llegits > forma.finals ? llegits - forma.finals : 0;
    if (sense_finals == esperats) {
        return;
    }
    const std::size_t presents = sense_finals / forma.per_element;
    const std::size_t resta = sense_finals % forma.per_element;
    std::string missatge = "the count says " + text_decimal(declarat) + " " +
                           std::string(declarat == 1 ? forma.nom : forma.noms) +
                           ", but the file holds " + text_decimal(static_cast<long long>(presents));
    if (resta != 0) {
        missatge += " and " + text_decimal(static_cast<long long>(resta)) + " record" +
                    (resta == 1 ? "" : "s") + " more";
    }
    avisos_->push_back({s_.linia_compte, missatge});
}

void lectura_exercici::comptador(std::int16_t& n, std::string_view nom) {
    const std::string v = lr_.valor(nom, camp_fitxer::compte);
    lr_.comprovar_nombre(v, nom);
    if (!pas([&] { n = a_enter16(valor_numeric(v)); })) {
        lr_.avisar(missatge::avis_no_cap_16, nom, {citar(v), text_decimal(n)});
    }
    if (n < 0) {
        lr_.avisar(missatge::avis_negatiu, nom, {text_decimal(n)});
    }
}

void lectura_exercici::cos_llista() {
    comptador(s_.n_items, "the item count");
    s_.linia_compte = lr_.passat_final() ? 0 : lr_.linia();
    const tipus_exercici& tipus = s_.tipus;
    const bool notes = tipus.llista_de_notes();
    const bool trobar = tipus.familia == familia_exercici::escoltar_i_trobar;
    if (lr_.amb_avisos() && !lr_.passat_final() && s_.n_items >= 0) {
        if (trobar && s_.n_items < 2) {
            lr_.avisar(missatge::avis_res_a_preguntar, "", {text_decimal(s_.n_items)});
        } else if (s_.n_items == 0) {
            lr_.avisar(missatge::avis_sense_entrades, "");
        }
    }
    const std::string consigna = lr_.valor("the number", camp_fitxer::consigna_general);
    lr_.comprovar_nombre(consigna, "the number");
    pas([&] { s_.consigna_exercici = text_decimal_valor(valor_numeric(consigna)); });
    // A negative count leaves an empty list rather than an earlier exercise's.
    pas([&] { s_.llista_exercici.redimensionar(0, std::max(s_.n_items + 1, 0)); });
    inici_cos_ = lr_.registres_trobats();

    for (int i = 1; i <= s_.n_items && !lr_.passat_final(); ++i) {
        const std::string q = que("list entry", i, "");
        const std::string v = lr_.valor(q, camp_fitxer::entrada);
        // The last entry of listen-and-find is never asked.
        if (lr_.amb_avisos() && !lr_.passat_final() && es_buit(v) && !(trobar && i == s_.n_items)) {
            lr_.avisar(missatge::avis_entrada_buida, q, {text_decimal(i)});
        }
        pas([&] {
            const std::string resolt = lr_.resoldre(v);
            // Types 5 and 12 list MIDI notes, not media.
            if (notes) {
                lr_.comprovar_nombre(resolt, q);
            } else {
                lr_.comprovar_media(resolt, q);
            }
            s_.llista_exercici[i] = resolt;
        });
    }
    if (notes) {
        const std::string entrada = lr_.valor("list entry 0", camp_fitxer::instrument);
        pas([&] { s_.llista_exercici[0] = entrada; });
        const std::string extra = lr_.valor("valor_extra", camp_fitxer::canal);
        if (!pas([&] { s_.valor_extra = enter16_estricte(extra); }) && !lr_.passat_final()) {
            lr_.avisar(missatge::avis_no_enter16, "valor_extra",
                       {citar(extra), text_decimal(s_.valor_extra)});
        }
    }
    if (tipus.familia == familia_exercici::escoltar_i_trobar) {
        s_.n_elements = 0;
        pas([&] { s_.elements.redimensionar(0, 1); });
        pas([&] {
            element_exercici& e = s_.elements[1];
            e.correctes = "*";
            e.sequencia = "*";
            e.especials = "*";
        });
        media(1, &element_exercici::media_1, "media_1", camp_fitxer::media_1);
        media(1, &element_exercici::media_2, "media_2", camp_fitxer::media_2);
        media(1, &element_exercici::media_3, "media_3", camp_fitxer::media_3);
        media(1, &element_exercici::media_4, "media_4", camp_fitxer::media_4);
        pas([&] { s_.elements[1].media_5.clear(); });
    }
    const std::size_t llegits = lr_.registres_trobats() - inici_cos_;
    const std::size_t finals = (notes ? 2 : 0) + (trobar ? 4 : 0);
    comprovar_compte(s_.n_items, llegits + lr_.comprovar_sobrants(),
                     {1, finals, "list entry", "list entries"});
}

void lectura_exercici::cos_items(bool amb_respostes) {
    comptador(s_.n_elements, "the item count");
    s_.linia_compte = lr_.passat_final() ? 0 : lr_.linia();
    if (lr_.amb_avisos() && !lr_.passat_final() && s_.n_elements == 0) {
        lr_.avisar(missatge::avis_sense_items, "");
    }
    s_.consigna_exercici = lr_.valor("the general instruction", camp_fitxer::consigna_general);
    // A negative count leaves no items rather than an earlier exercise's.
    pas([&] { s_.elements.redimensionar(0, std::max(s_.n_elements + 1, 0)); });
    s_.linies_elements.clear();
    if (lr_.amb_avisos()) {
        s_.linies_elements.resize(static_cast<std::size_t>(std::max(s_.n_elements + 1, 0)));
    }
    inici_cos_ = lr_.registres_trobats();
    const tipus_exercici& tipus = s_.tipus;
    // Past the end of the file the items would read only empty records, and
    // they are empty as created.
    for (int i = 1; i <= s_.n_elements && !lr_.passat_final(); ++i) {
        item(i, tipus);
    }
    if (amb_respostes) {
        pas([&] { s_.llista_exercici.redimensionar(0, 4); });
        for (int k = 0; k <= 4; ++k) {
            const std::string q = que("answer", k, "");
            const std::string v = lr_.valor(q, camp_fitxer::pista);
            if (lr_.amb_avisos() && !lr_.passat_final() && es_buit(v)) {
                lr_.avisar(missatge::avis_pista_buida, q);
            }
            comprovar_codis(v, q);
            pas([&] { s_.llista_exercici[k] = codis_expandir(s_, v); });
        }
    }
    const bool textos = tipus.items_amb_formules();
    const std::size_t llegits = lr_.registres_trobats() - inici_cos_;
    comprovar_compte(s_.n_elements, llegits + lr_.comprovar_sobrants(),
                     {textos ? 10u : 9u, amb_respostes ? 5u : 0u, "item", "items"});
}

void lectura_exercici::item(int i, const tipus_exercici& tipus) {
    const bool avisos = lr_.amb_avisos();
    const auto ui = static_cast<std::size_t>(i);
    const std::string consigna = lr_.valor(que("item", i, "consigna"), camp_fitxer::consigna);
    pas([&] { s_.elements[i].consigna = consigna; });
    const std::string correctes =
        expandit(i, &element_exercici::correctes, "correctes", camp_fitxer::correctes);
    if (avisos && !lr_.passat_final()) {
        s_.linies_elements[ui].correctes = lr_.linia();
        if (tipus.items_amb_correctes() && es_buit(correctes)) {
            lr_.avisar(missatge::avis_correctes_buit, que("item", i, "correctes"));
        }
    }
    if (tipus.items_amb_formules()) {
        text_entre_cometes(i, &element_exercici::text_1, "text_1", camp_fitxer::regla_columnes);
        text_entre_cometes(i, &element_exercici::text_2, "text_2", camp_fitxer::regla_files);
    } else {
        const std::string sequencia =
            lr_.valor(que("item", i, "sequencia"), camp_fitxer::sequencia);
        if (avisos && !lr_.passat_final()) {
            s_.linies_elements[ui].sequencia = lr_.linia();
        }
        pas([&] { s_.elements[i].sequencia = sequencia; });
    }
    expandit(i, &element_exercici::especials, "especials", camp_fitxer::especials);
    if (avisos && !lr_.passat_final()) {
        s_.linies_elements[ui].especials = lr_.linia();
    }
    media(i, &element_exercici::media_1, "media_1", camp_fitxer::media_1);
    media(i, &element_exercici::media_2, "media_2", camp_fitxer::media_2);
    media(i, &element_exercici::media_3, "media_3", camp_fitxer::media_3);
    media(i, &element_exercici::media_4, "media_4", camp_fitxer::media_4);
    const std::string escenari =
        media(i, &element_exercici::media_5, "media_5", camp_fitxer::escenari);
    if (avisos && !lr_.passat_final() && tipus.items_amb_escenari() && es_buit(escenari)) {
        lr_.avisar(missatge::avis_sense_escenari, que("item", i, "media_5"));
    }
}

void lectura_exercici::text_entre_cometes(int i, std::string element_exercici::*camp,
                                          std::string_view nom, camp_fitxer camp_esperat) {
    const std::string q = que("item", i, nom);
    const std::string r = lr_.registre(q, camp_esperat);
    const std::string text = camp_extreure(s_, r, 2, "\"");
    if (lr_.amb_avisos() && !lr_.passat_final()) {
        const auto cometes = std::count(r.begin(), r.end(), '"');
        if (cometes == 0) {
            lr_.avisar(missatge::avis_sense_text_cometes, q, {citar(r)});
        } else if (cometes == 1) {
            lr_.avisar(missatge::avis_sense_cometa_final, q, {citar(r)});
        }
    }
    pas([&] { s_.elements[i].*camp = text; });
}

std::string lectura_exercici::expandit(int i, std::string element_exercici::*camp,
                                       std::string_view nom, camp_fitxer camp_esperat) {
    const std::string q = que("item", i, nom);
    std::string v = lr_.valor(q, camp_esperat);
    comprovar_codis(v, q);
    pas([&] { s_.elements[i].*camp = codis_expandir(s_, v); });
    return v;
}

std::string lectura_exercici::media(int i, std::string element_exercici::*camp,
                                    std::string_view nom, camp_fitxer camp_esperat) {
    const std::string q = que("item", i, nom);
    std::string v = lr_.valor(q, camp_esperat);
    pas([&] {
        const std::string resolt = lr_.resoldre(v);
        lr_.comprovar_media(resolt, q);
        s_.elements[i].*camp = resolt;
    });
    return v;
}

void lectura_exercici::comprovar_codis(std::string_view text, const std::string& q) {
    if (!lr_.amb_avisos()) {
        return;
    }
    std::size_t pos = 0;
    while (true) {
        const auto obre = text.find('(', pos);
        if (obre == std::string_view::npos) {
            return;
        }
        const auto tanca = text.find(')', obre);
        if (tanca == std::string_view::npos) {
            lr_.avisar(missatge::avis_codi_obert, q, {citar(text.substr(obre))});
            return;
        }
        const std::string_view codi_forma = text.substr(obre, tanca - obre + 1);
        if (std::find(codis_forma.begin(), codis_forma.end(), codi_forma) == codis_forma.end()) {
            lr_.avisar(missatge::avis_codi_desconegut, q, {citar(codi_forma)});
        } else {
            try {
                (void)forma_caselles(s_, codi_forma);
            } catch (const error_pas& e) {
                lr_.avisar(missatge::avis_codi_no_dibuixable, q,
                           {citar(codi_forma), text_decimal(s_.n_botons),
                            text_decimal(s_.n_columnes), e.what()});
            }
        }
        pos = tanca + 1;
    }
}

} // namespace

bool es_fitxer_exercici(servei_fitxers& fitxers, const std::string& cami) {
    auto text = fitxers.llegir_text(sense_cometes(cami));
    if (!text || text->find('\0') != std::string::npos) {
        return false;
    }
    lector fitxer(std::move(*text));
    std::string r;
    for (int i = 0; i < registres_capcalera && !fitxer.al_final(); ++i) {
        registre_llegir(fitxer, r);
        if (es_valor_etiquetat(r)) {
            return true;
        }
    }
    return false;
}

void exercici_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                       std::vector<avis_lectura>* avisos) {
    const std::string net = sense_cometes(cami);
    // The scratch exercise the program writes for itself does not replace the
    // exercise the operator opened (and shows in the caption).
    if (!mateix_cami(net, s.carpeta_programa + "\\bdr.tmp")) {
        s.fitxer_exercici = net;
    }
    std::string llegir = net;
    if (const auto complet = fitxers.cami_complet(net)) {
        s.carpeta_exercici = carpeta_de(net);
        // A relative path would name another file, and its folder another
        // folder, once the current folder changes below: use the full path.
        if (fitxers.nom_unitat(net).empty()) {
            s.carpeta_exercici = carpeta_de(*complet);
            llegir = *complet;
        }
    } else {
        s.carpeta_exercici = net;
    }
    // A folder that cannot be made current only leaves relative media
    // names to the current folder as it is.
    (void)fitxers.canviar_carpeta_actual(s.carpeta_exercici);
    const std::size_t abans = avisos == nullptr ? 0 : avisos->size();
    lectura_exercici(s, fitxers, avisos).llegir(llegir);
    // Some findings are known only at the end (a count against what
    // followed it): the author reads them in the order of the file.
    if (avisos != nullptr) {
        std::stable_sort(
            avisos->begin() + static_cast<std::ptrdiff_t>(abans), avisos->end(),
            [](const avis_lectura& a, const avis_lectura& b) { return a.linia < b.linia; });
    }
}

bool exercici_obrir(estat_contingut& s, serveis& sv, finestra& form1, const std::string& cami,
                    std::vector<avis_lectura>* avisos) {
    // Loading a file that is not an exercise would read no body and keep
    // the previous exercise's items, which would then start again.
    if (!es_fitxer_exercici(sv.fitxers, cami)) {
        const std::string text =
            text_missatge(s, missatge::no_es_exercici, {nom_fitxer(sense_cometes(cami))});
        posar_linia_estat(form1, text);
        sv.eines.missatge(text, botons_missatge::ok, text_missatge(s, missatge::titol_pregunta));
        return false;
    }
    exercici_carregar(s, sv.fitxers, cami, avisos);
    form1.posar_caption_finestra("Quorvel - " + nom_fitxer(s.fitxer_exercici));
    return true;
}

bool exercici_menu_obrir(estat_contingut& s, serveis& sv, finestra& form1,
                         std::vector<avis_lectura>* avisos) {
    // The dialog opens where the last exercise came from, or among the
    // bundled exercises, or in the program folder when it has none. (After a
    // file that was not found, carpeta_exercici is that file's path, not a folder.)
    const bool carpeta_valida =
        !s.carpeta_exercici.empty() && es_separador(s.carpeta_exercici.back());
    const std::string biblioteca = s.carpeta_programa + "\\exercicis";
    const std::string carpeta = carpeta_valida                            ? s.carpeta_exercici
                                : sv.fitxers.existeix_carpeta(biblioteca) ? biblioteca + "\\"
                                                                          : s.carpeta_programa;
    const std::string cami = obrir_fitxer(
        sv, form1, carpeta, filtre_convertir(text_missatge(s, missatge::filtre_exercicis)),
        text_missatge(s, missatge::titol_obrir_exercici));
    if (cami.empty()) {
        return false;
    }
    return exercici_obrir(s, sv, form1, cami, avisos);
}

} // namespace quorvel
