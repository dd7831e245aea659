#include "pages/cam_timing_page.h"

#include <QLineEdit>

#include "pages/shell.h"

CamTimingPage::CamTimingPage(Shell& shell, QLineEdit* closingAngleTarget, QLineEdit* durationInUse,
                             QWidget* parent)
    : QWidget(parent),
      shell_(shell),
      closingAngleTarget_(closingAngleTarget),
      durationInUse_(durationInUse) {}

QList<QWidget*> CamTimingPage::focusOrder() const { return {}; }
