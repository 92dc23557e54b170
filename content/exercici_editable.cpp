#include "content/exercici_editable.h"

#include "content/tipus_exercici.h"
#include "core/nombres.h"
#include "core/text.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace quorvel {

namespace {

constexpr std::size_t cap = static_cast<std::size_t>(-1);

enum class cos { sense, llista, items };

cos cos_de(const tipus_exercici& t) {
    switch (t.familia) {
    case familia_exercici::escoltar_tauler:
    case familia_exercici::midi:
    case familia_exercici::escoltar_i_trobar:
        return cos::llista;
    case familia_exercici::recorregut:
    case familia_exercici::parelles:
    case familia_exercici::camins_fletxes:
    case familia_exercici::caselles_marcades:
    case familia_exercici::comptar:
    case familia_exercici::comptar_fins:
        return cos::items;
    case familia_exercici::cursa:
        return t.numero <= 31 ? cos::items : cos::sense;
    case familia_exercici::cap:
    case familia_exercici::desconegut:
        break;
    }
    return cos::sense;
}

bool amb_regles_tipus(int t) {
    return t == 8 || t == 17;
}

bool amb_notes(int t) {
    return t == 5 || t == 12;
}

std::size_t finals_de(const tipus_exercici& t) {
    if (cos_de(t) == cos::items) {
        return t.numero == 51 ? 5 : 0;
    }
    if (cos_de(t) == cos::llista) {
        return (amb_notes(t.numero) ? 2 : 0) +
               (t.familia == familia_exercici::escoltar_i_trobar ? 4 : 0);
    }
    return 0;
}

// The position of a record among those after the body, or cap when the type
// has no such record.
std::size_t posicio_final(camp_final c, const tipus_exercici& t) {
    const auto k = static_cast<std::size_t>(c);
    if (c == camp_final::instrument || c == camp_final::canal) {
        return amb_notes(t.numero) ? k : cap;
    }
    if (k <= static_cast<std::size_t>(camp_final::media_4)) {
        return t.familia == familia_exercici::escoltar_i_trobar ? k - (amb_notes(t.numero) ? 0 : 2)
                                                                : cap;
    }
    return t.numero == 51 ? k - static_cast<std::size_t>(camp_final::pista_a_prop) : cap;
}

std::size_t llegir_compte(std::string_view text) {
    const std::string_view net = retallar_espais(text);
    std::size_t n = 0;
    const auto [p, ec] = std::from_chars(net.data(), net.data() + net.size(), n);
    return ec == std::errc() ? n : 0;
}

// The position of a field within an item, or cap when the type has no such field.
std::size_t posicio_camp(camp_item c, bool regles) {
    const auto k = static_cast<std::size_t>(c);
    if (c == camp_item::consigna || c == camp_item::correctes) {
        return k;
    }
    if (regles) {
        return c == camp_item::sequencia ? cap : k - 1;
    }
    if (c == camp_item::regla_columnes || c == camp_item::regla_files) {
        return cap;
    }
    return c == camp_item::sequencia ? k : k - 2;
}

struct etiquetes {
    std::string_view titol, autor, tipus, items, entrades, consigna, nombre, entrada, instrument,
        canal, pista;
    std::array<std::string_view, 11> item;
};

const etiquetes& etiquetes_de(llengua_etiquetes l) {
    static const etiquetes catala{"Exercici",
                                  "Autor",
                                  "Tipus",
                                  "Elements",
                                  "Entrades",
                                  "Consigna",
                                  "Consigna (nombre)",
                                  "Casella",
                                  "Instrument",
                                  "Canal",
                                  "Pista",
                                  {"Consigna", "Correctes", "Seq\xFC\xE8ncia", "Columnes", "Files",
                                   "Especials", "So 1", "So 2", "So 3", "So 4", "Escenari"}};
    static const etiquetes castella{"Ejercicio",
                                    "Autor",
                                    "Tipo",
                                    "Elementos",
                                    "Entradas",
                                    "Consigna",
                                    "Consigna (n\xFAmero)",
                                    "Casilla",
                                    "Instrumento",
                                    "Canal",
                                    "Pista",
                                    {"Consigna", "Correctas", "Secuencia", "Columnas", "Filas",
                                     "Especiales", "Sonido 1", "Sonido 2", "Sonido 3", "Sonido 4",
                                     "Escenario"}};
    return l == llengua_etiquetes::castella ? castella : catala;
}

std::string net_de_linies(std::string valor) {
    std::replace_if(
        valor.begin(), valor.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return valor;
}

registre_document registre(std::string_view etiqueta, std::string_view valor) {
    return {{}, registre_compondre(etiqueta, valor)};
}

} // namespace

document_exercici document_nou(int tipus, llengua_etiquetes llengua) {
    const etiquetes& e = etiquetes_de(llengua);
    const tipus_exercici t = tipus_de_text(text_decimal(tipus));
    document_exercici d;
    d.registres = {registre(e.titol, ""), registre(e.autor, ""),
                   registre(e.tipus, text_decimal(tipus))};
    switch (cos_de(t)) {
    case cos::sense:
        return d;
    case cos::llista:
        d.registres.push_back(registre(e.entrades, "0"));
        d.registres.push_back(registre(e.nombre, "0"));
        if (amb_notes(tipus)) {
            d.registres.push_back(registre(e.instrument, "0"));
            d.registres.push_back(registre(e.canal, "0"));
        }
        if (t.familia == familia_exercici::escoltar_i_trobar) {
            for (std::size_t k = 0; k < 4; ++k) {
                d.registres.push_back(
                    registre(e.item[static_cast<std::size_t>(camp_item::media_1) + k], ""));
            }
        }
        return d;
    case cos::items:
        d.registres.push_back(registre(e.items, "0"));
        d.registres.push_back(registre(e.consigna, ""));
        for (std::size_t k = 0; k < finals_de(t); ++k) {
            d.registres.push_back(registre(e.pista, ""));
        }
        return d;
    }
    return d;
}

exercici_editable::exercici_editable(int tipus, llengua_etiquetes llengua)
    : exercici_editable(document_nou(tipus, llengua), llengua) {}

exercici_editable::exercici_editable(document_exercici d, llengua_etiquetes llengua)
    : historia_{std::move(d)}, llengua_(llengua) {}

std::string exercici_editable::valor(std::size_t registre) const {
    const auto& r = document().registres;
    return registre < r.size() ? std::string(retallar_espais(valor_de(r[registre].text)))
                               : std::string();
}

std::string exercici_editable::text_tipus() const {
    return valor(2);
}

int exercici_editable::tipus() const {
    return tipus_de_text(text_tipus()).numero;
}

bool exercici_editable::es_llista() const {
    return cos_de(tipus_de_text(text_tipus())) == cos::llista;
}

bool exercici_editable::amb_regles() const {
    return amb_regles_tipus(tipus());
}

std::size_t exercici_editable::per_item() const {
    return es_llista() ? 1 : amb_regles() ? 10 : 9;
}

std::size_t exercici_editable::finals() const {
    return finals_de(tipus_de_text(text_tipus()));
}

std::size_t exercici_editable::n_items() const {
    if (cos_de(tipus_de_text(text_tipus())) == cos::sense) {
        return 0;
    }
    const std::size_t total = document().registres.size();
    const std::size_t disponibles =
        total > inici_cos() + finals() ? (total - inici_cos() - finals()) / per_item() : 0;
    return std::min(llegir_compte(valor(3)), disponibles);
}

std::size_t exercici_editable::registre_general(camp_general c) const {
    switch (c) {
    case camp_general::titol:
        return 0;
    case camp_general::autor:
        return 1;
    case camp_general::consigna:
        return 4;
    }
    return 0;
}

std::string exercici_editable::general(camp_general c) const {
    return valor(registre_general(c));
}

std::size_t exercici_editable::registre_item(std::size_t i, camp_item c) const {
    const std::size_t p = posicio_camp(c, amb_regles());
    return p == cap || es_llista() ? cap : inici_cos() + i * per_item() + p;
}

std::size_t exercici_editable::registre_entrada(std::size_t i) const {
    return inici_cos() + i;
}

std::string exercici_editable::item(std::size_t i, camp_item c) const {
    const std::size_t r = registre_item(i, c);
    if (r == cap) {
        return {};
    }
    const std::string v = valor(r);
    if (c == camp_item::regla_columnes || c == camp_item::regla_files) {
        // The formula is the text between the record's double quotes.
        const auto obre = v.find('"');
        const auto tanca = obre == std::string::npos ? obre : v.find('"', obre + 1);
        return obre == std::string::npos ? v : v.substr(obre + 1, tanca - obre - 1);
    }
    return v;
}

std::string exercici_editable::entrada(std::size_t i) const {
    return valor(registre_entrada(i));
}

bool exercici_editable::te_final(camp_final c) const {
    return posicio_final(c, tipus_de_text(text_tipus())) != cap;
}

std::size_t exercici_editable::registre_final(camp_final c) const {
    const std::size_t p = posicio_final(c, tipus_de_text(text_tipus()));
    return p == cap ? cap : inici_cos() + n_items() * per_item() + p;
}

std::string exercici_editable::valor_final(camp_final c) const {
    const std::size_t r = registre_final(c);
    return r == cap ? std::string() : valor(r);
}

std::string exercici_editable::etiqueta_final(std::size_t posicio) const {
    const etiquetes& e = etiquetes_de(llengua_);
    if (tipus() == 51) {
        return std::string(e.pista);
    }
    if (amb_notes(tipus()) && posicio < 2) {
        return std::string(posicio == 0 ? e.instrument : e.canal);
    }
    const std::size_t m = posicio - (amb_notes(tipus()) ? 2 : 0);
    return std::string(e.item[static_cast<std::size_t>(camp_item::media_1) + m]);
}

bool exercici_editable::posar_final(camp_final c, std::string valor) {
    const std::size_t r = registre_final(c);
    if (r == cap) {
        return false;
    }
    valor = net_de_linies(std::move(valor));
    document_exercici d = document();
    const std::size_t primer = inici_cos() + n_items() * per_item();
    while (d.registres.size() < r) {
        const std::size_t p = d.registres.size();
        d.registres.push_back(p < primer ? registre_document{}
                                         : registre(etiqueta_final(p - primer), ""));
    }
    if (d.registres.size() == r) {
        d.registres.push_back(registre(etiqueta_final(r - primer), ""));
    }
    posar_valor(d, r, valor);
    if (!registre_representable(d.registres[r].text)) {
        return false;
    }
    if (r >= document().registres.size() || d.registres[r].text != document().registres[r].text) {
        canviar(std::move(d));
    }
    return true;
}

std::string exercici_editable::etiqueta_item(camp_item c) const {
    return std::string(etiquetes_de(llengua_).item[static_cast<std::size_t>(c)]);
}

void exercici_editable::posar_valor(document_exercici& d, std::size_t registre,
                                    std::string_view valor) const {
    if (d.registres.size() <= registre) {
        d.registres.resize(registre + 1);
    }
    std::string& text = d.registres[registre].text;
    const std::string etiqueta(text.find('\t') == std::string::npos ? std::string_view()
                                                                    : etiqueta_de(text));
    text = registre_compondre(etiqueta, valor);
}

void exercici_editable::canviar(document_exercici d) {
    historia_.resize(posicio_ + 1);
    if (desat_ > posicio_) {
        // The saved state can no longer be reached by redo.
        desat_ = cap;
    }
    historia_.push_back(std::move(d));
    ++posicio_;
}

void exercici_editable::posar_compte(document_exercici& d, std::size_t n) const {
    posar_valor(d, 3, text_decimal(static_cast<long long>(n)));
}

bool exercici_editable::posar_general(camp_general c, std::string valor) {
    valor = net_de_linies(std::move(valor));
    const std::size_t r = registre_general(c);
    document_exercici d = document();
    posar_valor(d, r, valor);
    if (!registre_representable(d.registres[r].text)) {
        return false;
    }
    if (d.registres[r].text != document().registres[r].text) {
        canviar(std::move(d));
    }
    return true;
}

bool exercici_editable::posar_item(std::size_t i, camp_item c, std::string valor) {
    const std::size_t r = registre_item(i, c);
    if (r == cap || i >= n_items()) {
        return false;
    }
    valor = net_de_linies(std::move(valor));
    if (c == camp_item::regla_columnes || c == camp_item::regla_files) {
        if (valor.find('"') != std::string::npos) {
            return false;
        }
        valor = "\"" + valor + "\"";
    }
    document_exercici d = document();
    posar_valor(d, r, valor);
    if (!registre_representable(d.registres[r].text)) {
        return false;
    }
    if (d.registres[r].text != document().registres[r].text) {
        canviar(std::move(d));
    }
    return true;
}

bool exercici_editable::posar_a_tots(camp_item c, std::string valor) {
    valor = net_de_linies(std::move(valor));
    document_exercici d = document();
    for (std::size_t i = 0; i < n_items(); ++i) {
        const std::size_t r = registre_item(i, c);
        if (r == cap) {
            return false;
        }
        posar_valor(d, r, valor);
        if (!registre_representable(d.registres[r].text)) {
            return false;
        }
    }
    canviar(std::move(d));
    return true;
}

bool exercici_editable::posar_entrada(std::size_t i, std::string valor) {
    if (!es_llista() || i >= n_items()) {
        return false;
    }
    valor = net_de_linies(std::move(valor));
    document_exercici d = document();
    posar_valor(d, registre_entrada(i), valor);
    if (!registre_representable(d.registres[registre_entrada(i)].text)) {
        return false;
    }
    canviar(std::move(d));
    return true;
}

std::vector<registre_document> exercici_editable::item_buit() const {
    if (es_llista()) {
        return {registre(etiquetes_de(llengua_).entrada, "")};
    }
    std::vector<registre_document> item;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(camp_item::escenari); ++k) {
        const auto c = static_cast<camp_item>(k);
        if (posicio_camp(c, amb_regles()) != cap) {
            const bool regla = c == camp_item::regla_columnes || c == camp_item::regla_files;
            item.push_back(registre(etiqueta_item(c), regla ? "\"\"" : ""));
        }
    }
    return item;
}

void exercici_editable::afegir_item() {
    if (cos_de(tipus_de_text(text_tipus())) == cos::sense) {
        return;
    }
    const std::size_t n = n_items();
    document_exercici d = document();
    if (d.registres.size() < inici_cos()) {
        d.registres.resize(inici_cos());
    }
    const std::size_t lloc = std::min(inici_cos() + n * per_item(), d.registres.size());
    const auto nou = item_buit();
    d.registres.insert(d.registres.begin() + static_cast<std::ptrdiff_t>(lloc), nou.begin(),
                       nou.end());
    posar_compte(d, n + 1);
    canviar(std::move(d));
}

void exercici_editable::eliminar_item(std::size_t i) {
    const std::size_t n = n_items();
    if (i >= n) {
        return;
    }
    document_exercici d = document();
    const auto inici =
        d.registres.begin() + static_cast<std::ptrdiff_t>(inici_cos() + i * per_item());
    d.registres.erase(inici, inici + static_cast<std::ptrdiff_t>(per_item()));
    posar_compte(d, n - 1);
    canviar(std::move(d));
}

void exercici_editable::duplicar_item(std::size_t i) {
    const std::size_t n = n_items();
    if (i >= n) {
        return;
    }
    document_exercici d = document();
    const auto inici =
        d.registres.begin() + static_cast<std::ptrdiff_t>(inici_cos() + i * per_item());
    std::vector<registre_document> copia(inici, inici + static_cast<std::ptrdiff_t>(per_item()));
    const auto despres =
        d.registres.begin() + static_cast<std::ptrdiff_t>(inici_cos() + (i + 1) * per_item());
    d.registres.insert(despres, copia.begin(), copia.end());
    posar_compte(d, n + 1);
    canviar(std::move(d));
}

void exercici_editable::moure_item(std::size_t i, std::size_t j) {
    const std::size_t n = n_items();
    if (i >= n || j >= n || i == j) {
        return;
    }
    document_exercici d = document();
    const auto p = static_cast<std::ptrdiff_t>(per_item());
    const auto base = d.registres.begin() + static_cast<std::ptrdiff_t>(inici_cos());
    const auto a = static_cast<std::ptrdiff_t>(i);
    const auto b = static_cast<std::ptrdiff_t>(j);
    if (i < j) {
        std::rotate(base + a * p, base + (a + 1) * p, base + (b + 1) * p);
    } else {
        std::rotate(base + b * p, base + a * p, base + (a + 1) * p);
    }
    canviar(std::move(d));
}

bool exercici_editable::posar_tipus(int nou) {
    const tipus_exercici abans = tipus_de_text(text_tipus());
    const tipus_exercici despres = tipus_de_text(text_decimal(nou));
    if (abans.numero == nou) {
        return true;
    }
    const bool mateixa_forma = cos_de(abans) == cos_de(despres) &&
                               finals_de(abans) == finals_de(despres) &&
                               amb_regles_tipus(abans.numero) == amb_regles_tipus(nou);
    document_exercici d = document();
    if (mateixa_forma && d.registres.size() > 2) {
        posar_valor(d, 2, text_decimal(nou));
        canviar(std::move(d));
        return true;
    }
    // Another body: the general fields and the items' shared fields carry over.
    exercici_editable nou_exercici(nou, llengua_);
    for (const auto c : {camp_general::titol, camp_general::autor, camp_general::consigna}) {
        if (c != camp_general::consigna || (cos_de(abans) == cos_de(despres))) {
            nou_exercici.posar_general(c, general(c));
        }
    }
    if (cos_de(abans) == cos_de(despres) && cos_de(despres) != cos::sense) {
        for (std::size_t i = 0; i < n_items(); ++i) {
            nou_exercici.afegir_item();
            if (es_llista()) {
                nou_exercici.posar_entrada(i, entrada(i));
                continue;
            }
            for (std::size_t k = 0; k <= static_cast<std::size_t>(camp_item::escenari); ++k) {
                const auto c = static_cast<camp_item>(k);
                if (registre_item(i, c) != cap) {
                    nou_exercici.posar_item(i, c, item(i, c));
                }
            }
        }
    }
    for (std::size_t k = 0; k <= static_cast<std::size_t>(camp_final::pista_esquerra); ++k) {
        const auto c = static_cast<camp_final>(k);
        if (te_final(c) && nou_exercici.te_final(c)) {
            nou_exercici.posar_final(c, valor_final(c));
        }
    }
    document_exercici resultat = nou_exercici.document();
    resultat.utf8 = d.utf8;
    resultat.bom = d.bom;
    resultat.final_linia = d.final_linia;
    if (!d.registres.empty() && !resultat.registres.empty()) {
        resultat.registres[0].comentaris = d.registres[0].comentaris;
    }
    canviar(std::move(resultat));
    return true;
}

void exercici_editable::desfer() {
    if (pot_desfer()) {
        --posicio_;
    }
}

void exercici_editable::refer() {
    if (pot_refer()) {
        ++posicio_;
    }
}

} // namespace quorvel
