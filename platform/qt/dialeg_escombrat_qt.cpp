#include "platform/qt/dialeg_escombrat_qt.h"

#include "platform/qt/conversions_qt.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace quorvel {

namespace {

QSpinBox* caixa_nombre(QDialog& d, const char* nom, int minim, int maxim, const char* unitat) {
    auto* caixa = new QSpinBox(&d);
    caixa->setObjectName(QString::fromLatin1(nom));
    caixa->setRange(minim, maxim);
    caixa->setSuffix(QString::fromLatin1(unitat));
    return caixa;
}

} // namespace

std::optional<std::pair<int, opcions_escombrat>>
demanar_escombrat_qt(QWidget* pare, const textos_escombrat& textos, int jugadors,
                     const std::function<opcions_escombrat(int jugador)>& actuals) {
    // The parent that owns the form may be closed while it waits: the form
    // goes with it, and counts as cancelled.
    const QPointer<QDialog> d = new QDialog(pare);
    d->setObjectName(QStringLiteral("escombrat"));
    d->setWindowTitle(qtext(textos.titol));
    auto* jugador = caixa_nombre(*d, "escombrat_jugador", 1, std::max(1, jugadors), "");
    auto* mode = new QComboBox(d);
    mode->setObjectName(QStringLiteral("escombrat_mode"));
    for (const std::string& m : textos.modes) {
        mode->addItem(qtext(m));
    }
    auto* interval = caixa_nombre(*d, "escombrat_interval", 100, 60000, " ms");
    interval->setSingleStep(100);
    auto* primer = caixa_nombre(*d, "escombrat_primer", 100, 60000, " ms");
    primer->setSingleStep(100);
    auto* voltes = caixa_nombre(*d, "escombrat_voltes", 1, 99, "");
    auto* so = new QCheckBox(qtext(textos.so), d);
    so->setObjectName(QStringLiteral("escombrat_so"));
    auto* botons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, d);
    QPushButton* d_acord = botons->button(QDialogButtonBox::Ok);
    d_acord->setObjectName(QStringLiteral("escombrat_d_acord"));
    d_acord->setText(qtext(textos.d_acord));
    QPushButton* cancellar = botons->button(QDialogButtonBox::Cancel);
    cancellar->setObjectName(QStringLiteral("escombrat_cancellar"));
    cancellar->setText(qtext(textos.cancellar));
    QObject::connect(botons, &QDialogButtonBox::accepted, d, &QDialog::accept);
    QObject::connect(botons, &QDialogButtonBox::rejected, d, &QDialog::reject);

    auto* forma = new QFormLayout(d);
    forma->addRow(qtext(textos.jugador), jugador);
    forma->addRow(qtext(textos.mode), mode);
    forma->addRow(qtext(textos.interval), interval);
    forma->addRow(qtext(textos.primer), primer);
    forma->addRow(qtext(textos.voltes), voltes);
    forma->addRow(so);
    forma->addRow(botons);

    const auto carregar = [&](int j) {
        const opcions_escombrat o = actuals(j);
        mode->setCurrentIndex(std::clamp(o.mode, 0, 2));
        interval->setValue(o.interval_ms);
        primer->setValue(o.primer_ms);
        voltes->setValue(o.voltes);
        so->setChecked(o.so);
    };
    carregar(jugador->value());
    QObject::connect(jugador, &QSpinBox::valueChanged, d, carregar);

    const bool acceptat = d->exec() == QDialog::Accepted && !d.isNull();
    std::optional<std::pair<int, opcions_escombrat>> resposta;
    if (acceptat) {
        resposta = std::pair{jugador->value(),
                             opcions_escombrat{mode->currentIndex(), interval->value(),
                                               primer->value(), voltes->value(), so->isChecked()}};
    }
    delete d.data();
    return resposta;
}

} // namespace quorvel
