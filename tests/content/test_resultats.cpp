#include "content/resultats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvel {
namespace {

using files_csv = std::vector<std::vector<std::string>>;

TEST(resultats, fields_are_quoted_only_when_they_must_and_read_back_unchanged) {
    const char* camps[] = {"Troba", "Troba, la C",  "Diu \"hola\"", "dues\r\nlinies", "\"",
                           "",      "\xC3\xA0vila", "a,\"b\",c"};
    const char* escrits[] = {
        "Troba", "\"Troba, la C\"", "\"Diu \"\"hola\"\"\"", "\"dues\r\nlinies\"", "\"\"\"\"",
        "",      "\xC3\xA0vila",    "\"a,\"\"b\"\",c\""};
    for (std::size_t i = 0; i < std::size(camps); ++i) {
        EXPECT_EQ(camp_csv(camps[i]), escrits[i]);
        const auto files = csv_llegir(camp_csv(camps[i]) + ",x\r\n");
        ASSERT_EQ(files.size(), 1u) << camps[i];
        EXPECT_EQ(files[0], (std::vector<std::string>{camps[i], "x"}));
    }
}

TEST(resultats, fields_a_spreadsheet_would_run_are_guarded_and_read_back_as_written) {
    const struct {
        const char* camp;
        const char* escrit;
    } casos[] = {
        {"@SUM(1+1)*cmd|x", "'@SUM(1+1)*cmd|x"},
        {"=1+1", "'=1+1"},
        {"+34 600", "'+34 600"},
        {"-2", "'-2"},
        {"\tx", "'\tx"},
        {"\rx", "\"'\rx\""},
        {"=a,b", "\"'=a,b\""},
        {"'=x", "''=x"},
        {"'quote", "'quote"},
        {"a=b", "a=b"},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(camp_csv(c.camp), c.escrit) << c.camp;
        EXPECT_EQ(csv_llegir(camp_csv(c.camp) + "\r\n").at(0).at(0), c.camp) << c.camp;
    }
    fila_resultat f{"2026-03-02T10:00:01.500",
                    "/e.brd",
                    "@SUM(1+1)*cmd|x",
                    1,
                    1,
                    "=Anna",
                    2,
                    resultat_premuda::be,
                    10,
                    {}};
    EXPECT_EQ(fila_csv(f),
              "2026-03-02T10:00:01.500,/e.brd,'@SUM(1+1)*cmd|x,1,1,'=Anna,2,right,10,,pad\r\n");
    acumulador_resultats a;
    a.afegir(capcalera_resultats() + fila_csv(f));
    EXPECT_EQ(a.resum().jugadors.at(0).nom, "=Anna");
    EXPECT_EQ(resum_csv(a.resum().jugadors).substr(resum_csv({}).size()),
              "1,'=Anna,1,1,0,1.0000,10.0\r\n");
    // A log written elsewhere without the guard gets it in the export.
    EXPECT_EQ(csv_reescriure("time,exercise_title\r\n2026-03-02T10:00:01.500,=cmd\r\n\r\n"),
              "time,exercise_title\r\n2026-03-02T10:00:01.500,'=cmd\r\n");
}

TEST(resultats, csv_rows_split_at_any_line_end_and_keep_empty_fields) {
    const struct {
        const char* text;
        files_csv files;
    } casos[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"a,b\nc,d", {{"a", "b"}, {"c", "d"}}},
        {",,\r\n", {{"", "", ""}}},
        {"\"x\r\ny\",z", {{"x\r\ny", "z"}}},
        {"", {}},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(csv_llegir(c.text), c.files) << c.text;
    }
}

TEST(resultats, a_row_names_every_column_of_the_header) {
    fila_resultat f{moment_iso("2026-03-02", 36001.5),
                    "/ex/a b.brd",
                    "Compta, \"u\"",
                    3,
                    2,
                    "Anna",
                    12,
                    resultat_premuda::pas_cursa,
                    1500,
                    250,
                    origen_premuda::escombrat};
    const std::string fila =
        "2026-03-02T10:00:01.500,/ex/a b.brd,\"Compta, \"\"u\"\"\",3,2,Anna,12,race_step,1500,250";
    EXPECT_EQ(fila_csv(f), fila + ",scanning\r\n");
    EXPECT_EQ(fila_csv_sense_origen(f), fila + "\r\n");
    EXPECT_EQ(csv_llegir(capcalera_resultats())[0].size(), csv_llegir(fila_csv(f))[0].size());
    EXPECT_EQ(csv_llegir(capcalera_resultats_sense_origen())[0].size(),
              csv_llegir(fila_csv_sense_origen(f))[0].size());
    f.jugador = 0;
    f.ms_anterior.reset();
    EXPECT_EQ(csv_llegir(fila_csv(f))[0][4], "");
    EXPECT_EQ(csv_llegir(fila_csv(f))[0][9], "");
}

TEST(resultats, times_of_day_keep_milliseconds_and_stay_within_the_day) {
    const struct {
        double segons;
        const char* text;
    } casos[] = {{0, "T00:00:00.000"},          {45296.789, "T12:34:56.789"},
                 {86399.9994, "T23:59:59.999"}, {86400.2, "T23:59:59.999"},
                 {-1, "T00:00:00.000"},         {59.9996, "T00:01:00.000"}};
    for (const auto& c : casos) {
        EXPECT_EQ(moment_iso("2026-01-31", c.segons), std::string("2026-01-31") + c.text);
    }
}

TEST(resultats, result_words_read_back) {
    for (const auto r :
         {resultat_premuda::be, resultat_premuda::mal, resultat_premuda::final,
          resultat_premuda::ignorat, resultat_premuda::pas_cursa, resultat_premuda::parella}) {
        EXPECT_EQ(resultat_de_nom(nom_resultat(r)), r);
    }
    EXPECT_EQ(resultat_de_nom("Right"), std::nullopt);
}

// Two days of one log: Anna on pad 1, pad 2 without a name.
const char* const log_dos_dies =
    "time,exercise_file,exercise_title,question,player,player_name,cell,result,"
    "ms_since_instruction,ms_since_previous_press\r\n"
    "2026-03-02T10:00:01.000,/e.brd,T,1,1,Anna,1,right,1000,\r\n"
    "2026-03-02T10:00:02.000,/e.brd,T,1,1,Anna,2,wrong,2000,400\r\n"
    "2026-03-02T10:00:03.000,/e.brd,T,1,1,Anna,2,ignored,3000,100\r\n"
    "2026-03-02T10:00:04.000,/e.brd,T,1,2,,3,final,4000,\r\n"
    "2026-03-03T09:00:00.000,/e.brd,T,1,1,Anna,1,race_step,600,\r\n"
    "2026-03-03T09:00:01.000,/e.brd,T,1,1,Anna,1,pair,900,300\r\n"
    "bad row\r\n"
    "2026-03-03T09:00:02.000,/e.brd,T,1,1,Anna,1,maybe,900,300\r\n";

TEST(resultats, summary_per_player_over_everything_and_per_day) {
    acumulador_resultats a;
    a.afegir(log_dos_dies);
    const resum_resultats r = a.resum();
    EXPECT_EQ(r.files, 6);
    EXPECT_EQ(r.files_dolentes, 2);
    ASSERT_EQ(r.jugadors.size(), 2u);
    const resum_jugador& anna = r.jugadors[0];
    EXPECT_EQ(anna.jugador, 1);
    EXPECT_EQ(anna.nom, "Anna");
    EXPECT_EQ(anna.premudes, 5);
    EXPECT_EQ(anna.encerts, 3);
    EXPECT_EQ(anna.errors, 1);
    EXPECT_DOUBLE_EQ(anna.proporcio_encerts.value(), 0.75);
    // 1000, 400, 600, 300: the ignored press does not count.
    EXPECT_DOUBLE_EQ(anna.mediana_ms.value(), 500.0);
    EXPECT_EQ(r.jugadors[1].jugador, 2);
    EXPECT_DOUBLE_EQ(r.jugadors[1].mediana_ms.value(), 4000.0);

    ASSERT_EQ(r.sessions.size(), 2u);
    EXPECT_EQ(r.sessions[0].data, "2026-03-02");
    EXPECT_EQ(r.sessions[1].data, "2026-03-03");
    ASSERT_EQ(r.sessions[1].jugadors.size(), 1u);
    EXPECT_DOUBLE_EQ(r.sessions[1].jugadors[0].proporcio_encerts.value(), 1.0);
    EXPECT_DOUBLE_EQ(r.sessions[1].jugadors[0].mediana_ms.value(), 450.0);
    EXPECT_DOUBLE_EQ(r.sessions[0].jugadors[0].proporcio_encerts.value(), 0.5);
}

TEST(resultats, a_text_without_the_header_counts_as_bad_and_adds_nothing) {
    acumulador_resultats a;
    a.afegir("2026-03-02T10:00:01.000,/e.brd,T,1,1,Anna,1,right,1000,\r\n");
    a.afegir("");
    const resum_resultats r = a.resum();
    EXPECT_TRUE(r.jugadors.empty());
    EXPECT_EQ(r.files_dolentes, 1);
}

TEST(resultats, only_ignored_presses_leave_share_and_median_unknown) {
    acumulador_resultats a;
    a.afegir(std::string(capcalera_resultats()) +
             "2026-03-02T10:00:01.000,/e.brd,T,1,1,,1,ignored,1000,\r\n");
    const resum_jugador j = a.resum().jugadors.at(0);
    EXPECT_EQ(j.premudes, 1);
    EXPECT_FALSE(j.proporcio_encerts);
    EXPECT_FALSE(j.mediana_ms);
    EXPECT_EQ(resum_csv({j}), "player,player_name,presses,right,wrong,share_right,median_ms\r\n"
                              "1,,1,0,0,,\r\n");
}

TEST(resultats, the_exported_table_quotes_names) {
    const resum_jugador j{2, "Pau, \"P\"", 4, 3, 1, 0.75, 512.5};
    EXPECT_EQ(resum_csv({j}), "player,player_name,presses,right,wrong,share_right,median_ms\r\n"
                              "2,\"Pau, \"\"P\"\"\",4,3,1,0.7500,512.5\r\n");
}

TEST(resultats, the_weeks_before_a_day_take_the_day_logs_of_that_span) {
    const std::vector<std::string> noms{"2026-03-03.csv", "2026-02-01.csv", "2026-01-05.csv",
                                        "2026-03-04.csv", "notes.csv",      "2026-02-30.csv",
                                        "2026-02-28.txt", "2026-01-04.csv"};
    EXPECT_EQ(logs_dels_dies(noms, "2026-03-03", 58),
              (std::vector<std::string>{"2026-01-05.csv", "2026-02-01.csv", "2026-03-03.csv"}));
    EXPECT_EQ(logs_dels_dies(noms, "2026-03-03", 1), (std::vector<std::string>{"2026-03-03.csv"}));
    EXPECT_TRUE(logs_dels_dies(noms, "avui", 58).empty());
}

} // namespace
} // namespace quorvel
