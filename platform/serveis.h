// The set of platform services one run of the program uses, passed to the
// logic by reference. The owner (app/ or a test) keeps them alive.
#pragma once

#include "platform/dialegs.h"
#include "platform/eines.h"
#include "platform/ordres_media.h"
#include "platform/perfil.h"
#include "platform/rellotge.h"
#include "platform/servei_fitxers.h"
#include "platform/servei_joystick.h"
#include "platform/sortida_midi.h"

namespace quorvel {

struct serveis {
    servei_joystick& joystick;
    servei_fitxers& fitxers;
    servei_perfil& perfil;
    servei_media& media;
    servei_midi& midi;
    servei_dialegs& dialegs;
    servei_eines& eines;
    servei_rellotge& rellotge;
};

} // namespace quorvel
