#include "fenetres/design/saisie_couleur.h"

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/scripted_dialogs.h"

using namespace design;

TEST(SaisieCouleur, AnswerTrimmedAndCheckedForHashAndSevenCharacters) {
  struct Case {
    const char* initiale;
    std::optional<std::string> reponse;  // nullopt: Cancel
    const char* attendu;
    bool message;
  } cases[] = {
      {"#FF0000", "  #a1b2c3 ", "#a1b2c3", false},  // case kept as typed
      {"#FF0000", "#abc", "#FF0000", true},
      {"#FF0000", "a1b2c3d", "#FF0000", true},
      {"#FF0000", "#a1b2c3d", "#FF0000", true},
      {"#FF0000", "", "#FF0000", true},
      {"#FF0000", "#GGHHII", "#GGHHII", false},  // digits are not checked here
      {"#FF0000", std::nullopt, "#FF0000", false},
      // Cancel answers the initial value, which is checked like a typed one but kept anyway
      {"black", std::nullopt, "black", true},
  };
  for (const auto& c : cases) {
    ui::ScriptedDialogs dialogs;
    if (c.reponse)
      dialogs.queueText(*c.reponse);
    else
      dialogs.queueTextCancel();
    EXPECT_EQ(saisie_couleur(dialogs, c.initiale), c.attendu) << c.initiale;
    ASSERT_GE(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].title, "Couleur");
    EXPECT_EQ(dialogs.shown()[0].text, "Hexa");
    std::vector<std::string> attendus;
    if (c.message) attendus.push_back("Erreur, la couleur doit être de type,#AABBCC");
    EXPECT_EQ(dialogs.messages(), attendus) << c.initiale;
  }
}

TEST(ChoisirCouleur, ChooserSeededFromTheStoredColourThenThePrompt) {
  ui::ScriptedDialogs dialogs;
  ui::Application application(dialogs);
  ui::Form fenetre(application, "Ttest", "test");
  ui::ColorDialog dialogue(fenetre, "ColorDialog1");

  dialogs.queueColourCancel();
  EXPECT_EQ(choisirCouleur(dialogue, " #fcefbc "), std::nullopt);
  EXPECT_EQ(dialogue.color, 0xFCEFBCu);

  // a colour name does not seed the chooser: it keeps its last colour
  dialogs.queueColourCancel();
  EXPECT_EQ(choisirCouleur(dialogue, "red"), std::nullopt);
  EXPECT_EQ(dialogue.color, 0xFCEFBCu);

  dialogs.queueColour(0x0A0B0C);
  dialogs.queueTextCancel();
  EXPECT_EQ(choisirCouleur(dialogue, "#FFFFFF"), "#0A0B0C");

  dialogs.queueColour(0x0A0B0C);
  dialogs.queueText("#123456");
  EXPECT_EQ(choisirCouleur(dialogue, "#FFFFFF"), "#123456");
  EXPECT_TRUE(dialogs.messages().empty());
  EXPECT_TRUE(dialogs.allAnswersUsed());
}
