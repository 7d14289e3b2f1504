// The main window's advertising tab: the webmaster credit block and the four HTML fragments the
// home page, the top frame, the left menu and the catalogue pages carry.

#include "fenetres/app/fiche.h"
#include "fenetres/app/programme.h"
#include "fenetres/design/import_image.h"
#include "fenetres/design/menu.h"
#include "fenetres/frame/apercu.h"

namespace app {

namespace {

constexpr const char* kPositions[] = {"top", "middle", "bottom"};

struct Fragment {
  ui::Memo Tmain::*memo;
  const char* fichier;
};
constexpr Fragment kFragments[] = {{&Tmain::accueil_pub, "accueil_pub.opt"},
                                   {&Tmain::pub1_pub, "pub1_pub.opt"},
                                   {&Tmain::pub2_pub, "pub2_pub.opt"},
                                   {&Tmain::pub3_pub, "pub3_pub.opt"}};

}  // namespace

void Tmain::lierPublicite() {
  position_pub.columns = 3;
  position_pub.setItems({"Haut", "Milieu", "Bas"});
  position_pub.setItemIndex(1);
  imageL_pub.onClick = [this] { imageL_pubClick(); };
  efface.onClick = [this] { effaceClick(); };
  BitBtn9.onClick = [this] { BitBtn9Click(); };
  BitBtn12.onClick = [this] { accueil_pub.clear(); };
  BitBtn13.onClick = [this] { pub1_pub.clear(); };
  BitBtn14.onClick = [this] { pub2_pub.clear(); };
  BitBtn15.onClick = [this] { pub3_pub.clear(); };
  voirB.onClick = [this] { voirBClick(); };
  ok_bouton.onClick = [this] { sauver_pub(); };
  auto modifiee = [this] { pubModifiee = true; };
  site_pub.onChange = modifiee;
  for (const Fragment& f : kFragments) (this->*f.memo).onChange = modifiee;
  for (ui::CheckBox* c : {&pubMC, &pubPC}) c->onClick = modifiee;
  position_pub.onClick = modifiee;
}

void Tmain::ouvrir_pub() {
  // Every activation comes here (after any dialog too): typed edits not saved yet stay.
  if (pubModifiee) return;
  const platform::DataFolder& donnees = p_.donnees();
  position_pub.setItemIndex(1);
  pubMC.setChecked(false);
  pubPC.setChecked(false);
  if (donnees.exists("pub.opt")) {
    const platform::LineList pub = platform::LineList::load(donnees.path("pub.opt"));
    if (!pub.empty()) {
      if (!pub.value("site_pub").empty()) site_pub.setText(pub.value("site_pub"));
      const std::string position = pub.value("position_pub");
      position_pub.setItemIndex(position == "top" ? 0 : position == "bottom" ? 2 : 1);
      logo_pub.setCaption(pub.value("logo_pub"));
      const std::string logo = "menu_boutons/" + logo_pub.caption();
      if (!logo_pub.caption().empty() && platform::safeRelativePath(logo) && donnees.exists(logo))
        image_pub.loadPicture(donnees.path(logo));
      pubMC.setChecked(pub.value("menu_pub2") == "oui");
      pubPC.setChecked(pub.value("page_pub3") == "oui");
    }
  }
  for (const Fragment& f : kFragments)
    if (donnees.exists(f.fichier))
      (this->*f.memo).setLines(platform::LineList::load(donnees.path(f.fichier)));
  pubModifiee = false;
}

void Tmain::sauver_pub() {
  const int position = position_pub.itemIndex();
  platform::LineList pub{"site_pub=" + site_pub.text(),
                         std::string("position_pub=") + kPositions[position < 0 ? 1 : position],
                         "logo_pub=" + logo_pub.caption(),
                         std::string("menu_pub2=") + (pubMC.checked() ? "oui" : ""),
                         std::string("page_pub3=") + (pubPC.checked() ? "oui" : "")};
  pub.save(p_.chemin("pub.opt"));
  for (const Fragment& f : kFragments) (this->*f.memo).lines().save(p_.chemin(f.fichier));
  pubModifiee = false;
}

void Tmain::pub1Show() {
  imageL_pub.setDirectory(p_.chemin("menu_boutons"));
  logoG.setCaption(imageL_pub.directory().string());
}

void Tmain::imageL_pubClick() {
  if (imageL_pub.selected().empty()) return;
  logo_pub.setCaption(imageL_pub.selected());
  image_pub.loadPicture(imageL_pub.directory() / imageL_pub.selected());
  pubModifiee = true;
}

void Tmain::effaceClick() {
  image_pub.loadPicture({});
  logo_pub.setCaption("");
  pubModifiee = true;
}

void Tmain::BitBtn9Click() {
  if (imageL_pub.directory().empty()) pub1Show();
  design::importerImage(OpenDialogPub, imageL_pub, options.options.separateur());
}

void Tmain::voirBClick() {
  voirB.setCursor(ui::Cursor::HourGlass);
  sauver_pub();
  p_.menu1().chargerMenu();
  frame::apercuSite(p_);
  voirB.setCursor(ui::Cursor::Default);
}

}  // namespace app
