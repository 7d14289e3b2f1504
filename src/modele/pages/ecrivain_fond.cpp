#include "modele/pages/ecrivain_fond.h"

#include "platform/files.h"

namespace pages {

namespace {

// Pages waiting at most: enough to keep the writer busy, little memory.
constexpr size_t kEnAttente = 4;

}  // namespace

EcrivainFond::EcrivainFond() : fil_([this] { boucle(); }) {}

EcrivainFond::~EcrivainFond() {
  {
    std::unique_lock verrou(verrou_);
    attendreQue(verrou, [this] { return file_.empty() && !enCours_; });
    fin_ = true;
  }
  travail_.notify_one();
  fil_.join();
}

template <typename Condition>
void EcrivainFond::attendreQue(std::unique_lock<std::mutex>& verrou, Condition condition) {
  appelantAttend_ = true;
  place_.wait(verrou, condition);
  appelantAttend_ = false;
}

void EcrivainFond::signalerEchec(std::unique_lock<std::mutex>& verrou) {
  if (!echec_) return;
  const std::string message = "Impossible d'écrire le fichier " + echec_->string();
  echec_.reset();
  verrou.unlock();
  throw platform::FileError(message);
}

void EcrivainFond::ecrire(int fd, std::string octets, std::filesystem::path chemin) {
  std::unique_lock verrou(verrou_);
  attendreQue(verrou, [this] { return file_.size() < kEnAttente || echec_; });
  if (echec_) {
    platform::finishGeneratedFile(fd, {});
    signalerEchec(verrou);
  }
  file_.push_back({fd, std::move(octets), std::move(chemin)});
  if (filAttend_) travail_.notify_one();
}

void EcrivainFond::attendre() {
  std::unique_lock verrou(verrou_);
  attendreQue(verrou, [this] { return file_.empty() && !enCours_; });
  signalerEchec(verrou);
}

void EcrivainFond::boucle() {
  std::unique_lock verrou(verrou_);
  while (true) {
    filAttend_ = true;
    travail_.wait(verrou, [this] { return !file_.empty() || fin_; });
    filAttend_ = false;
    if (file_.empty()) return;
    Travail t = std::move(file_.front());
    file_.pop_front();
    enCours_ = true;
    verrou.unlock();
    const bool ecrit = platform::finishGeneratedFile(t.fd, t.octets);
    verrou.lock();
    enCours_ = false;
    // After a failure the pages still waiting are closed unwritten: the build stops anyway.
    if (!ecrit && !echec_) echec_ = std::move(t.chemin);
    if (echec_) {
      for (Travail& reste : file_) platform::finishGeneratedFile(reste.fd, {});
      file_.clear();
    }
    if (appelantAttend_) place_.notify_one();
  }
}

}  // namespace pages
