#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>

#include "platform/text.h"

namespace platform {

namespace {

std::string shown(const fs::path& p) { return p.string(); }

// Finds name in folder without regard to case; the first match in listing order.
std::optional<std::string> findNoCase(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  fs::directory_iterator it(folder, ec);
  if (ec) return std::nullopt;
  std::optional<std::string> best;
  for (const auto& entry : it) {
    std::string candidate = entry.path().filename().string();
    if (fileNamesEqual(candidate, name) && (!best || candidate < *best)) best = candidate;
  }
  return best;
}

bool wildcardMatch(std::string_view name, std::string_view mask) {
  size_t n = 0, m = 0, starM = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (m < mask.size() && (mask[m] == '?' || foldFileNameChar(mask[m]) == foldFileNameChar(name[n]))) {
      ++n;
      ++m;
    } else if (m < mask.size() && mask[m] == '*') {
      starM = m++;
      starN = n;
    } else if (starM != std::string_view::npos) {
      m = starM + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (m < mask.size() && mask[m] == '*') ++m;
  return m == mask.size();
}

bool lessByUpper(const std::string& a, const std::string& b) {
  std::string ua = foldFileName(a), ub = foldFileName(b);
  if (ua != ub) return ua < ub;
  return a < b;
}

}  // namespace

fs::path resolvePath(const fs::path& path) {
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return path;
  fs::path parent = path.parent_path();
  fs::path name = path.filename();
  if (name.empty() || parent == path) return path;
  fs::path resolvedParent = resolvePath(parent);
  if (name == "." || name == "..") return resolvedParent / name;
  if (auto found = findNoCase(resolvedParent, name.string())) return resolvedParent / *found;
  return resolvedParent / name;
}

bool fileExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_regular_file(resolvePath(path), ec);
}

bool folderExists(const fs::path& path) {
  std::error_code ec;
  return fs::is_directory(resolvePath(path), ec);
}

std::string readFile(const fs::path& path) {
  fs::path real = resolvePath(path);
  int fd = ::open(real.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileError("Impossible de lire le fichier " + shown(path));
  std::string content;
  char buffer[65536];
  while (true) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      ::close(fd);
      throw FileError("Impossible de lire le fichier " + shown(path));
    }
    if (n == 0) break;
    content.append(buffer, static_cast<size_t>(n));
  }
  ::close(fd);
  return content;
}

void writeFileAtomic(const fs::path& path, std::string_view bytes) {
  writeFileAtomicExact(resolvePath(path), bytes);
}

void writeFileAtomicExact(const fs::path& path, std::string_view bytes) {
  const fs::path& target = path;
  fs::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  static thread_local std::mt19937 random{std::random_device{}()};
  fs::path temp = folder / ("." + target.filename().string() + ".tmp" + std::to_string(random()));
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError("Impossible d'écrire le fichier " + shown(path));
  const char* data = bytes.data();
  size_t left = bytes.size();
  bool ok = true;
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    data += n;
    left -= static_cast<size_t>(n);
  }
  if (ok && ::fsync(fd) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  if (ok && ::rename(temp.c_str(), target.c_str()) != 0) ok = false;
  if (!ok) {
    ::unlink(temp.c_str());
    throw FileError("Impossible d'écrire le fichier " + shown(path));
  }
}

bool removeFile(const fs::path& path) {
  std::error_code ec;
  fs::path real = resolvePath(path);
  if (!fs::is_regular_file(real, ec)) return false;
  return fs::remove(real, ec);
}

bool renameFile(const fs::path& from, const fs::path& to) {
  fs::path source = resolvePath(from);
  fs::path target = resolvePath(to);
  std::error_code ec;
  if (!fs::exists(source, ec)) return false;
  if (fs::exists(target, ec)) {
    // Only a change of letter case of the same file is allowed.
    if (!fs::equivalent(source, target, ec)) return false;
    return ::rename(source.c_str(), (target.parent_path() / to.filename()).c_str()) == 0;
  }
  return renameFileExact(source, target);
}

bool renameFileExact(const fs::path& from, const fs::path& to) {
  // link + unlink refuses an existing target atomically, unlike rename.
  if (::link(from.c_str(), to.c_str()) == 0) return ::unlink(from.c_str()) == 0;
  std::error_code ec;
  if (errno == EEXIST || !fs::exists(from, ec) || fs::exists(to, ec)) return false;
  fs::rename(from, to, ec);
  return !ec;
}

bool copyFile(const fs::path& source, const fs::path& destination, bool failIfExists) {
  fs::path src = resolvePath(source);
  fs::path dst = resolvePath(destination);
  std::error_code ec;
  if (!fs::is_regular_file(src, ec)) return false;
  if (fs::exists(dst, ec)) {
    if (failIfExists) return false;
    if (fs::equivalent(src, dst, ec)) return true;
  }
  try {
    writeFileAtomic(dst, readFile(src));
  } catch (const FileError&) {
    return false;
  }
  return true;
}

bool makeFolder(const fs::path& path) {
  fs::path real = resolvePath(path);
  std::error_code ec;
  fs::create_directories(real, ec);
  return fs::is_directory(real, ec);
}

bool removeFolder(const fs::path& path) {
  fs::path real = resolvePath(path);
  std::error_code ec;
  fs::remove_all(real, ec);
  return !fs::exists(real, ec);
}

long long fileSize(const fs::path& path) {
  std::error_code ec;
  auto size = fs::file_size(resolvePath(path), ec);
  return ec ? -1 : static_cast<long long>(size);
}

bool matchesMask(std::string_view name, std::string_view masks) {
  for (const auto& mask : split(masks, ';')) {
    std::string m = trim(mask);
    if (m.empty()) continue;
    if (m == "*.*" || wildcardMatch(name, m)) return true;
  }
  return false;
}

std::vector<std::string> listFiles(const fs::path& folder, std::string_view masks) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(resolvePath(folder), ec);
  if (ec) return names;
  for (const auto& entry : it) {
    if (!entry.is_regular_file(ec)) continue;
    std::string name = entry.path().filename().string();
    if (name.size() > 5 && name[0] == '.' && contains(name, ".tmp")) continue;  // our own temporaries
    if (matchesMask(name, masks)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end(), lessByUpper);
  return names;
}

bool isOwnTemporary(std::string_view name) {
  if (name.size() < 2 || name[0] != '.') return false;
  // The number is random, or "<process>_<counter>" for the site build's writer.
  size_t digits = name.size();
  while (digits > 0 && ((name[digits - 1] >= '0' && name[digits - 1] <= '9') || name[digits - 1] == '_'))
    --digits;
  if (digits == name.size() || name[digits] == '_') return false;
  const std::string_view stem = name.substr(0, digits);
  for (std::string_view suffix : {".tmp", ".part"})
    if (stem.size() > suffix.size() + 1 && stem.ends_with(suffix)) return true;
  return false;
}

int removeOwnTemporaries(const fs::path& folder) {
  std::error_code ec;
  fs::directory_iterator it(resolvePath(folder), ec);
  if (ec) return 0;
  std::vector<fs::path> found;
  for (const auto& entry : it)
    if (entry.is_regular_file(ec) && isOwnTemporary(entry.path().filename().string()))
      found.push_back(entry.path());
  int removed = 0;
  for (const auto& path : found)
    if (fs::remove(path, ec)) ++removed;
  return removed;
}

std::vector<std::string> listFolders(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  fs::directory_iterator it(resolvePath(folder), ec);
  if (ec) return names;
  for (const auto& entry : it)
    if (entry.is_directory(ec)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end(), lessByUpper);
  return names;
}

bool isWindowsFileName(std::string_view name) {
  if (name.empty() || name.size() > 255) return false;
  for (char c : name) {
    unsigned char b = static_cast<unsigned char>(c);
    if (b < 32 || std::strchr("<>:\"/\\|?*", c) != nullptr) return false;
  }
  if (name.back() == ' ' || name.back() == '.') return false;
  std::string stem = upperAscii(name.substr(0, name.find('.')));
  stem = trimRight(stem);
  static const char* const reserved[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
  for (const char* r : reserved)
    if (stem == r) return false;
  if (stem.size() == 4 && (startsWith(stem, "COM") || startsWith(stem, "LPT")) && stem[3] >= '1' &&
      stem[3] <= '9')
    return false;
  return true;
}

bool canCreateFile(const fs::path& folder, std::string_view name) {
  if (!isWindowsFileName(name)) return false;
  fs::path target = resolvePath(folder / std::string(name));
  std::error_code ec;
  if (fs::exists(target, ec)) return true;
  // The probe carries one of our temporary names, so that a kill before its removal leaves
  // nothing the next start keeps (an empty sheet under the real name was one). A name too long
  // for the suffix is tried as itself.
  static thread_local std::mt19937 random{std::random_device{}()};
  const std::string probeName = "." + target.filename().string() + ".tmp" + std::to_string(random());
  const fs::path probe = probeName.size() <= 255 ? target.parent_path() / probeName : target;
  int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

bool canModify(const fs::path& path) {
  const fs::path target = resolvePath(path);
  std::error_code ec;
  fs::path folder = fs::is_directory(target, ec) ? target : target.parent_path();
  if (folder.empty()) folder = ".";
  if (::access(folder.c_str(), W_OK | X_OK) != 0) return false;
  return !fs::exists(target, ec) || ::access(target.c_str(), W_OK) == 0;
}

std::optional<fs::path> safeRelativePath(std::string_view name) {
  std::string n(name);
  std::replace(n.begin(), n.end(), '\\', '/');
  if (n.empty()) return fs::path();
  if (n[0] == '/' || (n.size() > 1 && n[1] == ':')) return std::nullopt;
  fs::path result;
  for (const auto& part : split(n, '/')) {
    if (part.empty() || part == ".") continue;
    if (part == "..") return std::nullopt;
    result /= part;
  }
  return result;
}

DataFolder::DataFolder(fs::path root) : root_(std::move(root)) {}

fs::path DataFolder::path(std::string_view name) const {
  auto relative = safeRelativePath(name);
  if (!relative) throw FileError("Nom de fichier refusé : " + std::string(name));
  if (relative->empty()) return root_;
  return resolvePath(root_ / *relative);
}

}  // namespace platform
