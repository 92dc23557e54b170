// The scanning form on Qt: a player, their scanning mode, times, loops and
// tick, each player's current settings loaded as they are chosen.
#pragma once

#include "platform/eines.h"

#include <QWidget>

namespace quorvel {

std::optional<std::pair<int, opcions_escombrat>>
demanar_escombrat_qt(QWidget* pare, const textos_escombrat& textos, int jugadors,
                     const std::function<opcions_escombrat(int jugador)>& actuals);

} // namespace quorvel
