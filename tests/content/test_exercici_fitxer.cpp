#include "app/sessio.h"
#include "content/avis_text.h"
#include "content/caselles_tauler.h"
#include "content/exercici_fitxer.h"
#include "core/dialegs_fitxer.h"
#include "core/finestra.h"
#include "core/text.h"
#include "engine/exercici_inicialitzar.h"
#include "i18n/idioma.h"
#include "tests/content/fitxers_prova.h"
#include "tests/fakes/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quorvel {
namespace {

using namespace prova;
const auto descriure = descriure_exercici;

std::string capcalera(const std::string& tipus) {
    return linies({"Exercici\tProva", "Autor\tEscola", "Tipus\t" + tipus});
}

// The nine records of one item of a body without quoted texts.
std::string item(const std::string& consigna, const std::string& correctes = "B",
                 const std::string& especials = "", const std::string& media_1 = "") {
    return linies({"C\t" + consigna, "R\t" + correctes, "S\tC", "E\t" + especials, "M\t" + media_1,
                   "M\t", "M\t", "M\t", "M\t"});
}

std::string etiquetat(const std::vector<std::string>& registres) {
    std::string text;
    for (const auto& r : registres) {
        text += r + "\r\n";
    }
    return text;
}

class exercici_fitxer : public ::testing::Test {
  protected:
    void SetUp() override {
        exercici_inicialitzar(s, {});
        s.carpeta_programa = "/prog";
        s.n_botons = 12;
        s.n_columnes = 4;
        s.n_joysticks = 1;
        for (const char* nom : {"/ex/imatge/gos.gif", "/ex/imatge/gat.gif", "/ex/veu/gos.wav",
                                "/ex/fons.jpg", "/ex/veu/do.wav"}) {
            f.posar(nom, "");
        }
    }

    void carregar(const std::string& text, const std::string& cami = "/ex\\prova.brd") {
        f.posar(cami, text);
        exercici_carregar(s, f, cami);
    }

    std::vector<avis_lectura> avisos(const std::string& text,
                                     const std::string& cami = "/ex\\prova.brd") {
        f.posar(cami, text);
        std::vector<avis_lectura> a;
        exercici_carregar(s, f, cami, &a);
        return a;
    }

    sessio s;
    fakes::fitxers_falsos f;
};

TEST_F(exercici_fitxer, bodies_from_sample_files) {
    carregar(dades("exercicis/animals.brd"), "/ex\\animals.brd");
    EXPECT_EQ(descriure(s),
              "6|/ex\\animals.brd|/ex\\|Trobeu els animals|1|0|2\n[][]\n"
              "||||||||||\n"
              "On \xE9s el gos?|BEIM|CD|||B|/ex\\imatge\\gos.gif|"
              "/ex\\veu\\gos.wav|ok.wav||\n"
              "On \xE9s el gat?|JKLM|*||||/ex\\imatge\\gat.gif|/ex\\veu\\gos.wav||||\n"
              "||||||||||\n");

    // Types 8 and 17 read two quoted texts instead of the sequence.
    carregar(dades("exercicis/dibuix.brd"));
    EXPECT_EQ(s.elements.superior(), 2);
    EXPECT_EQ(camps(s.elements[1]), "Cap a la dreta|BFJ||xf = xi + 1|yf = yi|EIM|||||");

    // Type 51 reads five answers after the items.
    carregar(dades("exercicis/respostes.brd"));
    EXPECT_EQ(camps(s.elements[2]), "d0|d1|d2|||d3|d4|d5|d6|d7|d8");
    EXPECT_EQ(llista(s), "[BCDE][B][CD][JKLM][M]");

    // Type 12: the list, entry 0 as written, the extra number, and one item
    // that accepts any cell.
    carregar(dades("exercicis/piano.brd"));
    EXPECT_EQ(descriure(s), "12|/ex\\prova.brd|/ex\\|7|3|2|0\n[do.wav][60][62][64][]\n"
                            "||||||||||\n"
                            "|*|*|||*|/ex\\fons.jpg||||\n");
}

TEST_F(exercici_fitxer, quoted_texts_of_drawing_types) {
    struct cas {
        std::string registre, text;
    };
    const std::vector<cas> casos = {
        {"Col\t\"xf = xi", "xf = xi"}, // no closing quote: the rest of the record
        {"Col\txf = xi", ""},          // no quotes at all
        {"\"xf = xi\"", ""},           // the reader takes the quotes off a quoted record
        {"Col\t\"a\" i \"b\"", "a"},   // the first pair only
    };
    for (const auto& c : casos) {
        carregar(capcalera("17") + linies({"N\t1", "G", "C", "R\tB", c.registre, "Fila\t\"y\"", "E",
                                           "M", "M", "M", "M", "M"}));
        EXPECT_EQ(s.elements[1].text_1, c.text) << c.registre;
        EXPECT_EQ(s.elements[1].text_2, "y") << c.registre;
    }
}

TEST_F(exercici_fitxer, list_bodies) {
    // A list body leaves the items of an earlier exercise alone.
    carregar(dades("exercicis/animals.brd"));
    carregar(capcalera("3") + linies({"N\t2", "Num\t5", "A\tgos.gif", "B\tgat.gif"}));
    EXPECT_EQ(llista(s), "[][/ex\\imatge\\gos.gif][/ex\\imatge\\gat.gif][]");
    EXPECT_EQ(s.elements[2].correctes, "JKLM");

    struct cas {
        std::string tipus, numero, extra;
        std::string consigna, entrada_0;
        std::int16_t valor_extra;
    };
    // The number is written back as decimal text (one that overflows leaves
    // the text as it was); only types 5 and 12 read entry 0 and the extra
    // number, and an extra that is not a number keeps the previous value.
    const std::vector<cas> casos = {
        {"5", "7 notes", "3.5", "7", "raw", 4}, {"4", "", "3.5", "0", "", 9},
        {"11", "2.50", "3.5", "2.5", "", 9},    {"5", "-0", "tres", "0", "raw", 9},
        {"12", "1e3", "-2", "1000", "raw", -2}, {"3", "1e400", "", "abans", "", 9},
    };
    for (const auto& c : casos) {
        s.valor_extra = 9;
        s.consigna_exercici = "abans";
        carregar(capcalera(c.tipus) +
                 linies({"N\t1", "Num\t" + c.numero, "A\t60", "Z\traw", "X\t" + c.extra}));
        EXPECT_EQ(s.consigna_exercici, c.consigna) << c.tipus << " " << c.numero;
        EXPECT_EQ(s.llista_exercici[0], c.entrada_0) << c.tipus;
        EXPECT_EQ(s.valor_extra, c.valor_extra) << c.tipus << " " << c.extra;
    }
}

TEST_F(exercici_fitxer, type_text_selects_the_body) {
    struct cas {
        std::string tipus;
        std::int16_t n_elements;
    };
    // n_elements starts at 1: only a selected item body reads the count 3.
    const std::vector<cas> casos = {{"6", 3},  {" 6", 1}, {"06", 1}, {"6.0", 1},
                                    {"20", 3}, {"25", 3}, {"26", 1}, {"1", 1}};
    for (const auto& c : casos) {
        exercici_inicialitzar(s, {});
        carregar(capcalera(c.tipus) + linies({"N\t3"}));
        EXPECT_EQ(s.tipus.text, c.tipus);
        EXPECT_EQ(s.n_elements, c.n_elements) << c.tipus;
    }
}

TEST_F(exercici_fitxer, body_b_reads_ten_records_and_no_answers) {
    carregar(dades("exercicis/respostes.brd"));
    carregar(capcalera("20") + linies({"N\t1", "G"}) + item("u", "C") + item("sobra"));
    EXPECT_EQ(s.elements[1].correctes, "C");
    EXPECT_EQ(s.elements[1].sequencia, "C");
    EXPECT_EQ(s.elements[2].consigna, "");
    EXPECT_EQ(s.llista_exercici[0], "BCDE");
}

TEST_F(exercici_fitxer, counts_out_of_the_ordinary) {
    struct cas {
        std::string compte;
        std::int16_t n_elements;
        int superior;
    };
    const std::vector<cas> casos = {
        {"0", 0, 1}, {"-1", -1, 0}, {"-7", -7, 0}, {"40000", 1, 2}, {"abc", 0, 1}, {"1.5", 2, 3},
    };
    for (const auto& c : casos) {
        exercici_inicialitzar(s, {});
        carregar(capcalera("7") + linies({"N\t" + c.compte, "G"}) + item("u") + item("d"));
        EXPECT_EQ(s.n_elements, c.n_elements) << c.compte;
        EXPECT_EQ(s.elements.superior(), c.superior) << c.compte;
        EXPECT_EQ(s.elements[c.superior >= 2 ? 1 : 0].consigna, c.superior >= 2 ? "u" : "");
    }
}

TEST_F(exercici_fitxer, shape_codes_in_cell_lists) {
    struct cas {
        std::string valor, expandit;
    };
    const std::vector<cas> casos = {
        {"B(LR)", "BEIM"}, {"A(LU", "A"},        {"(XX)C", "C"},
        {"(PCE)", ""},     {"(PUM)(PDM)", "BJ"}, {"", ""},
    };
    for (const auto& c : casos) {
        carregar(capcalera("9") + linies({"N\t1", "G"}) + item("u", c.valor, c.valor));
        EXPECT_EQ(s.elements[1].correctes, c.expandit) << c.valor;
        EXPECT_EQ(s.elements[1].especials, c.expandit) << c.valor;
    }
}

TEST_F(exercici_fitxer, path_folder_and_current_folder) {
    const std::string text = dades("exercicis/animals.brd");
    f.posar("/ex/animals.brd", text);
    struct cas {
        std::string cami, fitxer, carpeta;
    };
    const std::vector<cas> casos = {
        {"/ex\\animals.brd", "/ex\\animals.brd", "/ex\\"},
        {"\"/ex\\animals.brd\"", "/ex\\animals.brd", "/ex\\"},
        {"/ex/animals.brd", "/ex/animals.brd", "/ex/"},
        {"/ex\\cap.brd", "/ex\\cap.brd", "/ex\\cap.brd"},
    };
    for (const auto& c : casos) {
        exercici_inicialitzar(s, {});
        f.actual = "/";
        exercici_carregar(s, f, c.cami);
        EXPECT_EQ(s.fitxer_exercici, c.fitxer);
        EXPECT_EQ(s.carpeta_exercici, c.carpeta);
    }
    EXPECT_EQ(s.tipus.text, "");
    exercici_carregar(s, f, "/ex\\animals.brd");
    EXPECT_EQ(f.actual, "/ex/");
    EXPECT_EQ(s.elements[1].media_1, "/ex\\imatge\\gos.gif");

    // A relative path still names the same file after the folder changes.
    // (The fake finds a relative name only under its own key.)
    exercici_inicialitzar(s, {});
    f.actual = "/ex";
    f.posar("animals.brd", text);
    exercici_carregar(s, f, "animals.brd");
    EXPECT_EQ(s.fitxer_exercici, "animals.brd");
    EXPECT_EQ(s.carpeta_exercici, "/ex/");
    EXPECT_EQ(s.tipus.text, "6");
    EXPECT_EQ(s.elements[1].media_1, "/ex/imatge\\gos.gif");
}

TEST_F(exercici_fitxer, scratch_file_keeps_the_caption_path) {
    carregar(dades("exercicis/animals.brd"));
    for (const std::string cami : {"/prog\\bdr.tmp", "/prog/bdr.tmp", "/ex\\bdr.tmp"}) {
        f.posar(cami, capcalera("7"));
        exercici_carregar(s, f, cami);
        EXPECT_EQ(s.tipus.text, "7");
        EXPECT_EQ(s.fitxer_exercici, cami[1] == 'p' ? "/ex\\prova.brd" : cami) << cami;
    }
}

// Long records, unclosed quotes and binary files are in the fuzz corpus.
TEST_F(exercici_fitxer, short_and_long_files) {
    carregar(capcalera("6"));
    EXPECT_EQ(s.n_elements, 0);
    EXPECT_EQ(s.elements.superior(), 1);
    carregar(capcalera("6") + "N\t32767\r\n");
    EXPECT_EQ(s.elements.superior(), 32768);
    const std::string llarg(100000, 'x');
    carregar(capcalera("9") + linies({"N\t1", "G", "C\t" + llarg}));
    EXPECT_EQ(s.elements[1].consigna, llarg);
}

TEST_F(exercici_fitxer, findings_name_the_line_and_the_fault) {
    struct trobada {
        std::size_t linia;
        std::string fragment;
    };
    struct cas {
        std::string text;
        std::vector<trobada> esperades;
    };
    const std::string g = "G\tgeneral\r\n";
    const std::string consigna = "Consigna\tgeneral\r\n";
    const std::vector<cas> casos = {
        {capcalera(" 6"), {{3, "is not written as a plain number"}}},
        {capcalera("6") + linies({"N\tdos"}) + g,
         {{4, "'dos' is not a number; read as 0"}, {4, "the count names no items"}}},
        {capcalera("6") + linies({"N\t40000"}) + g + item("u"),
         {{4, "does not fit 16 bits; the previous 1 is kept"}}},
        {capcalera("6") + linies({"N\t-3"}) + g, {{4, "is negative"}}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "B(LU"), {{7, "has no closing ')'"}}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "(XX)"), {{7, "is unknown"}}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "B", "(PLM)"),
         {{9, "cannot be drawn on a board of 12 cells in rows of 4"}}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "B", "", "lleo.gif"),
         {{10, "'lleo.gif' is found neither"}}},
        {capcalera("6") + linies({"N 1"}) + g, {{4, "has no TAB"}, {4, "names no items"}}},
        {capcalera("8") + linies({"N\t1", "G\t", "C\t", "R\tB", "X\txf", "Y\t\"y\"", "E\t", "M\t",
                                  "M\t", "M\t", "M\t", "M\t"}),
         {{8, "no text between double quotes"}}},
        {capcalera("8") + linies({"N\t1", "G\t", "C\t", "R\tB", "X\t\"x\"", "Y\t\"y", "E\t", "M\t",
                                  "M\t", "M\t", "M\t", "M\t"}),
         {{9, "no closing double quote"}}},
        {capcalera("5") + linies({"N\t1", "Num\t1", "A\tdo", "Z\t", "X\t1"}),
         {{6, "'do' is not a number"}}},
        {capcalera("5") + linies({"N\t0", "Num\t1", "Z\t", "X\tu"}),
         {{4, "the count names no list entries"},
          {7, "valor_extra 'u' is not a 16-bit number; 0 is kept"}}},
        {capcalera("3") + linies({"N\t1", "Num\t1", "A\tlleo.gif"}), {{6, "'lleo.gif' is found"}}},

        // A type that names none, and spaces written for TABs.
        {capcalera("66") + linies({"N\t1"}),
         {{3, "the type 66 names no exercise type: no body is read"}}},
        {linies({"Exercici Prova", "Autor Escola", "Tipus   6", "Preguntes   1", "Consigna   g"}),
         {{3, "has no TAB, so the exercise type is empty"},
          {4, "'Preguntes   1' has no TAB"},
          {5, "'Consigna   g' has no TAB"}}},
        {capcalera("") + linies({"N\t1"}), {{3, "the exercise type is empty"}}},

        // Counts against the records that follow them.
        {capcalera("6") + linies({"N\t2"}) + g + item("u"),
         {{4, "the count says 2 items, but the file holds 1"}, {14, "the file ends here"}}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u") + "sobra\r\n",
         {{4, "the count says 1 item, but the file holds 1 and 1 record more"},
          {15, "after the end"}}},
        {capcalera("6") + linies({"Preguntes\t1"}) + consigna + item("u") + item("d"),
         {{4, "the count says 1 item, but the file holds 2"}, {15, "records from 'C\\td' on"}}},
        {capcalera("5") +
             linies({"N\t2", "Num\t1", "Do\t60", "Re\t62", "Mi\t64", "Instrument\t0", "Canal\t0"}),
         {{4, "the count says 2 list entries, but the file holds 3"},
          {9, "'Instrument\\t0' is read as valor_extra, but its label names another field"},
          {10, "records from 'Canal\\t0' on"}}},

        // A label naming another field than the one read: a record is missing.
        {capcalera("6") + linies({"Preguntes\t1"}) + consigna +
             etiquetat({"Pregunta 1\tq", "Correctes\tB", "Especials\tC", "So b\xE9\t",
                        "So malament\t", "So final\t", "So 4\t", "Escenari\t"}),
         {{4, "the count says 1 item, but the file holds 0 and 8 records more"},
          {8, "'Especials\\tC' is read as item 1 sequencia, but its label names another field"},
          {13, "the file ends here"}}},
        {linies({"Exercici\tProva", "Tipus\t6", "Preguntes\t1"}),
         {{2, "'Tipus\\t6' is read as the second record, but its label names another field"},
          {3, "the type 1 names no exercise type"}}},

        // What a type needs and the file leaves empty.
        {capcalera("6") + linies({"N\t1"}) + g + item("u", ""),
         {{7, "item 1 correctes is empty: no first press is right"}}},
        {capcalera("20") + linies({"N\t1"}) + g + item("u"),
         {{14, "item 1 media_5 names no scenario"}}},
        {capcalera("4") + linies({"N\t2", "Num\t1", "A\tgos.wav", "B\t"}),
         {{7, "list entry 2 is empty, so cell 2 plays nothing"}}},
        {capcalera("11") + linies({"N\t1", "Num\t1", "A\tgos.wav", "M\t", "M\t", "M\t", "M\t"}),
         {{4, "a count of 1 leaves nothing to ask"}}},
        {capcalera("51") + linies({"N\t1"}) + g + item("u") +
             linies({"P\ta.wav", "P\ta.wav", "P\ta.wav", "P\ta.wav", "P\t"}),
         {{19, "answer 4 is empty"}}},

        // A record that opens a double quote runs to the next one.
        {capcalera("6") + linies({"N\t1", "G\tgeneral, \"oberta"}) + item("u"),
         {{4, "the count says 1 item, but the file holds 0"},
          {5, "is never closed: the 10 lines to the end"},
          {5, "the file ends here"}}},
        {capcalera("6") + linies({"N\t1", "\"G\tdos, comes\""}) + item("u"), {}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u") + linies({"\"nota", "X\tY", "fi\""}),
         {{4, "the count says 1 item, but the file holds 1 and 1 record more"},
          {15, "closes only on line 17: the 3 lines between"},
          {15, "records from 'nota"}}},

        // Labels are free text: a misspelt or unknown one says nothing.
        {capcalera("6") + linies({"Preguntes\t1", "Consinga\tg"}) +
             etiquetat({"Pregunta 1\tq", "Correctes\tB", "Seq\xFC\xE8ncia\t", "Especials\tC",
                        "So b\xE9\t", "So malament\t", "So final\t", "So 4\t", "Escenari\t"}),
         {}},
    };
    for (const auto& c : casos) {
        exercici_inicialitzar(s, {});
        const auto a = avisos(c.text);
        std::string trobades;
        for (const auto& x : a) {
            trobades += std::to_string(x.linia) + ": " + x.missatge + "\n";
        }
        ASSERT_EQ(a.size(), c.esperades.size()) << c.text << trobades;
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].linia, c.esperades[k].linia) << c.text << trobades;
            EXPECT_NE(a[k].missatge.find(c.esperades[k].fragment), std::string::npos)
                << c.esperades[k].fragment << "\n"
                << trobades;
        }
    }
    std::vector<avis_lectura> falta;
    exercici_carregar(s, f, "/ex\\cap.brd", &falta);
    ASSERT_EQ(falta.size(), 1u);
    EXPECT_EQ(falta[0].linia, 0u);
}

TEST_F(exercici_fitxer, cells_beyond_the_board_name_their_line) {
    struct cas {
        std::string text;
        int caselles;
        std::vector<std::pair<std::size_t, std::string>> esperades;
    };
    const std::string g = "G\tgeneral\r\n";
    const std::vector<cas> casos = {
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "B", "M"), 12, {}},
        {capcalera("6") + linies({"N\t1"}) + g + item("u", "B", "M"),
         8,
         {{9, "item 1 especials names cell 12, beyond a board of 8 cells"}}},
        {capcalera("7") + linies({"N\t2"}) + g + item("u", "BM") + item("d", "7*", "NO"),
         8,
         {{7, "item 1 correctes names cell 12"},
          {16, "item 2 correctes: '7' stands for no cell"},
          {18, "item 2 especials names cells 13, 14,"}}},
        // Type 8 reads rules where the sequence stands; a sequence of "*" is any cell.
        {capcalera("8") + linies({"N\t1", "G", "C\t", "R\tB", "X\t\"M\"", "Y\t\"M\"", "E\tC", "M\t",
                                  "M\t", "M\t", "M\t", "M\t"}),
         2,
         {}},
        {capcalera("30") + linies({"N\t1"}) + g +
             linies({"C\t", "R\tBJ", "S\t*", "E\t", "M\t", "M\t", "M\t", "M\t", "M\t"}),
         8,
         {{7, "item 1 correctes names cell 9"}}},
        {capcalera("4") + linies({"N\t3", "Num\t1", "A\tgos.wav", "B\tgos.wav", "C\tgos.wav"}),
         2,
         {{4, "list entries 3 to 3 are for cells beyond a board of 2 cells"}}},
        // The counting types' items name no cells.
        {capcalera("24") + linies({"N\t1"}) + g + item("u", "Z", "Z"), 4, {}},
    };
    for (const auto& c : casos) {
        exercici_inicialitzar(s, {});
        (void)avisos(c.text);
        const auto a = caselles_fora_del_tauler(s, c.caselles);
        std::string trobades;
        for (const auto& x : a) {
            trobades += std::to_string(x.linia) + ": " + x.missatge + "\n";
        }
        ASSERT_EQ(a.size(), c.esperades.size()) << c.text << trobades;
        for (std::size_t k = 0; k < a.size(); ++k) {
            EXPECT_EQ(a[k].linia, c.esperades[k].first) << trobades;
            EXPECT_NE(a[k].missatge.find(c.esperades[k].second), std::string::npos) << trobades;
        }
    }
    // Loaded without findings, the cells are still checked; the line is unknown.
    exercici_inicialitzar(s, {});
    carregar(capcalera("6") + linies({"N\t1"}) + g + item("u", "B", "M"));
    const auto a = caselles_fora_del_tauler(s, 8);
    ASSERT_EQ(a.size(), 1u);
    EXPECT_EQ(a[0].linia, 0u);
}

TEST_F(exercici_fitxer, sample_files_give_no_findings_and_same_values) {
    f.posar("/ex/veu/ok.wav", "");
    for (const char* nom :
         {"exercicis/animals.brd", "exercicis/dibuix.brd", "exercicis/piano.brd"}) {
        exercici_inicialitzar(s, {});
        const auto a = avisos(dades(nom));
        EXPECT_TRUE(a.empty()) << nom << ": " << a.front().missatge;
    }
    const std::vector<std::string> textos = {
        dades("exercicis/respostes.brd"),
        capcalera("8") + linies({"N\t2", "G", "C\tx", "R\t(PCE)B(", "\"X", "E", "M\tlleo"}),
        capcalera("12") + linies({"N\t40000", "Num", "A", "B"}),
        std::string("\0\xff\"\t,\r\n#\t6", 11),
    };
    for (const auto& text : textos) {
        exercici_inicialitzar(s, {});
        carregar(text);
        const std::string sense = descriure(s);
        exercici_inicialitzar(s, {});
        (void)avisos(text);
        EXPECT_EQ(descriure(s), sense);
    }
}

TEST_F(exercici_fitxer, only_text_with_labelled_values_is_an_exercise_file) {
    const struct {
        std::string text;
        bool exercici;
    } casos[] = {
        {"", false},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
        {std::string("Exercici\tProva\r\nTipus\t6\0", 24), false},
        {"random words\r\nwith no\r\nlabels at all\r\nTipus\t6\r\n", false},
        {"\tno label\r\nTipus\t\r\n", false},
        {capcalera("66"), true},
        {capcalera("06"), true},
        {"# a comment first\r\nTitol\tProva\r\n", true},
    };
    for (const auto& c : casos) {
        f.posar("/ex/prova.brd", c.text);
        EXPECT_EQ(es_fitxer_exercici(f, "\"/ex\\prova.brd\""), c.exercici)
            << ::testing::PrintToString(c.text);
    }
    EXPECT_FALSE(es_fitxer_exercici(f, "/ex\\cap.brd"));
}

TEST_F(exercici_fitxer, menu_command_loads_and_sets_the_caption) {
    fakes::serveis_falsos sf;
    sf.fitxers.posar("/ex/animals.brd", dades("exercicis/animals.brd"));
    serveis sv = sf.tots();
    finestra form1("Form1");
    form1.posar_caption_finestra("Quorvel");

    EXPECT_FALSE(exercici_menu_obrir(s, sv, form1)); // cancelled
    EXPECT_EQ(form1.caption(), "Quorvel");
    EXPECT_EQ(s.tipus.text, "0");
    ASSERT_EQ(sf.dialegs.peticions.size(), 1u);
    EXPECT_EQ(sf.dialegs.peticions[0].filtre,
              std::string("Exercicis brd\0*.brd\0Tots els fitxers\0*.*", 40));
    EXPECT_EQ(sf.dialegs.peticions[0].carpeta, "/prog");

    sf.dialegs.respostes.push_back("/ex\\animals.brd");
    EXPECT_TRUE(exercici_menu_obrir(s, sv, form1));
    EXPECT_EQ(form1.caption(), "Quorvel - animals.brd");
    EXPECT_EQ(s.tipus.text, "6");
    EXPECT_EQ(sf.dialegs.peticions[1].titol, "Obrir exercici");

    // A missing file is no exercise: it is refused and the loaded one stays.
    sf.dialegs.respostes.push_back("/ex\\cap.brd");
    EXPECT_FALSE(exercici_menu_obrir(s, sv, form1));
    EXPECT_EQ(sf.dialegs.peticions[2].carpeta, "/ex\\");
    EXPECT_EQ(form1.caption(), "Quorvel - animals.brd");
    EXPECT_EQ(s.tipus.text, "6");
    ASSERT_EQ(sf.eines.missatges.size(), 1u);
    EXPECT_EQ(sf.eines.missatges[0].text, "cap.brd no \xE9s un fitxer d'exercici: no s'ha obert");
    // The dialog speaks the language in force.
    s.textos_idioma.redimensionar(0, 62);
    s.textos_idioma[61] = "Abrir ejercicio";
    s.textos_idioma[62] = "Ejercicios brd|*.brd|Todos los archivos|*.*";
    EXPECT_FALSE(exercici_menu_obrir(s, sv, form1));
    EXPECT_EQ(sf.dialegs.peticions[3].titol, "Abrir ejercicio");
    EXPECT_EQ(sf.dialegs.peticions[3].filtre,
              std::string("Ejercicios brd\0*.brd\0Todos los archivos\0*.*", 43));
    s.textos_idioma = {};
    s.carpeta_exercici = "/ex\\cap.brd";
    EXPECT_FALSE(exercici_menu_obrir(s, sv, form1));
    EXPECT_EQ(sf.dialegs.peticions[4].carpeta, "/prog");

    // With a library of exercises beside the program, the dialog opens there.
    sf.fitxers.posar("/prog/exercicis/04_troba/troba.brd", "");
    s.carpeta_exercici.clear();
    EXPECT_FALSE(exercici_menu_obrir(s, sv, form1));
    EXPECT_EQ(sf.dialegs.peticions[5].carpeta, "/prog\\exercicis\\");
}

// Every kind of reading warning is worded in each bundled language, the
// English file with the very words the lint prints.
TEST(avisos, every_kind_is_worded_in_each_bundled_language) {
    const sessio catala;
    for (const char* idioma : {"catala.trad", "castellano.trad", "english.trad"}) {
        fakes::fitxers_falsos fitxers;
        fitxers.posar("/p/i.trad", prova::dades_programa(idioma));
        sessio s;
        idioma_carregar_fitxer(s, fitxers, "/p/i.trad");
        for (const missatge m : tipus_avisos()) {
            const int n = static_cast<int>(m);
            ASSERT_TRUE(s.textos_idioma.dins(n)) << idioma << " " << n;
            // Every language keeps the markers of the Catalan text (checked
            // with the numbered texts), so the English words settle them.
            if (std::string(idioma) == "english.trad") {
                EXPECT_EQ(s.textos_idioma[n], text_angles(m)) << n;
            }
        }
    }
    const avis_lectura a =
        avis_de(4, missatge::avis_sense_tab, "item 2 consigna", {citar("Consigna x")});
    EXPECT_EQ(a.missatge, "the record 'Consigna x' has no TAB, so item 2 consigna is empty");
    EXPECT_EQ(text_avis(catala, a), "el registre 'Consigna x' no t\xE9 cap tabulaci\xF3, aix\xED "
                                    "que el camp consigna de l'element 2 \xE9s buit");
}

} // namespace
} // namespace quorvel
