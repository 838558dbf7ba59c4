// The form as it stands after start-up, and the view's reads and writes.
#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "resolver/site_table.h"
#include "text/code_page.h"
#include "window_fixture.h"

namespace tunelark::testing {
namespace {

using FormTest = WindowTest;

TEST_F(FormTest, StartsEmptyOnTheFirstSiteWithTheNoticeArmed) {
  EXPECT_EQ(OnceNoticePending, 1);
  EXPECT_EQ(window_->windowTitle(), QStringLiteral("Tunelark 0.005 For Merrowin"));
  for (const char* name : {"Url", "Download", "Title"}) {
    SCOPED_TRACE(name);
    const auto* edit = Find<QLineEdit>(name);
    ASSERT_NE(edit, nullptr);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(edit->isReadOnly());
    EXPECT_EQ(edit->echoMode(), QLineEdit::Normal);
    EXPECT_GT(edit->maxLength(), 32767);
  }

  const auto* mode = Find<QComboBox>("mode");
  ASSERT_NE(mode, nullptr);
  EXPECT_FALSE(mode->isEditable());
  ASSERT_EQ(mode->count(), static_cast<int>(SiteTable.size()));
  EXPECT_EQ(mode->currentIndex(), 0);
  for (int row = 0; row < mode->count(); ++row) {
    EXPECT_EQ(mode->itemText(row).toStdString(), GbkToUtf8(SiteTable[row].label)) << row;
  }
  EXPECT_EQ(mode->itemText(0), QString::fromUtf8("hi193  - 如果不知道地址请自行百度，谢谢"));
  EXPECT_EQ(window_->ReadSiteSelection(), 0);
}

TEST_F(FormTest, IsAFixedCloseOnlyWindowCentredOnTheWholeScreen) {
  ASSERT_TRUE(ShowActive());
  const QRect display = QGuiApplication::primaryScreen()->geometry();
  const QRect placed(QPoint(display.x() + (display.width() - 479) / 2, display.y() + (display.height() - 221) / 2),
                     MainWindow::kOuterSize);
  // The fit after showing waits on the window manager's frame, which a busy
  // machine may deliver some events later.
  QTest::qWaitFor([&] { return window_->frameGeometry() == placed; }, 5000);

  EXPECT_EQ(window_->frameGeometry().size(), MainWindow::kOuterSize);
  EXPECT_EQ(window_->minimumSize(), window_->maximumSize());
  EXPECT_EQ(window_->frameGeometry().topLeft(), placed.topLeft());

  const Qt::WindowFlags flags = window_->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(window_->parentWidget(), nullptr);
  EXPECT_FALSE(window_->testAttribute(Qt::WA_DeleteOnClose));

  EXPECT_EQ(FocusName(), QStringLiteral("Url"));
}

struct ControlSpec {
  const char* name;
  const char* className;
  QRect box;
  const char* text;  // UTF-8; nullptr where the control has no caption to check
  bool tabStop;
};

const ControlSpec kControls[] = {
    {"标签7", "QLabel", {9, 21, 89, 16}, "选择试听网站：", false},
    {"mode", "tunelark::SiteList", {94, 20, 267, 20}, nullptr, true},
    {"按钮4", "QPushButton", {361, 16, 79, 24}, "开始解析", true},
    {"标签6", "QLabel", {8, 48, 56, 16}, "播放页面：", false},
    {"Url", "QLineEdit", {64, 48, 376, 16}, "", true},
    {"标签8", "QLabel", {8, 72, 72, 16}, "下载载点：", false},
    {"Download", "QLineEdit", {64, 72, 376, 16}, "", true},
    {"标签2", "QLabel", {4, 92, 64, 16}, "名字/标题：", false},
    {"Title", "QLineEdit", {64, 93, 376, 16}, "", true},
    {"标签9", "QLabel", {16, 128, 288, 16}, "把解析出来的歌曲，复制到迅雷内下载即可。", false},
    {"按钮5", "QPushButton", {320, 136, 112, 24}, "复制到剪切板", true},
    {"超级链接框1", "tunelark::CreditLink", {9, 148, 240, 16}, nullptr, false},
};

QString Caption(const QWidget& widget) {
  if (const auto* label = qobject_cast<const QLabel*>(&widget)) return label->text();
  if (const auto* button = qobject_cast<const QPushButton*>(&widget)) return button->text();
  if (const auto* edit = qobject_cast<const QLineEdit*>(&widget)) return edit->text();
  return {};
}

TEST_F(FormTest, ControlsSitInTheGroupBoxAtTheirPlaces) {
  ASSERT_TRUE(ShowActive());
  const auto* group = Find<QGroupBox>("分组框1");
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(group->parentWidget(), window_.get());
  EXPECT_EQ(group->geometry(), QRect(7, 4, 456, 180));
  EXPECT_TRUE(group->title().isEmpty());
  EXPECT_EQ(group->focusPolicy(), Qt::NoFocus);

  for (const ControlSpec& spec : kControls) {
    SCOPED_TRACE(spec.name);
    const auto* widget = Find<QWidget>(spec.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_STREQ(widget->metaObject()->className(), spec.className);
    EXPECT_EQ(widget->parentWidget(), group);
    EXPECT_EQ(widget->geometry(), spec.box);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_TRUE(widget->isEnabled());
    if (spec.text != nullptr) {
      EXPECT_EQ(Caption(*widget), QString::fromUtf8(spec.text));
    }
    EXPECT_EQ((widget->focusPolicy() & Qt::TabFocus) != 0, spec.tabStop);
  }
  // Eleven controls in the table, plus the group box itself: nothing more.
  EXPECT_EQ(group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
            std::size(kControls));
}

TEST_F(FormTest, EveryCaptionFitsItsBox) {
  for (QLabel* label : window_->findChildren<QLabel*>()) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QFontMetrics metrics(label->font());
    EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width());
    EXPECT_LE(metrics.height(), label->height());
  }
}

TEST_F(FormTest, ButtonsAreNeverDefault) {
  for (const char* name : {"按钮4", "按钮5"}) {
    SCOPED_TRACE(name);
    const auto* button = Find<QPushButton>(name);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isDefault());
    EXPECT_FALSE(button->autoDefault());
  }
}

TEST_F(FormTest, CreditLinkLooksLikeALink) {
  const auto* link = Find<QLabel>("超级链接框1");
  ASSERT_NE(link, nullptr);
  EXPECT_FALSE(link->text().isEmpty());
  EXPECT_EQ(link->alignment(), Qt::AlignCenter);
  EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
  EXPECT_EQ(link->frameShape(), QFrame::NoFrame);
  EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
}

TEST_F(FormTest, OpenSiteListStaysWithinItsHeight) {
  ASSERT_TRUE(ShowActive());
  auto* mode = Find<QComboBox>("mode");
  mode->showPopup();
  QWidget* popup = mode->view()->window();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(popup, 5000));
  EXPECT_LE(popup->height(), 160);
  EXPECT_EQ(mode->size(), QSize(267, 20));
  mode->hidePopup();
}

// The address is read in the program's code page, whole and untrimmed.
TEST_F(FormTest, ReadsTheAddressAsTyped) {
  const struct {
    const char* typed;  // UTF-8
    std::string read;   // GBK
  } cases[] = {
      {"", ""},
      {"   ", "   "},
      {" http://www.3378dj.com/play/40404.html ", " http://www.3378dj.com/play/40404.html "},
      {"http://例子.cn/歌", "http://\xC0\xFD\xD7\xD3.cn/\xB8\xE8"},
  };
  auto* url = Find<QLineEdit>("Url");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    url->setText(QString::fromUtf8(c.typed));
    EXPECT_EQ(window_->ReadUrlText(), c.read);
  }

  const std::string longAddress = "http://a.example/" + std::string(70000, 'x');
  url->setText(QString::fromStdString(longAddress));
  EXPECT_EQ(window_->ReadUrlText(), longAddress);
}

// Page text is shown readably whether the page was GBK or UTF-8.
TEST_F(FormTest, WritesReplaceTheWholeFieldReadably) {
  const struct {
    std::string written;
    const char* shown;
  } cases[] = {
      {"\xC9\xCB\xD0\xC4\xCC\xAB\xC6\xBD\xD1\xF3 DJ", "伤心太平洋 DJ"},
      {"混音 DJ", "混音 DJ"},
      {"http://mp3.3378dj.com/2026/40404.mp3", "http://mp3.3378dj.com/2026/40404.mp3"},
      {"", ""},
  };
  auto* title = Find<QLineEdit>("Title");
  auto* download = Find<QLineEdit>("Download");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shown);
    title->setText(QStringLiteral("old title"));
    download->setText(QStringLiteral("old address"));
    window_->WriteTitleText(c.written);
    EXPECT_EQ(title->text(), QString::fromUtf8(c.shown));
    EXPECT_EQ(download->text(), QStringLiteral("old address"));
    window_->WriteDownloadText(c.written);
    EXPECT_EQ(download->text(), QString::fromUtf8(c.shown));
  }
}

TEST_F(FormTest, ReadsTheLiveSelection) {
  auto* mode = Find<QComboBox>("mode");
  mode->setCurrentIndex(11);
  EXPECT_EQ(window_->ReadSiteSelection(), 11);
  mode->setCurrentIndex(-1);
  EXPECT_EQ(window_->ReadSiteSelection(), -1);
}

}  // namespace
}  // namespace tunelark::testing
