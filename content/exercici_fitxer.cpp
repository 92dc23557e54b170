#include "content/exercici_fitxer.h"

#include "content/dibuix.h"
#include "content/estat_contingut.h"
#include "content/registre.h"
#include "content/tipus_exercici.h"
#include "core/dialegs_fitxer.h"
#include "core/finestra.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"
#include "platform/serveis.h"

#include <algorithm>
#include <array>

namespace quorvel {

namespace {

enum class cos_exercici { cap, llista, items_a, items_b };

// The body an exercise file holds after its type; only races 30 and 31 have one.
cos_exercici cos_del_tipus(const tipus_exercici& tipus) {
    switch (tipus.familia) {
    case familia_exercici::escoltar_tauler:
    case familia_exercici::midi:
    case familia_exercici::escoltar_i_trobar:
        return cos_exercici::llista;
    case familia_exercici::recorregut:
    case familia_exercici::parelles:
    case familia_exercici::camins_fletxes:
    case familia_exercici::caselles_marcades:
        return cos_exercici::items_a;
    case familia_exercici::cursa:
        return tipus.numero <= 31 ? cos_exercici::items_a : cos_exercici::cap;
    case familia_exercici::comptar:
    case familia_exercici::comptar_fins:
        return cos_exercici::items_b;
    case familia_exercici::cap:
    case familia_exercici::configuracio:
    case familia_exercici::desconegut:
        break;
    }
    return cos_exercici::cap;
}

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

bool es_enter_pla(std::string_view text) {
    if (text.empty() || (text.size() > 1 && text.front() == '0')) {
        return false;
    }
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

class lectura_exercici {
  public:
    lectura_exercici(estat_contingut& s, servei_fitxers& fitxers, std::vector<avis_lectura>* avisos)
        : s_(s), lr_(s, fitxers, avisos) {}

    void llegir(const std::string& cami);

  private:
    void cos_llista();
    void cos_items(bool amb_respostes);
    void item(int i, bool textos_entre_cometes);
    void text_entre_cometes(int i, std::string element_exercici::*camp, std::string_view nom);
    void expandit(int i, std::string element_exercici::*camp, std::string_view nom);
    void media(int i, std::string element_exercici::*camp, std::string_view nom);
    void comprovar_codis(std::string_view text, const std::string& q);
    void comptador(std::int16_t& n, std::string_view nom);
    [[nodiscard]] std::string que(std::string_view prefix, long long i, std::string_view nom) const;

    estat_contingut& s_;
    lectura_contingut lr_;
};

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
    lr_.registre("the first record");
    lr_.registre("the second record");
    s_.tipus_exercici = lr_.valor("the exercise type");
    const tipus_exercici tipus = tipus_de_text(s_.tipus_exercici);
    switch (cos_del_tipus(tipus)) {
    case cos_exercici::llista:
        cos_llista();
        break;
    case cos_exercici::items_a:
        cos_items(tipus.numero == 51);
        break;
    case cos_exercici::items_b:
        cos_items(false);
        break;
    case cos_exercici::cap:
        if (!lr_.passat_final() && !s_.tipus_exercici.empty() && !es_enter_pla(s_.tipus_exercici)) {
            lr_.avisar("the type " + citar(s_.tipus_exercici) +
                       " is not written as a plain number, so no body is read");
        }
        return;
    }
    lr_.comprovar_sobrants();
}

void lectura_exercici::comptador(std::int16_t& n, std::string_view nom) {
    const std::string v = lr_.valor(nom);
    lr_.comprovar_nombre(v, nom);
    if (!pas([&] { n = a_enter16(valor_numeric(v)); })) {
        lr_.avisar(std::string(nom) + " " + citar(v) + " does not fit 16 bits; the previous " +
                   text_decimal(n) + " is kept");
    }
    if (n < 0) {
        lr_.avisar(std::string(nom) + " " + text_decimal(n) + " is negative: nothing is read");
    }
}

void lectura_exercici::cos_llista() {
    comptador(s_.n_items, "the item count");
    const std::string consigna = lr_.valor("the number");
    lr_.comprovar_nombre(consigna, "the number");
    pas([&] { s_.consigna_exercici = text_decimal_valor(valor_numeric(consigna)); });
    // A negative count leaves an empty list rather than an earlier exercise's.
    pas([&] { s_.llista_exercici.redimensionar(0, std::max(s_.n_items + 1, 0)); });

    const tipus_exercici tipus = tipus_de_text(s_.tipus_exercici);
    const bool notes = tipus.numero == 5 || tipus.numero == 12;
    for (int i = 1; i <= s_.n_items && !lr_.passat_final(); ++i) {
        const std::string q = que("list entry", i, "");
        const std::string v = lr_.valor(q);
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
        const std::string entrada = lr_.valor("list entry 0");
        pas([&] { s_.llista_exercici[0] = entrada; });
        const std::string extra = lr_.valor("valor_extra");
        if (!pas([&] { s_.valor_extra = enter16_estricte(extra); }) && !lr_.passat_final()) {
            lr_.avisar("valor_extra " + citar(extra) + " is not a 16-bit number; " +
                       text_decimal(s_.valor_extra) + " is kept");
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
        media(1, &element_exercici::media_1, "media_1");
        media(1, &element_exercici::media_2, "media_2");
        media(1, &element_exercici::media_3, "media_3");
        media(1, &element_exercici::media_4, "media_4");
        pas([&] { s_.elements[1].media_5.clear(); });
    }
}

void lectura_exercici::cos_items(bool amb_respostes) {
    comptador(s_.n_elements, "the item count");
    s_.consigna_exercici = lr_.valor("the general instruction");
    // A negative count leaves no items rather than an earlier exercise's.
    pas([&] { s_.elements.redimensionar(0, std::max(s_.n_elements + 1, 0)); });
    const tipus_exercici tipus = tipus_de_text(s_.tipus_exercici);
    const bool textos = tipus.numero == 8 || tipus.numero == 17;
    // Past the end of the file the items would read only empty records, and
    // they are empty as created.
    for (int i = 1; i <= s_.n_elements && !lr_.passat_final(); ++i) {
        item(i, textos);
    }
    if (amb_respostes) {
        pas([&] { s_.llista_exercici.redimensionar(0, 4); });
        for (int k = 0; k <= 4; ++k) {
            const std::string q = que("answer", k, "");
            const std::string v = lr_.valor(q);
            comprovar_codis(v, q);
            pas([&] { s_.llista_exercici[k] = codis_expandir(s_, v); });
        }
    }
}

void lectura_exercici::item(int i, bool textos_entre_cometes) {
    const std::string consigna = lr_.valor(que("item", i, "consigna"));
    pas([&] { s_.elements[i].consigna = consigna; });
    expandit(i, &element_exercici::correctes, "correctes");
    if (textos_entre_cometes) {
        text_entre_cometes(i, &element_exercici::text_1, "text_1");
        text_entre_cometes(i, &element_exercici::text_2, "text_2");
    } else {
        const std::string sequencia = lr_.valor(que("item", i, "sequencia"));
        pas([&] { s_.elements[i].sequencia = sequencia; });
    }
    expandit(i, &element_exercici::especials, "especials");
    media(i, &element_exercici::media_1, "media_1");
    media(i, &element_exercici::media_2, "media_2");
    media(i, &element_exercici::media_3, "media_3");
    media(i, &element_exercici::media_4, "media_4");
    media(i, &element_exercici::media_5, "media_5");
}

void lectura_exercici::text_entre_cometes(int i, std::string element_exercici::*camp,
                                          std::string_view nom) {
    const std::string q = que("item", i, nom);
    const std::string r = lr_.registre(q);
    const std::string text = camp_extreure(s_, r, 2, "\"");
    if (lr_.amb_avisos() && !lr_.passat_final()) {
        const auto cometes = std::count(r.begin(), r.end(), '"');
        if (cometes == 0) {
            lr_.avisar(q + ": the record " + citar(r) +
                       " holds no text between double quotes, so it is empty");
        } else if (cometes == 1) {
            lr_.avisar(q + ": the record " + citar(r) +
                       " has no closing double quote; read to the end of the record");
        }
    }
    pas([&] { s_.elements[i].*camp = text; });
}

void lectura_exercici::expandit(int i, std::string element_exercici::*camp, std::string_view nom) {
    const std::string q = que("item", i, nom);
    const std::string v = lr_.valor(q);
    comprovar_codis(v, q);
    pas([&] { s_.elements[i].*camp = codis_expandir(s_, v); });
}

void lectura_exercici::media(int i, std::string element_exercici::*camp, std::string_view nom) {
    const std::string q = que("item", i, nom);
    const std::string v = lr_.valor(q);
    pas([&] {
        const std::string resolt = lr_.resoldre(v);
        lr_.comprovar_media(resolt, q);
        s_.elements[i].*camp = resolt;
    });
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
            lr_.avisar(q + ": the shape code " + citar(text.substr(obre)) +
                       " has no closing ')'; it is dropped with the rest of the text");
            return;
        }
        const std::string_view codi_forma = text.substr(obre, tanca - obre + 1);
        if (std::find(codis_forma.begin(), codis_forma.end(), codi_forma) == codis_forma.end()) {
            lr_.avisar(q + ": the shape code " + citar(codi_forma) + " is unknown and vanishes");
        } else {
            try {
                (void)forma_caselles(s_, codi_forma);
            } catch (const error_pas& e) {
                lr_.avisar(q + ": the shape code " + citar(codi_forma) +
                           " cannot be drawn on a board of " + text_decimal(s_.n_botons) +
                           " cells in rows of " + text_decimal(s_.n_columnes) + " (" + e.what() +
                           "), so the field is left empty");
            }
        }
        pos = tanca + 1;
    }
}

} // namespace

void exercici_carregar(estat_contingut& s, servei_fitxers& fitxers, const std::string& cami,
                       std::vector<avis_lectura>* avisos) {
    std::string net = cami;
    if (!net.empty() && net.front() == '"') {
        net.erase(0, 1);
    }
    if (!net.empty() && net.back() == '"') {
        net.pop_back();
    }
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
    lectura_exercici(s, fitxers, avisos).llegir(llegir);
}

void exercici_obrir(estat_contingut& s, servei_fitxers& fitxers, finestra& form1,
                    const std::string& cami, std::vector<avis_lectura>* avisos) {
    exercici_carregar(s, fitxers, cami, avisos);
    const std::string& fitxer = s.fitxer_exercici;
    const auto separador = fitxer.find_last_of("\\/");
    form1.posar_caption_finestra(
        "Quorvel - " + (separador == std::string::npos ? fitxer : fitxer.substr(separador + 1)));
}

bool exercici_menu_obrir(estat_contingut& s, serveis& sv, finestra& form1,
                         std::vector<avis_lectura>* avisos) {
    // The dialog opens where the last exercise came from, or in the program
    // folder, where the bundled exercises are. (After a file that was not
    // found, carpeta_exercici is that file's path, not a folder.)
    const bool carpeta_valida =
        !s.carpeta_exercici.empty() && es_separador(s.carpeta_exercici.back());
    const std::string carpeta = carpeta_valida ? s.carpeta_exercici : s.carpeta_programa;
    const std::string cami = obrir_fitxer(sv, form1, carpeta, filtre_convertir(filtre_exercicis),
                                          std::string(titol_obrir_exercici));
    if (cami.empty()) {
        return false;
    }
    exercici_obrir(s, sv.fitxers, form1, cami, avisos);
    return true;
}

} // namespace quorvel
