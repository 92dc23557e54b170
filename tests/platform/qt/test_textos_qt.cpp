// The toolkit's own texts in the program's language, and the teachers' guide
// shown inside the program.
#include "platform/qt/finestra_ajuda.h"
#include "platform/qt/traduccions_qt.h"

#include <QAbstractButton>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace quorvel {
namespace {

QString cancel_lar() {
    QMessageBox caixa;
    caixa.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    return caixa.button(QMessageBox::Cancel)->text();
}

TEST(textos_qt, message_box_buttons_follow_the_language) {
    traduccions_qt traduccions;
    const struct {
        const char* codi;
        bool cataleg;
        QString cancel;
    } casos[] = {
        {"es", true, QStringLiteral("Cancelar")},
        {"ca", true, QStringLiteral("Cancel\u00B7la")},
        // A language the toolkit has no catalogue for speaks English.
        {"xx", false, QStringLiteral("Cancel")},
    };
    for (const auto& c : casos) {
        EXPECT_EQ(traduccions.aplicar(c.codi), c.cataleg) << c.codi;
        EXPECT_EQ(cancel_lar(), c.cancel) << c.codi;
    }
}

TEST(textos_qt, the_guide_shows_its_file_and_closes_with_esc) {
    QTemporaryDir carpeta;
    const QString guia = carpeta.filePath(QStringLiteral("ca.md"));
    QFile fitxer(guia);
    ASSERT_TRUE(fitxer.open(QIODevice::WriteOnly));
    fitxer.write("# Guia del mestre\n\nPremeu **engegar**.\n");
    fitxer.close();

    finestra_ajuda ajuda;
    ajuda.mostrar(guia, QStringLiteral("Ajuda de Quorvel"), QStringLiteral("Quorvel v1Alfa"));
    ajuda.show();
    EXPECT_EQ(ajuda.windowTitle(), QStringLiteral("Ajuda de Quorvel"));
    EXPECT_TRUE(ajuda.text().toPlainText().startsWith(QStringLiteral("Guia del mestre")))
        << ajuda.text().toPlainText().toStdString();
    EXPECT_FALSE(ajuda.text().toPlainText().contains(QLatin1Char('#')));
    QTest::keyClick(&ajuda, Qt::Key_Escape);
    EXPECT_FALSE(ajuda.isVisible());
}

} // namespace
} // namespace quorvel
