#pragma once
// The cards of a run written ahead on threads of their own and taken back in the order they were
// asked: a card depends only on its sheet and on the run's settings, which the writers share, so
// a site build makes its thousands of cards on every processor while its own thread makes the
// pages around them. The pictures the cards copy into ftp/ go through the thread-safe name
// index; a card's detail page is written, and what it tells the user told, when it is taken, so
// that two cards naming one detail page leave it as cards written in turn do.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "modele/pages/vignette.h"
#include "platform/lines.h"

namespace pages {

class EquipeCartes {
 public:
  // principal: the run's writer, its run open and its first card written (the identity and the
  // shop's import/ files are that card's); it must outlive the team. fenetres: what every
  // card of the run reads of the windows.
  EquipeCartes(EcrivainCartes& principal, FenetresCarte fenetres, int ouvriers);
  // Stops the threads once their card is done, dropping the cards not taken; the principal then
  // holds the last card taken as its own last card.
  ~EquipeCartes();
  EquipeCartes(const EquipeCartes&) = delete;
  EquipeCartes& operator=(const EquipeCartes&) = delete;

  // Asks for a card; the window part of `entrees` is the team's.
  void demander(EntreesCarte entrees);
  // The first card asked and not taken, once written: its messages go to `signaler`, then its
  // lines are returned (nullopt without a card), or what stopped it is thrown.
  std::optional<platform::LineList> prendre(const std::function<void(const std::string&)>& signaler);
  // The last card taken, nullptr before the first.
  const EcrivainCartes::Carte* derniere() const { return derniere_.get(); }

  // The writers a site build gives its team: the processors left beside the build's own thread
  // and its page writer, at most 6.
  static int ouvriersConstruction();

  // Tests only: called on a writer's thread just before it writes card `numero` (0 for the first
  // card asked of a team) and once it is written (`ecrite`), so that a test can impose the order
  // in which the cards are written. Set while no team runs.
  static inline std::function<void(size_t numero, bool ecrite)>* ordreEssai = nullptr;

 private:
  struct Tache {
    EntreesCarte entrees;
    bool faite = false;
    std::unique_ptr<EcrivainCartes::Carte> carte;
    std::vector<std::string> messages;
    std::exception_ptr erreur;
  };
  void travailler(EcrivainCartes& ecrivain, std::vector<std::string>& messages);

  EcrivainCartes& principal_;
  const FenetresCarte fenetres_;
  mutable std::mutex verrou_;
  std::condition_variable travail_, fait_;
  std::deque<Tache> taches_;  // from the next card to take; references stay true as it grows
  size_t premiere_ = 0;       // number of taches_.front()
  size_t suivante_ = 0;       // number of the next card to write
  bool arret_ = false;
  size_t inactifs_ = 0;  // writers waiting for a card
  static constexpr size_t kLot = 4;
  static constexpr size_t kAucune = static_cast<size_t>(-1);
  size_t attendue_ = kAucune;  // the card the asking thread waits for
  std::unique_ptr<EcrivainCartes::Carte> derniere_;
  std::vector<std::unique_ptr<EcrivainCartes::Carte>> rendues_;  // taken, to be filled again
  std::vector<std::unique_ptr<EcrivainCartes>> ecrivains_;
  std::vector<std::vector<std::string>> messages_;  // each writer's, for the card it writes
  std::vector<std::thread> fils_;
};

}  // namespace pages
