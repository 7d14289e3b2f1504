#pragma once
// The values of the product card being written: filled by the card writer from the sheet and its
// side files, read by the layouts, the order forms and the comment rows. They belong to the card
// writer alone (the sheet open in the editor is never touched) and are valid for one card: each
// card starts from a fresh record, and the record of the last card stays readable afterwards.

#include <string>
#include <vector>

namespace pages {

// The bold, underline and italic tags of a band, each pair empty when its style key is not "oui".
struct Balises {
  std::string gras, souligne, italique;
  std::string finGras, finSouligne, finItalique;
  // Opened in the order bold, underline, italic; closed in the reverse order.
  std::string ouvre() const { return gras + souligne + italique; }
  std::string ferme() const { return finItalique + finSouligne + finGras; }
};
Balises balises(const std::string& gras, const std::string& souligne, const std::string& italique);

struct TValeursCarte {
  std::string categorieCarte;
  std::string themeCarte;
  std::string referenceFiche;  // the line being ordered (a variant's reference in the price band)
  std::string referenceVignette;  // the card's own reference
  std::string referenceLignes;    // the card's reference when a comment rows table was built
  std::string titreCarte;
  std::string auteurCarte;
  std::string prix;         // cleaned when a promotion applies
  std::string prixAffiche;  // the price as read, or the promotional price as stored
  bool prixIllisible = false;  // the sheet's price is no amount: no price shown, no order taken
  std::string ancienPrix, ancienPrixA, ancienPrixB, ancienPrixC;  // struck prices, cleaned
  std::string tauxPromo;
  std::string prixA, prixB, prixC;
  // A variant sells by its own price: one that is no amount takes no order.
  bool prixIllisibleA = false, prixIllisibleB = false, prixIllisibleC = false;
  std::string referenceA, referenceB, referenceC;
  std::string boutonA = "non", boutonB = "non", boutonC = "non";
  std::string ecotaxe, ecotaxeA, ecotaxeB, ecotaxeC;
  std::string imageCarte, largeurImage, hauteurImage;
  std::string imageVignette;  // the picture sent to the cart
  std::string imageDetail;    // "HTML" for an imported detail page
  std::string largeurDetail, hauteurDetail, texteDetail;
  std::string scriptDetail;  // opens the detail pop-up page, or empty
  std::string type1Carte, type2Carte, type3Carte;
  std::string disponible, etatVisible, detailHTML, mesTailles = "non";
  int qmultiCarte = 0;  // order by multiples of this quantity
  int qmaxiCarte = 0;
  std::string styleFicheTheme;
  std::string couleurEtat = "navy";
  bool carteFenetre = false;  // the card is shown in a window of its own

  std::vector<std::string> lignesCarte;     // the card being built
  std::vector<std::string> lignesFinCarte;  // appended after the linked-products table
  std::vector<std::string> lignesTableau;   // the comment rows table
  std::vector<std::string> commentairesCarte;
  std::vector<std::string> presentationsCarte;
  std::vector<std::string> titresCarte;
  // The choices of a "<CHOIX>" titles list, kept here rather than in the editor's memo.
  std::vector<std::string> lignesChoix;

  // The line being ordered, set before each order block.
  std::string prixLigne, boutonLigne, texteBouton, styleBoutonCommande, typeLigne;
  Balises balisesTexte, balisesType;
  bool choixTitres = false;
  bool bacheCarte = false;
  std::string lignesAutre = "non";
  std::string texteLigne, couleurTrait, policeCommentaire;
  std::string cellulePrix, stylePrix;
  std::string prixTexte, prixDeviseTexte;
};

}  // namespace pages
