// Presses that reach the exercise at once: a pad's change wakes the polling
// between two timer ticks, and the keyboard acts as one more pad through the
// program's real console view, from the map's set-up to a judged press.
#include "app/finestra_principal.h"
#include "app/programa.h"
#include "core/noms_elements.h"
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
#include "tests/fakes/fakes.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <SDL.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

namespace quorvel {
namespace {

TEST(teclat, the_documented_keys_are_the_pad_inputs) {
    const struct {
        int tecla;
        std::optional<int> entrada;
    } casos[] = {
        {Qt::Key_Right, 1},  {Qt::Key_Left, 2},    {Qt::Key_Down, 3},       {Qt::Key_Up, 4},
        {Qt::Key_Space, 5},  {Qt::Key_Return, 6},  {Qt::Key_Enter, 6},      {Qt::Key_1, 7},
        {Qt::Key_9, 15},     {Qt::Key_0, 16},      {Qt::Key_A, 17},         {Qt::Key_T, 36},
        {Qt::Key_U, {}},     {Qt::Key_Escape, {}}, {Qt::Key_F11, {}},       {Qt::Key_Tab, {}},
        {Qt::Key_Shift, {}}, {Qt::Key_Minus, {}},  {Qt::Key_Backspace, {}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(entrada_de_tecla(c.tecla), c.entrada) << c.tecla;
    }
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
    js.tecla(5, true);  // Space: button 1
    js.tecla(36, true); // T: button 32
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
        form1.afegir("Check2", tipus_element::quadre_text, 0);
        form1.carregar("Check2", 1);
        form1.carregar("Check2", 2);
        element& t = form1.afegir(elements::t_joystick, tipus_element::temporitzador);
        t.interval = 100;
        t.habilitat = false;
        int ticks = 0;
        form1.en_temporitzador(elements::t_joystick, [&](std::optional<int>) {
            ++ticks;
            joysticks_sondejar(s, js, form1, {});
        });
        QElapsedTimer rellotge;
        std::optional<qint64> arribada;
        form1.en_canvi("Check2", [&](std::optional<int> i) {
            if (form1.obtenir("Check2", *i).text == "1") {
                arribada = rellotge.elapsed();
            }
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
    void SetUp() override {
        carpeta = std::filesystem::temp_directory_path() / "quorvel-teclat-test";
        std::filesystem::remove_all(carpeta);
        std::filesystem::copy(std::string(QUORVEL_SOURCE_DIR) + "/data", carpeta,
                              std::filesystem::copy_options::recursive);
        // The bundled settings with the keyboard pad switched on.
        const auto ini = carpeta / "quorvel.ini";
        std::stringstream text;
        text << std::ifstream(ini).rdbuf();
        std::string settings = text.str();
        const auto p = settings.find("teclat=0");
        ASSERT_NE(p, std::string::npos);
        settings.replace(p, 8, "teclat=1");
        std::ofstream(ini, std::ios::binary | std::ios::trunc) << settings;
        f.joystick.dispositius.push_back({{32768, 32768, 0, 0}, 12});
    }
    void TearDown() override { std::filesystem::remove_all(carpeta); }

    std::filesystem::path carpeta;
    fakes::serveis_falsos f;
    fitxers_disc disc;
    perfil_ini perfil;
};

TEST_F(teclat_programa, the_keyboard_pad_is_mapped_and_played_with_real_key_events) {
    joystick_amb_teclat js(f.joystick);
    escenari_qt escenaris;
    programa p(serveis{js, disc, perfil, f.media, f.midi, f.dialegs, f.eines, f.rellotge},
               carpeta.string(), escenaris);
    aplicacio& app = p.app();
    finestra& form1 = app.form1();
    vista_finestra consola(form1, {finestra_principal_menus(),
                                   [] {},
                                   std::string(elements::linia_estat),
                                   std::string(elements::caselles),
                                   {}});
    filtre_teclat filtre(js, [&] {
        return form1.obtenir(elements::t_joystick).habilitat ||
               form1.obtenir(elements::t_configurar).habilitat;
    });
    qApp->installEventFilter(&filtre);
    const sondeig_immediat sondeig(form1, std::string(elements::t_joystick), js,
                                   [&] { return app.estat().commutadors.proper_termini(); });

    // Found at start-up after the pad, with its 32 keys as buttons.
    ASSERT_EQ(app.estat().n_joysticks, 2);
    const fitxa_joystick& teclat = app.estat().joysticks[2];
    EXPECT_EQ(teclat.botons_dispositiu, 32);
    EXPECT_EQ(js.nom(teclat.dispositiu - 1), "Teclat");

    // The map's set-up: cell 1 selected, "Configurar boto", Space held.
    QWidget* casella = consola.widget("Check2", 1);
    ASSERT_NE(casella, nullptr);
    form1.clic(elements::caselles, 1);
    bool premuda = false;
    f.eines.en_bombar = [&] {
        if (!premuda) {
            QTest::keyPress(casella, Qt::Key_Space);
            premuda = true;
        }
    };
    form1.clic(elements::mn_configura_boto);
    f.eines.en_bombar = nullptr;
    QTest::keyRelease(casella, Qt::Key_Space);
    EXPECT_EQ(app.estat().mapa_entrades(2, 5), 1);
    EXPECT_EQ(app.estat().mapa_botons[1].joy, 2);
    EXPECT_EQ(app.estat().mapa_botons[1].entrada, 5);
    ASSERT_FALSE(f.eines.missatges.empty());
    EXPECT_EQ(f.eines.missatges.back().text, "final configurar_boto ");

    // The demo exercise asks for cell 1 first; Space answers it.
    f.dialegs.respostes.push_back((carpeta / "mostra_caselles.brd").string());
    f.rellotge.aleatoris = {0.0};
    form1.clic(elements::mn_fitxers);
    ASSERT_TRUE(form1.obtenir(elements::t_joystick).habilitat);
    auto* temps = qobject_cast<QLineEdit*>(consola.widget(elements::interval));
    ASSERT_NE(temps, nullptr);
    const QString interval = temps->text();
    QTest::keyClick(temps, Qt::Key_5); // read by the pad, never typed
    EXPECT_EQ(temps->text(), interval);
    QTest::keyPress(casella, Qt::Key_Space);
    EXPECT_TRUE(prova::esperar([&] { return app.estat().resposta == "B"; }, 2000));
    EXPECT_EQ(form1.color_fons(), color_verd);
    QTest::keyRelease(casella, Qt::Key_Space);

    // Once the exercise stops, the keys type again.
    form1.clic(elements::aturar);
    QTest::keyClick(temps, Qt::Key_5);
    EXPECT_NE(temps->text(), interval);
    qApp->removeEventFilter(&filtre);
}

} // namespace
} // namespace quorvel
