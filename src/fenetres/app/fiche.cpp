#include "fenetres/app/fiche.h"

#include "fenetres/app/fenetre_auteurs.h"
#include "fenetres/app/fenetre_habillage_categorie.h"
#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fenetre_prix_differents.h"
#include "fenetres/app/fenetre_prix_promotions.h"
#include "fenetres/app/fenetre_supplements.h"
#include "fenetres/app/fiche_disposition.h"
#include "fenetres/app/fiche_images.h"
#include "fenetres/app/livre.h"
#include "fenetres/app/modifcat.h"
#include "fenetres/app/modiftheme.h"
#include "fenetres/app/organigramme.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/boutons.h"
#include "fenetres/design/fenetre_calcul_hexa.h"
#include "fenetres/design/fond.h"
#include "fenetres/design/gif_titre.h"
#include "fenetres/design/menu.h"
#include "fenetres/design/style.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/frame/catal_index.h"
#include "fenetres/frame/voir_menu.h"
#include "fenetres/infopages/accueil.h"
#include "fenetres/infopages/cvente.h"
#include "fenetres/infopages/fenetre_liste_recherche.h"
#include "fenetres/pages/fenetre_liens_multiples.h"
#include "fenetres/publish/fenetre_comparateurs.h"
#include "fenetres/publish/fenetre_export_references.h"
#include "fenetres/publish/transfert.h"
#include "modele/app/fiches_catalogue.h"
#include "modele/app/ref_gen.h"
#include "modele/app/renommage_journal.h"
#include "modele/app/texte_prix.h"
#include "modele/app/web.h"
#include "modele/frame/pages_import.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/services.h"

namespace app {

namespace {

const char* const kConseilSauvegarde =
    "Nous conseillons de faire une sauvegarde régulière du répertoire COMPLET de Tarvio\r"
    "de préférence sur un deuxième disque dur et/ou sur une clé USB.\r"
    "Sur CD les données seront enregistrées en lecture seule : pensez à modifier les attributs une "
    "fois les données récupérées\r"
    "Une autre solution est de zipper le répertoire avant de l'enregistrer.\r";

const char* const kConseilNavigateur =
    "Si vous avez des problèmes en aperçu local avec Internet Explorer - blocage javascript -\r"
    "vous pouvez résoudre cet inconvénient en allant sur\r"
    "Outils --> Options Internet --> Avancé --> Sécurité\r"
    "Cochez la case : Autoriser le contenu actif à s'exécuter dans les fichiers de la zone "
    "Ordinateur local";

}  // namespace

Tmain::Tmain(Programme& programme) : ui::Form(programme.application(), "Tmain", "main"), p_(programme) {
  setBounds(0, 0, 797, 606);
  fixedSize = true;
  PageControl1.setBounds(0, 0, 577, 489);
  disposerFiche(*this);
  famille.setItems({"Produits", "Livres", "Audio", "Services"});
  referencer.labelCaption = "Référence";
  descriptionT.labelCaption = "Titre";
  prixT.labelCaption = "Prix";
  multiE.labelCaption = "Multi:";
  presentations.maxLength = chants.maxLength = 5000;
  for (ui::Edit* e : {&ecotaxeE, &ecotaxeAE, &ecotaxeBE, &ecotaxeCE}) e->labelCaption = "Eco:";
  for (ui::Edit* e : {&poidsE, &poidsAE, &poidsBE, &poidsCE}) e->labelCaption = "Poids:";
  titreE.labelCaption = "Titre :";
  descriptionG.setCaption("Description :");
  dateCE.labelCaption = "Création :";
  dateRE.labelCaption = "Révision :";
  langueE.labelCaption = "Langue : ";
  auteurE.labelCaption = "Auteur : ";
  copyE.labelCaption = "Copyright : ";
  visiteE.labelCaption = "Revisite : ";
  catE.labelCaption = "Catégorie : ";
  site_pub.labelCaption = "URL :";
  applimage.setItems({"Image", "Détail"});
  applimage.setItemIndex(0);
  for (ui::TabSheet* onglet : {&style_f, &menus, &p_accueil}) onglet->setTabVisible(false);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &BitBtn1, &BitBtn8, &BitBtn10, &transfert, &html, &menuconstruire, &menutransfert,
           &formes, &voir_vignette, &sauver, &effacer, &b_promo, &intro, &titre_chants})
    c->setEnabled(false);
  for (ui::Control* c : std::initializer_list<ui::Control*>{
           &scriptB, &autres_modulesL, &module_OK, &Gauge, &recap, &sauverL, &skin, &exeL, &etatB,
           &suppB, &diffB, &categotxtB, &newprodB, &newC})
    c->setVisible(false);
  newC.dropDownList = true;
  for (ui::Shape* s : {&Shape1, &Shape2, &Shape3}) s->setPenColour(ui::clTeal);

  onCreate = [this] { FormCreate(); };
  onShow = [this] { FormShow(); };
  onActivate = [this] { FormActivate(); };
  onPaint = [this] { FormPaint(); };
  onClose = [this] { FormClose(); };
  PageControl1.onChange = [this] { PageControl1Change(); };

  Indentification1.onClick = identB.onClick = [this] { identBClick(); };
  Quitter1.onClick = [this] { Quitter1Click(); };
  sauvegarder1.onClick = bsauve.onClick = [this] { sauvegarder1Click(); };
  Ficheproduit1.onClick = [this] { Ficheproduit1Click(); };
  Style1.onClick = [this] { Style1Click(); };
  Conditionsdevente2.onClick = [this] { Conditionsdevente2Click(); };
  Conditionsdevente1.onClick = [this] { Conditionsdevente1Click(); };
  Pagedindex1.onClick = [this] { Pagedindex1Click(); };
  menuconstruire.onClick = html.onClick = [this] { htmlClick(); };
  menutransfert.onClick = transfert.onClick = [this] { transfertClick(); };
  Impressiondesrfrences1.onClick = [this] { Impressiondesrfrences1Click(); };
  Modificationdesprix1.onClick = [this] { Modificationdesprix1Click(); };
  Reconstruirelesrfrences1.onClick = [this] { Reconstruirelesrfrences1Click(); };
  Calculhexa1.onClick = [this] { button_hexaClick(); };
  Aide2.onClick = aideB.onClick = [this] { Aide2Click(); };
  FAQ1.onClick = [this] { FAQ1Click(); };
  scriptB.onClick = [this] { scriptBClick(); };
  Borga.onClick = [this] { BorgaClick(); };
  liste_fiches.filter = [this](auto noms) { return sansMarqueurs(p_.donnees(), std::move(noms)); };
  liste_fiches.onClick = [this] { liste_fichesClick(); };
  liste_produits.onClick = [this] { Button6Click(); };
  b_auteur.onClick = [this] { Button2Click(); };
  b_chanteur.onClick = [this] { b_chanteurClick(); };
  BitBtn1.onClick = [this] { Button3Click(); };
  BitBtn8.onClick = BitBtn10.onClick = [this] { tricategoClick(); };
  BitBtn11.onClick = [this] { Button4Click(); };
  theme_tri.onClick = theme_suppr.onClick = [this] { theme_triClick(); };
  BitBtn21.onClick = [this] { BitBtn21Click(); };
  kelkooB.onClick = [this] { kelkooBClick(); };
  versionB.onClick = [this] { versionBClick(); };
  modulesB.onClick = [this] { modulesBClick(); };
  bstock.onClick = [this] { bstockClick(); };
  module_OK.onClick = [this] { module_OKClick(); };
  categotxtB.onClick = [this] { categotxtBClick(); };
  b_promo.onClick = [this] { b_promoClick(); };
  liensB.onClick = [this] { liensBClick(); };
  Lhtm.onClick = [this] { LhtmClick(); };
  pbP.onClick = [this] { pbPClick(); };
  BitBtn24.onClick = [this] { BitBtn24Click(); };
  BitBtn18.onClick = [this] { BitBtn18Click(); };
  lierPublicite();
  bmoteur.onClick = [this] { bmoteurClick(); };
  BitBtn23.onClick = [this] { BitBtn23Click(); };
  lierIndex();
  lierLecture();
  lierEditeur();
  lierAnnexes();

  FormCreate();
}

Tmain::~Tmain() = default;

// --- start-up ---

void Tmain::FormCreate() {
  setColour(0x808080);
  setCaption(p_.environment().executableName);
}

void Tmain::FormShow() {
  auto& style = p_.styleP();
  options = chargerOptionsDemarrage(p_.donnees());
  // A write the program was killed in never renamed its temporary file.
  const auto& racine = p_.donnees().root();
  platform::removeOwnTemporaries(racine);
  // A linked folder is cleaned under its own name, or is none of ours.
  for (const std::string& dossier : platform::listFolders(racine))
    if (!std::filesystem::is_symlink(racine / dossier)) platform::removeOwnTemporaries(racine / dossier);
  // A rename cut short is completed from its record before anything reads the lists.
  try {
    reprendreRenommage(p_.donnees());
  } catch (const platform::FileError& erreur) {
    dialogs().showMessage(std::string("Le changement de nom interrompu n'a pas pu être achevé : ") +
                          erreur.what() + "\nLancez Construction > Réparation pour l'achever.");
  }
  // Promotions a kill left half made final, or parked.
  try {
    reprendrePromotions(p_.donnees());
  } catch (const platform::FileError& erreur) {
    dialogs().showMessage(std::string("Les promotions interrompues n'ont pas pu être reprises : ") +
                          erreur.what());
  }
  // A save stopped between a sheet and its index line leaves the index behind for good.
  if (refGenEnRetard(p_.donnees())) reconstruireRefGen();
  panierPro = app::panierPro(style.url_cgi.text());
  if (panierPro == "oui") {
    ui::Font f = auteur_nom.font();
    f.colour = ui::clRed;
    f.bold = true;
    auteur_nom.setFont(f);
  }
  ouvrirIndex();
  for (ui::Memo* m : {&presentations, &chants, &commentaires, &texteD}) m->clear();
  listejpg.setDirectory(p_.donnees().root());
  p_.transfert1().transfertLIST.setDirectory(p_.chemin("transfert"));
  deviseT.setCaption("");
  desactiverLignesVariantes();
  montrerEcotaxePoids();
  auteur_nom.setCaption(style.auteur.text() + " :");
  libelleListe = style.auteur.text();
  famille.setItemIndex(0);
  chargerCategories();
  if (catego.text().empty()) catego.setItemIndex(0);
  chargerThemes();
  if (themes.text().empty()) themes.setItemIndex(0);
  produitsParPage = 2;
  Lmaxi.setCaption("Produits par page : 2");
  maxi.setPosition(2);
  fiche.reference = referencer.text();
  fiche.description = descriptionT.text();
  fiche.auteur = auteurT.text();
  fiche.prix = prixT.text();
  fiche.pecotaxe = ecotaxeE.text();
  fiche.pecotaxeA = ecotaxeAE.text();
  fiche.pecotaxeB = ecotaxeBE.text();
  fiche.pecotaxeC = ecotaxeCE.text();
  b_auteur.setCaption("Liste " + style.auteur.text());
  b_chanteur.setCaption("Liste " + style.chanteur.text());
  rafraichirListeFiches();
  p_.menu1().chargerMenu();
  p_.menu1().preparerMenu();
}

void Tmain::FormActivate() {
  chargerModules();
  auto& identite = p_.ident();
  identite.scriptB.setCaption("Panier de Commande\rsans engagement\r1 mois gratuit");
  if (p_.donnees().exists("ident.opt")) identite.chargerIdent();
  if (identite.identite.login.empty()) scriptB.show();
  suppB.show();
  diffB.show();
  categotxtB.show();
  p_.styleP().multC.show();
  p_.styleP().imagespanierC.setEnabled(true);
  Lhtm.setCaption("");
  frame::adapterPagesImport(p_.donnees(), p_.styleP().url_panier);
  // Paths are built from the data folder everywhere: no current directory to change.
  platform::removeFile(p_.chemin("aide.hlp"));
  for (const char* dossier : {"vignettes", "vibdd", "tmp", "transfert"}) platform::makeFolder(p_.chemin(dossier));
  if (famille.itemIndex() < 0 && !familleIllisible) famille.setItemIndex(0);
  cartesInitialisees = false;
  const auto& racine = p_.donnees().root();
  p_.accueil1().imageL.setDirectory(racine);
  p_.boutons_view().images.setDirectory(racine);
  p_.fonds().images.setDirectory(racine);
  p_.gif_titres().gifs_liste.setDirectory(racine);
  listejpg.setDirectory(racine);
  liste_fiches.setDirectory(racine);
  ouvrir_pub();
  if (p_.donnees().exists("etat.txt")) etatB.show();
}

void Tmain::FormPaint() {
  // The identity window comes back until an identity is saved, but is not raised again while it
  // is already on screen.
  if (!p_.donnees().exists("ident.opt")) {
    PageControl1.setActivePage(fiche_produit);
    if (!p_.ident().visible()) p_.ident().show();
  }
  if (!premierAffichage) verifierModules();
  premierAffichage = true;
}

void Tmain::FormClose() {
  // Annuler, or a save refused (its message told why), keeps the program open with the edits.
  if (!remplacementFicheAccorde()) {
    keepOpen();
    return;
  }
  // An open identity or price list window asks about its typed edits; Annuler keeps both open.
  for (ui::Form* f : std::initializer_list<ui::Form*>{&p_.ident(), &p_.supp(), &p_.prixdiff()})
    if (f->visible() && (f->close(), f->visible())) {
      keepOpen();
      return;
    }
  // The style, menu, home-page and quick-choice editors keep their edits while the program runs:
  // last chance to save them.
  p_.Form1().proposerEnregistrement();
  p_.menu1().proposerEnregistrement();
  p_.accueil1().proposerEnregistrement();
  p_.liste_recherche().proposerEnregistrement();
  sauver_pub();
  sauverIndex();
  tuerFenetre("", p_.application().title());
}

void Tmain::tuerFenetre(std::string_view, std::string_view) {
  // Only this program's own process is ended: another instance with the same title is left alone.
  p_.environment().exit.exit(4);
}

void Tmain::PageControl1Change() {
  ui::TabSheet* onglet = PageControl1.activePage();
  if (onglet == &imagedetail)
    imageD_box.setCaption("Images JPG " + listejpg.directory().string());
  else if (onglet == &style_f)
    ouvrirStyleFiche();
  else if (onglet == &style_P)
    montrerAvecSablier(p_.styleP());
  else if (onglet == &menus)
    montrerAvecSablier(p_.menu1());
  else if (onglet == &p_accueil)
    montrerAvecSablier(p_.accueil1());
  else if (onglet == &cventeT)
    montrerAvecSablier(p_.cvente1());
  else if (onglet == &pub1)
    pub1Show();
}

void Tmain::montrerAvecSablier(ui::Form& fenetre) {
  PageControl1.setCursor(ui::Cursor::HourGlass);
  fenetre.show();
  PageControl1.setCursor(ui::Cursor::Default);
}

void Tmain::activerOngletFiche() { PageControl1.setActivePage(fiche_produit); }

bool Tmain::reglagesSiteDefinis(const char* messageMenu) {
  const std::pair<const char*, const char*> requis[] = {
      {"menu.opt", messageMenu},
      {"accueil.opt", "La page d'accueil n'a pas été définie"},
      {"cv.opt", "La page des conditions de vente n'a pas été définie"}};
  for (const auto& [fichier, message] : requis) {
    if (!p_.donnees().exists(fichier)) {
      dialogs().showMessage(message);
      return false;
    }
  }
  return true;
}

// --- navigation ---

void Tmain::identBClick() {
  activerOngletFiche();
  p_.ident().show();
}

void Tmain::Quitter1Click() { close(); }

void Tmain::sauvegarder1Click() { dialogs().showMessage(kConseilSauvegarde); }

void Tmain::Ficheproduit1Click() { PageControl1.setActivePage(0); }

void Tmain::Style1Click() { montrerAvecSablier(p_.styleP()); }

void Tmain::Conditionsdevente2Click() {
  PageControl1.setActivePage(cventeT);
  montrerAvecSablier(p_.cvente1());
}

void Tmain::Conditionsdevente1Click() {
  PageControl1.setActivePage(pub1);
  pub1Show();
}

void Tmain::Pagedindex1Click() { PageControl1.setActivePage(meta1); }

void Tmain::Impressiondesrfrences1Click() {
  activerOngletFiche();
  p_.export_ref().show();
}

void Tmain::kelkooBClick() {
  p_.ident().chargerIdent();
  p_.kelkoo2().show();
}

void Tmain::Modificationdesprix1Click() {
  if (liste_fiches.count() > 0)
    p_.prixF().show();
  else
    dialogs().showMessage("Aucune fiche disponible");
}

void Tmain::button_hexaClick() { p_.hexa1().show(); }

void Tmain::Aide2Click() { p_.shell().open(web::kAide); }

void Tmain::FAQ1Click() { p_.shell().open(web::kSite); }

void Tmain::scriptBClick() { p_.shell().open(web::kPanier); }

void Tmain::BorgaClick() {
  if (PageControl1.activePage() == &p_accueil) {
    p_.accueil1().show();
  } else {
    activerOngletFiche();
  }
  p_.orga().show();
}

void Tmain::liste_fichesClick() {
  if (liste_fiches.itemIndex() < 0) return;
  ouvrirFiche(liste_fiches.fileName());
}

bool Tmain::ouvrirFiche(const std::filesystem::path& choisie) {
  if (!remplacementFicheAccorde()) {
    selectionnerDansListe(cheminFiche);
    return false;
  }
  // A save re-reads the list: the chosen file is selected again.
  selectionnerDansListe(choisie);
  activerOngletFiche();
  cheminFiche = choisie;
  chargerFiche();
  ui::Font police = formes.font();
  police.colour = ui::clBlack;
  police.bold = false;
  formes.setFont(police);
  formes.setCaption("Style");
  if (p_.donnees().exists(platform::trim(fiche.reference) + ".typ")) {
    police.colour = ui::clRed;
    police.bold = true;
    formes.setFont(police);
    formes.setCaption("FICHE SEULE");
  }
  return true;
}

bool Tmain::ouvrirFicheListee(std::string_view fichier) {
  if (!platform::safeRelativePath(fichier) || !p_.donnees().exists(fichier)) return false;
  return ouvrirFiche(p_.donnees().path(fichier));
}

void Tmain::Button6Click() {
  activerOngletFiche();
  p_.livre1().show();
}

void Tmain::Button2Click() {
  activerOngletFiche();
  b_auteur.setFontColour(ui::clRed);
  b_auteur.setCaption("Construction en cours...");
  p_.application().setCursor(ui::Cursor::HourGlass);
  modeAuteurs = "1";
  p_.auteurs().ouvrir();
  p_.application().setCursor(ui::Cursor::Default);
  b_auteur.setFontColour(ui::clBlack);
  b_auteur.setCaption("Auteurs");
}

void Tmain::b_chanteurClick() {
  activerOngletFiche();
  b_chanteur.setFontColour(ui::clRed);
  b_chanteur.setCaption("Construction en cours...");
  p_.application().setCursor(ui::Cursor::HourGlass);
  modeAuteurs = "2";
  p_.auteurs().ouvrir();
  p_.application().setCursor(ui::Cursor::Default);
  b_chanteur.setFontColour(ui::clBlack);
  b_chanteur.setCaption("Chanteurs");
}

void Tmain::Button3Click() {
  activerOngletFiche();
  p_.modifcat1().show();
  rechargerMenu = true;
}

void Tmain::Button4Click() {
  activerOngletFiche();
  p_.modiftheme1().show();
}

void Tmain::BitBtn21Click() { p_.catal_ini().show(); }

void Tmain::categotxtBClick() { p_.categotxt().show(); }

void Tmain::b_promoClick() {
  PageControl1.setActivePage(p_accueil);
  p_.accueil1().PageControl1.setActivePage(p_.accueil1().Tab_promo);
  p_.accueil1().show();
}

void Tmain::liensBClick() {
  if (!tableau.checked())
    p_.liensm().show();
  else
    dialogs().showMessage("Fonction uniquement en mode standard");
}

void Tmain::LhtmClick() {
  if (options.frames == "oui") {
    dialogs().showMessage("Fonction non prévue avec une construction en frames [voir style]");
    return;
  }
  // The name comes from listeHTM.tmp: only a page of the built site is opened.
  const std::string page = Lhtm.caption();
  const auto relatif = platform::safeRelativePath(page);
  if (page.empty() || !relatif || relatif->has_parent_path() ||
      !platform::fileExists(p_.donnees().path("ftp/" + page))) {
    dialogs().showMessage("La page " + page + " n'est pas une page du site construit");
    return;
  }
  p_.shell().open(p_.donnees().path("ftp/" + page).string());
}

void Tmain::pbPClick() { dialogs().showMessage(kConseilNavigateur); }

void Tmain::BitBtn24Click() {
  dialogs().showMessage(
      "Par défaut seules les images en .jpg sont acceptées. Vous pouvez forcer d'autres extensions "
      "en terminant le nom de vos images par img, par exemple image-img.gif.");
}

void Tmain::BitBtn18Click() {
  if (OpenDialog1.execute() && imageLisible(dialogs(), OpenDialog1.fileName)) {
    std::string nom = OpenDialog1.fileName.filename().string();
    size_t point = platform::lowerAscii(nom).find('.');
    std::string base = nom.substr(0, point);
    std::string extension = point == std::string::npos ? std::string() : nom.substr(point);
    std::string nouveau = nomURL(base, options.options.separateur());
    if (nouveau != base) dialogs().showMessage("Nom de l'image modifié en " + nouveau);
    auto cible = p_.donnees().root() / (nouveau + extension);
    if (platform::fileExists(cible) &&
        !dialogs().askYesNo("Une image existe déjà sous ce nom. Désirez-vous la remplacer ?"))
      return;
    // A failed copy is told, so that a missing image is not taken for an imported one.
    if (!copierFichier(OpenDialog1.fileName, cible, false))
      dialogs().showMessage("L'image n'a pas pu être copiée dans " + cible.string());
  }
  listejpg.update();
}

void Tmain::rafraichirListeFiches() {
  liste_fiches.update();
  if (rechargerPremiereFiche && liste_fiches.count() > 0) {
    liste_fiches.setItemIndex(0);
    activerOngletFiche();
    cheminFiche = liste_fiches.fileName();
    chargerFiche();
  }
  rechargerPremiereFiche = false;
}

void Tmain::ouvrirStyleFiche() {
  // The style editor works on the stored sheet: a refused save opens nothing.
  if (!SauverFiche()) return;
  auto& style = p_.Form1();
  style.themeStyle = categorieEnCours + "_" + themes.text();
  style.libelleTitre = descriptionT.text();
  style.libelleAuteur = auteurT.text();
  style.referenceStyle = referencer.text();
  if (!auteur_nom.visible()) libelleListe.clear();
  style.show();
}

}  // namespace app
