// The dispatching pause: what runs inside it (a nested resolve included) and
// what happens when the window is closed during it.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QComboBox>

#include "fixture_site.h"
#include "window_fixture.h"

namespace tunelark::testing {
namespace {

using PauseTest = WindowTest;

TEST_F(PauseTest, ZeroOrLessReturnsAtOnceWithoutDispatching) {
  bool dispatched = false;
  QTimer::singleShot(0, window_.get(), [&] { dispatched = true; });
  window_->PauseWithDispatch(0);
  window_->PauseWithDispatch(-100);
  EXPECT_FALSE(dispatched);
}

TEST_F(PauseTest, DispatchesUntilMoreThanTheTimeHasPassed) {
  bool dispatched = false;
  QTimer::singleShot(0, window_.get(), [&] { dispatched = true; });
  QElapsedTimer clock;
  clock.start();
  window_->PauseWithDispatch(30);
  EXPECT_GT(clock.elapsed(), 30);
  EXPECT_TRUE(dispatched);
}

TEST_F(PauseTest, ThrowsWhenTheWindowIsClosedDuringOrBefore) {
  ASSERT_TRUE(ShowActive());
  QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
  EXPECT_THROW(window_->PauseWithDispatch(5000), ViewClosed);
  EXPECT_THROW(window_->PauseWithDispatch(100), ViewClosed);
}

// A 3378 page: its recipe writes the title, pauses, then checks and writes
// the address, so a pause falls between the two writes.
std::string Page3378(const std::string& title, const std::string& audio) {
  return "<html><head><title>" + title + "</title></head><body><script>AC_FL_RunContent("
         "'width','300','autostart','1','url','" + audio +
         "','showaudiocontrols','true');</script>3378dj</body></html>";
}

constexpr int k3378Row = 4;
const char* const kFirstPage = "http://www.3378dj.com/play/1.html";
const char* const kSecondPage = "http://www.3378dj.com/play/2.html";

class PausedRunTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    site_.Serve(kFirstPage, Page3378("first", "http://a.example/1.mp3"));
    site_.Serve(kSecondPage, Page3378("second", "http://a.example/2.mp3"));
    url_ = Find<QLineEdit>("Url");
    title_ = Find<QLineEdit>("Title");
    download_ = Find<QLineEdit>("Download");
    start_ = Find<QPushButton>("按钮4");
    Find<QComboBox>("mode")->setCurrentIndex(k3378Row);
    url_->setText(QString::fromLatin1(kFirstPage));
    download_->setText(QStringLiteral("before"));
    QObject::connect(download_, &QLineEdit::textChanged,
                     [this](const QString& text) { downloadWrites_ << text; });
  }

  FixtureSite site_;
  ScopedFixtureProxy proxy_{site_};
  QLineEdit* url_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* download_ = nullptr;
  QPushButton* start_ = nullptr;
  QStringList downloadWrites_;
  QStringList events_;
};

TEST_F(PausedRunTest, SecondClickDuringThePauseRunsAWholeResolveFirst) {
  ASSERT_TRUE(ShowActive());
  QTimer::singleShot(0, window_.get(), [this] {
    events_ << "nested start";
    url_->setText(QString::fromLatin1(kSecondPage));
    start_->click();
    events_ << "nested end";
  });
  start_->click();
  events_ << "first end";

  EXPECT_EQ(events_, QStringList({"nested start", "nested end", "first end"}));
  // The nested run wrote both fields; the first run, resuming after its
  // pause, wrote its address last.
  EXPECT_EQ(downloadWrites_,
            QStringList({"http://a.example/2.mp3", "http://a.example/1.mp3"}));
  EXPECT_EQ(title_->text(), QStringLiteral("second"));
  EXPECT_EQ(site_.RequestedAddresses(), std::vector<std::string>({kFirstPage, kSecondPage}));
  EXPECT_TRUE(notices_.empty());
}

TEST_F(PausedRunTest, ClosingDuringThePauseEndsTheRunAndTheProgram) {
  ASSERT_TRUE(ShowActive());
  bool runReturned = false;
  QTimer::singleShot(0, window_.get(), [&] {
    // Fires at the run's first dispatch: its pause.
    QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
    start_->click();
    runReturned = true;
  });

  EXPECT_EQ(RunProgramBounded(), 0);
  EXPECT_TRUE(runReturned);
  EXPECT_TRUE(window_->IsClosed());
  EXPECT_EQ(title_->text(), QStringLiteral("first"));  // written before the pause
  EXPECT_TRUE(downloadWrites_.isEmpty());
  EXPECT_EQ(download_->text(), QStringLiteral("before"));
  EXPECT_TRUE(notices_.empty());
}

TEST_F(PausedRunTest, ClosingDuringANestedPauseUnwindsBothRuns) {
  ASSERT_TRUE(ShowActive());
  QTimer::singleShot(0, window_.get(), [&] {
    QTimer::singleShot(0, window_.get(), [this] {
      // Inside the first run's pause: start the nested run, and close the
      // window at the nested run's own pause.
      QTimer::singleShot(0, window_.get(), [this] { window_->close(); });
      url_->setText(QString::fromLatin1(kSecondPage));
      start_->click();
      events_ << "nested end";
    });
    start_->click();
    events_ << "first end";
  });

  EXPECT_EQ(RunProgramBounded(), 0);
  EXPECT_EQ(events_, QStringList({"nested end", "first end"}));
  EXPECT_EQ(title_->text(), QStringLiteral("second"));
  EXPECT_TRUE(downloadWrites_.isEmpty());
  EXPECT_TRUE(notices_.empty());
  EXPECT_EQ(site_.RequestedAddresses(), std::vector<std::string>({kFirstPage, kSecondPage}));
}

}  // namespace
}  // namespace tunelark::testing
