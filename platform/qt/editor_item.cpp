// The editor's item panel: the question, the fields whose cells are picked by
// clicking the drawn board or by shape buttons, the rules of the path types
// with the path they give drawn on the board.
#include "platform/qt/editor_exercici.h"

#include "content/cami_regles.h"
#include "content/dibuix.h"
#include "content/estat_contingut.h"
#include "core/pas.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"
#include "platform/qt/editor_tauler.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace fs = std::filesystem;

namespace quorvel {

using namespace editor;

QWidget* finestra_editor::construir_item() {
    panell_item_ = new QWidget;
    auto* capa = new QVBoxLayout(panell_item_);
    auto* formulari = new QFormLayout;
    const QStringList camps = parts(static_cast<int>(missatge::editor_camps_item));
    pregunta_ = new QLineEdit;
    pregunta_->setObjectName(QStringLiteral("editor_pregunta"));
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
    const std::array<const char*, 3> noms = {"editor_camp_correctes", "editor_camp_sequencia",
                                             "editor_camp_especials"};
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
        b->setObjectName(QStringLiteral("editor_forma(%1)").arg(i));
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
    regla_columnes_->setObjectName(QStringLiteral("editor_regla_columnes"));
    regla_files_ = new QLineEdit;
    regla_files_->setObjectName(QStringLiteral("editor_regla_files"));
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
        // The path follows the formula as it is typed; the exercise takes it
        // (and undo records it) when the edit is confirmed.
        connect(e, &QLineEdit::textEdited, this, [this] { refrescar_tauler(); });
    }
    cel_les->addWidget(panell_regles_);
    capa->addWidget(panell_cel_les_);

    tauler_ = new tauler_editor;
    tauler_->setObjectName(QStringLiteral("editor_tauler"));
    connect(tauler_, &tauler_editor::casella_clicada, this, [this](int k) { clic_casella(k); });
    capa->addWidget(tauler_, 1);

    capa->addLayout(construir_media());
    return panell_item_;
}

void finestra_editor::refrescar_item() {
    refrescant_ = true;
    const int i = item_actual();
    const bool llista = exercici_.es_llista();
    panell_item_->setEnabled(i >= 0);
    panell_cel_les_->setVisible(!llista);
    pregunta_->setVisible(!llista);
    for (QWidget* w : files_media_) {
        capa_media_->setRowVisible(w, !llista);
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
            cami = cami_regles({exercici_.tipus(), text_programa(regla_columnes_->text()),
                                text_programa(regla_files_->text()),
                                static_cast<unsigned char>(correctes.front()) - 65, especials,
                                caselles_->value(), columnes_->value()});
        }
    }
    tauler_->posar_cami(std::move(cami));
    for (std::size_t f = 0; f < codis_forma.size(); ++f) {
        if (auto* b = panell_cel_les_->findChild<QPushButton*>(
                QStringLiteral("editor_forma(%1)").arg(f))) {
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

} // namespace quorvel
