#pragma once
// Files of the data folder. Stored names may use "\" and any letter case: the data folders come
// from a case-insensitive file system, so a name that does not exist with its exact case is found
// by a case-insensitive match. Whole-file writes are atomic.

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

namespace fs = std::filesystem;

// An I/O failure; what() is a French message (Windows-1252) fit to show to the user.
class FileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The path itself when it exists; otherwise each missing component is matched without regard to
// case against its folder. Components that match nothing are kept as given.
fs::path resolvePath(const fs::path& path);
// resolvePath, with what the resolved path names.
enum class PathKind { missing, file, folder, other };
struct ResolvedPath {
  fs::path path;
  PathKind kind = PathKind::missing;
};
ResolvedPath resolvePathKind(const fs::path& path);

bool fileExists(const fs::path& path);
bool folderExists(const fs::path& path);
// Whole content; throws FileError when the file cannot be read.
std::string readFile(const fs::path& path);
// Who may read a file the program writes: a file holding a password is its owner's alone from
// its first byte (its temporary file too).
enum class Access { everyone, owner };
// Writes a temporary file in the same folder, then renames it over the target: a failed write
// leaves the old file as it was. Throws FileError.
void writeFileAtomic(const fs::path& path, std::string_view bytes, Access access = Access::everyone);
// The same under the name exactly as given (see renameFileExact).
void writeFileAtomicExact(const fs::path& path, std::string_view bytes,
                          Access access = Access::everyone);
// For generated files that a build rewrites whole and whose unfinished state a mark covers: no
// wait for the disk. In place truncates the file and writes into it (for a folder the build has
// just emptied); otherwise a temporary file is renamed over it. Names exactly as given.
void writeGeneratedFile(const fs::path& path, std::string_view bytes, bool inPlace);
// Adds bytes at the end of a generated file (created when missing), without reading it; a crash
// may leave the last ones cut short, so a reader must refuse an incomplete line.
void appendGeneratedFile(const fs::path& path, std::string_view bytes);
// The same for a copy, made by the kernel without reading the file into memory; false when the
// source is missing or the copy failed.
bool copyGeneratedFile(const fs::path& source, const fs::path& destination, bool inPlace);
// writeGeneratedFile in place in two steps, for a caller that writes the bytes on another
// thread: the file opened (created when missing) on the caller's, -1 when it cannot be; then its
// bytes from the start, what is left of older ones cut, and closed: false on failure.
int openGeneratedFile(const fs::path& path);
bool finishGeneratedFile(int fd, std::string_view bytes);
// The same bytes under a second name: a link to the source's file, replacing the destination,
// or a copy where the file system has no links; false when the source is missing or it failed.
// Writing in place never writes into a file that has another name (it is replaced instead), so
// the two names stay apart as soon as either is rewritten.
bool linkGeneratedFile(const fs::path& source, const fs::path& destination);
bool removeFile(const fs::path& path);
// Never replaces an existing file, whatever its letter case; false when refused or failed.
bool renameFile(const fs::path& from, const fs::path& to);
// The same with both names exactly as given, for a caller that listed the folder once and knows
// no other letter case stands there: no folder scan per call. Never replaces an existing target.
bool renameFileExact(const fs::path& from, const fs::path& to);
// For tests, while set: runs in this thread's renames between the new name's link and the old
// name's unlink, where a kill or a failed unlink leaves the file under both names. May throw.
inline thread_local const std::function<void()>* betweenLinkAndUnlink = nullptr;
// With failIfExists an existing destination is kept and the copy fails.
bool copyFile(const fs::path& source, const fs::path& destination, bool failIfExists);
bool makeFolder(const fs::path& path);  // with its parents; true when it exists afterwards
bool removeFolder(const fs::path& path);  // with all it holds; true when it is gone afterwards
long long fileSize(const fs::path& path);  // -1 when missing

// A folder's names are listed once and kept as the functions here write, rename and delete; a
// folder changed by another program is listed again. Every listing is counted here, by folder,
// while set: tests check that the count does not grow with the catalogue.
inline std::map<std::string, int>* folderListings = nullptr;
// Counted while set: the files an atomic write forced to the disc, before it renames them.
inline int* discSyncs = nullptr;
// Called while set by copyGeneratedFile once the copy's bytes are written, before it cuts what is
// left of older ones: a test runs a second copy to the same name there.
inline std::function<void(const fs::path& destination)>* copyWritten = nullptr;

// "*.ref", "*.jpg;*.jpeg;*img.gif;": '*' and '?' wildcards, ';' between masks, case ignored.
bool matchesMask(std::string_view name, std::string_view masks);
// Names of the regular files of a folder matching the masks, ordered by their upper-cased bytes.
std::vector<std::string> listFiles(const fs::path& folder, std::string_view masks = "*");
std::vector<std::string> listFolders(const fs::path& folder);

// ".<name>.tmp<number>" or ".<name>.part<number>" (digits, or "<process>_<counter>"): what an
// atomic write or a download leaves behind when the program is killed before its rename.
bool isOwnTemporary(std::string_view name);
// Removes those of the folder (not below it); the number removed.
int removeOwnTemporaries(const fs::path& folder);

// The name rules of the original file system: no reserved device name (CON, PRN, AUX, NUL,
// COM1-9, LPT1-9, with or without extension), none of < > : " / \ | ? * or control bytes, no
// trailing blank or dot, at most 255 bytes.
bool isWindowsFileName(std::string_view name);
// The "can a file of this name be created here" test: the rules above, then, when no such file
// exists, a real create-and-delete in the folder. An existing file is never touched.
bool canCreateFile(const fs::path& folder, std::string_view name);
// True when the program may replace, rename or delete this existing file or write into this
// folder (the file and its folder both writable); nothing is touched.
bool canModify(const fs::path& path);

// A stored name ("img\photo.jpg") as a relative path; nullopt when it is absolute or climbs out
// with "..".
std::optional<fs::path> safeRelativePath(std::string_view name);

// Throws FileError naming the link when a symbolic link met on the way from `root` down to `path`
// (the path itself included) leads out of `root`, which a data folder received from elsewhere
// may hold: nothing is then written, deleted, read or published through it. Links that stay
// inside are followed; the walk ends at the first part that does not exist.
void refuseLinksOut(const fs::path& root, const fs::path& path);

class DataFolder {
 public:
  explicit DataFolder(fs::path root);
  const fs::path& root() const { return root_; }
  // root + name, resolved without regard to case; throws FileError when the name would leave the
  // data folder, by its own parts or through a link (refuseLinksOut).
  fs::path path(std::string_view name) const;
  bool exists(std::string_view name) const { return fileExists(path(name)); }

 private:
  fs::path root_;
};

}  // namespace platform
