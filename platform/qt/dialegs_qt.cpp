#include "platform/qt/dialegs_qt.h"

#include "platform/qt/conversions_qt.h"
#include "platform/qt/eines_qt.h"
#include "platform/qt/text_caixa.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include <string_view>
#include <vector>

namespace quorvel {

namespace {

// Program paths may use "\" between folders; Qt wants "/".
QString cami_qt(const std::string& cami) {
    QString c = qtext(cami);
    c.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return c;
}

std::vector<std::string_view> parts(std::string_view filtre) {
    std::vector<std::string_view> resultat;
    while (!filtre.empty()) {
        const auto nul = filtre.find('\0');
        resultat.push_back(filtre.substr(0, nul));
        if (nul == std::string_view::npos) {
            break;
        }
        filtre.remove_prefix(nul + 1);
    }
    return resultat;
}

} // namespace

QString filtres_qt(const std::string& filtre) {
    const std::vector<std::string_view> p = parts(filtre);
    QStringList filtres;
    for (std::size_t i = 0; i < p.size(); i += 2) {
        QString patrons = i + 1 < p.size() ? qtext(p[i + 1]).trimmed() : QString();
        patrons.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patrons.isEmpty()) {
            patrons = QStringLiteral("*");
        }
        const QString descripcio = qtext(p[i]).trimmed();
        filtres << (descripcio.isEmpty() ? QStringLiteral("(%1)").arg(patrons)
                                         : QStringLiteral("%1 (%2)").arg(descripcio, patrons));
    }
    return filtres.join(QStringLiteral(";;"));
}

QWidget* dialegs_qt::pare() const {
    return eines_ != nullptr ? eines_->pare_dialeg() : QApplication::activeWindow();
}

std::string dialegs_qt::obrir(finestra&, const std::string& carpeta_inicial,
                              const std::string& filtre, const std::string& titol) {
    // getOpenFileName only accepts a file that exists.
    const QString cami = QFileDialog::getOpenFileName(pare(), qtext(titol),
                                                      cami_qt(carpeta_inicial), filtres_qt(filtre));
    return cami.isEmpty() ? std::string() : text_programa(cami);
}

std::string dialegs_qt::desar(const std::string& nom_proposat, finestra&,
                              const std::string& carpeta, const std::string& filtre,
                              const std::string& titol) {
    // A directory argument ending in a file name puts that name in the
    // dialog's name field and opens its folder.
    const QString nom = cami_qt(nom_proposat);
    const QString inicial = carpeta.empty() ? nom
                            : nom.isEmpty() ? cami_qt(carpeta)
                                            : QDir(cami_qt(carpeta)).filePath(nom);
    const QString cami =
        QFileDialog::getSaveFileName(pare(), qtext(titol), inicial, filtres_qt(filtre));
    return cami.isEmpty() ? std::string() : text_programa(cami);
}

bool dialegs_qt::preguntar(finestra&, const std::string& text, const std::string& titol) {
    // A box on the stage may lose its parent while it waits (a timer stops
    // the exercise): it then goes with the stage, and counts as "no".
    const QPointer<QMessageBox> caixa = new QMessageBox(
        QMessageBox::Question, qtext(titol), QString(), QMessageBox::Yes | QMessageBox::No, pare());
    caixa->setDefaultButton(QMessageBox::No);
    posar_text_caixa(*caixa, qtext(text));
    const bool si = caixa->exec() == QMessageBox::Yes && !caixa.isNull();
    delete caixa.data();
    return si;
}

} // namespace quorvel
