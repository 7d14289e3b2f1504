#include "modele/pages/ecrivain_fond.h"

#include <utility>

namespace pages {

namespace {

// Tasks waiting at most: enough to keep the thread busy, little memory.
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
  std::exception_ptr echec = std::exchange(echec_, nullptr);
  verrou.unlock();
  std::rethrow_exception(echec);
}

void EcrivainFond::confier(std::function<void()> tache) {
  std::unique_lock verrou(verrou_);
  attendreQue(verrou, [this] { return file_.size() < kEnAttente || echec_; });
  signalerEchec(verrou);
  file_.push_back(std::move(tache));
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
    std::function<void()> tache = std::move(file_.front());
    file_.pop_front();
    enCours_ = true;
    verrou.unlock();
    std::exception_ptr echec;
    try {
      tache();
    } catch (...) {
      echec = std::current_exception();
    }
    tache = nullptr;  // what it holds is freed here
    verrou.lock();
    enCours_ = false;
    // After a failure the tasks still waiting are dropped: the build stops anyway.
    if (echec && !echec_) echec_ = echec;
    if (echec_) file_.clear();
    if (appelantAttend_) place_.notify_one();
  }
}

}  // namespace pages
