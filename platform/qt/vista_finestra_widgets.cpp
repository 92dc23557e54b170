// One widget per element of the window model: made, changed and removed as
// the model's elements are.
#include "platform/qt/vista_finestra.h"

#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/etiqueta_estat.h"
#include "platform/qt/teclat_filtre.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

Qt::CheckState estat_marca(int valor) {
    switch (valor) {
    case 0:
        return Qt::Unchecked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        return Qt::Checked;
    }
}

int valor_marca(Qt::CheckState estat) {
    switch (estat) {
    case Qt::Unchecked:
        return 0;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 1;
    }
}

} // namespace

void vista_finestra::crear_widget(const element& e) {
    QWidget* w = nullptr;
    const std::string nom = e.nom;
    const std::optional<int> index = e.index;
    if (barra_estat_ != nullptr && e.tipus == tipus_element::etiqueta &&
        iguals_sense_majuscules(nom, opcions_.linia_estat)) {
        elements_widget_[barra_estat_] = {nom, index};
        widgets_[clau_de(nom, index)] = barra_estat_;
        aplicar(barra_estat_, e, propietat::caption);
        return;
    }
    switch (e.tipus) {
    case tipus_element::etiqueta:
        w = new QLabel(llenc_);
        static_cast<QLabel*>(w)->setWordWrap(true);
        static_cast<QLabel*>(w)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case tipus_element::quadre_text: {
        auto* quadre = new QLineEdit(llenc_);
        if (index.value_or(0) > 0 && iguals_sense_majuscules(nom, opcions_.caselles_numerades)) {
            quadre->setPlaceholderText(QString::number(*index));
            quadre->setAlignment(Qt::AlignCenter);
            quadre->setProperty(propietat_casella_pad, true);
            // A cell shows the board; typing into it would change nothing.
            quadre->setReadOnly(true);
        }
        connect(quadre, &QLineEdit::textEdited, this, [this, nom, index](const QString& text) {
            enviar([&] { f_.editar(nom, index, text_programa(text)); });
        });
        w = quadre;
        break;
    }
    case tipus_element::casella_marca: {
        auto* marca = new QCheckBox(llenc_);
        connect(marca, &QCheckBox::clicked, this, [this, marca, nom, index] {
            const int valor = valor_marca(marca->checkState());
            enviar([&] {
                f_.posar_valor(nom, index, valor);
                f_.clic(nom, index);
            });
        });
        w = marca;
        break;
    }
    case tipus_element::boto: {
        auto* boto = new QPushButton(llenc_);
        boto->setAutoDefault(false);
        connect(boto, &QPushButton::clicked, this,
                [this, nom, index] { enviar([&] { f_.clic(nom, index); }); });
        w = boto;
        break;
    }
    case tipus_element::imatge: {
        auto* imatge = new QLabel(llenc_);
        imatge->setScaledContents(true);
        w = imatge;
        break;
    }
    case tipus_element::linia: {
        auto* linia = new QFrame(llenc_);
        linia->setFrameShadow(QFrame::Plain);
        w = linia;
        break;
    }
    case tipus_element::menu:
    case tipus_element::temporitzador:
        return;
    }
    // Scripts that drive the program find an element by this name.
    w->setObjectName(index ? QStringLiteral("%1(%2)").arg(qtext(nom)).arg(*index) : qtext(nom));
    w->installEventFilter(this);
    destruir_widget(nom, index);
    elements_widget_[w] = {nom, index};
    widgets_[clau_de(nom, index)] = w;
    aplicar_tot(w, e);
}

void vista_finestra::destruir_widget(std::string_view nom, std::optional<int> index) {
    const auto it = widgets_.find(clau_de(nom, index));
    if (it == widgets_.end()) {
        return;
    }
    QWidget* w = it->second;
    widgets_.erase(it);
    // The widget may be the one whose event is being handled right now.
    elements_widget_.erase(w);
    w->removeEventFilter(this);
    disconnect(w, nullptr, this, nullptr);
    w->hide();
    w->deleteLater();
    programar_mida();
}

void vista_finestra::aplicar_tot(QWidget* w, const element& e) {
    for (const propietat p : {propietat::caption, propietat::text, propietat::valor,
                              propietat::habilitat, propietat::color_fons, propietat::imatge,
                              propietat::posicio, propietat::lletra, propietat::visible}) {
        aplicar(w, e, p);
    }
}

void vista_finestra::aplicar(QWidget* w, const element& e, propietat p) {
    switch (p) {
    case propietat::caption:
        if (w == barra_estat_) {
            static_cast<etiqueta_estat*>(barra_estat_)->posar(qtext(e.caption), qtext(e.text));
        } else if (auto* etiqueta = qobject_cast<QLabel*>(w);
                   etiqueta && e.tipus != tipus_element::imatge) {
            etiqueta->setText(qtext(e.caption));
        } else if (auto* boto = qobject_cast<QAbstractButton*>(w)) {
            boto->setText(qtext(e.caption));
        }
        break;
    case propietat::text:
        if (w == barra_estat_) {
            static_cast<etiqueta_estat*>(barra_estat_)->posar(qtext(e.caption), qtext(e.text));
        } else if (auto* quadre = qobject_cast<QLineEdit*>(w)) {
            const QString text = qtext(e.text);
            if (quadre->text() != text) {
                quadre->setText(text);
            }
        }
        break;
    case propietat::valor:
        if (auto* marca = qobject_cast<QCheckBox*>(w)) {
            const QSignalBlocker bloqueig(marca);
            marca->setTristate(e.valor == 2);
            marca->setCheckState(estat_marca(e.valor));
        }
        break;
    case propietat::visible:
        if (w == barra_estat_) {
            break;
        }
        w->setVisible(e.visible);
        programar_mida();
        break;
    case propietat::habilitat:
        w->setEnabled(e.habilitat);
        break;
    case propietat::color_fons:
        aplicar_color(w, e);
        break;
    case propietat::imatge:
        if (e.tipus == tipus_element::imatge) {
            auto* imatge = static_cast<QLabel*>(w);
            const std::string local = e.imatge.empty() ? "" : fitxers_disc::cami_local(e.imatge);
            imatge->setPixmap(local.empty() ? QPixmap() : QPixmap(QString::fromStdString(local)));
        }
        break;
    case propietat::posicio: {
        if (w == barra_estat_) {
            break;
        }
        const int x = pixels_x(e.left);
        const int y = pixels_y(e.top);
        int amplada = pixels_x(e.width);
        int alcada = pixels_y(e.height);
        if (auto* linia = qobject_cast<QFrame*>(w); linia && e.tipus == tipus_element::linia) {
            // A line of no height is drawn one pixel thick.
            const bool horitzontal = amplada >= alcada;
            linia->setFrameShape(horitzontal ? QFrame::HLine : QFrame::VLine);
            amplada = std::max(amplada, 1);
            alcada = std::max(alcada, 1);
        }
        w->setGeometry(x, y, amplada, alcada);
        programar_mida();
        break;
    }
    case propietat::lletra: {
        if (e.lletra.empty() && e.mida_lletra <= 0 && !e.negreta) {
            w->setFont(QFont());
            break;
        }
        QFont lletra = w->font();
        if (!e.lletra.empty()) {
            lletra.setFamily(qtext(e.lletra));
        }
        if (e.mida_lletra > 0) {
            lletra.setPointSize(e.mida_lletra);
        }
        lletra.setBold(e.negreta);
        w->setFont(lletra);
        break;
    }
    case propietat::interval:
    case propietat::creat:
    case propietat::destruit:
        break;
    }
}

void vista_finestra::aplicar_color(QWidget* w, const element& e) {
    if (!e.color_fons) {
        w->setPalette(QPalette());
        w->setAutoFillBackground(false);
        return;
    }
    QPalette paleta = w->palette();
    const QColor c = qcolor(*e.color_fons);
    if (qobject_cast<QLineEdit*>(w) != nullptr) {
        paleta.setColor(QPalette::Base, c);
    } else if (qobject_cast<QPushButton*>(w) != nullptr) {
        paleta.setColor(QPalette::Button, c);
    } else {
        paleta.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
    }
    w->setPalette(paleta);
}

} // namespace quorvel
