#pragma once
// The bytes of the pages a build opens, written on a thread of its own in the order given, so
// that making the next page overlaps writing the last one. Only the bytes: the files are created,
// named and linked by the build's own thread, so the platform's name index sees one writer.

#include <condition_variable>
#include <deque>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace pages {

class EcrivainFond {
 public:
  EcrivainFond();
  // Waits for every page; a failure not yet told is dropped (the build is already stopping).
  ~EcrivainFond();
  EcrivainFond(const EcrivainFond&) = delete;
  EcrivainFond& operator=(const EcrivainFond&) = delete;

  // Takes the open file (see platform::openGeneratedFile). Throws platform::FileError naming the
  // first page that could not be written, when one failed since.
  void ecrire(int fd, std::string octets, std::filesystem::path chemin);
  // Returns once every page given is written; throws as ecrire does.
  void attendre();

 private:
  struct Travail {
    int fd;
    std::string octets;
    std::filesystem::path chemin;
  };
  void boucle();
  void signalerEchec(std::unique_lock<std::mutex>& verrou);
  template <typename Condition>
  void attendreQue(std::unique_lock<std::mutex>& verrou, Condition condition);

  std::mutex verrou_;
  // Each side is woken only while it waits: a wake-up costs the kernel more than a page's turn.
  std::condition_variable travail_, place_;
  bool filAttend_ = false, appelantAttend_ = false;
  std::deque<Travail> file_;
  bool enCours_ = false;  // a page is being written
  bool fin_ = false;
  std::optional<std::filesystem::path> echec_;
  std::thread fil_;
};

}  // namespace pages
