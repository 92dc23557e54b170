// Opening an exercise as the operator's choice: a file that is no exercise is
// refused with a message, a loaded one names the console's caption; and the
// "Exercicis" menu command that asks for the file.
#include "content/exercici_fitxer.h"

#include "content/estat_contingut.h"
#include "content/exercici_carpeta.h"
#include "core/dialegs_fitxer.h"
#include "core/finestra.h"
#include "core/linia_estat.h"
#include "i18n/missatges.h"
#include "platform/eines.h"
#include "platform/serveis.h"

namespace quorvel {

bool exercici_obrir(estat_contingut& s, serveis& sv, finestra& form1, const std::string& cami,
                    std::vector<avis_lectura>* avisos) {
    // Loading a file that is not an exercise would read no body and keep
    // the previous exercise's items, which would then start again.
    if (!es_fitxer_exercici(sv.fitxers, cami)) {
        const std::string text = text_missatge(s, missatge::no_es_exercici,
                                               {nom_fitxer_exercici(cami_sense_cometes(cami))});
        posar_linia_estat(form1, text);
        sv.eines.missatge(text, botons_missatge::ok, text_missatge(s, missatge::titol_pregunta));
        return false;
    }
    exercici_carregar(s, sv.fitxers, cami, avisos);
    form1.posar_caption_finestra("Quorvel - " + nom_fitxer_exercici(s.fitxer_exercici));
    return true;
}

bool exercici_menu_obrir(estat_contingut& s, serveis& sv, finestra& form1,
                         std::vector<avis_lectura>* avisos) {
    const std::string carpeta = carpeta_dialeg_exercicis(s, sv.fitxers);
    const std::string cami = obrir_fitxer(
        sv, form1, carpeta, filtre_convertir(text_missatge(s, missatge::filtre_exercicis)),
        text_missatge(s, missatge::titol_obrir_exercici));
    if (cami.empty()) {
        return false;
    }
    return exercici_obrir(s, sv, form1, cami, avisos);
}

} // namespace quorvel
