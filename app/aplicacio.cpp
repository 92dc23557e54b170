#include "app/aplicacio.h"

#include "app/configuracio.h"
#include "app/finestra_principal.h"
#include "board/dibuixar.h"
#include "board/mapa.h"
#include "content/forma_tauler.h"
#include "core/errors.h"
#include "core/linia_estat.h"
#include "core/nombres.h"
#include "core/noms_elements.h"
#include "core/pas.h"
#include "engine/exercici_inicialitzar.h"
#include "i18n/idioma.h"
#include "i18n/missatges.h"
#include "joystick/joystick.h"
#include "platform/servei_fitxers.h"
#include "stage/media.h"
#include "stage/midi.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

constexpr const char* credits_autor = "Quorvel developers, 2026";
constexpr const char* credits_contacte = "quorvel@example.org";
constexpr const char* credits_web = "https://quorvel.example.org";

} // namespace

std::string comandaments_trobats(const sessio& s, servei_joystick& joystick) {
    if (s.n_joysticks < 1) {
        return text_missatge(s, missatge::sense_comandaments);
    }
    std::string noms;
    for (int j = 1; j <= s.n_joysticks; ++j) {
        if (!s.joysticks.dins(j)) {
            continue;
        }
        noms += (noms.empty() ? "" : ", ") + joystick.nom(s.joysticks[j].dispositiu - 1);
    }
    return text_missatge(s, missatge::comandaments_trobats, {text_decimal(s.n_joysticks), noms});
}

std::string guia_ajuda(const sessio& s, servei_fitxers& fitxers) {
    const std::string codi = text_missatge(s, missatge::codi_idioma);
    // The code comes from a language file: it names a file, never a path.
    const bool codi_valid =
        !codi.empty() && codi.size() <= 8 && std::all_of(codi.begin(), codi.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        });
    for (const std::string& c : {codi_valid ? codi : std::string("ca"), std::string("ca")}) {
        const std::string cami = s.carpeta_programa + "\\ajuda\\" + c + ".md";
        if (fitxers.existeix_fitxer(cami)) {
            return cami;
        }
    }
    return {};
}

aplicacio::aplicacio(serveis sv, std::string carpeta_programa, std::string carpeta_usuari)
    : sv_(sv) {
    sessio_.carpeta_programa = std::move(carpeta_programa);
    sessio_.carpeta_usuari = std::move(carpeta_usuari);
    finestra_principal_construir(form1_);
    registrar_gestors();
}

aplicacio::~aplicacio() {
    sv_.eines.desregistrar(form1_);
    // The devices may outlive the console their failures were told on.
    sv_.media.en_fallada({});
    sv_.midi.en_fallada({});
}

void aplicacio::registrar_gestors() {
    form1_.en_canvi(elements::columnes, [this](std::optional<int>) { canvi_columnes(); });
    form1_.en_clic(elements::joy_invers, [this](std::optional<int>) {
        sessio_.invers = form1_.obtenir(elements::joy_invers).valor > 0;
    });
    form1_.en_clic(elements::explorar_cursors, [this](std::optional<int>) {
        sessio_.cursors = form1_.obtenir(elements::explorar_cursors).valor > 0;
    });
    form1_.en_clic(elements::mn_idioma,
                   [this](std::optional<int> i) { idioma_triat(i.value_or(0)); });
    form1_.en_clic(elements::mn_ajuda, [this](std::optional<int>) { quant_a(); });
    form1_.en_clic(elements::sortir, [this](std::optional<int>) { sv_.eines.sortir(); });
    form1_.en_clic(elements::mn_crear_mapa, [this](std::optional<int>) {
        if (!sv_.dialegs.preguntar(form1_,
                                   text_missatge(sessio_, missatge::pregunta_crear_mapa,
                                                 {text_decimal(sessio_.n_botons)}),
                                   text_missatge(sessio_, missatge::titol_pregunta))) {
            return;
        }
        mapa_crear(sessio_);
        dibuixar();
    });
    form1_.en_clic(elements::mn_mapa_desar,
                   [this](std::optional<int>) { mapa_menu_desar(sessio_, sv_, form1_); });
    form1_.en_clic(elements::mn_mapa_recuperar,
                   [this](std::optional<int>) { mapa_menu_recuperar(sessio_, sv_, form1_); });
    form1_.en_clic(elements::mn_dibuixar, [this](std::optional<int>) { dibuixar(); });
}

void aplicacio::arrencar() {
    sv_.eines.registrar(form1_);

    sessio_.versio = versio_programa;
    form1_.posar_caption_finestra("Quorvel");

    omplir_menu_idiomes();

    joysticks_preparar(sessio_, sv_.joystick);

    // The settings, the language and the map come from files the operator
    // may have edited by hand: a file the readers cannot make sense of must
    // not stop the program from starting.
    pas([&] { configuracio_preparar_carpeta_usuari(sessio_, sv_.fitxers); });
    pas([&] { configuracio_llegir(sessio_, sv_.fitxers, sv_.perfil); });
    pas([&] {
        idioma_carregar(sessio_, sv_.fitxers);
        idioma_aplicar(sessio_, form1_);
    });

    joysticks_enumerar(sessio_, sv_.joystick);
    posar_linia_estat(form1_, comandaments_trobats(sessio_, sv_.joystick));
    mapa_entrades_crear(sessio_);
    pas([&] { mapa_carregar(sessio_, sv_.fitxers, mapa_cami_inici(sessio_, sv_.fitxers)); });

    form1_.posar_valor(elements::explorar_cursors, {}, sessio_.cursors ? 1 : 0);
    form1_.posar_valor(elements::joy_invers, {}, sessio_.invers ? 1 : 0);

    // A column count below 1 has no layout; it is treated like a missing one.
    forma_columnes_valides(sessio_);
    // Redraws the preview through the n_col handler when the text changes.
    form1_.posar_text(elements::columnes, {}, text_decimal(sessio_.n_columnes));

    exercici_inicialitzar(sessio_, [this] { midi_tancar(sessio_, sv_); });
    fallades_mostrar(sessio_, sv_, form1_);

    // The console shows once loaded.
    form1_.posar_visible_finestra(true);
}

void aplicacio::omplir_menu_idiomes() {
    // One visible item per language file (the first reuses the design-time
    // item) and one trailing hidden item. Teachers choose a language, not a
    // file: each item shows the name its file gives, and the file name is
    // what the settings keep.
    fitxers_idioma_ = sv_.fitxers.llistar(sessio_.carpeta_programa, "*.trad");
    for (const std::string& nom : fitxers_idioma_) {
        const int c = form1_.index_maxim(elements::mn_idioma) + 1;
        form1_.posar_caption(elements::mn_idioma, c - 1,
                             nom_idioma(sv_.fitxers, sessio_.carpeta_programa + "\\" + nom));
        form1_.posar_visible(elements::mn_idioma, c - 1, true);
        form1_.carregar(elements::mn_idioma, c);
        form1_.posar_visible(elements::mn_idioma, c, false);
    }
}

void aplicacio::canvi_columnes() {
    const double v = valor_numeric(form1_.obtenir(elements::columnes).text);
    if (!(v > 0)) {
        return;
    }
    std::int16_t columnes = 0;
    try {
        columnes = a_enter16(v);
    } catch (const error_desbordament&) {
        return;
    }
    // A value that rounds to 0 gives no layout either: the count stays.
    if (columnes < 1) {
        return;
    }
    forma_posar_columnes(sessio_, columnes);
    dibuixar();
}

void aplicacio::idioma_triat(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= fitxers_idioma_.size()) {
        return;
    }
    sessio_.idioma = fitxers_idioma_[static_cast<std::size_t>(index)];
    pas([&] {
        idioma_carregar(sessio_, sv_.fitxers);
        idioma_aplicar(sessio_, form1_);
    });
    configuracio_desar_idioma(sessio_, sv_.perfil);
    if (en_idioma) {
        en_idioma();
    }
}

void aplicacio::quant_a() {
    const std::string text = "Quorvel v1" + sessio_.versio + "\r" + credits_autor + "\r" +
                             credits_contacte + "\r" + credits_web;
    if (en_ajuda) {
        if (const std::string guia = guia_ajuda(sessio_, sv_.fitxers); !guia.empty()) {
            en_ajuda(guia, text_missatge(sessio_, missatge::titol_ajuda), text);
            return;
        }
    }
    sv_.eines.missatge(text, botons_missatge::ok, "Quorvel");
}

void aplicacio::tancar() {
    midi_tancar(sessio_, sv_);
}

void aplicacio::dibuixar() {
    quorvel::dibuixar(sessio_, form1_);
}

} // namespace quorvel
