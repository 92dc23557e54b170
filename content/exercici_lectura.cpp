// Reading an exercise file's records into the session: the header, the type,
// and the body the type selects (a list of media entries or a list of items).
#include "content/exercici_lectura.h"

#include "content/dibuix.h"
#include "content/registre.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"

#include <algorithm>

namespace quorvel {

namespace {} // namespace

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
        comprovar_tipus(avisos_abans, tipus);
        break;
    }
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

} // namespace quorvel
