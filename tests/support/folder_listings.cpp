#include "support/folder_listings.h"

#include "platform/files.h"

namespace testing_support {

FolderListings::FolderListings(std::filesystem::path root) : root_(std::move(root)) {
  platform::folderListings = &counts_;
}

FolderListings::~FolderListings() { stop(); }

std::map<std::string, int> FolderListings::stop() {
  if (counting_) platform::folderListings = nullptr;
  counting_ = false;
  std::map<std::string, int> inside;
  for (const auto& [folder, n] : counts_) {
    const auto relative = std::filesystem::path(folder).lexically_relative(root_);
    if (!relative.empty() && *relative.begin() != "..") inside[relative.generic_string()] += n;
  }
  return inside;
}

}  // namespace testing_support
