#pragma once

#include <QString>

#include <memory>

class QWidget;

// Every message box and file dialog of the program goes through here, so tests can answer
// and record them.
class Dialogs {
public:
    enum class Kind { Information, Warning, Error };
    virtual ~Dialogs() = default;
    virtual void message(const QString& text, Kind kind) = 0;
    // A yes/no question captioned "Confirmação"; true for yes.
    virtual bool confirm(const QString& text) = 0;
    // confirm() with a box to tick ("não perguntar de novo nesta sessão"); optedOut tells
    // whether it was ticked.
    virtual bool confirmOrOptOut(const QString& text, const QString& optOut, bool& optedOut) {
        optedOut = false;
        (void)optOut;
        return confirm(text);
    }
    // Empty when the user cancels.
    virtual QString openFile(const QString& title, const QString& filter,
                             const QString& startPath) = 0;
    virtual QString saveFile(const QString& title, const QString& filter,
                             const QString& startPath) = 0;
    virtual QString folder(const QString& title, const QString& startPath) = 0;
};

// The dialogs in use: real ones unless a test replaced them.
Dialogs& dialogs();
// Replaces the dialogs (tests); nullptr goes back to the real ones.
void setDialogs(std::unique_ptr<Dialogs> replacement);
// The window real dialogs are shown over.
void setDialogParent(QWidget* parent);
