// The operator's console window Form1: every element with its design-time
// caption, state and geometry, and the menu tree in the order it is shown.
#pragma once

#include <string>
#include <vector>

namespace quorvel {

class finestra;

// Adds every design-time element of the console to an empty window model.
void finestra_principal_construir(finestra& form1);

// Names of the menu elements of the console in the order the menus show them;
// the items of a menu array follow their name in index order.
const std::vector<std::string>& finestra_principal_menus();

} // namespace quorvel
