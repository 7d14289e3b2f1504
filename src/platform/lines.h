#pragma once
// The one text-file type: a list of lines, loaded from CR LF, LF or CR files and saved with CR LF
// after every line. Every loader and writer of the data folder goes through it.

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/files.h"

namespace platform {

// The longest line a file may hold, its values included: far above any line the program or a
// user writes, yet a hostile or damaged file can no longer make the program copy megabytes into
// every page, feed and message.
inline constexpr size_t kMaxLineBytes = 1024 * 1024;

class LineList {
 public:
  LineList() = default;
  LineList(std::initializer_list<std::string> lines) : lines_(lines) {}
  explicit LineList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

  // Splits text at CR LF, LF or CR alone; a final line end does not make an empty last line.
  static LineList fromText(std::string_view text);
  // The file's lines; throws FileError when it cannot be read, or, naming it as damaged, when a
  // line is longer than kMaxLineBytes.
  static LineList load(const std::filesystem::path& path);
  // Writes every line followed by CR LF, atomically (see writeFileAtomic).
  void save(const std::filesystem::path& path, Access access = Access::everyone) const;
  // Under the name exactly as given, without the case-blind lookup (writeFileAtomicExact).
  void saveExact(const std::filesystem::path& path) const;
  std::string text() const;

  size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  std::string& operator[](size_t i) { return lines_[i]; }
  const std::string& operator[](size_t i) const { return lines_[i]; }
  auto begin() { return lines_.begin(); }
  auto end() { return lines_.end(); }
  auto begin() const { return lines_.begin(); }
  auto end() const { return lines_.end(); }
  void add(std::string line) { lines_.push_back(std::move(line)); }
  void add(const LineList& other) { lines_.insert(lines_.end(), other.begin(), other.end()); }
  void insert(size_t index, std::string line);
  void erase(size_t index);
  void clear() { lines_.clear(); }
  std::vector<std::string>& lines() { return lines_; }
  const std::vector<std::string>& lines() const { return lines_; }

  // Index of the first line equal to text without regard to ASCII case, or -1.
  int indexOf(std::string_view text) const;
  // Index of the first line whose name (before "=") equals name without regard to case, or -1.
  int indexOfName(std::string_view name) const;
  // Name=value lookup: key case ignored, first line bearing the key wins; "" when absent.
  std::string value(std::string_view name) const;
  bool hasName(std::string_view name) const { return indexOfName(name) >= 0; }
  // Replaces the value of the first line bearing name, or appends "name=value".
  void setValue(std::string_view name, std::string_view value);

  // Sorts whole lines in the French order of the system.
  void sort();

  bool operator==(const LineList& other) const { return lines_ == other.lines_; }

 private:
  std::vector<std::string> lines_;
};

// A name=value list looked up as LineList::value does (key case ignored, the first line bearing a
// key wins), each look-up at a constant cost.
class ValueIndex {
 public:
  ValueIndex() = default;
  explicit ValueIndex(const LineList& lines);
  // nullopt when no line bears the key.
  std::optional<std::string> find(std::string_view name) const;
  std::string value(std::string_view name) const { return find(name).value_or(""); }

 private:
  std::unordered_map<std::string, std::string> values_;
};

// Line-by-line reader: each line split at its first "=", keys compared exactly, a later line wins.
// Lines without "=" are skipped.
void forEachKeyValue(const LineList& lines,
                     const std::function<void(std::string_view key, std::string_view value)>& fn);
std::map<std::string, std::string> exactKeyValues(const LineList& lines);

class DataFolder;
// The lines of a file of the data folder, or none when it is missing: an optional input of a page.
LineList loadIfPresent(const DataFolder& folder, std::string_view name);

}  // namespace platform
