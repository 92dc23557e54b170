#include "platform/qt/etiqueta_estat.h"

#include <QResizeEvent>

#include <algorithm>

namespace quorvel {

void etiqueta_estat::posar(const QString& text, const QString& detall) {
    complet_ = text;
    complet_.replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString consell;
    if (!complet_.isEmpty()) {
        consell = QStringLiteral("<p>") + complet_.left(mida_consell).toHtmlEscaped() +
                  QStringLiteral("</p>");
    }
    if (!detall.isEmpty()) {
        consell += QStringLiteral("<p>") +
                   detall.left(mida_consell)
                       .toHtmlEscaped()
                       .replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                   QStringLiteral("</p>");
    }
    setToolTip(consell);
    refrescar();
}

QSize etiqueta_estat::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

QSize etiqueta_estat::sizeHint() const {
    return {0, QLabel::sizeHint().height()};
}

void etiqueta_estat::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    refrescar();
}

void etiqueta_estat::refrescar() {
    setText(
        fontMetrics().elidedText(complet_, Qt::ElideRight, std::max(0, contentsRect().width())));
}

} // namespace quorvel
