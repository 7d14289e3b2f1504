#pragma once
// Sizes of the main window's containers and fields, so that its tabs read as rows and columns.

namespace app {

class Tmain;

void disposerFiche(Tmain& fenetre);

}  // namespace app
