#include "platform/qt/eines_qt.h"

#include "platform/qt/conversions_qt.h"
#include "platform/qt/dialeg_escombrat_qt.h"
#include "platform/qt/text_caixa.h"

#include "core/finestra.h"
#include "core/text.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <utility>

namespace quorvel {

namespace {

constexpr int llesca_bombeig_ms = 10;

QString a_qstring(const std::string& text) {
    std::string linies;
    linies.reserve(text.size());
    // The program ends its lines with CR (or CR LF); Qt breaks them at LF.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            linies += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else {
            linies += text[i];
        }
    }
    return qtext(linies);
}

QString titol_o_programa(const std::string& titol) {
    return titol.empty() ? QStringLiteral("Quorvel") : a_qstring(titol);
}

} // namespace

// The QTimers of one registered window, following its timer elements.
class temporitzadors_finestra {
  public:
    temporitzadors_finestra(finestra& f, QObject* arrel) : f_(f), context_(new QObject(arrel)) {
        for (const element* e : f_.tots()) {
            seguir(*e);
        }
        observador_ = f_.observar([this](const element& e, propietat p) {
            if (e.tipus != tipus_element::temporitzador) {
                return;
            }
            if (p == propietat::destruit) {
                aturar(e.nom);
            } else if (p == propietat::creat || p == propietat::habilitat ||
                       p == propietat::interval) {
                seguir(e);
            }
        });
    }

    ~temporitzadors_finestra() {
        f_.deixar_observar(observador_);
        for (const auto& [nom, t] : temporitzadors_) {
            t->stop();
            t->disconnect();
        }
        // A window may be unregistered from inside one of its own timers.
        context_->deleteLater();
    }

    temporitzadors_finestra(const temporitzadors_finestra&) = delete;
    temporitzadors_finestra& operator=(const temporitzadors_finestra&) = delete;

  private:
    void seguir(const element& e) {
        if (e.tipus != tipus_element::temporitzador) {
            return;
        }
        QTimer*& t = temporitzadors_[e.nom];
        if (t == nullptr) {
            t = new QTimer(context_);
            const std::string nom = e.nom;
            QObject::connect(t, &QTimer::timeout, context_, [this, nom] {
                try {
                    f_.disparar_temporitzador(nom);
                } catch (const std::exception& error) {
                    qCritical("timer %s of %s: %s", nom.c_str(), f_.nom().c_str(), error.what());
                }
            });
        }
        // A change of interval restarts the count, as enabling does.
        if (e.habilitat && e.interval > 0) {
            t->start(e.interval);
        } else {
            t->stop();
        }
    }

    void aturar(const std::string& nom) {
        const auto it = temporitzadors_.find(nom);
        if (it != temporitzadors_.end()) {
            it->second->stop();
        }
    }

    finestra& f_;
    QObject* context_;
    std::map<std::string, QTimer*> temporitzadors_;
    int observador_ = 0;
};

eines_qt::eines_qt() : arrel_(std::make_unique<QObject>()) {}

eines_qt::~eines_qt() {
    finestres_.clear();
}

void eines_qt::posar_propietari(QWidget* propietari) {
    propietari_ = propietari;
}

void eines_qt::posar_escenari(std::function<QWidget*()> escenari) {
    escenari_ = std::move(escenari);
}

QWidget* eines_qt::pare_dialeg() const {
    if (QWidget* escenari = escenari_ ? escenari_() : nullptr) {
        return escenari;
    }
    QWidget* activa = QApplication::activeWindow();
    return activa != nullptr ? activa : propietari_.data();
}

resposta_missatge eines_qt::missatge(const std::string& text, botons_missatge botons,
                                     const std::string& titol) {
    const auto opcions = botons == botons_missatge::ok_cancel
                             ? QMessageBox::Ok | QMessageBox::Cancel
                             : QMessageBox::StandardButtons(QMessageBox::Ok);
    // The stage that owns a box may be closed while it waits (a timer stops
    // the exercise): the box then goes with it, and counts as cancelled.
    const QPointer<QMessageBox> caixa = new QMessageBox(
        QMessageBox::NoIcon, titol_o_programa(titol), QString(), opcions, pare_dialeg());
    posar_text_caixa(*caixa, a_qstring(text));
    caixa->setDefaultButton(QMessageBox::Ok);
    const bool ok = caixa->exec() == QMessageBox::Ok && !caixa.isNull();
    delete caixa.data();
    return ok ? resposta_missatge::ok : resposta_missatge::cancel;
}

std::string eines_qt::demanar(const std::string& text, const std::string& titol,
                              const std::string& defecte) {
    const QPointer<QInputDialog> dialeg = new QInputDialog(pare_dialeg());
    dialeg->setWindowTitle(titol_o_programa(titol));
    dialeg->setLabelText(text_mostrable(a_qstring(text)));
    dialeg->setTextValue(a_qstring(defecte));
    const bool acceptat = dialeg->exec() == QDialog::Accepted && !dialeg.isNull();
    const std::string resposta = acceptat ? text_programa(dialeg->textValue()) : std::string();
    delete dialeg.data();
    return resposta;
}

std::optional<std::pair<int, opcions_escombrat>>
eines_qt::demanar_escombrat(const textos_escombrat& textos, int jugadors,
                            const std::function<opcions_escombrat(int)>& actuals) {
    return demanar_escombrat_qt(pare_dialeg(), textos, jugadors, actuals);
}

void eines_qt::beep() {
    QApplication::beep();
}

mida_pantalla eines_qt::pantalla() {
    return pantalla_qt();
}

void eines_qt::bombar() {
    ++profunditat_bombeig_;
    QElapsedTimer rellotge;
    rellotge.start();
    {
        QEventLoop bucle;
        QTimer::singleShot(llesca_bombeig_ms, &bucle, &QEventLoop::quit);
        bucle.exec();
    }
    // An event loop refuses to run while the application is quitting; the
    // wait must still not spin a core.
    const qint64 passat = rellotge.elapsed();
    if (passat < llesca_bombeig_ms / 2) {
        QCoreApplication::processEvents();
        QThread::msleep(static_cast<unsigned long>(llesca_bombeig_ms - passat));
    }
    --profunditat_bombeig_;
}

void eines_qt::registrar(finestra& f) {
    if (!finestres_.contains(&f)) {
        finestres_.emplace(&f, std::make_unique<temporitzadors_finestra>(f, arrel_.get()));
    }
}

void eines_qt::desregistrar(finestra& f) {
    finestres_.erase(&f);
}

void eines_qt::sortir() {
    if (profunditat_bombeig_ == 0 && QCoreApplication::instance() != nullptr) {
        QCoreApplication::exit(0);
        return;
    }
    // Unwinding a pumped wait would run the rest of its handler first.
    std::fflush(nullptr);
    std::exit(0);
}

} // namespace quorvel
