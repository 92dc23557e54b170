// The window model: a window is a set of named elements, each optionally
// indexed (control arrays grown from template element 0), with the properties
// the program reads and writes. The logic works only on this model; the views
// under platform/ render it and send user actions back as model events.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

enum class tipus_element {
    etiqueta,      // label
    quadre_text,   // text box
    casella_marca, // check box
    boto,          // push button
    menu,          // menu or menu item
    temporitzador, // timer
    imatge,        // picture stretched to its rectangle
    linia,         // line
};

struct color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const color&) const = default;
};

inline constexpr color color_groc{255, 255, 0};
inline constexpr color color_verd{0, 255, 0};
inline constexpr color color_vermell{255, 0, 0};
inline constexpr color color_gris{128, 128, 128};
inline constexpr color color_negre{0, 0, 0};

// Which property of an element changed, for the views.
enum class propietat {
    caption,
    text,
    valor,
    visible,
    habilitat,
    color_fons,
    imatge,
    posicio,
    interval,
    lletra,
    creat,
    destruit,
    marc,
};

struct element {
    std::string nom;
    std::optional<int> index; // set for elements of a control array
    tipus_element tipus = tipus_element::etiqueta;
    std::string pare; // menus: the name of the parent menu, empty for top level
    std::string caption;
    std::string text;
    int valor = 0; // check box: 0 unticked, 1 ticked, 2 greyed; menu: 1 checked
    bool visible = true;
    bool habilitat = true;           // enabled; for timers, running
    std::optional<color> color_fons; // empty: the system's idle colour
    std::optional<color> color_marc; // a thick frame round the element; empty: none
    std::string imatge;              // picture file (full path) shown stretched
    long left = 0;                   // geometry in twips
    long top = 0;
    long width = 0;
    long height = 0;
    int interval = 0;    // timers, milliseconds
    std::string lletra;  // font family, empty for the default
    int mida_lletra = 0; // font size in points, 0 for the default
    bool negreta = false;
};

// Identifies an element: its name and, for control arrays, its index.
struct clau_element {
    std::string nom;
    std::optional<int> index;
};

class finestra {
  public:
    using observador = std::function<void(const element&, propietat)>;
    using gestor = std::function<void(std::optional<int> index)>;

    explicit finestra(std::string nom);
    finestra(const finestra&) = delete;
    finestra& operator=(const finestra&) = delete;

    [[nodiscard]] const std::string& nom() const { return nom_; }
    [[nodiscard]] const std::string& caption() const { return caption_; }
    void posar_caption_finestra(std::string caption);
    // The window's own background picture and visibility. Observers see them
    // as changes of an element with an empty name.
    [[nodiscard]] const std::string& imatge_fons() const { return imatge_fons_; }
    void posar_imatge_fons(std::string cami);
    [[nodiscard]] bool visible() const { return visible_; }
    void posar_visible_finestra(bool visible);
    // The window's background colour; empty for the system's idle colour.
    [[nodiscard]] const std::optional<color>& color_fons() const { return color_fons_; }
    void posar_color_fons_finestra(std::optional<color> c);

    // Design time: adds an element (index 0 for the template of an array).
    element& afegir(std::string_view nom, tipus_element tipus, std::optional<int> index = {});

    // Control arrays: element i copies template element 0 and starts hidden.
    // Loading one that exists, or unloading one that does not (or element 0),
    // throws error_element.
    element& carregar(std::string_view nom, int index);
    void descarregar(std::string_view nom, int index);
    // Unloads every element of the array but the template.
    void descarregar_tots(std::string_view nom);

    // Lookup by name (case-insensitive) and index; throws error_element.
    [[nodiscard]] const element& obtenir(std::string_view nom, std::optional<int> index = {}) const;
    [[nodiscard]] bool existeix(std::string_view nom, std::optional<int> index = {}) const;
    [[nodiscard]] bool es_array(std::string_view nom) const;
    // Indices of a control array in increasing order.
    [[nodiscard]] std::vector<int> indexos(std::string_view nom) const;
    // Highest index of a control array (-1 when the name is not an array).
    [[nodiscard]] int index_maxim(std::string_view nom) const;
    // Every element, in name then index order.
    [[nodiscard]] std::vector<const element*> tots() const;

    // Setters notify the observers when the value changes. Setting a text
    // that differs raises the element's change handler before returning.
    void posar_text(std::string_view nom, std::optional<int> index, std::string text);
    // Same, for a step that skips a missing element: false when it does not
    // exist. One lookup, and no exception on the polling tick's hot path.
    bool posar_text_si_existeix(std::string_view nom, std::optional<int> index,
                                std::string_view text);
    void posar_caption(std::string_view nom, std::optional<int> index, std::string caption);
    void posar_valor(std::string_view nom, std::optional<int> index, int valor);
    void posar_visible(std::string_view nom, std::optional<int> index, bool visible);
    void posar_habilitat(std::string_view nom, std::optional<int> index, bool habilitat);
    void posar_color_fons(std::string_view nom, std::optional<int> index, std::optional<color> c);
    void posar_color_marc(std::string_view nom, std::optional<int> index, std::optional<color> c);
    void posar_imatge(std::string_view nom, std::optional<int> index, std::string cami);
    void posar_posicio(std::string_view nom, std::optional<int> index, long left, long top,
                       long width, long height);
    void posar_interval(std::string_view nom, std::optional<int> index, int interval);
    void posar_lletra(std::string_view nom, std::optional<int> index, std::string familia, int mida,
                      bool negreta);

    // Event handlers, per element name (one per name; array elements get the index).
    void en_canvi(std::string_view nom, gestor g);
    void en_clic(std::string_view nom, gestor g);
    void en_perdua_focus(std::string_view nom, gestor g);
    // The mouse button goes down on the element, and up again (or the
    // pointer leaves the element with the button down).
    void en_ratoli_avall(std::string_view nom, gestor g);
    void en_ratoli_amunt(std::string_view nom, gestor g);
    // A click on the window outside its elements, or Esc.
    void en_fons(std::function<void()> g) { en_fons_ = std::move(g); }
    void en_temporitzador(std::string_view nom, gestor g);

    // Events the views (or tests) raise.
    void clic(std::string_view nom, std::optional<int> index = {});
    void perdua_focus(std::string_view nom, std::optional<int> index = {});
    void ratoli_avall(std::string_view nom, std::optional<int> index = {});
    void ratoli_amunt(std::string_view nom, std::optional<int> index = {});
    void fons() {
        if (en_fons_) {
            en_fons_();
        }
    }
    void disparar_temporitzador(std::string_view nom);
    // The user edited a text box: same as posar_text.
    void editar(std::string_view nom, std::optional<int> index, std::string text);

    // Views subscribe to property changes; the returned number unsubscribes.
    int observar(observador o);
    void deixar_observar(int id);

  private:
    // Names compare case-insensitively without building lower-case copies:
    // the polling tick looks cells up hundreds of times per tick.
    struct menor_sense_majuscules {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    using mapa_gestors = std::map<std::string, gestor, menor_sense_majuscules>;

    // Elements of one name by index, slot i + 1 for index i (-1 for an element
    // outside an array): a cell is found in constant time, and an element's
    // address never changes while it exists.
    class elements_indexats {
      public:
        element* buscar(int index);
        const element* buscar(int index) const;
        element& inserir(int index, element e);
        void esborrar(int index);
        [[nodiscard]] int maxim() const; // -2 when empty
        template <class F> void per_cada(F&& f) const {
            for (const auto& e : slots_) {
                if (e) {
                    f(*e);
                }
            }
        }

      private:
        std::vector<std::unique_ptr<element>> slots_;
    };

    struct entrada_nom {
        std::string nom_original;
        elements_indexats elements;
        bool array = false;
    };

    const entrada_nom* buscar_nom(std::string_view nom) const;
    entrada_nom* buscar_nom(std::string_view nom);
    element& trobar(std::string_view nom, std::optional<int> index);
    const element& trobar(std::string_view nom, std::optional<int> index) const;
    void notificar(const element& e, propietat p);
    void cridar(const mapa_gestors& gestors, std::string_view nom, std::optional<int> index);

    std::string nom_;
    std::string caption_;
    std::string imatge_fons_;
    bool visible_ = false;
    std::optional<color> color_fons_;
    std::map<std::string, entrada_nom, menor_sense_majuscules> noms_;
    mapa_gestors en_canvi_;
    mapa_gestors en_clic_;
    mapa_gestors en_perdua_focus_;
    mapa_gestors en_ratoli_avall_;
    mapa_gestors en_ratoli_amunt_;
    std::function<void()> en_fons_;
    mapa_gestors en_temporitzador_;
    std::map<int, observador> observadors_;
    mutable std::string ultim_nom_;
    mutable const entrada_nom* ultima_entrada_ = nullptr;
    int seguent_observador_ = 1;
};

} // namespace quorvel
