// The board preview: one small box of the Check2 array per cell, in rows of
// the column count typed in n_col.
#pragma once

namespace quorvel {

struct estat_tauler;
class finestra;

void dibuixar(estat_tauler& s, finestra& form1);

} // namespace quorvel
