// The stage's animated pictures: those on show play, the others stop.
#include "platform/qt/vista_escenari.h"

#include <set>

namespace quorvel {

void vista_escenari::programar_animacions() {
    if (animacions_programades_) {
        return;
    }
    animacions_programades_ = true;
    QTimer::singleShot(0, this, [this] { revisar_animacions(); });
}

void vista_escenari::revisar_animacions() {
    animacions_programades_ = false;
    if (!lligada_) {
        animacions_.clear();
        return;
    }
    std::set<std::string> en_us;
    const auto considerar = [&](const std::string& cami) {
        if (!cami.empty() && !imatges_.original(cami).animacio.isEmpty()) {
            en_us.insert(cami);
        }
    };
    if (f_.visible()) {
        considerar(f_.imatge_fons());
        for (const element* e : f_.tots()) {
            if (e->tipus == tipus_element::imatge && e->visible) {
                considerar(e->imatge);
            }
        }
    }
    std::erase_if(animacions_, [&](const auto& a) { return !en_us.contains(a.first); });
    for (const std::string& cami : en_us) {
        if (animacions_.contains(cami)) {
            continue;
        }
        auto nova = std::make_unique<animacio_imatge>(imatges_.original(cami).animacio);
        connect(&nova->moviment, &QMovie::frameChanged, this, [this, cami] { frame_nou(cami); });
        nova->moviment.start();
        animacions_.emplace(cami, std::move(nova));
    }
}

void vista_escenari::frame_nou(const std::string& cami) {
    if (!lligada_) {
        return;
    }
    if (f_.imatge_fons() == cami) {
        update();
        return;
    }
    for (const element* e : f_.tots()) {
        if (e->tipus == tipus_element::imatge && e->imatge == cami) {
            const QRect z = zona(*e);
            if (!z.isEmpty()) {
                update(z);
            }
        }
    }
}

} // namespace quorvel
