// The window's elements: added, loaded and unloaded in control arrays, and
// found by name (case-insensitive) and index.
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

} // namespace quorvel
