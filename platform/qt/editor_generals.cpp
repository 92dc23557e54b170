// The editor's left column: the type chosen by family with its description,
// the general fields (title, author, instruction), the board's size and
// columns, and the list of items with add, remove, duplicate and reorder.
#include "platform/qt/editor_exercici.h"

#include "content/estat_contingut.h"
#include "core/nombres.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/editor_comu.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace fs = std::filesystem;

namespace quorvel {

using namespace editor;

QLayout* finestra_editor::construir_generals() {
    const QStringList generals = parts(static_cast<int>(missatge::editor_generals));
    auto* esquerra = new QVBoxLayout;
    auto* formulari = new QFormLayout;
    familia_ = new QComboBox;
    familia_->setObjectName(QStringLiteral("editor_familia"));
    for (const familia_editor& f : families()) {
        familia_->addItem(parts(static_cast<int>(f.text)).value(0));
    }
    tipus_ = new QComboBox;
    tipus_->setObjectName(QStringLiteral("editor_tipus"));
    auto* fila_tipus = new QHBoxLayout;
    fila_tipus->addWidget(familia_, 1);
    fila_tipus->addWidget(tipus_);
    formulari->addRow(generals.value(3), fila_tipus);
    descripcio_ = new QLabel;
    descripcio_->setWordWrap(true);
    formulari->addRow(descripcio_);
    const auto linia = [&](const char* nom) {
        auto* e = new QLineEdit;
        e->setObjectName(QStringLiteral("editor_") + QString::fromLatin1(nom));
        return e;
    };
    titol_ = linia("titol");
    autor_ = linia("autor");
    consigna_ = linia("consigna_general");
    formulari->addRow(generals.value(0), titol_);
    formulari->addRow(generals.value(1), autor_);
    formulari->addRow(generals.value(2), consigna_);
    caselles_ = new QSpinBox;
    caselles_->setObjectName(QStringLiteral("editor_caselles"));
    caselles_->setRange(1, 64);
    caselles_->setValue(s_.n_botons > 0 ? s_.n_botons : 16);
    columnes_ = new QSpinBox;
    columnes_->setObjectName(QStringLiteral("editor_columnes"));
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
    items_->setObjectName(QStringLiteral("editor_items"));
    esquerra->addWidget(items_, 1);
    auto* fila_botons = new QHBoxLayout;
    const std::array<const char*, 5> noms_botons = {"afegir", "eliminar", "duplicar", "amunt",
                                                    "avall"};
    for (int i = 0; i < 5; ++i) {
        auto* b = new QPushButton(botons.value(i));
        b->setObjectName(QStringLiteral("editor_") +
                         QString::fromLatin1(noms_botons[static_cast<std::size_t>(i)]));
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
    return esquerra;
}

} // namespace quorvel
