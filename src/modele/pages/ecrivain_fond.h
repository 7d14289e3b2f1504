#pragma once
// The build's second thread for its pages: what it is handed runs there in the order given, so
// that making the next page overlaps finishing the last one (joining its lines, comparing them
// with the previous copy, creating and writing the page and its copy). The platform's name index
// and the build's folder may be used from both threads.

#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <thread>

namespace pages {

class EcrivainFond {
 public:
  EcrivainFond();
  // Waits for every task; a failure not yet told is dropped (the build is already stopping).
  ~EcrivainFond();
  EcrivainFond(const EcrivainFond&) = delete;
  EcrivainFond& operator=(const EcrivainFond&) = delete;

  // Runs `tache` after those handed before. What a task throws (platform::FileError naming the
  // file that could not be written) drops the tasks still waiting and is thrown by the next call
  // of confier or attendre; the tasks handed after that run again.
  void confier(std::function<void()> tache);
  // Returns once every task handed is done; throws as confier does.
  void attendre();

 private:
  void boucle();
  void signalerEchec(std::unique_lock<std::mutex>& verrou);
  template <typename Condition>
  void attendreQue(std::unique_lock<std::mutex>& verrou, Condition condition);

  std::mutex verrou_;
  // Each side is woken only while it waits: a wake-up costs the kernel more than a page's turn.
  std::condition_variable travail_, place_;
  bool filAttend_ = false, appelantAttend_ = false;
  std::deque<std::function<void()>> file_;
  bool enCours_ = false;  // a task is running
  bool fin_ = false;
  std::exception_ptr echec_;
  std::thread fil_;
};

}  // namespace pages
