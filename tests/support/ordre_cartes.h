#pragma once
// The cards of the card writers' teams written one at a time, in an order the test imposes:
// within each group of `groupe` cards asked one after the other, the last first (groupe 1: in
// turn). Cards past the last whole group go in turn. Every card asked of the teams while it lives
// must be among the `total`, and a group must not hold more cards than a team has writers, or
// the writers wait for each other for ever.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>

#include "modele/pages/equipe_cartes.h"

namespace testing_support {

class OrdreCartes {
 public:
  OrdreCartes(size_t total, size_t groupe) : total_(total), groupe_(groupe < 1 ? 1 : groupe) {
    pages::EquipeCartes::ordreEssai = &appel_;
  }
  ~OrdreCartes() { pages::EquipeCartes::ordreEssai = nullptr; }
  OrdreCartes(const OrdreCartes&) = delete;
  OrdreCartes& operator=(const OrdreCartes&) = delete;

 private:
  // A card's turn: its number with its group reversed.
  size_t tour(size_t numero) const {
    const size_t debut = numero / groupe_ * groupe_;
    if (debut + groupe_ > total_) return numero;
    return debut + groupe_ - 1 - numero % groupe_;
  }
  void passer(size_t numero, bool ecrite) {
    std::unique_lock garde(verrou_);
    if (ecrite) {
      ++tour_;
      suivant_.notify_all();
      return;
    }
    suivant_.wait(garde, [&] { return tour_ == tour(numero); });
  }

  const size_t total_, groupe_;
  std::mutex verrou_;
  std::condition_variable suivant_;
  size_t tour_ = 0;
  std::function<void(size_t, bool)> appel_ = [this](size_t numero, bool ecrite) {
    passer(numero, ecrite);
  };
};

}  // namespace testing_support
