#include "fenetres/publish/transfert.h"

#include "fenetres/app/fenetre_identite.h"
#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/publish/serveurs.h"
#include "modele/publish/comparateurs.h"
#include "modele/publish/empreintes_miroir.h"
#include "modele/publish/lieux_miroir.h"
#include "modele/publish/parametres_ftp.h"
#include "modele/publish/transfert_regles.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/services.h"

#include <unordered_map>
#include <unordered_set>

namespace publish {

namespace {

// Names the first site-map selection never adds, whatever the layout.
constexpr std::string_view kHorsSelectionPlanSite[] = {
    "index2.htm", "index3.html", "index3.htm", "cv.htm", "cvf.htm", "accueil2.htm",
    "accueil_iframe.htm"};

// The widget's ticks outlive its items: untick before emptying, or new items inherit them.
void viderListe(ui::CheckListBox& liste) {
  liste.setChecks({});
  liste.clearItems();
}

void toutCocher(ui::CheckListBox& liste) {
  liste.setChecks(std::vector<bool>(static_cast<size_t>(liste.count()), true));
}

}  // namespace

Ttransfert1::Ttransfert1(app::Programme& programme)
    : ui::Form(programme.application(), "Ttransfert1", "transfert1"), p_(programme) {
  setCaption("Transfert des pages du Site");
  HostTxt.labelCaption = "Serveur :";
  PortTxt.labelCaption = "Port :";
  UserTxt.labelCaption = "Utilisateur :";
  PassTxt.labelCaption = "Mot de passe :";
  PassTxt.password = true;
  RepTxt.labelCaption = "Répertoire :";
  for (ui::Control* c : std::initializer_list<ui::Control*>{&listeFTP, &transfertLIST, &repL,
                                                            &memoG, &effacerC, &refL, &viF})
    c->hide();
  Lhtm.setCursor(ui::Cursor::Hand);
  // Fixed widths: the account fields two a row, the selection buttons under their list.
  setBounds(left(), top(), 500, height());
  ui::setSize(colonneTransfert, 250);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&compteG, &Gauge, &Label2, &blocM,
                                                            &GroupBox2})
    ui::setSize(*c, 242);
  ui::setSize(HostTxt, 160);
  ui::setSize(PortTxt, 66);
  for (ui::Edit* e : {&UserTxt, &PassTxt}) ui::setSize(*e, 113);
  for (ui::Control* c : std::initializer_list<ui::Control*>{&RepTxt, &BitBtn3, &sizeF})
    ui::setSize(*c, 230);
  ui::setSize(sizeA, 150, 25);
  ui::setSize(bouton, 76);
  ui::setSize(GroupBox1, 220);
  ui::setSize(memoFTP, 208, 230);
  for (ui::Button* b : {&BitBtn4, &BitBtn5}) ui::setSize(*b, 50);
  ui::setSize(modif, 100);

  onActivate = [this] { FormActivate(); };
  onClose = [this] { FormClose(); };
  onHide = [this] { FormHide(); };
  modif.onClick = [this] { modifClick(); };
  BitBtn4.onClick = [this] { BitBtn4Click(); };
  BitBtn5.onClick = [this] { BitBtn5Click(); };
  bouton.onClick = [this] { boutonClick(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn3.onClick = [this] { BitBtn3Click(); };
  goftp.onClick = [this] { goftpClick(); };
  Lhtm.onClick = [this] { LhtmClick(); };
}

Ttransfert1::~Ttransfert1() = default;

bool Ttransfert1::chargerCompte() {
  if (auto erreur = migrerAncienFichierFTP(p_.donnees())) {
    dialogs().showMessage(*erreur);
    return false;
  }
  TParametresFTP compte{HostTxt.text(), PortTxt.text(), UserTxt.text(), PassTxt.text(),
                        RepTxt.text()};
  try {
    chargerParametresFTP(p_.donnees(), compte);
  } catch (const platform::FileError& e) {
    reportError(e);
    return false;
  }
  HostTxt.setText(compte.host);
  PortTxt.setText(compte.port);
  UserTxt.setText(compte.user);
  PassTxt.setText(compte.pass);
  RepTxt.setText(compte.rep);
  return true;
}

// --- change detection ---

void Ttransfert1::compare() {
  const auto& dossier = p_.donnees();
  urlBoutique.clear();
  planSiteActif = false;
  if (dossier.exists("kelkoo.ini")) {
    planSiteActif = true;
    const std::string& login = p_.ident().identite.login;
    urlBoutique = publish::urlBoutique(platform::LineList::load(dossier.path("kelkoo.ini")), login);
    if (dossier.exists("tmp/comp.ini") &&
        platform::LineList::load(dossier.path("tmp/comp.ini")).value("googleC") == "non")
      planSiteActif = false;
    if (urlBoutique.empty()) planSiteActif = false;
  }
  premierPlanSite = planSiteActif && !dossier.exists("ftp/sitemap.xml");

  const std::vector<std::string> noms = listeFTP.items();
  // "Fichiers modifiés" after a first comparison lists every file and ticks the changed ones.
  const bool remplissage = !noms.empty() && memoFTP.count() > 0;
  // The list is filled once at the end: the window redraws the whole list at each change.
  std::vector<std::string> items;
  std::vector<bool> coches;
  if (remplissage) {
    items = noms;
    coches.assign(noms.size(), false);
  }
  Gauge.setRange(0, static_cast<int>(noms.size()) - 1);
  Gauge.setProgress(0);
  // The mirror of the place named, kept while the shop was published elsewhere, or an empty one.
  // One with no place recorded tells nothing of what this server holds: every file is offered.
  // The list is this place's only once its mirror is in place: a failed change keeps it another's.
  const LieuMiroir lieu = lieuPublication();
  prendreMiroirDe(dossier, lieu);
  lieuListe_ = lieu;
  const bool ailleurs = !miroirDe(lieu);
  // By the hashes the build and the last upload noted: a file is read only when no record
  // describes it as it is now.
  EmpreintesMiroir empreintes(dossier);
  for (size_t i = 0; i < noms.size(); ++i) {
    if (i % 256 == 0) Gauge.setProgress(static_cast<int>(i));
    if (!ailleurs && empreintes.identiques(noms[i])) continue;
    if (remplissage) {
      coches[i] = true;
    } else {
      items.push_back(noms[i]);
      coches.push_back(true);
    }
  }
  enregistrerEmpreintes([&] { empreintes.enregistrer(); });
  octetsLusComparaison = empreintes.octetsLus();
  if (premierPlanSite)
    dialogs().showMessage(
        "Initialisation pour sitemap.xml, transfert de tous les fichiers htm obligatoire la "
        "première fois");
  if (planSiteActif) selectionnerPagesSitemap(items, coches);
  viderListe(memoFTP);
  memoFTP.setItems(items);
  memoFTP.setChecks(std::move(coches));
  Gauge.setProgress(0);
}

void Ttransfert1::selectionnerPagesSitemap(std::vector<std::string>& items, std::vector<bool>& coches) {
  // A page enters the site map when it is sent. One already in the mirror but not in the site
  // map (a publication killed before its site map was written) is sent again: every page the
  // first time, whatever its extension.
  std::unordered_set<std::string> dansLePlan;
  if (!premierPlanSite)
    for (const auto& ligne : platform::LineList::load(p_.donnees().path("ftp/sitemap.xml")))
      dansLePlan.insert(urlLignePlanSite(ligne));
  std::unordered_map<std::string, size_t> places;
  for (size_t i = 0; i < items.size(); ++i) places.emplace(items[i], i);
  for (const auto& nom : listeFTP.items()) {
    bool exclu = false;
    for (auto n : kHorsSelectionPlanSite) exclu = exclu || nom == n;
    if (exclu || !entreDansPlanSite(nom, framesOui()) || dansLePlan.count(urlBoutique + "/" + nom))
      continue;
    auto place = places.find(nom);
    if (place == places.end()) {
      items.push_back(nom);
      coches.push_back(false);
      place = places.emplace(nom, items.size() - 1).first;
    }
    coches[place->second] = true;
  }
  if (premierPlanSite) coches.assign(items.size(), true);
}

// --- buttons ---

void Ttransfert1::modifClick() {
  compare();
}

void Ttransfert1::BitBtn4Click() {
  // A name already listed is not added twice: it would be sent twice and enter the site map twice.
  std::vector<std::string> items = memoFTP.items();
  std::unordered_set<std::string> listes(items.begin(), items.end());
  for (const auto& nom : listeFTP.items())
    if (listes.insert(nom).second) items.push_back(nom);
  viderListe(memoFTP);
  memoFTP.setItems(std::move(items));
  toutCocher(memoFTP);
  lieuListe_ = lieuPublication();  // every file: the list of any place
}

void Ttransfert1::BitBtn5Click() {
  memoFTP.setChecks({});
}

LieuMiroir Ttransfert1::lieuPublication() const {
  return {platform::trim(HostTxt.text()), platform::trim(PortTxt.text()), UserTxt.text(),
          platform::trim(RepTxt.text())};
}

bool Ttransfert1::miroirDe(const LieuMiroir& lieu) const {
  const auto lieuMiroir = lireLieuMiroir(p_.donnees());
  return lieuMiroir && memeLieu(*lieuMiroir, lieu);
}

const std::vector<std::string>& Ttransfert1::fichiersMiroir() {
  if (transfertLIST.directory().empty()) transfertLIST.setDirectory(p_.chemin("transfert"));
  transfertLIST.update();
  return transfertLIST.items();
}

void Ttransfert1::boutonClick() {
  const auto& dossier = p_.donnees();
  // Summed in 64 bits: a site over 2 GB must not give a negative total.
  long long envoyes = 0;
  for (const auto& nom : fichiersMiroir()) {
    long long taille = platform::fileSize(dossier.path("transfert/" + nom));
    if (taille < 0) continue;
    envoyes += taille;
    bouton.setCaption(formaterTaille(envoyes) + " octets");
  }
  long long aEnvoyer = 0;
  for (size_t i = 0; i < static_cast<size_t>(memoFTP.count()); ++i) {
    if (!memoFTP.checked(i)) continue;
    long long taille = platform::fileSize(dossier.path("ftp/" + memoFTP.items()[i]));
    if (taille < 0) continue;
    aEnvoyer += taille;
    bouton.setCaption(formaterTaille(aEnvoyer) + " octets");
  }
  sizeF.setCaption("Fichiers transférés : " + formaterTaille(envoyes) + " octets");
  sizeA.setCaption("A transférer : " + formaterTaille(aEnvoyer) + " octets");
  bouton.setCaption("Calculer");
}

void Ttransfert1::BitBtn1Click() { close(); }

void Ttransfert1::BitBtn3Click() {
  TParametresFTP compte{HostTxt.text(), PortTxt.text(), UserTxt.text(), PassTxt.text(),
                        RepTxt.text()};
  // A place recorded in the older form stands for the account saved until now: it keeps it.
  garderLieuAncien(p_.donnees());
  sauverParametresFTP(p_.donnees(), compte);
  dialogs().showMessage("Informations validées\"");
}

void Ttransfert1::FormActivate() {
  HostTxt.setText(platform::trim(HostTxt.text()));
  // Once per showing: coming back to the window does not repeat the warning.
  if (HostTxt.text().empty() && !hoteSignale_) {
    hoteSignale_ = true;
    dialogs().showMessage("Votre serveur d'hébergement de votre boutique n'est pas défini");
  }
  if (p_.donnees().exists("vibdd.ini")) effacerC.show();
}

void Ttransfert1::FormClose() {
  // During an upload the connection stays: the upload goes on to its end and closes it.
  if (!enCours_ && FTP1.connected()) FTP1.disconnect();
}

void Ttransfert1::FormHide() { hoteSignale_ = false; }

void Ttransfert1::LhtmClick() { p_.shell().open(kPageHebergement); }

bool Ttransfert1::framesOui() const { return p_.main().options.frames == "oui"; }

}  // namespace publish
