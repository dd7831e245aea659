#include "pages/compression_page.h"

#include <QLineEdit>

#include "pages/shell.h"

CompressionPage::CompressionPage(Shell& shell, const QLineEdit* crankStroke,
                                 const QLineEdit* dynamicStroke, QWidget* parent)
    : QWidget(parent), shell_(shell), crankStroke_(crankStroke), dynamicStroke_(dynamicStroke) {}

QList<QWidget*> CompressionPage::focusOrder() const { return {}; }
