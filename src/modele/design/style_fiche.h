#pragma once
// The product-sheet style: the look of one product card, kept in key=value files read in cascade
// (site default, theme, sheet, imposed theme, model) and written by the style editor.

#include <filesystem>
#include <span>
#include <string>

#include "modele/design/coins.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace design {

// One field per key of the file, in the order of the file.
struct TStyleFiche {
  std::string largeur_fiche, style_fiche;
  std::string coul_titre, fond_titre, police_titre, gras_titre, italique_titre, souligne_titre,
      taille_titre, aligne_titre;
  std::string coul_auteur, police_auteur, gras_auteur, italique_auteur, souligne_auteur,
      taille_auteur, aligne_auteur;
  std::string coul_comm, fond, police_comm, gras_comm, italique_comm, souligne_comm, taille_comm,
      aligne_comm;
  std::string aligne_image;
  std::string coul_ref, police_ref, gras_ref, italique_ref, souligne_ref, taille_ref;
  std::string coul_titres, fond_titres, police_titres, gras_titres, italique_titres,
      souligne_titres, taille_titres, aligne_titres;
  std::string coul_prix, fond_bas, police_prix, gras_prix, italique_prix, souligne_prix,
      taille_prix, aligne_prix;
  std::string coul_type, police_type, gras_type, italique_type, souligne_type, taille_type;
  std::string coul_trait, coul_liens, encadrement_style, quantite_style, position_texte;
  std::string type1, type2, type3;
  std::string type_prix, bouton_jc, bouton_type1, bouton_type2, bouton_type3;
  std::string texte_jc, texte_type1, texte_type2, texte_type3;
  std::string coul_jc, fond_jc, police_jc, gras_jc, italique_jc, souligne_jc, taille_jc, aligne_jc;
  std::string coul_pre, police_pre, gras_pre, italique_pre, souligne_pre, taille_pre;

  bool operator==(const TStyleFiche&) const = default;
};

// A key of the file. defaut is null for the keys that are written but never read back: their
// fields belong to the sheet reader and the main window, and a load leaves them alone.
struct CleStyleFiche {
  const char* cle;
  std::string TStyleFiche::*champ;
  const char* defaut;
};
// The 85 keys in the order of the file.
std::span<const CleStyleFiche> clesStyleFiche();

// Every loaded field to its built-in default.
void mettreDefautsStyleFiche(TStyleFiche& style);

// One style file over the fields: lines split at the first "=", keys compared exactly, a
// non-empty value replaces the field, a later line wins. A missing file changes nothing; one that
// exists but cannot be read throws platform::FileError.
void lireTyp(TStyleFiche& style, const std::filesystem::path& chemin);

// The names that select the files of the cascade.
struct CascadeStyle {
  std::string themeStyle;               // "<categorie>_<theme>" of the sheet shown or written
  std::string referenceStyle;           // the reference of that sheet
  std::string themeImpose;              // set by the style editor's "Thème" button
  std::filesystem::path fichierModele;  // a model chosen in the style editor, read last
};

// Defaults, then defaut.typ, <themeStyle>.typ, <referenceStyle>.typ, <themeImpose>.typ (when set)
// and the model (when set); each file overrides the earlier ones key by key.
void chargerStyleFiche(TStyleFiche& style, const platform::DataFolder& dossier,
                       const CascadeStyle& cascade);

// The frame-corner tiles of the style: its frame kind, the title band over the lower band, and
// its line colour.
Coins coinsStyleFiche(const TStyleFiche& style);

// The style editor's scope group `appli`, by item index.
enum class Portee { Theme = 0, FicheSeule = 1, Defaut = 2, Toutes = 3 };

// The name the editor gives the saved style for a scope; "Toutes" keeps the one in force (the
// writer makes it "defaut").
std::string nomCadrePourPortee(Portee portee, const std::string& themeStyle,
                               const std::string& referenceStyle, const std::string& nomCadre);

struct SauvegardeStyle {
  Portee portee = Portee::Theme;
  std::string referenceStyle;    // the sheet's own style, dropped by the "Thème" scope
  std::string nomCadre;          // name of the style file and prefix of its corner images
  std::filesystem::path modele;  // not empty: write this model file instead of <nomCadre>.typ
  char sepurl = '-';             // URL separator of the corner image names
};

// Shown when a scope names no theme or no sheet: nothing is written.
inline constexpr const char* kStyleSansNom =
    "Aucun thème ou aucune fiche n'est sélectionné : le style n'a pas été enregistré.";

// The 85 lines of the file, in table order.
platform::LineList lignesStyleFiche(const TStyleFiche& style);

// Writes <nomCadre>.typ (or the model), then deletes the files the scope supersedes: the sheet's
// own style for "Thème", every other *.typ of the data folder for "Toutes" ("defaut" becomes
// nomCadre). Deleting only after a successful write means a failed save never leaves the site
// without a style; <nomCadre>.typ and the file just written are never deleted. Finally saves the
// frame-corner images under nomCadre. Throws platform::FileError (kStyleSansNom when nomCadre is
// empty; nothing is written then).
void sauverStyleFiche(const TStyleFiche& style, const platform::DataFolder& dossier,
                      SauvegardeStyle& sauvegarde);

}  // namespace design
