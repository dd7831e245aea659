// The window at the scale factor QT_SCALE_FACTOR gives (CTest runs this
// test at 1, 1.25, 1.5, 1.75 and 2): every page renders at that factor, no caption is
// clipped as drawn, and the controls keep the layout they have at factor 1.
// The factor-1 layout comes from this same program, started again at factor 1
// with --print-layout.
#include <QCheckBox>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <cmath>
#include <cstdio>

#include "ui_support.h"

namespace {

const char* const kPrintLayout = "--print-layout";

double scaleFactor() {
  bool ok = false;
  const double f = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
  return ok && f > 0 ? f : 1.0;
}

// What a user sees of one page or of the strip: the controls of its table,
// the page brought to the front. Their boxes are taken relative to the
// window's client area, in device-independent pixels.
QList<QWidget*> controlsOf(MainWindow& window, int surface) {
  if (surface >= 0) {
    window.tabControl()->setCurrentIndex(surface);
    QApplication::processEvents();
  }
  QList<QWidget*> controls;
  for (const design::Control& c : tableOf(surface)) {
    controls << window.findChild<QWidget*>(nameOf(c));
  }
  return controls;
}

QRect boxInClient(QWidget* w, MainWindow& window) {
  return QRect(w->mapTo(window.centralWidget(), QPoint(0, 0)), w->size());
}

using Layout = QHash<QString, QRect>;

Layout layoutOf(MainWindow& window, int surface) {
  Layout layout;
  for (QWidget* w : controlsOf(window, surface)) {
    layout.insert(w->objectName(), boxInClient(w, window));
  }
  return layout;
}

QString layoutLine(int surface, const QString& name, const QRect& r) {
  return QStringLiteral("%1 %2 %3 %4 %5 %6")
      .arg(surface)
      .arg(name)
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height());
}

// Runs this program at factor 1 and reads the layout it prints.
QHash<int, Layout> layoutAtFactorOne(QString* error) {
  QProcess child;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
  env.remove(QStringLiteral("QT_SCREEN_SCALE_FACTORS"));
  child.setProcessEnvironment(env);
  child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kPrintLayout)});
  if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit ||
      child.exitCode() != 0) {
    *error = QStringLiteral("the factor-1 run failed: ") +
             QString::fromLocal8Bit(child.readAllStandardError());
    return {};
  }
  QHash<int, Layout> layouts;
  const QStringList lines = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
  for (const QString& line : lines) {
    const QStringList f = line.split(u' ');
    if (f.size() != 6) continue;
    layouts[f[0].toInt()].insert(f[1],
                                 QRect(f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt()));
  }
  return layouts;
}

// -1: a lies wholly before b along the axis, 1: wholly after, 0: they share
// some of it.
int order(int aStart, int aEnd, int bStart, int bEnd) {
  if (aEnd < bStart) return -1;
  if (bEnd < aStart) return 1;
  return 0;
}

// The box that holds the pixels of an image that differ clearly from its
// most common colour: the ink of a caption. Faint anti-aliasing does not count.
QRect inkBounds(const QImage& source) {
  const QImage img = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QRgb background = mostCommon(colourCounts(img, img.rect()));
  auto differs = [background](QRgb p) {
    return std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
               std::abs(qBlue(p) - qBlue(background)) + std::abs(qAlpha(p) - qAlpha(background)) >
           160;
  };
  QRect ink;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (differs(img.pixel(x, y))) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

// Draws the label's caption again with room to spare, right and below (or
// only below for a wrapping label, which must keep its width), and tells
// whether all of that ink falls inside the label's own box, in device pixels.
bool inkFitsBox(QLabel* label, QString* detail) {
  QLabel twin(label->parentWidget());
  twin.setFont(label->font());
  twin.setTextFormat(label->textFormat());
  twin.setWordWrap(label->wordWrap());
  twin.setAlignment(Qt::AlignLeft | Qt::AlignTop);
  twin.setIndent(label->indent());
  twin.setMargin(label->margin());
  twin.setContentsMargins(label->contentsMargins());
  twin.setText(label->text());
  const int spare = 40;
  twin.resize(label->width() + (label->wordWrap() ? 0 : spare), label->height() + spare);
  const QPixmap drawn = twin.grab();
  const QRect ink = inkBounds(drawn.toImage());
  const QSize box = label->grab().size();
  *detail = QStringLiteral("%1: caption ink %2,%3 %4x%5 in a %6x%7 box (device pixels)")
                .arg(label->objectName())
                .arg(ink.x())
                .arg(ink.y())
                .arg(ink.width())
                .arg(ink.height())
                .arg(box.width())
                .arg(box.height());
  if (label->alignment().testFlag(Qt::AlignHCenter) && !label->wordWrap()) {
    return ink.width() <= box.width() && ink.bottom() < box.height();
  }
  return ink.right() < box.width() && ink.bottom() < box.height();
}

QString withoutMnemonic(QString text) {
  text.replace(QLatin1String("&&"), QLatin1String("\x01"));
  text.remove(u'&');
  text.replace(QLatin1String("\x01"), QLatin1String("&"));
  return text;
}

// The room the style leaves for a button's caption, against what the
// caption needs.
bool buttonCaptionFits(QAbstractButton* b, QString* detail) {
  QStyleOptionButton option;
  option.initFrom(b);
  option.text = b->text();
  option.icon = b->icon();
  option.iconSize = b->iconSize();
  QStyle::SubElement contents = QStyle::SE_PushButtonContents;
  if (qobject_cast<QCheckBox*>(b) != nullptr) contents = QStyle::SE_CheckBoxContents;
  if (qobject_cast<QRadioButton*>(b) != nullptr) contents = QStyle::SE_RadioButtonContents;
  const QRect room = b->style()->subElementRect(contents, &option, b);
  const QSize needed = b->fontMetrics().size(Qt::TextShowMnemonic, withoutMnemonic(b->text()));
  *detail = QStringLiteral("%1: caption needs %2x%3, has %4x%5")
                .arg(b->objectName())
                .arg(needed.width())
                .arg(needed.height())
                .arg(room.width())
                .arg(room.height());
  return needed.width() <= room.width() && needed.height() <= room.height();
}

// The edges of an outline rectangle (box, in the window's device-independent
// pixels) that a grab of the window at factor f does not show. An edge shows
// when, all along it between the corners, a pixel within a device pixel of
// where it belongs has the ink's colour; a line rounded away or faded by
// anti-aliasing does not count.
QStringList missingEdges(const QImage& shot, const QRect& box, const QColor& ink, double f) {
  auto isInk = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= shot.width() || y >= shot.height()) return false;
    const QRgb p = shot.pixel(x, y);
    return std::abs(qRed(p) - ink.red()) + std::abs(qGreen(p) - ink.green()) +
               std::abs(qBlue(p) - ink.blue()) <=
           96;
  };
  // The device pixels that may hold a one-pixel line at column or row c.
  auto bandStart = [f](int c) { return static_cast<int>(std::floor(c * f)) - 1; };
  auto bandEnd = [f](int c) { return static_cast<int>(std::ceil((c + 1) * f)); };
  // Along an edge, corners (two pixels at each end) left out.
  auto alongStart = [f](int c) { return static_cast<int>(std::ceil((c + 2) * f)); };
  auto alongEnd = [f](int c) { return static_cast<int>(std::floor((c - 1) * f)); };
  auto horizontal = [&](int row) {
    for (int x = alongStart(box.left()); x < alongEnd(box.right()); ++x) {
      bool found = false;
      for (int y = bandStart(row); y <= bandEnd(row) && !found; ++y) found = isInk(x, y);
      if (!found) return false;
    }
    return true;
  };
  auto vertical = [&](int column) {
    for (int y = alongStart(box.top()); y < alongEnd(box.bottom()); ++y) {
      bool found = false;
      for (int x = bandStart(column); x <= bandEnd(column) && !found; ++x) found = isInk(x, y);
      if (!found) return false;
    }
    return true;
  };
  QStringList missing;
  if (!horizontal(box.top())) missing << QStringLiteral("top");
  if (!horizontal(box.bottom())) missing << QStringLiteral("bottom");
  if (!vertical(box.left())) missing << QStringLiteral("left");
  if (!vertical(box.right())) missing << QStringLiteral("right");
  // Each edge, crossed at its middle from outside, is one scaled pixel thick
  // and lies on the last device pixels inside the box.
  const int line = std::max(1, qRound(f));
  const int left = qRound(box.left() * f), right = qRound((box.left() + box.width()) * f);
  const int top = qRound(box.top() * f), bottom = qRound((box.top() + box.height()) * f);
  const int midX = (left + right) / 2, midY = (top + bottom) / 2;
  // The pixels from just outside the edge inwards, "#" for ink.
  auto inkAcross = [&](int x, int y, int dx, int dy) {
    QString run;
    for (int i = 0; i < line + 3; ++i) run += isInk(x + i * dx, y + i * dy) ? u'#' : u'.';
    return run;
  };
  const QString expected = QStringLiteral(".") + QString(line, u'#') + QStringLiteral("..");
  if (inkAcross(midX, top - 1, 0, 1) != expected) missing << QStringLiteral("exact top");
  if (inkAcross(midX, bottom, 0, -1) != expected) missing << QStringLiteral("exact bottom");
  if (inkAcross(left - 1, midY, 1, 0) != expected) missing << QStringLiteral("exact left");
  if (inkAcross(right, midY, -1, 0) != expected) missing << QStringLiteral("exact right");
  return missing;
}

int printLayout(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  accessibility::install();
  WindowUnderTest w;
  for (int surface : kSurfaces) {
    const Layout layout = layoutOf(*w.window, surface);
    for (auto it = layout.cbegin(); it != layout.cend(); ++it) {
      std::printf("%s\n", qPrintable(layoutLine(surface, it.key(), it.value())));
    }
  }
  return 0;
}

}  // namespace

class TestHighDpi : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowUnderTest> w;

  static void addSurfaceRows() {
    QTest::addColumn<int>("surface");
    QTest::newRow("strip") << -1;
    QTest::newRow("dynamic stroke page") << 0;
    QTest::newRow("cam timing page") << 1;
    QTest::newRow("compression ratio page") << 2;
  }

 private slots:
  void initTestCase() { qInfo("scale factor %g", scaleFactor()); }
  void init() { w = std::make_unique<WindowUnderTest>(); }
  void cleanup() { w.reset(); }

  void pagesRenderAtTheScaleFactor_data() { addSurfaceRows(); }
  void pagesRenderAtTheScaleFactor() {
    QFETCH(int, surface);
    if (surface >= 0) w->showPage(surface);
    const QPixmap shot = w->window->grab();
    const double f = scaleFactor();
    QCOMPARE(shot.devicePixelRatio(), f);
    QCOMPARE(shot.width(), qRound(w->window->width() * f));
    QCOMPARE(shot.height(), qRound(w->window->height() * f));
    // The window keeps its designed size in device-independent pixels.
    QCOMPARE(w->window->centralWidget()->size(), QSize(462, 522));
  }

  void captionsAreNotClipped_data() { addSurfaceRows(); }
  void captionsAreNotClipped() {
    QFETCH(int, surface);
    int checked = 0;
    for (QWidget* control : controlsOf(*w->window, surface)) {
      QString detail;
      if (auto* label = qobject_cast<QLabel*>(control)) {
        if (label->text().isEmpty()) continue;
        // As laid out: the caption's text fits the label's box...
        const int width = label->contentsRect().width();
        const QSize needed = label->wordWrap() ? QSize(width, label->heightForWidth(label->width()))
                                               : label->sizeHint();
        QVERIFY2(needed.width() <= label->width() && needed.height() <= label->height(),
                 qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                .arg(label->objectName())
                                .arg(needed.width())
                                .arg(needed.height())
                                .arg(label->width())
                                .arg(label->height())));
        // ...no word is wider than a wrapping label...
        if (label->wordWrap()) {
          for (const QString& word : label->text().split(QRegularExpression(QStringLiteral("\\s+")),
                                                         Qt::SkipEmptyParts)) {
            QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= width,
                     qPrintable(label->objectName() + QStringLiteral(": ") + word));
          }
        }
        // ...and as drawn at this factor, every pixel of it is inside.
        QVERIFY2(inkFitsBox(label, &detail), qPrintable(detail));
        ++checked;
      } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QVERIFY2(buttonCaptionFits(button, &detail), qPrintable(detail));
        ++checked;
      }
    }
    QVERIFY(checked > 0);
  }

  // Inside their page, or the client area, and a page's inside the frame
  // drawn around the pages.
  void controlsStayInsideTheirFrame_data() { addSurfaceRows(); }
  void controlsStayInsideTheirFrame() {
    QFETCH(int, surface);
    TabControl* tabs = w->window->tabControl();
    for (QWidget* control : controlsOf(*w->window, surface)) {
      QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
               qPrintable(control->objectName()));
      if (surface >= 0) {
        QVERIFY2(tabs->insideFrame().contains(w->boxInTabControl(control)),
                 qPrintable(control->objectName()));
      }
    }
  }

  // Every outline rectangle shows all four edges at this factor, under the
  // desktop's palette and under a dark one set while the window is open.
  void rectanglesShowFourEdges_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::newRow("Shape3") << 0 << "Shape3";
    QTest::newRow("Shape1") << 0 << "Shape1";
    QTest::newRow("shp_input_2") << 1 << "shp_input_2";
    QTest::newRow("SHP_results_2") << 1 << "SHP_results_2";
    QTest::newRow("Shape2") << 2 << "Shape2";
    QTest::newRow("Shape3, dark palette") << 0 << "Shape3";
    QTest::newRow("Shape2, dark palette") << 2 << "Shape2";
  }
  void rectanglesShowFourEdges() {
    QFETCH(int, page);
    QFETCH(QString, name);
    // A dark palette: light window text on a dark page, 12:1.
    const QPalette desktop = QApplication::palette();
    if (QByteArray(QTest::currentDataTag()).contains("dark")) {
      QApplication::setPalette(QPalette(QColor(53, 53, 53)));
    }
    w->showPage(page);
    QWidget* rectangle = w->find<QWidget>(name.toLatin1().constData());
    const QImage shot = w->window->grab().toImage();
    const QRect box(rectangle->mapTo(w->window.get(), QPoint(0, 0)), rectangle->size());
    const QColor ink = rectangle->parentWidget()->palette().color(QPalette::WindowText);
    const QStringList missing = missingEdges(shot, box, ink, scaleFactor());
    QApplication::setPalette(desktop);
    QVERIFY2(missing.isEmpty(),
             qPrintable(name + QStringLiteral(" has no ") + missing.join(QStringLiteral(", "))));
  }

  void layoutIsTheSameAsAtFactorOne_data() { addSurfaceRows(); }
  void layoutIsTheSameAsAtFactorOne() {
    if (scaleFactor() == 1.0) QSKIP("this is the factor-1 layout");
    QFETCH(int, surface);
    static QString error;
    static const QHash<int, Layout> reference = layoutAtFactorOne(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const Layout expected = reference.value(surface);
    const Layout actual = layoutOf(*w->window, surface);
    QCOMPARE(actual.keys().size(), expected.keys().size());
    QVERIFY(!actual.isEmpty());
    for (auto it = actual.cbegin(); it != actual.cend(); ++it) {
      QVERIFY2(expected.contains(it.key()), qPrintable(it.key()));
      const QRect want = expected.value(it.key());
      const QRect got = it.value();
      // Only a caption's own size may follow the font at this factor, by a pixel or two.
      const int slack = qobject_cast<QLabel*>(w->window->findChild<QWidget*>(it.key())) ? 2 : 0;
      QVERIFY2(qAbs(got.x() - want.x()) <= slack && qAbs(got.y() - want.y()) <= slack &&
                   qAbs(got.width() - want.width()) <= slack &&
                   qAbs(got.height() - want.height()) <= slack,
               qPrintable(layoutLine(surface, it.key(), got) + QStringLiteral(" at factor 1: ") +
                          layoutLine(surface, it.key(), want)));
    }
    // Every two controls keep their order left to right and top to bottom,
    // and those that overlap still do.
    for (auto a = actual.cbegin(); a != actual.cend(); ++a) {
      for (auto b = actual.cbegin(); b != actual.cend(); ++b) {
        if (a.key() >= b.key()) continue;
        const QRect ra = a.value(), rb = b.value();
        const QRect ea = expected.value(a.key()), eb = expected.value(b.key());
        QVERIFY2(order(ra.left(), ra.right(), rb.left(), rb.right()) ==
                         order(ea.left(), ea.right(), eb.left(), eb.right()) &&
                     order(ra.top(), ra.bottom(), rb.top(), rb.bottom()) ==
                         order(ea.top(), ea.bottom(), eb.top(), eb.bottom()),
                 qPrintable(a.key() + QStringLiteral(" against ") + b.key()));
      }
    }
  }
};

int main(int argc, char** argv) {
  if (argc > 1 && qstrcmp(argv[1], kPrintLayout) == 0) return printLayout(1, argv);
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  accessibility::install();
  TestHighDpi test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_high_dpi.moc"
