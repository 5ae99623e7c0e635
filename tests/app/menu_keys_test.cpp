// The keyboard reaches every menu item: Alt + the menu's letter opens the menu, the item's letter
// chooses the item, and no two items of one menu share a letter.
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "app/commands.h"
#include "app_fixture.h"

namespace vek::testing {
namespace {

// The letter after "&" in a menu text ("ＶＥＫ(&L)" gives L), or 0 without one.
int MnemonicKey(const QString& text) {
  const QKeySequence mnemonic = QKeySequence::mnemonic(text);
  return mnemonic.isEmpty() ? 0 : mnemonic[0].key();
}

class MenuKeysTest : public FrameTest {
 protected:
  void SetUp() override {
    StartNew();
    // Every form command is registered (enabled), and no item runs its command here (the frame's
    // handlers are cut off): the commands are tested elsewhere; this test follows the keys to them.
    for (const CommandInfo& command : CommandTable())
      if (command.isForm) frame->RegisterFormCommand(command.id, [](QWidget*) { return FormOutcome{}; });
    for (QAction* title : frame->menuBar()->actions())
      for (QAction* item : title->menu()->actions()) QObject::disconnect(item, &QAction::triggered, frame.get(), nullptr);
    frame->show();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  }

  // Opens the menu of `title` with Alt + its letter.
  bool OpenWithAlt(QAction* title) {
    QTest::keyClick(frame.get(), Qt::Key(MnemonicKey(title->text())), Qt::AltModifier);
    QApplication::processEvents();
    return title->menu()->isVisible();
  }
};

TEST_F(MenuKeysTest, EveryItemHasItsOwnLetterAndTheLettersOpenAndChooseIt) {
  QSet<int> menuKeys;
  for (QAction* title : frame->menuBar()->actions()) {
    const int menuKey = MnemonicKey(title->text());
    ASSERT_NE(menuKey, 0) << title->text().toStdString();
    EXPECT_FALSE(menuKeys.contains(menuKey)) << title->text().toStdString();
    menuKeys.insert(menuKey);

    QMenu* menu = title->menu();
    QSet<int> itemKeys;
    for (QAction* item : menu->actions()) {
      // The separators and the note that stands for an empty recent-file list are not items.
      if (item->isSeparator() || !item->isVisible() || !item->isEnabled()) continue;
      const std::string name = item->text().toStdString();
      const int key = MnemonicKey(item->text());
      ASSERT_NE(key, 0) << name;
      EXPECT_FALSE(itemKeys.contains(key)) << name;
      itemKeys.insert(key);

      ASSERT_TRUE(OpenWithAlt(title)) << title->text().toStdString();
      QSignalSpy chosen(menu, &QMenu::triggered);
      QTest::keyClick(menu, Qt::Key(key));
      QApplication::processEvents();
      ASSERT_EQ(chosen.count(), 1) << name;
      EXPECT_EQ(chosen.at(0).at(0).value<QAction*>(), item) << name;
      EXPECT_FALSE(menu->isVisible()) << name;
    }
  }
}

}  // namespace
}  // namespace vek::testing
