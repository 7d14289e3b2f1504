#include "platform/lines.h"

#include <cstring>

#include "platform/files.h"
#include "platform/text.h"

namespace platform {

LineList LineList::fromText(std::string_view text) {
  LineList list;
  const char* p = text.data();
  const char* const end = p + text.size();
  // Lines end at CR LF, CR or LF. memchr finds the next LF fast and a CR is looked for only
  // before it: a page of long lines costs two quick scans rather than a test per byte. The LF
  // found is kept while lines cut by lone CRs come before it.
  const char* lf = nullptr;
  while (p < end) {
    if (!lf || lf < p) {
      lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<size_t>(end - p)));
      if (!lf) lf = end;
    }
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<size_t>(lf - p)));
    const char* stop = cr ? cr : lf;
    list.lines_.emplace_back(p, static_cast<size_t>(stop - p));
    if (stop == end) break;
    p = stop + 1;
    if (cr && p == lf && p < end) ++p;  // CR LF
  }
  return list;
}

LineList LineList::load(const std::filesystem::path& path) {
  LineList list = fromText(readFile(path));
  for (const auto& line : list.lines_)
    if (line.size() > kMaxLineBytes)
      throw FileError("Le fichier " + path.string() + " est endommagé : une de ses lignes dépasse " +
                      std::to_string(kMaxLineBytes) + " caractères. Corrigez-le ou supprimez-le.");
  return list;
}

void LineList::save(const std::filesystem::path& path, Access access) const {
  writeFileAtomic(path, text(), access);
}
void LineList::saveExact(const std::filesystem::path& path) const { writeFileAtomicExact(path, text()); }

std::string LineList::text() const {
  size_t total = 0;
  for (const auto& l : lines_) total += l.size() + 2;
  std::string out;
  out.reserve(total);
  for (const auto& l : lines_) {
    out += l;
    out += "\r\n";
  }
  return out;
}

void LineList::insert(size_t index, std::string line) {
  lines_.insert(lines_.begin() + static_cast<long>(std::min(index, lines_.size())), std::move(line));
}

void LineList::erase(size_t index) {
  if (index < lines_.size()) lines_.erase(lines_.begin() + static_cast<long>(index));
}

int LineList::indexOf(std::string_view text) const {
  for (size_t i = 0; i < lines_.size(); ++i)
    if (equalsNoCase(lines_[i], text)) return static_cast<int>(i);
  return -1;
}

int LineList::indexOfName(std::string_view name) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    const std::string& l = lines_[i];
    size_t eq = l.find('=');
    if (eq != std::string::npos && equalsNoCase(std::string_view(l).substr(0, eq), name))
      return static_cast<int>(i);
  }
  return -1;
}

std::string LineList::value(std::string_view name) const {
  int i = indexOfName(name);
  if (i < 0) return {};
  const std::string& l = lines_[static_cast<size_t>(i)];
  return l.substr(l.find('=') + 1);
}

void LineList::setValue(std::string_view name, std::string_view value) {
  std::string line = std::string(name) + "=" + std::string(value);
  int i = indexOfName(name);
  if (i < 0)
    lines_.push_back(std::move(line));
  else
    lines_[static_cast<size_t>(i)] = std::move(line);
}

void LineList::sort() { sortFrench(lines_); }

ValueIndex::ValueIndex(const LineList& lines) {
  for (const auto& l : lines) {
    size_t eq = l.find('=');
    if (eq != std::string::npos)
      values_.try_emplace(upperAscii(std::string_view(l).substr(0, eq)), l.substr(eq + 1));
  }
}

std::optional<std::string> ValueIndex::find(std::string_view name) const {
  auto it = values_.find(upperAscii(name));
  if (it == values_.end()) return std::nullopt;
  return it->second;
}

void forEachKeyValue(const LineList& lines,
                     const std::function<void(std::string_view, std::string_view)>& fn) {
  for (const auto& l : lines) {
    size_t eq = l.find('=');
    if (eq == std::string::npos) continue;
    std::string_view v(l);
    fn(v.substr(0, eq), v.substr(eq + 1));
  }
}

std::map<std::string, std::string> exactKeyValues(const LineList& lines) {
  std::map<std::string, std::string> values;
  forEachKeyValue(lines, [&](std::string_view k, std::string_view v) {
    values[std::string(k)] = std::string(v);
  });
  return values;
}

LineList loadIfPresent(const DataFolder& folder, std::string_view name) {
  if (!folder.exists(name)) return {};
  return LineList::load(folder.path(name));
}

}  // namespace platform
