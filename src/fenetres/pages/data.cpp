// The build's holder window and its progress reports; the stages live in construction.cpp,
// analyse.cpp and page_liste.cpp.

#include "fenetres/pages/data.h"

#include <algorithm>

#include "fenetres/app/programme.h"
#include "fenetres/pages/etiq.h"

namespace pages {

Tdata1::Tdata1(app::Programme& programme)
    : ui::Form(programme.application(), "Tdata1", "data1"), p_(programme) {
  multiL.setVisible(false);
  fichierL.setVisible(false);
}

void Tdata1::progres(std::string legende, int ligne, std::string texte, bool forcer) {
  legende_ = std::move(legende);
  if (ligne >= 0) {
    const auto n = static_cast<size_t>(ligne);
    auto it =
        std::find_if(lignes_.begin(), lignes_.end(), [&](const auto& l) { return l.first == n; });
    if (it == lignes_.end())
      lignes_.emplace_back(n, std::move(texte));
    else
      it->second = std::move(texte);
  }
  const auto maintenant = std::chrono::steady_clock::now();
  if (forcer || maintenant - dernierAffichage_ >= std::chrono::milliseconds(100)) {
    dernierAffichage_ = maintenant;
    montrerProgres();
  }
}

void Tdata1::montrerProgres() {
  Tetiq1& etiq = p_.etiq1();
  if (!legende_.empty()) etiq.setCaption(legende_);
  for (auto& [ligne, texte] : lignes_) etiq.ligne(ligne, std::move(texte));
  lignes_.clear();
  p_.patienter();
}

}  // namespace pages
