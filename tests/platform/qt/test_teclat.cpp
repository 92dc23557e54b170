// Presses that reach the exercise at once: a pad's change wakes the polling
// between two timer ticks, and the keyboard acts as one more pad through the
// program's real console view, from the map's set-up to a judged press.
#include "app/finestra_principal.h"
#include "app/peces_qt.h"
#include "app/programa.h"
#include "core/noms_elements.h"
#include "joystick/cami_premudes.h"
#include "joystick/joystick.h"
#include "joystick/sondeig.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/perfil_ini.h"
#include "platform/local/teclat_joystick.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/sondeig_immediat.h"
#include "platform/qt/teclat_filtre.h"
#include "platform/qt/vista_escenari.h"
#include "platform/qt/vista_finestra.h"
#include "platform/sdl/joystick_sdl.h"
#include "tests/fakes/carpeta_temporal.h"
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <SDL.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <sstream>

namespace quorvel {
namespace {

// Alt gives the menu bar the keys: its arrows open the menus instead of
// steering the keyboard pad.
TEST(teclat, the_menu_bar_reached_with_alt_keeps_the_keys) {
    QMenuBar barra;
    QWidget res;
    EXPECT_TRUE(teclat_ocupat(&barra));
    EXPECT_FALSE(teclat_ocupat(&res));
}

TEST(teclat, arrows_steer_and_keys_press_buttons_of_the_last_device) {
    fakes::joystick_fals pads;
    pads.dispositius.push_back({{32768, 32768, 0, 0}, 4});
    joystick_amb_teclat js(pads);
    EXPECT_EQ(js.nombre_dispositius(), 1);
    ASSERT_TRUE(js.obrir_teclat());
    ASSERT_EQ(js.nombre_dispositius(), 2);
    pads.ara = 40;
    js.tecla(1, true);  // right
    js.tecla(4, true);  // up
    js.tecla(5, true);  // "1": button 1
    js.tecla(36, true); // Enter: button 32
    posicio_joystick p;
    ASSERT_EQ(js.llegir_posicio(1, p), 0);
    EXPECT_EQ(p, (posicio_joystick{65535, 0, 32768, 0x80000001U}));
    EXPECT_EQ(js.moment_canvi(1, 5), 40.0);
    EXPECT_TRUE(js.recollir_canvis());
    EXPECT_FALSE(js.recollir_canvis());
    js.tecla(2, true); // left and right together: rest
    js.deixar_anar_tot();
    ASSERT_EQ(js.llegir_posicio(1, p), 0);
    EXPECT_EQ(p, (posicio_joystick{32768, 32768, 32768, 0}));
    EXPECT_EQ(js.nom(1), "Teclat");
    EXPECT_EQ(js.nom(0), "Fake pad");
}

// A pad press between two ticks of the polling timer reaches the cell's
// handler long before the next tick would have.
TEST(sondeig_immediat, a_press_between_two_timer_ticks_arrives_before_the_next_one) {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = 2;
    desc.nbuttons = 2;
    desc.name = "Quorvel wake pad";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    ASSERT_GE(index, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(index);
    ASSERT_NE(pad, nullptr);
    {
        joystick_sdl js;
        sessio s;
        joysticks_preparar(s, js);
        joysticks_enumerar(s, js);
        ASSERT_EQ(s.n_joysticks, 1);
        fakes::tauler_prova(s, 1, 2, 2);
        fakes::mapejar_tots(s, 1, 2);
        finestra form1("Form1");
        QElapsedTimer rellotge;
        std::optional<qint64> arribada;
        cami_premudes cami(s, {[&](const esdeveniment_casella& e) {
                                   if (e.canvi == canvi_casella::premuda) {
                                       arribada = rellotge.elapsed();
                                   }
                               },
                               {},
                               {}});
        element& t = form1.afegir(elements::t_joystick, tipus_element::temporitzador);
        t.interval = 100;
        t.habilitat = false;
        int ticks = 0;
        form1.en_temporitzador(elements::t_joystick, [&](std::optional<int>) {
            ++ticks;
            joysticks_sondejar(s, js, cami);
        });
        eines_qt eines;
        eines.registrar(form1);
        const sondeig_immediat sondeig(form1, std::string(elements::t_joystick), js,
                                       [&] { return s.commutadors.proper_termini(); });
        form1.posar_habilitat(elements::t_joystick, {}, true);
        ASSERT_TRUE(prova::esperar([&] { return ticks > 0; }, 1000));
        rellotge.start();
        prova::esperar([] { return false; }, 20);
        const qint64 premut = rellotge.elapsed();
        SDL_JoystickSetVirtualButton(pad, 0, 1);
        ASSERT_TRUE(prova::esperar([&] { return arribada.has_value(); }, 1000));
        // The next timer tick was due about 80 ms after the press.
        EXPECT_LT(*arribada - premut, 40) << "pressed at " << premut << " ms";
        eines.desregistrar(form1);
    }
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(index);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

class teclat_programa : public ::testing::Test {
  protected:
    void SetUp() override { f.joystick.dispositius.push_back({{32768, 32768, 0, 0}, 12}); }
    void TearDown() override { peces.reset(); }

    // The program on the bundled settings, with the keyboard pad on or off,
    // its real console view and keyboard filter.
    void engegar(bool teclat) {
        const auto ini = carpeta / "quorvel.ini";
        std::string settings = fakes::llegir_fitxer(ini);
        const auto p = settings.find("teclat=0");
        ASSERT_NE(p, std::string::npos);
        settings.replace(p, 8, teclat ? "teclat=1" : "teclat=0");
        fakes::escriure_fitxer(ini, settings);
        p_.emplace(serveis{js, disc, perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge},
                   carpeta.string(), escenaris);
        consola.emplace(p_->app().form1(),
                        vista_finestra::opcions{finestra_principal_menus(),
                                                [] {},
                                                std::string(elements::linia_estat),
                                                std::string(elements::caselles),
                                                {}});
        peces.emplace(js, (carpeta / "resultats").string(), *consola);
        p_->connectar(*peces);
        consola->show();
        temps = qobject_cast<QLineEdit*>(consola->widget(elements::interval));
        ASSERT_NE(temps, nullptr);
        casella = consola->widget("Check2", 1);
        ASSERT_NE(casella, nullptr);
    }
    // Keys go where the focus is, as the operator's keyboard sends them.
    void enfocar(QWidget* w) {
        w->window()->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
        ASSERT_TRUE(prova::esperar([w] { return QApplication::focusWidget() == w; }));
    }
    QString escriure_interval(const QString& text) {
        enfocar(temps);
        temps->clear();
        QTest::keyClicks(temps, text);
        return temps->text();
    }
    void obrir_mostra() {
        f.dialegs.respostes.push_back((carpeta / "mostra_caselles.brd").string());
        f.rellotge.aleatoris = {0.0};
        p_->app().form1().clic(elements::mn_fitxers);
        ASSERT_TRUE(p_->app().form1().obtenir(elements::t_joystick).habilitat);
    }

    fakes::carpeta_temporal programa_{"teclat", std::string(QUORVEL_SOURCE_DIR) + "/data"};
    const std::filesystem::path& carpeta = programa_.cami();
    fakes::serveis_falsos f;
    joystick_amb_teclat js{f.joystick};
    fitxers_disc disc;
    perfil_ini perfil;
    escenari_qt escenaris;
    std::optional<programa> p_;
    std::optional<vista_finestra> consola;
    std::optional<peces_qt> peces;
    QLineEdit* temps = nullptr;
    QWidget* casella = nullptr;
};

TEST_F(teclat_programa, the_keyboard_pad_is_mapped_and_played_with_real_key_events) {
    ASSERT_NO_FATAL_FAILURE(engegar(true));
    aplicacio& app = p_->app();
    finestra& form1 = app.form1();
    const sondeig_immediat sondeig(form1, std::string(elements::t_joystick), js,
                                   [&] { return app.estat().commutadors.proper_termini(); });

    // Found at start-up after the pad, with its 32 keys as buttons.
    ASSERT_EQ(app.estat().n_joysticks, 2);
    const fitxa_joystick& teclat = app.estat().joysticks[2];
    EXPECT_EQ(teclat.botons_dispositiu, 32);
    EXPECT_EQ(js.nom(teclat.dispositiu - 1), "Teclat");

    // The map's set-up: cell 1 selected, "Configurar boto", key "1" held:
    // button 1, input 5.
    form1.clic(elements::caselles, 1);
    ASSERT_NO_FATAL_FAILURE(enfocar(casella));
    bool premuda = false;
    f.eines.en_bombar = [&] {
        if (!premuda) {
            QTest::keyPress(casella, Qt::Key_1);
            premuda = true;
        }
    };
    form1.clic(elements::mn_configura_boto);
    f.eines.en_bombar = nullptr;
    QTest::keyRelease(casella, Qt::Key_1);
    EXPECT_EQ(app.estat().mapa_entrades(2, 5), 1);
    EXPECT_EQ(app.estat().mapa_botons[1].joy, 2);
    EXPECT_EQ(app.estat().mapa_botons[1].entrada, 5);
    ASSERT_FALSE(f.eines.missatges.empty());
    EXPECT_EQ(f.eines.missatges.back().text, "final configurar_boto ");

    // A set-up that is over gives the keyboard back, even with its timer on.
    form1.posar_habilitat(elements::t_configurar, {}, true);
    EXPECT_EQ(escriure_interval(QStringLiteral("150")), QStringLiteral("150"));
    form1.posar_habilitat(elements::t_configurar, {}, false);

    // The demo exercise asks for cell 1 first: key "1" answers it, but not
    // while a box or a text field has the keyboard.
    ASSERT_NO_FATAL_FAILURE(obrir_mostra());
    EXPECT_EQ(escriure_interval(QStringLiteral("1")), QStringLiteral("1"));
    {
        QMessageBox caixa(QMessageBox::NoIcon, QStringLiteral("Quorvel"), QStringLiteral("?"),
                          QMessageBox::Ok);
        caixa.setWindowModality(Qt::ApplicationModal);
        caixa.show();
        ASSERT_TRUE(prova::esperar([&] { return QApplication::activeModalWidget() == &caixa; }));
        QTest::keyPress(&caixa, Qt::Key_1);
        EXPECT_FALSE(js.premuda(5));
        QTest::keyRelease(&caixa, Qt::Key_1);
    }
    prova::esperar([] { return false; }, 150);
    EXPECT_EQ(app.estat().resposta, "");
    // The players' stage has the keyboard while they play.
    QWidget* escenari = escenaris.vista_visible();
    ASSERT_NE(escenari, nullptr);
    ASSERT_NO_FATAL_FAILURE(enfocar(escenari));
    QTest::keyPress(escenari, Qt::Key_1);
    EXPECT_TRUE(prova::esperar([&] { return app.estat().resposta == "B"; }, 2000));
    EXPECT_EQ(form1.color_fons(), color_verd);
    QTest::keyRelease(escenari, Qt::Key_1);

    // Once the exercise stops, the keys type again.
    form1.clic(elements::aturar);
    EXPECT_EQ(escriure_interval(QStringLiteral("100")), QStringLiteral("100"));
}

} // namespace
} // namespace quorvel
