#pragma once
// The window `Tident`: shop identity.

#include <string>
#include <vector>

#include "modele/app/identite.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tident : public ui::Form {
 public:
  explicit Tident(app::Programme& programme);

  // Layout: one row per field with its address box, the currencies and the account beside.
  ui::GroupBox coordonneesG{*this, "coordonneesG",
                            "Coordonnées (case cochée : dans l'adresse du site)"};
  ui::Panel colonneIdent{*this, "colonneIdent"};

  ui::Label nomEL{coordonneesG, "nomEL", "Entreprise :"};
  ui::Edit nomEt{coordonneesG, "nomEt"};
  ui::CheckBox entBOX{coordonneesG, "entBOX"};
  ui::Label capitalL{coordonneesG, "capitalL", "Capital :"};
  ui::Edit capitalt{coordonneesG, "capitalt"};
  ui::CheckBox capBOX{coordonneesG, "capBOX"};
  ui::Label nomBL{coordonneesG, "nomBL", "Boutique :"};
  ui::Edit nomBt{coordonneesG, "nomBt"};
  ui::CheckBox boutiqueBOX{coordonneesG, "boutiqueBOX"};
  ui::Label rueL{coordonneesG, "rueL", "Adresse rue :"};
  ui::Edit ruet{coordonneesG, "ruet"};
  ui::CheckBox rueBOX{coordonneesG, "rueBOX"};
  ui::Label codepostalL{coordonneesG, "codepostalL", "CP et  Ville :"};
  ui::Edit codepostalt{coordonneesG, "codepostalt"};
  ui::CheckBox cpBOX{coordonneesG, "cpBOX"};
  ui::Label paysL{coordonneesG, "paysL", "Pays :"};
  ui::Edit payst{coordonneesG, "payst"};
  ui::CheckBox paysBOX{coordonneesG, "paysBOX"};
  ui::Label telL{coordonneesG, "telL", "Téléphone :"};
  ui::Edit telt{coordonneesG, "telt"};
  ui::CheckBox telBOX{coordonneesG, "telBOX"};
  ui::Label faxL{coordonneesG, "faxL", "Fax :"};
  ui::Edit faxt{coordonneesG, "faxt"};
  ui::CheckBox faxBOX{coordonneesG, "faxBOX"};
  ui::Label emailL{coordonneesG, "emailL", "e-mail :"};
  ui::Edit emailt{coordonneesG, "emailt"};
  ui::CheckBox eBOX{coordonneesG, "eBOX"};
  ui::Label siretL{coordonneesG, "siretL", "SIRET :"};
  ui::Edit sirett{coordonneesG, "sirett"};
  ui::CheckBox siretBOX{coordonneesG, "siretBOX"};
  ui::Label apeL{coordonneesG, "apeL", "APE :"};
  ui::Edit apet{coordonneesG, "apet"};
  ui::CheckBox apeBOX{coordonneesG, "apeBOX"};

  ui::GroupBox devises{colonneIdent, "devises", "Devises"};
  ui::Label dev1L{devises, "dev1L", "Principale :"};
  ui::Edit dev1t{devises, "dev1t"};
  ui::Label dev2L{devises, "dev2L", "Secondaire :"};
  ui::CheckBox dev2C{devises, "dev2C"};
  ui::Edit dev2t{devises, "dev2t"};
  ui::Label tauxL{devises, "tauxL", "Taux :"};
  ui::Edit tauxt{devises, "tauxt"};
  ui::Label exempleL{devises, "exempleL", "Exemple :"};
  ui::Edit prix{devises, "prix", "100"};
  ui::Label dev{devises, "dev"};
  ui::Button Button1{devises, "Button1", "Convertir"};
  ui::Label resultat{devises, "resultat"};

  ui::GroupBox compteG{colonneIdent, "compteG", "Compte"};
  ui::Label loginL{compteG, "loginL", "Login :"};
  ui::Edit logint{compteG, "logint"};
  ui::Label extL{compteG, "extL", "Ext :"};
  ui::Edit extt{compteG, "extt"};
  ui::Label urlL{compteG, "urlL", "URL :"};
  ui::Edit urlE{compteG, "urlE", "http://"};
  ui::Label scriptB{colonneIdent, "scriptB"};
  ui::Button BitBtn1{colonneIdent, "BitBtn1", "OK"};
  ui::Button BitBtn2{colonneIdent, "BitBtn2", "Fermer"};

  TIdentite identite;  // the shop identity, read by every page writer
  // The saved second currency's tick, read by the order form; the box shows it when the window
  // fills, and may then hold a tick not saved yet.
  bool secondeDevise = true;
  // Loads ident.opt into the identity, the second currency's tick and the site address; the
  // boxes and edits are filled at the window's activation.
  void chargerIdent();

  void FormActivate();
  void FormClose();
  void BitBtn1Click();
  void BitBtn2Click();
  void Button1Click();
  void dev1tChange();
  void dev2CClick();
  void scriptBClick();

 private:
  void disposer();
  // Each address box and the flag it sets.
  struct CaseAdresse {
    ui::CheckBox Tident::*box;
    std::string TIdentite::*drapeau;
  };
  static std::vector<CaseAdresse> casesAdresse();
  // The identity as the boxes hold it now.
  TIdentite saisie() const;
  bool modifiee() const;
  // False when the rate is refused (its message said why).
  bool enregistrer();

  app::Programme& p_;
  // What the boxes were filled with, to tell typed edits and to drop them.
  TIdentite lue_;
  std::string urlLue_;
  bool ouverte_ = false;  // shown and filled since its last close
};

}  // namespace app
