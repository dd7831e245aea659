#include "app/main_window.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <cstdio>
#include <cstdlib>

#include "app/accessibility.h"
#include "app/app_icon.h"
#include "app/tab_control.h"
#include "help/help_texts.h"
#include "pages/design.h"
#include "pages/layout.h"
#include "pages/names.h"
#include "pages/page.h"
#include "pages/shell.h"

using layout::toPixels;

namespace {

// Left to right.
const design::Page* const kPages[] = {&design::kDynamicStrokePage, &design::kCamTimingPage,
                                      &design::kCompressionPage};

QString fromStd(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

MainWindow::MainWindow(Shell& shell, QWidget* parent) : QMainWindow(parent), shell_(shell) {
  setObjectName(QStringLiteral("frm_DST_TIM"));
  // The "&" is part of the title, shown as it stands.
  setWindowTitle(
      QStringLiteral("Dynamic Stroke Length, Cam Timing, & Compression Ratio Calculator"));
  setWindowIcon(app_icon::icon());
  setFont(layout::windowFont());

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  client->setFixedSize(toPixels(design::kClientArea).size());
  setCentralWidget(client);

  layout::build(client, design::kStrip);

  tab_Dst = new TabControl(toPixels(design::kTabControl), toPixels(layout::kTabStripTwips), client);
  tab_Dst->setObjectName(QStringLiteral("tab_Dst"));
  tab_Dst->tabBar()->setFont(layout::font(design::kTabCaptions));
  for (const design::Page* page : kPages) {
    tab_Dst->addPage(new Page(*page, shell_), layout::text(page->caption));
  }
  tab_Dst->setCurrentIndex(0);
  accessibility::followPages(tab_Dst, [this](const QString& caption) { shell_.announce(caption); });

  // Where a table or a command names a control that is not there, the
  // program stops here, saying which.
  if (const QStringList missing = names::unresolved(this, kPages, design::kStrip);
      !missing.isEmpty()) {
    std::fprintf(stderr, "velmora: no control named %s\n", qPrintable(missing.join(", ")));
    std::exit(1);
  }
  buildMenu();
  chainFocus();

  // Fixed layout: the window is exactly the client area plus the menu bar.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
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
  // One chain through every page, the last page first: hidden pages drop
  // out by themselves, so Tab runs through the page in front, then the two
  // strip fields.
  QList<QWidget*> chain{tab_Dst->tabBar()};
  for (int i = tab_Dst->tabBar()->count() - 1; i >= 0; --i) {
    chain += static_cast<Page*>(tab_Dst->page(i))->focusOrder();
  }
  chain += {findChild<QLineEdit*>(QStringLiteral("txt_ICA_a")),
            findChild<QLineEdit*>(QStringLiteral("Txt_AID_a"))};
  for (qsizetype i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::Menu_about_Click() { shell_.show_message(fromStd(help::about_text())); }

void MainWindow::Menu_Help_Click() { shell_.show_message(fromStd(help::help_text())); }
