#include "fenetres/publish/fenetre_comparateurs.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/fenetre_autres_comparateurs.h"
#include "modele/app/fiche_produit.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/publish/comparateurs.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <unordered_set>

namespace publish {

Tkelkoo2::Tkelkoo2(app::Programme& programme)
    : ui::Form(programme.application(), "Tkelkoo2", "kelkoo2"), p_(programme) {
  setCaption("Interface Comparateurs Kelkoo, Webmarchand...");
  titreE.maxLength = 80;
  memo.maxLength = 159;
  repE.labelCaption = "Rep. ";
  for (ui::CheckBox* c : {&kelkooC, &webmarchandC, &googleC, &multiC}) c->setChecked(true);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &multiC, &repE, &BitBtn1, &Gauge, &messageB, &memoK, &listeKel, &ListeCox})
    c->hide();
  setBounds(left(), top(), 700, height());
  ui::setSize(refG, 200);
  ui::setSize(refL, 188, 400);
  ui::setSize(apercuP, 420);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&titreG, &descriptionG, &Lhtm, &prixL})
    ui::setSize(*c, 410);
  ui::setSize(titreE, 320);
  ui::setSize(memo, 398, 60);
  ui::setSize(KategorieL, 240);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&catC, &themeC, &themeTC, &goftp})
    ui::setSize(*c, 410);

  onActivate = [this] { FormActivate(); };
  onHide = [this] { aRemplir_ = true; };
  onClose = [this] { FormClose(); };
  refL.onClick = [this] { refLClick(); };
  for (ui::Button* b : {&modiftB, &modifK, &modifC}) b->onClick = [this] { modiftBClick(); };
  titreE.onKeyDown = [this](int& key, ui::Shift) { titreEKeyDown(key); };
  memo.onKeyDown = [this](int& key, ui::Shift) { memoKeyDown(key); };
  iniB.onClick = [this] { iniBClick(); };
  initT.onClick = [this] { initTClick(); };
  fermerB.onClick = [this] { fermerBClick(); };
  autresB.onClick = [this] { autresBClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  goftp.onClick = [this] { goftpClick(); };
}

void Tkelkoo2::FormActivate() {
  // Coming back from another window would otherwise drop the unticks not saved yet.
  if (!aRemplir_) return;
  aRemplir_ = false;
  const auto& dossier = p_.donnees();
  autresB.show();
  multiC.hide();
  repE.hide();
  if (dossier.exists("kelkoo.rep")) {
    multiC.show();
    repE.show();
  }
  repE.setText("");

  TSelectionFlux selection{catC.checked(), themeTC.checked(), themeC.checked(), {}};
  if (dossier.exists("tmp/kelkoo.ref"))
    appliquerSelectionFlux(platform::LineList::load(dossier.path("tmp/kelkoo.ref")), selection);
  catC.setChecked(selection.catC);
  themeTC.setChecked(selection.themeTC);
  themeC.setChecked(selection.themeC);
  const std::unordered_set<std::string> exclues(selection.exclues.begin(), selection.exclues.end());
  const std::vector<std::string> fiches =
      app::sansMarqueurs(p_.donnees(), p_.main().liste_fiches.items(), app::Usage::produits);
  refL.setItems(fiches);
  for (size_t i = 0; i < fiches.size(); ++i) refL.setChecked(i, !exclues.count(fiches[i]));

  if (dossier.exists("tmp/comp.ini")) {
    TOptionsComparateurs options{kelkooC.checked(), webmarchandC.checked(), googleC.checked(), ""};
    appliquerOptionsComparateurs(platform::LineList::load(dossier.path("tmp/comp.ini")), options);
    kelkooC.setChecked(options.kelkooC);
    webmarchandC.setChecked(options.webmarchandC);
    googleC.setChecked(options.googleC);
    if (repE.visible()) repE.setText(options.repertoire_serveur);
  }
}

void Tkelkoo2::FormClose() { sauverK(); }

void Tkelkoo2::sauverK() {
  TSelectionFlux selection{catC.checked(), themeTC.checked(), themeC.checked(), {}};
  for (size_t i = 0; i < static_cast<size_t>(refL.count()); ++i)
    if (!refL.checked(i)) selection.exclues.push_back(refL.items()[i]);
  platform::makeFolder(p_.chemin("tmp"));
  lignesSelectionFlux(selection).save(p_.donnees().path("tmp/kelkoo.ref"));
  lignesOptionsComparateurs({kelkooC.checked(), webmarchandC.checked(), googleC.checked(), repE.text()})
      .save(p_.donnees().path("tmp/comp.ini"));
}

void Tkelkoo2::voir() {
  const auto& dossier = p_.donnees();
  titreE.setText("");
  KategorieL.setText("");
  memo.clear();
  prixL.setCaption("Prix:");
  Lhtm.setCaption("URL:");
  if (refL.itemIndex() < 0) return;
  const auto chemin = dossier.path(refL.selected());
  if (!platform::fileExists(chemin)) return;
  const platform::LineList fiche = platform::LineList::load(chemin);
  const std::string reference = fiche.value("reference");
  titreG.setCaption(reference);
  const std::string texte = sansPoids(fiche.value("description"));
  const std::string categorie = fiche.value("categorie");
  KategorieL.setText((categorie + " ").substr(0, 79));
  const std::string theme = fiche.value("mot_cle");
  std::string titre = titreFlux(categorie, theme, texte, fiche.value("auteur"), catC.checked(),
                                themeTC.checked());
  const std::string ecotaxe = platform::trim(fiche.value("pecotaxe"));

  ouvreK();
  const platform::LineList& surcharge = memoK.lines();
  if (!surcharge.empty() && surcharge[0].find('=') != std::string::npos)
    titre = surcharge[0].substr(surcharge[0].find('=') + 1);
  titreE.setText(titre.substr(0, 79));
  Lhtm.setCaption("");
  const std::string page = app::pageDuProduit(dossier, reference);
  if (!page.empty()) Lhtm.setCaption(page);

  const std::string& devise = p_.ident().identite.dev1;
  std::string prix = prixFlux(fiche.value("prix"), devise), promo = prix;
  if (dossier.exists(reference + ".pro"))
    promo = prixPromoFlux(
        fiche.value("prix"),
        platform::LineList::load(dossier.path(reference + ".pro")).value("prixpromo"), devise);
  std::string legende = promo == prix ? "Prix: " + prix : "Prix promo: " + promo + " [" + prix + "]";
  if (prix == "0.00") {
    prix = prixFlux(fiche.value("CD_prix"), devise);
    legende = "Prix: " + prix;
  }
  if (!ecotaxe.empty()) legende += " ecotaxe: " + ecotaxe;
  prixL.setCaption(legende);

  std::string description;
  if (surcharge.empty()) {
    std::vector<std::string> commentaires;
    for (const auto& ligne : fiche)
      if (ligne.rfind("commentaires=", 0) == 0) commentaires.push_back(ligne.substr(13));
    description = descriptionFlux(theme, commentaires, themeC.checked(), true);
  } else {
    const TSurchargeFlux s = lireSurchargeFlux(surcharge);
    for (const auto& ligne : s.description) description += " " + ligne;
    if (s.aCategorie) KategorieL.setText(s.categorie);
  }
  memo.setLines({sansBalises(platform::trim(description)).substr(0, 159)});
}

void Tkelkoo2::ouvreK() {
  const std::string reference = platform::trim(titreG.caption());
  const auto chemin = p_.donnees().path("tmp/" + reference + ".kel");
  memoK.setLines(platform::fileExists(chemin) ? platform::LineList::load(chemin) : platform::LineList{});
}

void Tkelkoo2::sauvemodif() {
  // Nothing previewed: no product to give an override to.
  if (refL.itemIndex() < 0) return;
  const std::string reference = platform::trim(titreG.caption());
  if (!platform::isWindowsFileName(reference + ".kel")) return;
  // The category is trimmed: the blank the preview adds must not reach the feed.
  platform::makeFolder(p_.chemin("tmp"));
  lignesSurchargeFlux({titreE.text(), memo.lines().lines(), platform::trim(KategorieL.text()), true})
      .save(p_.donnees().path("tmp/" + reference + ".kel"));
  dialogs().showMessage("Modifications " + reference + " enregistrées");
  refL.setFocus();
}

void Tkelkoo2::refLClick() { voir(); }
void Tkelkoo2::modiftBClick() { sauvemodif(); }

void Tkelkoo2::titreEKeyDown(int& key) {
  if (key == ui::key::Enter) sauvemodif();
}

void Tkelkoo2::memoKeyDown(int& key) {
  if (key == ui::key::Enter) {
    key = 0;  // the description stays one line
    sauvemodif();
  }
}

void Tkelkoo2::iniBClick() {
  platform::removeFile(p_.chemin("tmp/" + platform::trim(titreG.caption()) + ".kel"));
  voir();
}

void Tkelkoo2::initTClick() {
  listeKel.setDirectory(p_.chemin("tmp"));
  listeKel.update();
  for (const auto& nom : listeKel.items()) platform::removeFile(p_.chemin("tmp/" + nom));
  voir();
}

void Tkelkoo2::fermerBClick() {
  sauverK();
  close();
}

void Tkelkoo2::autresBClick() { p_.autres_comp().show(); }

void Tkelkoo2::BitBtn1Click() {
  if (dialogs().messageBox("Etes-vous sûr de vouloir initialiser sitemap.xml et remettre toutes les "
                           "URL - Opération irréversible ?",
                           "Confirmation", ui::MessageKind::Confirmation,
                           ui::Buttons::YesNoCancel) != ui::Answer::Yes)
    return;
  const auto planSite = p_.chemin("ftp/sitemap.xml");
  if (!platform::fileExists(planSite)) {
    dialogs().showMessage("sitemap.xml inexistant");
    return;
  }
  platform::removeFile(planSite);
  dialogs().showMessage("sitemap.xml initialisé");
}

}  // namespace publish
