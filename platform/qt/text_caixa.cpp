#include "platform/qt/text_caixa.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace quorvel {

QString text_mostrable(const QString& text, qsizetype caracters, qsizetype linies) {
    qsizetype fi = std::min(text.size(), std::max<qsizetype>(caracters, 0));
    qsizetype vistes = 0;
    for (qsizetype i = 0; i < fi; ++i) {
        if (text[i] == QLatin1Char('\n') && ++vistes >= linies) {
            fi = i;
            break;
        }
    }
    if (fi >= text.size()) {
        return text;
    }
    // A character outside the basic plane is never split in two.
    if (fi > 0 && text[fi - 1].isHighSurrogate()) {
        --fi;
    }
    return text.left(fi) + QChar(0x2026);
}

void posar_text_caixa(QMessageBox& caixa, const QString& text) {
    const QScreen* pantalla =
        caixa.screen() != nullptr ? caixa.screen() : QGuiApplication::primaryScreen();
    const QSize disponible =
        pantalla != nullptr ? pantalla->availableGeometry().size() : QSize(1280, 800);
    qsizetype caracters = maxim_caracters_mostrats;
    qsizetype linies = maxim_linies_mostrades;
    for (;;) {
        const QString mostrat = text_mostrable(text, caracters, linies);
        caixa.setText(mostrat);
        const QSize mida = caixa.sizeHint();
        // The window's frame and title, and the box's own sizing when it
        // shows, come on top of the size it asks for now.
        if ((mida.height() <= disponible.height() * 3 / 4 && mida.width() <= disponible.width()) ||
            mostrat.size() < 2) {
            return;
        }
        caracters = mostrat.size() / 2;
        linies = std::max<qsizetype>(1, linies / 2);
    }
}

} // namespace quorvel
