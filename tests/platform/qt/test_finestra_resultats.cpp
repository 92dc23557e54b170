#include "platform/qt/finestra_resultats.h"
#include "tests/fakes/carpeta_temporal.h"

#include <QChart>
#include <QDateTime>
#include <QLineSeries>
#include <QPushButton>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTest>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const std::string capcalera = "time,exercise_file,exercise_title,question,player,player_name,"
                              "cell,result,ms_since_instruction,ms_since_previous_press\r\n";

std::string fila(const std::string& dia, int pad, const std::string& nom, const char* resultat,
                 int ms) {
    return dia + "T10:00:00.000,/e.brd,T,1," + std::to_string(pad) + "," + nom + ",1," + resultat +
           "," + std::to_string(ms) + ",\r\n";
}

class finestra_resultats_test : public ::testing::Test {
  protected:
    void SetUp() override {
        // Three days in the weeks shown, one long before them.
        escriure("2026-03-02.csv", fila("2026-03-02", 1, "Anna", "right", 1000) +
                                       fila("2026-03-02", 1, "Anna", "wrong", 3000));
        escriure("2026-03-03.csv", fila("2026-03-03", 1, "Anna", "right", 800) +
                                       fila("2026-03-03", 2, "Pau", "final", 2000) +
                                       fila("2026-03-03", 2, "Pau", "wrong", 1000) +
                                       fila("2026-03-03", 2, "Pau", "ignored", 10));
        escriure("2025-10-01.csv", fila("2025-10-01", 1, "Anna", "wrong", 500));
        escriure("notes.csv", "not a log\r\n");
    }

    void escriure(const std::string& nom, const std::string& files) const {
        fakes::escriure_fitxer(carpeta_ / nom, capcalera + files);
    }
    static std::vector<std::vector<std::string>> taula(const QTableWidget& t) {
        std::vector<std::vector<std::string>> files;
        for (int r = 0; r < t.rowCount(); ++r) {
            files.emplace_back();
            for (int c = 0; c < t.columnCount(); ++c) {
                files.back().push_back(t.item(r, c)->text().toStdString());
            }
        }
        return files;
    }
    // Each series by name: its points as (day, value).
    static std::map<std::string, std::vector<std::pair<std::string, double>>>
    series(const QChart& c) {
        std::map<std::string, std::vector<std::pair<std::string, double>>> totes;
        for (QAbstractSeries* s : c.series()) {
            auto& punts = totes[s->name().toStdString()];
            for (const QPointF& p : static_cast<QLineSeries*>(s)->points()) {
                const QDate dia = QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(p.x())).date();
                punts.emplace_back(dia.toString(Qt::ISODate).toStdString(), p.y());
            }
        }
        return totes;
    }
    fakes::carpeta_temporal temporal_{"finestra-resultats"};
    const fs::path& carpeta_ = temporal_.cami();
};

TEST_F(finestra_resultats_test, today_shows_its_players_and_the_chart_the_weeks_before) {
    finestra_resultats f(carpeta_.string());
    f.mostrar_avui("2026-03-03");
    EXPECT_EQ(taula(f.taula()),
              (std::vector<std::vector<std::string>>{{"1", "Anna", "1", "1", "0", "100.0", "800"},
                                                     {"2", "Pau", "3", "1", "1", "50.0", "1500"}}));
    using punts = std::vector<std::pair<std::string, double>>;
    const auto encerts = series(f.grafic_encerts());
    EXPECT_EQ(encerts.size(), 2u);
    EXPECT_EQ(encerts.at("1 Anna"), (punts{{"2026-03-02", 50.0}, {"2026-03-03", 100.0}}));
    EXPECT_EQ(encerts.at("2 Pau"), (punts{{"2026-03-03", 50.0}}));
    const auto temps = series(f.grafic_temps());
    EXPECT_EQ(temps.at("1 Anna"), (punts{{"2026-03-02", 2000.0}, {"2026-03-03", 800.0}}));
    EXPECT_EQ(temps.at("2 Pau"), (punts{{"2026-03-03", 1500.0}}));
}

TEST_F(finestra_resultats_test, a_chosen_log_and_its_export) {
    finestra_resultats f(carpeta_.string());
    f.mostrar_fitxer((carpeta_ / "2026-03-02.csv").string());
    EXPECT_EQ(taula(f.taula()), (std::vector<std::vector<std::string>>{
                                    {"1", "Anna", "2", "1", "1", "50.0", "2000"}}));
    EXPECT_EQ(series(f.grafic_encerts()).at("1 Anna").size(), 1u);
    ASSERT_TRUE(f.exportar((carpeta_ / "taula.csv").string()));
    EXPECT_EQ(fakes::llegir_fitxer(carpeta_ / "taula.csv"),
              "player,player_name,presses,right,wrong,share_right,median_ms\r\n"
              "1,Anna,2,1,1,0.5000,2000.0\r\n");
    EXPECT_FALSE(f.exportar((carpeta_ / "no" / "taula.csv").string()));
}

TEST_F(finestra_resultats_test, exports_start_in_the_documents_and_tell_where_they_wrote) {
    QStandardPaths::setTestModeEnabled(true);
    const std::string documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    fs::create_directories(documents);
    escriure("2026-03-04.csv", "2026-03-04T10:00:00.000,/e.brd,=cmd|x,1,1,Anna,1,right,900,\r\n");
    finestra_resultats f(carpeta_.string());
    std::vector<std::string> propostes;
    std::string desti;
    f.posar_triar_desti([&](const std::string&, const std::string& proposta) {
        propostes.push_back(proposta);
        return desti;
    });
    f.mostrar_avui("2026-03-04");
    const auto boto = [&f](const char* text) {
        for (QPushButton* b : f.findChildren<QPushButton*>()) {
            if (b->text() == QString::fromUtf8(text)) {
                return b;
            }
        }
        throw std::runtime_error(text);
    };
    desti = (carpeta_ / "files.csv").string();
    boto("Exportar files...")->click();
    EXPECT_EQ(f.avis().toStdString(), "Desat a " + desti);
    EXPECT_EQ(fakes::llegir_fitxer(desti),
              capcalera + "2026-03-04T10:00:00.000,/e.brd,'=cmd|x,1,1,Anna,1,right,900,\r\n");
    desti = (carpeta_ / "no" / "resum.csv").string();
    boto("Exportar resum...")->click();
    EXPECT_EQ(f.avis().toStdString(), "No s'ha pogut escriure " + desti);
    EXPECT_EQ(propostes, (std::vector<std::string>{documents + "/resultats-2026-03-04.csv",
                                                   documents + "/resum-2026-03-04.csv"}));
    fs::remove_all(documents);
    QStandardPaths::setTestModeEnabled(false);
}

TEST_F(finestra_resultats_test, a_day_without_a_log_shows_an_empty_table) {
    finestra_resultats f(carpeta_.string());
    f.mostrar_avui("2026-04-01");
    EXPECT_EQ(f.taula().rowCount(), 0);
}

} // namespace
} // namespace quorvel
