#include "app/main_window.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>

#include "app/accessibility.h"
#include "app/app_icon.h"
#include "app/tab_control.h"
#include "help/help_texts.h"
#include "pages/cam_timing_page.h"
#include "pages/compression_page.h"
#include "pages/dynamic_stroke_page.h"
#include "pages/form.h"
#include "pages/shell.h"

using form::toPixels;

namespace {

constexpr int kClientWidth = 6924;
constexpr int kClientHeight = 7824;

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(Shell& shell, QWidget* parent) : QMainWindow(parent), shell_(shell) {
  accessibility::install();
  setObjectName(QStringLiteral("frm_DST_TIM"));
  // The "&" is part of the title, shown as it stands.
  setWindowTitle(
      QStringLiteral("Dynamic Stroke Length, Cam Timing, & Compression Ratio Calculator"));
  setWindowIcon(app_icon::icon());
  setFont(form::windowFont());

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(toPixels(kClientWidth), toPixels(kClientHeight));
  setCentralWidget(client);

  buildStrip(client);

  tab_Dst = new TabControl(toPixels({12, 312, 6912, 7500}), toPixels(form::kTabStripTwips), client);
  tab_Dst->setObjectName(QStringLiteral("tab_Dst"));
  tab_Dst->tabBar()->setFont(form::font(9.6, true));

  dynamicStrokePage_ = new DynamicStrokePage(shell_);
  camTimingPage_ = new CamTimingPage(shell_);
  compressionPage_ = new CompressionPage(shell_, dynamicStrokePage_->crankStrokeField(),
                                         dynamicStrokePage_->dynamicStrokeField());
  tab_Dst->addPage(dynamicStrokePage_, QStringLiteral("Dynamic Stroke Length Calculator"));
  tab_Dst->addPage(camTimingPage_, QStringLiteral("Cam Timing and Overlap Calculator"));
  tab_Dst->addPage(compressionPage_, QStringLiteral("Compression Ratio Calculator"));
  tab_Dst->setCurrentIndex(0);
  accessibility::followPages(tab_Dst, [this](const QString& caption) { shell_.announce(caption); });

  buildMenu();
  chainFocus();

  // Fixed layout: the window is exactly the client area plus the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void MainWindow::buildStrip(QWidget* client) {
  const QFont f = form::windowFont();
  form::label(client, "Lab_int_adv_dur", QStringLiteral("Advertised Intake Dur in use"),
              toPixels({312, 60, 1992, 192}), f, form::LabelFit::SizeToText);
  Txt_AID_a =
      form::field(client, "Txt_AID_a", toPixels({2508, 12, 588, 288}), f, form::FieldRole::Display,
                  QStringLiteral("As entered on cam timing page"));
  form::label(client, "Lab_int_closing", QStringLiteral("Intake Closing Angle in use"),
              toPixels({3720, 60, 1920, 192}), f, form::LabelFit::SizeToText);
  txt_ICA_a = form::field(client, "txt_ICA_a", toPixels({5832, 12, 588, 288}), f,
                          form::FieldRole::Display, QStringLiteral("As calculated on DSL page"));
  form::nameByLabels(client, {{"Lab_int_adv_dur", "Txt_AID_a"}, {"Lab_int_closing", "txt_ICA_a"}});
}

void MainWindow::buildMenu() {
  // Both are commands on the bar itself, run at once by mouse or Alt+key.
  QAction* about = menuBar()->addAction(QStringLiteral("&About"));
  about->setObjectName(QStringLiteral("Menu_about"));
  connect(about, &QAction::triggered, this, &MainWindow::Menu_about_Click);
  QAction* helpAction = menuBar()->addAction(QStringLiteral("&Help"));
  helpAction->setObjectName(QStringLiteral("Menu_Help"));
  connect(helpAction, &QAction::triggered, this, &MainWindow::Menu_Help_Click);
}

void MainWindow::chainFocus() {
  // One chain through every page: hidden pages drop out by themselves, so
  // Tab runs through the page in front, then the two strip fields.
  QList<QWidget*> chain{tab_Dst->tabBar()};
  chain += compressionPage_->focusOrder();
  chain += camTimingPage_->focusOrder();
  chain += dynamicStrokePage_->focusOrder();
  chain += {txt_ICA_a, Txt_AID_a};
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::Menu_about_Click() { shell_.show_message(fromStd(help::about_text())); }

void MainWindow::Menu_Help_Click() { shell_.show_message(fromStd(help::help_text())); }
