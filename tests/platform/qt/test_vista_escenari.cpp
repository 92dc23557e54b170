#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/finestra.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/vista_escenari.h"
#include "stage/escenari.h"
#include "tests/fakes/carpeta_temporal.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QApplication>
#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QTest>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

const QColor fons_blau(0, 0, 128);
const QColor vermell(255, 0, 0);
const QColor verd(0, 200, 0);
const QColor groc(255, 255, 0);
const QColor cel(0, 200, 255);

// The view draws a 1280 x 960 pixel stage at 15 twips per pixel.
const mida_pantalla mida_prova{19200, 14400, 15.0, 15.0};

bool semblant(const QColor& a, const QColor& b, int marge = 12) {
    return std::abs(a.red() - b.red()) <= marge && std::abs(a.green() - b.green()) <= marge &&
           std::abs(a.blue() - b.blue()) <= marge;
}

// A GIF of one colour per frame, one or two frames of 1 x 1 pixels shown
// 50 ms each: Qt reads GIF but does not write it.
std::string gif(const std::vector<QColor>& frames) {
    std::string g = "GIF89a";
    g += std::string("\x01\x00\x01\x00", 4);
    const bool dos_colors = frames.size() > 1;
    g += std::string(1, '\x80'); // global table of two colours
    g += std::string("\x00\x00", 2);
    for (int i = 0; i < 2; ++i) {
        const QColor& c = frames[dos_colors ? static_cast<std::size_t>(i) : 0];
        g += static_cast<char>(c.red());
        g += static_cast<char>(c.green());
        g += static_cast<char>(c.blue());
    }
    if (dos_colors) {
        g += std::string("\x21\xFF\x0BNETSCAPE2.0\x03\x01\x00\x00\x00", 19);
    }
    for (std::size_t i = 0; i < frames.size(); ++i) {
        g += std::string("\x21\xF9\x04\x00\x05\x00\x00\x00", 8);
        g += std::string("\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00", 10);
        // LZW codes clear, colour index i, end.
        g += i == 0 ? std::string("\x02\x02\x44\x01\x00", 5)
                    : std::string("\x02\x02\x4C\x01\x00", 5);
    }
    g += ';';
    return g;
}

// An exercise folder in the temporary directory with the test pictures in
// its imatge/ subfolder.
class carpeta_exercici {
  public:
    carpeta_exercici() {
        fs::create_directories(arrel_ / "imatge");
        solid("fons.png", fons_blau, "PNG");
        solid("vermell.png", vermell, "PNG");
        solid("groc.jpg", groc, "JPEG");
        solid("cel.bmp", cel, "BMP");
        escriure("verd.gif", gif({verd}));
        escriure("animat.gif", gif({vermell, verd}));
        escriure("text.png", "no picture here\r\n");
        escriure("text.gif", "GIF89a but nothing after");
        escriure("buit.jpg", "");
        const std::string tot = fakes::llegir_fitxer(arrel_ / "imatge" / "vermell.png");
        escriure("truncat.png", tot.substr(0, tot.size() / 2));
    }

    [[nodiscard]] std::string cami() const { return arrel_.string() + "\\"; }
    [[nodiscard]] std::string imatge(const std::string& nom) const {
        return (arrel_ / "imatge" / nom).string();
    }

  private:
    void solid(const std::string& nom, const QColor& c, const char* format) const {
        QImage img(40, 40, QImage::Format_RGB32);
        img.fill(c);
        ASSERT_TRUE(img.save(QString::fromStdString(imatge(nom)), format, 100));
    }
    void escriure(const std::string& nom, const std::string& bytes) const {
        fakes::escriure_fitxer(arrel_ / "imatge" / nom, bytes);
    }

    fakes::carpeta_temporal temporal_{"vista-escenari"};
    const fs::path& arrel_ = temporal_.cami();
};

// A stage built from a scenario file of the test data, with its view.
struct escena {
    fitxers_disc fitxers;
    sessio s;
    finestra model{nom_escenari};
    std::unique_ptr<vista_escenari> vista;
    std::vector<avis_lectura> avisos;

    escena(const carpeta_exercici& carpeta, const std::string& fitxer, int jugadors, int cel_les,
           int columnes) {
        s.carpeta_exercici = carpeta.cami();
        fakes::tauler_prova(s, jugadors, cel_les, 0);
        s.n_columnes = static_cast<std::int16_t>(columnes);
        graella_carregar(s, fitxers, std::string(QUORVEL_TEST_DATA) + "/escenaris/" + fitxer,
                         &avisos);
        escenari_construir(model);
    }

    void obrir_vista(std::chrono::milliseconds durada_senyal = std::chrono::milliseconds(700),
                     std::function<void()> en_sortida = {}) {
        vista = std::make_unique<vista_escenari>(
            model, vista_escenari::opcions{mida_prova, QRect(0, 0, 1280, 960), durada_senyal,
                                           std::move(en_sortida)});
    }
    void preparar() { escenari_preparar(s, fitxers, mida_prova, model); }

    [[nodiscard]] QImage captura() const { return vista->grab().toImage(); }
    [[nodiscard]] QRect rect(int j) const { return vista->rectangle(model.obtenir("imatge", j)); }
    // Image j's centre where the view draws it.
    [[nodiscard]] QColor centre(const QImage& c, int j) const {
        return c.pixelColor(vista->transformacio().map(rect(j).center()));
    }
    // A point inside the disc that carries image j's number, clear of the
    // digits; on the picture itself when the image is not numbered.
    [[nodiscard]] QColor lloc_numero(const QImage& c, int j) const {
        const QRect r = rect(j);
        const double d = std::clamp(std::min(r.width(), r.height()) * 0.36, 16.0, 200.0);
        const QPointF p(r.left() + d * 0.12 + d * 0.14, r.top() + d * 0.12 + d / 2);
        return c.pixelColor(vista->transformacio().map(p).toPoint());
    }
};

bool fosc(const QColor& c) {
    return c.lightness() < 60;
}

// The expected colour of each image in the arrangements below.
struct cas_disposicio {
    const char* fitxer;
    int jugadors;
    int cel_les;
    int columnes;
    std::vector<QColor> colors; // image j is colors[j - 1]
};

void PrintTo(const cas_disposicio& cas, std::ostream* sortida) {
    *sortida << cas.fitxer;
}

class disposicions : public ::testing::TestWithParam<cas_disposicio> {};

TEST_P(disposicions, each_image_shows_its_picture_over_the_background) {
    const cas_disposicio& cas = GetParam();
    carpeta_exercici carpeta;
    escena e(carpeta, cas.fitxer, cas.jugadors, cas.cel_les, cas.columnes);
    EXPECT_TRUE(e.avisos.empty()) << e.avisos.front().missatge;
    e.obrir_vista();
    e.preparar();
    ASSERT_TRUE(e.vista->isVisible());
    ASSERT_EQ(e.vista->size(), QSize(1280, 960));
    const QImage c = e.captura();
    ASSERT_EQ(c.size(), QSize(1280, 960));

    for (std::size_t i = 0; i < cas.colors.size(); ++i) {
        const int j = static_cast<int>(i) + 1;
        const element& img = e.model.obtenir("imatge", j);
        ASSERT_TRUE(img.visible) << j;
        // Twips become pixels with the factors the model was laid out with.
        EXPECT_EQ(e.rect(j).left(), std::lround(static_cast<double>(img.left) / 15.0)) << j;
        EXPECT_NEAR(e.rect(j).width(), static_cast<double>(img.width) / 15.0, 1.0) << j;
        EXPECT_TRUE(semblant(e.centre(c, j), cas.colors[i]))
            << "image " << j << " shows " << e.centre(c, j).name().toStdString();
        // Just left of the image the background shows, unless a touching
        // image is there.
        const QPoint fora(e.rect(j).left() - 2, e.rect(j).center().y());
        bool tapat = false;
        for (std::size_t k = 0; k < cas.colors.size(); ++k) {
            tapat = tapat || e.rect(static_cast<int>(k) + 1).contains(fora);
        }
        if (!tapat && fora.x() >= 0) {
            EXPECT_TRUE(semblant(c.pixelColor(fora), fons_blau)) << j;
        }
    }
    EXPECT_TRUE(semblant(c.pixelColor(1278, 958), fons_blau));
}

INSTANTIATE_TEST_SUITE_P(
    escenari, disposicions,
    ::testing::Values(cas_disposicio{"vista_1.esc", 2, 4, 2, {vermell, verd}},
                      cas_disposicio{"vista_2.esc", 4, 5, 3, {vermell, verd, groc, cel, vermell}},
                      cas_disposicio{"vista_3.esc",
                                     2,
                                     12,
                                     4,
                                     {vermell, verd, groc, cel, vermell, verd, groc, cel, vermell,
                                      verd, groc, cel}},
                      cas_disposicio{"vista_4.esc", 3, 6, 3, {vermell, verd, groc}}),
    [](const ::testing::TestParamInfo<cas_disposicio>& cas) {
        const std::string nom = cas.param.fitxer;
        return nom.substr(0, nom.find('.'));
    });

TEST(vista_escenari, score_label_is_drawn_in_a_heavy_face_and_follows_its_caption) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_3.esc", 2, 12, 4);
    e.obrir_vista();
    e.preparar();
    const element& marcador = e.model.obtenir("texto", 1);
    ASSERT_EQ(e.vista->rectangle(marcador).left(), 960); // three quarters of 1280
    const QRect zona = e.vista->rectangle(marcador) & QRect(0, 0, 1280, 960);
    const auto foscos = [&](const QImage& c) {
        int n = 0;
        for (int y = zona.top(); y <= zona.bottom(); ++y) {
            for (int x = zona.left(); x <= zona.right(); ++x) {
                n += c.pixelColor(x, y).lightness() < 60 ? 1 : 0;
            }
        }
        return n;
    };
    const QImage zero = e.captura();
    EXPECT_FALSE(semblant(zero.pixelColor(zona.right() - 4, zona.bottom() - 4), fons_blau));
    const int tinta_zero = foscos(zero);
    EXPECT_GT(tinta_zero, 500); // a "0" 96 pixels high in a heavy face

    e.model.posar_caption("texto", 1, "888");
    const int tinta_888 = foscos(e.captura());
    EXPECT_GT(tinta_888, 2 * tinta_zero);
}

TEST(vista_escenari, follows_pictures_replaced_moved_and_hidden) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_2.esc", 4, 5, 3);
    e.obrir_vista();
    e.preparar();
    const QPoint abans = e.rect(1).center();

    e.model.posar_imatge("imatge", 2, carpeta.imatge("groc.jpg"));
    e.model.posar_visible("imatge", 3, false);
    const element& u = e.model.obtenir("imatge", 1);
    e.model.posar_posicio("imatge", 1, u.left, u.top + 3000, u.width, u.height);
    const QImage c = e.captura();
    EXPECT_TRUE(semblant(e.centre(c, 2), groc));
    EXPECT_TRUE(semblant(e.centre(c, 3), fons_blau));
    EXPECT_TRUE(semblant(e.centre(c, 1), vermell));
    EXPECT_EQ(e.rect(1).center().y(), abans.y() + 200);
    EXPECT_TRUE(semblant(c.pixelColor(abans.x(), e.rect(1).top() - 2), fons_blau));

    e.model.posar_imatge_fons("");
    EXPECT_FALSE(semblant(e.captura().pixelColor(2, 2), fons_blau));

    e.model.posar_visible_finestra(false);
    EXPECT_FALSE(e.vista->isVisible());
    e.model.posar_visible_finestra(true);
    EXPECT_TRUE(e.vista->isVisible());
    EXPECT_TRUE(semblant(e.centre(e.captura(), 2), groc)); // pictures read again
}

TEST(vista_escenari, files_that_are_no_pictures_leave_images_and_background_empty) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_dolentes.esc", 2, 5, 5);
    e.preparar();
    e.obrir_vista(); // the stage is already visible: the view shows at once
    ASSERT_TRUE(e.vista->isVisible());
    const QImage c = e.captura();
    const QColor buit = e.vista->palette().color(QPalette::Window);
    EXPECT_TRUE(semblant(c.pixelColor(2, 2), buit, 0));
    for (int j = 1; j <= 4; ++j) {
        EXPECT_TRUE(e.model.obtenir("imatge", j).visible);
        EXPECT_TRUE(semblant(e.centre(c, j), buit, 0)) << j;
    }
    EXPECT_TRUE(semblant(e.centre(c, 5), vermell));
}

TEST(vista_escenari, an_animated_gif_plays_its_frames) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_4.esc", 3, 3, 3);
    e.obrir_vista();
    e.preparar();
    e.model.posar_imatge("imatge", 2, carpeta.imatge("animat.gif"));
    bool vist_vermell = false;
    bool vist_verd = false;
    prova::esperar(
        [&] {
            const QColor c = e.centre(e.captura(), 2);
            vist_vermell = vist_vermell || semblant(c, vermell);
            vist_verd = vist_verd || semblant(c, verd);
            return vist_vermell && vist_verd;
        },
        5000);
    EXPECT_TRUE(vist_vermell);
    EXPECT_TRUE(vist_verd);
}

TEST(vista_escenari, service_gives_each_open_stage_its_own_view) {
    finestra primer{nom_escenari};
    finestra segon{nom_escenari};
    escenari_qt servei; // views go before their models
    escenari_construir(primer);
    escenari_construir(segon);
    servei.obrir(primer);
    servei.obrir(segon);
    ASSERT_NE(servei.vista(primer), nullptr);
    ASSERT_NE(servei.vista(segon), servei.vista(primer));
    EXPECT_FALSE(servei.vista(primer)->isVisible());
    primer.posar_visible_finestra(true);
    EXPECT_TRUE(servei.vista(primer)->isVisible());
    EXPECT_FALSE(servei.vista(segon)->isVisible());
    // A window manager's close does not take the stage from the players.
    EXPECT_FALSE(servei.vista(primer)->close());
    EXPECT_TRUE(servei.vista(primer)->isVisible());
    servei.tancar(primer);
    EXPECT_EQ(servei.vista(primer), nullptr);
    primer.posar_visible_finestra(false); // no view is told any more
    EXPECT_NE(servei.vista(segon), nullptr);
}

// The bundled default scenario: read without notes, every file it names is a
// picture of the program folder, and the stage shows them.
TEST(vista_escenari, bundled_default_scenario_names_pictures_that_exist) {
    const std::string dades = std::string(QUORVEL_SOURCE_DIR) + "/data";
    fitxers_disc fitxers;
    sessio s;
    s.carpeta_programa = dades;
    fakes::tauler_prova(s, 2, 16, 0);
    s.n_columnes = 4;
    std::vector<avis_lectura> avisos;
    graella_carregar(s, fitxers, dades + "/graella.esc", &avisos);
    EXPECT_TRUE(avisos.empty()) << avisos.front().missatge;
    ASSERT_EQ(s.esc_tipus, 2);
    ASSERT_EQ(s.esc_n, 1);
    const casella_esc& g = s.graella[1];
    std::vector<std::string> noms{g.nom};
    for (int j = 0; j <= 16; ++j) {
        noms.push_back(g.fitxers[j].cami);
    }
    for (const std::string& cami : noms) {
        EXPECT_EQ(cami.rfind(dades, 0), 0U) << cami; // resolved to the folder
        QImageReader lector(QString::fromStdString(fitxers_disc::cami_local(cami)));
        EXPECT_FALSE(lector.read().isNull()) << cami;
    }
    for (const char* fletxa : {"up.gif", "down.gif", "right.gif", "left.gif"}) {
        EXPECT_FALSE(QImage(QString::fromStdString(dades + "/imatge/" + fletxa)).isNull());
    }

    finestra model{nom_escenari};
    escenari_construir(model);
    vista_escenari::opcions opcions;
    opcions.mida = mida_prova;
    opcions.geometria = QRect(0, 0, 1280, 960);
    vista_escenari vista(model, opcions);
    escenari_preparar(s, fitxers, mida_prova, model);
    const QImage c = vista.grab().toImage();
    const QColor premut = c.pixelColor(vista.rectangle(model.obtenir("imatge", 1)).center());
    EXPECT_TRUE(semblant(premut, QColor(255, 212, 0), 30)) << premut.name().toStdString();
}

// Numbers, feedback and the instruction are drawn over the model: nothing of
// the model changes for them.
struct observador_model {
    finestra& model;
    int canvis = 0;
    int id = model.observar([this](const element&, propietat) { ++canvis; });
    ~observador_model() { model.deixar_observar(id); }
};

TEST(vista_escenari, cells_keep_their_numbers_while_their_pictures_change) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_2.esc", 4, 5, 3);
    e.obrir_vista();
    e.preparar();
    EXPECT_FALSE(fosc(e.lloc_numero(e.captura(), 1)));
    {
        observador_model o{e.model};
        e.vista->numerar_caselles(4);
        EXPECT_EQ(o.canvis, 0);
    }
    QImage c = e.captura();
    for (int j = 1; j <= 4; ++j) {
        EXPECT_TRUE(fosc(e.lloc_numero(c, j))) << j;
    }
    EXPECT_FALSE(fosc(e.lloc_numero(c, 5))); // beyond the cells given
    EXPECT_TRUE(semblant(e.centre(c, 2), verd));

    // A press replaces the picture; a path of arrows moves an image away;
    // a switched-off cell is hidden.
    e.model.posar_imatge("imatge", 2, carpeta.imatge("groc.jpg"));
    const QRect lloc_3 = e.rect(3);
    const element& tres = e.model.obtenir("imatge", 3);
    e.model.posar_posicio("imatge", 3, 0, 0, tres.width / 2, tres.height / 2);
    e.model.posar_visible("imatge", 4, false);
    c = e.captura();
    EXPECT_TRUE(fosc(e.lloc_numero(c, 2)));
    EXPECT_TRUE(semblant(e.centre(c, 2), groc));
    EXPECT_FALSE(fosc(e.lloc_numero(c, 3)));
    EXPECT_TRUE(semblant(c.pixelColor(lloc_3.topLeft() + QPoint(20, 20)), fons_blau));
    EXPECT_TRUE(semblant(e.centre(c, 4), fons_blau));
    EXPECT_TRUE(semblant(e.lloc_numero(c, 4), fons_blau));
}

TEST(vista_escenari, feedback_shows_for_a_moment_over_everything_and_leaves_the_model_alone) {
    const struct {
        senyal_escenari senyal;
        QColor marc;
        QColor centre;
        bool marca_gran;
    } casos[] = {
        {senyal_escenari::be, QColor(0, 190, 0), QColor(0, 190, 0), false},
        {senyal_escenari::mal, QColor(220, 30, 30), QColor(255, 255, 255), false},
        {senyal_escenari::final, QColor(255, 190, 0), QColor(255, 190, 0), true},
    };
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_2.esc", 4, 5, 3);
    e.obrir_vista(std::chrono::milliseconds(100));
    e.preparar();
    e.vista->numerar_caselles(5);
    const QImage abans = e.captura();
    observador_model o{e.model};
    // 960 pixels high: the marks are discs of 288 and 576 pixels.
    const QPoint marc(6, 480);
    const QPoint dalt_marca(640, 480 - 220);
    for (const auto& c : casos) {
        e.vista->senyal(c.senyal);
        ASSERT_EQ(e.vista->senyal_actual(), c.senyal);
        const QImage amb = e.captura();
        EXPECT_TRUE(semblant(amb.pixelColor(marc), c.marc))
            << amb.pixelColor(marc).name().toStdString();
        EXPECT_TRUE(semblant(amb.pixelColor(640, 480), c.centre))
            << amb.pixelColor(640, 480).name().toStdString();
        if (c.marca_gran) {
            EXPECT_TRUE(semblant(amb.pixelColor(dalt_marca), c.marc));
        } else {
            EXPECT_EQ(amb.pixelColor(dalt_marca), abans.pixelColor(dalt_marca));
        }
        ASSERT_TRUE(prova::esperar([&] { return !e.vista->senyal_actual(); }));
        EXPECT_EQ(e.captura(), abans);
    }
    EXPECT_EQ(o.canvis, 0);
}

TEST(vista_escenari, instruction_band_takes_the_foot_and_the_model_is_drawn_whole_above_it) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_2.esc", 4, 5, 3);
    e.obrir_vista();
    e.preparar();
    const QRect abans = e.rect(5);
    observador_model o{e.model};
    e.vista->posar_consigna("Troba la casella vermella");
    QImage c = e.captura();
    const int banda = 960 / 12;
    EXPECT_TRUE(fosc(c.pixelColor(4, 960 - banda / 2)));
    int clars = 0; // the text
    for (int x = 0; x < 1280; ++x) {
        clars += c.pixelColor(x, 960 - banda / 2).lightness() > 200 ? 1 : 0;
    }
    EXPECT_GT(clars, 20);
    // Scaled into the 880 pixels above the band, every image keeps its colour.
    EXPECT_LT(e.vista->transformacio().map(QPoint(0, 960)).y(), 960 - banda + 1);
    const std::vector<QColor> colors{vermell, verd, groc, cel, vermell};
    for (int j = 1; j <= 5; ++j) {
        EXPECT_TRUE(semblant(e.centre(c, j), colors[static_cast<std::size_t>(j) - 1])) << j;
    }
    EXPECT_EQ(e.rect(5), abans);
    e.vista->posar_consigna("");
    c = e.captura();
    EXPECT_TRUE(semblant(c.pixelColor(4, 956), fons_blau));
    EXPECT_TRUE(e.vista->transformacio().isIdentity());
    EXPECT_EQ(o.canvis, 0);
}

TEST(vista_escenari, esc_alt_f4_and_closing_ask_to_leave_and_f11_switches_to_a_window) {
    carpeta_exercici carpeta;
    escena e(carpeta, "vista_2.esc", 4, 5, 3);
    int sortides = 0;
    e.obrir_vista(std::chrono::milliseconds(700), [&] { ++sortides; });
    e.preparar();
    QTest::keyClick(e.vista.get(), Qt::Key_Escape);
    EXPECT_EQ(sortides, 1);
    QTest::keyClick(e.vista.get(), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(sortides, 2);
    EXPECT_FALSE(e.vista->close()); // the exercise's stop closes the stage
    EXPECT_EQ(sortides, 3);
    EXPECT_TRUE(e.vista->isVisible());
    QTest::keyClick(e.vista.get(), Qt::Key_F4);
    EXPECT_EQ(sortides, 3);

    QTest::keyClick(e.vista.get(), Qt::Key_F11);
    EXPECT_FALSE(e.vista->pantalla_completa());
    // Two thirds of the screen, with the model's proportions.
    ASSERT_TRUE(prova::esperar([&] {
        return std::abs(e.vista->width() - 853) <= 1 && std::abs(e.vista->height() - 640) <= 1;
    })) << e.vista->width()
        << "x" << e.vista->height();
    EXPECT_TRUE(e.vista->isVisible());
    const QImage c = e.captura();
    EXPECT_TRUE(semblant(e.centre(c, 3), groc)); // the whole model, scaled
    EXPECT_TRUE(semblant(e.centre(c, 4), cel));
    std::vector<int> clicades;
    e.model.en_clic("imatge", [&](std::optional<int> k) { clicades.push_back(k.value_or(-1)); });
    QTest::mouseClick(e.vista.get(), Qt::LeftButton, {},
                      e.vista->transformacio().map(e.rect(4).center()));
    QTest::mouseClick(e.vista.get(), Qt::LeftButton, {}, QPoint(2, 2)); // the background
    EXPECT_EQ(clicades, std::vector<int>{4});
    QTest::keyClick(e.vista.get(), Qt::Key_F11);
    EXPECT_TRUE(e.vista->pantalla_completa());
    ASSERT_TRUE(prova::esperar([&] { return e.vista->size() == QSize(1280, 960); }));
    EXPECT_TRUE(e.vista->transformacio().isIdentity());

    e.model.posar_visible_finestra(false);
    EXPECT_TRUE(e.vista->close());
    EXPECT_EQ(sortides, 3);
}

} // namespace
} // namespace quorvel
