// The program's one window: the fixed form of controls, the two buttons'
// commands, and the resolver's view onto the form.
#pragma once

#include <QSize>
#include <QEvent>
#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <string_view>

#include "resolver/resolver_view.h"
#include "ui/link_opener.h"
#include "ui/notice.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tunelark {

class CreditLink;
class SiteList;

class MainWindow : public QWidget, public ResolverView {
  Q_OBJECT

 public:
  static constexpr QSize kOuterSize{479, 221};
  static inline const QString kCreditTarget = QStringLiteral("https://github.com/tunelark/tunelark");

  // Builds the form hidden, centred on the primary screen, and arms the
  // one-time notice.
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  void SetNoticePresenter(NoticePresenter presenter);
  void SetLinkOpener(LinkOpener opener);

  // Brings the outer size (frame included) to kOuterSize whenever the window
  // system has framed the window anew, keeping it centred.
  void FitOuterSize();

  // Whether the window has been closed; a closed window is never touched by
  // a run again.
  bool IsClosed() const { return closed_; }

  // ResolverView
  std::string ReadUrlText() override;
  int ReadSiteSelection() override;
  void WriteTitleText(std::string_view text) override;
  void WriteDownloadText(std::string_view text) override;
  void ShowNotice(std::string_view text, NoticeIcon icon,
                  std::optional<std::string_view> title) override;
  void PauseWithDispatch(int milliseconds) override;

  // The two buttons' commands.
  void RunResolve();
  void CopyDownloadText();

 signals:
  // The window has been closed; pauses under way stop waiting.
  void viewClosed();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void BuildForm();
  void MoveToScreenCentre();

  QGroupBox* group_ = nullptr;
  SiteList* mode_ = nullptr;
  QLineEdit* url_ = nullptr;
  QLineEdit* download_ = nullptr;
  QLineEdit* title_ = nullptr;
  QPushButton* start_ = nullptr;
  QPushButton* copy_ = nullptr;
  CreditLink* credit_ = nullptr;

  NoticePresenter presentNotice_ = ShowNoticeBox;
  LinkOpener openLink_ = OpenWithDesktop;
  bool closed_ = false;
  std::optional<QSize> fittedFrame_;  // frame width and height last fitted for
};

}  // namespace tunelark
