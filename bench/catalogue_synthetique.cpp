#include "catalogue_synthetique.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "modele/app/fiche_produit.h"
#include "modele/app/promotions.h"
#include "modele/app/ref_gen.h"
#include "platform/files.h"
#include "platform/lines.h"
#include "platform/text.h"
#include "support/jpeg_encode.h"

namespace bench {

namespace {

namespace fs = std::filesystem;

const char* const kCategories[10] = {"Vaisselle", "Infusions", "Livres",    "Épicerie",
                                      "Thés",      "Cafés",     "Linge",     "Jouets",
                                      "Papeterie", "Décoration"};
const char* const kThemes[10] = {"Été",     "Hiver",    "Classiques", "Nouveautés", "Artisanat",
                                 "Régional", "Bio",      "Cadeaux",    "Enfants",    "Prestige"};
const char* const kNoms[8] = {"Bol",     "Tasse",  "Coffret", "Carnet",
                              "Théière", "Sachet", "Plateau", "Serviette"};
const char* const kQualites[8] = {"émaillé", "en grès",  "brodé",    "à l'ancienne",
                                  "bleu",    "de Noël", "pour l'été", "tressé"};
const char* const kAuteurs[6] = {"", "Jeanne Morel", "Hélène Brévart", "", "Noël Dufaÿ", "Zoé Maréchal"};

// A small picture (96 x 72) of soft bands, one of a few colours.
std::string image(int graine) {
  const int largeur = 96, hauteur = 72;
  std::vector<uint8_t> pixels;
  for (int y = 0; y < hauteur; ++y)
    for (int x = 0; x < largeur; ++x)
      pixels.insert(pixels.end(), {static_cast<uint8_t>((x * 2 + graine * 37) % 256),
                                   static_cast<uint8_t>((y * 3 + graine * 71) % 256),
                                   static_cast<uint8_t>((x + y + graine * 113) % 256)});
  return testing_support::encodeJpeg(largeur, hauteur, 3, pixels, 80);
}

std::string code(const std::string& categorie) {
  std::string c;
  for (char ch : categorie)
    if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) c += platform::upperAscii(std::string(1, ch));
  return c.substr(0, 3);
}

void ecrire(const fs::path& fichier, const platform::LineList& lignes) {
  platform::writeGeneratedFile(fichier, lignes.text(), false);
}

// The shop's settings come from the demo; its own catalogue is left out.
void copierReglages(const fs::path& dossier) {
  const fs::path demo = fs::path(TARVIO_SOURCE_DIR) / "demo";
  for (const auto& entree : fs::directory_iterator(demo)) {
    const std::string nom = entree.path().filename().string();
    const bool catalogue = platform::matchesMask(nom, "*.ref;*.sup;*.acc;*.jpg;*.cto;*.fam;*.stl;categories;ref.gen") ||
                           nom.find('-') != std::string::npos;
    if (catalogue && nom != "titre.acc") continue;
    fs::copy(entree.path(), dossier / nom, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
  }
}

}  // namespace

CatalogueEcrit genererCatalogue(const fs::path& dossier, int n) {
  fs::create_directories(dossier);
  copierReglages(dossier);
  std::vector<std::string> images;
  for (int i = 0; i < 12; ++i) images.push_back(image(i));

  CatalogueEcrit ecrit;
  // The search words: each sheet under its theme and under its kind of object, so that the quick
  // choice lists every sheet twice.
  platform::LineList categories, refGen, motsRecherche;
  int numero = 0;
  for (int c = 0; c < 10; ++c) {
    const std::string categorie = kCategories[c];
    categories.add(categorie);
    platform::LineList themes;
    for (int t = 0; t < 10; ++t) {
      const std::string theme = kThemes[t];
      themes.add(theme);
      platform::LineList listeTheme;
      const int parTheme = n / 100 + (c * 10 + t < n % 100 ? 1 : 0);
      for (int s = 0; s < parTheme; ++s, ++numero) {
        app::TFicheProduit f;
        f.categorie = categorie;
        f.mot_cle = theme;
        f.reference = code(categorie) + std::to_string(100000 + numero).substr(1);
        f.description = std::string(kNoms[numero % 8]) + " " + kQualites[(numero / 8) % 8] + " n° " +
                        std::to_string(numero);
        f.auteur = kAuteurs[numero % 6];
        f.prix = std::to_string(5 + numero % 90) + "." + std::to_string(10 + numero % 90);
        f.image = platform::lowerAscii(f.reference) + ".jpg";
        f.hauteur = "72";
        f.largeur = "96";
        f.commentaires = {"Fabriqué en France, livré sous 48 h.",
                          "Référence " + f.reference + " : « " + theme + " » de la maison."};
        if (numero % 4 == 1) {  // a variant
          f.bouton_CD = "oui";
          f.CD_ref = f.reference + "-G";
          f.CD_prix = std::to_string(9 + numero % 90) + ".50";
          f.type1 = "Grand modèle";
        }
        if (numero % 6 == 2)  // comment rows with their own reference and price
          f.commentaires.push_back("<LIGNE>" + f.reference + "-C#Coffret cadeau#6.00");
        ecrire(dossier / app::nomFichierFiche(f.reference), app::ecrireFicheProduit(f));
        platform::writeGeneratedFile(dossier / f.image, images[numero % images.size()], false);
        ++ecrit.fiches;
        ++ecrit.images;
        if (numero % 5 == 0) {
          ecrire(dossier / (f.reference + ".sup"), {"Gravure du prénom=4", "Emballage soigné=2"});
          ++ecrit.annexes;
        }
        if (numero % 7 == 3) {
          ecrire(dossier / (f.reference + ".acc"), {"Une pièce choisie à l'atelier, à offrir ou à garder."});
          ++ecrit.annexes;
        }
        if (numero % 10 == 4) {
          app::TPromotion p{.categorie = categorie, .reference = f.reference, .titre = f.description,
                            .prix = f.prix, .mot_cle = theme, .taux = "-10", .prixpromo = "4.50"};
          ecrire(dossier / (f.reference + ".pro"), app::ecrirePromotion(p));
          ++ecrit.promotions;
        }
        listeTheme.add(f.reference + ".ref");
        for (const std::string mot : {theme, std::string(kNoms[numero % 8])})
          motsRecherche.add(mot + "=[00]" + f.reference);
        refGen.add(app::formaterEntreeRefGen(
            {f.reference, categorie, theme, f.description, f.auteur, f.image}));
      }
      ecrire(dossier / (categorie + "-" + theme), listeTheme);
      ecrire(dossier / (categorie + "_" + theme + ".stl"), {"style_fiche=standard", "ref_page=2"});
    }
    ecrire(dossier / (categorie + ".cto"), themes);
    ecrire(dossier / (categorie + ".fam"), {"famille=1"});
  }
  ecrire(dossier / "frames.inf", {"frames=oui"});
  ecrire(dossier / "categories", categories);
  ecrire(dossier / "ref.gen", refGen);
  motsRecherche.sort();
  ecrire(dossier / "recherche_base.bdd", motsRecherche);
  app::ecrireListesPromo(platform::DataFolder(dossier));
  return ecrit;
}

}  // namespace bench
