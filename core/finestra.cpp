#include "core/finestra.h"

#include "core/errors.h"
#include "core/text.h"

#include <algorithm>
#include <utility>

namespace quorvel {

namespace {

int clau_index(std::optional<int> index) {
    return index.value_or(-1);
}

std::string descriure(std::string_view nom, std::optional<int> index) {
    std::string text(nom);
    if (index) {
        text += "(" + std::to_string(*index) + ")";
    }
    return text;
}

} // namespace

bool finestra::menor_sense_majuscules::operator()(std::string_view a, std::string_view b) const {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = minuscula(static_cast<unsigned char>(a[i]));
        const unsigned char cb = minuscula(static_cast<unsigned char>(b[i]));
        if (ca != cb) {
            return ca < cb;
        }
    }
    return a.size() < b.size();
}

finestra::finestra(std::string nom) : nom_(std::move(nom)) {}

void finestra::posar_caption_finestra(std::string caption) {
    if (caption_ == caption) {
        return;
    }
    caption_ = std::move(caption);
    element e;
    e.caption = caption_;
    notificar(e, propietat::caption);
}

element& finestra::afegir(std::string_view nom, tipus_element tipus, std::optional<int> index) {
    auto& entrada = noms_[std::string(nom)];
    if (entrada.nom_original.empty()) {
        entrada.nom_original = std::string(nom);
        entrada.array = index.has_value();
    } else if (entrada.array != index.has_value()) {
        throw error_element("element " + std::string(nom) + " mixes array and single forms");
    }
    auto [it, nou] = entrada.elements.try_emplace(clau_index(index));
    if (!nou) {
        throw error_element("element " + descriure(nom, index) + " already exists");
    }
    element& e = it->second;
    e.nom = entrada.nom_original;
    e.index = index;
    e.tipus = tipus;
    notificar(e, propietat::creat);
    return e;
}

element& finestra::carregar(std::string_view nom, int index) {
    const auto it = noms_.find(nom);
    if (it == noms_.end() || !it->second.array) {
        throw error_element(std::string(nom) + " is not a control array");
    }
    auto& elements = it->second.elements;
    const auto plantilla = elements.find(0);
    if (plantilla == elements.end()) {
        throw error_element(std::string(nom) + " has no template element");
    }
    if (elements.contains(index)) {
        throw error_element("element " + descriure(nom, index) + " already loaded");
    }
    element copia = plantilla->second;
    copia.index = index;
    copia.visible = false;
    element& e = elements.emplace(index, std::move(copia)).first->second;
    notificar(e, propietat::creat);
    return e;
}

void finestra::descarregar(std::string_view nom, int index) {
    const auto it = noms_.find(nom);
    if (it == noms_.end() || !it->second.array || index == 0) {
        throw error_element("cannot unload " + descriure(nom, index));
    }
    auto& elements = it->second.elements;
    const auto e = elements.find(index);
    if (e == elements.end()) {
        throw error_element("element " + descriure(nom, index) + " is not loaded");
    }
    const element copia = e->second;
    elements.erase(e);
    notificar(copia, propietat::destruit);
}

void finestra::descarregar_tots(std::string_view nom) {
    for (const int i : indexos(nom)) {
        if (i != 0) {
            descarregar(nom, i);
        }
    }
}

element& finestra::trobar(std::string_view nom, std::optional<int> index) {
    return const_cast<element&>(std::as_const(*this).trobar(nom, index));
}

const element& finestra::trobar(std::string_view nom, std::optional<int> index) const {
    const auto it = noms_.find(nom);
    if (it == noms_.end() || it->second.array != index.has_value()) {
        throw error_element("no element " + descriure(nom, index) + " in " + nom_);
    }
    const auto e = it->second.elements.find(clau_index(index));
    if (e == it->second.elements.end()) {
        throw error_element("no element " + descriure(nom, index) + " in " + nom_);
    }
    return e->second;
}

const element& finestra::obtenir(std::string_view nom, std::optional<int> index) const {
    return trobar(nom, index);
}

bool finestra::existeix(std::string_view nom, std::optional<int> index) const {
    const auto it = noms_.find(nom);
    return it != noms_.end() && it->second.array == index.has_value() &&
           it->second.elements.contains(clau_index(index));
}

bool finestra::es_array(std::string_view nom) const {
    const auto it = noms_.find(nom);
    return it != noms_.end() && it->second.array;
}

std::vector<int> finestra::indexos(std::string_view nom) const {
    std::vector<int> resultat;
    const auto it = noms_.find(nom);
    if (it != noms_.end() && it->second.array) {
        for (const auto& [i, e] : it->second.elements) {
            resultat.push_back(i);
        }
    }
    return resultat;
}

int finestra::index_maxim(std::string_view nom) const {
    const auto it = noms_.find(nom);
    if (it == noms_.end() || !it->second.array || it->second.elements.empty()) {
        return -1;
    }
    return it->second.elements.rbegin()->first;
}

std::vector<const element*> finestra::tots() const {
    std::vector<const element*> resultat;
    for (const auto& [clau, entrada] : noms_) {
        for (const auto& [i, e] : entrada.elements) {
            resultat.push_back(&e);
        }
    }
    return resultat;
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

void finestra::en_canvi(std::string_view nom, gestor g) {
    en_canvi_[std::string(nom)] = std::move(g);
}
void finestra::en_clic(std::string_view nom, gestor g) {
    en_clic_[std::string(nom)] = std::move(g);
}
void finestra::en_perdua_focus(std::string_view nom, gestor g) {
    en_perdua_focus_[std::string(nom)] = std::move(g);
}
void finestra::en_temporitzador(std::string_view nom, gestor g) {
    en_temporitzador_[std::string(nom)] = std::move(g);
}

void finestra::cridar(const mapa_gestors& gestors, std::string_view nom, std::optional<int> index) {
    const auto it = gestors.find(nom);
    if (it != gestors.end() && it->second) {
        // A copy: the handler may replace itself while it runs.
        const gestor g = it->second;
        g(index);
    }
}

void finestra::clic(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_clic_, nom, index);
}

void finestra::perdua_focus(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_perdua_focus_, nom, index);
}

void finestra::disparar_temporitzador(std::string_view nom) {
    const element& e = trobar(nom, {});
    if (e.habilitat && e.interval > 0) {
        cridar(en_temporitzador_, nom, {});
    }
}

void finestra::editar(std::string_view nom, std::optional<int> index, std::string text) {
    posar_text(nom, index, std::move(text));
}

int finestra::observar(observador o) {
    const int id = seguent_observador_++;
    observadors_.emplace(id, std::move(o));
    return id;
}

void finestra::deixar_observar(int id) {
    observadors_.erase(id);
}

void finestra::notificar(const element& e, propietat p) {
    for (const auto& [id, o] : observadors_) {
        o(e, p);
    }
}

} // namespace quorvel
