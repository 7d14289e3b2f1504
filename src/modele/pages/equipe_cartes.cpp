#include "modele/pages/equipe_cartes.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace pages {

EquipeCartes::EquipeCartes(EcrivainCartes& principal, FenetresCarte fenetres, int ouvriers)
    : principal_(principal), fenetres_(std::move(fenetres)) {
  const size_t n = ouvriers < 1 ? 1 : static_cast<size_t>(ouvriers);
  messages_.resize(n);
  for (size_t i = 0; i < n; ++i) {
    std::vector<std::string>& messages = messages_[i];
    ecrivains_.push_back(std::make_unique<EcrivainCartes>(
        principal, [&messages](const std::string& message) { messages.push_back(message); }));
  }
  for (size_t i = 0; i < n; ++i)
    fils_.emplace_back([this, i] { travailler(*ecrivains_[i], messages_[i]); });
}

int EquipeCartes::ouvriersConstruction() {
  const int processeurs = static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(processeurs - 2, 1, 6);
}

EquipeCartes::~EquipeCartes() {
  {
    std::lock_guard garde(verrou_);
    arret_ = true;
  }
  travail_.notify_all();
  for (std::thread& fil : fils_) fil.join();
  if (derniere_) principal_.reprendre(std::move(*derniere_));
}

void EquipeCartes::demander(EntreesCarte entrees) {
  bool reveiller;
  {
    std::lock_guard garde(verrou_);
    taches_.emplace_back().entrees = std::move(entrees);
    // A sleeping writer is woken for a few cards at once: a wake-up costs the asking thread
    // about what it takes to prepare a card.
    reveiller = inactifs_ > 0 && premiere_ + taches_.size() - suivante_ >= kLot;
  }
  if (reveiller) travail_.notify_one();
}

void EquipeCartes::travailler(EcrivainCartes& ecrivain, std::vector<std::string>& messages) {
  std::unique_lock garde(verrou_);
  for (;;) {
    ++inactifs_;
    travail_.wait(garde, [&] { return arret_ || suivante_ < premiere_ + taches_.size(); });
    --inactifs_;
    if (arret_) return;
    const size_t numero = suivante_++;
    Tache& tache = taches_[numero - premiere_];
    EntreesCarte entrees = std::move(tache.entrees);
    entrees.ordre = numero + 1;
    // A card taken back is filled again here, and the one it held freed here, not by the asking
    // thread.
    std::unique_ptr<EcrivainCartes::Carte> carte;
    if (!rendues_.empty()) {
      carte = std::move(rendues_.back());
      rendues_.pop_back();
    } else {
      carte = std::make_unique<EcrivainCartes::Carte>();
    }
    garde.unlock();
    static_cast<FenetresCarte&>(entrees) = fenetres_;
    std::exception_ptr erreur;
    if (ordreEssai) (*ordreEssai)(numero, false);
    try {
      *carte = ecrivain.ecrireCarte(std::move(entrees));
    } catch (...) {
      erreur = std::current_exception();
    }
    if (ordreEssai) (*ordreEssai)(numero, true);
    garde.lock();
    tache.carte = std::move(carte);
    tache.messages = std::exchange(messages, {});
    tache.erreur = erreur;
    tache.faite = true;
    if (attendue_ == numero) fait_.notify_one();
  }
}

std::optional<platform::LineList> EquipeCartes::prendre(
    const std::function<void(const std::string&)>& signaler) {
  std::unique_ptr<EcrivainCartes::Carte> carte;
  std::vector<std::string> messages;
  std::exception_ptr erreur;
  {
    std::unique_lock garde(verrou_);
    if (taches_.empty()) throw std::logic_error("EquipeCartes::prendre sans carte demandée");
    if (!taches_.front().faite) {
      if (suivante_ < premiere_ + taches_.size() && inactifs_ > 0) travail_.notify_all();
      attendue_ = premiere_;
      fait_.wait(garde, [&] { return taches_.front().faite; });
      attendue_ = kAucune;
    }
    Tache& tache = taches_.front();
    carte = std::move(tache.carte);
    messages = std::move(tache.messages);
    erreur = tache.erreur;
    taches_.pop_front();
    ++premiere_;
    if (derniere_) rendues_.push_back(std::move(derniere_));
  }
  for (const std::string& message : messages) signaler(message);
  if (erreur) std::rethrow_exception(erreur);
  principal_.ecrirePagesDetail(*carte);
  std::optional<platform::LineList> lignes = std::move(carte->lignes);
  derniere_ = std::move(carte);
  return lignes;
}

}  // namespace pages
