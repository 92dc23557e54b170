#include "platform/qt/traduccions_qt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace quorvel {

bool traduccions_qt::aplicar(const std::string& codi) {
    if (traductor_ && codi == codi_) {
        return true;
    }
    if (traductor_) {
        QCoreApplication::removeTranslator(traductor_.get());
        traductor_.reset();
    }
    codi_ = codi;
    const QLocale idioma(QString::fromStdString(codi));
    // Dates and numbers in the toolkit's dialogs follow the language too.
    QLocale::setDefault(idioma);
    auto traductor = std::make_unique<QTranslator>();
    if (!traductor->load(idioma, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return false;
    }
    QCoreApplication::installTranslator(traductor.get());
    traductor_ = std::move(traductor);
    return true;
}

} // namespace quorvel
