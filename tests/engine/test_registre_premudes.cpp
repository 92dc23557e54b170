#include "core/linia_estat.h"
#include "engine/motor.h"
#include "tests/engine/banc_exercici.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel {
namespace {

// A find exercise on four cells: cells 1 and 2 belong to pad 1, cells 3 and
// 4 to pad 2. The first press must be cell 1 or 3 ("B", "D"), the second
// cell 2 ("C"); cell 3 is special.
struct banc : prova::banc_consola {
    motor m{s, sv, form1, vista};
    fakes::resultats_falsos log;

    explicit banc(opcions_resultats o = {true, {{1, "Anna"}}}) : banc_consola("6", 2, 4) {
        fakes::tauler_prova(s, 2, 4, 2);
        s.mapa_botons[1].joy = s.mapa_botons[2].joy = 1;
        s.mapa_botons[3].joy = s.mapa_botons[4].joy = 2;
        s.fitxer_exercici = "/ex/troba.brd";
        f.fitxers.posar("/ex/troba.brd", "\"Exercici\tTroba, la 'C'\"\nTipus\t6\n");
        s.n_elements = 1;
        s.elements.redimensionar(0, 1);
        s.elements[1] = {"", "BD", "BC", "", "", "D", "", "", "", "", ""};
        m.registre().connectar(log, std::move(o));
        m.actual().engegar();
    }
    void premer(int k, double despres_s, std::optional<double> moment = std::nullopt,
                font_premuda font = font_premuda::ratoli_consola) {
        f.rellotge.ara += despres_s;
        m.premudes().premer({k, true, moment, font});
        m.premudes().premer({k, false, moment, font});
    }
    std::string files() {
        const std::string& text = log.logs["2026-03-02"];
        return text.substr(std::min(text.size(), capcalera_resultats().size()));
    }
};

TEST(registre_premudes, judged_presses_of_two_players_give_rows_timed_by_the_clock) {
    banc b;
    b.premer(1, 1.5);
    b.premer(4, 0.25, std::nullopt, font_premuda::ratoli_escenari);
    b.premer(2, 0.5);
    b.f.eines.respostes_missatge.push_back(resposta_missatge::ok);
    // The final press is in the log while "play again?" waits for its answer.
    std::string al_preguntar;
    b.f.eines.en_missatge = [&](const auto&, resposta_missatge) { al_preguntar = b.files(); };
    b.premer(3, 1.0);
    EXPECT_NE(al_preguntar.find(",3,final,3250,1500,console\r\n"), std::string::npos)
        << al_preguntar;
    b.premer(3, 2.0, std::nullopt, font_premuda::commutador);
    const std::string fitxer = "/ex/troba.brd,\"Troba, la 'C'\",";
    EXPECT_EQ(b.log.logs["2026-03-02"].substr(0, capcalera_resultats().size()),
              capcalera_resultats());
    EXPECT_EQ(b.files(),
              "2026-03-02T10:00:01.500," + fitxer + "1,1,Anna,1,right,1500,,console\r\n" +
                  "2026-03-02T10:00:01.750," + fitxer + "1,2,,4,wrong,1750,,stage\r\n" +
                  "2026-03-02T10:00:02.250," + fitxer + "1,1,Anna,2,right,2250,750,console\r\n" +
                  "2026-03-02T10:00:03.250," + fitxer + "1,2,,3,final,3250,1500,console\r\n" +
                  "2026-03-02T10:00:05.250," + fitxer + "2,2,,3,right,2000,,scanning\r\n");
}

TEST(registre_premudes, a_pad_press_is_timed_when_it_happened_not_when_the_tick_ran) {
    banc b;
    b.f.joystick.ara = 5000;
    b.premer(1, 1.5, 5000 - 40, font_premuda::pad);
    b.premer(4, 0.25);
    const std::string fitxer = "/ex/troba.brd,\"Troba, la 'C'\",";
    EXPECT_EQ(b.files(), "2026-03-02T10:00:01.460," + fitxer + "1,1,Anna,1,right,1460,,pad\r\n" +
                             "2026-03-02T10:00:01.750," + fitxer +
                             "1,2,,4,wrong,1750,,console\r\n");
}

TEST(registre_premudes, a_log_begun_without_the_source_column_goes_on_without_it) {
    banc b;
    std::string& log = b.log.logs["2026-03-02"];
    log = capcalera_resultats_sense_origen();
    b.premer(1, 1.5);
    EXPECT_EQ(log, capcalera_resultats_sense_origen() + "2026-03-02T10:00:01.500,/ex/troba.brd," +
                       "\"Troba, la 'C'\",1,1,Anna,1,right,1500,\r\n");
}

TEST(registre_premudes, a_press_timed_a_little_before_the_last_took_no_time_not_a_day) {
    banc b;
    b.premer(1, 1.5);
    b.premer(2, -0.001);
    EXPECT_NE(b.files().find(",1,Anna,2,right,1499,0,console\r\n"), std::string::npos) << b.files();
}

TEST(registre_premudes, an_unwritable_log_is_told_once_and_the_exercise_goes_on) {
    banc b;
    b.log.escrivible = false;
    b.premer(1, 1.0);
    EXPECT_NE(linia_estat(b.form1).find("/dades/resultats"), std::string::npos);
    posar_linia_estat(b.form1, "altra cosa");
    b.premer(2, 1.0);
    EXPECT_EQ(b.s.resposta, "BC");
    EXPECT_EQ(b.log.intents, 2);
    EXPECT_EQ(linia_estat(b.form1), "altra cosa");
    b.log.escrivible = true;
    b.premer(4, 1.0);
    b.log.escrivible = false;
    b.log.fallada = escriptura_resultats::enllac;
    b.premer(4, 1.0);
    EXPECT_EQ(linia_estat(b.form1), "El registre de resultats no s'escriu: a /dades/resultats hi "
                                    "ha un enlla\xE7 on va el registre");
}

TEST(registre_premudes, nothing_is_logged_when_turned_off_or_not_judged) {
    banc apagat({false, {}});
    apagat.premer(1, 1.0);
    EXPECT_EQ(apagat.log.intents, 0);

    banc aturat;
    aturat.m.actual().aturar();
    aturat.s.tipus = tipus_de_text("4");
    aturat.premer(1, 1.0);
    EXPECT_EQ(aturat.log.intents, 0);
}

} // namespace
} // namespace quorvel
