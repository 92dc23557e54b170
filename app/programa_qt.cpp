#include "app/programa_qt.h"

#include "app/editor_qt.h"
#include "app/finestra_principal.h"
#include "app/linia_ordres.h"
#include "app/peces_qt.h"
#include "app/programa.h"
#include "board/simulacio.h"
#include "core/finestra.h"
#include "core/noms_elements.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/local/carpeta_programa.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/local/rellotge_sistema.h"
#include "platform/local/teclat_joystick.h"
#include "platform/midi/midi_sortida.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/dialegs_qt.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/finestra_ajuda.h"
#include "platform/qt/llocs_ginys.h"
#include "platform/qt/media_qt.h"
#include "platform/qt/sondeig_immediat.h"
#include "platform/qt/traduccions_qt.h"
#include "platform/qt/vista_escenari.h"
#include "platform/qt/vista_finestra.h"
#include "platform/sdl/joystick_sdl.h"

#include <QApplication>
#include <QCommandLineParser>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>

namespace quorvel {

namespace {

// The command line read; an exit status when the run ends here (help,
// version, bad usage).
struct lectura_linia {
    ordres_linia ordres;
    // --edit: the exercise to open in the editor (local path).
    std::string editar;
    std::optional<int> sortida;
};

// Read twice: before the toolkit starts, so that help, version and a bad
// simulation need no display (the toolkit's own options may still be there,
// so nothing else counts yet); then with the toolkit's options taken out.
lectura_linia llegir_linia(int argc, char** argv, bool definitiu) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Board exercises for the classroom: the operator's console and the "
                       "players' stage."));
    const QCommandLineOption ajuda = parser.addHelpOption();
    const QCommandLineOption versio = parser.addVersionOption();
    const QCommandLineOption simular(
        QStringLiteral("simulate"),
        QStringLiteral("Set the board up without pads, as Tauler > Simular does: J pads of B "
                       "buttons each (for example 2x8)."),
        QStringLiteral("JxB"));
    parser.addOption(simular);
    const QCommandLineOption editar(
        QStringLiteral("edit"),
        QStringLiteral("Open the exercise editor on FILE.brd, created when it does not exist."),
        QStringLiteral("FILE.brd"));
    parser.addOption(editar);
    parser.addPositionalArgument(QStringLiteral("FILE.brd"),
                                 QStringLiteral("An exercise to open and start, as Fitxers > "
                                                "Exercicis does."),
                                 QStringLiteral("[FILE.brd]"));

    lectura_linia r;
    const auto mal_us = [&](const QString& text) {
        QString ajuda_text = parser.helpText();
        ajuda_text.replace(QStringLiteral("<executable_name>"), QStringLiteral("quorvel"));
        std::fprintf(stderr, "quorvel: %s\n%s", qPrintable(text), qPrintable(ajuda_text));
        r.sortida = 2;
    };
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (!parser.parse(arguments) && definitiu) {
        mal_us(parser.errorText());
        return r;
    }
    if (parser.isSet(ajuda) || parser.isSet(QStringLiteral("help-all"))) {
        QString ajuda_text = parser.helpText();
        ajuda_text.replace(QStringLiteral("<executable_name>"), QStringLiteral("quorvel"));
        std::fputs(qPrintable(ajuda_text), stdout);
        r.sortida = 0;
        return r;
    }
    if (parser.isSet(versio)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        r.sortida = 0;
        return r;
    }
    if (parser.isSet(simular)) {
        r.ordres.simulacio = llegir_simulacio(parser.value(simular).toStdString());
        if (!r.ordres.simulacio) {
            mal_us(QStringLiteral("--simulate takes JxB, J pads of B buttons, each at least 1 "
                                  "and at most %1 cells in all, not '%2'")
                       .arg(simulacio_maxim_caselles)
                       .arg(parser.value(simular)));
            return r;
        }
    }
    const QStringList fitxers = parser.positionalArguments();
    if (!definitiu) {
        return r;
    }
    if (parser.isSet(editar)) {
        r.editar = std::filesystem::absolute(parser.value(editar).toStdString()).string();
    }
    if (fitxers.size() > 1) {
        mal_us(QStringLiteral("one exercise file at most"));
        return r;
    }
    if (!fitxers.isEmpty()) {
        const std::filesystem::path cami = std::filesystem::absolute(fitxers.front().toStdString());
        std::error_code ec;
        if (!std::filesystem::is_regular_file(cami, ec)) {
            mal_us(QStringLiteral("no exercise file '%1'").arg(fitxers.front()));
            return r;
        }
        r.ordres.exercici = de_utf8(cami.string());
    }
    return r;
}

} // namespace

int programa_executar(int argc, char** argv, const opcions_execucio& opcions) {
    // SDL would turn SIGINT and SIGTERM into events nobody reads, and the
    // program could then not be stopped by the session or the system.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    // The package's version; the caption and the about box keep the
    // program's own label.
    QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSIO));
    if (const lectura_linia abans = llegir_linia(argc, argv, false); abans.sortida) {
        return *abans.sortida;
    }
    QApplication qt(argc, argv);
    const lectura_linia linia = llegir_linia(argc, argv, true);
    if (linia.sortida) {
        return *linia.sortida;
    }

    const carpetes_execucio carpetes =
        opcions.carpeta_programa.empty()
            ? carpetes_execucio_actuals()
            : carpetes_execucio{opcions.carpeta_programa, {}, opcions.carpeta_programa};

    joystick_sdl pads;
    joystick_amb_teclat joystick(pads);
    fitxers_disc fitxers;
    perfil_ini perfil;
    media_qt media([](const std::string& cami) {
        return std::filesystem::path(fitxers_disc::cami_local(cami));
    });
    midi_sortida midi;
    eines_qt eines;
    dialegs_qt dialegs(&eines);
    rellotge_sistema rellotge;
    escenari_qt escenaris;
    programa p(serveis{joystick, fitxers, perfil, media, midi, dialegs, eines, rellotge},
               carpetes.programa, escenaris, carpetes.usuari);

    // The view shows the console as the model says: visible once loaded.
    vista_finestra consola(p.app().form1(), {finestra_principal_menus(),
                                             [&] {
                                                 p.app().tancar();
                                                 eines.sortir();
                                             },
                                             std::string(elements::linia_estat),
                                             std::string(elements::caselles),
                                             {}});
    eines.posar_propietari(&consola);
    eines.posar_escenari([&escenaris] { return escenaris.vista_visible(); });
    escenaris.posar_consola(&consola);

    finestra& form1 = p.app().form1();
    const estat_joysticks& estat = p.app().estat();
    const sondeig_immediat sondeig(form1, std::string(elements::t_joystick), joystick,
                                   [&estat] { return estat.commutadors.proper_termini(); });
    // The results log on disk, the key filter and the results window.
    peces_qt peces(joystick, a_utf8(carpetes.dades) + "/resultats", consola);
    p.connectar(peces);
    // Qt's own texts follow the language chosen, from start-up on.
    traduccions_qt traduccions;
    const auto aplicar_idioma = [&] {
        traduccions.aplicar(text_missatge(p.app().estat(), missatge::codi_idioma));
    };
    aplicar_idioma();
    p.app().en_idioma = aplicar_idioma;
    std::unique_ptr<finestra_ajuda> ajuda;
    p.app().en_ajuda = [&](const std::string& guia, const std::string& titol,
                           const std::string& quant_a) {
        if (!ajuda) {
            ajuda = std::make_unique<finestra_ajuda>();
        }
        std::string linies = quant_a;
        std::replace(linies.begin(), linies.end(), '\r', '\n');
        ajuda->mostrar(QString::fromStdString(fitxers_disc::cami_local(guia)), qtext(titol),
                       qtext(linies));
        ajuda->show();
        ajuda->raise();
        ajuda->activateWindow();
    };
    if (opcions.filtre_consola != nullptr) {
        consola.installEventFilter(opcions.filtre_consola);
    }
    const auto llocs = llocs_ginys::si_es_demana();
    executar_ordres(p, linia.ordres);
    editor_qt editor(p, fitxers, std::filesystem::path(carpetes.dades) / "meus_exercicis");
    if (!linia.editar.empty()) {
        editor.obrir(linia.editar);
    }

    return QApplication::exec();
}

} // namespace quorvel
