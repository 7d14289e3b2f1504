#include "fenetres/infopages/accueil.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "fenetres/app/fiche.h"
#include "fenetres/design/style_principal.h"
#include "fenetres/publish/transfert.h"
#include "platform/files.h"
#include "platform/text.h"
#include "support/programme_test.h"

using testing_support::ProgrammeDeTest;

namespace {

struct Editeur : ProgrammeDeTest {
  Editeur() { demarrer(); }
  infopages::Taccueil1& a() { return p().accueil1(); }
  std::vector<std::string> messages() { return dialogs.messages(); }
  void produits(std::vector<std::string> refs) {
    a().listepromo.setItems(refs);
    a().listeref.setItems(refs);
    a().listetitres.setItems(std::vector<std::string>(refs.size()));
    a().listepromo.setItemIndex(0);
  }
};

// The lines of a generated file that name a page.
bool nomme(const testing_support::TempFolder& d, const std::string& fichier, const std::string& page) {
  return platform::contains(d.read(fichier), "\"" + page + "\"");
}

}  // namespace

// The demo shop in its frameset layout, built with "Construire Site Complet" then published with
// nothing ticked: the shop's own home page of accueil.opt reaches every page that leads home.
TEST(Accueil1, ImportedHomePageOfTheSettingsFileReachesFramesBarAndRedirect) {
  const char* source = std::getenv("TARVIO_SOURCE_DIR");
  ASSERT_NE(source, nullptr);
  for (const char* import : {"oui", "non"}) {
    SCOPED_TRACE(import);
    ProgrammeDeTest t;
    std::filesystem::copy(std::filesystem::path(source) / "demo", t.dossier.path(),
                          std::filesystem::copy_options::recursive);
    t.dossier.write("frames.inf", "frames=oui\r\n");
    std::string opt = t.dossier.read("accueil.opt");
    opt.replace(opt.find("accueilHTM=non"), 14, std::string("accueilHTM=") + import);
    t.dossier.write("accueil.opt", opt);
    t.dossier.write("import/accueil.htm", "<HTML><BODY>Chez nous</BODY></HTML>\r\n");
    app::Programme& p = t.demarrer();
    p.main().liste_fiches.clickItem(p.main().liste_fiches.indexOf("BOL01.ref"));
    p.main().html.click();
    const std::string accueil = std::string(import) == "oui" ? "accueil.htm" : "accueil2.htm";
    for (const char* page : {"ftp/index.htm", "ftp/index2.htm"})
      EXPECT_TRUE(nomme(t.dossier, page, accueil)) << page;
    EXPECT_TRUE(platform::contains(t.dossier.read("catego.txt"), "href=\"" + accueil + "\""));
    p.transfert1().goftpClick();
    const std::string redirection = std::string(import) == "oui" ? "accueil.htm" : "index.htm";
    EXPECT_TRUE(platform::contains(t.dossier.read("ftp/redir.txt"), "url_principal=" + redirection));
  }
}

TEST(Accueil1, LoadAndSaveThroughTheControls) {
  Editeur e;
  e.dossier.write("accueil.opt",
                  "paccueil_encadrement=rond\r\nlien_image_intro=http://a.example/\r\n"
                  "ref_index=1\r\ntitre0=Bol\r\nref0=BOL01\r\nnbre_promo=12\r\n"
                  "rubriques_index=2\r\nrubrique0=Titre\r\nrubrique1=Contact\r\nchecked1=non\r\n");
  e.a().ouvre();
  EXPECT_EQ(e.a().options.paccueil_encadrement, "carre");
  EXPECT_EQ(e.a().lien_image_introL.caption(), "Lien: http://a.example/");
  EXPECT_TRUE(e.a().lien_image_introL.visible());
  EXPECT_EQ(e.a().ColPT.text(), "9");

  e.a().target_image_introE.setText("_blank");
  e.a().sauver();
  platform::LineList l = platform::LineList::load(e.dossier / "accueil.opt");
  EXPECT_EQ(l.value("paccueil_encadrement"), "carre");
  EXPECT_EQ(l.value("target_image_intro"), "_blank");
  EXPECT_EQ(e.a().listeB.caption(), "Liste des produits d'accueil [1]");
  for (const char* coin : {"promo_hg.gif", "rubriques_bd.gif"}) EXPECT_TRUE(e.dossier.exists(coin));

  // A model: its own file, no corners, and the next save goes to accueil.opt again.
  platform::removeFile(e.dossier / "promo_hg.gif");
  e.a().SaveModele.fileName = e.dossier / "m.amd";
  e.a().sauverModele = true;
  e.a().sauver();
  EXPECT_TRUE(e.dossier.exists("m.amd"));
  EXPECT_FALSE(e.dossier.exists("promo_hg.gif"));
  EXPECT_FALSE(e.a().sauverModele);
  e.a().fichierModele = e.dossier / "m.amd";
  e.a().ouvre();
  EXPECT_TRUE(e.a().fichierModele.empty());
  EXPECT_EQ(e.a().target_image_introE.text(), "_blank");
}

TEST(Accueil1, SectionLinksAreFixedForBuiltInSections) {
  Editeur e;
  e.p().main().options.frames = "non";
  e.dossier.write("livraison.acc", "lien=autre.htm\r\ntarget=principal\r\n");
  e.a().rubriques.setItemIndex(e.a().rubriques.indexOf("Livraison"));
  e.a().ouvrerubrique("Livraison");
  EXPECT_EQ(e.a().lienT.text(), "cvf.htm#delai");
  EXPECT_EQ(e.a().rubrique.lien, "cvf.htm#delai");
  EXPECT_FALSE(e.a().lienT.enabled());
  e.a().sauverubrique();
  EXPECT_EQ(platform::LineList::load(e.dossier / "livraison.acc").value("lien"), "cvf.htm#delai");

  e.a().rubriques.addItem("Nos horaires");
  e.a().rubriques.setItemIndex(e.a().rubriques.count() - 1);
  e.dossier.write("nos-horaires.acc", "lien=horaires.htm\r\ntarget=principal\r\n");
  e.a().ouvrerubrique("Nos horaires");
  EXPECT_EQ(e.a().lienT.text(), "horaires.htm");
  EXPECT_EQ(e.a().targetT.text(), "_self");
  EXPECT_TRUE(e.a().lienT.enabled());

  e.a().rubriques.setItemIndex(-1);
  e.a().ouvrerubrique("Visite");
  EXPECT_EQ(e.a().rubrique, infopages::TRubriqueAccueil{});
}

TEST(Accueil1, ShowcaseFilesAndTheirRefusals) {
  Editeur e;
  e.produits({"contact", "A*B", "BOL01"});
  e.a().Mtexte.setLines({"texte"});
  e.a().sauve_texte();  // the section "Contact" keeps contact.acc
  e.a().listepromo.setItemIndex(1);
  e.a().sauve_texte();
  e.a().listepromo.setItemIndex(2);
  e.a().sauve_texte();
  EXPECT_EQ(e.messages(), (std::vector<std::string>{
                              "La référence contact porte le nom de fichier de la rubrique Contact : "
                              "son texte n'est pas enregistré",
                              "La référence A*B comporte un caractère illégal"}));
  EXPECT_FALSE(e.dossier.exists("contact.acc"));
  EXPECT_EQ(e.dossier.read("BOL01.acc"), "texte\r\n");

  // The link override: written, then removed by an empty answer.
  e.a().url_promo.setCaption("vaisselle-bols-0.htm");
  e.dialogs.queueAnswer(ui::Answer::Yes);
  e.dialogs.queueText(" http://a.example/ ");
  e.dialogs.queueText("_blank");
  e.a().btcClick();
  EXPECT_EQ(e.dossier.read("tmp/BOL01.npr"), "lienS=http://a.example/\r\ntargetS=_blank\r\n");
  e.dialogs.queueAnswer(ui::Answer::Yes);
  e.dialogs.queueText("");
  e.a().btcClick();
  EXPECT_FALSE(e.dossier.exists("tmp/BOL01.npr"));
  e.a().btcClick();
  std::vector<std::string> m = e.messages();
  EXPECT_EQ(std::vector<std::string>(m.end() - 4, m.end()),
            (std::vector<std::string>{"LIEN http://a.example/ TARGET _blank enregistré",
                                      "ATTENTION VOUS ALLEZ MODIFIER UN LIEN D'UN PRODUIT. Voulez-vous continuer ?",
                                      "LIEN BOL01 effacé", "LIEN INEXISTANT"}));

  // The picture: only for a sheet that exists.
  e.a().image.setCaption("bol01g.jpg 1x1");
  e.a().choix.show();
  e.a().appliquerClick();
  EXPECT_EQ(e.messages().back(), "La fiche BOL01.ref est introuvable : l'image n'est pas enregistrée");
  EXPECT_FALSE(e.a().choix.visible());
  e.dossier.write("BOL01.ref", "reference=BOL01\r\n");
  e.a().appliquerClick();
  EXPECT_EQ(e.messages().back(), "bol01g.jpg 1x1 enregistré");
  EXPECT_TRUE(e.dossier.exists("BOL01.imp"));
  EXPECT_TRUE(e.dialogs.allAnswersUsed());
}

TEST(Accueil1, ImportBox) {
  Editeur e;
  e.a().importACCUEIL.setChecked(true);
  EXPECT_FALSE(e.a().importACCUEIL.checked());
  EXPECT_EQ(e.p().main().accueilHTM, "non");
  ASSERT_EQ(e.messages().size(), 1u);
  EXPECT_TRUE(platform::startsWith(e.messages()[0],
                                   "Aucune page d'accueil à importer n'est présente dans le répertoire "));

  e.dossier.write("import/accueil.htm", "x");
  e.p().main().options.frames = "non";
  e.dialogs.queueText("640");
  e.a().importACCUEIL.setChecked(true);
  EXPECT_EQ(e.p().main().accueilHTM, "oui");
  EXPECT_EQ(e.messages().back(), "Pensez à cocher menu --> Accueil menu pour le référencement");
  EXPECT_EQ(e.dossier.read("accueilF.inf"), "accueilLf=800\r\naccueilHf=640\r\n");
  e.a().sauver();
  EXPECT_EQ(platform::LineList::load(e.dossier / "accueil.opt").value("accueilHTM"), "oui");
}
