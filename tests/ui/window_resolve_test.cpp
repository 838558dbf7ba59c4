// The start button against the sites on loopback: every row through the
// window, and the notices a press can bring up.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "fixture_site.h"
#include "text/code_page.h"
#include "window_fixture.h"

namespace tunelark::testing {
namespace {

class ResolveTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    url_ = Find<QLineEdit>("Url");
    title_ = Find<QLineEdit>("Title");
    download_ = Find<QLineEdit>("Download");
    mode_ = Find<QComboBox>("mode");
  }

  void Press(int row, const std::string& address) {
    mode_->setCurrentIndex(row);
    url_->setText(QString::fromStdString(address));
    QTest::mouseClick(Find<QPushButton>("按钮4"), Qt::LeftButton);
  }

  FixtureSite site_;
  ScopedFixtureProxy proxy_{site_};
  QLineEdit* url_ = nullptr;
  QLineEdit* title_ = nullptr;
  QLineEdit* download_ = nullptr;
  QComboBox* mode_ = nullptr;
};

constexpr int kRetiredRow = 1;
constexpr int kMixdjRow = 7;

TEST_F(ResolveTest, EverySiteFillsTitleAndDownload) {
  for (int row = 0; row < static_cast<int>(FixtureSite::kRowCount); ++row) {
    const FixtureRow& fixture = FixtureSite::Row(row);
    if (!fixture.resolves) continue;
    SCOPED_TRACE(row);
    title_->clear();
    download_->clear();
    site_.ClearRequests();

    Press(row, fixture.playPage);

    EXPECT_EQ(title_->text().toStdString(), DisplayUtf8(fixture.title));
    EXPECT_EQ(download_->text().toStdString(), fixture.download);
    EXPECT_EQ(site_.RequestedAddresses(), fixture.requests);
  }
  // Only the MixDJ row speaks, and only the first time.
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].title, QString::fromUtf8("只提示一次"));
  EXPECT_EQ(notices_[0].icon, QMessageBox::Information);
}

TEST_F(ResolveTest, TheMixdjNoticeComesOncePerWindow) {
  const FixtureRow& mixdj = FixtureSite::Row(kMixdjRow);
  Press(kMixdjRow, mixdj.playPage);
  Press(kMixdjRow, mixdj.playPage);
  ASSERT_EQ(notices_.size(), 1u);
  EXPECT_EQ(notices_[0].text, QString::fromUtf8("直接复制到迅雷下载文件名修改为xxx.mp3即可"));
  EXPECT_EQ(OnceNoticePending, 0);
}

TEST_F(ResolveTest, PickingASiteDoesNothingUntilThePress) {
  ASSERT_TRUE(ShowActive());
  url_->setText(QString::fromStdString(FixtureSite::Row(4).playPage));
  mode_->setFocus();
  for (int step = 0; step < 4; ++step) QTest::keyClick(mode_, Qt::Key_Down);
  EXPECT_EQ(mode_->currentIndex(), 4);
  EXPECT_TRUE(site_.RequestedAddresses().empty());
  EXPECT_TRUE(title_->text().isEmpty());
  EXPECT_TRUE(download_->text().isEmpty());
  EXPECT_TRUE(notices_.empty());

  QTest::mouseClick(Find<QPushButton>("按钮4"), Qt::LeftButton);
  EXPECT_EQ(download_->text().toStdString(), FixtureSite::Row(4).download);
}

TEST_F(ResolveTest, NoticesOfAPress) {
  const struct {
    const char* what;
    int row;
    std::string address;
    const char* text;
    QMessageBox::Icon icon;
    const char* title;
  } cases[] = {
      {"empty address", 4, "", "没输入东西...", QMessageBox::Critical, "信息："},
      {"retired site", kRetiredRow, FixtureSite::Row(kRetiredRow).playPage,
       "无法解析的网站。\n因网站编码一直变动所以不予以更新", QMessageBox::NoIcon, "信息："},
      {"page of another site", 11, FixtureSite::Row(4).playPage, "你输入的不是你选择的地址",
       QMessageBox::Critical, "Error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    notices_.clear();
    download_->setText(QStringLiteral("previous"));
    Press(c.row, c.address);
    ASSERT_EQ(notices_.size(), 1u);
    EXPECT_EQ(notices_[0].text, QString::fromUtf8(c.text));
    EXPECT_EQ(notices_[0].icon, c.icon);
    EXPECT_EQ(notices_[0].title, QString::fromUtf8(c.title));
    EXPECT_EQ(download_->text(), QStringLiteral("previous"));
  }
  // The other site's page still put its title up before the check failed.
  EXPECT_EQ(title_->text().toStdString(), DisplayUtf8(FixtureSite::Row(4).title));
}

// Page bytes that are neither GBK nor UTF-8, or binary, still show as
// readable text: each undecodable byte as U+FFFD, the rest as it came. (An
// odd run of lead bytes swallows the marker after it, as the walk by
// two-byte characters does; the cut cases below keep their runs even.)
TEST_F(ResolveTest, HostilePageBytesShowAsValidText) {
  constexpr int kCcc333Row = 11;
  const std::string address = "http://www.ccc333.com/play/hostile.html";
  std::string binary;
  for (int i = 1; i < 256; ++i) binary += static_cast<char>((i * 167) % 255 + 1);
  struct Case {
    std::string bytes;
    bool cut;  // whether the markers around it are found
  };
  for (const Case& c : {Case{"\x80\xFF\xFE\xA1", true}, Case{"\xC0\xAF\xED\xA0\x80\x80", true},
                        Case{binary, false}}) {
    SCOPED_TRACE(::testing::PrintToString(c.bytes));
    site_.Serve(address, "<title>" + c.bytes + "</title>ccc333<script>var righturl=\"http://h/" +
                             c.bytes + "\";</script>");
    title_->setText(QStringLiteral("previous"));
    Press(kCcc333Row, address);
    EXPECT_TRUE(IsValidUtf8(title_->text().toStdString()));
    EXPECT_TRUE(IsValidUtf8(download_->text().toStdString()));
    if (c.cut) {
      EXPECT_EQ(title_->text().toStdString(), DisplayUtf8(c.bytes));
      EXPECT_EQ(download_->text().toStdString(), DisplayUtf8("http://h/" + c.bytes));
    }
  }
}

}  // namespace
}  // namespace tunelark::testing
