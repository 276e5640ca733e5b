#pragma once

#include <QString>

namespace vkt {

// The two modal dialogs that commands use, behind an interface so that the
// desktop program answers them from its windows and the batch tool from the
// script.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // PromptDialog(caption, prompt, text): the entry starts with text. Returns
    // true after "OK" and sets text to the entry; false after "Mégsem", Esc or
    // the close box, leaving text unchanged. At most 255 characters.
    virtual bool prompt(const QString &caption, const QString &label, QString &text) = 0;
    // NoticeDialog: caption "Információ", the message, one "OK" button.
    virtual void notice(const QString &message) = 0;
};

} // namespace vkt
