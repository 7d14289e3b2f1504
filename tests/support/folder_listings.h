#pragma once
// Counts every folder listing the program makes while alive, by path relative to a data folder
// (listings of folders outside it are left out: the name index keeps them for the process).

#include <filesystem>
#include <map>
#include <string>

namespace testing_support {

class FolderListings {
 public:
  explicit FolderListings(std::filesystem::path root);
  ~FolderListings();
  FolderListings(const FolderListings&) = delete;
  FolderListings& operator=(const FolderListings&) = delete;

  // Stops counting and gives the counts so far.
  std::map<std::string, int> stop();

 private:
  std::filesystem::path root_;
  std::map<std::string, int> counts_;
  bool counting_ = true;
};

}  // namespace testing_support
