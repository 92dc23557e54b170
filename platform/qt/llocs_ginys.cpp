#include "platform/qt/llocs_ginys.h"

#include "platform/qt/vista_escenari.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QToolBar>
#include <QWidget>

#include <utility>
#include <vector>

namespace quorvel {

namespace {

// The places are read a few times a second: fast enough for a script that
// waits on them, too rare to cost the stage a frame.
constexpr int interval_ms = 150;

void afegir(QByteArray& sortida, const QString& nom, const QRect& r) {
    sortida += nom.toUtf8() + ' ' + QByteArray::number(r.x()) + ' ' + QByteArray::number(r.y()) +
               ' ' + QByteArray::number(r.width()) + ' ' + QByteArray::number(r.height()) + '\n';
}

void recorrer(QByteArray& sortida, const QWidget& w) {
    if (!w.isVisible()) {
        return;
    }
    if (!w.objectName().isEmpty()) {
        afegir(sortida, w.objectName(), QRect(w.mapToGlobal(QPoint(0, 0)), w.size()));
    }
    // Menu entries by their action's name: the bar's titles, the items of a
    // menu while it is open, and a tool bar's buttons.
    const auto* barra = qobject_cast<const QMenuBar*>(&w);
    const auto* menu = qobject_cast<const QMenu*>(&w);
    const auto* eines = qobject_cast<const QToolBar*>(&w);
    for (QAction* a : w.actions()) {
        if (a->objectName().isEmpty() || !a->isVisible() || a->isSeparator()) {
            continue;
        }
        const QRect r = barra != nullptr  ? barra->actionGeometry(a)
                        : menu != nullptr ? menu->actionGeometry(a)
                        : eines != nullptr && eines->widgetForAction(a) != nullptr &&
                                eines->widgetForAction(a)->isVisible()
                            ? eines->widgetForAction(a)->geometry()
                            : QRect();
        if (!r.isEmpty()) {
            afegir(sortida, a->objectName(), QRect(w.mapToGlobal(r.topLeft()), r.size()));
        }
    }
    if (const auto* escenari = qobject_cast<const vista_escenari*>(&w)) {
        for (const auto& [index, r] : escenari->llocs_imatges()) {
            afegir(sortida, QStringLiteral("escenari(%1)").arg(index),
                   QRect(w.mapToGlobal(r.topLeft()), r.size()));
        }
        // Each scanning player's highlight, one line per framed cell (a row
        // gives all of its cells): over the cell's picture, or over the
        // whole stage where the band shows the number.
        for (const auto& [jugador, r] : escenari->ressalts()) {
            std::vector<int> caselles = r.fila;
            caselles.push_back(r.casella);
            for (const int k : caselles) {
                QRect lloc = w.rect();
                for (const auto& [index, rect] : escenari->llocs_imatges()) {
                    if (index == k && r.imatge) {
                        lloc = rect;
                    }
                }
                afegir(sortida, QStringLiteral("escombrat(%1,%2)").arg(jugador).arg(k),
                       QRect(w.mapToGlobal(lloc.topLeft()), lloc.size()));
            }
        }
    }
    for (const QObject* fill : w.children()) {
        if (const auto* g = qobject_cast<const QWidget*>(fill); g && !g->isWindow()) {
            recorrer(sortida, *g);
        }
    }
}

} // namespace

std::unique_ptr<llocs_ginys> llocs_ginys::si_es_demana() {
    const QString fitxer = qEnvironmentVariable("QUORVEL_LLOCS");
    if (fitxer.isEmpty()) {
        return nullptr;
    }
    return std::make_unique<llocs_ginys>(fitxer);
}

llocs_ginys::llocs_ginys(QString fitxer) : fitxer_(std::move(fitxer)) {
    temporitzador_.setInterval(interval_ms);
    connect(&temporitzador_, &QTimer::timeout, this, [this] { escriure(); });
    temporitzador_.start();
}

QByteArray llocs_ginys::llocs() {
    QByteArray sortida;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        recorrer(sortida, *w);
    }
    return sortida;
}

// Written whole and only when something moved, so a reader never sees half
// a list.
void llocs_ginys::escriure() {
    QByteArray ara = llocs();
    if (ara == escrit_) {
        return;
    }
    QSaveFile fitxer(fitxer_);
    if (fitxer.open(QIODevice::WriteOnly) && fitxer.write(ara) == ara.size() && fitxer.commit()) {
        escrit_ = std::move(ara);
    }
}

} // namespace quorvel
