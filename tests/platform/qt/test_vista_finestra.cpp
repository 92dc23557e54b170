#include "app/aplicacio.h"
#include "app/finestra_principal.h"
#include "board/configuracio_menus.h"
#include "core/linia_estat.h"
#include "core/text.h"
#include "engine/motor.h"
#include "platform/qt/vista_finestra.h"
#include "tests/fakes/fakes.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace quorvel {
namespace {

using prova::esperar;

std::string fitxer_idioma(const std::string& engegar, const std::string& fitxers) {
    return "\"Quorvel\",\"idioma\"\r\n1\r\n\"Form1\",1\r\n"
           "\"\",\"Command1\",\"\",\"" +
           engegar + "\",\"c\"\r\n\"\",\"mn_opcions\",\"\",\"" + fitxers +
           "\",\"c\"\r\n\"textos\"\r\n0\r\n";
}

struct consola {
    fakes::serveis_falsos f;
    std::unique_ptr<aplicacio> app;
    std::unique_ptr<vista_finestra> vista;
    int tancaments = 0;

    // The room of a 1280 x 800 screen, whatever screen the tests run on.
    explicit consola(const char* columnes = "4", QRect area = {0, 0, 1280, 800}) {
        f.fitxers.posar("/prog/quorvel.ini", "");
        f.perfil.valors[{"/prog\\quorvel.ini", "inici", "clolumnes"}] = columnes;
        f.fitxers.posar("/prog/castellano.trad", fitxer_idioma("Iniciar", "Archivos"));
        f.fitxers.posar("/prog/portugu\xEAs.trad", fitxer_idioma("Come\xE7"
                                                                 "ar",
                                                                 "Ficheiros"));
        fakes::dispositiu_fals pad;
        pad.botons = 10;
        f.joystick.dispositius.push_back(pad);
        app = std::make_unique<aplicacio>(f.tots(), "/prog");
        app->arrencar();
        vista = std::make_unique<vista_finestra>(
            app->form1(), vista_finestra::opcions{finestra_principal_menus(),
                                                  [this] {
                                                      ++tancaments;
                                                      app->tancar();
                                                  },
                                                  "estat", "Check2", [area] { return area; }});
        QCoreApplication::processEvents();
    }

    template <class T> T* w(const char* nom, std::optional<int> index = {}) const {
        auto* resultat = qobject_cast<T*>(vista->widget(nom, index));
        EXPECT_NE(resultat, nullptr) << nom;
        return resultat;
    }
};

// The console with the program's handlers, wired as the program wires them.
struct programa : consola {
    fakes::escenari_fals escenaris;
    motor exercicis{app->estat(), app->sv(), app->form1(), escenaris};

    programa() { registrar_configuracio(app->estat(), app->sv(), app->form1()); }
    [[nodiscard]] const element& casella(int k) const { return app->form1().obtenir("Check2", k); }
    [[nodiscard]] sessio& s() const { return app->estat(); }
    void seleccionar(int k) const { app->form1().clic("Check2", k); }
    [[nodiscard]] bool mostrat(std::string_view inici) const {
        return !f.eines.missatges.empty() && f.eines.missatges.back().text.starts_with(inici);
    }
};

// A left click as the window system delivers it.
void clicar(QWidget* w, QPoint on) {
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, on);
    QCoreApplication::processEvents();
}

QStringList textos_visibles(const QMenu* menu) {
    QStringList textos;
    for (const QAction* a : menu->actions()) {
        if (a->isVisible()) {
            textos << a->text();
        }
    }
    return textos;
}

// The window's own colour (a right answer turns it green).
TEST(vista_finestra, the_window_colour_of_the_model_is_the_canvas_colour) {
    consola c;
    EXPECT_TRUE(c.vista->isVisible());
    c.app->form1().posar_color_fons_finestra(color_verd);
    const QWidget* llenc = c.vista->findChild<QWidget*>("llenc");
    ASSERT_NE(llenc, nullptr);
    EXPECT_EQ(llenc->palette().color(QPalette::Window), QColor(0, 255, 0));
}

TEST(vista_finestra, language_menu_lists_the_files_and_a_choice_updates_the_widgets) {
    consola c;
    QMenu* idiomes = c.vista->accio("mn_idio")->menu();
    ASSERT_NE(idiomes, nullptr);
    EXPECT_EQ(textos_visibles(idiomes),
              (QStringList{"castellano.trad", QString::fromUtf8("português.trad")}));
    EXPECT_EQ(idiomes->actions().size(), 3);

    c.vista->accio("mn_idioma", 1)->trigger();
    EXPECT_EQ(c.app->estat().idioma, "portugu\xEAs.trad");
    EXPECT_EQ(c.w<QPushButton>("Command1")->text(), QString::fromUtf8("Começar"));
    EXPECT_EQ(c.vista->accio("mn_opcions")->text(), "Ficheiros");

    c.vista->accio("mn_idioma", 0)->trigger();
    EXPECT_EQ(c.w<QPushButton>("Command1")->text(), "Iniciar");
}

TEST(vista_finestra, board_preview_follows_the_model) {
    consola c;
    const finestra& f = c.app->form1();
    for (int i = 1; i <= 10; ++i) {
        const element& e = f.obtenir("Check2", i);
        QWidget* w = c.vista->widget("Check2", i);
        ASSERT_NE(w, nullptr) << i;
        EXPECT_EQ(w->geometry(), QRect(c.vista->pixels_x(e.left), c.vista->pixels_y(e.top),
                                       c.vista->pixels_x(e.width), c.vista->pixels_y(e.height)))
            << i;
        EXPECT_FALSE(w->isHidden()) << i;
    }
    EXPECT_EQ(c.vista->widget("Check2", 5)->x(), c.vista->widget("Check2", 1)->x());

    // Typing a column count redraws the board through the model.
    QLineEdit* columnes = c.w<QLineEdit>("n_col");
    columnes->selectAll();
    columnes->insert("2");
    QCoreApplication::processEvents();
    EXPECT_EQ(c.app->estat().n_columnes, 2);
    EXPECT_EQ(c.vista->widget("Check2", 3)->x(), c.vista->widget("Check2", 1)->x());
    EXPECT_GT(c.vista->widget("Check2", 3)->y(), c.vista->widget("Check2", 2)->y());

    c.app->form1().posar_color_fons("Check2", 3, color_verd);
    EXPECT_EQ(c.vista->widget("Check2", 3)->palette().color(QPalette::Base), QColor(0, 255, 0));
    c.app->form1().posar_text("Check2", 3, "1");
    EXPECT_EQ(c.w<QLineEdit>("Check2", 3)->text(), "1");
}

// The board is drawn with n cells in rows of the given count.
void dibuixar_caselles(consola& c, int n, const char* columnes) {
    sessio& s = c.app->estat();
    s.n_botons = static_cast<std::int16_t>(n);
    s.mapa_botons.redimensionar(0, n);
    c.app->form1().posar_text("n_col", {}, columnes);
    c.app->dibuixar();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

TEST(vista_finestra, the_console_grows_to_show_the_board_within_the_screen) {
    struct cas {
        int caselles;
        const char* columnes;
        bool desplacament; // more rows than the screen holds: the board scrolls
    };
    for (const cas& k :
         {cas{8, "4", false}, cas{64, "8", false}, cas{255, "16", false}, cas{255, "3", true}}) {
        consola c("3");
        c.vista->show();
        dibuixar_caselles(c, k.caselles, k.columnes);
        const QScrollArea* area = c.vista->area_desplacament();
        EXPECT_LE(c.vista->frameGeometry().width(), 1280) << k.caselles;
        EXPECT_LE(c.vista->frameGeometry().height(), 800) << k.caselles;
        const QRect visible = area->viewport()->rect();
        int fora = 0;
        for (int i = 1; i <= k.caselles; ++i) {
            const QWidget* w = c.vista->widget("Check2", i);
            ASSERT_NE(w, nullptr) << i;
            const QRect on(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
            fora += visible.contains(on) ? 0 : 1;
        }
        if (k.desplacament) {
            EXPECT_EQ(c.vista->frameGeometry().height(), 800);
            EXPECT_GT(fora, 0);
            EXPECT_GT(area->verticalScrollBar()->maximum(), 0);
        } else {
            EXPECT_EQ(fora, 0) << k.caselles << " cells in rows of " << k.columnes;
        }
        // The controls and the status line stay in view at the top and bottom.
        EXPECT_TRUE(visible.contains(
            QRect(c.vista->widget("Command1")->mapTo(area->viewport(), QPoint(0, 0)),
                  c.vista->widget("Command1")->size())));
        EXPECT_TRUE(c.vista->widget("estat")->isVisible());
    }
}

TEST(vista_finestra, cells_show_their_number_and_keep_their_text) {
    consola c;
    QLineEdit* casella = c.w<QLineEdit>("Check2", 7);
    ASSERT_NE(casella, nullptr);
    EXPECT_EQ(casella->placeholderText(), "7");
    EXPECT_EQ(casella->text(), "");
    EXPECT_EQ(c.app->form1().obtenir("Check2", 7).text, "");
    // A press writes the cell's text, which the player's number does not replace.
    c.app->form1().posar_text("Check2", 7, "1");
    EXPECT_EQ(casella->text(), "1");
    // Not the hidden anchor of the layout, nor other boxes.
    EXPECT_EQ(c.w<QLineEdit>("n_col")->placeholderText(), "");
}

TEST(vista_finestra, the_status_line_is_at_the_bottom_edge) {
    consola c;
    c.vista->show();
    posar_linia_estat(c.app->form1(), "Cap comandament trobat");
    QCoreApplication::processEvents();
    QLabel* estat = c.w<QLabel>("estat");
    ASSERT_NE(estat, nullptr);
    EXPECT_EQ(estat->text(), "Cap comandament trobat");
    EXPECT_TRUE(c.vista->statusBar()->isAncestorOf(estat));
    // Growing the board keeps it at the bottom.
    dibuixar_caselles(c, 64, "8");
    EXPECT_GE(estat->mapTo(c.vista.get(), QPoint(0, 0)).y(),
              c.vista->widget("Check2", 64)->mapTo(c.vista.get(), QPoint(0, 0)).y());

    // A long text is cut to the window, whole in the tooltip with its detail.
    const int amplada = c.vista->width();
    const std::string llarg = "Exercici obert: " + std::string(3000, 'x') + " final";
    posar_linia_estat(c.app->form1(), llarg, "l\xEDnia 3: one\nl\xEDnia 9: two");
    QCoreApplication::processEvents();
    EXPECT_EQ(c.vista->width(), amplada);
    EXPECT_TRUE(estat->text().startsWith(QStringLiteral("Exercici obert: xxx")));
    EXPECT_TRUE(estat->text().endsWith(QChar(0x2026))) << estat->text().size();
    EXPECT_LE(estat->fontMetrics().horizontalAdvance(estat->text()), estat->width());
    EXPECT_TRUE(estat->toolTip().contains(QStringLiteral("x final")));
    EXPECT_TRUE(estat->toolTip().contains(QStringLiteral("l\u00EDnia 3: one<br>l\u00EDnia 9: two")))
        << estat->toolTip().toStdString();
}

TEST(vista_finestra, user_actions_become_model_events) {
    consola c;
    finestra& f = c.app->form1();
    std::vector<std::string> events;
    f.en_clic("Check2",
              [&](std::optional<int> i) { events.push_back("clic " + std::to_string(*i)); });
    f.en_perdua_focus(
        "Check2", [&](std::optional<int> i) { events.push_back("focus " + std::to_string(*i)); });

    QWidget* casella = c.vista->widget("Check2", 7);
    QMouseEvent deixar(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                       Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(casella, &deixar);
    QFocusEvent perdre(QEvent::FocusOut);
    QCoreApplication::sendEvent(casella, &perdre);
    EXPECT_EQ(events, (std::vector<std::string>{"clic 7", "focus 7"}));

    c.w<QCheckBox>("joy_invers")->click();
    EXPECT_EQ(f.obtenir("joy_invers").valor, 1);
    EXPECT_TRUE(c.app->estat().invers);

    // A checkable menu shows the model's mark, not the toggle of the click.
    QAction* configurar = c.vista->accio("mn_configurar");
    configurar->trigger();
    EXPECT_FALSE(configurar->isChecked());
    f.posar_valor("mn_configurar", {}, 1);
    EXPECT_TRUE(configurar->isChecked());

    f.descarregar("Check2", 10);
    EXPECT_EQ(c.vista->widget("Check2", 10), nullptr);

    c.vista->close();
    EXPECT_EQ(c.tancaments, 1);
}

TEST(vista_finestra, a_menu_popping_up_over_a_clicked_cell_leaves_it_selected) {
    programa c;
    c.vista->activateWindow();
    ASSERT_TRUE(esperar([&] { return c.vista->isActiveWindow(); }));
    QWidget* casella2 = c.vista->widget("Check2", 2);
    clicar(casella2, {3, 3});
    ASSERT_TRUE(casella2->hasFocus());
    ASSERT_EQ(c.casella(2).text, "*");

    // The real menu takes the keyboard while it is open; the cell keeps its
    // selection, and the item chosen in it acts on that cell.
    QMenu* tauler = c.vista->accio("mn_eines")->menu();
    tauler->popup(c.vista->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(esperar([&] { return tauler->isVisible(); }));
    EXPECT_EQ(c.casella(2).text, "*");
    QAction* desactivar = c.vista->accio("mn_boto", 0);
    clicar(tauler, tauler->actionGeometry(desactivar).center());
    EXPECT_FALSE(tauler->isVisible());
    EXPECT_EQ(c.app->estat().mapa_botons[2].joy, -2);
    EXPECT_EQ(c.app->estat().mapa_botons[2].entrada, -2);
    EXPECT_EQ(c.casella(2).color_fons, color_gris);

    // The command used the selection up; the next click starts a new one.
    EXPECT_EQ(c.casella(2).text, "");
    clicar(c.vista->widget("Check2", 3), {3, 3});
    EXPECT_EQ(c.s().caselles.seleccionades(), (std::set<int>{3}));
    EXPECT_EQ(c.casella(3).text, "*");
}

// Every item of every menu, chosen with the mouse on the real console with the
// program's handlers: each must do its own work. An item left unwired, or one
// added without a line here, fails.
TEST(vista_finestra, every_menu_item_runs_its_handler) {
    using fn = std::function<void(programa&)>;
    using efecte = std::function<bool(programa&)>;
    struct item {
        const char* nom;
        std::optional<int> index;
        fn preparar;
        efecte fet;
    };
    const fn res = [](programa&) {};
    bool resultats_mostrats = false;
    int editors = 0;
    const std::vector<item> items{
        {"mn_fixters", {}, res, [](programa& c) { return c.f.dialegs.peticions.size() == 1; }},
        {"mn_resultats",
         {},
         [&](programa& c) { c.exercicis.en_resultats = [&] { resultats_mostrats = true; }; },
         [&](programa&) { return resultats_mostrats; }},
        {"mn_nou_exercici",
         {},
         [&](programa& c) { c.exercicis.en_nou_exercici = [&] { editors = 1; }; },
         [&](programa&) { return editors == 1; }},
        {"mn_editar_exercici",
         {},
         [&](programa& c) { c.exercicis.en_editar_exercici = [&] { editors = 2; }; },
         [&](programa&) { return editors == 2; }},
        {"mn_crear_mapa",
         {},
         [](programa& c) {
             c.s().mapa_botons[1] = {1, 5};
         },
         [](programa& c) { return c.s().mapa_botons[1].joy == 0; }},
        {"mn_mapa_desar",
         {},
         [](programa& c) { c.f.dialegs.respostes = {"/prog/sala.map"}; },
         [](programa& c) { return c.f.fitxers.contingut("/prog/sala.map").has_value(); }},
        {"mn_configurar",
         {},
         [](programa& c) { c.f.joystick.dispositius[0].posicio.botons = 1U << 3; },
         [](programa& c) {
             return c.f.fitxers.contingut("/prog/" + c.s().mapa_fitxer).has_value();
         }},
        {"mn_mapa_recuperar",
         {},
         [](programa& c) {
             c.f.fitxers.posar("/prog/sala.map", "\"mapa01\"\r\n\" 1= 1, 7\"\r\n");
             c.f.dialegs.respostes = {"/prog/sala.map"};
         },
         [](programa& c) { return c.s().mapa_entrades(1, 7) == 1; }},
        {"mn_joystic", {}, res, [](programa& c) { return c.s().joysticks[1].ajust == "-1"; }},
        {"mn_boto", 0, [](programa& c) { c.seleccionar(2); },
         [](programa& c) { return c.s().mapa_botons[2].joy == -2; }},
        {"mn_boto", 1, [](programa& c) { c.seleccionar(2); },
         [](programa& c) { return c.s().n_botons == 9; }},
        {"mn_boto", 2,
         [](programa& c) {
             c.s().mapa_entrades(1, 6) = 2;
             c.seleccionar(2);
         },
         [](programa& c) { return c.s().mapa_botons[2].entrada == 6; }},
        {"mn_configura_boto",
         {},
         [](programa& c) {
             c.seleccionar(2);
             c.f.joystick.dispositius[0].posicio.botons = 1U << 3;
         },
         [](programa& c) { return c.s().mapa_entrades(1, 8) == 2 && c.mostrat("final"); }},
        {"mn_dibuixar",
         {},
         [](programa& c) { c.app->form1().descarregar("Check2", 5); },
         [](programa& c) { return c.app->form1().existeix("Check2", 5); }},
        {"mn_simular",
         {},
         [](programa& c) {
             c.f.eines.respostes_demanar = {"2", "3"};
         },
         [](programa& c) { return c.s().n_botons == 6; }},
        {"mn_escombrat",
         {},
         [](programa& c) {
             c.f.eines.respostes_escombrat = {
                 std::pair{1, opcions_escombrat{1, 900, 3000, 3, false}}};
         },
         [](programa& c) {
             return c.s().escombrat_jugadors.config(1).mode == mode_escombrat::automatic;
         }},
        {"mn_idioma", 0, res, [](programa& c) { return c.s().idioma == "castellano.trad"; }},
        {"mn_idioma", 1, res, [](programa& c) { return c.s().idioma == "portugu\xEAs.trad"; }},
        {"mn_ajuda", {}, res, [](programa& c) { return c.mostrat("Quorvel v1Alfa"); }},
    };

    int items_menus = 0;
    {
        const consola c;
        for (QAction* titol : c.vista->menuBar()->actions()) {
            items_menus +=
                titol->menu() ? static_cast<int>(textos_visibles(titol->menu()).size()) : 1;
        }
    }
    EXPECT_EQ(items_menus, static_cast<int>(items.size()));

    for (const item& i : items) {
        SCOPED_TRACE(std::string(i.nom) + (i.index ? std::to_string(*i.index) : ""));
        programa c;
        i.preparar(c);
        QAction* a = c.vista->accio(i.nom, i.index);
        ASSERT_NE(a, nullptr);
        QMenuBar* barra = c.vista->menuBar();
        QAction* titol = a;
        for (QAction* t : barra->actions()) {
            if (t->menu() != nullptr && t->menu()->actions().contains(a)) {
                titol = t;
            }
        }
        clicar(barra, barra->actionGeometry(titol).center());
        if (QMenu* menu = titol->menu()) {
            ASSERT_TRUE(esperar([&] { return menu->isVisible(); }));
            clicar(menu, menu->actionGeometry(a).center());
        }
        EXPECT_TRUE(i.fet(c));
    }
}

} // namespace
} // namespace quorvel
