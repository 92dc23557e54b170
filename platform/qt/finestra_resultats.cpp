#include "platform/qt/finestra_resultats.h"

#include "platform/local/escriptura_atomica.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <utility>

namespace quorvel {

namespace {

QString qt(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QString nom_jugador(int jugador, const std::string& nom) {
    const QString pad = jugador > 0 ? QString::number(jugador) : QStringLiteral("-");
    return nom.empty() ? pad : pad + QStringLiteral(" ") + qt(nom);
}

QChart* grafic(const QString& titol) {
    auto* chart = new QChart;
    chart->setTitle(titol);
    chart->legend()->setAlignment(Qt::AlignRight);
    return chart;
}

// The last day a summary names, or empty.
std::string darrer_dia(const resum_resultats& r) {
    return r.sessions.empty() ? std::string() : r.sessions.back().data;
}

} // namespace

finestra_resultats::finestra_resultats(std::string carpeta, textos_finestra_resultats textos,
                                       QWidget* pare)
    : QWidget(pare, Qt::Window), carpeta_(std::move(carpeta)), textos_(std::move(textos)),
      triar_([this](const std::string& titol, const std::string& proposta) {
          return QFileDialog::getSaveFileName(this, qt(titol), qt(proposta),
                                              QStringLiteral("CSV (*.csv)"))
              .toStdString();
      }),
      origen_(new QLabel), avis_(new QLabel), taula_(new QTableWidget(0, 7)),
      encerts_(grafic(QStringLiteral("Encerts (%)"))),
      temps_(grafic(QStringLiteral("Mediana del temps de resposta (ms)"))) {
    setWindowTitle(QStringLiteral("Resultats"));
    setObjectName(QStringLiteral("finestra_resultats"));
    taula_->setHorizontalHeaderLabels({QStringLiteral("Jugador"), QStringLiteral("Nom"),
                                       QStringLiteral("Premudes"), QStringLiteral("Encerts"),
                                       QStringLiteral("Errors"), QStringLiteral("% encerts"),
                                       QStringLiteral("Mediana (ms)")});
    taula_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    taula_->verticalHeader()->hide();
    taula_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* avui = new QPushButton(QStringLiteral("Avui"));
    auto* obrir = new QPushButton(QStringLiteral("Obrir registre..."));
    auto* exportar_resum = new QPushButton(qt(textos_.exportar_resum));
    auto* exportar_files_boto = new QPushButton(qt(textos_.exportar_files));
    auto* tancar = new QPushButton(qt(textos_.tancar));
    tancar->setObjectName(QStringLiteral("tancar"));
    connect(avui, &QPushButton::clicked, this, [this] { mostrar_avui(avui_); });
    connect(obrir, &QPushButton::clicked, this, [this] {
        const QString f = QFileDialog::getOpenFileName(
            this, QStringLiteral("Obrir registre"), qt(carpeta_),
            QStringLiteral("Registres de resultats (*.csv);;Tots els fitxers (*)"));
        if (!f.isEmpty()) {
            mostrar_fitxer(f.toStdString());
        }
    });
    connect(exportar_resum, &QPushButton::clicked, this,
            [this] { exportar_amb("resum", &finestra_resultats::exportar); });
    connect(exportar_files_boto, &QPushButton::clicked, this,
            [this] { exportar_amb("resultats", &finestra_resultats::exportar_files); });
    connect(tancar, &QPushButton::clicked, this, &QWidget::close);
    // Without a window manager there is no title bar to close the window by.
    for (const QKeySequence& tecla :
         {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_F4)}) {
        auto* drecera = new QShortcut(tecla, this);
        connect(drecera, &QShortcut::activated, this, &QWidget::close);
    }
    auto* botons = new QHBoxLayout;
    botons->addWidget(avui);
    botons->addWidget(obrir);
    botons->addWidget(exportar_resum);
    botons->addWidget(exportar_files_boto);
    botons->addStretch();
    botons->addWidget(tancar);

    auto* grafics = new QHBoxLayout;
    for (QChart* c : {encerts_, temps_}) {
        auto* vista = new QChartView(c);
        vista->setRenderHint(QPainter::Antialiasing);
        vista->setMinimumSize(360, 260);
        grafics->addWidget(vista);
    }

    auto* capa = new QVBoxLayout(this);
    capa->addLayout(botons);
    capa->addWidget(origen_);
    capa->addWidget(taula_, 1);
    capa->addWidget(avis_);
    capa->addLayout(grafics, 2);
    resize(900, 640);
}

void finestra_resultats::obrir_sota(const QWidget& consola) {
    if (!isVisible()) {
        const QPoint lloc(consola.frameGeometry().left(), consola.frameGeometry().bottom() + 1);
        const QScreen* pantalla = consola.screen();
        if (pantalla != nullptr &&
            pantalla->availableGeometry().contains(QRect(lloc, frameGeometry().size()))) {
            move(lloc);
        }
    }
    show();
    raise();
    activateWindow();
}

std::string finestra_resultats::llegir(const std::string& fitxer) const {
    std::ifstream entrada(fitxer, std::ios::binary);
    std::ostringstream text;
    text << entrada.rdbuf();
    return text.str();
}

void finestra_resultats::mostrar_avui(const std::string& dia) {
    avui_ = dia;
    const std::string fitxer = (std::filesystem::path(carpeta_) / (dia + ".csv")).string();
    text_log_ = llegir(fitxer);
    dia_ = dia;
    acumulador_resultats a;
    a.afegir(text_log_);
    mostrar("Sessi\xC3\xB3 d'avui (" + dia + ")", a.resum(), dia, fitxer);
}

void finestra_resultats::mostrar_fitxer(const std::string& fitxer) {
    text_log_ = llegir(fitxer);
    acumulador_resultats a;
    a.afegir(text_log_);
    const resum_resultats r = a.resum();
    dia_ = darrer_dia(r);
    mostrar(std::filesystem::path(fitxer).filename().string(), r, darrer_dia(r), fitxer);
}

void finestra_resultats::mostrar(const std::string& titol, const resum_resultats& resum,
                                 const std::string& dia, const std::string& fitxer_triat) {
    origen_->setText(qt(titol));
    jugadors_ = resum.jugadors;
    omplir_taula();

    std::vector<std::string> noms;
    std::error_code error;
    for (const auto& entrada : std::filesystem::directory_iterator(carpeta_, error)) {
        noms.push_back(entrada.path().filename().string());
    }
    acumulador_resultats setmanes;
    bool triat_llegit = false;
    for (const std::string& nom : logs_dels_dies(noms, dia, dies_grafic)) {
        const std::filesystem::path cami = std::filesystem::path(carpeta_) / nom;
        triat_llegit = triat_llegit || std::filesystem::equivalent(cami, fitxer_triat, error);
        setmanes.afegir(llegir(cami.string()));
    }
    if (!triat_llegit) {
        setmanes.afegir(llegir(fitxer_triat));
    }
    omplir_grafics(setmanes.resum());
}

void finestra_resultats::omplir_taula() {
    taula_->setRowCount(static_cast<int>(jugadors_.size()));
    for (int i = 0; i < static_cast<int>(jugadors_.size()); ++i) {
        const resum_jugador& j = jugadors_[static_cast<std::size_t>(i)];
        const QString textos[] = {
            j.jugador > 0 ? QString::number(j.jugador) : QString(),
            qt(j.nom),
            QString::number(j.premudes),
            QString::number(j.encerts),
            QString::number(j.errors),
            j.proporcio_encerts ? QString::number(*j.proporcio_encerts * 100.0, 'f', 1) : QString(),
            j.mediana_ms ? QString::number(*j.mediana_ms, 'f', 0) : QString(),
        };
        for (int c = 0; c < 7; ++c) {
            taula_->setItem(i, c, new QTableWidgetItem(textos[c]));
        }
    }
}

void finestra_resultats::omplir_grafics(const resum_resultats& setmanes) {
    for (QChart* c : {encerts_, temps_}) {
        c->removeAllSeries();
        for (QAbstractAxis* eix : c->axes()) {
            c->removeAxis(eix);
            delete eix;
        }
    }
    std::map<std::pair<int, std::string>, std::pair<QLineSeries*, QLineSeries*>> series;
    for (const resum_sessio& s : setmanes.sessions) {
        const QDate dia = QDate::fromString(qt(s.data), Qt::ISODate);
        const qreal x = static_cast<qreal>(QDateTime(dia, QTime(12, 0)).toMSecsSinceEpoch());
        for (const resum_jugador& j : s.jugadors) {
            auto& [encerts, temps] = series[{j.jugador, j.nom}];
            if (encerts == nullptr) {
                encerts = new QLineSeries;
                temps = new QLineSeries;
                encerts->setName(nom_jugador(j.jugador, j.nom));
                temps->setName(nom_jugador(j.jugador, j.nom));
                encerts->setPointsVisible(true);
                temps->setPointsVisible(true);
            }
            if (j.proporcio_encerts) {
                encerts->append(x, *j.proporcio_encerts * 100.0);
            }
            if (j.mediana_ms) {
                temps->append(x, *j.mediana_ms);
            }
        }
    }
    for (QChart* c : {encerts_, temps_}) {
        auto* eix_x = new QDateTimeAxis;
        eix_x->setFormat(QStringLiteral("dd/MM"));
        auto* eix_y = new QValueAxis;
        eix_y->setLabelFormat(QStringLiteral("%.0f"));
        c->addAxis(eix_x, Qt::AlignBottom);
        c->addAxis(eix_y, Qt::AlignLeft);
    }
    qreal temps_maxim = 0;
    for (const auto& [clau, parell] : series) {
        for (QLineSeries* s : {parell.first, parell.second}) {
            QChart* c = s == parell.first ? encerts_ : temps_;
            c->addSeries(s);
            s->attachAxis(c->axes(Qt::Horizontal).front());
            s->attachAxis(c->axes(Qt::Vertical).front());
        }
        for (const QPointF& p : parell.second->points()) {
            temps_maxim = std::max(temps_maxim, p.y());
        }
    }
    encerts_->axes(Qt::Vertical).front()->setRange(0, 100);
    temps_->axes(Qt::Vertical).front()->setRange(0, temps_maxim > 0 ? temps_maxim * 1.1 : 1000);
    if (!setmanes.sessions.empty()) {
        const QDate primer = QDate::fromString(qt(setmanes.sessions.front().data), Qt::ISODate);
        const QDate darrer = QDate::fromString(qt(setmanes.sessions.back().data), Qt::ISODate);
        for (QChart* c : {encerts_, temps_}) {
            c->axes(Qt::Horizontal)
                .front()
                ->setRange(QDateTime(primer.addDays(-1), QTime(12, 0)),
                           QDateTime(darrer.addDays(1), QTime(12, 0)));
        }
    }
}

bool finestra_resultats::exportar(const std::string& fitxer) const {
    return substituir_fitxer(fitxer, resum_csv(jugadors_)).empty();
}

bool finestra_resultats::exportar_files(const std::string& fitxer) const {
    // A day without a log exports the header alone, still a table.
    const std::string text = text_log_.empty() ? capcalera_resultats() : csv_reescriure(text_log_);
    return substituir_fitxer(fitxer, text).empty();
}

std::string finestra_resultats::carpeta_exportacio() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    std::error_code error;
    if (!documents.isEmpty() && std::filesystem::is_directory(documents.toStdString(), error)) {
        return documents.toStdString();
    }
    return QStandardPaths::writableLocation(QStandardPaths::HomeLocation).toStdString();
}

QString finestra_resultats::avis() const {
    return avis_->text();
}

void finestra_resultats::exportar_amb(const std::string& nom,
                                      bool (finestra_resultats::*escriure)(const std::string&)
                                          const) {
    const std::string proposta = (std::filesystem::path(carpeta_exportacio()) /
                                  (nom + (dia_.empty() ? std::string() : "-" + dia_) + ".csv"))
                                     .string();
    const std::string fitxer =
        triar_(nom == "resum" ? textos_.exportar_resum : textos_.exportar_files, proposta);
    if (fitxer.empty()) {
        return;
    }
    const std::string& plantilla = (this->*escriure)(fitxer) ? textos_.desat : textos_.no_desat;
    QString text = qt(plantilla);
    avis_->setText(text.replace(QStringLiteral("%1"), qt(fitxer)));
}

} // namespace quorvel
