#pragma once
// The window `Tident`: shop identity.

#include <string>
#include <vector>

#include "app/identite.h"
#include "ui/controls.h"
#include "ui/form.h"

namespace app {
class Programme;
}

namespace app {

class Tident : public ui::Form {
 public:
  explicit Tident(app::Programme& programme);

  ui::Label nomEL{*this, "nomEL", "Entreprise :"};
  ui::Edit nomEt{*this, "nomEt"};
  ui::CheckBox entBOX{*this, "entBOX"};
  ui::Label capitalL{*this, "capitalL", "Capital :"};
  ui::Edit capitalt{*this, "capitalt"};
  ui::CheckBox capBOX{*this, "capBOX"};
  ui::Label nomBL{*this, "nomBL", "Boutique :"};
  ui::Edit nomBt{*this, "nomBt"};
  ui::CheckBox boutiqueBOX{*this, "boutiqueBOX"};
  ui::Label rueL{*this, "rueL", "Adresse rue :"};
  ui::Edit ruet{*this, "ruet"};
  ui::CheckBox rueBOX{*this, "rueBOX"};
  ui::Label codepostalL{*this, "codepostalL", "CP et  Ville :"};
  ui::Edit codepostalt{*this, "codepostalt"};
  ui::CheckBox cpBOX{*this, "cpBOX"};
  ui::Label paysL{*this, "paysL", "Pays :"};
  ui::Edit payst{*this, "payst"};
  ui::CheckBox paysBOX{*this, "paysBOX"};
  ui::Label telL{*this, "telL", "Téléphone :"};
  ui::Edit telt{*this, "telt"};
  ui::CheckBox telBOX{*this, "telBOX"};
  ui::Label faxL{*this, "faxL", "Fax :"};
  ui::Edit faxt{*this, "faxt"};
  ui::CheckBox faxBOX{*this, "faxBOX"};
  ui::Label emailL{*this, "emailL", "e-mail :"};
  ui::Edit emailt{*this, "emailt"};
  ui::CheckBox eBOX{*this, "eBOX"};
  ui::Label siretL{*this, "siretL", "SIRET :"};
  ui::Edit sirett{*this, "sirett"};
  ui::CheckBox siretBOX{*this, "siretBOX"};
  ui::Label apeL{*this, "apeL", "APE :"};
  ui::Edit apet{*this, "apet"};
  ui::CheckBox apeBOX{*this, "apeBOX"};

  ui::GroupBox devises{*this, "devises", "Devises"};
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

  ui::Label loginL{*this, "loginL", "Login :"};
  ui::Edit logint{*this, "logint"};
  ui::Label extL{*this, "extL", "Ext :"};
  ui::Edit extt{*this, "extt"};
  ui::Label urlL{*this, "urlL", "URL :"};
  ui::Edit urlE{*this, "urlE", "http://"};
  ui::Label scriptB{*this, "scriptB"};
  ui::Button BitBtn1{*this, "BitBtn1", "OK"};
  ui::Button BitBtn2{*this, "BitBtn2", "Fermer"};

  TIdentite identite;  // the shop identity, read by every page writer
  // Loads ident.opt into the identity, with the second-currency box and the site address.
  void chargerIdent();

  void FormActivate();
  void BitBtn1Click();
  void BitBtn2Click();
  void Button1Click();
  void dev1tChange();
  void dev2CClick();
  void scriptBClick();

 private:
  // Each address box and the flag it sets.
  struct CaseAdresse {
    ui::CheckBox& box;
    std::string TIdentite::*drapeau;
  };
  std::vector<CaseAdresse> casesAdresse();

  app::Programme& p_;
};

}  // namespace app
