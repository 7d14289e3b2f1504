#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <functional>
#include <random>

#include "platform/name_index.h"
#include "platform/text.h"

namespace platform {

namespace {

std::string shown(const fs::path& p) { return p.string(); }

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

fs::path folderOf(const fs::path& file) {
  fs::path folder = file.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

bool writeBytes(int fd, std::string_view bytes) {
  const char* data = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    ssize_t n = ::write(fd, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    data += n;
    left -= static_cast<size_t>(n);
  }
  return true;
}

// Copies an open file into another with the kernel's copy, falling back to read and write
// where the file systems refuse it; closes the source; false on any failure.
bool copyAll(int in, int out) {
  bool ok = true;
  bool kernel = true;
  char buffer[65536];
  while (true) {
    ssize_t n = kernel ? ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0) : ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && kernel && (errno == EXDEV || errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
      kernel = false;
      continue;
    }
    if (n < 0) {
      ok = false;
      break;
    }
    if (n == 0) break;
    if (!kernel && !writeBytes(out, std::string_view(buffer, static_cast<size_t>(n)))) {
      ok = false;
      break;
    }
  }
  ::close(in);
  return ok;
}

bool syncToDisc(int fd) {
  if (::fsync(fd) != 0) return false;
  if (discSyncs) ++*discSyncs;
  return true;
}

std::string temporaryName(const fs::path& target) {
  static thread_local std::mt19937 random{std::random_device{}()};
  return "." + target.filename().string() + ".tmp" + std::to_string(random());
}

// Fills a temporary file beside the target with `fill`, then renames it over the target.
bool replaceThrough(const fs::path& target, const std::function<bool(int)>& fill,
                    Access access = Access::everyone) {
  const fs::path folder = folderOf(target);
  const fs::path temp = folder / temporaryName(target);
  name_index::Change change(folder);
  int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                  access == Access::owner ? 0600 : 0644);
  if (fd < 0) return false;
  bool ok = fill(fd);
  if (::close(fd) != 0) ok = false;
  if (!ok || ::rename(temp.c_str(), target.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  change.added(target.filename().string(), name_index::Kind::file);
  return true;
}

// Cuts what is left of older bytes after `end` (-1: the write failed) and closes.
// Not emptied before writing: a file emptied then closed is written to disk at once by some file
// systems.
bool closeGeneratedFile(int fd, off_t end) {
  struct stat s {};
  bool ok = end >= 0 && ::fstat(fd, &s) == 0;
  if (ok && end < s.st_size && ::ftruncate(fd, end) != 0) ok = false;
  if (::close(fd) != 0) ok = false;
  return ok;
}

// Fills the target (created when missing) over its old bytes, then cuts what is left of them.
bool replaceInPlace(const fs::path& target, const std::function<bool(int)>& fill) {
  int fd = openGeneratedFile(target);
  if (fd < 0) return false;
  bool ok = fill(fd);
  const off_t end = ok ? ::lseek(fd, 0, SEEK_CUR) : -1;
  return closeGeneratedFile(fd, end);
}

PathKind kindOfMode(mode_t mode) {
  return S_ISREG(mode) ? PathKind::file : S_ISDIR(mode) ? PathKind::folder : PathKind::other;
}

PathKind kindOfEntry(name_index::Kind kind) {
  switch (kind) {
    case name_index::Kind::file: return PathKind::file;
    case name_index::Kind::folder: return PathKind::folder;
    case name_index::Kind::other: return PathKind::other;
  }
  return PathKind::other;
}

}  // namespace

// One stat when the name exists as given; otherwise its folder's index answers (one stat of the
// folder), and only a missing folder makes the parent be resolved in turn.
ResolvedPath resolvePathKind(const fs::path& path) {
  if (path.empty()) return {path};
  struct stat s {};
  if (::stat(path.c_str(), &s) == 0) return {path, kindOfMode(s.st_mode)};
  fs::path parent = path.parent_path();
  fs::path name = path.filename();
  if (name.empty() || parent == path) return {path};
  if (name == "." || name == "..") return {resolvePath(parent) / name};
  fs::path folder = parent;
  bool folderMissing = false;
  auto found = name_index::lookup(folder.empty() ? fs::path(".") : folder, name.string(), folderMissing);
  if (!found && folderMissing) {
    folder = resolvePath(parent);
    if (folder != parent) found = name_index::lookup(folder, name.string(), folderMissing);
  }
  if (found) return {folder / found->name, kindOfEntry(found->kind)};
  return {folder / name};
}

fs::path resolvePath(const fs::path& path) { return resolvePathKind(path).path; }

bool fileExists(const fs::path& path) { return resolvePathKind(path).kind == PathKind::file; }

bool folderExists(const fs::path& path) { return resolvePathKind(path).kind == PathKind::folder; }

std::string readFile(const fs::path& path) {
  // The name as given is opened first: a look-up only when it is missing in that case.
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0 && errno == ENOENT) fd = ::open(resolvePath(path).c_str(), O_RDONLY | O_CLOEXEC);
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

void writeFileAtomic(const fs::path& path, std::string_view bytes, Access access) {
  writeFileAtomicExact(resolvePath(path), bytes, access);
}

void writeFileAtomicExact(const fs::path& path, std::string_view bytes, Access access) {
  if (!replaceThrough(path, [&](int fd) { return writeBytes(fd, bytes) && syncToDisc(fd); },
                      access))
    throw FileError("Impossible d'écrire le fichier " + shown(path));
}

int openGeneratedFile(const fs::path& path) {
  name_index::Change change(folderOf(path));
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) return -1;
  struct stat s {};
  if (::fstat(fd, &s) != 0) {
    ::close(fd);
    return -1;
  }
  if (s.st_nlink > 1) {
    // Another name shares these bytes: this name gets a file of its own.
    ::close(fd);
    if (::unlink(path.c_str()) != 0) return -1;
    fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return -1;
  }
  change.added(path.filename().string(), name_index::Kind::file);
  return fd;
}

void appendGeneratedFile(const fs::path& path, std::string_view bytes) {
  name_index::Change change(folderOf(path));
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
  if (fd < 0) throw FileError("Impossible d'écrire le fichier " + shown(path));
  change.added(path.filename().string(), name_index::Kind::file);
  const bool ok = writeBytes(fd, bytes);
  if (::close(fd) != 0 || !ok) throw FileError("Impossible d'écrire le fichier " + shown(path));
}

bool finishGeneratedFile(int fd, std::string_view bytes) {
  return closeGeneratedFile(fd, writeBytes(fd, bytes) ? static_cast<off_t>(bytes.size()) : -1);
}

void writeGeneratedFile(const fs::path& path, std::string_view bytes, bool inPlace) {
  auto fill = [&](int fd) { return writeBytes(fd, bytes); };
  if (!(inPlace ? replaceInPlace(path, fill) : replaceThrough(path, fill)))
    throw FileError("Impossible d'écrire le fichier " + shown(path));
}

// Whether the two files, of the same size, hold the same bytes; both read from their start.
static bool sameBytes(int a, int b) {
  char left[65536], right[65536];
  while (true) {
    ssize_t n = ::read(a, left, sizeof left);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    ssize_t got = 0;
    while (got < n) {
      ssize_t m = ::read(b, right + got, static_cast<size_t>(n - got));
      if (m < 0 && errno == EINTR) continue;
      if (m <= 0) return false;
      got += m;
    }
    if (std::memcmp(left, right, static_cast<size_t>(n)) != 0) return false;
  }
}

bool copyGeneratedFile(const fs::path& source, const fs::path& destination, bool inPlace) {
  int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return false;
  // A copy already holding these bytes is not written again. It still takes its source's time
  // below: the file in place may be another one the build set aside and took back, holding the
  // same bytes under another time, and the publication's records describe a copy by its
  // source's time.
  struct stat from {}, to {};
  if (::fstat(in, &from) != 0) from = {};
  if (from.st_mtim.tv_sec != 0 && ::stat(destination.c_str(), &to) == 0 && S_ISREG(to.st_mode) &&
      to.st_size == from.st_size) {
    int old = ::open(destination.c_str(), O_RDONLY | O_CLOEXEC);
    const bool same = old >= 0 && sameBytes(in, old);
    if (old >= 0) ::close(old);
    if (same) {
      ::close(in);
      if (to.st_mtim.tv_sec != from.st_mtim.tv_sec || to.st_mtim.tv_nsec != from.st_mtim.tv_nsec) {
        const struct timespec temps[2] = {from.st_atim, from.st_mtim};
        ::utimensat(AT_FDCWD, destination.c_str(), temps, 0);
      }
      return true;
    }
    if (::lseek(in, 0, SEEK_SET) != 0) {
      ::close(in);
      return false;
    }
  }
  bool opened = false;
  auto fill = [&](int out) {
    opened = true;
    const bool copied = copyAll(in, out);
    if (copyWritten) (*copyWritten)(destination);
    return copied;
  };
  bool ok = inPlace ? replaceInPlace(destination, fill) : replaceThrough(destination, fill);
  if (!opened) ::close(in);
  // The copy takes its source's time: a build that copies an unchanged picture again into a new
  // file leaves it as the publication's records describe it.
  if (ok && from.st_mtim.tv_sec != 0) {
    const struct timespec temps[2] = {from.st_atim, from.st_mtim};
    ::utimensat(AT_FDCWD, destination.c_str(), temps, 0);
  }
  return ok;
}

bool linkGeneratedFile(const fs::path& source, const fs::path& destination) {
  struct stat from {}, to {};
  if (::stat(source.c_str(), &from) != 0 || !S_ISREG(from.st_mode)) return false;
  const bool present = ::stat(destination.c_str(), &to) == 0;
  if (present && to.st_dev == from.st_dev && to.st_ino == from.st_ino) return true;
  const fs::path folder = folderOf(destination);
  name_index::Change change(folder);
  // A new name is linked at once; an existing one is replaced through a temporary name, so that
  // it never goes missing.
  if (!present && ::link(source.c_str(), destination.c_str()) == 0) {
    change.added(destination.filename().string(), name_index::Kind::file);
    return true;
  }
  const fs::path temp = folder / temporaryName(destination);
  if (::link(source.c_str(), temp.c_str()) != 0)
    return copyGeneratedFile(source, destination, false);
  if (::rename(temp.c_str(), destination.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  change.added(destination.filename().string(), name_index::Kind::file);
  return true;
}

bool removeFile(const fs::path& path) {
  std::error_code ec;
  auto [real, kind] = resolvePathKind(path);
  if (kind != PathKind::file) return false;
  name_index::Change change(folderOf(real));
  if (!fs::remove(real, ec)) return false;
  change.removed(real.filename().string());
  return true;
}

bool renameFile(const fs::path& from, const fs::path& to) {
  fs::path source = resolvePath(from);
  fs::path target = resolvePath(to);
  std::error_code ec;
  if (!fs::exists(source, ec)) return false;
  if (fs::exists(target, ec)) {
    // Only a change of letter case of the same file is allowed.
    if (!fs::equivalent(source, target, ec)) return false;
    name_index::Change change(folderOf(source));
    if (::rename(source.c_str(), (target.parent_path() / to.filename()).c_str()) != 0) return false;
    change.removed(source.filename().string());
    change.added(to.filename().string(), name_index::Kind::file);
    return true;
  }
  return renameFileExact(source, target);
}

bool renameFileExact(const fs::path& from, const fs::path& to) {
  name_index::Change leaving(folderOf(from), folderOf(to));
  name_index::Change arriving(folderOf(to));
  auto moved = [&](bool done) {
    if (done) {
      leaving.removed(from.filename().string());
      std::error_code ec;
      arriving.added(to.filename().string(),
                     fs::is_directory(to, ec) ? name_index::Kind::folder : name_index::Kind::file);
    }
    return done;
  };
  // link + unlink refuses an existing target atomically, unlike rename.
  if (::link(from.c_str(), to.c_str()) == 0) {
    // Each name noted as it comes and goes: a rename cut between the two leaves both, as known.
    arriving.added(to.filename().string(), name_index::Kind::file);
    if (betweenLinkAndUnlink) (*betweenLinkAndUnlink)();
    if (::unlink(from.c_str()) != 0) return false;
    leaving.removed(from.filename().string());
    return true;
  }
  std::error_code ec;
  if (errno == EEXIST || !fs::exists(from, ec) || fs::exists(to, ec)) return false;
  fs::rename(from, to, ec);
  return moved(!ec);
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
  auto [real, kind] = resolvePathKind(path);
  if (kind == PathKind::folder) return true;
  std::error_code ec;
  if (!real.has_relative_path()) return false;
  if (real.filename().empty()) return makeFolder(real.parent_path());  // "a/b/"
  const fs::path parent = real.parent_path();
  if (!parent.empty() && parent != real && !makeFolder(parent)) return false;
  name_index::Change change(folderOf(real));
  if (fs::create_directory(real, ec)) change.added(real.filename().string(), name_index::Kind::folder);
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
  std::vector<std::string> maskList;
  for (const auto& mask : split(masks, ';'))
    if (std::string m = trim(mask); !m.empty()) maskList.push_back(m == "*.*" ? "*" : m);
  name_index::forEach(resolvePath(folder), [&](const std::string& name, name_index::Kind kind) {
    if (kind != name_index::Kind::file) return;
    if (name.size() > 5 && name[0] == '.' && contains(name, ".tmp")) return;  // our own temporaries
    for (const auto& mask : maskList)
      if (wildcardMatch(name, mask)) {
        names.push_back(name);
        return;
      }
  });
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
  const fs::path real = resolvePath(folder);
  std::vector<std::string> found;
  name_index::forEach(real, [&](const std::string& name, name_index::Kind kind) {
    if (kind == name_index::Kind::file && isOwnTemporary(name)) found.push_back(name);
  });
  int removed = 0;
  for (const auto& name : found)
    if (removeFile(real / name)) ++removed;
  return removed;
}

std::vector<std::string> listFolders(const fs::path& folder) {
  std::vector<std::string> names;
  name_index::forEach(resolvePath(folder), [&](const std::string& name, name_index::Kind kind) {
    if (kind == name_index::Kind::folder) names.push_back(name);
  });
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
  name_index::Change change(folderOf(probe));
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

namespace {

// Where a link ends, the links it leads to followed in turn (a dangling one as far as it goes);
// nullopt when that cannot be told (a loop, an unreadable link).
std::optional<fs::path> linkEnd(fs::path at) {
  std::error_code ec;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat s {};
    if (::lstat(at.c_str(), &s) != 0 || !S_ISLNK(s.st_mode)) return at;
    const fs::path target = fs::read_symlink(at, ec);
    if (ec) return std::nullopt;
    at = fs::weakly_canonical(target.is_absolute() ? target : at.parent_path() / target, ec);
    if (ec) return std::nullopt;
  }
  return std::nullopt;
}

bool within(const fs::path& real, const fs::path& realRoot) {
  const fs::path relative = real.lexically_relative(realRoot);
  return !relative.empty() && *relative.begin() != "..";
}

}  // namespace

void refuseLinksOut(const fs::path& root, const fs::path& path) {
  const fs::path relative = path.lexically_relative(root);
  if (relative.empty() || *relative.begin() == "..") return;
  std::optional<fs::path> realRoot;
  fs::path at = root;
  for (const auto& part : relative) {
    if (part == ".") continue;
    at /= part;
    struct stat s {};
    if (::lstat(at.c_str(), &s) != 0) return;
    if (!S_ISLNK(s.st_mode)) continue;
    std::error_code ec;
    if (!realRoot) realRoot = fs::weakly_canonical(root, ec);
    const auto end = linkEnd(at);
    if (ec || !end || !within(*end, *realRoot))
      throw FileError("Le lien symbolique " + shown(at) + " mène hors du dossier de données " +
                      shown(root));
  }
}

DataFolder::DataFolder(fs::path root) : root_(std::move(root)) {}

fs::path DataFolder::path(std::string_view name) const {
  auto relative = safeRelativePath(name);
  if (!relative) throw FileError("Nom de fichier refusé : " + std::string(name));
  if (relative->empty()) return root_;
  fs::path resolved = resolvePath(root_ / *relative);
  refuseLinksOut(root_, resolved);
  return resolved;
}

}  // namespace platform
