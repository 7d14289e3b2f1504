#include "fenetres/pages/fenetre_liens_multiples.h"

#include <algorithm>
#include <set>

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/pages/etiq.h"
#include "fenetres/pages/faire_vignette.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/ref_gen.h"
#include "platform/charset.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "ui/layout.h"

namespace pages {

namespace {

constexpr const char* kTriTitres = "Tri par titres";
constexpr const char* kTriReferences = "Tri par références";

std::string element(const ProduitLie& p, int mode) {
  const std::string affiche =
      mode == 0 ? p.nom + " [" + p.reference + "]" : p.reference + " [" + p.nom + "]";
  return affiche + " ref=" + p.reference + " nom=" + p.nom;
}

// The index keeps the weight group inside the title: everything up to the ")" after it goes.
std::string titreSansPoids(const std::string& titre) {
  size_t poids = titre.find("(w:");
  if (poids == std::string::npos) return titre;
  size_t fin = titre.find(')', poids);
  return fin == std::string::npos ? titre : platform::trim(std::string_view(titre).substr(fin + 1));
}

void trier(ui::ListBox& liste) {
  std::vector<std::string> items = liste.items();
  platform::sortFrench(items);
  liste.setItems(std::move(items));
}

}  // namespace

Tliensm::Tliensm(app::Programme& programme)
    : ui::Form(programme.application(), "Tliensm", "liensm"), p_(programme) {
  setCaption("Liens multiples");
  refL.sorted = true;
  // The sheet above, the available and the linked products side by side, the buttons below.
  setBounds(left(), top(), 680, height());
  ui::setSize(refLabel, 660, ui::kLineHeight);
  for (ui::ListBox* l : {&refL, &Lref}) ui::setSize(*l, 325, 320);
  ui::setSize(enrB, 260);
  onShow = [this] { FormShow(); };
  triB.onClick = [this] { triBClick(); };
  BitBtn1.onClick = [this] { ajouter(); };
  refL.onDblClick = [this] { ajouter(); };
  BitBtn2.onClick = [this] { enlever(); };
  Lref.onDblClick = [this] { enlever(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  enrB.onClick = [this] { enrBClick(); };
}

std::string Tliensm::referenceChargee() const { return p_.main().referenceLiens; }

void Tliensm::FormShow() {
  const std::string reference = referenceChargee();
  refLabel.setCaption(reference + " " + p_.main().descriptionT.text());
  Lref.clearItems();
  modeTri = 0;
  triB.setCaption(kTriTitres);
  try {
    auto chemin = p_.donnees().path("tmp/" + reference + ".pcl");
    if (!reference.empty() && platform::fileExists(chemin))
      for (const auto& ligne : platform::LineList::load(chemin))
        if (auto lie = lireProduitLie(ligne)) Lref.addItem(element(*lie, 0));
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  triref();
}

void Tliensm::triBClick() {
  if (triB.caption() == kTriTitres)
    modeTri = 0;
  else if (triB.caption() == kTriReferences)
    modeTri = 1;
  triref();
}

void Tliensm::triref() {
  std::set<std::string> exclues{referenceChargee()};
  for (const auto& item : Lref.items())
    if (auto lie = lireProduitLie(item)) exclues.insert(lie->reference);
  std::vector<std::string> items;
  try {
    for (const auto& entree : app::chargerRefGen(p_.donnees())) {
      ProduitLie p{platform::trim(entree.reference), platform::trim(titreSansPoids(entree.titre))};
      if (!exclues.contains(p.reference)) items.push_back(element(p, modeTri));
    }
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  platform::sortFrench(items);
  refL.setItems(std::move(items));
  triB.setCaption(triB.caption() == kTriTitres ? kTriReferences : kTriTitres);
}

void Tliensm::ajouter() {
  const int i = refL.itemIndex();
  if (i < 0) return;
  Lref.addItem(refL.items()[static_cast<size_t>(i)]);
  refL.deleteItem(static_cast<size_t>(i));
}

void Tliensm::enlever() {
  const int i = Lref.itemIndex();
  if (i < 0) return;
  refL.addItem(Lref.items()[static_cast<size_t>(i)]);
  Lref.deleteItem(static_cast<size_t>(i));
  trier(refL);
}

void Tliensm::BitBtn4Click() { trier(Lref); }

void Tliensm::BitBtn3Click() { close(); }

void Tliensm::enrBClick() {
  const std::string reference = referenceChargee();
  // Without a loaded sheet there is no list to write: a file "tmp/.pcl" would belong to none.
  if (!reference.empty()) {
    const auto chemin = p_.donnees().path("tmp/" + reference + ".pcl");
    if (Lref.items().empty()) {
      platform::removeFile(chemin);
    } else {
      platform::LineList lignes;
      for (const auto& item : Lref.items())
        if (auto lie = lireProduitLie(item))
          lignes.add("ref=" + lie->reference + " nom=" + lie->nom);
      platform::makeFolder(chemin.parent_path());
      lignes.save(chemin);
    }
  }
  fairehtml();
  dialogs().showMessage("Mise à jour des références liées effectuée");
  close();
}

void Tliensm::fairehtml() {
  auto& main = p_.main();
  auto& vignette = p_.vignette1();

  const auto dossierTmp = p_.donnees().path("tmp");
  const auto listes = platform::listFiles(dossierTmp, "*.pcl");
  if (listes.empty()) return;

  const auto& options = main.options.options;
  const design::TstyleP& sp = p_.styleP();
  std::string fond = sp.fond_page.empty() ? "" : sp.fond_page + " ";
  if (!sp.image_page.empty())
    fond = "url(" + sp.image_page + ") " + (sp.fixe_page == "oui" ? "fixed" : "");
  std::string fermer = sp.detailsP.text() == "Détails" ? "Fermer" : "Close";
  if (!options.phrase_fermer.empty()) fermer = options.phrase_fermer;

  auto& etiq = p_.etiq1();
  etiq.show();
  etiq.etiquette.clear();
  // The progress window goes away however the run ends.
  struct Fermeture {
    Tetiq1& etiq;
    ~Fermeture() {
      etiq.etiquette.clear();
      etiq.close();
    }
  } fermeture{etiq};
  platform::makeFolder(p_.donnees().root() / "ftp");
  int compteur = 0;
  {
    SerieCartes serie(vignette);
    for (const auto& liste : listes) {
      const auto chemin = dossierTmp / liste;
      if (!platform::fileExists(chemin)) continue;  // gone since the listing
      for (const auto& ligne : platform::LineList::load(chemin)) {
        auto lie = lireProduitLie(ligne);
        if (!lie) continue;
        const std::string& r = lie->reference;
        // Each pop-up shows its product as its own list page does, whatever sheet is open, and
        // with no list header of an earlier preview.
        if (!platform::safeRelativePath(r + ".ref")) continue;  // names no sheet of the folder
        const auto fiche = p_.chemin(r + ".ref");
        if (!platform::fileExists(fiche)) continue;  // no sheet, no card
        const app::TFicheProduit lue = app::lireFicheProduit(platform::LineList::load(fiche));
        vignette.styleDeFiche(lue.categorie, lue.mot_cle, lue.reference,
                              [this](const std::string& n) {
                                return platform::safeRelativePath(n) && p_.donnees().exists(n);
                              });
        vignette.pageCourante.clear();
        vignette.apercuArticles = false;
        vignette.referenceCarte = r;
        vignette.carteFenetre = true;
        vignette.indicateurCarteA = true;
        vignette.indicateurCarteB = true;
        auto carte = vignette.faireVignette();
        if (!carte) continue;
        platform::LineList page = std::move(*carte);
        if (page.empty()) page.add("");
        page[0] = "<BODY STYLE=\"background: " + fond + ";\"><center>" + page[0];
        page.insert(0, platform::kCharsetMeta);
        page.insert(0, "<HTML>");
        page.add("<br><a href=\"JavaScript:window.close()\"><font face=\"" + options.police_defaut +
                 "\" size=2><b>" + fermer + "</b></font></a>");
        page.add("</center></body></html>");
        page.save(p_.chemin("ftp/" + r + "_pc.html"));
        page.save(p_.chemin("tmp/" + r + "_pc.html"));
        ++compteur;
        etiq.etiquette.addLine(platform::fromInteger(compteur) + " Création de " + r + "_pc.html");
      }
    }
    serie.terminer();
  }
}

}  // namespace pages
