#include "platform/qt/editor_exercici.h"

#include "content/cami_regles.h"
#include "content/dibuix.h"
#include "content/escenari_graella.h"
#include "content/estat_contingut.h"
#include "content/exercici_fitxer.h"
#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/pas.h"
#include "core/text.h"
#include "i18n/missatges.h"
#include "platform/local/escriptura_atomica.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/fitxers_editor.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_so.h"
#include "platform/qt/editor_tauler.h"
#include "platform/qt/editor_veu.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QSplitter>
#include <QToolBar>
#include <QVBoxLayout>

#include <array>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvel {

namespace {

struct familia_editor {
    familia_exercici familia;
    missatge text;
    std::vector<int> tipus;
};

const std::vector<familia_editor>& families() {
    static const std::vector<familia_editor> totes = {
        {familia_exercici::escoltar_tauler, missatge::editor_familia_escoltar_tauler, {3, 4}},
        {familia_exercici::midi, missatge::editor_familia_midi, {5}},
        {familia_exercici::recorregut, missatge::editor_familia_recorregut, {6, 7, 8}},
        {familia_exercici::parelles, missatge::editor_familia_parelles, {9}},
        {familia_exercici::escoltar_i_trobar, missatge::editor_familia_escoltar_i_trobar, {11, 12}},
        {familia_exercici::camins_fletxes, missatge::editor_familia_camins_fletxes, {15, 16, 17}},
        {familia_exercici::comptar, missatge::editor_familia_comptar, {20, 21, 22}},
        {familia_exercici::comptar_fins, missatge::editor_familia_comptar_fins, {23, 24, 25}},
        {familia_exercici::cursa, missatge::editor_familia_cursa, {30, 31}},
        {familia_exercici::caselles_marcades, missatge::editor_familia_caselles_marcades, {50, 51}},
    };
    return totes;
}

constexpr std::array<std::string_view, 15> codis_forma = {
    "(LU)",  "(LD)",  "(LL)",  "(LR)",  "(LMV)", "(LMH)", "(PUL)", "(PUM)",
    "(PUR)", "(PDL)", "(PDM)", "(PDR)", "(PLM)", "(PRM)", "(PCE)"};

// The fields the board picks cells for, in the order of their buttons.
constexpr std::array<camp_item, 3> camps_tauler = {camp_item::correctes, camp_item::sequencia,
                                                   camp_item::especials};
const std::array<QColor, 3> colors_camp = {QColor(120, 200, 120), QColor(120, 170, 230),
                                           QColor(240, 170, 80)};

constexpr std::array<camp_item, 5> camps_media = {camp_item::media_1, camp_item::media_2,
                                                  camp_item::media_3, camp_item::media_4,
                                                  camp_item::escenari};

bool es_imatge(const fs::path& cami) {
    std::string ext = cami.extension().string();
    for (char& c : ext) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return ext == ".png" || ext == ".gif" || ext == ".jpg" || ext == ".jpeg" || ext == ".bmp";
}

char lletra(int casella) {
    return static_cast<char>(65 + casella);
}

} // namespace

finestra_editor::finestra_editor(const estat_contingut& s, servei_fitxers& fitxers,
                                 fs::path carpeta_usuari, QWidget* pare)
    : QMainWindow(pare), s_(s), fitxers_(fitxers), carpeta_usuari_(std::move(carpeta_usuari)) {
    setObjectName(QStringLiteral("editor_exercici"));
    construir();
}

finestra_editor::~finestra_editor() = default;

QString finestra_editor::text(int m, std::initializer_list<std::string_view> valors) const {
    return qtext(text_missatge(s_, static_cast<missatge>(m), valors));
}

QStringList finestra_editor::parts(int m) const {
    return text(m).split(QLatin1Char('|'));
}

void finestra_editor::construir() {
    const QStringList accions = parts(static_cast<int>(missatge::editor_accions));
    const auto accio = [&](int i, const char* nom, QKeySequence tecla) {
        auto* a = new QAction(accions.value(i), this);
        a->setObjectName(QString::fromLatin1(nom));
        a->setShortcut(tecla);
        return a;
    };
    desar_ = accio(0, "desar", QKeySequence::Save);
    desfer_ = accio(1, "desfer", QKeySequence::Undo);
    refer_ = accio(2, "refer", QKeySequence::Redo);
    provar_ = accio(3, "provar", QKeySequence(Qt::Key_F5));
    auto* tancar = accio(4, "tancar", QKeySequence::Close);
    auto* barra = addToolBar(QStringLiteral("editor"));
    barra->addActions({desar_, desfer_, refer_, provar_, tancar});
    connect(tancar, &QAction::triggered, this, &QWidget::close);
    connect(desar_, &QAction::triggered, this, [this] { desar(); });
    connect(desfer_, &QAction::triggered, this, [this] {
        confirmar_edicions();
        exercici_.desfer();
        canviat();
    });
    connect(refer_, &QAction::triggered, this, [this] {
        exercici_.refer();
        canviat();
    });
    connect(provar_, &QAction::triggered, this, [this] { provar(); });

    const QStringList generals = parts(static_cast<int>(missatge::editor_generals));
    auto* central = new QWidget;
    auto* disposicio = new QHBoxLayout(central);
    auto* esquerra = new QVBoxLayout;
    auto* formulari = new QFormLayout;
    familia_ = new QComboBox;
    familia_->setObjectName(QStringLiteral("familia"));
    for (const familia_editor& f : families()) {
        familia_->addItem(parts(static_cast<int>(f.text)).value(0));
    }
    tipus_ = new QComboBox;
    tipus_->setObjectName(QStringLiteral("tipus"));
    auto* fila_tipus = new QHBoxLayout;
    fila_tipus->addWidget(familia_, 1);
    fila_tipus->addWidget(tipus_);
    formulari->addRow(generals.value(3), fila_tipus);
    descripcio_ = new QLabel;
    descripcio_->setWordWrap(true);
    formulari->addRow(descripcio_);
    const auto linia = [&](const char* nom) {
        auto* e = new QLineEdit;
        e->setObjectName(QString::fromLatin1(nom));
        return e;
    };
    titol_ = linia("titol");
    autor_ = linia("autor");
    consigna_ = linia("consigna_general");
    formulari->addRow(generals.value(0), titol_);
    formulari->addRow(generals.value(1), autor_);
    formulari->addRow(generals.value(2), consigna_);
    caselles_ = new QSpinBox;
    caselles_->setObjectName(QStringLiteral("caselles"));
    caselles_->setRange(1, 64);
    caselles_->setValue(s_.n_botons > 0 ? s_.n_botons : 16);
    columnes_ = new QSpinBox;
    columnes_->setObjectName(QStringLiteral("columnes"));
    columnes_->setRange(1, 16);
    columnes_->setValue(s_.n_columnes > 0 ? s_.n_columnes : 4);
    auto* fila_tauler = new QHBoxLayout;
    fila_tauler->addWidget(caselles_);
    fila_tauler->addWidget(new QLabel(generals.value(5)));
    fila_tauler->addWidget(columnes_);
    formulari->addRow(generals.value(4), fila_tauler);
    esquerra->addLayout(formulari);

    const QStringList botons = parts(static_cast<int>(missatge::editor_botons_items));
    items_ = new QListWidget;
    items_->setObjectName(QStringLiteral("items"));
    esquerra->addWidget(items_, 1);
    auto* fila_botons = new QHBoxLayout;
    const std::array<const char*, 5> noms_botons = {"afegir", "eliminar", "duplicar", "amunt",
                                                    "avall"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(botons.value(i));
        b->setObjectName(QString::fromLatin1(noms_botons[static_cast<std::size_t>(i)]));
        fila_botons->addWidget(b);
        connect(b, &QPushButton::clicked, this, [this, i] {
            confirmar_edicions();
            const int actual = item_actual();
            const auto k = static_cast<std::size_t>(std::max(actual, 0));
            int seleccio = actual;
            switch (i) {
            case 0:
                exercici_.afegir_item();
                seleccio = static_cast<int>(exercici_.n_items()) - 1;
                break;
            case 1:
                exercici_.eliminar_item(k);
                seleccio = std::min(actual, static_cast<int>(exercici_.n_items()) - 1);
                break;
            case 2:
                exercici_.duplicar_item(k);
                seleccio = actual + 1;
                break;
            case 3:
                if (actual > 0) {
                    exercici_.moure_item(k, k - 1);
                    seleccio = actual - 1;
                }
                break;
            default:
                if (actual >= 0 && actual + 1 < static_cast<int>(exercici_.n_items())) {
                    exercici_.moure_item(k, k + 1);
                    seleccio = actual + 1;
                }
                break;
            }
            canviat();
            items_->setCurrentRow(seleccio);
        });
    }
    esquerra->addLayout(fila_botons);
    disposicio->addLayout(esquerra, 2);

    auto* dreta = new QVBoxLayout;
    dreta->addWidget(construir_item(), 3);
    avisos_ = new QListWidget;
    avisos_->setObjectName(QStringLiteral("avisos"));
    avisos_->setWordWrap(true);
    dreta->addWidget(avisos_, 1);
    disposicio->addLayout(dreta, 3);
    setCentralWidget(central);

    connect(familia_, &QComboBox::activated, this, [this](int f) {
        confirmar_edicions();
        exercici_.posar_tipus(families()[static_cast<std::size_t>(f)].tipus.front());
        canviat();
    });
    connect(tipus_, &QComboBox::activated, this, [this](int t) {
        const int f = familia_->currentIndex();
        if (f >= 0) {
            confirmar_edicions();
            exercici_.posar_tipus(
                families()[static_cast<std::size_t>(f)].tipus[static_cast<std::size_t>(t)]);
            canviat();
        }
    });
    const auto general = [this](QLineEdit* e, camp_general c) {
        connect(e, &QLineEdit::editingFinished, this, [this, e, c] {
            if (!refrescant_ && exercici_.posar_general(c, text_programa(e->text()))) {
                canviat();
            }
        });
    };
    general(titol_, camp_general::titol);
    general(autor_, camp_general::autor);
    general(consigna_, camp_general::consigna);
    for (QSpinBox* sb : {caselles_, columnes_}) {
        connect(sb, &QSpinBox::valueChanged, this, [this] {
            refrescar_tauler();
            revisar();
        });
    }
    connect(items_, &QListWidget::currentRowChanged, this, [this] {
        if (!refrescant_) {
            refrescar_item();
        }
    });
    connect(avisos_, &QListWidget::currentRowChanged, this,
            [this](int fila) { seleccionar_troballa(fila); });
    resize(1000, 700);
}

QWidget* finestra_editor::construir_item() {
    so_ = new so_editor(this);
    connect(so_, &so_editor::gravat, this, [this](const QString& nom) {
        if (boto_gravant_ != nullptr) {
            boto_gravant_->setText(parts(static_cast<int>(missatge::editor_gravar)).value(0));
            boto_gravant_ = nullptr;
        }
        if (!nom.isEmpty()) {
            posar_media(camp_gravant_, nom.toStdString());
        }
    });
    const QStringList so = parts(static_cast<int>(missatge::editor_gravar));
    const auto afegir_botons_so = [this, so](QHBoxLayout* capa_fila, std::size_t camp,
                                             const QString& sufix) {
        auto* gravar_boto = new QPushButton(so.value(0));
        gravar_boto->setObjectName(QStringLiteral("gravar") + sufix);
        auto* escoltar_boto = new QPushButton(so.value(2));
        escoltar_boto->setObjectName(QStringLiteral("escoltar") + sufix);
        capa_fila->addWidget(gravar_boto);
        capa_fila->addWidget(escoltar_boto);
        connect(gravar_boto, &QPushButton::clicked, this,
                [this, camp, gravar_boto] { gravar(camp, gravar_boto); });
        connect(escoltar_boto, &QPushButton::clicked, this, [this, camp] { escoltar(camp); });
    };
    panell_item_ = new QWidget;
    auto* capa = new QVBoxLayout(panell_item_);
    auto* formulari = new QFormLayout;
    const QStringList camps = parts(static_cast<int>(missatge::editor_camps_item));
    pregunta_ = new QLineEdit;
    pregunta_->setObjectName(QStringLiteral("pregunta"));
    formulari->addRow(camps.value(0), pregunta_);
    connect(pregunta_, &QLineEdit::editingFinished, this, [this] {
        if (!refrescant_ && item_actual() >= 0 &&
            exercici_.posar_item(static_cast<std::size_t>(item_actual()), camp_item::consigna,
                                 text_programa(pregunta_->text()))) {
            canviat();
        }
    });
    capa->addLayout(formulari);

    // The cells: a field chosen, then cells clicked on the board or shapes.
    panell_cel_les_ = new QWidget;
    auto* cel_les = new QVBoxLayout(panell_cel_les_);
    cel_les->setContentsMargins(0, 0, 0, 0);
    camps_ = new QButtonGroup(this);
    const QStringList media_botons = parts(static_cast<int>(missatge::editor_botons_media));
    const std::array<int, 3> etiquetes = {1, 2, 5};
    const std::array<const char*, 3> noms = {"camp_correctes", "camp_sequencia", "camp_especials"};
    for (std::size_t i = 0; i < camps_tauler.size(); ++i) {
        auto* fila = new QHBoxLayout;
        auto* boto = new QRadioButton(camps.value(etiquetes[i]));
        boto->setObjectName(QString::fromLatin1(noms[i]));
        boto->setStyleSheet(
            QStringLiteral("QRadioButton { background: %1; }").arg(colors_camp[i].name()));
        camps_->addButton(boto, static_cast<int>(i));
        auto* valor = new QLabel;
        valor->setObjectName(QString::fromLatin1(noms[i]) + QStringLiteral("_valor"));
        auto* esborrar = new QPushButton(media_botons.value(3));
        esborrar->setObjectName(QString::fromLatin1(noms[i]) + QStringLiteral("_esborrar"));
        connect(esborrar, &QPushButton::clicked, this, [this, i] {
            if (item_actual() >= 0 && exercici_.posar_item(static_cast<std::size_t>(item_actual()),
                                                           camps_tauler[i], "")) {
                canviat();
            }
        });
        fila->addWidget(boto);
        fila->addWidget(valor, 1);
        fila->addWidget(esborrar);
        botons_camp_.push_back(boto);
        valors_camp_.push_back(valor);
        cel_les->addLayout(fila);
    }
    botons_camp_.front()->setChecked(true);
    connect(camps_, &QButtonGroup::idClicked, this, [this] { refrescar_tauler(); });
    auto* formes = new QGridLayout;
    const QStringList noms_formes = parts(static_cast<int>(missatge::editor_formes));
    for (int i = 0; i < static_cast<int>(codis_forma.size()); ++i) {
        auto* b = new QPushButton(noms_formes.value(i));
        b->setObjectName(QStringLiteral("forma_%1").arg(i));
        b->setToolTip(
            QString::fromLatin1(codis_forma[static_cast<std::size_t>(i)].data(),
                                static_cast<int>(codis_forma[static_cast<std::size_t>(i)].size())));
        formes->addWidget(b, i / 5, i % 5);
        connect(b, &QPushButton::clicked, this, [this, i] { afegir_forma(i); });
    }
    cel_les->addLayout(formes);
    panell_regles_ = new QWidget;
    auto* regles = new QFormLayout(panell_regles_);
    regles->setContentsMargins(0, 0, 0, 0);
    regla_columnes_ = new QLineEdit;
    regla_columnes_->setObjectName(QStringLiteral("regla_columnes"));
    regla_files_ = new QLineEdit;
    regla_files_->setObjectName(QStringLiteral("regla_files"));
    regles->addRow(camps.value(3), regla_columnes_);
    regles->addRow(camps.value(4), regla_files_);
    for (auto [e, c] : {std::pair{regla_columnes_, camp_item::regla_columnes},
                        std::pair{regla_files_, camp_item::regla_files}}) {
        connect(e, &QLineEdit::editingFinished, this, [this, e, c] {
            if (!refrescant_ && item_actual() >= 0 &&
                exercici_.posar_item(static_cast<std::size_t>(item_actual()), c,
                                     text_programa(e->text()))) {
                canviat();
            }
        });
    }
    cel_les->addWidget(panell_regles_);
    capa->addWidget(panell_cel_les_);

    tauler_ = new tauler_editor;
    tauler_->setObjectName(QStringLiteral("tauler"));
    connect(tauler_, &tauler_editor::casella_clicada, this, [this](int k) { clic_casella(k); });
    capa->addWidget(tauler_, 1);

    // The media, named by what they do.
    auto* media = new QFormLayout;
    const QStringList noms_media = parts(static_cast<int>(missatge::editor_media));
    for (std::size_t i = 0; i < camps_media.size(); ++i) {
        auto* fila = new QWidget;
        auto* capa_fila = new QHBoxLayout(fila);
        capa_fila->setContentsMargins(0, 0, 0, 0);
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("media_%1").arg(i + 1));
        auto* triar = new QPushButton(media_botons.value(0));
        triar->setObjectName(QStringLiteral("triar_media_%1").arg(i + 1));
        capa_fila->addWidget(e, 1);
        if (camps_media[i] != camp_item::escenari) {
            afegir_botons_so(capa_fila, i, QStringLiteral("_media_%1").arg(i + 1));
        }
        capa_fila->addWidget(triar);
        connect(triar, &QPushButton::clicked, this, [this, i] { triar_media(i); });
        if (camps_media[i] != camp_item::escenari) {
            auto* dir = new QPushButton(media_botons.value(4));
            dir->setObjectName(QStringLiteral("dir_media_%1").arg(i + 1));
            capa_fila->addWidget(dir);
            connect(dir, &QPushButton::clicked, this, [this, i] { dir_media(i); });
        } else {
            auto* graella = new QPushButton(media_botons.value(5));
            graella->setObjectName(QStringLiteral("escenari_imatges"));
            capa_fila->addWidget(graella);
            connect(graella, &QPushButton::clicked, this, [this] { escenari_imatges(); });
        }
        connect(e, &QLineEdit::editingFinished, this, [this, e, i] {
            if (!refrescant_ && item_actual() >= 0 &&
                exercici_.posar_item(static_cast<std::size_t>(item_actual()), camps_media[i],
                                     text_programa(e->text()))) {
                canviat();
            }
        });
        if (camps_media[i] == camp_item::escenari) {
            auto* tots = new QPushButton(media_botons.value(1));
            tots->setObjectName(QStringLiteral("media_5_tots"));
            capa_fila->addWidget(tots);
            connect(tots, &QPushButton::clicked, this, [this, e] {
                if (exercici_.posar_a_tots(camp_item::escenari, text_programa(e->text()))) {
                    canviat();
                }
            });
        }
        media_.push_back(e);
        files_media_.push_back(fila);
        media->addRow(noms_media.value(static_cast<int>(i)), fila);
    }
    // A list entry: one cell's recording or note.
    fila_entrada_ = new QWidget;
    auto* capa_entrada = new QHBoxLayout(fila_entrada_);
    capa_entrada->setContentsMargins(0, 0, 0, 0);
    entrada_ = new QLineEdit;
    entrada_->setObjectName(QStringLiteral("entrada"));
    auto* triar_entrada = new QPushButton(media_botons.value(0));
    triar_entrada->setObjectName(QStringLiteral("triar_entrada"));
    capa_entrada->addWidget(entrada_, 1);
    afegir_botons_so(capa_entrada, camps_media.size(), QStringLiteral("_entrada"));
    capa_entrada->addWidget(triar_entrada);
    auto* dir_entrada = new QPushButton(media_botons.value(4));
    dir_entrada->setObjectName(QStringLiteral("dir_entrada"));
    capa_entrada->addWidget(dir_entrada);
    connect(dir_entrada, &QPushButton::clicked, this, [this] { dir_media(camps_media.size()); });
    connect(entrada_, &QLineEdit::editingFinished, this, [this] {
        if (!refrescant_ && item_actual() >= 0 &&
            exercici_.posar_entrada(static_cast<std::size_t>(item_actual()),
                                    text_programa(entrada_->text()))) {
            canviat();
        }
    });
    connect(triar_entrada, &QPushButton::clicked, this,
            [this] { triar_media(camps_media.size()); });
    media->addRow(fila_entrada_);
    capa->addLayout(media);
    return panell_item_;
}

bool finestra_editor::obrir(const fs::path& cami) {
    std::error_code ec;
    cami_ = fs::absolute(cami, ec);
    // An empty file is a new exercise; a file that is no exercise (a picture)
    // is refused rather than rewritten.
    const bool buit =
        fs::exists(cami_, ec) && fs::is_regular_file(cami_, ec) && fs::file_size(cami_, ec) == 0;
    if (fs::exists(cami_, ec) && !buit && !es_fitxer_exercici(fitxers_, de_utf8(cami_.string()))) {
        QMessageBox::warning(
            this, windowTitle(),
            text(static_cast<int>(missatge::no_es_exercici), {de_utf8(cami_.filename().string())}));
        return false;
    }
    if (!fs::exists(cami_, ec) || buit) {
        exercici_ = exercici_editable(6);
        if (!desar()) {
            return false;
        }
    } else {
        std::ifstream entrada(cami_, std::ios::binary);
        std::ostringstream bytes;
        bytes << entrada.rdbuf();
        if (!entrada) {
            QMessageBox::warning(this, windowTitle(),
                                 text(static_cast<int>(missatge::no_es_exercici),
                                      {de_utf8(cami_.filename().string())}));
            return false;
        }
        exercici_ = exercici_editable(document_llegir(bytes.view()));
    }
    canviat();
    items_->setCurrentRow(exercici_.n_items() > 0 ? 0 : -1);
    refrescar_item();
    return true;
}

bool finestra_editor::desar() {
    confirmar_edicions();
    const std::string bytes = document_escriure(exercici_.document());
    // An installed program's folder (its library) belongs to the package.
    const fs::path programa = fitxers_disc::cami_local(s_.carpeta_programa);
    const auto dins = [](const fs::path& a, const fs::path& b) {
        const auto r = a.lexically_relative(b);
        return !r.empty() && *r.begin() != "..";
    };
    const bool protegida = !s_.carpeta_usuari.empty() && !s_.carpeta_programa.empty() &&
                           dins(cami_.lexically_normal(), programa.lexically_normal());
    const resultat_desar r = desar_exercici(cami_, bytes, carpeta_usuari_, protegida);
    const std::string nom = de_utf8(cami_.string());
    if (!r.error.empty()) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_no_desat), {nom, r.error}));
        return false;
    }
    if (r.copia) {
        cami_ = r.cami;
        QMessageBox::information(
            this, windowTitle(),
            text(static_cast<int>(missatge::editor_copia_desada), {nom, de_utf8(r.cami.string())}));
    }
    exercici_.marcar_desat();
    refrescar();
    return true;
}

void finestra_editor::closeEvent(QCloseEvent* e) {
    confirmar_edicions();
    if (!exercici_.modificat()) {
        e->accept();
        return;
    }
    const auto resposta = QMessageBox::question(
        this, windowTitle(),
        text(static_cast<int>(missatge::editor_pregunta_desar),
             {de_utf8(cami_.filename().string())}),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (resposta == QMessageBox::Cancel || (resposta == QMessageBox::Save && !desar())) {
        e->ignore();
        return;
    }
    e->accept();
}

void finestra_editor::confirmar_edicions() {
    if (refrescant_) {
        return;
    }
    const auto general = [this](QLineEdit* e, camp_general c) {
        if (text_programa(e->text()) != exercici_.general(c)) {
            exercici_.posar_general(c, text_programa(e->text()));
        }
    };
    general(titol_, camp_general::titol);
    general(autor_, camp_general::autor);
    general(consigna_, camp_general::consigna);
    const int i = item_actual();
    if (i < 0) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    if (exercici_.es_llista()) {
        if (text_programa(entrada_->text()) != exercici_.entrada(k)) {
            exercici_.posar_entrada(k, text_programa(entrada_->text()));
        }
        return;
    }
    const auto camp = [&](QLineEdit* e, camp_item c) {
        if (text_programa(e->text()) != exercici_.item(k, c)) {
            exercici_.posar_item(k, c, text_programa(e->text()));
        }
    };
    camp(pregunta_, camp_item::consigna);
    if (exercici_.amb_regles()) {
        camp(regla_columnes_, camp_item::regla_columnes);
        camp(regla_files_, camp_item::regla_files);
    }
    for (std::size_t m = 0; m < camps_media.size(); ++m) {
        camp(media_[m], camps_media[m]);
    }
}

int finestra_editor::item_actual() const {
    const int fila = items_->currentRow();
    return fila >= 0 && fila < static_cast<int>(exercici_.n_items()) ? fila : -1;
}

camp_item finestra_editor::camp_actual() const {
    const int id = camps_->checkedId();
    return camps_tauler[static_cast<std::size_t>(std::clamp(id, 0, 2))];
}

void finestra_editor::canviat() {
    refrescar();
    revisar();
}

void finestra_editor::refrescar() {
    refrescant_ = true;
    const std::string nom = de_utf8(cami_.filename().string());
    setWindowTitle(text(static_cast<int>(missatge::editor_titol), {nom}) + QStringLiteral("[*]"));
    setWindowModified(exercici_.modificat());
    desfer_->setEnabled(exercici_.pot_desfer());
    refer_->setEnabled(exercici_.pot_refer());
    const tipus_exercici t = tipus_de_text(exercici_.text_tipus());
    int f = -1;
    for (std::size_t i = 0; i < families().size(); ++i) {
        if (families()[i].familia == t.familia) {
            f = static_cast<int>(i);
        }
    }
    familia_->setCurrentIndex(f);
    tipus_->clear();
    if (f >= 0) {
        const familia_editor& fam = families()[static_cast<std::size_t>(f)];
        for (const int n : fam.tipus) {
            tipus_->addItem(text(static_cast<int>(missatge::editor_tipus), {text_decimal(n)}));
            if (n == t.numero) {
                tipus_->setCurrentIndex(tipus_->count() - 1);
            }
        }
        const QStringList d = parts(static_cast<int>(fam.text));
        descripcio_->setText(d.value(1) + QStringLiteral(". ") + d.value(2) + QStringLiteral("."));
    } else {
        descripcio_->clear();
    }
    titol_->setText(qtext(exercici_.general(camp_general::titol)));
    autor_->setText(qtext(exercici_.general(camp_general::autor)));
    consigna_->setText(qtext(exercici_.general(camp_general::consigna)));
    const int fila = items_->currentRow();
    items_->clear();
    for (std::size_t i = 0; i < exercici_.n_items(); ++i) {
        const std::string n = text_decimal(static_cast<long long>(i + 1));
        items_->addItem(exercici_.es_llista()
                            ? text(static_cast<int>(missatge::editor_casella), {n}) +
                                  QStringLiteral(": ") + qtext(exercici_.entrada(i))
                            : qtext(n) + QStringLiteral(". ") +
                                  qtext(exercici_.item(i, camp_item::consigna)));
    }
    items_->setCurrentRow(std::min(fila, items_->count() - 1));
    refrescant_ = false;
    refrescar_item();
}

void finestra_editor::refrescar_item() {
    refrescant_ = true;
    const int i = item_actual();
    const bool llista = exercici_.es_llista();
    panell_item_->setEnabled(i >= 0);
    panell_cel_les_->setVisible(!llista);
    pregunta_->setVisible(!llista);
    for (QWidget* w : files_media_) {
        w->setVisible(!llista);
    }
    fila_entrada_->setVisible(llista);
    panell_regles_->setVisible(exercici_.amb_regles());
    botons_camp_[1]->setEnabled(!exercici_.amb_regles());
    const auto k = static_cast<std::size_t>(std::max(i, 0));
    const auto valor = [&](camp_item c) { return i >= 0 ? exercici_.item(k, c) : std::string(); };
    pregunta_->setText(qtext(valor(camp_item::consigna)));
    regla_columnes_->setText(qtext(valor(camp_item::regla_columnes)));
    regla_files_->setText(qtext(valor(camp_item::regla_files)));
    for (std::size_t m = 0; m < camps_media.size(); ++m) {
        media_[m]->setText(qtext(valor(camps_media[m])));
    }
    for (std::size_t c = 0; c < camps_tauler.size(); ++c) {
        valors_camp_[c]->setText(descriure(valor(camps_tauler[c])));
    }
    entrada_->setText(llista && i >= 0 ? qtext(exercici_.entrada(k)) : QString());
    refrescant_ = false;
    refrescar_tauler();
}

QString finestra_editor::descriure(const std::string& valor) const {
    const QStringList noms = parts(static_cast<int>(missatge::editor_formes));
    QStringList sortida;
    for (std::size_t p = 0; p < valor.size(); ++p) {
        if (valor[p] == '(') {
            const auto tanca = valor.find(')', p);
            const std::string_view codi = std::string_view(valor).substr(
                p, tanca == std::string::npos ? tanca : tanca - p + 1);
            const auto it = std::find(codis_forma.begin(), codis_forma.end(), codi);
            sortida << (it == codis_forma.end()
                            ? qtext(codi)
                            : noms.value(static_cast<int>(it - codis_forma.begin())));
            p = tanca == std::string::npos ? valor.size() : tanca;
        } else if (valor[p] == '*') {
            sortida << QStringLiteral("*");
        } else {
            sortida << QString::number(static_cast<unsigned char>(valor[p]) - 65);
        }
    }
    return sortida.join(QStringLiteral(", "));
}

void finestra_editor::refrescar_tauler() {
    tauler_->posar_tauler(caselles_->value(), columnes_->value());
    const int i = item_actual();
    std::vector<tauler_editor::marca> marques(static_cast<std::size_t>(caselles_->value()));
    if (i >= 0 && !exercici_.es_llista()) {
        estat_contingut e;
        e.n_botons = static_cast<std::int16_t>(caselles_->value());
        e.n_columnes = static_cast<std::int16_t>(columnes_->value());
        const auto k = static_cast<std::size_t>(i);
        // Sequence first, so that the cells of the other fields show on top of it.
        for (const std::size_t c : {std::size_t{1}, std::size_t{0}, std::size_t{2}}) {
            std::string cel_les = exercici_.item(k, camps_tauler[c]);
            if (camps_tauler[c] != camp_item::sequencia) {
                pas([&] { cel_les = codis_expandir(e, cel_les); });
            }
            int ordre = 0;
            for (const char l : cel_les) {
                const int n = static_cast<unsigned char>(l) - 65;
                if (n >= 1 && n <= caselles_->value()) {
                    auto& m = marques[static_cast<std::size_t>(n - 1)];
                    m.color = colors_camp[c];
                    if (camps_tauler[c] == camp_item::sequencia) {
                        m.ordre = ++ordre;
                    }
                }
            }
        }
    }
    tauler_->posar_marques(std::move(marques));
    // The rules drawn as the path they give from the first right cell.
    std::vector<int> cami;
    if (i >= 0 && exercici_.amb_regles()) {
        const auto k = static_cast<std::size_t>(i);
        estat_contingut e;
        e.n_botons = static_cast<std::int16_t>(caselles_->value());
        e.n_columnes = static_cast<std::int16_t>(columnes_->value());
        std::string correctes = exercici_.item(k, camp_item::correctes);
        std::string especials = exercici_.item(k, camp_item::especials);
        pas([&] {
            correctes = codis_expandir(e, correctes);
            especials = codis_expandir(e, especials);
        });
        if (!correctes.empty()) {
            cami = cami_regles({exercici_.tipus(), exercici_.item(k, camp_item::regla_columnes),
                                exercici_.item(k, camp_item::regla_files),
                                static_cast<unsigned char>(correctes.front()) - 65, especials,
                                caselles_->value(), columnes_->value()});
        }
    }
    tauler_->posar_cami(std::move(cami));
    for (std::size_t f = 0; f < codis_forma.size(); ++f) {
        if (auto* b = panell_cel_les_->findChild<QPushButton*>(QStringLiteral("forma_%1").arg(f))) {
            b->setEnabled(camp_actual() != camp_item::sequencia);
        }
    }
}

void finestra_editor::clic_casella(int casella) {
    const int i = item_actual();
    if (i < 0 || exercici_.es_llista()) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    const camp_item c = camp_actual();
    std::string valor = exercici_.item(k, c);
    const char l = lletra(casella);
    if (c == camp_item::sequencia) {
        // A sequence is an order: each click adds the next cell.
        if (valor == "*") {
            valor.clear();
        }
        valor += l;
    } else {
        // Other fields are sets: a click on a cell named outside a code takes it out.
        std::string sense;
        bool hi_era = false;
        int nivell = 0;
        for (const char ch : valor) {
            nivell += ch == '(' ? 1 : ch == ')' ? -1 : 0;
            if (ch == l && nivell == 0) {
                hi_era = true;
            } else {
                sense += ch;
            }
        }
        valor = hi_era ? sense : valor + l;
    }
    if (exercici_.posar_item(k, c, valor)) {
        canviat();
    }
}

void finestra_editor::afegir_forma(int index) {
    const int i = item_actual();
    const camp_item c = camp_actual();
    if (i < 0 || c == camp_item::sequencia) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    if (exercici_.posar_item(k, c,
                             exercici_.item(k, c) +
                                 std::string(codis_forma[static_cast<std::size_t>(index)]))) {
        canviat();
    }
}

void finestra_editor::triar_media(std::size_t camp) {
    const int i = item_actual();
    if (i < 0) {
        return;
    }
    const fs::path carpeta = cami_.parent_path();
    const QString triat =
        QFileDialog::getOpenFileName(this, windowTitle(), QString::fromStdString(carpeta.string()));
    if (triat.isEmpty()) {
        return;
    }
    const fs::path origen(triat.toStdString());
    const bool escenari =
        camp < camps_media.size() && camps_media[camp] == camp_item::escenari && !es_imatge(origen);
    // Pictures go to imatge/, sounds to veu/, a scenario beside the exercise;
    // a file already there is named as it is.
    const fs::path desti = escenari            ? carpeta
                           : es_imatge(origen) ? carpeta / "imatge"
                                               : carpeta / "veu";
    std::string nom;
    std::error_code ec;
    if (fs::equivalent(origen.parent_path(), desti, ec)) {
        nom = origen.filename().string();
    } else {
        std::string error;
        nom = copiar_lliure(origen, desti, error);
        if (nom.empty()) {
            QMessageBox::warning(this, windowTitle(),
                                 text(static_cast<int>(missatge::editor_no_copiat),
                                      {de_utf8(origen.string()), de_utf8(desti.string()), error}));
            return;
        }
    }
    posar_media(camp, nom);
}

void finestra_editor::posar_media(std::size_t camp, const std::string& nom) {
    const int i = item_actual();
    if (i < 0) {
        return;
    }
    const auto k = static_cast<std::size_t>(i);
    const bool fet = camp < camps_media.size()
                         ? exercici_.posar_item(k, camps_media[camp], de_utf8(nom))
                         : exercici_.posar_entrada(k, de_utf8(nom));
    if (fet) {
        canviat();
    }
}

std::string finestra_editor::valor_media(std::size_t camp) const {
    const int i = item_actual();
    if (i < 0) {
        return {};
    }
    const auto k = static_cast<std::size_t>(i);
    return camp < camps_media.size() ? exercici_.item(k, camps_media[camp]) : exercici_.entrada(k);
}

void finestra_editor::gravar(std::size_t camp, QPushButton* boto) {
    if (so_->gravant()) {
        so_->aturar();
        return;
    }
    if (item_actual() < 0) {
        return;
    }
    const fs::path carpeta = cami_.parent_path() / "veu";
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    if (!so_->gravar(nom_lliure(carpeta, "gravacio.wav"))) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_sense_microfon)));
        return;
    }
    camp_gravant_ = camp;
    boto_gravant_ = boto;
    boto->setText(parts(static_cast<int>(missatge::editor_gravar)).value(1));
}

void finestra_editor::escoltar(std::size_t camp) {
    std::string nom = valor_media(camp);
    nom = nom.substr(0, nom.find('|'));
    std::replace(nom.begin(), nom.end(), '\\', '/');
    if (nom.empty()) {
        return;
    }
    // Looked for as the program looks: veu/, imatge/, then the folder itself.
    const fs::path carpeta = cami_.parent_path();
    const fs::path relatiu(a_utf8(nom));
    for (const fs::path& c :
         {carpeta / "veu" / relatiu, carpeta / "imatge" / relatiu, carpeta / relatiu}) {
        std::error_code ec;
        if (fs::is_regular_file(c, ec)) {
            so_->reproduir(c);
            return;
        }
    }
}

void finestra_editor::dir_media(std::size_t camp) {
    if (item_actual() < 0) {
        return;
    }
    bool acceptat = false;
    const QString frase =
        QInputDialog::getText(this, windowTitle(), text(static_cast<int>(missatge::editor_frase)),
                              QLineEdit::Normal, {}, &acceptat);
    if (!acceptat || frase.trimmed().isEmpty()) {
        return;
    }
    // The file is named after the sentence's first words.
    QString base;
    for (const QChar c : frase.normalized(QString::NormalizationForm_KD)) {
        if (c.isLetterOrNumber() && c.unicode() < 128) {
            base += c.toLower();
        } else if (!base.isEmpty() && !base.endsWith(QLatin1Char('_'))) {
            base += QLatin1Char('_');
        }
    }
    base = base.left(24);
    while (base.endsWith(QLatin1Char('_'))) {
        base.chop(1);
    }
    const fs::path carpeta = cami_.parent_path() / "veu";
    std::error_code ec;
    fs::create_directories(carpeta, ec);
    const fs::path wav = nom_lliure(
        carpeta, (base.isEmpty() ? QStringLiteral("frase") : base).toStdString() + ".wav");
    const QString veu = qtext(text_missatge(s_, missatge::codi_idioma)).left(2);
    const veu_sintetitzada r = dir_frase(frase, veu.isEmpty() ? QStringLiteral("ca") : veu, wav);
    if (r.resultat == resultat_veu::absent) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_espeak_absent)));
        return;
    }
    if (r.resultat == resultat_veu::error) {
        QMessageBox::warning(this, windowTitle(),
                             text(static_cast<int>(missatge::editor_espeak_error),
                                  {de_utf8(wav.string()), text_programa(r.error)}));
        return;
    }
    posar_media(camp, wav.filename().string());
}

void finestra_editor::escenari_imatges() {
    const QStringList triades = QFileDialog::getOpenFileNames(
        this, windowTitle(), QString::fromStdString(cami_.parent_path().string()),
        QStringLiteral("*.png *.gif *.jpg *.jpeg *.bmp *.PNG *.GIF *.JPG *.JPEG *.BMP"));
    if (triades.isEmpty()) {
        return;
    }
    const fs::path carpeta = cami_.parent_path();
    const fs::path programa = fs::path(fitxers_disc::cami_local(s_.carpeta_programa));
    std::string error;
    const auto copiar = [&](const fs::path& origen) {
        std::error_code ec;
        if (fs::equivalent(origen.parent_path(), carpeta / "imatge", ec)) {
            return origen.filename().string();
        }
        return copiar_lliure(origen, carpeta / "imatge", error);
    };
    std::vector<std::string> imatges;
    for (const QString& t : triades) {
        imatges.push_back(de_utf8(copiar(fs::path(t.toStdString()))));
        if (imatges.back().empty()) {
            QMessageBox::warning(
                this, windowTitle(),
                text(static_cast<int>(missatge::editor_no_copiat),
                     {text_programa(t), de_utf8((carpeta / "imatge").string()), error}));
            return;
        }
    }
    // The default scenario's background and released picture come along.
    std::ifstream entrada(programa / "graella.esc", std::ios::binary);
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    const document_exercici plantilla = document_llegir(bytes.view());
    const auto nom_de = [&](std::size_t registre) {
        return registre < plantilla.registres.size()
                   ? std::string(valor_de(plantilla.registres[registre].text))
                   : std::string();
    };
    const std::string fons = de_utf8(copiar(programa / "imatge" / nom_de(3)));
    const std::string deixat = de_utf8(copiar(programa / "imatge" / nom_de(13)));
    const std::string n = text_decimal(static_cast<long long>(imatges.size()));
    const document_exercici escenari = escenari_graella(
        plantilla, text_missatge(s_, missatge::editor_titol_graella, {n}), fons, deixat, imatges);
    const fs::path esc = nom_lliure(carpeta, "graella_" + n + ".esc");
    if (const std::string e = substituir_fitxer(esc, document_escriure(escenari)); !e.empty()) {
        QMessageBox::warning(
            this, windowTitle(),
            text(static_cast<int>(missatge::editor_no_desat), {de_utf8(esc.string()), e}));
        return;
    }
    if (exercici_.n_items() > 0 &&
        exercici_.posar_a_tots(camp_item::escenari, de_utf8(esc.filename().string()))) {
        canviat();
    }
}

void finestra_editor::revisar() {
    troballes_ = revisar_exercici(s_, fitxers_, de_utf8(cami_.string()), exercici_.document(),
                                  {caselles_->value(), columnes_->value()});
    avisos_->blockSignals(true);
    avisos_->clear();
    for (const troballa& t : troballes_) {
        avisos_->addItem(qtext(t.text));
    }
    if (troballes_.empty()) {
        avisos_->addItem(text(static_cast<int>(missatge::editor_sense_avisos)));
    }
    avisos_->blockSignals(false);
}

void finestra_editor::seleccionar_troballa(int fila) {
    if (fila < 0 || fila >= static_cast<int>(troballes_.size())) {
        return;
    }
    const std::size_t r = troballes_[static_cast<std::size_t>(fila)].registre;
    for (const auto& [c, e] :
         {std::pair{camp_general::titol, titol_}, std::pair{camp_general::autor, autor_},
          std::pair{camp_general::consigna, consigna_}}) {
        if (exercici_.registre_general(c) == r) {
            e->setFocus();
            e->selectAll();
            return;
        }
    }
    for (std::size_t i = 0; i < exercici_.n_items(); ++i) {
        if (exercici_.es_llista()) {
            if (exercici_.registre_entrada(i) == r) {
                items_->setCurrentRow(static_cast<int>(i));
                entrada_->setFocus();
                return;
            }
            continue;
        }
        for (std::size_t c = 0; c <= static_cast<std::size_t>(camp_item::escenari); ++c) {
            const auto camp = static_cast<camp_item>(c);
            if (exercici_.registre_item(i, camp) != r) {
                continue;
            }
            items_->setCurrentRow(static_cast<int>(i));
            QWidget* w = pregunta_;
            for (std::size_t b = 0; b < camps_tauler.size(); ++b) {
                if (camps_tauler[b] == camp) {
                    botons_camp_[b]->setChecked(true);
                    refrescar_tauler();
                    w = botons_camp_[b];
                }
            }
            for (std::size_t m = 0; m < camps_media.size(); ++m) {
                if (camps_media[m] == camp) {
                    w = media_[m];
                }
            }
            if (camp == camp_item::regla_columnes) {
                w = regla_columnes_;
            } else if (camp == camp_item::regla_files) {
                w = regla_files_;
            }
            w->setFocus();
            return;
        }
    }
    items_->setFocus();
}

void finestra_editor::provar() {
    confirmar_edicions();
    if (!en_provar) {
        return;
    }
    // The copy sits in a folder of its own that shows the exercise's files,
    // so that its media names read as they do beside the exercise.
    std::error_code ec;
    const fs::path carpeta =
        fs::temp_directory_path(ec) / ("quorvel-provar-" + std::to_string(::getpid()));
    fs::remove_all(carpeta, ec);
    fs::create_directories(carpeta, ec);
    for (const auto& e : fs::directory_iterator(cami_.parent_path(), ec)) {
        if (e.path().filename() != cami_.filename()) {
            fs::create_symlink(e.path(), carpeta / e.path().filename(), ec);
        }
    }
    const fs::path copia = carpeta / cami_.filename();
    std::ofstream(copia, std::ios::binary) << document_escriure(exercici_.document());
    en_provar(copia, caselles_->value(), columnes_->value());
}

} // namespace quorvel
