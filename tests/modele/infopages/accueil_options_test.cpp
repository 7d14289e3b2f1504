#include "modele/infopages/accueil_options.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "platform/files.h"
#include "platform/gif.h"
#include "support/temp_folder.h"

using namespace infopages;
using platform::LineList;
using testing_support::TempFolder;

namespace {

TOptionsAccueil lire(const std::string& contenu, TOptionsAccueil depart = {}) {
  TempFolder dossier;
  dossier.write("accueil.opt", contenu);
  chargerOptionsAccueil(depart, dossier / "accueil.opt");
  return depart;
}

std::vector<std::string> noms(const TOptionsAccueil& o) {
  std::vector<std::string> n;
  for (const RubriqueCochee& r : o.rubriques) n.push_back(r.nom + (r.coche ? "+" : "-"));
  return n;
}

}  // namespace

TEST(OptionsAccueil, LoaderRules) {
  TOptionsAccueil avant;
  avant.titre_intro = "Bienvenue";
  avant.texte = {"ligne gardée"};
  avant.vitrine = {{"Bol", "BOL01", ""}};
  avant.rubriques = {{"Titre", false}, {"Auteurs", true}};
  struct Cas {
    const char* nom;
    const char* fichier;  // nullptr: no file
    std::function<void(const TOptionsAccueil&)> verifier;
  } cas[] = {
      {"no file: defaults, no sections column", nullptr,
       [](const TOptionsAccueil& o) {
         EXPECT_EQ(o.espaceYES, "non");
         EXPECT_EQ(o.encadrementR, "rond");
         EXPECT_EQ(o.fond_accueil_titre, "#FFFFFF");
         EXPECT_EQ(o.nbre_promo, "2");
         EXPECT_EQ(o.titre_intro, "Bienvenue");
         EXPECT_TRUE(o.vitrine.empty());
         EXPECT_EQ(o.ref_index, "0");
         EXPECT_EQ(o.texte, std::vector<std::string>{"ligne gardée"});
         EXPECT_EQ(noms(o), (std::vector<std::string>{"Titre+", "Auteurs-"}));
       }},
      {"empty file: defaults", "", [](const TOptionsAccueil& o) { EXPECT_EQ(o.espaceYES, "oui"); }},
      {"key case ignored, first line wins, empty value keeps the default",
       "PROMO_POLICE=Verdana\r\npromo_police=Times\r\ntitre_intro=\r\nfond_intro=\r\n",
       [](const TOptionsAccueil& o) {
         EXPECT_EQ(o.promo_police, "Verdana");
         EXPECT_EQ(o.titre_intro, "Bienvenue");
         EXPECT_EQ(o.fond_intro, "#FFFFFF");
       }},
      {"texte_index 0 keeps the text; a section list absent keeps the list",
       "texte_index=0\r\ntexte0=non lu\r\n",
       [](const TOptionsAccueil& o) {
         EXPECT_EQ(o.texte, std::vector<std::string>{"ligne gardée"});
         EXPECT_EQ(noms(o), (std::vector<std::string>{"Titre+", "Auteurs-"}));
       }},
      {"lists read, absent checked ticks, absent keys give empty items",
       "texte_index=2\r\ntexte0=a\r\nref_index=2\r\ntitre0=T0\r\nref0=R0\r\ntitres0=S0\r\n"
       "rubriques_index=3\r\nrubrique0=Titre\r\nchecked0=non\r\nrubrique1=Auteurs\r\n",
       [](const TOptionsAccueil& o) {
         EXPECT_EQ(o.texte, (std::vector<std::string>{"a", ""}));
         EXPECT_EQ(o.vitrine, (std::vector<ProduitVitrine>{{"T0", "R0", "S0"}, {"", "", ""}}));
         EXPECT_EQ(o.ref_index, "2");
         EXPECT_EQ(noms(o), (std::vector<std::string>{"Titre-", "Auteurs+", "+"}));
       }},
      {"rubriques_index 0 empties the list", "rubriques_index=0\r\n",
       [](const TOptionsAccueil& o) { EXPECT_TRUE(o.rubriques.empty()); }},
      {"counts that are no whole number count as absent",
       "texte_index=2a\r\ntexte0=x\r\nrubriques_index=-1\r\nref_index= \r\nnbre_promo=3.5\r\n",
       [](const TOptionsAccueil& o) {
         EXPECT_EQ(o.texte, std::vector<std::string>{"ligne gardée"});
         EXPECT_EQ(o.rubriques.size(), 2u);
         EXPECT_TRUE(o.vitrine.empty());
         EXPECT_EQ(o.nbre_promo, "2");
       }},
      {"promo_hauteur 100% reads as 0", "promo_hauteur=100%\r\n",
       [](const TOptionsAccueil& o) { EXPECT_EQ(o.promo_hauteur, "0"); }},
  };
  for (const Cas& c : cas) {
    SCOPED_TRACE(c.nom);
    TempFolder dossier;
    if (c.fichier) dossier.write("accueil.opt", c.fichier);
    TOptionsAccueil o = avant;
    chargerOptionsAccueil(o, dossier / "accueil.opt");
    c.verifier(o);
  }
}

TEST(OptionsAccueil, ProductsPerRowBetweenOneAndNine) {
  for (auto [lu, attendu] : {std::pair{"0", "2"}, {"12", "9"}, {"-3", "1"}, {"x", "2"}, {"00 5", "5"}})
    EXPECT_EQ(lire(std::string("nbre_promo=") + lu + "\r\n").nbre_promo, attendu) << lu;
}

TEST(OptionsAccueil, EveryKeyComesBackAsWritten) {
  TOptionsAccueil o;
  int n = 0;
  for (const CleAccueil& c : clesAccueil())
    if (c.champ) o.*c.champ = "v" + std::to_string(n++);
  o.nbre_promo = "7";
  o.promo_hauteur = "80";
  o.texte = {"première", "", "fin"};
  o.vitrine = {{"Bol", "BOL01", "Nouveau"}, {"Tasse", "TAS01", ""}};
  o.rubriques = {{"Titre", true}, {"Auteurs", false}};
  LineList lignes = lignesAccueil(o);
  TempFolder dossier;
  lignes.save(dossier / "accueil.opt");
  TOptionsAccueil relu;
  chargerOptionsAccueil(relu, dossier / "accueil.opt");
  o.texte_index = "3";
  o.ref_index = "2";
  EXPECT_EQ(relu, o);
}

TEST(OptionsAccueil, EmptyListsAreWrittenAsNothing) {
  TOptionsAccueil o = lire("ref_index=1\r\nref0=BOL01\r\ntexte_index=1\r\ntexte0=a\r\n");
  o.vitrine.clear();
  o.texte.clear();
  o.rubriques.clear();
  LineList lignes = lignesAccueil(o);
  for (const char* cle : {"texte_index", "ref_index", "rubriques_index", "ref0", "texte0"})
    EXPECT_FALSE(lignes.hasName(cle)) << cle;
  EXPECT_EQ(lignes.size(), 55u);
  // Reloaded over a showcase read before, the emptied one stays empty.
  TOptionsAccueil relu = lire("ref_index=1\r\nref0=BOL01\r\n");
  TempFolder dossier;
  lignes.save(dossier / "accueil.opt");
  chargerOptionsAccueil(relu, dossier / "accueil.opt");
  EXPECT_EQ(relu.ref_index, "0");
  EXPECT_TRUE(relu.vitrine.empty());
}

TEST(OptionsAccueil, TheDemoFileIsAsTheWriterWritesIt) {
  const char* source = std::getenv("TARVIO_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  const std::filesystem::path demo = std::filesystem::path(source) / "demo/accueil.opt";
  TOptionsAccueil o;
  o.rubriques = rubriquesInitiales();
  chargerOptionsAccueil(o, demo);
  EXPECT_EQ(lignesAccueil(o).text(), platform::readFile(demo));
}

TEST(OptionsAccueil, CornersOfShowcaseAndSectionsForEveryFrameKind) {
  for (const char* cadre : {"rond", "carre", "aucun", "transparent"}) {
    TempFolder dossier;
    TOptionsAccueil o = lire("");
    o.promo_encadrement = o.encadrementR = o.paccueil_encadrement = cadre;
    sauverCoinsAccueil(o, '-', dossier.path());
    for (const char* nom : {"promo", "rubriques"})
      for (const char* coin : {"_hg", "_hd", "_bg", "_bd"})
        EXPECT_TRUE(platform::readGif(dossier / (std::string(nom) + coin + ".gif")))
            << cadre << " " << nom << coin;
    EXPECT_EQ(platform::listFiles(dossier.path()).size(), 8u) << cadre;
  }
  TOptionsAccueil o = lire("promo_titre_fond=#008000\r\npromo_texte_fond=#FFFFFF\r\n");
  EXPECT_EQ(cadresAccueil(o)[0].couleurFondHaut, "#008000");
  o.promo_span = "oui";
  EXPECT_EQ(cadresAccueil(o)[0].couleurFondHaut, "#FFFFFF");
  EXPECT_EQ(cadresAccueil(o)[1].couleurFondHaut, o.haut_fond_rubriques);
}
