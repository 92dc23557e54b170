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

// Larger indices are refused rather than grown into.
constexpr int index_maxim_permes = 1 << 20;

element* finestra::elements_indexats::buscar(int index) {
    return const_cast<element*>(std::as_const(*this).buscar(index));
}

const element* finestra::elements_indexats::buscar(int index) const {
    const long long slot = static_cast<long long>(index) + 1;
    if (slot < 0 || slot >= static_cast<long long>(slots_.size())) {
        return nullptr;
    }
    return slots_[static_cast<std::size_t>(slot)].get();
}

element& finestra::elements_indexats::inserir(int index, element e) {
    if (index < -1 || index > index_maxim_permes) {
        throw error_element("element index " + std::to_string(index) + " out of range");
    }
    const auto slot = static_cast<std::size_t>(index + 1);
    if (slot >= slots_.size()) {
        slots_.resize(slot + 1);
    }
    slots_[slot] = std::make_unique<element>(std::move(e));
    return *slots_[slot];
}

void finestra::elements_indexats::esborrar(int index) {
    const long long slot = static_cast<long long>(index) + 1;
    if (slot >= 0 && slot < static_cast<long long>(slots_.size())) {
        slots_[static_cast<std::size_t>(slot)].reset();
    }
    while (!slots_.empty() && !slots_.back()) {
        slots_.pop_back();
    }
}

int finestra::elements_indexats::maxim() const {
    return static_cast<int>(slots_.size()) - 2;
}

finestra::finestra(std::string nom) : nom_(std::move(nom)) {}

const finestra::entrada_nom* finestra::buscar_nom(std::string_view nom) const {
    // Names are never removed and map nodes do not move, so the last entry
    // found stays valid; the polling tick asks for the same array many times.
    if (ultima_entrada_ != nullptr && nom == ultim_nom_) {
        return ultima_entrada_;
    }
    const auto it = noms_.find(nom);
    if (it == noms_.end()) {
        return nullptr;
    }
    ultim_nom_.assign(nom);
    ultima_entrada_ = &it->second;
    return ultima_entrada_;
}

finestra::entrada_nom* finestra::buscar_nom(std::string_view nom) {
    return const_cast<entrada_nom*>(std::as_const(*this).buscar_nom(nom));
}

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

element& finestra::afegir(std::string_view nom, tipus_element tipus, std::optional<int> index) {
    auto& entrada = noms_[std::string(nom)];
    if (entrada.nom_original.empty()) {
        entrada.nom_original = std::string(nom);
        entrada.array = index.has_value();
    } else if (entrada.array != index.has_value()) {
        throw error_element("element " + std::string(nom) + " mixes array and single forms");
    }
    if (entrada.elements.buscar(clau_index(index)) != nullptr) {
        throw error_element("element " + descriure(nom, index) + " already exists");
    }
    element nou;
    nou.nom = entrada.nom_original;
    nou.index = index;
    nou.tipus = tipus;
    element& e = entrada.elements.inserir(clau_index(index), std::move(nou));
    notificar(e, propietat::creat);
    return e;
}

element& finestra::carregar(std::string_view nom, int index) {
    entrada_nom* const it = buscar_nom(nom);
    if (it == nullptr || !it->array) {
        throw error_element(std::string(nom) + " is not a control array");
    }
    auto& elements = it->elements;
    const element* const plantilla = elements.buscar(0);
    if (plantilla == nullptr) {
        throw error_element(std::string(nom) + " has no template element");
    }
    if (index < 0 || elements.buscar(index) != nullptr) {
        throw error_element("element " + descriure(nom, index) + " cannot be loaded");
    }
    element copia = *plantilla;
    copia.index = index;
    copia.visible = false;
    element& e = elements.inserir(index, std::move(copia));
    notificar(e, propietat::creat);
    return e;
}

void finestra::descarregar(std::string_view nom, int index) {
    entrada_nom* const it = buscar_nom(nom);
    if (it == nullptr || !it->array || index == 0) {
        throw error_element("cannot unload " + descriure(nom, index));
    }
    auto& elements = it->elements;
    const element* const e = elements.buscar(index);
    if (e == nullptr) {
        throw error_element("element " + descriure(nom, index) + " is not loaded");
    }
    const element copia = *e;
    elements.esborrar(index);
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
    const entrada_nom* const it = buscar_nom(nom);
    if (it == nullptr || it->array != index.has_value()) {
        throw error_element("no element " + descriure(nom, index) + " in " + nom_);
    }
    const element* const e = it->elements.buscar(clau_index(index));
    if (e == nullptr) {
        throw error_element("no element " + descriure(nom, index) + " in " + nom_);
    }
    return *e;
}

const element& finestra::obtenir(std::string_view nom, std::optional<int> index) const {
    return trobar(nom, index);
}

bool finestra::existeix(std::string_view nom, std::optional<int> index) const {
    const entrada_nom* const it = buscar_nom(nom);
    return it != nullptr && it->array == index.has_value() &&
           it->elements.buscar(clau_index(index)) != nullptr;
}

bool finestra::es_array(std::string_view nom) const {
    const entrada_nom* const it = buscar_nom(nom);
    return it != nullptr && it->array;
}

std::vector<int> finestra::indexos(std::string_view nom) const {
    std::vector<int> resultat;
    const entrada_nom* const it = buscar_nom(nom);
    if (it != nullptr && it->array) {
        it->elements.per_cada([&](const element& e) { resultat.push_back(e.index.value_or(-1)); });
    }
    return resultat;
}

int finestra::index_maxim(std::string_view nom) const {
    const entrada_nom* const it = buscar_nom(nom);
    if (it == nullptr || !it->array || it->elements.maxim() < 0) {
        return -1;
    }
    return it->elements.maxim();
}

std::vector<const element*> finestra::tots() const {
    std::vector<const element*> resultat;
    for (const auto& [clau, entrada] : noms_) {
        entrada.elements.per_cada([&](const element& e) { resultat.push_back(&e); });
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

bool finestra::posar_text_si_existeix(std::string_view nom, std::optional<int> index,
                                      std::string_view text) {
    entrada_nom* const entrada = buscar_nom(nom);
    if (entrada == nullptr || entrada->array != index.has_value()) {
        return false;
    }
    element* const trobat = entrada->elements.buscar(clau_index(index));
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

void finestra::posar_color_marc(std::string_view nom, std::optional<int> index,
                                std::optional<color> c) {
    element& e = trobar(nom, index);
    if (e.color_marc == c) {
        return;
    }
    e.color_marc = c;
    notificar(e, propietat::marc);
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
void finestra::en_ratoli_avall(std::string_view nom, gestor g) {
    en_ratoli_avall_[std::string(nom)] = std::move(g);
}
void finestra::en_ratoli_amunt(std::string_view nom, gestor g) {
    en_ratoli_amunt_[std::string(nom)] = std::move(g);
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

void finestra::ratoli_avall(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_ratoli_avall_, nom, index);
}

void finestra::ratoli_amunt(std::string_view nom, std::optional<int> index) {
    trobar(nom, index);
    cridar(en_ratoli_amunt_, nom, index);
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
