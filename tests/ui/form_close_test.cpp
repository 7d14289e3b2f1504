#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/scripted_dialogs.h"

using namespace ui;

// A close handler may keep its window open; the next close asks it again.
TEST(FormClose, TheCloseHandlerCanKeepTheWindowOpen) {
  ScriptedDialogs dialogs;
  Application app{dialogs};
  Form a{app, "Ta", "a"};
  Form b{app, "Tb", "b"};
  bool garder = true;
  int fermetures = 0;
  b.onClose = [&] {
    ++fermetures;
    if (garder) b.cancelClose = true;
  };
  a.show();
  b.show();
  b.close();
  EXPECT_TRUE(b.visible());
  EXPECT_TRUE(b.active());
  EXPECT_TRUE(b.cancelClose);
  garder = false;
  b.close();
  EXPECT_FALSE(b.visible());
  EXPECT_TRUE(a.active());
  EXPECT_FALSE(b.cancelClose);
  EXPECT_EQ(fermetures, 2);
}
