#include "core/finestra.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/text_caixa.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTimer>

#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

double temps_cpu_ms() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct finestra_amb_rellotge {
    finestra f{"prova"};
    int ticks = 0;
    finestra_amb_rellotge() {
        element& t = f.afegir("t_prova", tipus_element::temporitzador);
        t.habilitat = false;
        t.interval = 20;
        f.en_temporitzador("t_prova", [this](std::optional<int>) { ++ticks; });
    }
};

void bombar_durant(eines_qt& eines, int ms) {
    QElapsedTimer rellotge;
    rellotge.start();
    while (rellotge.elapsed() < ms) {
        eines.bombar();
    }
}

TEST(eines_qt, timers_follow_the_elements_of_a_registered_window) {
    eines_qt eines;
    finestra_amb_rellotge w;
    eines.registrar(w.f);
    bombar_durant(eines, 100);
    EXPECT_EQ(w.ticks, 0);

    w.f.posar_habilitat("t_prova", {}, true);
    bombar_durant(eines, 210);
    EXPECT_GE(w.ticks, 5);
    EXPECT_LE(w.ticks, 11);

    w.f.posar_habilitat("t_prova", {}, false);
    const int aturat = w.ticks;
    bombar_durant(eines, 100);
    EXPECT_EQ(w.ticks, aturat);

    w.f.posar_habilitat("t_prova", {}, true);
    eines.desregistrar(w.f);
    bombar_durant(eines, 100);
    EXPECT_EQ(w.ticks, aturat);
}

TEST(eines_qt, a_window_can_be_unregistered_from_its_own_timer) {
    eines_qt eines;
    finestra_amb_rellotge w;
    w.f.en_temporitzador("t_prova", [&](std::optional<int>) {
        ++w.ticks;
        eines.desregistrar(w.f);
    });
    w.f.posar_habilitat("t_prova", {}, true);
    eines.registrar(w.f);
    bombar_durant(eines, 120);
    EXPECT_EQ(w.ticks, 1);
}

TEST(eines_qt, pumped_wait_does_not_spin_a_core) {
    eines_qt eines;
    const double cpu = temps_cpu_ms();
    QElapsedTimer rellotge;
    rellotge.start();
    for (int i = 0; i < 30; ++i) {
        eines.bombar();
    }
    const qint64 passat = rellotge.elapsed();
    EXPECT_GE(passat, 200);
    EXPECT_LT(temps_cpu_ms() - cpu, 0.25 * static_cast<double>(passat));
}

TEST(conversions_qt, twips_become_pixels_within_bounds_whatever_the_factor) {
    const struct {
        double twips, factor;
        int pixels;
    } casos[] = {
        {1500, 15, 100},       {22, 15, 1},           {-22, 15, -1},    {1440, 9.6, 150},
        {1500, 0, 100},        {1500, -3, 100},       {1500, NAN, 100}, {1e12, 15, 1000000},
        {-1e12, 15, -1000000}, {1500, INFINITY, 100},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(a_pixels(c.twips, c.factor), c.pixels) << c.twips << " / " << c.factor;
    }
}

TEST(conversions_qt, program_text_survives_the_round_trip_through_qt) {
    for (const std::string text : {"", "Cam\xED", "\xBF\xE9s?", "\x80 \x93x\x94", "a\r\nb"}) {
        EXPECT_EQ(text_programa(qtext(text)), text) << text;
    }
    EXPECT_EQ(qtext("\xE0\x80"), QStringLiteral("\u00E0\u20AC"));
    EXPECT_EQ(qcolor({255, 128, 1}), QColor(255, 128, 1));
}

TEST(eines_qt, a_huge_text_is_cut_and_its_box_fits_the_screen_at_once) {
    // An instruction that swallowed the rest of its file: words, then one
    // word without a break, then thousands of short lines.
    std::string paraules;
    for (int i = 0; i < 60000; ++i) {
        paraules += "paraula ";
    }
    std::string linies;
    for (int i = 0; i < 60000; ++i) {
        linies += "x\r\n";
    }
    const QRect pantalla = QGuiApplication::primaryScreen()->availableGeometry();
    for (const std::string& text : {paraules, std::string(600000, 'a'), linies}) {
        eines_qt eines;
        QSize mida;
        QString mostrat;
        QTimer::singleShot(0, [&] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (caixa != nullptr) {
                mida = caixa->frameGeometry().size();
                mostrat = caixa->text();
                caixa->accept();
            }
        });
        QElapsedTimer rellotge;
        rellotge.start();
        eines.missatge("consigna " + text, botons_missatge::ok, "Quorvel");
        EXPECT_LT(rellotge.elapsed(), 3000);
        EXPECT_TRUE(mostrat.endsWith(QChar(0x2026)));
        EXPECT_LE(mostrat.size(), maxim_caracters_mostrats + 1);
        EXPECT_LE(mida.height(), pantalla.height()) << text.size();
        EXPECT_LE(mida.width(), pantalla.width()) << text.size();
    }
}

TEST(text_mostrable, cuts_at_the_character_or_line_limit_with_an_ellipsis) {
    const QString ellipsi(QChar(0x2026));
    EXPECT_EQ(text_mostrable(QStringLiteral("curt")), QStringLiteral("curt"));
    EXPECT_EQ(text_mostrable(QStringLiteral("abcdef"), 3, 10), QStringLiteral("abc") + ellipsi);
    EXPECT_EQ(text_mostrable(QStringLiteral("a\nb\nc"), 100, 2), QStringLiteral("a\nb") + ellipsi);
    const QString emoji = QStringLiteral("ab\U0001F600cd"); // a pair of UTF-16 units
    EXPECT_EQ(text_mostrable(emoji, 3, 10), QStringLiteral("ab") + ellipsi);
}

TEST(eines_qt, the_scanning_form_loads_each_chosen_player_and_returns_the_edits) {
    const std::map<int, opcions_escombrat> actuals{{1, {0, 1500, 3000, 3, false}},
                                                   {2, {2, 800, 2000, 2, true}}};
    eines_qt eines;
    std::vector<int> llegits; // the form's values for player 2 once chosen
    QTimer::singleShot(0, [&] {
        QWidget* d = QApplication::activeModalWidget();
        ASSERT_NE(d, nullptr);
        auto* jugador = d->findChild<QSpinBox*>("escombrat_jugador");
        auto* mode = d->findChild<QComboBox*>("escombrat_mode");
        auto* interval = d->findChild<QSpinBox*>("escombrat_interval");
        auto* primer = d->findChild<QSpinBox*>("escombrat_primer");
        auto* voltes = d->findChild<QSpinBox*>("escombrat_voltes");
        auto* so = d->findChild<QCheckBox*>("escombrat_so");
        auto* d_acord = d->findChild<QPushButton*>("escombrat_d_acord");
        ASSERT_TRUE(jugador && mode && interval && primer && voltes && so && d_acord);
        EXPECT_EQ(jugador->maximum(), 3);
        EXPECT_EQ(mode->count(), 3);
        EXPECT_EQ(interval->value(), 1500);
        jugador->setValue(2);
        llegits = {mode->currentIndex(), interval->value(), primer->value(), voltes->value(),
                   so->isChecked() ? 1 : 0};
        interval->setValue(70);
        voltes->setValue(5);
        so->setChecked(false);
        d_acord->click();
    });
    textos_escombrat textos;
    textos.modes = {"Sense", "Auto", "Pas"};
    const auto r = eines.demanar_escombrat(textos, 3, [&](int j) {
        return actuals.contains(j) ? actuals.at(j) : opcions_escombrat{};
    });
    EXPECT_EQ(llegits, (std::vector<int>{2, 800, 2000, 2, 1}));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->first, 2);
    EXPECT_EQ(r->second, (opcions_escombrat{2, 100, 2000, 5, false}));
}

} // namespace
} // namespace quorvel
