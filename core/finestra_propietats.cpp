// Setting the window's and its elements' properties: each change that makes a
// difference is told to the observers, and a new text raises the change handler.
#include "core/finestra.h"

#include <utility>

namespace quorvel {

void finestra::posar_caption_finestra(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    element e;
    e.caption = caption_;
    notificar(e, propietat::caption);
}

void finestra::posar_imatge_fons(std::string cami) {
    if (imatge_fons_ == cami) {
        return;
    }
    imatge_fons_ = std::move(cami);
    element e;
    e.imatge = imatge_fons_;
    notificar(e, propietat::imatge);
}

void finestra::posar_visible_finestra(bool visible) {
    if (visible_ == visible) {
        return;
    }
    visible_ = visible;
    element e;
    e.visible = visible_;
    notificar(e, propietat::visible);
}

void finestra::posar_color_fons_finestra(std::optional<color> c) {
    if (color_fons_ == c) {
        return;
    }
    color_fons_ = c;
    element e;
    e.color_fons = c;
    notificar(e, propietat::color_fons);
}

void finestra::posar_text(std::string_view nom, std::optional<int> index, std::string text) {
    element& e = trobar(nom, index);
    if (e.text == text) {
        return;
    }
    e.text = std::move(text);
    notificar(e, propietat::text);
    cridar(en_canvi_, nom, index);
}

bool finestra::posar_text_si_existeix(std::string_view nom, std::optional<int> index,
                                      std::string_view text) {
    entrada_nom* const entrada = buscar_nom(nom);
    if (entrada == nullptr || entrada->array != index.has_value()) {
        return false;
    }
    element* const trobat = entrada->elements.buscar(index.value_or(-1));
    if (trobat == nullptr) {
        return false;
    }
    element& e = *trobat;
    if (e.text != text) {
        e.text.assign(text);
        notificar(e, propietat::text);
        cridar(en_canvi_, nom, index);
    }
    return true;
}

void finestra::posar_caption(std::string_view nom, std::optional<int> index, std::string caption) {
    element& e = trobar(nom, index);
    if (e.caption == caption) {
        return;
    }
    e.caption = std::move(caption);
    notificar(e, propietat::caption);
}

void finestra::posar_valor(std::string_view nom, std::optional<int> index, int valor) {
    element& e = trobar(nom, index);
    if (e.valor == valor) {
        return;
    }
    e.valor = valor;
    notificar(e, propietat::valor);
}

void finestra::posar_visible(std::string_view nom, std::optional<int> index, bool visible) {
    element& e = trobar(nom, index);
    if (e.visible == visible) {
        return;
    }
    e.visible = visible;
    notificar(e, propietat::visible);
}

void finestra::posar_habilitat(std::string_view nom, std::optional<int> index, bool habilitat) {
    element& e = trobar(nom, index);
    if (e.habilitat == habilitat) {
        return;
    }
    e.habilitat = habilitat;
    notificar(e, propietat::habilitat);
}

void finestra::posar_color_fons(std::string_view nom, std::optional<int> index,
                                std::optional<color> c) {
    element& e = trobar(nom, index);
    if (e.color_fons == c) {
        return;
    }
    e.color_fons = c;
    notificar(e, propietat::color_fons);
}

void finestra::posar_imatge(std::string_view nom, std::optional<int> index, std::string cami) {
    element& e = trobar(nom, index);
    if (e.imatge == cami) {
        return;
    }
    e.imatge = std::move(cami);
    notificar(e, propietat::imatge);
}

void finestra::posar_posicio(std::string_view nom, std::optional<int> index, long left, long top,
                             long width, long height) {
    element& e = trobar(nom, index);
    if (e.left == left && e.top == top && e.width == width && e.height == height) {
        return;
    }
    e.left = left;
    e.top = top;
    e.width = width;
    e.height = height;
    notificar(e, propietat::posicio);
}

void finestra::posar_interval(std::string_view nom, std::optional<int> index, int interval) {
    element& e = trobar(nom, index);
    if (e.interval == interval) {
        return;
    }
    e.interval = interval;
    notificar(e, propietat::interval);
}

void finestra::posar_lletra(std::string_view nom, std::optional<int> index, std::string familia,
                            int mida, bool negreta) {
    element& e = trobar(nom, index);
    e.lletra = std::move(familia);
    e.mida_lletra = mida;
    e.negreta = negreta;
    notificar(e, propietat::lletra);
}

} // namespace quorvel
