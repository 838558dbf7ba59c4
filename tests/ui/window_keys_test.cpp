// Focus order and the keys the window answers to.
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>

#include "window_fixture.h"

namespace tunelark::testing {
namespace {

using KeysTest = WindowTest;

const QStringList kFocusCycle = {
    QStringLiteral("mode"),     QStringLiteral("按钮4"), QStringLiteral("Download"),
    QStringLiteral("按钮5"),    QStringLiteral("Title"), QStringLiteral("Url"),
};

QString FocusedName() {
  const QWidget* focus = QApplication::focusWidget();
  return focus == nullptr ? QStringLiteral("(none)") : focus->objectName();
}

// Presses the key once per stop of the cycle and notes where the focus went.
QStringList Walk(Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QStringList visited;
  for (int step = 0; step < kFocusCycle.size(); ++step) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    visited << FocusedName();
  }
  return visited;
}

TEST_F(KeysTest, TabWalksTheCycleBothWays) {
  ASSERT_TRUE(ShowActive());
  ASSERT_EQ(FocusName(), QStringLiteral("Url"));
  EXPECT_EQ(Walk(Qt::Key_Tab, Qt::NoModifier), kFocusCycle);

  QStringList backwards;
  for (int i = kFocusCycle.size() - 2; i >= 0; --i) backwards << kFocusCycle[i];
  backwards << kFocusCycle.last();
  EXPECT_EQ(Walk(Qt::Key_Tab, Qt::ShiftModifier), backwards);
  EXPECT_EQ(Walk(Qt::Key_Backtab, Qt::ShiftModifier), backwards);
}

TEST_F(KeysTest, FocusComesBackAfterAnotherWindowWasActive) {
  ASSERT_TRUE(ShowActive());
  Find<QLineEdit>("Download")->setFocus();

  QWidget other;
  other.setFocusPolicy(Qt::StrongFocus);
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other, 5000));

  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get(), 5000));
  EXPECT_EQ(FocusName(), QStringLiteral("Download"));
}

const char* const kFocusStops[] = {"Url", "mode", "按钮4", "Download", "按钮5", "Title"};

TEST_F(KeysTest, EscapeClosesFromEveryControl) {
  for (const char* name : kFocusStops) {
    SCOPED_TRACE(name);
    NewWindow();
    ASSERT_TRUE(ShowActive());
    QWidget* control = Find<QWidget>(name);
    control->setFocus();
    QTest::keyClick(control, Qt::Key_Escape);
    EXPECT_TRUE(window_->IsClosed());
    EXPECT_FALSE(window_->isVisible());
  }
}

TEST_F(KeysTest, EscapeEndsTheProgram) {
  QTimer::singleShot(0, window_.get(), [this] {
    QTest::keyClick(Find<QWidget>("Url"), Qt::Key_Escape);
  });
  EXPECT_EQ(RunProgramBounded(), 0);
  EXPECT_TRUE(window_->IsClosed());
}

TEST_F(KeysTest, EscapeWithAModifierDoesNotClose) {
  ASSERT_TRUE(ShowActive());
  for (const Qt::KeyboardModifier modifier :
       {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    for (const char* name : kFocusStops) {
      SCOPED_TRACE(name);
      QWidget* control = Find<QWidget>(name);
      control->setFocus();
      QTest::keyClick(control, Qt::Key_Escape, modifier);
      EXPECT_FALSE(window_->IsClosed());
      EXPECT_TRUE(window_->isVisible());
    }
  }
}

// With an empty address a press of the start button would bring up the
// empty-address notice, so "no notice" means "not pressed".
TEST_F(KeysTest, EnterDoesNothingAnywhere) {
  ASSERT_TRUE(ShowActive());
  QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
  Find<QLineEdit>("Download")->setText(QStringLiteral("http://x/y.mp3"));
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    for (const char* name : kFocusStops) {
      SCOPED_TRACE(name);
      QWidget* control = Find<QWidget>(name);
      control->setFocus();
      QTest::keyClick(control, key);
      EXPECT_EQ(FocusName(), QString::fromUtf8(name));
    }
  }
  EXPECT_TRUE(notices_.empty());
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
  EXPECT_FALSE(window_->IsClosed());
}

TEST_F(KeysTest, SpaceClicksTheFocusedButton) {
  ASSERT_TRUE(ShowActive());
  auto* start = Find<QPushButton>("按钮4");
  start->setFocus();
  QTest::keyClick(start, Qt::Key_Space);
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].text, QString::fromUtf8("没输入东西..."));

  Find<QLineEdit>("Download")->setText(QStringLiteral("http://x/y.mp3"));
  auto* copy = Find<QPushButton>("按钮5");
  copy->setFocus();
  QTest::keyClick(copy, Qt::Key_Space);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://x/y.mp3"));
}

}  // namespace
}  // namespace tunelark::testing
