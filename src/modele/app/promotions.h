#pragma once
// Promotions: one `<reference>.pro` per orderable reference of the catalogue (main reference,
// variant references, sub-references of the comment rows), parked as `<reference>._pr` while the
// entry list is rebuilt; the lists of promoted sheets `promo.prx` / `promo_titres.prx`; the
// display style `promo_prix.opt`. The sheets are read once per rebuild and rewritten line by line.

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/lines.h"

namespace app {

struct TPromotion {
  std::string categorie;
  std::string reference;      // the sheet's reference
  std::string referenceCOMM;  // the variant or sub-reference; empty for a main entry
  std::string titre;
  std::string prix;
  std::string mot_cle;
  std::string taux;
  std::string prixpromo;  // an entry has a promotion when it is not empty
};

TPromotion lirePromotion(const platform::LineList& lignes);
// The lines after "Appliquer": referenceCOMM only when not empty, then taux and prixpromo.
platform::LineList ecrirePromotion(const TPromotion& promotion);
// <entree>.pro; nullopt when missing.
std::optional<TPromotion> chargerPromotion(const platform::DataFolder& dossier,
                                           std::string_view entree);

// A comment row "<LIGNE>" + sub-reference + "#" + row text + "#" + price; nullopt otherwise.
struct LigneCommentaire {
  std::string sousReference, texte, prix;
};
std::optional<LigneCommentaire> lireLigneCommentaire(std::string_view ligne);
// The price part of a comment row, after its second "#", takes the new price; the rest stays.
void remplacerPrixCommentaire(std::string& ligne, std::string_view prix);

// The entries of one sheet, in order (main, variants 1 to 3, comment rows), each with the lines of
// its new .pro file.
struct EntreeFiche {
  std::string reference;
  platform::LineList lignes;
};
std::vector<EntreeFiche> entreesDeFiche(const platform::LineList& fiche);

// `avantEcriture` (tests) runs before each file operation of the calls that take it.
// Rebuilds the entry list from every sheet, each read once. The entries of `aParquer` are parked
// first; an entry already listed is skipped; a parked entry is unparked (it keeps its promotion),
// any other gets a fresh .pro. A reference that cannot be a file name is told through `refus` and
// skipped. Returns the entries in order and, in `parquees`, the entries parked by this run.
struct ResultatRepertoire {
  std::vector<std::string> entrees;
  std::vector<std::string> parquees;
};
ResultatRepertoire repertoirePromotions(const platform::DataFolder& dossier,
                                        const std::vector<std::string>& aParquer,
                                        const std::function<void(const std::string&)>& refus,
                                        const std::function<void()>& avantEcriture = {});
// Deletes the parked files listed in `avant` (those left before a rebuild) unless the rebuild
// parked them again or took them back.
void supprimerParquees(const platform::DataFolder& dossier, const std::vector<std::string>& avant,
                       const ResultatRepertoire& rebuild);
// The entries of the *.pro files, in listing order.
std::vector<std::string> entreesPromotions(const platform::DataFolder& dossier);

// promo.prx (sheet paths) and promo_titres.prx, one line per entry with a promotion. Written when
// a .pro exists or the lists already exist, so that removed promotions leave them too.
void ecrireListesPromo(const platform::DataFolder& dossier);

// A typed or stored price or rate as a number, read by lireMontant; nullopt when it refuses it
// ("1.2.3", "1O,50"), or in another currency than the shop's `devise`. A blank text is 0.
std::optional<double> nombrePrix(std::string_view texte, std::string_view devise = {});
// A typed or stored rate as a number: as nombrePrix, a final "%" allowed ("-15%", "-15 %").
std::optional<double> nombreTaux(std::string_view texte);
// A rate without its final "%" and blanks: "-15 %" gives "-15".
std::string sansPourcent(std::string_view texte);
// The refusal of a typed rate that is empty, that nombreTaux refuses, or below -100 %, which
// would make a price below 0; none when it is accepted. A rate keeps all its decimals.
std::optional<std::string> refusTaux(std::string_view taux);
// The refusal of a typed initial price: empty, no amount, below 0 or past the cent.
std::optional<std::string> refusPrixInitial(std::string_view prix);
// p + p * t / 100, rounded to `decimales`, with a point.
std::string prixApresTaux(double prix, double taux, int decimales);
// A promotional price as "Appliquer" writes it: p + p * t / 100 rounded to the tenth with
// `arrondi` ("7.9"), to the cent otherwise ("7.88").
std::string prixPromotion(double prix, double taux, bool arrondi);

// "Appliquer" on the entries: every price and the rate are checked first; nothing is written when
// one is not a number (the French message comes back in `erreur`).
struct ResultatCalcul {
  int traitees = 0;
  std::string erreur;
};
ResultatCalcul appliquerTaux(const platform::DataFolder& dossier,
                             const std::vector<std::string>& entrees, std::string_view taux,
                             bool arrondi, const std::function<void(int n)>& progression = {},
                             const std::function<void()>& avantEcriture = {});

// Deletes every .pro without prixpromo; the remaining entries in listing order.
std::vector<std::string> preparerDefinitif(const platform::DataFolder& dossier);
// "Définitif": the promotional prices go into the sheets (each sheet read and written once); the
// .pro of an applied entry is deleted, then a promoted sheet's models (.dif) are written at the
// rate the card sold them at. An entry whose sheet is missing or whose price changed since is
// left with its promotion and named in `ignorees`. The entries applied and the models to write
// are recorded in `definitif.en_cours` until every file is written, for `reprendrePromotions`.
struct ResultatDefinitif {
  int appliquees = 0;
  std::vector<std::string> ignorees;
};
ResultatDefinitif rendreDefinitif(const platform::DataFolder& dossier,
                                  const std::vector<std::string>& entrees,
                                  const std::function<void()>& avantEcriture = {});
// At start-up, what a kill left: the .pro of an entry "Définitif" had already written into its
// sheet is deleted, and the models of a sheet whose promotion is then gone are written as
// recorded; an entry parked while its sheet still names it gets its .pro back. True when
// something was done (the lists of promoted sheets are then written again).
bool reprendrePromotions(const platform::DataFolder& dossier);

// The initial price of one entry, in its sheet and its .pro; false when the .pro or the sheet is
// missing. Lines are matched on whole values: the sheet's reference, a variant reference, or a
// comment row's sub-reference.
bool changerPrixEntree(const platform::DataFolder& dossier, std::string_view entree,
                       std::string_view nouveau);

// The promotions of one sheet follow its prices: an entry with a promotion whose price is no longer
// its sheet's takes that price, and its promotional price is computed again with its rate, rounded
// as the stored style says ("Appliquer" with the window as it opens). Entries without a promotion,
// of another sheet, or whose price or rate is no number are left as they are. Returns the number of
// files rewritten.
int recalculerPromotionsFiche(const platform::DataFolder& dossier, std::string_view reference);
// The same for every sheet named by a promotion file (the site build: an older folder is mended).
int recalculerPromotions(const platform::DataFolder& dossier);

// promo_prix.opt.
struct TStylePromo {
  std::string ok_PROMO_PRIX;
  std::string image_PROMO_PRIX = "promo.gif";
  std::string largeur_image_PROMO_PRIX;
  std::string hauteur_image_PROMO_PRIX;
  std::string couleur_texte_PROMO_PRIX = "#FF0000";
  std::string arrondi = "non";
  std::string ligne = "non";
  std::string pourcent = "non";
  bool operator==(const TStylePromo&) const = default;
};
// Without the file, the defaults with the size of puces/<image>; with it, a missing key is empty.
TStylePromo chargerStylePromo(const platform::DataFolder& dossier);
void sauverStylePromo(const platform::DataFolder& dossier, const TStylePromo& style);

}  // namespace app
