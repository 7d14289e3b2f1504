#include <gtest/gtest.h>

#include <string>

#include "modele/infopages/accueil_rubrique.h"
#include "modele/infopages/accueil_vitrine.h"
#include "platform/files.h"
#include "support/temp_folder.h"

using namespace infopages;
using platform::LineList;
using testing_support::TempFolder;

TEST(RubriqueAccueil, SettingsAndTextComeBackAndPrincipalReadsAsSelf) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  RubriqueLue vide = chargerRubriqueAccueil(donnees, "contact");
  EXPECT_EQ(vide.reglages, TRubriqueAccueil{});
  EXPECT_TRUE(vide.texte.empty());

  TRubriqueAccueil r;
  r.puce_rubrique = "p.gif";
  r.lien = "a.htm";
  r.couleurR = "#112233";
  sauverRubriqueAccueil(donnees, "contact", r, LineList{"Ecrivez-nous", ""});
  EXPECT_EQ(dossier.read("contact.acc"),
            "puce_rubrique=p.gif\r\npuce_largeur=\r\npuce_hauteur=\r\nlien=a.htm\r\n"
            "target=_self\r\ncouleurR=#112233\r\ntailleR=11\r\nalignementR=left\r\ngrasR=non\r\n"
            "italiqueR=non\r\nsouligneR=oui\r\n");
  RubriqueLue lue = chargerRubriqueAccueil(donnees, "contact");
  EXPECT_EQ(lue.reglages, r);
  EXPECT_EQ(lue.texte, (LineList{"Ecrivez-nous", ""}));

  dossier.write("faq.acc", "TARGET=principal\r\ntailleR=\r\n");
  EXPECT_EQ(chargerRubriqueAccueil(donnees, "faq").reglages.target, "_self");
  EXPECT_EQ(chargerRubriqueAccueil(donnees, "faq").reglages.tailleR, "11");
}

TEST(RubriqueAccueil, FixedLinksOfTheBuiltInSections) {
  EntreesLienRubrique e;
  e.premierePage = "vaisselle-bols-0.htm";
  e.articles = "Articles";
  e.listeP = "Auteurs";
  e.url_panier = "https://panier.example/panier.php";
  e.targetS = "_top";
  e.scriptPaiement = "https://paie.example/cgi/secur.php";
  e.login = "boutique";
  e.ext = "fr";
  e.nomE = "Terre & Feuilles";
  e.email = "a@b.fr";
  EntreesLienRubrique sansCadres = e;
  sansCadres.frames = false;
  struct Cas {
    const char* nom;
    const EntreesLienRubrique& entrees;
    const char* lien;  // nullptr: unchanged
  } cas[] = {
      {"Titre", e, nullptr},
      {"ESPACE", e, nullptr},
      {"LIGNE", e, nullptr},
      {"Visite", e, "vaisselle-bols-0.htm"},
      {"Produits", e, "ArticlesA.html"},
      {"Thèmes", e, "themes_Articles.html"},
      {"Auteurs", e, "AuteursA.html"},
      {"Paiement sécurisé", e, "https://paie.example/cgi/secur.php?boutique=Terre%20%26%20Feuilles&frame=oui"},
      {"Paiement sécurisé", sansCadres, "securf.htm"},
      {"FAQ", e, "emploi.htm"},
      {"FAQ", sansCadres, "emploif.htm"},
      {"Conditions de vente", sansCadres, "cvf.htm"},
      {"Livraison", e, "cv.htm#delai"},
      {"Livraison", sansCadres, "cvf.htm#delai"},
      {"Contact", e, "mailto:a@b.fr"},
  };
  for (const Cas& c : cas) {
    auto fixe = lienRubriqueFixe(c.nom, c.entrees);
    ASSERT_TRUE(fixe) << c.nom;
    EXPECT_EQ(fixe->lien.has_value(), c.lien != nullptr) << c.nom;
    if (c.lien) {
      EXPECT_EQ(*fixe->lien, c.lien) << c.nom;
    }
    EXPECT_FALSE(fixe->target) << c.nom;
  }
  e.login = "l'o";
  auto panier = lienRubriqueFixe("Panier", e);
  EXPECT_EQ(*panier->lien,
            "JavaScript:document.location.href='https://panier.example/panier.php?login=l%27o"
            "&ext=fr&session=oui&session_client='+(function(){try{var v=top.session_client;return v==null?'':v;}"
              "catch(e){return '';}})()+''");
  EXPECT_EQ(panier->target, "_top");
  EXPECT_FALSE(lienRubriqueFixe("Nos horaires", e));
}

TEST(Vitrine, SideFilesComeBackAndAMissingOneIsEmpty) {
  TempFolder dossier;
  platform::DataFolder donnees(dossier.path());
  EXPECT_EQ(chargerLienVitrine(donnees, "BOL01"), TLienVitrine{});
  EXPECT_EQ(chargerImageVitrine(donnees, "BOL01"), TImageVitrine{});
  sauverLienVitrine(donnees, "BOL01", {"http://a.example/", "_blank"});
  sauverImageVitrine(donnees, "BOL01", {"bol01g.jpg", "120", "90"});
  EXPECT_EQ(dossier.read("tmp/BOL01.npr"), "lienS=http://a.example/\r\ntargetS=_blank\r\n");
  EXPECT_EQ(chargerLienVitrine(donnees, "bol01"), (TLienVitrine{"http://a.example/", "_blank"}));
  EXPECT_EQ(chargerImageVitrine(donnees, "BOL01"), (TImageVitrine{"bol01g.jpg", "120", "90"}));
}

TEST(Vitrine, ReferencesThatCannotNameAFile) {
  for (const char* ref : {"BOL01", "L-2.b", "Livre 3"}) EXPECT_TRUE(referenceFichierValide(ref)) << ref;
  for (const char* ref : {"", "A*B", "a/b", "a\\b", "..", "x:y", "con"})
    EXPECT_FALSE(referenceFichierValide(ref)) << ref;
}
