#include "modele/design/style_fiche.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/files.h"
#include "platform/lines.h"
#include "support/temp_folder.h"

using namespace design;
using testing_support::TempFolder;

namespace {

// The file the writer makes from the built-in defaults, as the format defines it.
const std::string kFichierDefauts = platform::LineList{
    "largeur_fiche=362", "style_fiche=tableau", "coul_titre=black", "fond_titre=#fcefbc",
    "police_titre=Verdana", "gras_titre=oui", "italique_titre=non", "souligne_titre=non",
    "taille_titre=13", "aligne_titre=left", "coul_auteur=#FF0000", "police_auteur=Verdana",
    "gras_auteur=oui", "italique_auteur=non", "souligne_auteur=non", "taille_auteur=13",
    "aligne_auteur=right", "coul_comm=#000000", "fond=#FFFFFF", "police_comm=Verdana",
    "gras_comm=non", "italique_comm=non", "souligne_comm=non", "taille_comm=13",
    "aligne_comm=left", "aligne_image=left", "coul_ref=#1781B3", "police_ref=Verdana",
    "gras_ref=non", "italique_ref=non", "souligne_ref=non", "taille_ref=10", "coul_titres=#000000",
    "fond_titres=#F9F8FF", "police_titres=Verdana", "gras_titres=non", "italique_titres=non",
    "souligne_titres=non", "taille_titres=10", "aligne_titres=center", "coul_prix=#008000",
    "fond_bas=#ffffff", "police_prix=Verdana", "gras_prix=oui", "italique_prix=non",
    "souligne_prix=non", "taille_prix=13", "aligne_prix=justify", "coul_type=",
    "police_type=Verdana", "gras_type=oui", "italique_type=non", "souligne_type=non",
    "taille_type=13", "coul_trait=#1781B3", "coul_liens=", "encadrement_style=carre",
    "quantite_style=", "position_texte=horizontal", "type1=Poche", "type2=Relié", "type3=",
    "type_prix=image", "bouton_jc=bt007.gif", "bouton_type1=bt007.gif", "bouton_type2=bt007.gif",
    "bouton_type3=bt007.gif", "texte_jc=Je Commande", "texte_type1=Je Commande",
    "texte_type2=Je Commande", "texte_type3=Je Commande", "coul_jc=", "fond_jc=",
    "police_jc=Verdana", "gras_jc=oui", "italique_jc=non", "souligne_jc=oui", "taille_jc=13",
    "aligne_jc=right", "coul_pre=#000000", "police_pre=Verdana", "gras_pre=non",
    "italique_pre=non", "souligne_pre=non", "taille_pre=13"
}.text();

TStyleFiche charger(const TempFolder& dossier, CascadeStyle cascade = {}) {
  TStyleFiche style;
  chargerStyleFiche(style, platform::DataFolder(dossier.path()), cascade);
  return style;
}

std::string champ(const TStyleFiche& style, std::string_view cle) {
  for (const auto& c : clesStyleFiche())
    if (cle == c.cle) return style.*c.champ;
  ADD_FAILURE() << "clé inconnue " << cle;
  return {};
}

std::vector<std::string> fichiersTyp(const TempFolder& dossier) {
  return platform::listFiles(dossier.path(), "*.typ");
}

}  // namespace

// Without a file every field read takes its default, over whatever it held; the fields the
// loader never reads keep theirs.
TEST(StyleFicheFichier, DefaultsWrittenInFileOrderWithCrLf) {
  TempFolder dossier;
  TStyleFiche style;
  for (const auto& c : clesStyleFiche()) style.*c.champ = "avant";
  chargerStyleFiche(style, platform::DataFolder(dossier.path()), {"Livres_Poche", "R1", "", {}});
  for (const char* garde : {"style_fiche", "type1", "type2", "type3"})
    EXPECT_EQ(champ(style, garde), "avant") << garde;
  style.style_fiche = "tableau";
  style.type1 = "Poche";
  style.type2 = "Relié";
  style.type3 = "";
  EXPECT_EQ(lignesStyleFiche(style).text(), kFichierDefauts);

  SauvegardeStyle sauvegarde{Portee::Defaut, "", "defaut", {}, '-'};
  sauverStyleFiche(style, platform::DataFolder(dossier.path()), sauvegarde);
  EXPECT_EQ(dossier.read("defaut.typ"), kFichierDefauts);
}

TEST(StyleFicheChargement, EachStepOfTheCascadeOverridesTheEarlierOnes) {
  TempFolder dossier;
  dossier.write("defaut.typ",
                "coul_titre=#000001\r\nfond_titre=#000001\r\ncoul_auteur=#000001\r\n"
                "coul_comm=#000001\r\ncoul_ref=#000001\r\ncoul_prix=#000001\r\n");
  dossier.write("Livres_Poche.typ",
                "fond_titre=#000002\r\ncoul_auteur=#000002\r\ncoul_comm=#000002\r\n"
                "coul_ref=#000002\r\ncoul_prix=#000002\r\n");
  dossier.write("R1.typ", "coul_auteur=#000003\r\ncoul_comm=#000003\r\ncoul_ref=#000003\r\n"
                          "coul_prix=#000003\r\n");
  dossier.write("Livres_Romans.typ",
                "coul_comm=#000004\r\ncoul_ref=#000004\r\ncoul_prix=#000004\r\n");
  dossier.write("modeles/bleu.mdl", "coul_ref=#000005\r\ncoul_prix=#000005\r\n");

  struct Case {
    const char* nom;
    CascadeStyle cascade;
    const char* attendus[6];  // coul_titre, fond_titre, coul_auteur, coul_comm, coul_ref, coul_prix
  } cases[] = {
      {"défaut seul", {"Autre_Theme", "R9", "", {}},
       {"#000001", "#000001", "#000001", "#000001", "#000001", "#000001"}},
      {"thème", {"Livres_Poche", "R9", "", {}},
       {"#000001", "#000002", "#000002", "#000002", "#000002", "#000002"}},
      {"fiche", {"Livres_Poche", "R1", "", {}},
       {"#000001", "#000002", "#000003", "#000003", "#000003", "#000003"}},
      // the imposed theme comes after the sheet's own file
      {"thème imposé", {"Livres_Poche", "R1", "Livres_Romans", {}},
       {"#000001", "#000002", "#000003", "#000004", "#000004", "#000004"}},
      {"modèle", {"Livres_Poche", "R1", "Livres_Romans", dossier / "modeles/bleu.mdl"},
       {"#000001", "#000002", "#000003", "#000004", "#000005", "#000005"}},
      {"modèle absent", {"Livres_Poche", "R1", "", dossier / "modeles/absent.mdl"},
       {"#000001", "#000002", "#000003", "#000003", "#000003", "#000003"}},
  };
  for (const auto& c : cases) {
    TStyleFiche s = charger(dossier, c.cascade);
    const std::string obtenus[6] = {s.coul_titre, s.fond_titre, s.coul_auteur,
                                    s.coul_comm,  s.coul_ref,   s.coul_prix};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(obtenus[i], c.attendus[i]) << c.nom << " #" << i;
  }
}

TEST(StyleFicheChargement, LineRules) {
  TempFolder dossier;
  dossier.write("defaut.typ", "coul_titre=#123456\r\npolice_titre=Arial\r\nlargeur_fiche=400\r\n"
                              "taille_titre=12\r\naligne_titre=center\r\n");
  dossier.write("Livres_Poche.typ",
                "coul_titre=\r\n"                       // empty: keeps the default file's colour
                "Police_titre=Times\r\n"                // other letter case: not a key
                "largeur_fiche =500\r\n"                // blank in the key: not a key
                "texte_jc=Acheter = vite\r\n"           // only the first \"=\" splits
                "police_comm= Times \r\n"               // the value is kept untrimmed
                "sans egal\r\n"
                "inconnue=1\r\n"
                "taille_titre=14\n"                     // LF alone, a later line wins
                "taille_titre=15\n"
                "aligne_titre=right");                  // no final line end
  TStyleFiche s = charger(dossier, {"Livres_Poche", "", "", {}});
  EXPECT_EQ(s.coul_titre, "#123456");
  EXPECT_EQ(s.police_titre, "Arial");
  EXPECT_EQ(s.largeur_fiche, "400");
  EXPECT_EQ(s.texte_jc, "Acheter = vite");
  EXPECT_EQ(s.police_comm, " Times ");
  EXPECT_EQ(s.taille_titre, "15");
  EXPECT_EQ(s.aligne_titre, "right");
}

TEST(StyleFicheChargement, NamesFoundWithoutRegardToCaseAndNeverOutsideTheFolder) {
  TempFolder dossier;
  dossier.write("sous/LIVRES_POCHE.TYP", "coul_titre=#ABCDEF\r\n");
  dossier.write("sous/DEFAUT.TYP", "coul_prix=#000001\r\n");
  TStyleFiche style;
  chargerStyleFiche(style, platform::DataFolder(dossier / "sous"), {"Livres_Poche", "", "", {}});
  EXPECT_EQ(style.coul_titre, "#ABCDEF");
  EXPECT_EQ(style.coul_prix, "#000001");

  // Empty names read the bare extension file.
  dossier.write("sous/.typ", "coul_auteur=#ABCDEF\r\n");
  chargerStyleFiche(style, platform::DataFolder(dossier / "sous"), {"", "", "", {}});
  EXPECT_EQ(style.coul_auteur, "#ABCDEF");
  dossier.write("dehors.typ", "coul_titre=#FFFFFF\r\n");
  chargerStyleFiche(style, platform::DataFolder(dossier / "sous"), {"../dehors", "", "", {}});
  EXPECT_EQ(style.coul_titre, "black");
}

TEST(StyleFicheSauvegarde, RoundTripKeepsTheLoadedFields) {
  TempFolder dossier;
  platform::DataFolder data(dossier.path());
  TStyleFiche ecrit;
  mettreDefautsStyleFiche(ecrit);
  int n = 0;
  for (const auto& c : clesStyleFiche()) ecrit.*c.champ = "v" + std::to_string(n++) + "=é";
  ecrit.encadrement_style = "rond";
  ecrit.fond_titre = "#102030";
  SauvegardeStyle sauvegarde{Portee::FicheSeule, "R1", "R1", {}, '-'};
  sauverStyleFiche(ecrit, data, sauvegarde);

  TStyleFiche lu;
  chargerStyleFiche(lu, data, {"", "R1", "", {}});
  for (const auto& c : clesStyleFiche()) {
    if (c.defaut)
      EXPECT_EQ(lu.*c.champ, ecrit.*c.champ) << c.cle;
    else
      EXPECT_EQ(lu.*c.champ, "") << c.cle;
  }
}

TEST(StyleFicheSauvegarde, ScopesWriteTheirFileAndDropWhatTheySupersede) {
  struct Case {
    Portee portee;
    const char* nomCadre;
    std::vector<std::string> restants;
  } cases[] = {
      {Portee::Theme, "Livres_Poche", {"defaut.typ", "Livres_Poche.typ", "R2.typ"}},
      {Portee::FicheSeule, "R1", {"defaut.typ", "Livres_Poche.typ", "R1.typ", "R2.typ"}},
      {Portee::Defaut, "defaut", {"defaut.typ", "Livres_Poche.typ", "R1.typ", "R2.typ"}},
      {Portee::Toutes, "R2", {"defaut.typ"}},  // the name in force is replaced by "defaut"
  };
  for (const auto& c : cases) {
    TempFolder dossier;
    for (const char* nom : {"defaut.typ", "Livres_Poche.typ", "R1.typ", "R2.typ"})
      dossier.write(nom, "coul_titre=#000001\r\n");
    dossier.write("modeles/m.mdl", "coul_titre=#000001\r\n");
    dossier.write("modeles/x.typ", "coul_titre=#000001\r\n");
    TStyleFiche style;
    mettreDefautsStyleFiche(style);
    style.coul_titre = "#00FF00";
    SauvegardeStyle sauvegarde{
        c.portee, "R1", nomCadrePourPortee(c.portee, "Livres_Poche", "R1", "R2"), {}, '-'};
    EXPECT_EQ(sauvegarde.nomCadre, c.nomCadre);
    sauverStyleFiche(style, platform::DataFolder(dossier.path()), sauvegarde);
    int portee = static_cast<int>(c.portee);
    EXPECT_EQ(fichiersTyp(dossier), c.restants) << portee;
    const std::string attendu = c.portee == Portee::Toutes ? "defaut" : c.nomCadre;
    EXPECT_EQ(sauvegarde.nomCadre, attendu) << portee;
    EXPECT_EQ(charger(dossier, {"", attendu, "", {}}).coul_titre, "#00FF00") << portee;
    EXPECT_TRUE(dossier.exists("modeles/m.mdl"));
    EXPECT_TRUE(dossier.exists("modeles/x.typ"));
  }
}

TEST(StyleFicheSauvegarde, ModelSaveWritesTheModelAndKeepsTheScopeFile) {
  TempFolder dossier;
  platform::DataFolder data(dossier.path());
  dossier.write("R1.typ", "coul_titre=#000003\r\n");
  TStyleFiche style;
  mettreDefautsStyleFiche(style);
  style.coul_titre = "#00FF00";
  // "Ajouter Modèle" with the scope "Toutes": a normal save, then the model.
  SauvegardeStyle sauvegarde{Portee::Toutes, "R1", "R1", {}, '-'};
  sauverStyleFiche(style, data, sauvegarde);
  sauvegarde.modele = dossier / "modeles/vert.mdl";
  std::filesystem::create_directories(dossier / "modeles");
  sauverStyleFiche(style, data, sauvegarde);
  EXPECT_EQ(fichiersTyp(dossier), (std::vector<std::string>{"defaut.typ"}));
  EXPECT_EQ(dossier.read("modeles/vert.mdl"), dossier.read("defaut.typ"));
  // a model saved among the styles is not swept away by its own scope
  sauvegarde.modele = dossier / "vert.typ";
  sauverStyleFiche(style, data, sauvegarde);
  EXPECT_EQ(fichiersTyp(dossier), (std::vector<std::string>{"defaut.typ", "vert.typ"}));
  EXPECT_EQ(charger(dossier, {"", "", "", dossier / "modeles/vert.mdl"}).coul_titre, "#00FF00");
  // the corners keep the style's name, not the model's
  EXPECT_TRUE(dossier.exists("defaut_hg.gif"));
  EXPECT_FALSE(dossier.exists("vert_hg.gif"));
}

TEST(StyleFicheSauvegarde, FailedWriteDeletesNothing) {
  TempFolder dossier;
  for (const char* nom : {"Livres_Poche.typ", "R1.typ"})
    dossier.write(nom, "coul_titre=#000001\r\n");
  std::filesystem::create_directories(dossier / "defaut.typ");  // the target cannot be replaced
  TStyleFiche style;
  mettreDefautsStyleFiche(style);
  SauvegardeStyle sauvegarde{Portee::Toutes, "R1", "", {}, '-'};
  EXPECT_THROW(sauverStyleFiche(style, platform::DataFolder(dossier.path()), sauvegarde),
               platform::FileError);
  EXPECT_EQ(fichiersTyp(dossier), (std::vector<std::string>{"Livres_Poche.typ", "R1.typ"}));
  EXPECT_FALSE(dossier.exists("defaut_hg.gif"));
}

TEST(StyleFicheSauvegarde, LineBreakInAValueCannotAddLines) {
  TStyleFiche style;
  mettreDefautsStyleFiche(style);
  style.texte_jc = "Je\r\ncoul_titre=#FF0000";
  auto lignes = lignesStyleFiche(style);
  ASSERT_EQ(lignes.size(), 85u);
  EXPECT_EQ(lignes[67], "texte_jc=Je  coul_titre=#FF0000");
}

