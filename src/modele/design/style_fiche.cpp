#include "modele/design/style_fiche.h"

#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/text.h"

namespace design {

namespace {

namespace fs = std::filesystem;

const CleStyleFiche kCles[] = {
    {"largeur_fiche", &TStyleFiche::largeur_fiche, "362"},
    {"style_fiche", &TStyleFiche::style_fiche, nullptr},
    {"coul_titre", &TStyleFiche::coul_titre, "black"},
    {"fond_titre", &TStyleFiche::fond_titre, "#fcefbc"},
    {"police_titre", &TStyleFiche::police_titre, "Verdana"},
    {"gras_titre", &TStyleFiche::gras_titre, "oui"},
    {"italique_titre", &TStyleFiche::italique_titre, "non"},
    {"souligne_titre", &TStyleFiche::souligne_titre, "non"},
    {"taille_titre", &TStyleFiche::taille_titre, "13"},
    {"aligne_titre", &TStyleFiche::aligne_titre, "left"},
    {"coul_auteur", &TStyleFiche::coul_auteur, "#FF0000"},
    {"police_auteur", &TStyleFiche::police_auteur, "Verdana"},
    {"gras_auteur", &TStyleFiche::gras_auteur, "oui"},
    {"italique_auteur", &TStyleFiche::italique_auteur, "non"},
    {"souligne_auteur", &TStyleFiche::souligne_auteur, "non"},
    {"taille_auteur", &TStyleFiche::taille_auteur, "13"},
    {"aligne_auteur", &TStyleFiche::aligne_auteur, "right"},
    {"coul_comm", &TStyleFiche::coul_comm, "#000000"},
    {"fond", &TStyleFiche::fond, "#FFFFFF"},
    {"police_comm", &TStyleFiche::police_comm, "Verdana"},
    {"gras_comm", &TStyleFiche::gras_comm, "non"},
    {"italique_comm", &TStyleFiche::italique_comm, "non"},
    {"souligne_comm", &TStyleFiche::souligne_comm, "non"},
    {"taille_comm", &TStyleFiche::taille_comm, "13"},
    {"aligne_comm", &TStyleFiche::aligne_comm, "left"},
    {"aligne_image", &TStyleFiche::aligne_image, "left"},
    {"coul_ref", &TStyleFiche::coul_ref, "#1781B3"},
    {"police_ref", &TStyleFiche::police_ref, "Verdana"},
    {"gras_ref", &TStyleFiche::gras_ref, "non"},
    {"italique_ref", &TStyleFiche::italique_ref, "non"},
    {"souligne_ref", &TStyleFiche::souligne_ref, "non"},
    {"taille_ref", &TStyleFiche::taille_ref, "10"},
    {"coul_titres", &TStyleFiche::coul_titres, "#000000"},
    {"fond_titres", &TStyleFiche::fond_titres, "#F9F8FF"},
    {"police_titres", &TStyleFiche::police_titres, "Verdana"},
    {"gras_titres", &TStyleFiche::gras_titres, "non"},
    {"italique_titres", &TStyleFiche::italique_titres, "non"},
    {"souligne_titres", &TStyleFiche::souligne_titres, "non"},
    {"taille_titres", &TStyleFiche::taille_titres, "10"},
    {"aligne_titres", &TStyleFiche::aligne_titres, "center"},
    {"coul_prix", &TStyleFiche::coul_prix, "#008000"},
    {"fond_bas", &TStyleFiche::fond_bas, "#ffffff"},
    {"police_prix", &TStyleFiche::police_prix, "Verdana"},
    {"gras_prix", &TStyleFiche::gras_prix, "oui"},
    {"italique_prix", &TStyleFiche::italique_prix, "non"},
    {"souligne_prix", &TStyleFiche::souligne_prix, "non"},
    {"taille_prix", &TStyleFiche::taille_prix, "13"},
    {"aligne_prix", &TStyleFiche::aligne_prix, "justify"},
    {"coul_type", &TStyleFiche::coul_type, ""},
    {"police_type", &TStyleFiche::police_type, "Verdana"},
    {"gras_type", &TStyleFiche::gras_type, "oui"},
    {"italique_type", &TStyleFiche::italique_type, "non"},
    {"souligne_type", &TStyleFiche::souligne_type, "non"},
    {"taille_type", &TStyleFiche::taille_type, "13"},
    {"coul_trait", &TStyleFiche::coul_trait, "#1781B3"},
    {"coul_liens", &TStyleFiche::coul_liens, ""},
    {"encadrement_style", &TStyleFiche::encadrement_style, "carre"},
    {"quantite_style", &TStyleFiche::quantite_style, ""},
    {"position_texte", &TStyleFiche::position_texte, "horizontal"},
    {"type1", &TStyleFiche::type1, nullptr},
    {"type2", &TStyleFiche::type2, nullptr},
    {"type3", &TStyleFiche::type3, nullptr},
    {"type_prix", &TStyleFiche::type_prix, "image"},
    {"bouton_jc", &TStyleFiche::bouton_jc, "bt007.gif"},
    {"bouton_type1", &TStyleFiche::bouton_type1, "bt007.gif"},
    {"bouton_type2", &TStyleFiche::bouton_type2, "bt007.gif"},
    {"bouton_type3", &TStyleFiche::bouton_type3, "bt007.gif"},
    {"texte_jc", &TStyleFiche::texte_jc, "Je Commande"},
    {"texte_type1", &TStyleFiche::texte_type1, "Je Commande"},
    {"texte_type2", &TStyleFiche::texte_type2, "Je Commande"},
    {"texte_type3", &TStyleFiche::texte_type3, "Je Commande"},
    {"coul_jc", &TStyleFiche::coul_jc, ""},
    {"fond_jc", &TStyleFiche::fond_jc, ""},
    {"police_jc", &TStyleFiche::police_jc, "Verdana"},
    {"gras_jc", &TStyleFiche::gras_jc, "oui"},
    {"italique_jc", &TStyleFiche::italique_jc, "non"},
    {"souligne_jc", &TStyleFiche::souligne_jc, "oui"},
    {"taille_jc", &TStyleFiche::taille_jc, "13"},
    {"aligne_jc", &TStyleFiche::aligne_jc, "right"},
    {"coul_pre", &TStyleFiche::coul_pre, "#000000"},
    {"police_pre", &TStyleFiche::police_pre, "Verdana"},
    {"gras_pre", &TStyleFiche::gras_pre, "non"},
    {"italique_pre", &TStyleFiche::italique_pre, "non"},
    {"souligne_pre", &TStyleFiche::souligne_pre, "non"},
    {"taille_pre", &TStyleFiche::taille_pre, "13"},
};

static_assert(std::size(kCles) == 85);

std::string TStyleFiche::*champLu(std::string_view cle) {
  static const auto index = [] {
    std::unordered_map<std::string_view, std::string TStyleFiche::*> m;
    for (const auto& c : kCles)
      if (c.defaut) m.emplace(c.cle, c.champ);
    return m;
  }();
  auto it = index.find(cle);
  return it == index.end() ? nullptr : it->second;
}

// A name of the cascade that would leave the data folder names no style file.
std::optional<fs::path> fichierTyp(const platform::DataFolder& dossier, const std::string& nom) {
  try {
    return dossier.path(nom + ".typ");
  } catch (const platform::FileError&) {
    return std::nullopt;
  }
}

void lireNom(TStyleFiche& style, const platform::DataFolder& dossier, const std::string& nom) {
  if (auto chemin = fichierTyp(dossier, nom)) lireTyp(style, *chemin);
}

}  // namespace

std::span<const CleStyleFiche> clesStyleFiche() { return kCles; }

void mettreDefautsStyleFiche(TStyleFiche& style) {
  for (const auto& c : kCles)
    if (c.defaut) style.*c.champ = c.defaut;
}

void lireTyp(TStyleFiche& style, const fs::path& chemin) {
  if (!platform::fileExists(chemin)) return;
  platform::forEachKeyValue(platform::LineList::load(chemin),
                            [&](std::string_view cle, std::string_view valeur) {
                              if (valeur.empty()) return;
                              if (auto champ = champLu(cle)) style.*champ = std::string(valeur);
                            });
}

void chargerStyleFiche(TStyleFiche& style, const platform::DataFolder& dossier,
                       const CascadeStyle& cascade) {
  mettreDefautsStyleFiche(style);
  lireNom(style, dossier, "defaut");
  lireNom(style, dossier, cascade.themeStyle);
  lireNom(style, dossier, cascade.referenceStyle);
  if (!cascade.themeImpose.empty()) lireNom(style, dossier, cascade.themeImpose);
  if (!cascade.fichierModele.empty()) lireTyp(style, cascade.fichierModele);
}

Coins coinsStyleFiche(const TStyleFiche& style) {
  return dessinerCoins(style.encadrement_style, couleurTexte(style.fond_titre),
                       couleurTexte(style.fond_bas), couleurTexte(style.coul_trait));
}

std::string nomCadrePourPortee(Portee portee, const std::string& themeStyle,
                               const std::string& referenceStyle, const std::string& nomCadre) {
  switch (portee) {
    case Portee::Theme:
      return themeStyle;
    case Portee::FicheSeule:
      return referenceStyle;
    case Portee::Defaut:
      return "defaut";
    case Portee::Toutes:
      break;
  }
  return nomCadre;
}

platform::LineList lignesStyleFiche(const TStyleFiche& style) {
  platform::LineList lignes;
  for (const auto& c : kCles) {
    std::string valeur = style.*c.champ;
    // A line break inside a value would split the file into foreign lines.
    for (char& ch : valeur)
      if (ch == '\r' || ch == '\n') ch = ' ';
    lignes.add(std::string(c.cle) + "=" + valeur);
  }
  return lignes;
}

void sauverStyleFiche(const TStyleFiche& style, const platform::DataFolder& dossier,
                      SauvegardeStyle& sauvegarde) {
  if (sauvegarde.portee == Portee::Toutes) sauvegarde.nomCadre = "defaut";
  const std::string& nomCadre = sauvegarde.nomCadre;
  if (nomCadre.empty()) throw platform::FileError(kStyleSansNom);
  const std::string nomTyp = nomCadre + ".typ";
  const fs::path cible = sauvegarde.modele.empty() ? dossier.path(nomTyp) : sauvegarde.modele;
  lignesStyleFiche(style).save(cible);

  std::vector<fs::path> aSupprimer;
  if (sauvegarde.portee == Portee::Theme) {
    if (auto chemin = fichierTyp(dossier, sauvegarde.referenceStyle)) aSupprimer.push_back(*chemin);
  } else if (sauvegarde.portee == Portee::Toutes) {
    for (const auto& nom : platform::listFiles(dossier.root(), "*.typ"))
      aSupprimer.push_back(dossier.root() / nom);
  }
  std::string nonSupprime;
  for (const auto& chemin : aSupprimer) {
    std::error_code ec;
    if (platform::fileNamesEqual(chemin.filename().string(), nomTyp) ||
        !platform::fileExists(chemin) || std::filesystem::equivalent(chemin, cible, ec))
      continue;
    if (!platform::removeFile(chemin) && nonSupprime.empty()) nonSupprime = chemin.string();
  }

  sauverCoins(coinsStyleFiche(style), style.encadrement_style, nomCadre, sauvegarde.sepurl,
              dossier.root());
  if (!nonSupprime.empty())
    throw platform::FileError("Impossible de supprimer le fichier " + nonSupprime);
}

}  // namespace design
