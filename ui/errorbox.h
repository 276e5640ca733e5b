#pragma once

#include "model/error.h"

#include <QString>
#include <exception>
#include <functional>
#include <utility>

class QWidget;

namespace vkt::ui {

// The error box: a modal message box with the error icon, the application
// title as caption and the message with its full stop (boxMessage).
void showErrorBox(QWidget *parent, const QString &message);

// Replaces the error box by another presenter (tests record the messages
// instead of opening a modal box). An empty function restores the box.
// The presenter receives the text as the box would show it.
using ErrorPresenter = std::function<void(QWidget *parent, const QString &text)>;
void setErrorPresenter(ErrorPresenter presenter);

// Runs one step that a widget event starts (a write into the model, a rule, a
// command) and stops any failure there: the error box shows it and the
// program goes on. No exception ever leaves an event handler of the window.
// Returns whether the step ran to its end.
template <class F>
bool guarded(QWidget *parent, F &&step) noexcept
{
    try {
        std::forward<F>(step)();
        return true;
    } catch (const vkt::Error &e) {
        showErrorBox(parent, e.message());
    } catch (const std::exception &e) {
        showErrorBox(parent, QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showErrorBox(parent, QStringLiteral("Ismeretlen hiba"));
    }
    return false;
}

} // namespace vkt::ui
