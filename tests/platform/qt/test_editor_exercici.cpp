#include "app/sessio.h"
#include "content/document_exercici.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/editor_exercici.h"
#include "platform/qt/editor_tauler.h"
#include "platform/qt/llocs_ginys.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string llegir(const fs::path& cami) {
    std::ifstream f(cami, std::ios::binary);
    std::ostringstream b;
    b << f.rdbuf();
    return b.str();
}

class editor_exercici_test : public ::testing::Test {
  protected:
    void SetUp() override {
        carpeta_ = fs::temp_directory_path() / ("quorvel_editor_" + std::to_string(::getpid()));
        fs::remove_all(carpeta_);
        fs::create_directories(carpeta_);
        s_.n_botons = 16;
        s_.n_columnes = 4;
    }
    void TearDown() override { fs::remove_all(carpeta_); }

    template <typename T> T* fill(finestra_editor& e, const char* nom) {
        T* w = e.findChild<T*>(QStringLiteral("editor_") + QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    void clicar(finestra_editor& e, const char* nom) {
        QTest::mouseClick(fill<QPushButton>(e, nom), Qt::LeftButton);
    }
    void casella(finestra_editor& e, int k) {
        auto* t = fill<tauler_editor>(e, "tauler");
        QTest::mouseClick(t, Qt::LeftButton, {}, t->rect_casella(k).center());
    }

    fs::path carpeta_;
    sessio s_;
    fitxers_disc fitxers_;
};

// An exercise made with clicks and typing only: the cells come from the
// board and the shape buttons, the file holds them as letters and codes, and
// a second window reads back what the first saved; undo steps back.
TEST_F(editor_exercici_test, makes_saves_and_reopens_an_exercise) {
    const fs::path cami = carpeta_ / "nou.brd";
    {
        finestra_editor e(s_, fitxers_, carpeta_ / "meus");
        ASSERT_TRUE(e.obrir(cami));
        e.resize(1000, 700);
        e.show();
        ASSERT_TRUE(fs::exists(cami));
        EXPECT_FALSE(e.isWindowModified());
        EXPECT_TRUE(e.windowTitle().contains(QStringLiteral("nou.brd")));
        clicar(e, "afegir");
        EXPECT_TRUE(e.isWindowModified());
        auto* pregunta = fill<QLineEdit>(e, "pregunta");
        pregunta->setFocus();
        QTest::keyClicks(pregunta, QStringLiteral("On "));
        pregunta->insert(QStringLiteral("\u00e9"));
        QTest::keyClicks(pregunta, QStringLiteral("s el gos?"));
        QTest::keyClick(pregunta, Qt::Key_Return);
        casella(e, 5);
        clicar(e, "forma(0)");
        casella(e, 5);
        casella(e, 7);
        QTest::mouseClick(fill<QRadioButton>(e, "camp_especials"), Qt::LeftButton);
        casella(e, 16);
        clicar(e, "duplicar");
        EXPECT_EQ(e.exercici().n_items(), 2u);
        fill<QAction>(e, "desfer")->trigger();
        EXPECT_EQ(e.exercici().n_items(), 1u);
        EXPECT_EQ(e.exercici().item(0, camp_item::correctes), "(LU)H");
        EXPECT_EQ(e.exercici().item(0, camp_item::especials), "Q");
        EXPECT_TRUE(e.troballes().empty()) << e.troballes().front().text;
        ASSERT_TRUE(e.desar());
        EXPECT_FALSE(e.isWindowModified());
    }
    const std::string escrit = llegir(cami);
    EXPECT_NE(escrit.find("Consigna\tOn \xC3\xA9s el gos?\r\n"), std::string::npos) << escrit;
    EXPECT_NE(escrit.find("Correctes\t(LU)H\r\n"), std::string::npos) << escrit;
    finestra_editor e(s_, fitxers_, carpeta_ / "meus");
    ASSERT_TRUE(e.obrir(cami));
    EXPECT_EQ(fill<QLineEdit>(e, "pregunta")->text(), QStringLiteral("On \u00e9s el gos?"));
    EXPECT_EQ(document_escriure(e.exercici().document()), escrit);
}

// A finding of the lint selects the field it is about.
TEST_F(editor_exercici_test, a_finding_selects_its_field) {
    finestra_editor e(s_, fitxers_, carpeta_ / "meus");
    ASSERT_TRUE(e.obrir(carpeta_ / "buit.brd"));
    clicar(e, "afegir");
    QTest::mouseClick(fill<QRadioButton>(e, "camp_especials"), Qt::LeftButton);
    auto* avisos = fill<QListWidget>(e, "avisos");
    ASSERT_FALSE(e.troballes().empty());
    avisos->setCurrentRow(0);
    EXPECT_TRUE(fill<QRadioButton>(e, "camp_correctes")->isChecked()) << e.troballes().front().text;
}

// The rules' path follows a formula as it is typed, before the edit is
// confirmed; the list rows of a note type show each note by name and number.
TEST_F(editor_exercici_test, the_path_follows_the_formula_typed_and_notes_show_by_name) {
    const fs::path regla = carpeta_ / "regla.brd";
    std::ofstream(regla, std::ios::binary)
        << "Exercici\tR\r\nAutor\tA\r\nTipus\t8\r\nPreguntes\t1\r\nConsigna\tC\r\nPregunta 1\tP\r\n"
           "Correctes\tB\r\nColumnes\t\"xf = xi + 1\"\r\nFiles\t\"yf = yi\"\r\n"
           "Especials\tE\r\nSo 1\t\r\nSo 2\t\r\nSo 3\t\r\nSo 4\t\r\nEscenari\t\r\n";
    finestra_editor e(s_, fitxers_, carpeta_ / "meus");
    ASSERT_TRUE(e.obrir(regla));
    auto* t = fill<tauler_editor>(e, "tauler");
    EXPECT_EQ(t->cami(), (std::vector<int>{1, 2, 3, 4}));
    auto* files = fill<QLineEdit>(e, "regla_files");
    files->selectAll();
    QTest::keyClicks(files, "yf = yi + 1");
    EXPECT_EQ(t->cami(), (std::vector<int>{1, 6, 11, 16}));
    EXPECT_FALSE(e.isWindowModified());

    const fs::path escala = carpeta_ / "escala.brd";
    std::ofstream(escala, std::ios::binary)
        << "Exercici\tE\r\nAutor\tA\r\nTipus\t5\r\nEntrades\t2\r\nConsigna (nombre)\t1\r\n"
           "Do\t60\r\nLa\t69\r\nInstrument\t0\r\nCanal\t0\r\n";
    ASSERT_TRUE(e.obrir(escala));
    auto* items = fill<QListWidget>(e, "items");
    ASSERT_EQ(items->count(), 2);
    EXPECT_TRUE(items->item(0)->text().endsWith(QStringLiteral(": C4 (60)")))
        << items->item(0)->text().toStdString();
    EXPECT_TRUE(items->item(1)->text().endsWith(QStringLiteral(": A4 (69)")));
}

// The records after the body are fields too: each change is saved in its
// record (the channel shown from 1, written from 0) and undone on its own.
TEST_F(editor_exercici_test, edits_the_records_after_the_body) {
    struct cas {
        const char* fitxer;
        const char* cos;
        std::function<void(finestra_editor&)> canviar;
        std::size_t registre;
        const char* abans;
        const char* despres;
    };
    const auto escriure = [&](finestra_editor& e, const char* nom, const char* text) {
        auto* l = fill<QLineEdit>(e, nom);
        l->setText(QString::fromLatin1(text));
        emit l->editingFinished();
    };
    const std::string nota = "Exercici\tN\r\nAutor\tA\r\nTipus\t12\r\nEntrades\t1\r\n"
                             "Consigna (nombre)\t1\r\nDo\t60\r\nInstrument\t0\r\nCanal\t0\r\n"
                             "So 1\tbe.wav\r\nSo 2\tno.wav\r\nSo 3\t\r\nSo 4\t\r\n";
    const std::string amagada = "Exercici\tH\r\nAutor\tA\r\nTipus\t51\r\nElements\t0\r\n"
                                "Consigna\t\r\nPista\ta.wav\r\nPista\tb.wav\r\nPista\tc.wav\r\n"
                                "Pista\td.wav\r\nPista\te.wav\r\n";
    const std::vector<cas> casos = {
        {"instrument.brd", nota.c_str(),
         [&](finestra_editor& e) { fill<QSpinBox>(e, "instrument")->setValue(40); }, 6,
         "Instrument\t0", "Instrument\t40"},
        {"canal.brd", nota.c_str(),
         [&](finestra_editor& e) { fill<QSpinBox>(e, "canal")->setValue(10); }, 7, "Canal\t0",
         "Canal\t9"},
        {"media.brd", nota.c_str(),
         [&](finestra_editor& e) { escriure(e, "final(2)", "error.wav"); }, 9, "So 2\tno.wav",
         "So 2\terror.wav"},
        {"pista.brd", amagada.c_str(),
         [&](finestra_editor& e) { escriure(e, "pista(3)", "amunt.wav"); }, 7, "Pista\tc.wav",
         "Pista\tamunt.wav"},
    };
    for (const cas& c : casos) {
        const fs::path cami = carpeta_ / c.fitxer;
        std::ofstream(cami, std::ios::binary) << c.cos;
        finestra_editor e(s_, fitxers_, carpeta_ / "meus");
        ASSERT_TRUE(e.obrir(cami));
        c.canviar(e);
        ASSERT_TRUE(e.desar());
        EXPECT_EQ(document_llegir(llegir(cami)).registres.at(c.registre).text, c.despres)
            << c.fitxer;
        fill<QAction>(e, "desfer")->trigger();
        EXPECT_EQ(e.exercici().document().registres.at(c.registre).text, c.abans) << c.fitxer;
    }
}

// Scripts find the tool bar's buttons and the drawn board's cells by name, at
// the places where a click reaches them.
TEST_F(editor_exercici_test, lists_its_buttons_and_cells_by_name) {
    finestra_editor e(s_, fitxers_, carpeta_ / "meus");
    ASSERT_TRUE(e.obrir(carpeta_ / "buit.brd"));
    e.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&e));
    const QString llocs = QString::fromUtf8(llocs_ginys::llocs());
    auto* t = fill<tauler_editor>(e, "tauler");
    const QRect c = t->rect_casella(16);
    const QPoint p = t->mapToGlobal(c.topLeft());
    EXPECT_TRUE(llocs.contains(QStringLiteral("\neditor_casella(16) %1 %2 %3 %4\n")
                                   .arg(p.x())
                                   .arg(p.y())
                                   .arg(c.width())
                                   .arg(c.height())))
        << llocs.toStdString();
    EXPECT_FALSE(llocs.contains(QStringLiteral("editor_casella(17)")));
    EXPECT_TRUE(llocs.contains(QStringLiteral("\neditor_desar ")));
    EXPECT_TRUE(llocs.contains(QStringLiteral("\neditor_provar ")));
}

} // namespace
} // namespace quorvel
