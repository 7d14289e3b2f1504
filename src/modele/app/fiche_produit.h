#pragma once
// The product sheet `<reference>.ref`: one key=value line per key in a fixed order, the multi-line
// texts as one repeated key per line. Every reader and writer of sheets goes through this unit,
// together with the small side files of one sheet.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

struct TFicheProduit {
  std::string categorie;
  std::string reference;
  std::string description;  // may begin with the weight group "(w:<weight>)"
  std::string auteur;
  std::string prix;
  std::string qmulti;
  std::string image;
  std::string puce_image;
  std::string hauteur;
  std::string largeur;
  std::string mot_cle;  // the theme
  std::vector<std::string> commentaires;
  std::vector<std::string> texte_detail;
  std::vector<std::string> presentations;
  std::string image_detail;
  std::string hauteur_detail;
  std::string largeur_detail;
  std::vector<std::string> titres;
  std::string bouton_CD = "non";
  std::string bouton_K7 = "non";
  std::string bouton_VIDEO = "non";
  std::string CD_ref;
  std::string K7_ref;
  std::string VIDEO_ref;
  std::string CD_prix;
  std::string K7_prix;
  std::string VIDEO_prix;
  std::string type1;
  std::string type2;
  std::string type3;
  std::string pecotaxe;
  std::string pecotaxeA;
  std::string pecotaxeB;
  std::string pecotaxeC;
  std::string disponible = "oui";
  std::optional<std::string> etat_visible;  // written only when the stock state is shown
  std::string detailHTML = "non";
  std::string mes_tailles = "non";

  bool operator==(const TFicheProduit&) const = default;
};

// The keys in the order the writer emits them.
const std::vector<std::string_view>& clesFicheProduit();

// The lines of a sheet, keys in their fixed order, one line per memo line (empty ones too).
platform::LineList ecrireFicheProduit(const TFicheProduit& fiche);

// Plain reading, as the page writers and exports do: each line split at its first "=", keys
// compared exactly, a later line wins, values kept as written, memo keys add a line each (empty
// ones too). Keys absent from the lines leave the field as it was; unknown keys are ignored.
void lireFicheProduit(const platform::LineList& lignes, TFicheProduit& fiche);
TFicheProduit lireFicheProduit(const platform::LineList& lignes);

// The sheet editor's reading, onto the current values: categorie, reference, description, auteur,
// prix, qmulti, image and the ecotaxes are trimmed and taken even when empty; puce_image and
// mot_cle are trimmed and an empty value is ignored; image_detail is taken as written; variant
// keys and labels are taken as written only when not empty; memo lines are added when not empty;
// disponible, etat_visible and detailHTML react to "oui" and "non" only; mes_tailles is "oui" only
// when its last line says so. hauteur and largeur (and their detail twins) are emptied by their
// image line and come from the pictures, never from the file.
void lireFicheEditeur(const platform::LineList& lignes, TFicheProduit& courante);

// The file of a reference: trimmed reference plus ".ref".
std::string nomFichierFiche(std::string_view reference);
// The lines of a sheet file; nullopt when it is missing.
std::optional<platform::LineList> chargerLignesFiche(const std::filesystem::path& chemin);
// nullopt also when the reference would lead outside the data folder.
std::optional<TFicheProduit> chargerFicheProduit(const platform::DataFolder& dossier,
                                                 std::string_view reference);
// Writes <reference>.ref whole, atomically; throws platform::FileError.
void sauverFicheProduit(const platform::DataFolder& dossier, const TFicheProduit& fiche);

// Writes the lines of <reference>.ref as they are, atomically: the callers that change a few lines
// of a sheet keep every other line byte for byte. Throws platform::FileError.
void sauverLignesFiche(const platform::DataFolder& dossier, std::string_view reference,
                       const platform::LineList& lignes);

// Every line whose key (the text before its first "=") is exactly `cle` becomes cle=valeur; the
// other lines stay byte for byte. The number of lines whose text changed.
int remplacerValeurFiche(platform::LineList& lignes, std::string_view cle, std::string_view valeur);
// The value of the last line whose key is exactly `cle`; nullopt without one.
std::optional<std::string> valeurFiche(const platform::LineList& lignes, std::string_view cle);

// "#" becomes "-" and "&" becomes "+": the reference, title, author and price are stored so,
// because "#" separates the index fields.
std::string nettoyerTexteFiche(std::string_view texte);

// The weight of a title or variant label as the reader takes it: nullopt when the text holds no
// "(w:"; otherwise the text after it, trimmed, cut before its first ")" (empty without one).
std::optional<std::string> poidsDuTexte(std::string_view texte);
// The save's rule: a leading weight group is dropped (with the blanks after it) and, when the
// weight is not blank, "(w:" + weight + ")" is put in front.
std::string texteAvecPoids(std::string_view texte, std::string_view poids);

// Side files of one sheet (all lookups are silent when the file is missing).
bool aProduitsLies(const platform::DataFolder& dossier, std::string_view reference);
// The generated page holding the product's card, from listeHTM.tmp (names without regard to case).
std::string pageDuProduit(const platform::DataFolder& dossier, std::string_view reference);
// <reference>tailles.txt, the sheet's own size list.
platform::LineList chargerTaillesFiche(const platform::DataFolder& dossier,
                                       std::string_view reference);
// "Prix Diff." when <reference>.dif exists, else "Prix Supp." when <reference>.sup exists, else "".
std::string notePrixFiche(const platform::DataFolder& dossier, std::string_view reference);
// The promotional price shown beside the price: only when promo.prx lists cheminFiche (trimmed,
// ASCII case ignored) and <reference>.pro has a prixpromo value; "" otherwise.
std::string prixPromoFiche(const platform::DataFolder& dossier, std::string_view cheminFiche,
                           std::string_view reference);
// The bullets offered on the sheet tab: the lines of puces.ini, trimmed, that name a file of
// import/, in file order.
std::vector<std::string> chargerListePuces(const platform::DataFolder& dossier);
// After a save: in <reference>.pro (when it exists and is not empty) the lines categorie=,
// titre= and mot_cle= take the sheet's new values; the other lines stay.
void mettreAJourPromotionFiche(const platform::DataFolder& dossier, std::string_view reference,
                               std::string_view categorie, std::string_view titre,
                               std::string_view theme);

}  // namespace app
