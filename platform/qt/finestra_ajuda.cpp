#include "platform/qt/finestra_ajuda.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel {

finestra_ajuda::finestra_ajuda(QWidget* pare)
    : QWidget(pare, Qt::Window), quant_a_(new QLabel), text_(new QTextBrowser) {
    setObjectName(QStringLiteral("ajuda"));
    quant_a_->setObjectName(QStringLiteral("quant_a"));
    quant_a_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setObjectName(QStringLiteral("guia"));
    // Links to the web would leave the classroom's offline machine stranded
    // in a browser; the guide's own sections open here.
    text_->setOpenExternalLinks(false);
    auto* botons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(botons, &QDialogButtonBox::rejected, this, &QWidget::close);
    auto* capsa = new QVBoxLayout(this);
    capsa->addWidget(quant_a_);
    capsa->addWidget(text_, 1);
    capsa->addWidget(botons);
    resize(760, 640);
}

void finestra_ajuda::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void finestra_ajuda::mostrar(const QString& fitxer, const QString& titol, const QString& quant_a) {
    setWindowTitle(titol);
    quant_a_->setText(quant_a);
    text_->setSearchPaths({QFileInfo(fitxer).absolutePath()});
    text_->setSource(QUrl::fromLocalFile(fitxer), QTextDocument::MarkdownResource);
}

} // namespace quorvel
