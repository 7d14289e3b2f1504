#pragma once
// The window `Tmain`: the program's hub and the product sheet editor. Its controls are declared
// here for every concern; the handlers live in files of the prefix fiche_ by concern (fiche.cpp:
// start-up, shut-down, navigation; the sheet reader, save and editor in their own files).

#include <string>

#include "modele/app/fiche_produit.h"
#include "modele/app/options_programme.h"
#include "ui/controls.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace app {

class Programme;

class Tmain : public ui::Form {
 public:
  explicit Tmain(Programme& programme);
  ~Tmain() override;

  // --- main menu ---
  ui::MainMenu MainMenu1{*this, "MainMenu1"};
  ui::MenuItem Projet1{MainMenu1, "Projet1", "Projet"};
  ui::MenuItem Indentification1{Projet1, "Indentification1", "Identification"};
  ui::MenuItem Quitter1{Projet1, "Quitter1", "Quitter"};
  ui::MenuItem sauvegarder1{Projet1, "sauvegarder1", "Sauvegarder"};
  ui::MenuItem Site1{MainMenu1, "Site1", "Site"};
  ui::MenuItem Ficheproduit1{Site1, "Ficheproduit1", "Fiche produit"};
  ui::MenuItem Style1{Site1, "Style1", "Style Général"};
  ui::MenuItem Conditionsdevente2{Site1, "Conditionsdevente2", "Conditions de vente"};
  ui::MenuItem Conditionsdevente1{Site1, "Conditionsdevente1", "Publicité"};
  ui::MenuItem Pagedindex1{Site1, "Pagedindex1", "Page d'index"};
  ui::MenuItem Construction1{MainMenu1, "Construction1", "Construction"};
  ui::MenuItem menuconstruire{Construction1, "menuconstruire", "Construire le site"};
  ui::MenuItem menutransfert{Construction1, "menutransfert", "Publication sur Internet"};
  ui::MenuItem Impressiondesrfrences1{Construction1, "Impressiondesrfrences1",
                                      "Exportation des références"};
  ui::MenuItem Modificationdesprix1{Construction1, "Modificationdesprix1", "Modification des prix"};
  ui::MenuItem Reconstruirelesrfrences1{Construction1, "Reconstruirelesrfrences1", "Réparation"};
  ui::MenuItem Calculhexa1{Construction1, "Calculhexa1", "Calcul hexa"};
  ui::MenuItem Aide1{MainMenu1, "Aide1", "Aide", "Ctrl+A"};
  ui::MenuItem Aide2{Aide1, "Aide2", "Aide"};
  ui::MenuItem FAQ1{Aide1, "FAQ1", "Site Tarvio"};
  // Its caption is the program's version number, read by the update check.
  ui::MenuItem Version{Aide1, "Version", "5.099"};

  // --- page control ---
  ui::PageControl PageControl1{*this, "PageControl1"};
  ui::TabSheet fiche_produit{PageControl1, "fiche_produit", "Fiche Produit"};
  ui::TabSheet imagedetail{PageControl1, "imagedetail", "Image"};
  ui::TabSheet titres_pres{PageControl1, "titres_pres", "Supplément"};
  ui::TabSheet style_f{PageControl1, "style_f", "Style fiche"};
  ui::TabSheet menus{PageControl1, "menus", "Menus"};
  ui::TabSheet style_P{PageControl1, "style_P", "Style"};
  ui::TabSheet p_accueil{PageControl1, "p_accueil", "Accueil"};
  ui::TabSheet cventeT{PageControl1, "cventeT", "Conditions"};
  ui::TabSheet pub1{PageControl1, "pub1", "Publicité"};
  ui::TabSheet meta1{PageControl1, "meta1", "Index"};

  // --- sheet tab ---
  // Layout containers: the sheet's fields by row with the family and the image in a column on
  // the right, the theme's page settings with the commands, then the texts and the options.
  ui::Panel ligneFiche{fiche_produit, "ligneFiche"};
  ui::Panel blocClassement{fiche_produit, "blocClassement"};
  ui::Panel colonneFiche{fiche_produit, "colonneFiche"};
  ui::Panel ligneCD{fiche_produit, "ligneCD"};
  ui::Panel ligneK7{fiche_produit, "ligneK7"};
  ui::Panel ligneVIDEO{fiche_produit, "ligneVIDEO"};
  ui::Panel ligneCommandes{fiche_produit, "ligneCommandes"};
  ui::GroupBox commentairesG{fiche_produit, "commentairesG", "Commentaires"};
  ui::Panel blocTextes{fiche_produit, "blocTextes"};
  ui::Panel ligneOptions{fiche_produit, "ligneOptions"};
  ui::Panel ligneTailles{fiche_produit, "ligneTailles"};
  ui::Panel ligneLiens{fiche_produit, "ligneLiens"};
  ui::Edit referencer{ligneFiche, "referencer"};
  ui::Edit descriptionT{ligneFiche, "descriptionT"};
  ui::Label auteur_nom{blocClassement, "auteur_nom", "Auteur :"};
  ui::Edit auteurT{blocClassement, "auteurT"};
  ui::Edit prixT{ligneFiche, "prixT"};
  ui::Label deviseT{ligneFiche, "deviseT"};
  ui::Label prixpromoL{ligneFiche, "prixpromoL"};
  ui::Label prixdiffL{ligneFiche, "prixdiffL"};
  ui::RadioGroup famille{colonneFiche, "famille", "Famille"};
  ui::Label categoL{blocClassement, "categoL", "Catégorie"};
  ui::ComboBox catego{blocClassement, "catego"};
  ui::Label themesL{blocClassement, "themesL", "Thème"};
  ui::ComboBox themes{blocClassement, "themes"};
  ui::Edit ecotaxeE{blocClassement, "ecotaxeE"};
  ui::Edit poidsE{blocClassement, "poidsE"};
  ui::Edit multiE{blocClassement, "multiE"};
  ui::CheckBox CD_check{ligneCD, "CD_check"};
  ui::Edit type1{ligneCD, "type1"};
  ui::Label CD_refL{ligneCD, "CD_refL", "Réf."};
  ui::Edit CD_refT{ligneCD, "CD_refT"};
  ui::Label CD_prixL{ligneCD, "CD_prixL", "Prix"};
  ui::Edit CD_prixT{ligneCD, "CD_prixT"};
  ui::Edit ecotaxeAE{ligneCD, "ecotaxeAE"};
  ui::Edit poidsAE{ligneCD, "poidsAE"};
  ui::CheckBox K7_check{ligneK7, "K7_check"};
  ui::Edit type2{ligneK7, "type2"};
  ui::Label K7_refL{ligneK7, "K7_refL", "Réf."};
  ui::Edit K7_refT{ligneK7, "K7_refT"};
  ui::Label K7_prixL{ligneK7, "K7_prixL", "Prix"};
  ui::Edit K7_prixT{ligneK7, "K7_prixT"};
  ui::Edit ecotaxeBE{ligneK7, "ecotaxeBE"};
  ui::Edit poidsBE{ligneK7, "poidsBE"};
  ui::CheckBox VIDEO_check{ligneVIDEO, "VIDEO_check"};
  ui::Edit type3{ligneVIDEO, "type3"};
  ui::Label VIDEO_refL{ligneVIDEO, "VIDEO_refL", "Réf."};
  ui::Edit VIDEO_refT{ligneVIDEO, "VIDEO_refT"};
  ui::Label VIDEO_prixL{ligneVIDEO, "VIDEO_prixL", "Prix"};
  ui::Edit VIDEO_prixT{ligneVIDEO, "VIDEO_prixT"};
  ui::Edit ecotaxeCE{ligneVIDEO, "ecotaxeCE"};
  ui::Edit poidsCE{ligneVIDEO, "poidsCE"};
  ui::GroupBox nom_image{colonneFiche, "nom_image", "Image"};
  ui::RadioButton image_oui{nom_image, "image_oui", "Oui"};
  ui::RadioButton image_non{nom_image, "image_non", "Non"};
  ui::Button image_bouton{nom_image, "image_bouton", "Choisir"};
  ui::Image JPEGImage1{nom_image, "JPEGImage1"};
  ui::CheckBox detail{colonneFiche, "detail", "Détail"};
  ui::Button voir_detail{colonneFiche, "voir_detail", "Image Détail"};
  ui::Memo commentaires{commentairesG, "commentaires"};
  ui::Button presentation{blocTextes, "presentation", "Texte d'introduction"};
  ui::CheckBox intro{blocTextes, "intro"};
  ui::Button liste_titres{blocTextes, "liste_titres", "Liste Titres ou Contenu"};
  ui::CheckBox titre_chants{blocTextes, "titre_chants"};
  ui::GroupBox Lmaxi{ligneCommandes, "Lmaxi", "Produits par page : 2"};
  ui::ScrollBar maxi{Lmaxi, "maxi", 1, 99};
  ui::RadioButton standard{Lmaxi, "standard", "Standard"};
  ui::RadioButton tableau{Lmaxi, "tableau", "Tableau"};
  ui::CheckBox detailHTMLC{ligneOptions, "detailHTMLC", "Importer HTML détail"};
  ui::Panel panel_puce{ligneOptions, "panel_puce"};
  ui::ComboBox pucesC{panel_puce, "pucesC"};
  ui::Image ma_puce{panel_puce, "ma_puce"};
  ui::CheckBox indispo{ligneOptions, "indispo", "Indisponible"};
  ui::CheckBox etatB{ligneOptions, "etatB", "Etat"};
  ui::ComboBox newC{ligneTailles, "newC"};
  ui::Button BitBtn17{ligneTailles, "BitBtn17",
                      "Tailles ou modèles au même prix: voir supplément"};
  ui::CheckBox mes_taillesC{ligneTailles, "mes_taillesC"};
  ui::Button newprodB{ligneTailles, "newprodB", "Ajouter aux nouveautés"};
  ui::Button b_promo{ligneLiens, "b_promo", "Mise en Vitrine"};
  ui::Button liensB{ligneLiens, "liensB", "Réf. liées"};
  ui::Label Lhtm{ligneLiens, "Lhtm"};
  ui::Button pbP{ligneLiens, "pbP", "Pb. d'affichage"};
  ui::Button bmoteur{ligneLiens, "bmoteur", "Moteur de recherche"};
  ui::Button BitBtn23{ligneLiens, "BitBtn23", "Mots"};
  ui::Button formes{ligneCommandes, "formes", "Style"};
  ui::Button voir_vignette{ligneCommandes, "voir_vignette", "Aperçu"};
  ui::Button sauver{ligneCommandes, "sauver", "OK"};
  ui::Button effacer{ligneCommandes, "effacer", "Supprimer"};

  // --- image tab ---
  // The image list on the left; the preview, its use and the detail text on the right.
  ui::GroupBox imageD_box{imagedetail, "imageD_box", "Images JPG "};
  ui::FileListBox listejpg{imageD_box, "listejpg", "*.jpg;*.jpeg;*img.gif;"};
  ui::Button BitBtn24{imageD_box, "BitBtn24", "Aide ext (jpg,gif...)"};
  ui::Button BitBtn18{imageD_box, "BitBtn18", "Importer"};
  ui::Panel colonneDetail{imagedetail, "colonneDetail"};
  ui::Image JPEGImage2{colonneDetail, "JPEGImage2"};
  ui::Label nom_image_detail{colonneDetail, "nom_image_detail"};
  ui::RadioGroup applimage{colonneDetail, "applimage", "Applicable à"};
  ui::Button BitBtn3{colonneDetail, "BitBtn3", "OK"};
  ui::Label texteDL{colonneDetail, "texteDL", "Commentaires Détail"};
  ui::Memo texteD{colonneDetail, "texteD"};

  // --- supplement tab ---
  // Each text under its caption with its buttons below.
  ui::Panel blocPresentations{titres_pres, "blocPresentations"};
  ui::Panel blocChants{titres_pres, "blocChants"};
  ui::Label presentationsL{blocPresentations, "presentationsL", "Texte d'introduction"};
  ui::Memo presentations{blocPresentations, "presentations"};
  ui::Button BitBtn4{blocPresentations, "BitBtn4", "Effacer"};
  ui::Button BitBtn6{blocPresentations, "BitBtn6", "OK"};
  ui::Label chantsL{blocChants, "chantsL", "Liste des Titres ou du Contenu"};
  ui::Memo chants{blocChants, "chants"};
  ui::Button BitBtn5{blocChants, "BitBtn5", "Effacer"};
  ui::Button BitBtn7{blocChants, "BitBtn7", "OK"};
  ui::GroupBox taillesG{titres_pres, "taillesG", "Tailles, modèles au même prix (menu déroulant)"};
  ui::Memo taillesM{taillesG, "taillesM"};
  ui::Button BitBtn20{taillesG, "BitBtn20", "OK"};
  ui::Button BitBtn19{taillesG, "BitBtn19", "Effacer"};
  ui::Button suppB{titres_pres, "suppB", "PRIX SUPP."};
  ui::Button diffB{titres_pres, "diffB", "PRIX DIFF."};

  // --- advertising tab ---
  ui::GroupBox webmasterG{pub1, "webmasterG", "Webmaster"};
  ui::Edit site_pub{webmasterG, "site_pub", "https://www.korvanel.fr"};
  // The logo's file name in menu_boutons/; the pages show it only when that file exists.
  ui::Label logo_pub{webmasterG, "logo_pub", "Logo"};
  ui::GroupBox logoG{pub1, "logoG", "Logo [menu_boutons]"};
  ui::FileListBox imageL_pub{logoG, "imageL_pub", "*.gif;*.jpg;*.jpeg"};
  ui::Image image_pub{logoG, "image_pub"};
  ui::Button efface{logoG, "efface", "Effacer"};
  ui::Button BitBtn9{logoG, "BitBtn9", "Importer"};
  ui::RadioGroup position_pub{pub1, "position_pub", "Position"};
  ui::GroupBox accueilG{pub1, "accueilG", "Bas page d'accueil"};
  ui::Memo accueil_pub{accueilG, "accueil_pub"};
  ui::Button BitBtn12{accueilG, "BitBtn12", "Effacer"};
  ui::GroupBox pub1G{pub1, "pub1G", "Pub#1"};
  ui::Memo pub1_pub{pub1G, "pub1_pub"};
  ui::Button BitBtn13{pub1G, "BitBtn13", "Effacer"};
  ui::GroupBox pub2G{pub1, "pub2G", "Pub#2"};
  ui::Memo pub2_pub{pub2G, "pub2_pub"};
  ui::Button BitBtn14{pub2G, "BitBtn14", "Effacer"};
  // Ticked: the Pub#2 block (pub2_pub.opt) also goes into the left menu.
  ui::CheckBox pubMC{pub2G, "pubMC", "Menu G."};
  ui::GroupBox pub3G{pub1, "pub3G", "Pub#3"};
  ui::Memo pub3_pub{pub3G, "pub3_pub"};
  ui::Button BitBtn15{pub3G, "BitBtn15", "Effacer"};
  // Ticked: the Pub#3 block (pub3_pub.opt) also goes at the foot of the catalogue pages.
  ui::CheckBox pubPC{pub3G, "pubPC", "Pages"};
  ui::Button voirB{pub1, "voirB", "Aperçu"};
  ui::Button ok_bouton{pub1, "ok_bouton", "OK"};
  ui::OpenDialog OpenDialogPub{*this, "OpenDialogPub", "Images|*.gif;*.jpg;*.jpeg|"};
  // The tab holds typed edits not saved yet: an activation must not reload over them.
  bool pubModifiee = false;

  // --- index tab ---
  ui::Edit titreE{meta1, "titreE"};  // the site's title for search engines
  ui::GroupBox descriptionG{meta1, "descriptionG", "Description du site"};
  ui::Memo descriptionM{descriptionG, "descriptionM"};
  // Meta values of the entry page: keywords in the user's order, dates as dd/mm/yy.
  ui::GroupBox motsG{meta1, "motsG", "Mots-clés"};
  ui::Edit motsE{motsG, "motsE"};
  ui::Button Bajout{motsG, "Bajout", "Ajouter"};
  ui::ListBox motsL{motsG, "motsL"};
  ui::Button monte{motsG, "monte", "Monter"};
  ui::Button descend{motsG, "descend", "Descendre"};
  ui::Button panierR{motsG, "panierR", "Supprimer"};
  ui::Label carL{motsG, "carL", "0 caractère"};
  ui::Label accentL{motsG, "accentL", "1 accent = 8 caractères"};
  ui::Edit dateCE{meta1, "dateCE"};
  ui::Edit dateRE{meta1, "dateRE"};
  ui::Edit langueE{meta1, "langueE", "fr-FR"};
  ui::Edit auteurE{meta1, "auteurE"};
  ui::Edit copyE{meta1, "copyE", "Korvanel"};
  ui::Edit visiteE{meta1, "visiteE", "15 days"};
  ui::Edit catE{meta1, "catE", "shopping"};
  // Ticked: the user's import/index.htm stands for the generated index (frameset layout).
  ui::CheckBox importC{meta1, "importC", "Import"};
  ui::Button BitBtn16{meta1, "BitBtn16", "OK"};

  // --- right column ---
  ui::Shape Shape1{*this, "Shape1"};
  ui::Shape Shape2{*this, "Shape2"};
  ui::Shape Shape3{*this, "Shape3"};
  ui::GroupBox liste_groupe{*this, "liste_groupe", "Fiches"};
  ui::FileListBox liste_fiches{liste_groupe, "liste_fiches", "*.ref"};
  ui::Button Borga{liste_groupe, "Borga", "Organigramme et Tri"};
  ui::GroupBox GroupBox6{*this, "GroupBox6", "Listes"};
  ui::Button liste_produits{GroupBox6, "liste_produits", "Les produits"};
  ui::Button b_auteur{GroupBox6, "b_auteur", "Auteurs"};
  ui::Button b_chanteur{GroupBox6, "b_chanteur", "Chanteurs"};
  ui::GroupBox GroupBox7{*this, "GroupBox7", "Catégories"};
  ui::Button BitBtn1{GroupBox7, "BitBtn1", "Modifier"};
  ui::Button BitBtn8{GroupBox7, "BitBtn8", "Trier"};
  ui::Button BitBtn10{GroupBox7, "BitBtn10", "Supprimer"};
  ui::GroupBox GroupBox8{*this, "GroupBox8", "Thèmes"};
  ui::Button BitBtn11{GroupBox8, "BitBtn11", "Modifier"};
  ui::Button theme_tri{GroupBox8, "theme_tri", "Trier"};
  ui::Button theme_suppr{GroupBox8, "theme_suppr", "Supprimer"};

  // --- bottom bar ---
  ui::Button identB{*this, "identB", "Identification"};
  ui::Button transfert{*this, "transfert", "Transfert Publication"};
  ui::Button html{*this, "html", "Construire Site Complet"};
  ui::Button kelkooB{*this, "kelkooB", "Module Comparateurs"};
  ui::Button versionB{*this, "versionB", "Version Mise à jour"};
  ui::Button modulesB{*this, "modulesB", "Modules"};
  ui::Button bsauve{*this, "bsauve", "Sauvegarde"};
  ui::Panel Panel1{*this, "Panel1"};
  ui::CheckBox catalC{Panel1, "catalC"};
  ui::Label catalL{Panel1, "catalL", "Catalogue hors ligne"};
  ui::Button BitBtn21{Panel1, "BitBtn21", "..."};
  ui::Button categotxtB{*this, "categotxtB", "Habillage catégories"};
  ui::Button bstock{*this, "bstock", "Stock"};
  ui::Button aideB{*this, "aideB", "AIDE"};
  ui::Button scriptB{*this, "scriptB", "Panier de Commande 1 mois gratuit"};
  ui::ComboBox autres_modulesL{*this, "autres_modulesL"};
  ui::Button module_OK{*this, "module_OK", "Ok"};
  ui::Gauge Gauge{*this, "Gauge"};
  ui::StatusBar stats{*this, "stats", 3};

  // --- hidden working controls ---
  ui::Memo recap{*this, "recap"};
  ui::ListBox sauverL{*this, "sauverL"};
  ui::Memo skin{*this, "skin"};
  ui::FileListBox exeL{*this, "exeL", "stock*.exe"};
  ui::Component FTP1{*this, "FTP1"};
  ui::OpenDialog OpenDialog1{*this, "OpenDialog1", "jpg,*img|*.jpg;*.jpg;*img.gif|"};
  ui::OpenDialog OpenDialog2{*this, "OpenDialog2"};
  ui::Component PrintDialog1{*this, "PrintDialog1"};
  ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};

  // --- program-wide state of the unit ---
  OptionsDemarrage options;     // program options and their companion files
  std::string panierPro;        // "oui" when the order script is "pro.php"
  std::string libelleListe;     // the author label of the current family
  int produitsParPage = 2;
  std::filesystem::path cheminFiche;  // the sheet file to load next
  bool rechargerPremiereFiche = false;
  bool cartesInitialisees = false;
  bool rechargerMenu = false;
  std::string modeAuteurs;
  bool premierAffichage = false;
  TFicheProduit fiche;          // the sheet being edited
  std::string categorieEnCours;
  // Left by the site frame generator: the CSS class of the last family title of the drop-down
  // menu, and the link target of the quick-choice list.
  std::string styleTitreCategorie;
  std::string cibleCourante;
  // Page frame (fiche_cadre_page.cpp): the frame of the last ecrireCadrePage is in skin. The next
  // call stops after the layout table when cadreSansMenu is set, and puts cadreAttributsContenu
  // in the tag of the content cell; each request is consumed by the call.
  std::string cadreSansMenu;
  std::string cadreAttributsContenu;
  int siteConstruit = 0;  // 1: the whole-site build calls the preview
  // Home page options: "oui" when the shop's own import/accueil.htm is the home page.
  std::string accueilHTM = "non";
  // Sheet reader and category lists (fiche_lecture.cpp).
  std::string referenceLiens;   // the sheet whose linked products the linked-products window edits
  std::string pageFiche;        // the generated page holding the sheet's card, "" when none
  std::string style_fiche = "standard";  // the theme layout
  std::string nouvelleCategorie;         // the name ajouterCategorie adds
  bool gardeApplicable = false;  // "Applicable à" is being changed by the editor itself
  bool gardeMesTailles = false;  // mes_taillesC is being changed by the reader itself
  // The category's .fam could not be read: no family is shown, none is made up at activation
  // and the file is left alone until the user picks one.
  bool familleIllisible = false;
  // Sheet save and editor (fiche_sauvegarde.cpp, fiche_editeur.cpp).
  std::string devisePrincipale;  // the identity's currencies, copied each time the sheet is shown
  std::string deviseSecondaire;
  bool apercuArticles = false;   // a found-articles card preview is running (read by the card writer)
  bool chargementFiche = false;  // chargerFiche is filling the editor: not the user's edits
  bool ficheModifiee = false;    // the editor holds changes not saved yet
  bool contenuModifie = false;   // the same, the reference box left aside

  // --- start-up, activation, paint, close ---
  void FormCreate();
  void FormShow();
  void FormActivate();
  void FormPaint();
  void FormClose();
  void PageControl1Change();

  // --- navigation ---
  void identBClick();
  void Quitter1Click();
  void sauvegarder1Click();
  void Ficheproduit1Click();
  void Style1Click();
  void Conditionsdevente2Click();
  void Conditionsdevente1Click();
  void Pagedindex1Click();
  void Impressiondesrfrences1Click();
  void Modificationdesprix1Click();
  void button_hexaClick();
  void Aide2Click();
  void FAQ1Click();
  void scriptBClick();
  void BorgaClick();
  void liste_fichesClick();
  void Button6Click();
  void Button2Click();
  void b_chanteurClick();
  void Button3Click();
  void Button4Click();
  void BitBtn21Click();
  void categotxtBClick();
  void b_promoClick();
  void liensBClick();
  void LhtmClick();
  void pbPClick();
  void BitBtn24Click();
  void BitBtn18Click();

  void rafraichirListeFiches();
  void ouvrirStyleFiche();
  void tuerFenetre(std::string_view classe, std::string_view titre);

  // --- routines of the sheet reader, save, editor and other owners, each in its own file ---
  void chargerFiche();
  bool SauverFiche();
  void chargerCategories();
  void chargerThemes();
  void desactiverLignesVariantes();
  // Sheet reader and category lists (fiche_lecture.cpp).
  void referencerKeyDown(int& key);
  void image_boutonClick();
  void SpeedButton2Click();
  void listejpgClick();
  void categoChange();
  // The layout and products per page that the theme of the boxes has stored, the standard
  // layout and 2 when it has none. A sheet moved to a theme the category lists, or a new one,
  // shows that theme's own layout, so that its save never rewrites it from the sheet before.
  void montrerDispositionTheme();
  bool ajouterCategorie();  // true when the category exists afterwards
  std::string legendeImage() const;
  // Before another sheet takes the editor or the window closes: the edits of the one shown are
  // saved, dropped, or the user stays on it (false).
  bool remplacementFicheAccorde();
  // The one way a sheet file takes the editor (sheet list, organiser, browsers): after
  // remplacementFicheAccorde, the sheet tab shows it. False when the user stays on the sheet shown.
  bool ouvrirFiche(const std::filesystem::path& fichier);
  // A sheet file that a list names ("<reference>.ref"): opened so when it is still in the data
  // folder; the index may name a sheet deleted since, and the editor then keeps its sheet.
  bool ouvrirFicheListee(std::string_view fichier);
  // The list shows the file as the selected one (none when it is not in the list).
  void selectionnerDansListe(const std::filesystem::path& fichier);
  // Another window rewrote prices in the file of the sheet shown (the promotions window): the
  // editor takes the prices that changed there, its other edits kept, so that its next save
  // does not bring the old prices back.
  void prixFicheReecrits();
  // Sheet editor routines the reader calls.
  void afficherFiche();
  void appliquerImage();
  // Sheet save, catalogue index and deletion (fiche_sauvegarde.cpp).
  void sauverClick();
  void effacerClick();
  bool reconstruireRefGen();      // false, once told, when a sheet could not be read
  // Sheet editor (fiche_editeur.cpp).
  void libellesFamille();
  void previsualiserFiche();
  // The preview of the current sheet's card: refreshed in its generated page when it has one,
  // else written alone into ftp/vignette.htm, which opens in the browser (fiche_apercu.cpp).
  void apercuFiche();
  void activerLigneCD();
  void activerLigneK7();
  void activerLigneVIDEO();
  void desactiverLigneCD();
  void desactiverLigneK7();
  void desactiverLigneVIDEO();
  void detailClick();
  void CD_checkClick();
  void K7_checkClick();
  void VIDEO_checkClick();
  void referencerChange();
  void descriptionTChange();
  void auteurTChange();
  void familleClick();
  void image_ouiClick();
  void BitBtn3Click();
  void voir_detailClick();
  void applimageClick();
  void presentationClick();
  void presentationsExit();
  void BitBtn4Click();
  void liste_titresClick();
  void chantsExit();
  void BitBtn5Click();
  void BitBtn6Click();
  void maxiChange();
  void standardClick();
  void tableauClick();
  void voir_vignetteClick();
  void FormesClick();
  void detailHTMLCClick();
  void pucesCClick();
  // The ecotax and weight edits, shown only when the main settings ask for them.
  void montrerEcotaxePoids();
  void htmlClick();
  void construireSite();
  // The build and the publication need the menu, home-page and conditions settings: false, after
  // the message of the first one missing (the menu's own message differs between the two).
  bool reglagesSiteDefinis(const char* messageMenu);
  // The reference pages ftp/_<reference>.php and ftp/ref.html, after a build when ref.ini exists.
  void ecrirePagesReferences();
  void transfertClick();
  // Catalogue repair and the taxonomy dialogs' calls back (fiche_taxonomie.cpp).
  void Reconstruirelesrfrences1Click();
  void reparerCatalogue();
  void FamillesClick();  // bound to no control: opens the family-key cleanup
  // A pass over the sheets in the status bar's third panel.
  void afficherProgressionFiches(int n, int total);
  // The menu tab with its editor shown under the hourglass, after a change of the categories.
  void montrerMenus();
  // After a rename, the sheet on screen names the category or theme by its new name, so that its
  // next save does not bring the old one back.
  void categorieRenommee(const std::string& ancienne, const std::string& nouvelle);
  void themeRenomme(const std::string& categorie, const std::string& ancien,
                    const std::string& nouveau);
  void tricategoClick();
  void theme_triClick();
  void kelkooBClick();
  void versionBClick();
  void modulesBClick();
  void bstockClick();
  void module_OKClick();
  void chargerModules();
  void verifierModules();
  void ouvrirIndex();
  void sauverIndex();
  void importCClick();
  void ouvrir_pub();
  void sauver_pub();
  // Advertising tab (fiche_pub.cpp).
  void lierPublicite();
  void pub1Show();
  void imageL_pubClick();
  void effaceClick();
  void BitBtn9Click();
  void voirBClick();
  // Index tab (fiche_index.cpp).
  void lierIndex();
  void ajouterMotIndex();
  void compterMotsIndex();
  void activerBoutonsMots(bool actifs);
  void panierRClick();
  void monteClick();
  void descendClick();
  void motsLClick();
  // Search-engine module and page words (fiche_moteur.cpp).
  void bmoteurClick();
  void BitBtn23Click();
  // New-product lists (fiche_nouveautes.cpp): the button and the named lists of the sheet tab.
  void preparerNouveautes();
  void newprodBClick();
  void newCClick();
  // Side files of the sheet (fiche_annexes.cpp): supplements, different prices, sizes.
  void suppBClick();
  void diffBClick();
  void BitBtn17Click();
  void BitBtn19Click();
  void BitBtn20Click();
  void mes_taillesCClick();
  // The page frame (modele/frame/cadre_page.h) from the menu options, the main settings and the
  // requests below; kept in skin too, and ftp/body_top.txt written. Throws platform::FileError;
  // the requests are dropped then.
  platform::LineList ecrireCadrePage();

  Programme& programme() const { return p_; }

 private:
  // Shows a window over the page control with the hourglass meanwhile.
  void montrerAvecSablier(ui::Form& fenetre);
  void activerOngletFiche();

  // Bind the handlers of the sheet reader, then of the editor (some chain onto the reader's),
  // then of the side files and the new-product lists.
  void lierLecture();
  void lierEditeur();
  void lierAnnexes();
  void marquerModifiee();
  // The notes beside the price: the promotional price and the supplements or models.
  void afficherNotesPrix();
  // After a save or before a preview: the sheet's style, its frame corners and the menu again.
  void rafraichirStyleEtMenu();
  bool supprimerFiche(const std::string& reference);

  Programme& p_;
};

}  // namespace app
