#include "platform/qt/vista_finestra.h"

#include "core/text.h"
#include "platform/local/fitxers_disc.h"
#include "platform/qt/conversions_qt.h"
#include "platform/qt/teclat_filtre.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <exception>

namespace quorvel {

namespace {

// The status line holds one line whatever its text: a long text is cut with
// "…" to the width there is, and the whole of it, with the detail under it,
// is the line's tooltip. Its size hints leave the window's width to the
// board and the controls.
class etiqueta_estat : public QLabel {
  public:
    void posar(const QString& text, const QString& detall) {
        complet_ = text;
        complet_.replace(QLatin1Char('\n'), QLatin1Char(' '));
        QString consell;
        if (!complet_.isEmpty()) {
            consell = QStringLiteral("<p>") + complet_.left(mida_consell).toHtmlEscaped() +
                      QStringLiteral("</p>");
        }
        if (!detall.isEmpty()) {
            consell += QStringLiteral("<p>") +
                       detall.left(mida_consell)
                           .toHtmlEscaped()
                           .replace(QLatin1Char('\n'), QStringLiteral("<br>")) +
                       QStringLiteral("</p>");
        }
        setToolTip(consell);
        refrescar();
    }
    [[nodiscard]] QSize minimumSizeHint() const override {
        return {0, QLabel::minimumSizeHint().height()};
    }
    [[nodiscard]] QSize sizeHint() const override { return {0, QLabel::sizeHint().height()}; }

  protected:
    void resizeEvent(QResizeEvent* event) override {
        QLabel::resizeEvent(event);
        refrescar();
    }

  private:
    // A tooltip no screen can hold helps no one.
    static constexpr int mida_consell = 4000;

    void refrescar() {
        setText(fontMetrics().elidedText(complet_, Qt::ElideRight,
                                         std::max(0, contentsRect().width())));
    }

    QString complet_;
};

constexpr int marge_llenc = 8; // pixels right of and below the last element

Qt::CheckState estat_marca(int valor) {
    switch (valor) {
    case 0:
        return Qt::Unchecked;
    case 2:
        return Qt::PartiallyChecked;
    default:
        return Qt::Checked;
    }
}

int valor_marca(Qt::CheckState estat) {
    switch (estat) {
    case Qt::Unchecked:
        return 0;
    case Qt::PartiallyChecked:
        return 2;
    default:
        return 1;
    }
}

// Only a move of the keyboard focus to another widget of the window is a
// focus loss. A menu or message box that opens, or another window taking
// over, lends the focus and gives it back: the element keeps its state (a
// selected cell stays selected for the menu item chosen meanwhile).
bool es_perdua_focus(Qt::FocusReason motiu) {
    switch (motiu) {
    case Qt::PopupFocusReason:
    case Qt::ActiveWindowFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace

vista_finestra::vista_finestra(finestra& f, opcions o, QWidget* pare)
    : QMainWindow(pare), f_(f), opcions_(std::move(o)) {
    const mida_pantalla pantalla = pantalla_qt();
    twips_x_ = pantalla.twips_per_pixel_x;
    twips_y_ = pantalla.twips_per_pixel_y;

    desplacament_ = new QScrollArea(this);
    desplacament_->setFrameShape(QFrame::NoFrame);
    desplacament_->setWidgetResizable(true);
    llenc_ = new QWidget;
    llenc_->setObjectName(QStringLiteral("llenc"));
    llenc_->setAutoFillBackground(true);
    llenc_->installEventFilter(this);
    desplacament_->setWidget(llenc_);
    setCentralWidget(desplacament_);
    fons_ = new QLabel(llenc_);
    fons_->setScaledContents(true);
    fons_->lower();
    if (!opcions_.linia_estat.empty()) {
        barra_estat_ = new etiqueta_estat;
        barra_estat_->setObjectName(QStringLiteral("linia_estat"));
        barra_estat_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        statusBar()->addWidget(barra_estat_, 1);
        statusBar()->setSizeGripEnabled(false);
    }

    canvi_finestra(propietat::caption);
    canvi_finestra(propietat::color_fons);
    canvi_finestra(propietat::imatge);
    for (const element* e : f_.tots()) {
        if (e->tipus != tipus_element::menu) {
            crear_widget(*e);
        }
    }
    reconstruir_menus();
    ajustar_mida();
    observador_ = f_.observar([this](const element& e, propietat p) { canvi_model(e, p); });

    // The window opens at the size of its contents, within the room it has.
    const QSize necessaria = mida_necessaria();
    const QRect lloc = disponible();
    resize(std::min(necessaria.width(), lloc.width()),
           std::min(necessaria.height(), lloc.height()));
    canvi_finestra(propietat::visible);
}

vista_finestra::~vista_finestra() {
    f_.deixar_observar(observador_);
}

vista_finestra::clau vista_finestra::clau_de(std::string_view nom, std::optional<int> index) {
    return {minuscules(nom), index.value_or(-1)};
}

int vista_finestra::pixels_x(long twips) const {
    return a_pixels(static_cast<double>(twips), twips_x_);
}

int vista_finestra::pixels_y(long twips) const {
    return a_pixels(static_cast<double>(twips), twips_y_);
}

QWidget* vista_finestra::widget(std::string_view nom, std::optional<int> index) const {
    const auto it = widgets_.find(clau_de(nom, index));
    return it == widgets_.end() ? nullptr : it->second;
}

QAction* vista_finestra::accio(std::string_view nom, std::optional<int> index) const {
    const auto it = accions_.find(clau_de(nom, index));
    return it == accions_.end() ? nullptr : it->second;
}

void vista_finestra::enviar(const std::function<void()>& accio) const {
    try {
        accio();
    } catch (const std::exception& error) {
        qCritical("%s: %s", f_.nom().c_str(), error.what());
    }
}

void vista_finestra::closeEvent(QCloseEvent* event) {
    if (opcions_.en_tancar) {
        enviar(opcions_.en_tancar);
    }
    event->accept();
}

bool vista_finestra::eventFilter(QObject* objecte, QEvent* event) {
    if (objecte == llenc_ && fons_ != nullptr && event->type() == QEvent::Resize) {
        fons_->setGeometry(llenc_->rect());
    }
    if (objecte == llenc_ && event->type() == QEvent::MouseButtonPress) {
        enviar([&] { f_.fons(); });
    }
    const auto it = elements_widget_.find(objecte);
    if (it == elements_widget_.end()) {
        return QMainWindow::eventFilter(objecte, event);
    }
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        enviar([&] { f_.fons(); });
    }
    // Named copies, not structured bindings: lambdas cannot capture those in
    // every compiler the project builds with.
    const std::string nom = it->second.first;
    const std::optional<int> index = it->second.second;
    // The mouse holds a box while its button is down on it; the hold ends
    // with the button, when the pointer leaves the box, or with the focus.
    const auto deixar_anar = [&] {
        if (ratoli_avall_ == objecte) {
            ratoli_avall_ = nullptr;
            enviar([&] { f_.ratoli_amunt(nom, index); });
        }
    };
    const bool quadre = qobject_cast<QLineEdit*>(objecte) != nullptr;
    const auto* ratoli = dynamic_cast<QMouseEvent*>(event);
    if (event->type() == QEvent::FocusOut) {
        deixar_anar();
        if (es_perdua_focus(static_cast<QFocusEvent*>(event)->reason())) {
            enviar([&] { f_.perdua_focus(nom, index); });
        }
    } else if (quadre && event->type() == QEvent::MouseButtonPress &&
               ratoli->button() == Qt::LeftButton) {
        ratoli_avall_ = objecte;
        enviar([&] { f_.ratoli_avall(nom, index); });
    } else if (quadre && event->type() == QEvent::MouseMove && ratoli_avall_ == objecte &&
               !static_cast<QWidget*>(objecte)->rect().contains(ratoli->position().toPoint())) {
        deixar_anar();
    } else if (event->type() == QEvent::Leave) {
        deixar_anar();
    } else if (quadre && event->type() == QEvent::MouseButtonRelease &&
               ratoli->button() == Qt::LeftButton) {
        deixar_anar();
        enviar([&] { f_.clic(nom, index); });
    }
    return QMainWindow::eventFilter(objecte, event);
}

void vista_finestra::canvi_model(const element& e, propietat p) {
    if (e.nom.empty()) {
        canvi_finestra(p);
        return;
    }
    if (e.tipus == tipus_element::temporitzador) {
        return;
    }
    if (e.tipus == tipus_element::menu) {
        if (p == propietat::creat || p == propietat::destruit) {
            reconstruir_menus();
            if (p == propietat::creat) {
                pendents_.insert({e.nom, e.index});
                programar_refresc();
            }
        } else if (QAction* a = accio(e.nom, e.index)) {
            aplicar_menu(a, e);
        }
        return;
    }
    switch (p) {
    case propietat::creat:
        crear_widget(e);
        pendents_.insert({e.nom, e.index});
        programar_refresc();
        break;
    case propietat::destruit:
        destruir_widget(e.nom, e.index);
        break;
    default:
        if (QWidget* w = widget(e.nom, e.index)) {
            aplicar(w, e, p);
        }
        break;
    }
}

// Window-level changes arrive as an element without a name.
void vista_finestra::canvi_finestra(propietat p) {
    switch (p) {
    case propietat::caption:
        setWindowTitle(qtext(f_.caption()));
        break;
    case propietat::visible:
        setVisible(f_.visible());
        break;
    case propietat::color_fons: {
        QPalette paleta;
        if (f_.color_fons()) {
            paleta.setColor(QPalette::Window, qcolor(*f_.color_fons()));
        }
        llenc_->setPalette(paleta);
        break;
    }
    case propietat::imatge: {
        const std::string local =
            f_.imatge_fons().empty() ? "" : fitxers_disc::cami_local(f_.imatge_fons());
        fons_->setPixmap(local.empty() ? QPixmap() : QPixmap(QString::fromStdString(local)));
        fons_->setVisible(!fons_->pixmap().isNull());
        break;
    }
    default:
        break;
    }
}

void vista_finestra::crear_widget(const element& e) {
    QWidget* w = nullptr;
    const std::string nom = e.nom;
    const std::optional<int> index = e.index;
    if (barra_estat_ != nullptr && e.tipus == tipus_element::etiqueta &&
        iguals_sense_majuscules(nom, opcions_.linia_estat)) {
        elements_widget_[barra_estat_] = {nom, index};
        widgets_[clau_de(nom, index)] = barra_estat_;
        aplicar(barra_estat_, e, propietat::caption);
        return;
    }
    switch (e.tipus) {
    case tipus_element::etiqueta:
        w = new QLabel(llenc_);
        static_cast<QLabel*>(w)->setWordWrap(true);
        static_cast<QLabel*>(w)->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        break;
    case tipus_element::quadre_text: {
        auto* quadre = new QLineEdit(llenc_);
        if (index.value_or(0) > 0 && iguals_sense_majuscules(nom, opcions_.caselles_numerades)) {
            quadre->setPlaceholderText(QString::number(*index));
            quadre->setAlignment(Qt::AlignCenter);
            quadre->setProperty(propietat_casella_pad, true);
            // A cell shows the board; typing into it would change nothing.
            quadre->setReadOnly(true);
        }
        connect(quadre, &QLineEdit::textEdited, this, [this, nom, index](const QString& text) {
            enviar([&] { f_.editar(nom, index, text_programa(text)); });
        });
        w = quadre;
        break;
    }
    case tipus_element::casella_marca: {
        auto* marca = new QCheckBox(llenc_);
        connect(marca, &QCheckBox::clicked, this, [this, marca, nom, index] {
            const int valor = valor_marca(marca->checkState());
            enviar([&] {
                f_.posar_valor(nom, index, valor);
                f_.clic(nom, index);
            });
        });
        w = marca;
        break;
    }
    case tipus_element::boto: {
        auto* boto = new QPushButton(llenc_);
        boto->setAutoDefault(false);
        connect(boto, &QPushButton::clicked, this,
                [this, nom, index] { enviar([&] { f_.clic(nom, index); }); });
        w = boto;
        break;
    }
    case tipus_element::imatge: {
        auto* imatge = new QLabel(llenc_);
        imatge->setScaledContents(true);
        w = imatge;
        break;
    }
    case tipus_element::linia: {
        auto* linia = new QFrame(llenc_);
        linia->setFrameShadow(QFrame::Plain);
        w = linia;
        break;
    }
    case tipus_element::menu:
    case tipus_element::temporitzador:
        return;
    }
    w->installEventFilter(this);
    destruir_widget(nom, index);
    elements_widget_[w] = {nom, index};
    widgets_[clau_de(nom, index)] = w;
    aplicar_tot(w, e);
}

void vista_finestra::destruir_widget(std::string_view nom, std::optional<int> index) {
    const auto it = widgets_.find(clau_de(nom, index));
    if (it == widgets_.end()) {
        return;
    }
    QWidget* w = it->second;
    widgets_.erase(it);
    // The widget may be the one whose event is being handled right now.
    elements_widget_.erase(w);
    w->removeEventFilter(this);
    disconnect(w, nullptr, this, nullptr);
    w->hide();
    w->deleteLater();
    programar_mida();
}

void vista_finestra::aplicar_tot(QWidget* w, const element& e) {
    for (const propietat p : {propietat::caption, propietat::text, propietat::valor,
                              propietat::habilitat, propietat::color_fons, propietat::imatge,
                              propietat::posicio, propietat::lletra, propietat::visible}) {
        aplicar(w, e, p);
    }
}

void vista_finestra::aplicar(QWidget* w, const element& e, propietat p) {
    switch (p) {
    case propietat::caption:
        if (w == barra_estat_) {
            static_cast<etiqueta_estat*>(barra_estat_)->posar(qtext(e.caption), qtext(e.text));
        } else if (auto* etiqueta = qobject_cast<QLabel*>(w);
                   etiqueta && e.tipus != tipus_element::imatge) {
            etiqueta->setText(qtext(e.caption));
        } else if (auto* boto = qobject_cast<QAbstractButton*>(w)) {
            boto->setText(qtext(e.caption));
        }
        break;
    case propietat::text:
        if (w == barra_estat_) {
            static_cast<etiqueta_estat*>(barra_estat_)->posar(qtext(e.caption), qtext(e.text));
        } else if (auto* quadre = qobject_cast<QLineEdit*>(w)) {
            const QString text = qtext(e.text);
            if (quadre->text() != text) {
                quadre->setText(text);
            }
        }
        break;
    case propietat::valor:
        if (auto* marca = qobject_cast<QCheckBox*>(w)) {
            const QSignalBlocker bloqueig(marca);
            marca->setTristate(e.valor == 2);
            marca->setCheckState(estat_marca(e.valor));
        }
        break;
    case propietat::visible:
        if (w == barra_estat_) {
            break;
        }
        w->setVisible(e.visible);
        programar_mida();
        break;
    case propietat::habilitat:
        w->setEnabled(e.habilitat);
        break;
    case propietat::color_fons:
        aplicar_color(w, e);
        break;
    case propietat::imatge:
        if (e.tipus == tipus_element::imatge) {
            auto* imatge = static_cast<QLabel*>(w);
            const std::string local = e.imatge.empty() ? "" : fitxers_disc::cami_local(e.imatge);
            imatge->setPixmap(local.empty() ? QPixmap() : QPixmap(QString::fromStdString(local)));
        }
        break;
    case propietat::posicio: {
        if (w == barra_estat_) {
            break;
        }
        const int x = pixels_x(e.left);
        const int y = pixels_y(e.top);
        int amplada = pixels_x(e.width);
        int alcada = pixels_y(e.height);
        if (auto* linia = qobject_cast<QFrame*>(w); linia && e.tipus == tipus_element::linia) {
            // A line of no height is drawn one pixel thick.
            const bool horitzontal = amplada >= alcada;
            linia->setFrameShape(horitzontal ? QFrame::HLine : QFrame::VLine);
            amplada = std::max(amplada, 1);
            alcada = std::max(alcada, 1);
        }
        w->setGeometry(x, y, amplada, alcada);
        if (e.color_marc) {
            aplicar_marc(w, e);
        }
        programar_mida();
        break;
    }
    case propietat::lletra: {
        if (e.lletra.empty() && e.mida_lletra <= 0 && !e.negreta) {
            w->setFont(QFont());
            break;
        }
        QFont lletra = w->font();
        if (!e.lletra.empty()) {
            lletra.setFamily(qtext(e.lletra));
        }
        if (e.mida_lletra > 0) {
            lletra.setPointSize(e.mida_lletra);
        }
        lletra.setBold(e.negreta);
        w->setFont(lletra);
        break;
    }
    case propietat::marc:
        aplicar_marc(w, e);
        break;
    case propietat::interval:
    case propietat::creat:
    case propietat::destruit:
        break;
    }
}

void vista_finestra::aplicar_marc(QWidget* w, const element& e) {
    // The frame is a child drawn over the element, so that the element's own
    // look (its colour, its text) stays as it is and clicks go through.
    auto* marc = w->findChild<QFrame*>(QStringLiteral("marc"), Qt::FindDirectChildrenOnly);
    if (!e.color_marc) {
        delete marc;
        return;
    }
    if (marc == nullptr) {
        marc = new QFrame(w);
        marc->setObjectName(QStringLiteral("marc"));
        marc->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    const QColor c = qcolor(*e.color_marc);
    const int gruix = std::max(3, std::min(w->width(), w->height()) / 8);
    marc->setStyleSheet(QStringLiteral("QFrame#marc { border: %1px solid %2; background: "
                                       "transparent; }")
                            .arg(gruix)
                            .arg(c.name()));
    marc->setGeometry(w->rect());
    marc->show();
    marc->raise();
}

void vista_finestra::aplicar_color(QWidget* w, const element& e) {
    if (!e.color_fons) {
        w->setPalette(QPalette());
        w->setAutoFillBackground(false);
        return;
    }
    QPalette paleta = w->palette();
    const QColor c = qcolor(*e.color_fons);
    if (qobject_cast<QLineEdit*>(w) != nullptr) {
        paleta.setColor(QPalette::Base, c);
    } else if (qobject_cast<QPushButton*>(w) != nullptr) {
        paleta.setColor(QPalette::Button, c);
    } else {
        paleta.setColor(QPalette::Window, c);
        w->setAutoFillBackground(true);
    }
    w->setPalette(paleta);
}

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

void vista_finestra::programar_refresc() {
    if (refresc_programat_) {
        return;
    }
    refresc_programat_ = true;
    QTimer::singleShot(0, this, [this] { refrescar(); });
}

void vista_finestra::refrescar() {
    refresc_programat_ = false;
    bool menus = false;
    const auto pendents = std::move(pendents_);
    pendents_.clear();
    for (const auto& [nom, index] : pendents) {
        if (!f_.existeix(nom, index)) {
            continue;
        }
        const element& e = f_.obtenir(nom, index);
        if (e.tipus == tipus_element::menu) {
            menus = true;
        } else if (QWidget* w = widget(nom, index)) {
            aplicar_tot(w, e);
        }
    }
    if (menus) {
        reconstruir_menus();
    }
}

void vista_finestra::programar_mida() {
    if (mida_programada_) {
        return;
    }
    mida_programada_ = true;
    QTimer::singleShot(0, this, [this] { ajustar_mida(); });
}

void vista_finestra::ajustar_mida() {
    mida_programada_ = false;
    int amplada = 0;
    int alcada = 0;
    for (const auto& [k, w] : widgets_) {
        if (w != barra_estat_ && w->isVisibleTo(llenc_)) {
            amplada = std::max(amplada, w->geometry().right() + 1);
            alcada = std::max(alcada, w->geometry().bottom() + 1);
        }
    }
    llenc_->setMinimumSize(amplada + marge_llenc, alcada + marge_llenc);
    creixer();
}

QRect vista_finestra::disponible() const {
    if (opcions_.area_disponible) {
        return opcions_.area_disponible();
    }
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        return s->availableGeometry();
    }
    return {0, 0, 1280, 960};
}

QSize vista_finestra::mida_necessaria() const {
    int alcada = llenc_->minimumHeight() + menuBar()->sizeHint().height();
    if (barra_estat_ != nullptr) {
        alcada += statusBar()->sizeHint().height();
    }
    return {llenc_->minimumWidth(), alcada};
}

void vista_finestra::creixer() {
    // Only growing: a window the operator made larger stays as it is. The
    // frame the window system adds is known once the window is shown.
    const QSize marc = isVisible() ? frameGeometry().size() - geometry().size() : QSize();
    const QRect lloc = disponible();
    const QSize maxim = lloc.size() - marc;
    const QSize necessaria = mida_necessaria();
    const QSize nova(std::max(width(), std::min(necessaria.width(), maxim.width())),
                     std::max(height(), std::min(necessaria.height(), maxim.height())));
    if (nova == size()) {
        return;
    }
    resize(nova);
    // A window grown past the edge of its room moves back into it.
    const int x =
        std::max(lloc.left(), std::min(pos().x(), lloc.right() + 1 - nova.width() - marc.width()));
    const int y = std::max(lloc.top(),
                           std::min(pos().y(), lloc.bottom() + 1 - nova.height() - marc.height()));
    if (x != pos().x() || y != pos().y()) {
        move(x, y);
    }
}

} // namespace quorvel
