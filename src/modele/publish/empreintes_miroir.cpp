#include "modele/publish/empreintes_miroir.h"

#include "modele/pages/empreintes_pages.h"
#include "modele/publish/parametres_ftp.h"
#include "platform/text.h"

namespace publish {

namespace {

constexpr const char* kFichier = "tmp/transfert.emp";
constexpr const char* kLieu = "tmp/transfert.lieu";

auto etat(const std::filesystem::path& chemin) { return pages::EmpreintesPages::etat(chemin); }

}  // namespace

EmpreintesMiroir::EmpreintesMiroir(const platform::DataFolder& dossier)
    : dossier_(dossier), miroir_(charger(dossier, kFichier)) {
  // Lines of ours "ftp/<name>|...": files of the site no build record describes (the copied
  // pictures, the index pages), read once and described as they were then.
  for (auto it = miroir_.begin(); it != miroir_.end();) {
    if (it->first.starts_with("ftp/")) {
      lusSite_.insert_or_assign(it->first.substr(4), it->second);
      it = miroir_.erase(it);
    } else {
      ++it;
    }
  }
  for (auto& [nom, e] : charger(dossier, "tmp/pages.emp"))
    if (nom.starts_with("ftp/")) site_.insert_or_assign(nom.substr(4), e);
}

EmpreintesMiroir::Octets EmpreintesMiroir::mesurer(std::string_view contenu) {
  const auto o = pages::EmpreintesPages::mesurer(contenu);
  return {o.taille, o.hash};
}

std::unordered_map<std::string, EmpreintesMiroir::Empreinte> EmpreintesMiroir::charger(
    const platform::DataFolder& dossier, std::string_view fichier) {
  std::unordered_map<std::string, Empreinte> connues;
  try {
    if (!dossier.exists(fichier)) return connues;
    for (const std::string& ligne : platform::LineList::load(dossier.path(fichier)))
      if (auto lue = pages::EmpreintesPages::lireLigne(ligne))
        connues.insert_or_assign(std::move(lue->first), lue->second);
  } catch (const platform::FileError&) {
    connues.clear();  // no record: the files are read
  }
  return connues;
}

std::optional<EmpreintesMiroir::Octets> EmpreintesMiroir::valable(
    const std::unordered_map<std::string, Empreinte>& connues, const std::string& nom,
    const Empreinte& e) {
  const auto connue = connues.find(nom);
  if (connue == connues.end() || e.taille != connue->second.taille ||
      e.temps != connue->second.temps)
    return std::nullopt;
  return Octets{connue->second.taille, connue->second.hash};
}

std::optional<EmpreintesMiroir::Octets> EmpreintesMiroir::lire(const std::filesystem::path& chemin) {
  try {
    const std::string contenu = platform::readFile(chemin);
    octetsLus_ += static_cast<long long>(contenu.size());
    return mesurer(contenu);
  } catch (const platform::FileError&) {
    return std::nullopt;
  }
}

bool EmpreintesMiroir::identiques(const std::string& nom) {
  // The site's path first, missing copy or not: a file linked out of the folder is refused
  // before the list, not halfway through an upload.
  const auto site = dossier_.path("ftp/" + nom);
  const auto copie = dossier_.path("transfert/" + nom);
  // Each file's state asked once; the site's not at all when the mirror has no copy.
  const auto etatCopie = etat(copie);
  if (!etatCopie) return false;
  const auto etatSite = etat(site);
  if (!etatSite || etatCopie->taille != etatSite->taille) return false;
  std::optional<Octets> m = valable(miroir_, nom, *etatCopie);
  if (!m) {
    m = lire(copie);
    if (!m) return false;
    // Known from now on: the next comparison does not read it again.
    miroir_[nom] = {m->taille, etatCopie->temps, m->hash};
  }
  std::optional<Octets> s = valable(site_, nom, *etatSite);
  if (!s) s = valable(lusSite_, nom, *etatSite);
  if (!s) {
    s = lire(site);
    if (!s) return false;
    if (!site_.contains(nom)) lusSite_[nom] = {s->taille, etatSite->temps, s->hash};
  }
  return *s == *m;
}

void EmpreintesMiroir::enregistrer() const {
  platform::LineList lignes;
  auto ajouter = [&](const std::string& nom, const Empreinte& e) {
    if (nom.find_first_of("|\r\n") != std::string::npos) return;  // no room in a line
    lignes.add(pages::EmpreintesPages::ligne(nom, e));
  };
  for (const auto& [nom, e] : miroir_) ajouter(nom, e);
  for (const auto& [nom, e] : lusSite_)
    if (!site_.contains(nom)) ajouter("ftp/" + nom, e);  // the build's record describes those
  platform::makeFolder(dossier_.path("tmp"));
  platform::writeGeneratedFile(dossier_.path(kFichier), lignes.text(), false);
}

void NotesMiroir::noter(const std::string& nom, const EmpreintesMiroir::Octets& octets,
                        long long tempsSite) {
  if (nom.find_first_of("|\r\n") != std::string::npos) return;  // no room in a line
  using pages::EmpreintesPages;
  // The site's file as it was read, so that the next comparison need not read it either.
  if (tempsSite != 0)
    lignes_ += EmpreintesPages::ligne("ftp/" + nom, {octets.taille, tempsSite, octets.hash}) + "\r\n";
  // A copy not as written (a failed write) gets no line: its old one no longer matches it.
  const auto e = etat(dossier_.path("transfert/" + nom));
  if (!e || e->taille != octets.taille) return;
  lignes_ += EmpreintesPages::ligne(nom, {octets.taille, e->temps, octets.hash}) + "\r\n";
}

void NotesMiroir::enregistrer() {
  if (lignes_.empty()) return;
  platform::makeFolder(dossier_.path("tmp"));
  platform::appendGeneratedFile(dossier_.path(kFichier), lignes_);
  lignes_.clear();
}

bool memeLieu(const LieuMiroir& a, const LieuMiroir& b) {
  auto dossier = [](const std::string& rep) {
    std::string d = platform::trim(rep);
    // After a name only: "/" is the server's root, "" the login folder.
    while (d.size() > 1 && d.back() == '/') d.pop_back();
    return d;
  };
  // "21", " 021" and "" are one port; two texts that are no number compare as texts.
  auto port = [](const std::string& texte) {
    const std::string t = platform::trim(texte);
    if (t.empty()) return std::string("21");
    const auto n = platform::toInteger(t);
    return n ? std::to_string(*n) : t;
  };
  return platform::lowerAscii(platform::trim(a.host)) == platform::lowerAscii(platform::trim(b.host)) &&
         port(a.port) == port(b.port) && a.user == b.user && dossier(a.rep) == dossier(b.rep);
}

LieuMiroir lireLieu(const std::filesystem::path& fichier) {
  const auto lignes = platform::LineList::load(fichier);
  LieuMiroir lieu{lignes.value("host"), lignes.value("port"), lignes.value("user"),
                  lignes.value("rep")};
  lieu.formeAncienne = !lignes.hasName("port") || !lignes.hasName("user");
  return lieu;
}

void ecrireLieu(const std::filesystem::path& fichier, const LieuMiroir& lieu) {
  platform::LineList{"host=" + lieu.host, "port=" + lieu.port, "user=" + lieu.user,
                     "rep=" + lieu.rep}
      .save(fichier);
}

std::optional<LieuMiroir> lireLieuMiroir(const platform::DataFolder& dossier) {
  if (!dossier.exists(kLieu)) return std::nullopt;
  LieuMiroir lieu = lireLieu(dossier.path(kLieu));
  if (lieu.formeAncienne) {
    TParametresFTP compte;
    chargerParametresFTP(dossier, compte);
    lieu.port = compte.port;
    lieu.user = compte.user;
  }
  return lieu;
}

void garderLieuAncien(const platform::DataFolder& dossier) {
  if (const auto lieu = lireLieuMiroir(dossier); lieu && lieu->formeAncienne)
    noterLieuMiroir(dossier, *lieu);
}

void noterLieuMiroir(const platform::DataFolder& dossier, const LieuMiroir& lieu) {
  platform::makeFolder(dossier.path("tmp"));
  ecrireLieu(dossier.path(kLieu), lieu);
}

}  // namespace publish
