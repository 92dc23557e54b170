// The toolkit services on Qt: message boxes, the input prompt, the beep, the
// screen in twips, the pumped wait, and a QTimer per timer element of every
// registered window model.
#pragma once

#include "platform/eines.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>

namespace quorvel {

class temporitzadors_finestra;

class eines_qt : public servei_eines {
  public:
    eines_qt();
    ~eines_qt() override;
    eines_qt(const eines_qt&) = delete;
    eines_qt& operator=(const eines_qt&) = delete;

    // The window message boxes and prompts are centred on.
    void posar_propietari(QWidget* propietari);
    // The players' stage while it shows, else null: boxes belong to it then,
    // so that no window manager keeps them (or the console) behind it.
    void posar_escenari(std::function<QWidget*()> escenari);
    // Where a box or dialog opens: the stage on show, else the active
    // window, else the owner.
    [[nodiscard]] QWidget* pare_dialeg() const;

    resposta_missatge missatge(const std::string& text, botons_missatge botons,
                               const std::string& titol) override;
    std::string demanar(const std::string& text, const std::string& titol,
                        const std::string& defecte) override;
    std::optional<std::pair<int, opcions_escombrat>>
    demanar_escombrat(const textos_escombrat& textos, int jugadors,
                      const std::function<opcions_escombrat(int jugador)>& actuals) override;
    void beep() override;
    mida_pantalla pantalla() override;
    // Runs the event loop for about 10 ms; sleeps when nothing is pending.
    void bombar() override;
    // A registered window must be unregistered before it is destroyed.
    void registrar(finestra& f) override;
    void desregistrar(finestra& f) override;
    // Inside a pumped wait the program ends on the spot; otherwise the main
    // event loop is left as soon as the current handler returns.
    void sortir() override;

  private:
    QPointer<QWidget> propietari_;
    std::function<QWidget*()> escenari_;
    // Parent of the timers; outlives the per-window timer sets it holds.
    std::unique_ptr<QObject> arrel_;
    std::map<finestra*, std::unique_ptr<temporitzadors_finestra>> finestres_;
    int profunditat_bombeig_ = 0;
};

} // namespace quorvel
