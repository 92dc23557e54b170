// The whole state of one run, owned by the application: every layer's part
// (see core/estat_base.h). Each folder's functions take their own layer's
// part; the application, the tools and the tests hold this one.
#pragma once

#include "engine/estat_joc.h"

namespace quorvel {

struct sessio : estat_joc {};

} // namespace quorvel
