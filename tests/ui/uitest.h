#pragma once

// Shared pieces of the window tests: a return in its start-up state with the
// Hungarian regional settings, and a recorder that takes the place of the
// modal error box.

#include "model/returnmodel.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QDialog;
class QWidget;

namespace uitest {

std::unique_ptr<vkt::ReturnModel> newReturn();

// While it lives, error boxes are recorded instead of shown.
class ErrorRecorder {
public:
    ErrorRecorder();
    ~ErrorRecorder();
    QStringList messages;
};

// The text with blanks for the non-breaking thousands separator (readable test data).
QString spaced(const QString &text);
// The text with the thousands separator for the blanks.
QString grouped(const QString &text);

// Runs `act` on the modal dialog once it is up (the caller then opens it).
void whenModal(std::function<void(QDialog *)> act);

} // namespace uitest
