#include "modele/app/promotions.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "support/temp_folder.h"

using namespace app;
using platform::LineList;
using testing_support::TempFolder;

namespace {

// A sheet with a variant, a comment row, a plain comment and a line no reader knows.
constexpr const char* kFiche =
    "categorie=Vaisselle\r\nreference=R1\r\ndescription=Bol\r\nprix=100\r\nmot_cle=Bols\r\n"
    "commentaires=<LIGNE>A1#Tasse#4,50\r\ncommentaires=Lavable R1\r\nx-inconnu= garde  \r\n"
    "CD_ref=R1V\r\nCD_prix=19,90\r\ntype1=Grand\r\n";

ResultatRepertoire reconstruire(const platform::DataFolder& d, std::vector<std::string> aParquer = {}) {
  return repertoirePromotions(d, aParquer, [](const std::string& r) { ADD_FAILURE() << r; });
}

}  // namespace

TEST(Promotions, RebuildWritesOneFilePerEntryInItsOrder) {
  TempFolder t;
  platform::DataFolder d(t.path());
  t.write("R1.ref", kFiche);
  EXPECT_EQ(reconstruire(d).entrees, (std::vector<std::string>{"R1", "R1V", "A1"}));
  EXPECT_EQ(t.read("R1.pro"), "categorie=Vaisselle\r\nreference=R1\r\ntitre=Bol\r\nprix=100\r\nmot_cle=Bols\r\n");
  EXPECT_EQ(t.read("R1V.pro"),
            "categorie=Vaisselle\r\nreference=R1\r\nreferenceCOMM=R1V\r\ntitre=Bol Grand\r\nprix=19,90\r\n"
            "mot_cle=Bols\r\n");
  EXPECT_EQ(t.read("A1.pro"),
            "reference=R1\r\ncategorie=Vaisselle\r\nreferenceCOMM=A1\r\ntitre=Tasse\r\nprix=4,50\r\n"
            "mot_cle=Bols\r\n");
}

TEST(Promotions, ApplyRoundsAndRefusesWhatIsNotANumber) {
  struct Cas {
    const char* entree;
    const char* taux;
    bool arrondi;
    const char* attendu;  // prixpromo, or nullptr when refused
  } cas[] = {{"R1", "-15", false, "85.00"}, {"R1", "-15", true, "85.0"}, {"R1V", "10", false, "21.89"},
             {"A1", "10", true, "5.0"},     {"R1", "1.2.3", false, nullptr},
             {"R1", "-15%", false, "85.00"}, {"R1", "-15 %", true, "85.0"},
             {"R1", "-12,1255", false, "87.87"}, {"R1", "-100", false, "0.00"},
             {"R1", "-200", false, nullptr}, {"R1", "-100,5 %", false, nullptr}};
  for (const auto& c : cas) {
    TempFolder t;
    platform::DataFolder d(t.path());
    t.write("R1.ref", kFiche);
    reconstruire(d);
    const std::string avant = t.read(std::string(c.entree) + ".pro");
    ResultatCalcul r = appliquerTaux(d, {c.entree}, c.taux, c.arrondi);
    auto p = chargerPromotion(d, c.entree);
    if (!c.attendu) {
      EXPECT_FALSE(r.erreur.empty());
      EXPECT_EQ(t.read(std::string(c.entree) + ".pro"), avant);
      continue;
    }
    EXPECT_EQ(p->prixpromo, c.attendu) << c.entree << " " << c.taux;
    EXPECT_EQ(p->taux, c.taux);
    EXPECT_EQ(p->referenceCOMM, std::string(c.entree) == "R1" ? "" : c.entree);
  }
}

TEST(Promotions, FinalPricesRewriteOnlyTheirLines) {
  TempFolder t;
  platform::DataFolder d(t.path());
  t.write("R1.ref", kFiche);
  t.write("ref.gen", "R1#Vaisselle#Bols#Bol##\r\n");
  // The models keep the prices the card sold them at, at the rate of the sheet's own price.
  t.write("R1.dif", "Petit=20\r\nGrand=30 euros\r\nCouleur=rouge\r\n");
  reconstruire(d);
  appliquerTaux(d, {"R1", "R1V", "A1"}, "-10", false);
  ecrireListesPromo(d);
  EXPECT_EQ(t.read("promo.prx"), (t / "R1.ref").string() + "\r\n" + (t / "R1.ref").string() + "\r\n" +
                                     (t / "R1.ref").string() + "\r\n");
  EXPECT_EQ(preparerDefinitif(d), (std::vector<std::string>{"A1", "R1", "R1V"}));
  ResultatDefinitif r = rendreDefinitif(d, {"A1", "R1", "R1V"});
  EXPECT_EQ(r.appliquees, 3);
  EXPECT_EQ(t.read("R1.ref"),
            "categorie=Vaisselle\r\nreference=R1\r\ndescription=Bol\r\nprix=90.00\r\nmot_cle=Bols\r\n"
            "commentaires=<LIGNE>A1#Tasse#4.05\r\ncommentaires=Lavable R1\r\nx-inconnu= garde  \r\n"
            "CD_ref=R1V\r\nCD_prix=17.91\r\ntype1=Grand\r\n");
  EXPECT_FALSE(t.exists("R1.pro") || t.exists("R1V.pro") || t.exists("A1.pro"));
  EXPECT_EQ(t.read("ref.gen"), "R1#Vaisselle#Bols#Bol##\r\n");
  EXPECT_EQ(t.read("R1.dif"), "Petit=18,00\r\nGrand=27,00\r\nCouleur=rouge\r\n");
}

// Amounts stored with the shop's currency text are read as the card reads them.
TEST(Promotions, FinalReadsTheShopsCurrencyText) {
  TempFolder t;
  platform::DataFolder d(t.path());
  t.write("ident.opt", "nomE=Boutique\r\ndev1=\x80 TTC\r\n");
  t.write("R1.ref", "categorie=Vaisselle\r\nreference=R1\r\ndescription=Bol\r\nprix=32 \x80 TTC\r\n"
                    "mot_cle=Bols\r\n");
  t.write("R1.dif", "Petit=32 \x80 TTC\r\nGrand=40 \x80 TTC\r\n");
  reconstruire(d);
  t.write("R1.pro", "categorie=Vaisselle\r\nreference=R1\r\ntitre=Bol\r\nprix=32 \x80 TTC\r\n"
                    "mot_cle=Bols\r\ntaux=-25\r\nprixpromo=24 \x80 TTC\r\n");
  EXPECT_EQ(rendreDefinitif(d, preparerDefinitif(d)).appliquees, 1);
  EXPECT_EQ(t.read("R1.dif"), "Petit=24,00\r\nGrand=30,00\r\n");
}

TEST(Promotions, PriceChangeMatchesWholeValuesAndFinalKeepsAStalePromotion) {
  TempFolder t;
  platform::DataFolder d(t.path());
  t.write("R1.ref", kFiche);
  reconstruire(d);
  appliquerTaux(d, {"R1"}, "-10", false);
  EXPECT_TRUE(changerPrixEntree(d, "R1", "120"));
  // The main price only: the plain comment naming R1 and the variant R1V stay as they were.
  std::string fiche = t.read("R1.ref");
  EXPECT_NE(fiche.find("prix=120\r\nmot_cle=Bols\r\ncommentaires=<LIGNE>A1#Tasse#4,50\r\ncommentaires=Lavable R1"),
            std::string::npos);
  EXPECT_NE(fiche.find("CD_prix=19,90"), std::string::npos);
  EXPECT_EQ(chargerPromotion(d, "R1")->prix, "120");
  EXPECT_EQ(chargerPromotion(d, "R1")->prixpromo, "108.00");
  EXPECT_FALSE(changerPrixEntree(d, "Z9", "1"));
  // The sheet's price changes behind the promotion: it is kept and named, the sheet untouched.
  fiche.replace(fiche.find("prix=120"), 8, "prix=130");
  t.write("R1.ref", fiche);
  ResultatDefinitif r = rendreDefinitif(d, {"R1"});
  EXPECT_EQ(r.appliquees, 0);
  EXPECT_EQ(r.ignorees, std::vector<std::string>{"R1"});
  EXPECT_EQ(t.read("R1.ref"), fiche);
  EXPECT_TRUE(t.exists("R1.pro"));
}

// A rate of -100 % or below gives a promotional price that is no price: no sheet takes it.
TEST(Promotions, FinalLeavesTheSheetsWithAPromotionOfZeroOrLess) {
  for (const char* taux : {"-100", "-120"}) {
    TempFolder t;
    platform::DataFolder d(t.path());
    t.write("R1.ref", kFiche);
    reconstruire(d);
    appliquerTaux(d, {"R1", "R1V", "A1"}, taux, false);
    EXPECT_EQ(rendreDefinitif(d, preparerDefinitif(d)).appliquees, 0) << taux;
    EXPECT_EQ(t.read("R1.ref"), kFiche) << taux;
  }
}

TEST(Promotions, StyleRoundTripAndEmptyKeys) {
  TempFolder t;
  platform::DataFolder d(t.path());
  EXPECT_EQ(chargerStylePromo(d), TStylePromo{});
  TStylePromo s{"oui", "soldes.gif", "40", "20", "#00FF00", "oui", "non", "oui"};
  sauverStylePromo(d, s);
  EXPECT_EQ(t.read("promo_prix.opt"),
            "ok_PROMO_PRIX=oui\r\nimage_PROMO_PRIX=soldes.gif\r\nlargeur_image_PROMO_PRIX=40\r\n"
            "hauteur_image_PROMO_PRIX=20\r\ncouleur_texte_PROMO_PRIX=#00FF00\r\narrondi=oui\r\nligne=non\r\n"
            "pourcent=oui\r\n");
  EXPECT_EQ(chargerStylePromo(d), s);
  t.write("promo_prix.opt", "arrondi=oui\r\n");
  EXPECT_EQ(chargerStylePromo(d), (TStylePromo{"", "", "", "", "", "oui", "", ""}));
}

TEST(Promotions, RebuildTakesBackAParkedEntryAndSkipsABadReference) {
  TempFolder t;
  platform::DataFolder d(t.path());
  // A rebuild stopped earlier left R1 parked with its promotion; a comment row names "B 2".
  t.write("R1.ref", std::string(kFiche) + "commentaires=<LIGNE>B 2#Soucoupe#3\r\n");
  t.write("R1._pr", "categorie=Vaisselle\r\nreference=R1\r\nprixpromo=80\r\n");
  t.write("Z9._pr", "reference=Z9\r\nprixpromo=1\r\n");
  const auto avant = platform::listFiles(t.path(), "*._pr");
  std::vector<std::string> refusees;
  auto r = repertoirePromotions(d, {}, [&](const std::string& ref) { refusees.push_back(ref); });
  supprimerParquees(d, avant, r);
  EXPECT_EQ(r.entrees, (std::vector<std::string>{"R1", "R1V", "A1"}));
  EXPECT_EQ(refusees, std::vector<std::string>{"B 2"});
  EXPECT_EQ(chargerPromotion(d, "R1")->prixpromo, "80");
  EXPECT_FALSE(t.exists("R1._pr") || t.exists("Z9._pr"));
}

namespace {

struct Coupure {};  // the program killed: nothing after it runs

// The price each entry of R1 sells at after the next start and the next build: its promotional
// price when it has one, its sheet's price otherwise; R1's models at the rate of its promotion
// while it has one, at their own prices after.
std::map<std::string, std::string> prixVendus(const platform::DataFolder& d) {
  reprendrePromotions(d);
  recalculerPromotions(d);
  std::map<std::string, std::string> prix;
  for (const auto& e : entreesDeFiche(LineList::load(d.root() / "R1.ref"))) {
    auto p = chargerPromotion(d, e.reference);
    prix[e.reference] = p && !p->prixpromo.empty() ? p->prixpromo : e.lignes.value("prix");
  }
  const auto promo = chargerPromotion(d, "R1");
  const auto taux = promo && !promo->prixpromo.empty() ? nombreTaux(promo->taux) : std::nullopt;
  for (const auto& ligne : LineList::load(d.root() / "R1.dif")) {
    const size_t egal = ligne.rfind('=');
    const double montant = nombrePrix(ligne.substr(egal + 1)).value();
    prix[ligne.substr(0, egal)] =
        taux ? prixPromotion(montant, *taux, false) : prixApresTaux(montant, 0, 2);
  }
  return prix;
}

}  // namespace

// Killed at any file operation of "Appliquer", of "Définitif" or of the window's rebuild of the
// list as it opens, every entry and model sells at its price before or after, never with the
// rate twice.
TEST(Promotions, AKillAtAnyWriteLeavesEachPromotionAppliedOnceOrNotYet) {
  using Avant = std::function<void()>;
  const std::vector<std::string> entrees = {"A1", "R1", "R1V"};
  struct Cas {
    const char* nom;
    bool appliquer;  // "Appliquer" done before
    std::function<void(const platform::DataFolder&, const Avant&)> faire;
  } cas[] = {
      {"Appliquer", false,
       [&](const platform::DataFolder& d, const Avant& a) { appliquerTaux(d, entrees, "-20", false, {}, a); }},
      {"Définitif", true,
       [&](const platform::DataFolder& d, const Avant& a) { rendreDefinitif(d, entrees, a); }},
      {"opening", true,
       [&](const platform::DataFolder& d, const Avant& a) {
         repertoirePromotions(d, entrees, [](const std::string&) {}, a);
       }},
  };
  for (const auto& c : cas) {
    auto preparer = [&](TempFolder& t) {
      t.write("R1.ref", kFiche);
      t.write("R1.dif", "Petit=20\r\nGrand=30\r\n");
      reconstruire(platform::DataFolder(t.path()));
      if (c.appliquer) appliquerTaux(platform::DataFolder(t.path()), entrees, "-20", false);
    };
    TempFolder entier;
    preparer(entier);
    const platform::DataFolder d(entier.path());
    const auto avant = prixVendus(d);
    int operations = 0;
    c.faire(d, [&] { ++operations; });
    const auto apres = prixVendus(d);
    ASSERT_GT(operations, 2) << c.nom;
    for (int n = 1; n <= operations; ++n) {
      TempFolder t;
      preparer(t);
      const platform::DataFolder coupe(t.path());
      int compte = 0;
      EXPECT_THROW(c.faire(coupe, [&] { if (++compte == n) throw Coupure{}; }), Coupure);
      for (const auto& [entree, prix] : prixVendus(coupe))
        EXPECT_TRUE(prix == avant.at(entree) || prix == apres.at(entree))
            << c.nom << ", cut at " << n << ": " << entree << " sells at " << prix;
    }
  }
}
