#pragma once
// The framed box of the generated frame pages: the logo box of the left menu and of the top
// frame, the top frame's banner, and every other box drawn with the four frame kinds ("rond":
// corner images, "carre": one-pixel lines, "aucun": the lines in the fill colour, "transparent":
// neither lines nor fill). Values in, lines out; the caller copies the images named.

#include <string>
#include <string_view>
#include <vector>

#include "modele/design/menu_options.h"
#include "platform/files.h"
#include "platform/lines.h"

namespace frame {

// Lines of a page and the data-folder images they name, in the order they are named.
struct LignesImages {
  platform::LineList lignes;
  std::vector<std::string> images;
};

// The frame of a box.
struct Encadrement {
  std::string cadre;    // "rond", "carre", "aucun", "transparent"; any other value draws "carre"
  std::string trait;    // line colour
  std::string fond;     // fill colour
  std::string largeur;  // width of the content cell and of the rounded bands, in pixels
  std::string aligne;   // alignment of the content cell
  std::string coins;    // stem of the corner images: "logo" names logo_hg.gif ... logo_bd.gif
  // An unframed ("transparent") text box gets a 4-pixel spacer row above its content.
  bool espaceTexte = false;
  // The content cell takes the width it needs (the bar's "write to us" link).
  bool sansLargeur = false;
};

// The content of a logo or banner box: a button image, or the text with an optional bullet.
struct ContenuBoite {
  std::string image;  // "bouton": the button alone; "puce": bullet and text; else the text
  std::string texte, police, couleur, taille;
  std::string gras, souligne, italique;               // "oui" puts the text in <b>, <u>, <i>
  std::string puce, longueurPuce, hauteurPuce;        // bullet image and its size
  std::string bouton, longueurBouton, hauteurBouton;  // button image and its size
};

// Opening and closing emphasis tags: bold, underline, italic, each when its flag is "oui";
// they close in the reverse order.
struct BalisesStyle {
  std::string ouvre, ferme;
};
BalisesStyle balisesStyle(std::string_view gras, std::string_view souligne,
                          std::string_view italique);

// The text box has the spacer row when it shows neither a button nor a bullet.
bool contenuTexte(std::string_view image);

LignesImages contenuBoite(const ContenuBoite& c);

// The rounded bands above and below a box: the corner images <coins>_hg/_hd.gif (top) or
// _bg/_bd.gif (bottom) beside a line of the given width; the top band has its line above its
// 5-pixel fill, the bottom band below.
LignesImages bandeArrondieHaut(std::string_view coins, std::string_view largeur,
                               std::string_view trait, std::string_view fond);
LignesImages bandeArrondieBas(std::string_view coins, std::string_view largeur,
                              std::string_view trait, std::string_view fond);

// The box around the given content: the rounded top band, the box table with its line rows and
// side cells, the rounded bottom band.
LignesImages boiteEncadree(const Encadrement& e, const LignesImages& contenu);

// The shop's logo box, in the left menu or in the top frame.
LignesImages boiteLogo(const design::TOptionsMenu& o, const std::string& largeur);

// The transparent image that fills empty cells and gaps.
std::string pixel(std::string_view largeur, std::string_view hauteur);

// Copies a data-folder image to ftp/ under the same name, overwriting, when it exists; a name
// that would leave the data folder is passed over like a missing one.
void copieVersFtp(const platform::DataFolder& donnees, std::string_view nom);
void copieVersFtp(const platform::DataFolder& donnees, const std::vector<std::string>& noms);

}  // namespace frame
