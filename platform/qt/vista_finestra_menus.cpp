// The window model's menus as the menu bar: in the order the view is given,
// rebuilt when menus come or go, each choice the model's click.
#include "platform/qt/vista_finestra.h"

#include "core/text.h"
#include "platform/qt/conversions_qt.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace quorvel {

void vista_finestra::reconstruir_menus() {
    // The old entries may belong to the menu whose choice is running now.
    for (QObject* o : menus_creats_) {
        if (auto* m = qobject_cast<QMenu*>(o)) {
            menuBar()->removeAction(m->menuAction());
        } else if (auto* a = qobject_cast<QAction*>(o)) {
            menuBar()->removeAction(a);
        }
        o->deleteLater();
    }
    menus_creats_.clear();
    accions_.clear();

    std::vector<const element*> ordenats;
    std::set<const element*> posats;
    const std::vector<const element*> tots = f_.tots();
    for (const std::string& nom : opcions_.ordre_menus) {
        for (const element* e : tots) {
            if (e->tipus == tipus_element::menu && iguals_sense_majuscules(e->nom, nom) &&
                posats.insert(e).second) {
                ordenats.push_back(e);
            }
        }
    }
    for (const element* e : tots) {
        if (e->tipus == tipus_element::menu && posats.insert(e).second) {
            ordenats.push_back(e);
        }
    }

    std::map<std::string, std::vector<const element*>> fills; // by lower-case parent name
    for (const element* e : ordenats) {
        fills[minuscules(e->pare)].push_back(e);
    }
    for (const element* e : fills[""]) {
        afegir_menu(nullptr, *e, fills);
    }
}

void vista_finestra::afegir_menu(QWidget* contenidor, const element& e,
                                 const std::map<std::string, std::vector<const element*>>& fills) {
    const std::string nom = e.nom;
    const std::optional<int> index = e.index;
    // Only the first element of a name can hold items.
    const auto propis = fills.find(minuscules(e.nom));
    const bool amb_fills =
        propis != fills.end() && !propis->second.empty() && index.value_or(0) == 0;
    QAction* a = nullptr;
    if (amb_fills) {
        auto* submenu = new QMenu(contenidor != nullptr ? contenidor : this);
        if (contenidor == nullptr) {
            menuBar()->addMenu(submenu);
            menus_creats_.push_back(submenu);
        } else {
            static_cast<QMenu*>(contenidor)->addMenu(submenu);
        }
        // Opening a menu is its click.
        connect(submenu, &QMenu::aboutToShow, this,
                [this, nom, index] { enviar([&] { f_.clic(nom, index); }); });
        for (const element* fill : propis->second) {
            afegir_menu(submenu, *fill, fills);
        }
        a = submenu->menuAction();
    } else {
        a = new QAction(contenidor != nullptr ? static_cast<QObject*>(contenidor) : this);
        if (contenidor == nullptr) {
            menuBar()->addAction(a);
            menus_creats_.push_back(a);
        } else {
            contenidor->addAction(a);
        }
        connect(a, &QAction::triggered, this, [this, a, nom, index] {
            enviar([&] { f_.clic(nom, index); });
            // The check mark is the model's, whatever the click did to it.
            if (f_.existeix(nom, index) && accions_.contains(clau_de(nom, index))) {
                aplicar_menu(a, f_.obtenir(nom, index));
            }
        });
    }
    // Scripts that drive the program find an entry by this name.
    a->setObjectName(index ? QStringLiteral("%1(%2)").arg(qtext(nom)).arg(*index) : qtext(nom));
    accions_[clau_de(nom, index)] = a;
    aplicar_menu(a, e);
}

void vista_finestra::aplicar_menu(QAction* a, const element& e) {
    a->setSeparator(e.caption == "-");
    a->setText(qtext(e.caption));
    a->setVisible(e.visible);
    a->setEnabled(e.habilitat);
    if (a->menu() == nullptr) {
        a->setCheckable(e.valor != 0);
        a->setChecked(e.valor != 0);
    }
}

} // namespace quorvel
