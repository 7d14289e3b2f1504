// The shop's identity on every page that shows it: each value typed with markup and an entity
// shows its markup as text, and its entity as the shopkeeper meant it.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "modele/app/identite.h"
#include "modele/frame/barre_top.h"
#include "modele/frame/bon_commande.h"
#include "modele/frame/mode_emploi.h"
#include "modele/frame/page_top.h"
#include "modele/infopages/accueil_page.h"
#include "support/temp_folder.h"

namespace {

using I = app::TIdentite;
using B = frame::EntreesBonCommande;

struct Champ {
  const char* nom;
  std::string I::*valeur;
  std::string I::*drapeau;
  std::string B::*bonValeur;
  std::string B::*bonDrapeau;
};

const Champ kChamps[] = {
    {"nomB", &I::nomB, &I::boutiqueADR, &B::nomB, &B::boutiqueADR},
    {"nomE", &I::nomE, &I::entADR, &B::nomE, &B::entADR},
    {"capital", &I::capital, &I::capADR, &B::capital, &B::capADR},
    {"rue", &I::rue, &I::rueADR, &B::rue, &B::rueADR},
    {"codepostal", &I::codepostal, &I::cpADR, &B::codepostal, &B::cpADR},
    {"pays", &I::pays, &I::paysADR, &B::pays, &B::paysADR},
    {"tel", &I::tel, &I::telADR, &B::tel, &B::telADR},
    {"fax", &I::fax, &I::faxADR, &B::fax, &B::faxADR},
    {"email", &I::email, &I::eADR, &B::email, &B::eADR},
    {"siret", &I::siret, &I::siretADR, &B::siret, &B::siretADR},
    {"ape", &I::ape, &I::apeADR, &B::ape, &B::apeADR},
};

// Every value shown, each typed as "<i>name</i> Soci&eacute;t&eacute;".
I identite() {
  I i;
  for (const Champ& c : kChamps) {
    i.*c.valeur = "<i>" + std::string(c.nom) + "</i> Soci&eacute;t&eacute;";
    i.*c.drapeau = "oui";
  }
  return i;
}

std::string top(const I& i, const platform::DataFolder& d) {
  frame::EntreesTop e;
  design::mettreDefautsMenu(e.menu, {});
  e.ident = i;
  e.frames = true;
  platform::LineList page;
  frame::debutTop(e, d, page);
  frame::barreTop(e, d, page);
  frame::finTop(e, d, page);
  return platform::readFile(d.path("ftp/top2.htm"));
}

std::string bonCommande(const I& i, const platform::DataFolder&) {
  B e;
  for (const Champ& c : kChamps) {
    e.*c.bonValeur = i.*c.valeur;
    e.*c.bonDrapeau = i.*c.drapeau;
  }
  return frame::pageBonCommande(e).text();
}

std::string modeEmploi(const I& i, const platform::DataFolder&) {
  return frame::pageModeEmploi({.nomB = i.nomB, .nomE = i.nomE, .email = i.email}).text();
}

// The home page of a layout, read from one of the files it writes; titre is the title of the
// program settings, which proposes the shop's name followed by " page d'accueil".
auto accueil(bool frames, const char* fichier, bool titre = false) {
  return [=](const I& i, const platform::DataFolder& d) {
    infopages::EntreesPageAccueil e;
    infopages::mettreDefautsAccueil(e.options);
    e.frames = frames;
    e.nomB = i.nomB;
    if (titre) e.accueil_titre = i.nomB + " page d'accueil";
    infopages::ecrirePageAccueil(e, d, [] { return platform::LineList{}; });
    return platform::readFile(d.path(fichier));
  };
}

TEST(IdentitePages, EveryValueShowsItsMarkupAsTextAndKeepsItsEntity) {
  const std::vector<const char*> nom{"nomB"};
  std::vector<const char*> adresse;
  for (const Champ& c : kChamps) adresse.push_back(c.nom);
  const struct {
    const char* page;
    std::function<std::string(const I&, const platform::DataFolder&)> ecrire;
    std::vector<const char*> champs;  // the fields shown as text
  } pages[] = {
      {"top2.htm", top, adresse},
      {"boncommande.htm", bonCommande, adresse},
      {"emploi.htm", modeEmploi, nom},
      {"accueil2.htm, cadres", accueil(true, "ftp/accueil2.htm"), nom},
      {"accueil2.htm, page", accueil(false, "ftp/accueil2.htm"), nom},
      {"accueil2.htm, titre des options", accueil(true, "ftp/accueil2.htm", true), nom},
      {"skinrechbas.txt", accueil(true, "ftp/skinrechbas.txt"), nom},
      {"skinrech.txt", accueil(false, "ftp/skinrech.txt"), nom},
  };
  for (const auto& p : pages) {
    SCOPED_TRACE(p.page);
    testing_support::TempFolder dossier;
    platform::DataFolder donnees(dossier.path());
    platform::makeFolder(dossier / "ftp");
    const std::string page = p.ecrire(identite(), donnees);
    for (const std::string champ : p.champs)
      EXPECT_NE(page.find("&lt;i&gt;" + champ + "&lt;/i&gt; Soci&eacute;t&eacute;"),
                std::string::npos) << champ;
    for (const Champ& c : kChamps)
      EXPECT_EQ(page.find("<i>" + std::string(c.nom)), std::string::npos) << c.nom;
  }
}

}  // namespace
