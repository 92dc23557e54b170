#include "app/sessio.h"
#include "content/escenari_fitxer.h"
#include "core/finestra.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/vista_escenari.h"
#include "stage/escenari.h"
#include "tests/fakes/tauler_prova.h"
#include "tests/platform/qt/esperar_qt.h"

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

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
        arrel_ = fs::temp_directory_path() /
                 ("quorvel_vista_escenari_" + std::to_string(QCoreApplication::applicationPid()));
        fs::remove_all(arrel_);
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
        std::ifstream png(arrel_ / "imatge" / "vermell.png", std::ios::binary);
        const std::string tot((std::istreambuf_iterator<char>(png)), {});
        escriure("truncat.png", tot.substr(0, tot.size() / 2));
    }
    ~carpeta_exercici() { fs::remove_all(arrel_); }
    carpeta_exercici(const carpeta_exercici&) = delete;
    carpeta_exercici& operator=(const carpeta_exercici&) = delete;

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
        std::ofstream(arrel_ / "imatge" / nom, std::ios::binary) << bytes;
    }

    fs::path arrel_;
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

    void obrir_vista() {
        vista = std::make_unique<vista_escenari>(
            model, vista_escenari::opcions{mida_prova, QRect(0, 0, 1280, 960)});
    }
    void preparar() { escenari_preparar(s, fitxers, mida_prova, model); }

    [[nodiscard]] QImage captura() const { return vista->grab().toImage(); }
    [[nodiscard]] QRect rect(int j) const { return vista->rectangle(model.obtenir("imatge", j)); }
    [[nodiscard]] QColor centre(const QImage& c, int j) const {
        return c.pixelColor(rect(j).center());
    }
};

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
    vista_escenari vista(model, {mida_prova, QRect(0, 0, 1280, 960)});
    escenari_preparar(s, fitxers, mida_prova, model);
    const QImage c = vista.grab().toImage();
    const QColor premut = c.pixelColor(vista.rectangle(model.obtenir("imatge", 1)).center());
    EXPECT_TRUE(semblant(premut, QColor(255, 212, 0), 30)) << premut.name().toStdString();
}

} // namespace
} // namespace quorvel
