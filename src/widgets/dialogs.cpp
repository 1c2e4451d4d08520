#include "widgets/dialogs.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>

namespace {

QPointer<QWidget>& parentWindow() {
    static QPointer<QWidget> parent;
    return parent;
}

class QtDialogs : public Dialogs {
public:
    void message(const QString& text, Kind kind) override {
        const QString title = QStringLiteral("Testador QuorvaMiddlewareService");
        switch (kind) {
        case Kind::Information:
            QMessageBox::information(parentWindow(), title, text);
            break;
        case Kind::Warning:
            QMessageBox::warning(parentWindow(), title, text);
            break;
        case Kind::Error:
            QMessageBox::critical(parentWindow(), title, text);
            break;
        }
    }
    bool confirm(const QString& text) override {
        return QMessageBox::question(parentWindow(), QStringLiteral("Confirmação"), text,
                                     QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    bool confirmOrOptOut(const QString& text, const QString& optOut, bool& optedOut) override {
        QMessageBox box(QMessageBox::Question, QStringLiteral("Confirmação"), text,
                        QMessageBox::Yes | QMessageBox::No, parentWindow());
        auto* tick = new QCheckBox(optOut, &box);
        box.setCheckBox(tick);
        const bool yes = box.exec() == QMessageBox::Yes;
        optedOut = tick->isChecked();
        return yes;
    }
    QString openFile(const QString& title, const QString& filter,
                     const QString& startPath) override {
        return QFileDialog::getOpenFileName(parentWindow(), title, startPath, filter);
    }
    QString saveFile(const QString& title, const QString& filter,
                     const QString& startPath) override {
        return QFileDialog::getSaveFileName(parentWindow(), title, startPath, filter);
    }
    QString folder(const QString& title, const QString& startPath) override {
        return QFileDialog::getExistingDirectory(parentWindow(), title, startPath);
    }
};

std::unique_ptr<Dialogs>& current() {
    static std::unique_ptr<Dialogs> dialogs = std::make_unique<QtDialogs>();
    return dialogs;
}

} // namespace

Dialogs& dialogs() {
    return *current();
}

void setDialogs(std::unique_ptr<Dialogs> replacement) {
    current() = replacement ? std::move(replacement) : std::make_unique<QtDialogs>();
}

void setDialogParent(QWidget* parent) {
    parentWindow() = parent;
}
