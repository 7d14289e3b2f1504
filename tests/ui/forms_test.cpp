#include "ui/form.h"

#include <gtest/gtest.h>

#include "ui/controls.h"
#include "ui/scripted_dialogs.h"

using namespace ui;

namespace {

class Forms : public ::testing::Test {
 protected:
  Forms() {
    for (Form* f : {&a, &b}) {
      std::string n = f->name();
      f->onShow = [this, n] { log += n + ".show "; };
      f->onActivate = [this, n] { log += n + ".activate "; };
      f->onDeactivate = [this, n] { log += n + ".deactivate "; };
      f->onHide = [this, n] { log += n + ".hide "; };
      f->onClose = [this, n] { log += n + ".close "; };
    }
  }
  ScriptedDialogs dialogs;
  Application app{dialogs};
  Form a{app, "Ta", "a"};
  Form b{app, "Tb", "b"};
  std::string log;
};

}  // namespace

TEST_F(Forms, ShowingAWindowActivatesItAndDeactivatesThePreviousOne) {
  a.show();
  b.show();
  a.activate();
  a.activate();
  EXPECT_EQ(log, "a.show a.activate b.show a.deactivate b.activate b.deactivate a.activate ");
  EXPECT_TRUE(a.active());
  EXPECT_EQ(app.mainForm(), &a);
}

TEST_F(Forms, ClosingTheActiveWindowGivesTheFocusBackToThePreviousOne) {
  a.show();
  b.show();
  log.clear();
  b.close();
  EXPECT_EQ(log, "b.close b.hide b.deactivate a.activate ");
  EXPECT_FALSE(b.visible());
  log.clear();
  b.show();
  b.show();  // already shown: no second onShow
  EXPECT_EQ(log, "b.show a.deactivate b.activate ");
}

TEST_F(Forms, DialogsDoNotChangeTheActiveWindow) {
  a.show();
  a.onActivate = [this] {
    log += "a.activate ";
    a.dialogs().showMessage("Bonjour");
  };
  log.clear();
  a.dialogs().showMessage("x");
  dialogs.queueAnswer(Answer::Yes);
  EXPECT_TRUE(a.dialogs().askYesNo("Sûr ?"));
  EXPECT_EQ(log, "");
  EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"x", "Sûr ?"}));
}

TEST_F(Forms, PaintIsNeverReenteredFromItself) {
  int paints = 0;
  a.onPaint = [&] {
    ++paints;
    a.paint();
  };
  a.paint();
  a.paint();
  EXPECT_EQ(paints, 2);
}

TEST(ScriptedDialogs, AnswersFromQueuesAndRefusesTheUnexpected) {
  ScriptedDialogs d;
  EXPECT_THROW(d.askYesNo("Remplacer ?"), UnexpectedDialog);
  d.queueAnswer(Answer::Cancel);
  EXPECT_THROW(d.askYesNo("Remplacer ?"), UnexpectedDialog);  // no Cancel on a yes/no question
  d.queueTextCancel();
  EXPECT_EQ(d.inputBox("Couleur", "Hexa", "#123456"), "#123456");
  d.queueText("#ABCDEF");
  EXPECT_EQ(d.inputBox("Couleur", "Hexa", "#123456"), "#ABCDEF");
  d.queueColour(0x102030);
  EXPECT_EQ(d.chooseColour(0), Colour{0x102030});
  EXPECT_THROW(d.openFile({}), UnexpectedDialog);
  d.queueFileCancel();
  EXPECT_EQ(d.openFile({}), std::nullopt);
  d.warning("Attention", "Titre");
  EXPECT_EQ(d.shown().back().title, "Titre");
  EXPECT_EQ(d.shown().back().kind, MessageKind::Warning);
  EXPECT_TRUE(d.allAnswersUsed());
}
