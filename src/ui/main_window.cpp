#include "ui/main_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTimer>
#include <limits>

#include "resolver/resolve_command.h"
#include "resolver/site_table.h"
#include "ui/credit_link.h"
#include "ui/edge_text.h"
#include "ui/fit_label_font.h"
#include "ui/site_list.h"

namespace tunelark {
namespace {

constexpr std::string_view kWindowTitle = "Tunelark 0.005 For Merrowin";

// Captions of the form, in the program's code page.
constexpr std::string_view kStartCaption = "\xBF\xAA\xCA\xBC\xBD\xE2\xCE\xF6";  // 开始解析
constexpr std::string_view kCopyCaption =
    "\xB8\xB4\xD6\xC6\xB5\xBD\xBC\xF4\xC7\xD0\xB0\xE5";  // 复制到剪切板
constexpr std::string_view kCreditCaption =
    "Tunelark \xCF\xEE\xC4\xBF\xD6\xF7\xD2\xB3";  // Tunelark 项目主页

struct LabelSpec {
  const char* name;
  QRect box;
  std::string_view text;
};

// Static captions and their boxes inside the group box.
constexpr LabelSpec kLabels[] = {
    {"标签7", {9, 21, 89, 16},
     "\xD1\xA1\xD4\xF1\xCA\xD4\xCC\xFD\xCD\xF8\xD5\xBE\xA3\xBA"},  // 选择试听网站：
    {"标签6", {8, 48, 56, 16}, "\xB2\xA5\xB7\xC5\xD2\xB3\xC3\xE6\xA3\xBA"},  // 播放页面：
    {"标签8", {8, 72, 72, 16}, "\xCF\xC2\xD4\xD8\xD4\xD8\xB5\xE3\xA3\xBA"},  // 下载载点：
    {"标签2", {4, 92, 64, 16}, "\xC3\xFB\xD7\xD6\x2F\xB1\xEA\xCC\xE2\xA3\xBA"},  // 名字/标题：
    {"标签9", {16, 128, 288, 16},
     "\xB0\xD1\xBD\xE2\xCE\xF6\xB3\xF6\xC0\xB4\xB5\xC4\xB8\xE8\xC7\xFA\xA3\xAC\xB8\xB4\xD6\xC6"
     "\xB5\xBD\xD1\xB8\xC0\xD7\xC4\xDA\xCF\xC2\xD4\xD8\xBC\xB4\xBF\xC9\xA1\xA3"},  // 把解析出来的歌曲，复制到迅雷内下载即可。
};

QLineEdit* MakeEdit(const char* name, const QRect& box, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromUtf8(name));
  edit->setGeometry(box);
  // Addresses can be long; the only limit left is Qt's own.
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

QPushButton* MakeButton(const char* name, const QRect& box, std::string_view caption,
                        QWidget* parent) {
  auto* button = new QPushButton(FromProgramText(caption), parent);
  button->setObjectName(QString::fromUtf8(name));
  button->setGeometry(box);
  // Enter must never press a button: none is a default button.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(QString::fromLatin1(kWindowTitle.data(), kWindowTitle.size()));
  // Until the window system has framed the window the client area stands in
  // for the outer size; FitOuterSize corrects it after showing.
  setFixedSize(kOuterSize);
  BuildForm();
  MoveToScreenCentre();
  url_->setFocus();

  // The window exists: the one-time notice may be shown from now on.
  OnceNoticePending = 1;
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildForm() {
  group_ = new QGroupBox(this);
  group_->setObjectName(QStringLiteral("分组框1"));
  group_->setGeometry(7, 4, 456, 180);

  // Captions first, so that where a caption's box reaches under an edit box
  // or the site list, the control stays on top.
  for (const LabelSpec& spec : kLabels) {
    auto* label = new QLabel(FromProgramText(spec.text), group_);
    label->setObjectName(QString::fromUtf8(spec.name));
    label->setGeometry(spec.box);
    FitLabelFont(*label);
  }

  mode_ = new SiteList(group_);
  mode_->setObjectName(QStringLiteral("mode"));
  mode_->setGeometry(94, 20, 267, 20);
  for (const SiteRow& row : SiteTable) mode_->addItem(FromProgramText(row.label));
  mode_->setCurrentIndex(0);

  start_ = MakeButton("按钮4", {361, 16, 79, 24}, kStartCaption, group_);
  url_ = MakeEdit("Url", {64, 48, 376, 16}, group_);
  download_ = MakeEdit("Download", {64, 72, 376, 16}, group_);
  title_ = MakeEdit("Title", {64, 93, 376, 16}, group_);
  copy_ = MakeButton("按钮5", {320, 136, 112, 24}, kCopyCaption, group_);

  credit_ = new CreditLink(FromProgramText(kCreditCaption), group_);
  credit_->setObjectName(QStringLiteral("超级链接框1"));
  credit_->setGeometry(9, 148, 240, 16);
  FitLabelFont(*credit_);

  setTabOrder(url_, mode_);
  setTabOrder(mode_, start_);
  setTabOrder(start_, download_);
  setTabOrder(download_, copy_);
  setTabOrder(copy_, title_);

  connect(start_, &QPushButton::clicked, this, &MainWindow::RunResolve);
  connect(copy_, &QPushButton::clicked, this, &MainWindow::CopyDownloadText);
  connect(credit_, &CreditLink::pressed, this, [this] { openLink_(QUrl(kCreditTarget)); });
}

void MainWindow::SetNoticePresenter(NoticePresenter presenter) {
  presentNotice_ = std::move(presenter);
}

void MainWindow::SetLinkOpener(LinkOpener opener) { openLink_ = std::move(opener); }

void MainWindow::MoveToScreenCentre() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  // The whole display, not the part left free by panels.
  const QRect display = screen->geometry();
  move(display.x() + (display.width() - kOuterSize.width()) / 2,
       display.y() + (display.height() - kOuterSize.height()) / 2);
}

void MainWindow::FitOuterSize() {
  if (closed_ || !isVisible()) return;
  // The frame is known only after the window manager has reparented the
  // window, which on X11 comes some events after show(); every frame seen
  // for the first time is fitted once, so a manager that insists on its own
  // size cannot drive this into a loop.
  const QSize frame = frameGeometry().size() - size();
  if (fittedFrame_ == frame) return;
  fittedFrame_ = frame;
  if (size() != kOuterSize - frame) setFixedSize(kOuterSize - frame);
  MoveToScreenCentre();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  QTimer::singleShot(0, this, &MainWindow::FitOuterSize);
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  FitOuterSize();
}

void MainWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) FitOuterSize();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const bool modified =
      (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) != 0;
  if (event->key() == Qt::Key_Escape && !modified) {
    event->accept();
    close();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Swallowed here so that Enter neither presses a button nor moves on.
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  closed_ = true;
  event->accept();
  emit viewClosed();
}

void MainWindow::RunResolve() {
  // The window may be closed by the time the command returns: it is not
  // touched afterwards.
  ResolveCommand(*this);
}

void MainWindow::CopyDownloadText() {
  // setText replaces whatever the clipboard held, also with an empty text.
  if (QClipboard* clipboard = QGuiApplication::clipboard()) clipboard->setText(download_->text());
}

}  // namespace tunelark
