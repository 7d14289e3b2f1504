// The temporary names of the files the FTP session sends, and the leftovers of sends cut short.

#include "platform/ftp.h"

#include "platform/ftp_internal.h"
#include "platform/ftp_listing.h"

#include <curl/curl.h>

#include <initializer_list>
#include <string>
#include <unordered_set>
#include <vector>

namespace platform {

namespace {

using ftp_internal::escaped;

// FTP commands for the library, freed with the list.
struct Commands {
  curl_slist* list = nullptr;
  Commands(std::initializer_list<std::string> commands) {
    for (const auto& c : commands) list = curl_slist_append(list, c.c_str());
  }
  explicit Commands(const std::vector<std::string>& commands) {
    for (const auto& c : commands) list = curl_slist_append(list, c.c_str());
  }
  ~Commands() { curl_slist_free_all(list); }
  Commands(const Commands&) = delete;
  Commands& operator=(const Commands&) = delete;
};

// The name a file travels under before it is renamed into place: hidden, so the site never
// serves it, and always the same, so a transfer cut short is overwritten by the next one.
std::string temporaryName(const std::string& remoteName) { return "." + remoteName + ".part"; }

}  // namespace

// Sent under a temporary name, then renamed into place: a transfer cut short never leaves the
// live file truncated.
int FtpSession::sendNow(std::string_view bytes, const std::string& remoteName) {
  const std::string temporary = temporaryName(remoteName);
  const std::string folder = folderUrl(folder_, absolute_);
  bool temporaryLeft = false;
  if (!ownNames_) {
    const Commands rename{"RNFR " + temporary, "RNTO " + remoteName};
    Transfer upload;
    upload.kind = Transfer::Kind::Put;
    upload.url = folder + escaped(temporary);
    upload.source = bytes;
    upload.after = rename.list;
    int result = transferNow(upload);
    if (result == CURLE_QUOTE_ERROR) {
      // Some servers rename only onto a free name.
      const Commands replace{"*DELE " + remoteName, "RNFR " + temporary, "RNTO " + remoteName};
      Transfer again;
      again.url = folder;
      again.before = replace.list;
      result = transferNow(again);
      if (result != CURLE_QUOTE_ERROR) return result;
      temporaryLeft = true;
    } else if (result != CURLE_UPLOAD_FAILED) {
      return result;
    }
    // A server that refuses the temporary name (many forbid names beginning with ".") or renames
    // nothing gets this file and the session's next ones under their own names, as before.
    ownNames_ = true;
  }
  const Commands drop{"*DELE " + temporary};
  Transfer direct;
  direct.kind = Transfer::Kind::Put;
  direct.url = folder + escaped(remoteName);
  direct.source = bytes;
  if (temporaryLeft) direct.after = drop.list;
  return transferNow(direct);
}

bool FtpSession::removeLeftovers(const std::unordered_set<std::string>& names,
                                 std::unordered_set<std::string>* present) {
  if (!ready("nettoyage")) return false;
  std::vector<std::string> deletions;
  const auto onLine = [&](std::string_view line) {
    const ListLine l = classifyListLine(line);
    const std::string& name = l.entry.name;
    if (present && l.kind == ListLineKind::Entry && !l.entry.folder) present->insert(name);
    // Only the temporary name of a file given: ".notes.part" may be the owner's own file.
    if (l.kind == ListLineKind::Entry && !l.entry.folder && name.size() > 6 &&
        name.starts_with('.') && name.ends_with(".part") && isFtpName(name) &&
        names.contains(name.substr(1, name.size() - 6)))
      deletions.push_back("*DELE " + name);
    return true;
  };
  // "-a": servers that hide names beginning with "." list them only when asked.
  if (!list(onLine, 64 * 1024, "LIST -a")) return false;
  if (deletions.empty()) return true;
  return runCommands(deletions);
}

bool FtpSession::remove(const std::vector<std::string>& names) {
  if (!ready("suppression")) return false;
  std::vector<std::string> deletions;
  // "*": one refused does not keep the others there.
  for (const auto& name : names) deletions.push_back("*DELE " + name);
  return deletions.empty() || runCommands(deletions);
}

bool FtpSession::runCommands(const std::vector<std::string>& commands) {
  const Commands liste(commands);
  Transfer transfer;
  transfer.url = folderUrl(folder_, absolute_);
  transfer.before = liste.list;
  return run(transfer);
}

}  // namespace platform
