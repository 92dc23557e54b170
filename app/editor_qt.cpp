#include "app/editor_qt.h"

#include "app/programa.h"
#include "board/instantania_tauler.h"
#include "board/simulacio.h"
#include "content/forma_tauler.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/text.h"
#include "engine/estat_joc.h"
#include "engine/motor.h"
#include "i18n/missatges.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_exercici.h"

#include <QFileDialog>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <optional>
#include <vector>

namespace fs = std::filesystem;

namespace quorvel {

namespace {

// What a try changes of the teacher's board, to be put back when it ends.
struct tauler_desat {
    tauler_desat(const estat_joc& s, const finestra& form1)
        : instantania(s, form1), simulat(s.tauler_simulat), num_butons(s.num_butons),
          n_joysticks(s.n_joysticks), n_columnes(s.n_columnes), joysticks(s.joysticks),
          mapa_fitxer(s.mapa_fitxer), fitxer_exercici(s.fitxer_exercici),
          carpeta_exercici(s.carpeta_exercici) {}

    void restaurar(estat_joc& s, finestra& form1) const {
        s.tauler_simulat = simulat;
        s.num_butons = num_butons;
        forma_posar_joysticks(s, n_joysticks);
        forma_posar_columnes(s, n_columnes);
        s.joysticks = joysticks;
        s.mapa_fitxer = mapa_fitxer;
        s.fitxer_exercici = fitxer_exercici;
        s.carpeta_exercici = carpeta_exercici;
        instantania.restaurar(s, form1);
    }

    instantania_tauler instantania;
    bool simulat;
    decltype(estat_joc::num_butons) num_butons;
    std::int16_t n_joysticks;
    std::int16_t n_columnes;
    decltype(estat_joc::joysticks) joysticks;
    std::string mapa_fitxer;
    std::string fitxer_exercici;
    std::string carpeta_exercici;
};

} // namespace

struct editor_qt::dades {
    programa& p;
    servei_fitxers& fitxers;
    fs::path carpeta_usuari;
    std::optional<tauler_desat> desat;
    int observador = -1;
    QPointer<finestra_editor> provant;

    void provar(finestra_editor* editor, const fs::path& copia, int caselles, int columnes) {
        finestra& form1 = p.app().form1();
        estat_joc& s = p.app().estat();
        if (!desat) {
            desat.emplace(s, form1);
        }
        provant = editor;
        // One pad of as many buttons as the board has cells, in rows as the editor draws.
        simulacio_preparar(s, form1, 1, static_cast<std::int16_t>(caselles));
        forma_posar_columnes(s, static_cast<std::int16_t>(columnes));
        if (observador < 0) {
            observador = form1.observar([this](const element& e, propietat q) {
                if (q == propietat::habilitat && e.nom == elements::t_joystick && !e.habilitat) {
                    // The try has stopped; the board is given back once the
                    // stop has finished its own work.
                    QTimer::singleShot(0, [this] { acabar(); });
                }
            });
        }
        p.exercicis().obrir_exercici(de_utf8(copia.string()));
    }

    void acabar() {
        finestra& form1 = p.app().form1();
        if (form1.obtenir(elements::t_joystick).habilitat || !desat) {
            return;
        }
        form1.deixar_observar(observador);
        observador = -1;
        desat->restaurar(p.app().estat(), form1);
        desat.reset();
        if (provant) {
            provant->show();
            provant->raise();
            provant->activateWindow();
        }
    }
};

editor_qt::editor_qt(programa& p, servei_fitxers& fitxers, fs::path carpeta_usuari)
    : d_(std::make_unique<dades>(dades{p, fitxers, std::move(carpeta_usuari), {}, -1, {}})) {
    p.exercicis().en_nou_exercici = [this] {
        std::error_code ec;
        fs::create_directories(d_->carpeta_usuari, ec);
        const QString cami = QFileDialog::getSaveFileName(
            nullptr, qtext(text_missatge(d_->p.app().estat(), missatge::titol_obrir_exercici)),
            QString::fromStdString(d_->carpeta_usuari.string()), QStringLiteral("*.brd"));
        if (!cami.isEmpty()) {
            fs::path fitxer(cami.toStdString());
            if (fitxer.extension().empty()) {
                fitxer += ".brd";
            }
            obrir(fitxer);
        }
    };
    p.exercicis().en_editar_exercici = [this] {
        const std::string& obert = d_->p.app().estat().fitxer_exercici;
        if (!obert.empty()) {
            obrir(fitxers_disc::cami_local(obert));
            return;
        }
        const QString cami = QFileDialog::getOpenFileName(
            nullptr, qtext(text_missatge(d_->p.app().estat(), missatge::titol_obrir_exercici)),
            QString::fromStdString(d_->carpeta_usuari.string()), QStringLiteral("*.brd"));
        if (!cami.isEmpty()) {
            obrir(cami.toStdString());
        }
    };
}

editor_qt::~editor_qt() {
    d_->p.exercicis().en_nou_exercici = {};
    d_->p.exercicis().en_editar_exercici = {};
    if (d_->observador >= 0) {
        d_->p.app().form1().deixar_observar(d_->observador);
    }
}

void editor_qt::obrir(const fs::path& cami) {
    auto* editor = new finestra_editor(d_->p.app().estat(), d_->fitxers, d_->carpeta_usuari);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->en_provar = [this, editor](const fs::path& copia, int caselles, int columnes) {
        d_->provar(editor, copia, caselles, columnes);
    };
    if (!editor->obrir(cami)) {
        editor->close();
        return;
    }
    editor->show();
    editor->raise();
}

} // namespace quorvel
