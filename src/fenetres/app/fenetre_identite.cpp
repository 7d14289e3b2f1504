#include "fenetres/app/fenetre_identite.h"

#include "fenetres/app/programme.h"
#include "modele/app/texte_prix.h"
#include "modele/app/web.h"
#include "platform/files.h"
#include "platform/text.h"
#include "ui/dialogs.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace app {

namespace {

// The typing limit binds the user only: a longer stored value is shown, and saved, whole.
void afficher(ui::Edit& edit, std::string texte) {
  int limite = edit.maxLength;
  edit.maxLength = 0;
  edit.setText(std::move(texte));
  edit.maxLength = limite;
}

}  // namespace

Tident::Tident(app::Programme& programme)
    : ui::Form(programme.application(), "Tident", "ident"), p_(programme) {
  setCaption("Eléments d'identification");
  disposer();
  dev1t.maxLength = 7;
  dev2t.maxLength = 7;
  tauxt.maxLength = 10;
  extt.maxLength = 3;
  prix.maxLength = 20;
  urlL.hide();
  urlE.hide();
  // The built-in second currency is there until a file says otherwise.
  dev2C.setChecked(true);

  onActivate = [this] { FormActivate(); };
  onClose = [this] { FormClose(); };
  BitBtn1.onClick = [this] { BitBtn1Click(); };
  BitBtn2.onClick = [this] { BitBtn2Click(); };
  Button1.onClick = [this] { Button1Click(); };
  dev1t.onChange = [this] { dev1tChange(); };
  dev2C.onClick = [this] { dev2CClick(); };
  scriptB.onClick = [this] { scriptBClick(); };
}

// Fixed widths make the rows: label, field and address box fill the group's width.
void Tident::disposer() {
  using ui::kLineHeight;
  using ui::setSize;
  setBounds(left(), top(), 620, height());
  setSize(coordonneesG, 380);
  for (ui::Control* c : coordonneesG.children()) {
    if (c->kind() == ui::Kind::Label) setSize(*c, 95, kLineHeight);
    if (c->kind() == ui::Kind::Edit) setSize(*c, 249);
    if (c->kind() == ui::Kind::CheckBox) setSize(*c, 16, kLineHeight);
  }
  setSize(colonneIdent, 210);
  setSize(devises, 202);
  for (ui::Label* l : {&dev1L, &dev2L, &tauxL, &exempleL}) setSize(*l, 80, kLineHeight);
  setSize(dev1t, 106);
  setSize(dev2C, 16, kLineHeight);
  setSize(dev2t, 86);
  setSize(tauxt, 106);
  setSize(prix, 60);
  setSize(dev, 42, kLineHeight);
  setSize(Button1, 75);
  setSize(resultat, 111, 25);
  setSize(compteG, 202);
  for (ui::Label* l : {&loginL, &extL, &urlL}) setSize(*l, 50, kLineHeight);
  for (ui::Edit* e : {&logint, &extt, &urlE}) setSize(*e, 136);
  setSize(scriptB, 202);
  for (ui::Button* b : {&BitBtn1, &BitBtn2}) setSize(*b, 75);
}

std::vector<Tident::CaseAdresse> Tident::casesAdresse() {
  return {{&Tident::entBOX, &TIdentite::entADR},     {&Tident::capBOX, &TIdentite::capADR},
          {&Tident::boutiqueBOX, &TIdentite::boutiqueADR}, {&Tident::rueBOX, &TIdentite::rueADR},
          {&Tident::cpBOX, &TIdentite::cpADR},       {&Tident::paysBOX, &TIdentite::paysADR},
          {&Tident::telBOX, &TIdentite::telADR},     {&Tident::faxBOX, &TIdentite::faxADR},
          {&Tident::eBOX, &TIdentite::eADR},         {&Tident::siretBOX, &TIdentite::siretADR},
          {&Tident::apeBOX, &TIdentite::apeADR}};
}

void Tident::chargerIdent() {
  LectureIdent lecture = app::chargerIdent(p_.donnees(), identite);
  if (lecture.secondeDevise) secondeDevise = *lecture.secondeDevise;
  if (!lecture.url_base.empty()) urlE.setText(lecture.url_base);
}

void Tident::FormActivate() {
  // Coming back to the window from another one keeps what was typed in it.
  if (ouverte_ && modifiee()) return;
  try {
    chargerIdent();
  } catch (const platform::FileError& e) {
    reportError(e);
  }
  // First the box: unticked, it empties the name, which the file's comes to fill.
  dev2C.setChecked(secondeDevise);
  struct Ligne {
    ui::Edit& edit;
    const std::string& valeur;
  } lignes[] = {{nomEt, identite.nomE},     {capitalt, identite.capital},
                {nomBt, identite.nomB},     {ruet, identite.rue},
                {codepostalt, identite.codepostal}, {payst, identite.pays},
                {telt, identite.tel},       {faxt, identite.fax},
                {emailt, identite.email},   {sirett, identite.siret},
                {apet, identite.ape},       {dev1t, identite.dev1},
                {dev2t, identite.dev2},
                {logint, identite.login},   {extt, identite.ext}};
  for (const Ligne& l : lignes) afficher(l.edit, l.valeur);
  afficher(tauxt, tauxAffiche(identite.taux));
  dev.setCaption(dev1t.text());
  // A box shows exactly what will be saved and generated: ticked only for "oui".
  for (const CaseAdresse& c : casesAdresse())
    (this->*c.box).setChecked(identite.*c.drapeau == "oui");
  lue_ = identite;
  urlLue_ = urlE.text();
  ouverte_ = true;
}

bool Tident::modifiee() const {
  TIdentite affichee = lue_;
  affichee.taux = tauxAffiche(lue_.taux);
  return saisie() != affichee || urlE.text() != urlLue_;
}

void Tident::FormClose() {
  if (modifiee()) {
    const char* question = "Enregistrer les modifications de l'identité ?";
    if (!mayDropEdits(question, [this] { return enregistrer(); })) return keepOpen();
  }
  ouverte_ = false;
}

void Tident::BitBtn1Click() {
  if (enregistrer()) close();
}

bool Tident::enregistrer() {
  // A rate in letters would be saved as 1: the real rate would be lost. Without a second
  // currency no page converts with it, and an older file's rate never stops the save.
  if (auto refus = refusTauxDevise(tauxt.text()); refus && !platform::trim(dev2t.text()).empty()) {
    dialogs().showMessage(*refus);
    return false;
  }
  afficher(tauxt, tauxAffiche(tauxEnregistre(tauxt.text())));
  sauverIdent(p_.donnees(), saisie(), urlE.text());
  // The window holds no edit any more; the identity itself is read back from the file.
  lue_ = saisie();
  lue_.taux = tauxEnregistre(tauxt.text());
  urlLue_ = urlE.text();
  return true;
}

TIdentite Tident::saisie() const {
  TIdentite saisie = lue_;
  // A box left as it was shown keeps its flag as stored, an empty one included.
  for (const CaseAdresse& c : casesAdresse()) {
    const bool coche = (this->*c.box).checked();
    if (coche != (lue_.*c.drapeau == "oui")) saisie.*c.drapeau = coche ? "oui" : "non";
  }
  saisie.nomE = nomEt.text();
  saisie.capital = capitalt.text();
  saisie.nomB = nomBt.text();
  saisie.rue = ruet.text();
  saisie.codepostal = codepostalt.text();
  saisie.pays = payst.text();
  saisie.tel = telt.text();
  saisie.fax = faxt.text();
  saisie.email = emailt.text();
  saisie.siret = sirett.text();
  saisie.ape = apet.text();
  saisie.dev1 = dev1t.text();
  saisie.dev2 = dev2t.text();
  saisie.taux = tauxt.text();
  saisie.login = logint.text();
  saisie.ext = extt.text();
  return saisie;
}

void Tident::BitBtn2Click() { close(); }

void Tident::Button1Click() {
  if (auto refus = refusConversion(prix.text(), tauxt.text())) {
    dialogs().showMessage(*refus);
    return;
  }
  resultat.setCaption(convertirExemple(prix.text(), tauxt.text(), dev2t.text()));
}

void Tident::dev1tChange() { dev.setCaption(dev1t.text()); }

void Tident::dev2CClick() {
  if (!dev2C.checked()) dev2t.setText("");
}

void Tident::scriptBClick() { p_.shell().open(web::kPanier); }

}  // namespace app
