// The copy button, the credit link and the notices.
#include <QAbstractButton>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "window_fixture.h"

namespace tunelark::testing {
namespace {

using CommandsTest = WindowTest;

TEST_F(CommandsTest, CopyPutsExactlyTheDownloadTextOnTheClipboard) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  auto* download = Find<QLineEdit>("Download");
  auto* copy = Find<QPushButton>("按钮5");

  const struct {
    const char* previous;
    const char* download;  // as it stands when the button is pressed, user edits included
  } cases[] = {
      {"before", "http://mp3.3378dj.com/2026/40404.mp3"},
      {"before", "  http://edited.example/a b.mp3  "},
      {"before", "http://例子.cn/歌.mp3"},
      {"before", ""},  // an empty box empties the clipboard too
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.download);
    clipboard->setText(QString::fromUtf8(c.previous));
    download->setText(QString::fromUtf8(c.download));
    QTest::mouseClick(copy, Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), QString::fromUtf8(c.download));
  }
}

TEST_F(CommandsTest, LeftPressOnTheCreditOpensItsTarget) {
  auto* link = Find<QLabel>("超级链接框1");
  QTest::mousePress(link, Qt::RightButton);
  QTest::mousePress(link, Qt::MiddleButton);
  EXPECT_TRUE(opened_.empty());

  QTest::mousePress(link, Qt::LeftButton);
  ASSERT_EQ(opened_.size(), 1u);
  EXPECT_EQ(opened_[0], QUrl(MainWindow::kCreditTarget));
  EXPECT_TRUE(opened_[0].isValid());
  EXPECT_EQ(opened_[0].scheme(), QStringLiteral("https"));
}

TEST_F(CommandsTest, NoticesCarryIconAndTitle) {
  const struct {
    std::string text;
    NoticeIcon icon;
    std::optional<std::string_view> title;
    const char* shownText;
    QMessageBox::Icon shownIcon;
    const char* shownTitle;
  } cases[] = {
      {"\xC3\xBB\xCA\xE4\xC8\xEB\xB6\xAB\xCE\xF7...", StopIcon, std::nullopt, "没输入东西...",
       QMessageBox::Critical, "信息："},
      {"\xC4\xE3\xCA\xE4\xC8\xEB\xB5\xC4", StopIcon, "Error", "你输入的", QMessageBox::Critical,
       "Error"},
      {"a\r\nb", NoIcon, std::nullopt, "a\nb", QMessageBox::NoIcon, "信息："},
      {"xxx.mp3", InformationIcon, "\xD6\xBB\xCC\xE1\xCA\xBE\xD2\xBB\xB4\xCE", "xxx.mp3",
       QMessageBox::Information, "只提示一次"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shownText);
    notices_.clear();
    window_->ShowNotice(c.text, c.icon, c.title);
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].text, QString::fromUtf8(c.shownText));
    EXPECT_EQ(notices_[0].icon, c.shownIcon);
    EXPECT_EQ(notices_[0].title, QString::fromUtf8(c.shownTitle));
  }
}

// The real box, closed by a timer from inside its own loop: it must be an
// ownerless, application-modal box with one OK button.
TEST(NoticeBoxTest, IsAnOwnerlessApplicationModalBoxWithOneButton) {
  struct Seen {
    bool found = false;
    QWidget* parent = reinterpret_cast<QWidget*>(1);
    Qt::WindowModality modality = Qt::NonModal;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title, text;
    qsizetype buttons = 0;
    bool okButton = false;
  } seen;

  QTimer closer;
  closer.setInterval(10);
  QObject::connect(&closer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    seen.found = true;
    seen.parent = box->parentWidget();
    seen.modality = box->windowModality();
    seen.icon = box->icon();
    seen.title = box->windowTitle();
    seen.text = box->text();
    seen.buttons = box->buttons().size();
    seen.okButton = box->button(QMessageBox::Ok) != nullptr;
    if (seen.okButton) {
      box->button(QMessageBox::Ok)->click();
    } else {
      box->reject();
    }
  });
  closer.start();
  // If the box were never found, this bounds the wait all the same.
  QTimer::singleShot(10000, &closer, [] {
    if (QWidget* modal = QApplication::activeModalWidget()) modal->close();
  });

  ShowNoticeBox({QStringLiteral("text"), QStringLiteral("title"), QMessageBox::Critical});

  ASSERT_TRUE(seen.found);
  EXPECT_EQ(seen.parent, nullptr);
  EXPECT_EQ(seen.modality, Qt::ApplicationModal);
  EXPECT_EQ(seen.icon, QMessageBox::Critical);
  EXPECT_EQ(seen.title, QStringLiteral("title"));
  EXPECT_EQ(seen.text, QStringLiteral("text"));
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_TRUE(seen.okButton);
}

}  // namespace
}  // namespace tunelark::testing
