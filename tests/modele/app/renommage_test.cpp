#include "modele/app/renommage.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "modele/app/renommage_journal.h"
#include "modele/app/reparation.h"
#include "support/ouvertures_dossier.h"
#include "support/temp_folder.h"

using namespace app;
using platform::DataFolder;
using testing_support::OuverturesDossier;
using testing_support::TempFolder;

namespace {

std::string fiche(const std::string& ref, const std::string& categorie, const std::string& theme) {
  return "categorie=" + categorie + "\r\nreference=" + ref + "\r\ndescription=Titre " + ref +
         "\r\nauteur=\r\nprix=1\r\nimage=\r\nmot_cle=" + theme + "\r\ncommentaires= garde \r\n";
}

// Every file of the folder (below it too) with its bytes.
std::map<std::string, std::string> contenu(const TempFolder& dir) {
  std::map<std::string, std::string> fichiers;
  for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path()))
    if (e.is_regular_file())
      fichiers[std::filesystem::relative(e.path(), dir.path()).string()] =
          dir.read(std::filesystem::relative(e.path(), dir.path()).string());
  return fichiers;
}

// A shop with two categories: Vaisselle (themes Bols, Tasses) and Livres.
void catalogue(const TempFolder& dir) {
  dir.write("categories", "Vaisselle\r\nLivres\r\n");
  dir.write("Vaisselle.cto", "Bols\r\nTasses\r\n");
  dir.write("Vaisselle.fam", "famille=0\r\n");
  dir.write("Livres.cto", "Romans\r\nBols\r\n");
  dir.write("Vaisselle_Bols.stl", "style_fiche=tableau\r\nref_page=3\r\n");
  dir.write("Vaisselle_Bols.typ", "fond_titre=#123456\r\n");  // a card style and its corners
  for (const char* coin : {"hg", "hd", "bg", "bd"})
    dir.write(std::string("vaisselle-bols_") + coin + ".gif", coin);
  dir.write("Vaisselle-Bols", "B1.ref\r\nB2.ref\r\n");
  dir.write("Vaisselle_Tasses", "T1.ref\r\n");
  dir.write("B1.ref", fiche("B1", "Vaisselle", "Bols"));
  dir.write("B2.ref", fiche("B2", "vaisselle ", "bols "));  // typed in another case, with blanks
  dir.write("T1.ref", fiche("T1", "Vaisselle", "Tasses"));
  dir.write("L1.ref", fiche("L1", "Livres", "Bols"));
  dir.write("B1.pro", "categorie=Vaisselle\r\nmot_cle=Bols\r\nprixpromo=5\r\n");
  dir.write("vaisselle.txt", "<p>avant</p>\r\n");
  dir.write("tmp/Vaisselle.fnd", "fond=bleu\r\n");
  dir.write("tmp/Vaisselle.txt", "<p>habillage</p>\r\n");
}

EntreesRenommageCategorie categorie(const std::string& nouveau) {
  return {{"Vaisselle", "Livres"}, 0, nouveau, '-'};
}

EntreesRenommageTheme theme(const std::string& nouveau) {
  return {"Vaisselle", {"Bols", "Tasses"}, 0, nouveau, '-'};
}

}  // namespace

TEST(RenommerCategorie, MovesEveryFileSheetAndIndexLine) {
  TempFolder dir;
  catalogue(dir);
  const std::string livre = dir.read("L1.ref");
  auto r = renommerCategorie(DataFolder(dir.path()), categorie(" Céramique "));
  ASSERT_EQ(r.issue, IssueRenommage::fait) << r.message;
  EXPECT_EQ(r.nom, "Céramique");
  EXPECT_EQ(r.fiches, (std::vector<std::string>{"B1.ref", "B2.ref", "T1.ref"}));
  EXPECT_EQ(dir.read("categories"), "Céramique\r\nLivres\r\n");
  EXPECT_EQ(dir.read("B1.ref"), fiche("B1", "Céramique", "Bols"));
  EXPECT_EQ(dir.read("B2.ref"), fiche("B2", "Céramique", "bols "));
  EXPECT_EQ(dir.read("L1.ref"), livre);
  EXPECT_EQ(dir.read("B1.pro"), "categorie=Céramique\r\nmot_cle=Bols\r\nprixpromo=5\r\n");
  const std::pair<const char*, const char*> deplaces[] = {
      {"Vaisselle.cto", "Céramique.cto"},           {"Vaisselle.fam", "Céramique.fam"},
      {"Vaisselle_Bols.stl", "Céramique_Bols.stl"}, {"Vaisselle-Bols", "Céramique-Bols"},
      {"Vaisselle_Tasses", "Céramique_Tasses"},     {"vaisselle.txt", "ceramique.txt"},
      {"tmp/Vaisselle.fnd", "tmp/Céramique.fnd"},   {"tmp/Vaisselle.txt", "tmp/Céramique.txt"},
      {"Vaisselle_Bols.typ", "Céramique_Bols.typ"}, {"vaisselle-bols_hg.gif", "ceramique-bols_hg.gif"},
      {"vaisselle-bols_bd.gif", "ceramique-bols_bd.gif"}};
  for (auto [ancien, nouveau] : deplaces) {
    EXPECT_FALSE(dir.exists(ancien)) << ancien;
    EXPECT_TRUE(dir.exists(nouveau)) << nouveau;
  }
  EXPECT_EQ(dir.read("Céramique.cto"), "Bols\r\nTasses\r\n");
  EXPECT_EQ(dir.read("tmp/Céramique.txt"), "<p>habillage</p>\r\n");
  EXPECT_EQ(dir.read("Céramique_Bols.typ"), "fond_titre=#123456\r\n");
  EXPECT_EQ(dir.read("ref.gen"),
            "B1#Céramique#Bols#Titre B1##\r\nB2#Céramique#bols #Titre B2##\r\n"
            "L1#Livres#Bols#Titre L1##\r\nT1#Céramique#Tasses#Titre T1##\r\n");
}

// Only the letter case changes: the category's own files follow.
TEST(RenommerCategorie, ChangesTheLetterCaseOfItsOwnFiles) {
  TempFolder dir;
  catalogue(dir);
  auto r = renommerCategorie(DataFolder(dir.path()), categorie("VAISSELLE"));
  ASSERT_EQ(r.issue, IssueRenommage::fait) << r.message;
  EXPECT_TRUE(dir.exists("VAISSELLE.cto"));
  EXPECT_FALSE(dir.exists("Vaisselle.cto"));
  EXPECT_TRUE(dir.exists("VAISSELLE_Bols.stl"));
  EXPECT_EQ(dir.read("categories"), "VAISSELLE\r\nLivres\r\n");
}

TEST(RenommerCategorie, RefusalsLeaveEveryFileAsItWas) {
  const std::string existe = "La catégorie existe déjà !";
  const std::string refuse = "La catégorie comporte des caractères non acceptés";
  struct Cas {
    const char* nouveau;
    const char* fichierEnTrop;  // written before the rename, "" for none
    std::string message;
  } cas[] = {
      {"Livres", "", existe},
      {" livres ", "", existe},
      {"Vaisselle", "", existe},
      {"Jouets", "jouets.cto", existe},  // a category whose line was lost
      {"Jouets", "Jouets_Bols.stl", "Le fichier Jouets_Bols.stl existe déjà : le nom n'a pas été changé"},
      {"", "", "Opération Impossible"},
      {"   ", "", "Opération Impossible"},
      {"CON", "", "Opération Impossible"},
      {"a/b", "", refuse},
      {"x#y", "", refuse},
      {"Bols?", "", refuse},
      {"LPT1", "", refuse},
  };
  for (const auto& c : cas) {
    TempFolder dir;
    catalogue(dir);
    if (*c.fichierEnTrop) dir.write(c.fichierEnTrop, "x\r\n");
    const auto avant = contenu(dir);
    auto r = renommerCategorie(DataFolder(dir.path()), categorie(c.nouveau));
    EXPECT_EQ(r.issue, IssueRenommage::refuse) << c.nouveau;
    EXPECT_EQ(r.message, c.message) << c.nouveau;
    EXPECT_EQ(contenu(dir), avant) << c.nouveau;
  }
}

TEST(RenommerTheme, RewritesTheCategorysSheetsListsAndFilesOnly) {
  TempFolder dir;
  catalogue(dir);
  dir.write("Vaisselle_Bols", "B2.ref\r\nB1.ref\r\n");  // the "_" form of an order list too
  const std::string livre = dir.read("L1.ref");
  auto r = renommerTheme(DataFolder(dir.path()), theme("Coupes"));
  ASSERT_EQ(r.issue, IssueRenommage::fait) << r.message;
  EXPECT_EQ(r.fiches, (std::vector<std::string>{"B1.ref", "B2.ref"}));
  EXPECT_EQ(dir.read("Vaisselle.cto"), "Coupes\r\nTasses\r\n");
  EXPECT_EQ(dir.read("Livres.cto"), "Romans\r\nBols\r\n");
  EXPECT_EQ(dir.read("B1.ref"), fiche("B1", "Vaisselle", "Coupes"));
  EXPECT_EQ(dir.read("B2.ref"), fiche("B2", "vaisselle ", "Coupes"));
  EXPECT_EQ(dir.read("L1.ref"), livre);  // the same theme in another category
  EXPECT_EQ(dir.read("B1.pro"), "categorie=Vaisselle\r\nmot_cle=Coupes\r\nprixpromo=5\r\n");
  EXPECT_EQ(dir.read("Vaisselle_Coupes.stl"), "style_fiche=tableau\r\nref_page=3\r\n");
  EXPECT_EQ(dir.read("Vaisselle-Coupes"), "B1.ref\r\nB2.ref\r\n");
  EXPECT_EQ(dir.read("Vaisselle_Coupes"), "B2.ref\r\nB1.ref\r\n");
  EXPECT_EQ(dir.read("Vaisselle_Coupes.typ"), "fond_titre=#123456\r\n");
  EXPECT_EQ(dir.read("vaisselle-coupes_hd.gif"), "hd");
  for (const char* ancien : {"Vaisselle_Bols.stl", "Vaisselle-Bols", "Vaisselle_Bols",
                             "Vaisselle_Bols.typ", "vaisselle-bols_hd.gif"})
    EXPECT_FALSE(dir.exists(ancien)) << ancien;
  EXPECT_EQ(dir.read("ref.gen"),
            "B1#Vaisselle#Coupes#Titre B1##\r\nB2#vaisselle #Coupes#Titre B2##\r\n"
            "L1#Livres#Bols#Titre L1##\r\nT1#Vaisselle#Tasses#Titre T1##\r\n");
}

TEST(RenommerTheme, RefusalsLeaveEveryFileAsItWas) {
  const std::string existe = "Le thème existe déjà !";
  struct Cas {
    const char* nouveau;
    const char* fichierEnTrop;
    std::string message;
  } cas[] = {
      {"Tasses", "", existe},
      {"TASSES ", "", existe},
      {"Bols", "", existe},
      {"", "", "Il faut utiliser la fonction supprimer le thème"},
      {"a\\b", "", "Le thème comporte des caractères non acceptés"},
      {"Coupes", "vaisselle_coupes.stl",
       "Le fichier vaisselle_coupes.stl existe déjà : le nom n'a pas été changé"},
  };
  for (const auto& c : cas) {
    TempFolder dir;
    catalogue(dir);
    if (*c.fichierEnTrop) dir.write(c.fichierEnTrop, "x\r\n");
    const auto avant = contenu(dir);
    auto r = renommerTheme(DataFolder(dir.path()), theme(c.nouveau));
    EXPECT_EQ(r.issue, IssueRenommage::refuse) << c.nouveau;
    EXPECT_EQ(r.message, c.message) << c.nouveau;
    EXPECT_EQ(contenu(dir), avant) << c.nouveau;
  }
}

// The name test of a theme never empties a file that already bears the name.
TEST(RenommerTheme, ANameOfAnExistingFileKeepsThatFile) {
  TempFolder dir;
  catalogue(dir);
  auto r = renommerTheme(DataFolder(dir.path()), theme("categories"));
  ASSERT_EQ(r.issue, IssueRenommage::fait) << r.message;
  EXPECT_EQ(dir.read("categories"), "Vaisselle\r\nLivres\r\n");
}

// Each sheet is opened once, and the folder is listed as often for 60 sheets as for 240.
TEST(RenommerCategorie, OnePassOverTheSheets) {
  std::map<std::string, int> listages;
  for (int nombre : {60, 240}) {
    TempFolder dir;
    catalogue(dir);
    for (int i = 0; i < nombre; ++i)
      dir.write("N" + std::to_string(i) + ".ref",
                fiche("N" + std::to_string(i), i % 2 ? "Vaisselle" : "Livres", "Bols"));
    const DataFolder dossier(dir.path());
    for (int sens = 0; sens < 2; ++sens) {
      OuverturesDossier ouvertures(dir.path());
      auto r = sens == 0 ? renommerCategorie(dossier, categorie("Céramique"))
                         : renommerTheme(dossier, {"Céramique", {"Bols", "Tasses"}, 0, "Coupes", '-'});
      ASSERT_EQ(r.issue, IssueRenommage::fait) << r.message;
      auto releve = ouvertures.releve();
      for (const auto& nom : std::filesystem::directory_iterator(dir.path())) {
        if (nom.path().extension() != ".ref") continue;
        EXPECT_EQ(releve[nom.path().filename().string()], 1) << nom.path() << " " << nombre;
      }
      const std::string cle = std::to_string(sens);
      if (listages.count(cle)) {
        EXPECT_EQ(releve[""], listages[cle]) << nombre;
      } else {
        listages[cle] = releve[""];
      }
    }
  }
}

// A write that fails midway says so and puts back every file it had written.
TEST(RenommerCategorie, AWriteErrorUndoesWhatWasWritten) {
  TempFolder dir;
  catalogue(dir);
  std::string longue = fiche("Z1", "Vaisselle", "Bols");
  for (int i = 0; i < 400; ++i) longue += "commentaires=une ligne de commentaire assez longue\r\n";
  dir.write("Z1.ref", longue);
  const auto avant = contenu(dir);
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit limiteAvant{};
  ::getrlimit(RLIMIT_FSIZE, &limiteAvant);
  rlimit limite = limiteAvant;
  limite.rlim_cur = 4096;  // every file but Z1.ref can be written
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limite), 0);
  auto r = renommerCategorie(DataFolder(dir.path()), categorie("Céramique"));
  ::setrlimit(RLIMIT_FSIZE, &limiteAvant);
  EXPECT_EQ(r.issue, IssueRenommage::refuse);
  EXPECT_EQ(r.message.rfind("Le changement de nom n'a pas pu se faire : ", 0), 0u) << r.message;
  EXPECT_EQ(contenu(dir), avant);
}

namespace {

// Folders where a file of the renamed name is also named by another category or theme.
struct Partage {
  const char* nom;
  bool categorie;  // else a theme
  std::vector<std::pair<std::string, std::string>> fichiers;
  const char* partage;  // the file both names lead to
  const char* copie;    // the renamed one's own file afterwards
};

const Partage partages[] = {
    {"catégories Thé Vert et Thé-Vert", true,
     {{"categories", "Thé Vert\r\nThé-Vert\r\n"}, {"Thé Vert.cto", "Bols\r\n"},
      {"Thé-Vert.cto", "Bols\r\n"}, {"the-vertd.txt", "<p>habillage</p>\r\n"}},
     "the-vertd.txt", "cafed.txt"},
    {"ordre A-B + C et A + B-C", false,
     {{"categories", "A-B\r\nA\r\n"}, {"A-B.cto", "C\r\n"}, {"A.cto", "B-C\r\n"},
      {"A-B-C", "X1.ref\r\n"}},
     "A-B-C", "A-B-Café"},
    {"coins de Thé Vert_Bols et Thé-Vert_Bols", true,
     {{"categories", "Thé Vert\r\nThé-Vert\r\n"}, {"Thé Vert.cto", "Bols\r\n"},
      {"Thé-Vert.cto", "Bols\r\n"}, {"the-vert-bols_hg.gif", "coin"}},
     "the-vert-bols_hg.gif", "cafe-bols_hg.gif"},
};

void ecrirePartage(const TempFolder& dir, const Partage& c) {
  for (const auto& [nom, texte] : c.fichiers) dir.write(nom, texte);
}

ResultatRenommage renommerPartage(const Partage& c, const DataFolder& dossier,
                                  const std::function<void()>& avant) {
  return c.categorie ? renommerCategorie(dossier, {{"Thé Vert", "Thé-Vert"}, 0, "Café", '-'}, {}, avant)
                     : renommerTheme(dossier, {"A-B", {"C"}, 0, "Café", '-'}, {}, avant);
}

struct Coupure {};  // the program killed: nothing after it runs

// A rename cut at every one of its file operations, by a kill or by a write error: those of the
// catalogue, and those that copy a file another name still names.
struct RenommageCoupe {
  const char* nom;
  std::function<void(const TempFolder&)> preparer;
  std::function<ResultatRenommage(const DataFolder&, const std::function<void()>&)> renommer;
};

const RenommageCoupe renommagesCoupes[] = {
    {"catégorie", catalogue,
     [](const DataFolder& d, const std::function<void()>& avant) {
       return renommerCategorie(d, categorie("Céramique"), {}, avant);
     }},
    {"thème", catalogue,
     [](const DataFolder& d, const std::function<void()>& avant) {
       return renommerTheme(d, theme("Coupes"), {}, avant);
     }},
    {partages[0].nom, [](const TempFolder& d) { ecrirePartage(d, partages[0]); },
     [](const DataFolder& d, const std::function<void()>& avant) {
       return renommerPartage(partages[0], d, avant);
     }},
    {partages[1].nom, [](const TempFolder& d) { ecrirePartage(d, partages[1]); },
     [](const DataFolder& d, const std::function<void()>& avant) {
       return renommerPartage(partages[1], d, avant);
     }},
};

// Every file operation of an uncut rename, and the folder it leaves.
std::pair<int, std::map<std::string, std::string>> renommageEntier(const RenommageCoupe& c) {
  TempFolder dir;
  c.preparer(dir);
  int operations = 0;
  auto r = c.renommer(DataFolder(dir.path()), [&] { ++operations; });
  EXPECT_EQ(r.issue, IssueRenommage::fait) << r.message;
  return {operations, contenu(dir)};
}

}  // namespace

// Killed at any file operation, the rename is found at the next start and completed: the
// catalogue is wholly renamed (styles, orders, family, wrap texts, promotions, index) or, killed
// before its record was written, not at all.
TEST(RenommerCategorie, AKillAtAnyWriteIsCompletedAtTheNextStart) {
  for (const auto& c : renommagesCoupes) {
    const auto [operations, apres] = renommageEntier(c);
    ASSERT_GT(operations, 4) << c.nom;
    for (int n = 1; n <= operations; ++n) {
      TempFolder dir;
      c.preparer(dir);
      const auto avant = contenu(dir);
      const DataFolder dossier(dir.path());
      int compte = 0;
      EXPECT_THROW(c.renommer(dossier, [&] { if (++compte == n) throw Coupure{}; }), Coupure);
      EXPECT_EQ(reprendreRenommage(dossier), n > 1) << c.nom << " " << n;
      EXPECT_EQ(contenu(dir), n > 1 ? apres : avant) << c.nom << " " << n;
      EXPECT_FALSE(reprendreRenommage(dossier));
    }
  }
}

// Killed between the link and the unlink of a rename, a file has both names.
TEST(RenommerCategorie, AKillBetweenLinkAndUnlinkIsCompleted) {
  const auto apres = renommageEntier(renommagesCoupes[0]).second;
  TempFolder dir;
  catalogue(dir);
  int compte = 0;
  EXPECT_THROW(renommerCategorie(DataFolder(dir.path()), categorie("Céramique"), {},
                                 [&] { if (++compte == 2) throw Coupure{}; }),
               Coupure);
  ASSERT_EQ(::link((dir.path() / "Vaisselle.cto").c_str(), (dir.path() / "Céramique.cto").c_str()), 0);
  EXPECT_TRUE(reprendreRenommage(DataFolder(dir.path())));
  EXPECT_EQ(contenu(dir), apres);
}

// The repair completes an unfinished rename before it rebuilds the lists: one whole category.
TEST(RenommerCategorie, TheRepairCompletesAKilledRename) {
  const int operations = renommageEntier(renommagesCoupes[0]).first;
  for (int n = 2; n <= operations; ++n) {
    TempFolder dir;
    catalogue(dir);
    const DataFolder dossier(dir.path());
    int compte = 0;
    EXPECT_THROW(renommerCategorie(dossier, categorie("Céramique"), {},
                                   [&] { if (++compte == n) throw Coupure{}; }),
                 Coupure);
    reparerCatalogueFichiers(dossier);
    EXPECT_EQ(dir.read("categories"), "Céramique\r\nLivres\r\n") << n;
    EXPECT_EQ(dir.read("Céramique.cto"), "Bols\r\nTasses\r\n") << n;
    EXPECT_EQ(dir.read("Céramique.fam"), "famille=0\r\n") << n;
    EXPECT_EQ(dir.read("Céramique_Bols.stl"), "style_fiche=tableau\r\nref_page=3\r\n") << n;
    EXPECT_EQ(dir.read("Céramique-Bols"), "B1.ref\r\nB2.ref\r\n") << n;
    for (const char* ancien : {"Vaisselle.cto", "Vaisselle.fam", "Vaisselle_Bols.stl",
                               "Vaisselle-Bols", "Vaisselle_Tasses", nomJournalRenommage})
      EXPECT_FALSE(dir.exists(ancien)) << ancien << " " << n;
  }
}

// A write error at any file operation but the record's removal leaves the folder as it was.
TEST(RenommerCategorie, AWriteErrorAtAnyStepLeavesEveryFileAsItWas) {
  for (const auto& c : renommagesCoupes) {
    const int operations = renommageEntier(c).first;
    for (int n = 1; n < operations; ++n) {
      TempFolder dir;
      c.preparer(dir);
      const auto avant = contenu(dir);
      int compte = 0;
      auto r = c.renommer(DataFolder(dir.path()), [&] {
        if (++compte == n) throw platform::FileError("disque plein");
      });
      EXPECT_EQ(r.issue, IssueRenommage::refuse) << c.nom << " " << n;
      EXPECT_EQ(r.message, "Le changement de nom n'a pas pu se faire : disque plein\n"
                           "Le nom n'a pas été changé.") << c.nom << " " << n;
      EXPECT_EQ(contenu(dir), avant) << c.nom << " " << n;
    }
  }
}

// A record cut short (its closing line missing) is refused whole: not one of its steps is taken.
TEST(RenommerCategorie, ARecordWithoutItsEndIsRefusedAndNothingRenamed) {
  for (const auto& c : renommagesCoupes) {
    TempFolder dir;
    c.preparer(dir);
    const DataFolder dossier(dir.path());
    int compte = 0;
    EXPECT_THROW(c.renommer(dossier, [&] { if (++compte == 2) throw Coupure{}; }), Coupure);
    const platform::LineList journal = platform::LineList::load(dir.path() / nomJournalRenommage);
    ASSERT_EQ(journal.lines().back(), "fin") << c.nom;
    for (size_t garde = 0; garde < journal.lines().size(); ++garde) {
      std::vector<std::string> tronque(journal.lines().begin(), journal.lines().begin() + garde);
      platform::LineList(tronque).save(dir.path() / nomJournalRenommage);
      const auto avant = contenu(dir);
      EXPECT_THROW(reprendreRenommage(dossier), platform::FileError) << c.nom << " " << garde;
      EXPECT_EQ(contenu(dir), avant) << c.nom << " " << garde;
    }
  }
}

// A rename still to complete is never overwritten by the record of another.
TEST(RenommerCategorie, AnUnfinishedRenameBlocksTheNext) {
  TempFolder dir;
  catalogue(dir);
  const DataFolder dossier(dir.path());
  int compte = 0;
  EXPECT_THROW(renommerCategorie(dossier, categorie("Céramique"), {},
                                 [&] { if (++compte == 4) throw Coupure{}; }),
               Coupure);
  const auto coupe = contenu(dir);
  auto r = renommerTheme(dossier, {"Livres", {"Romans", "Bols"}, 0, "Polars", '-'});
  EXPECT_EQ(r.issue, IssueRenommage::refuse);
  EXPECT_NE(r.message.find("Réparation"), std::string::npos) << r.message;
  EXPECT_EQ(contenu(dir), coupe);
}

// A file that another category or theme still names is copied, never taken from it.
TEST(RenommerCategorie, FilesThatAnotherNameStillNamesAreCopied) {
  for (const auto& c : partages) {
    TempFolder dir;
    ecrirePartage(dir, c);
    const std::string texte = dir.read(c.partage);
    auto r = renommerPartage(c, DataFolder(dir.path()), {});
    ASSERT_EQ(r.issue, IssueRenommage::fait) << c.nom << ": " << r.message;
    EXPECT_EQ(dir.read(c.partage), texte) << c.nom;
    EXPECT_EQ(dir.read(c.copie), texte) << c.nom;
  }
}
