// The editor's window: its actions (save, undo, redo, "Provar", close), the
// layout of its panels, opening and saving the file, the question before
// closing with unsaved changes, and the refresh after every edit.
#include "platform/qt/editor_exercici.h"

#include "content/estat_contingut.h"
#include "content/exercici_fitxer.h"
#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/local/fitxers_editor.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"
#include "platform/qt/editor_so.h"

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quorvel {

using namespace editor;

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
        a->setObjectName(QStringLiteral("editor_") + QString::fromLatin1(nom));
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

    auto* central = new QWidget;
    auto* disposicio = new QHBoxLayout(central);
    disposicio->addLayout(construir_generals(), 2);
    auto* dreta = new QVBoxLayout;
    dreta->addWidget(construir_item(), 3);
    dreta->addWidget(construir_finals());
    dreta->addWidget(construir_avisos(), 1);
    disposicio->addLayout(dreta, 3);
    setCentralWidget(central);
    resize(1000, 700);
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
    confirmar_finals();
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
        items_->addItem(
            exercici_.es_llista()
                ? text(static_cast<int>(missatge::editor_casella), {n}) + QStringLiteral(": ") +
                      (exercici_.tipus() == 5 || exercici_.tipus() == 12
                           ? nom_nota(exercici_.entrada(i))
                           : qtext(exercici_.entrada(i)))
                : qtext(n) + QStringLiteral(". ") + qtext(exercici_.item(i, camp_item::consigna)));
    }
    items_->setCurrentRow(std::min(fila, items_->count() - 1));
    refrescar_finals();
    refrescant_ = false;
    refrescar_item();
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
