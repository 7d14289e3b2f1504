#include "modele/app/fiche_produit.h"

#include <unordered_map>

#include "platform/text.h"

namespace app {

namespace {

using platform::DataFolder;
using platform::LineList;
using platform::trim;
using F = TFicheProduit;

// How the sheet editor takes a value.
enum class Regle {
  Rognee,         // trimmed, empty taken
  RogneeNonVide,  // trimmed, empty ignored
  Brute,          // as written, empty taken
  BruteNonVide,   // as written, empty ignored
  Memo,           // one more line, empty ignored
  OuiNon,         // only "oui" and "non" change the value
  OuiSinonNon,    // "oui" when the line says so, else "non"
  Ignoree,        // taken from elsewhere (picture sizes)
};

struct Cle {
  std::string_view nom;
  Regle regle;
  std::string F::*texte = nullptr;
  std::vector<std::string> F::*lignes = nullptr;
  std::optional<std::string> F::*option = nullptr;
  // Sizes that belong to the previous picture and are emptied by this key's line.
  std::string F::*efface1 = nullptr;
  std::string F::*efface2 = nullptr;
};

// The one key table: its order is the order of the file.
const std::vector<Cle>& tableCles() {
  static const std::vector<Cle> table = {
      {.nom = "categorie", .regle = Regle::Rognee, .texte = &F::categorie},
      {.nom = "reference", .regle = Regle::Rognee, .texte = &F::reference},
      {.nom = "description", .regle = Regle::Rognee, .texte = &F::description},
      {.nom = "auteur", .regle = Regle::Rognee, .texte = &F::auteur},
      {.nom = "prix", .regle = Regle::Rognee, .texte = &F::prix},
      {.nom = "qmulti", .regle = Regle::Rognee, .texte = &F::qmulti},
      {.nom = "image",
       .regle = Regle::Rognee,
       .texte = &F::image,
       .efface1 = &F::hauteur,
       .efface2 = &F::largeur},
      {.nom = "puce_image", .regle = Regle::RogneeNonVide, .texte = &F::puce_image},
      {.nom = "hauteur", .regle = Regle::Ignoree, .texte = &F::hauteur},
      {.nom = "largeur", .regle = Regle::Ignoree, .texte = &F::largeur},
      {.nom = "mot_cle", .regle = Regle::RogneeNonVide, .texte = &F::mot_cle},
      {.nom = "commentaires", .regle = Regle::Memo, .lignes = &F::commentaires},
      {.nom = "texte_detail", .regle = Regle::Memo, .lignes = &F::texte_detail},
      {.nom = "presentations", .regle = Regle::Memo, .lignes = &F::presentations},
      {.nom = "image_detail",
       .regle = Regle::Brute,
       .texte = &F::image_detail,
       .efface1 = &F::hauteur_detail,
       .efface2 = &F::largeur_detail},
      {.nom = "hauteur_detail", .regle = Regle::Ignoree, .texte = &F::hauteur_detail},
      {.nom = "largeur_detail", .regle = Regle::Ignoree, .texte = &F::largeur_detail},
      {.nom = "titres", .regle = Regle::Memo, .lignes = &F::titres},
      {.nom = "bouton_CD", .regle = Regle::BruteNonVide, .texte = &F::bouton_CD},
      {.nom = "bouton_K7", .regle = Regle::BruteNonVide, .texte = &F::bouton_K7},
      {.nom = "bouton_VIDEO", .regle = Regle::BruteNonVide, .texte = &F::bouton_VIDEO},
      {.nom = "CD_ref", .regle = Regle::BruteNonVide, .texte = &F::CD_ref},
      {.nom = "K7_ref", .regle = Regle::BruteNonVide, .texte = &F::K7_ref},
      {.nom = "VIDEO_ref", .regle = Regle::BruteNonVide, .texte = &F::VIDEO_ref},
      {.nom = "CD_prix", .regle = Regle::BruteNonVide, .texte = &F::CD_prix},
      {.nom = "K7_prix", .regle = Regle::BruteNonVide, .texte = &F::K7_prix},
      {.nom = "VIDEO_prix", .regle = Regle::BruteNonVide, .texte = &F::VIDEO_prix},
      {.nom = "type1", .regle = Regle::BruteNonVide, .texte = &F::type1},
      {.nom = "type2", .regle = Regle::BruteNonVide, .texte = &F::type2},
      {.nom = "type3", .regle = Regle::BruteNonVide, .texte = &F::type3},
      {.nom = "pecotaxe", .regle = Regle::Rognee, .texte = &F::pecotaxe},
      {.nom = "pecotaxeA", .regle = Regle::Rognee, .texte = &F::pecotaxeA},
      {.nom = "pecotaxeB", .regle = Regle::Rognee, .texte = &F::pecotaxeB},
      {.nom = "pecotaxeC", .regle = Regle::Rognee, .texte = &F::pecotaxeC},
      {.nom = "disponible", .regle = Regle::OuiNon, .texte = &F::disponible},
      {.nom = "etat_visible", .regle = Regle::OuiNon, .option = &F::etat_visible},
      {.nom = "detailHTML", .regle = Regle::OuiNon, .texte = &F::detailHTML},
      {.nom = "mes_tailles", .regle = Regle::OuiSinonNon, .texte = &F::mes_tailles},
  };
  return table;
}

const Cle* trouverCle(std::string_view nom) {
  static const std::unordered_map<std::string_view, const Cle*> index = [] {
    std::unordered_map<std::string_view, const Cle*> m;
    for (const auto& c : tableCles()) m.emplace(c.nom, &c);
    return m;
  }();
  auto it = index.find(nom);
  return it == index.end() ? nullptr : it->second;
}

// A value is one line of the file: a line break inside it would make a key of its own.
std::string surUneLigne(std::string_view valeur) {
  std::string v(valeur);
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  return v;
}

// Each line split at its first "="; lines without one are skipped. A NUL byte of a value is
// dropped: it would end the value early in a browser or a script that reads the page.
template <typename Fn>
void pourChaqueLigne(const LineList& lignes, Fn&& fn) {
  std::string sansNul;
  for (const auto& ligne : lignes) {
    size_t egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    std::string_view l(ligne);
    const Cle* cle = trouverCle(l.substr(0, egal));
    if (!cle) continue;
    std::string_view valeur = l.substr(egal + 1);
    if (valeur.find('\0') != std::string_view::npos) {
      sansNul.assign(valeur);
      std::erase(sansNul, '\0');
      valeur = sansNul;
    }
    fn(*cle, valeur);
  }
}

void prendre(const Cle& cle, TFicheProduit& f, std::string valeur) {
  if (cle.option)
    f.*cle.option = std::move(valeur);
  else
    f.*cle.texte = std::move(valeur);
}

std::optional<std::filesystem::path> cheminDansDossier(const DataFolder& dossier,
                                                       std::string_view nom) {
  try {
    return dossier.path(nom);
  } catch (const platform::FileError&) {
    return std::nullopt;
  }
}

bool existeDansDossier(const DataFolder& dossier, std::string_view nom) {
  auto chemin = cheminDansDossier(dossier, nom);
  return chemin && platform::fileExists(*chemin);
}

std::optional<LineList> chargerSiPresent(const DataFolder& dossier, std::string_view nom) {
  auto chemin = cheminDansDossier(dossier, nom);
  if (!chemin || !platform::fileExists(*chemin)) return std::nullopt;
  return LineList::load(*chemin);
}

}  // namespace

const std::vector<std::string_view>& clesFicheProduit() {
  static const std::vector<std::string_view> cles = [] {
    std::vector<std::string_view> v;
    for (const auto& c : tableCles()) v.push_back(c.nom);
    return v;
  }();
  return cles;
}

LineList ecrireFicheProduit(const TFicheProduit& fiche) {
  LineList lignes;
  for (const auto& cle : tableCles()) {
    std::string debut = std::string(cle.nom) + "=";
    if (cle.lignes) {
      for (const auto& l : fiche.*cle.lignes) lignes.add(debut + surUneLigne(l));
    } else if (cle.option) {
      if (const auto& v = fiche.*cle.option) lignes.add(debut + surUneLigne(*v));
    } else {
      lignes.add(debut + surUneLigne(fiche.*cle.texte));
    }
  }
  return lignes;
}

void lireFicheProduit(const LineList& lignes, TFicheProduit& fiche) {
  pourChaqueLigne(lignes, [&](const Cle& cle, std::string_view valeur) {
    if (cle.lignes)
      (fiche.*cle.lignes).emplace_back(valeur);
    else
      prendre(cle, fiche, std::string(valeur));
  });
}

TFicheProduit lireFicheProduit(const LineList& lignes) {
  TFicheProduit fiche;
  lireFicheProduit(lignes, fiche);
  return fiche;
}

void lireFicheEditeur(const LineList& lignes, TFicheProduit& f) {
  pourChaqueLigne(lignes, [&](const Cle& cle, std::string_view valeur) {
    if (cle.efface1) f.*cle.efface1 = "";
    if (cle.efface2) f.*cle.efface2 = "";
    switch (cle.regle) {
      case Regle::Rognee:
        prendre(cle, f, trim(valeur));
        break;
      case Regle::RogneeNonVide:
        if (std::string v = trim(valeur); !v.empty()) prendre(cle, f, std::move(v));
        break;
      case Regle::Brute:
        prendre(cle, f, std::string(valeur));
        break;
      case Regle::BruteNonVide:
        if (!valeur.empty()) prendre(cle, f, std::string(valeur));
        break;
      case Regle::Memo:
        if (!valeur.empty()) (f.*cle.lignes).emplace_back(valeur);
        break;
      case Regle::OuiNon:
        if (valeur == "oui" || valeur == "non") prendre(cle, f, std::string(valeur));
        break;
      case Regle::OuiSinonNon:
        prendre(cle, f, valeur == "oui" ? "oui" : "non");
        break;
      case Regle::Ignoree:
        break;
    }
  });
  // The sizes box is unticked by every line and ticked again only by "mes_tailles=oui": only the
  // file's last line counts (the writer always puts it there).
  const bool dernierOui = !lignes.empty() && lignes[lignes.size() - 1] == "mes_tailles=oui";
  f.mes_tailles = dernierOui ? "oui" : "non";
}

std::string nomFichierFiche(std::string_view reference) { return trim(reference) + ".ref"; }

std::optional<LineList> chargerLignesFiche(const std::filesystem::path& chemin) {
  if (!platform::fileExists(chemin)) return std::nullopt;
  return LineList::load(chemin);
}

std::optional<TFicheProduit> chargerFicheProduit(const DataFolder& dossier,
                                                 std::string_view reference) {
  auto lignes = chargerSiPresent(dossier, nomFichierFiche(reference));
  if (!lignes) return std::nullopt;
  return lireFicheProduit(*lignes);
}

void sauverFicheProduit(const DataFolder& dossier, const TFicheProduit& fiche) {
  ecrireFicheProduit(fiche).save(dossier.path(nomFichierFiche(fiche.reference)));
}

void sauverLignesFiche(const DataFolder& dossier, std::string_view reference,
                       const LineList& lignes) {
  lignes.save(dossier.root() / nomFichierFiche(reference));
}

int remplacerValeurFiche(LineList& lignes, std::string_view cle, std::string_view valeur) {
  const std::string nouvelle = std::string(cle) + "=" + std::string(valeur);
  int changees = 0;
  for (auto& ligne : lignes) {
    const size_t egal = ligne.find('=');
    if (egal == std::string::npos || std::string_view(ligne).substr(0, egal) != cle) continue;
    if (ligne != nouvelle) ++changees;
    ligne = nouvelle;
  }
  return changees;
}

std::optional<std::string> valeurFiche(const LineList& lignes, std::string_view cle) {
  std::optional<std::string> valeur;
  for (const auto& ligne : lignes) {
    const size_t egal = ligne.find('=');
    if (egal != std::string::npos && std::string_view(ligne).substr(0, egal) == cle)
      valeur = ligne.substr(egal + 1);
  }
  return valeur;
}

std::string nettoyerTexteFiche(std::string_view texte) {
  std::string t(texte);
  for (char& c : t) {
    if (c == '#') c = '-';
    if (c == '&') c = '+';
  }
  return t;
}

std::optional<std::string> poidsDuTexte(std::string_view texte) {
  size_t debut = texte.find("(w:");
  if (debut == std::string_view::npos) return std::nullopt;
  std::string reste = trim(texte.substr(debut + 3));
  size_t fin = reste.find(')');
  if (fin == std::string::npos) return std::string();
  return reste.substr(0, fin);
}

std::string texteAvecPoids(std::string_view texte, std::string_view poids) {
  std::string reste(texte);
  if (platform::startsWith(texte, "(w:")) {
    size_t fin = texte.find(')');
    // Without a closing ")" there is no group to drop: the text stays whole.
    reste = trim(fin == std::string_view::npos ? texte : texte.substr(fin + 1));
  }
  std::string p = trim(poids);
  if (p.empty()) return reste;
  return "(w:" + p + ")" + reste;
}

bool aProduitsLies(const DataFolder& dossier, std::string_view reference) {
  return existeDansDossier(dossier, "tmp/" + std::string(reference) + ".pcl");
}

std::string pageDuProduit(const DataFolder& dossier, std::string_view reference) {
  auto index = chargerSiPresent(dossier, "listeHTM.tmp");
  return index ? index->value(reference) : std::string();
}

LineList chargerTaillesFiche(const DataFolder& dossier, std::string_view reference) {
  return chargerSiPresent(dossier, std::string(reference) + "tailles.txt").value_or(LineList{});
}

std::string notePrixFiche(const DataFolder& dossier, std::string_view reference) {
  std::string ref(reference);
  if (existeDansDossier(dossier, ref + ".dif")) return "Prix Diff.";
  if (existeDansDossier(dossier, ref + ".sup")) return "Prix Supp.";
  return "";
}

std::string prixPromoFiche(const DataFolder& dossier, std::string_view cheminFiche,
                           std::string_view reference) {
  auto promos = chargerSiPresent(dossier, "promo.prx");
  if (!promos) return "";
  const std::string cherche = platform::lowerAscii(trim(cheminFiche));
  for (const auto& ligne : *promos) {
    if (platform::lowerAscii(trim(ligne)) != cherche) continue;
    auto promo = chargerSiPresent(dossier, std::string(reference) + ".pro");
    return promo ? promo->value("prixpromo") : std::string();
  }
  return "";
}

std::vector<std::string> chargerListePuces(const DataFolder& dossier) {
  std::vector<std::string> puces;
  auto lignes = chargerSiPresent(dossier, "puces.ini");
  if (!lignes) return puces;
  for (const auto& ligne : *lignes) {
    std::string nom = trim(ligne);
    if (!nom.empty() && existeDansDossier(dossier, "import/" + nom)) puces.push_back(nom);
  }
  return puces;
}

void mettreAJourPromotionFiche(const DataFolder& dossier, std::string_view reference,
                               std::string_view categorie, std::string_view titre,
                               std::string_view theme) {
  const std::string nom = std::string(reference) + ".pro";
  auto promo = chargerSiPresent(dossier, nom);
  if (!promo || promo->empty()) return;
  for (auto& ligne : *promo) {
    size_t egal = ligne.find('=');
    if (egal == std::string::npos) continue;
    std::string_view cle = std::string_view(ligne).substr(0, egal);
    if (cle == "categorie")
      ligne = "categorie=" + std::string(categorie);
    else if (cle == "titre")
      ligne = "titre=" + std::string(titre);
    else if (cle == "mot_cle")
      ligne = "mot_cle=" + trim(theme);
  }
  promo->save(dossier.path(nom));
}

}  // namespace app
