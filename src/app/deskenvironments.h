#pragma once

#include "exchange/environments.h"

#include <QObject>
#include <QSet>

#include <memory>

class QComboBox;
class QLabel;
class TfrmPrincipal;

// The window's environments: the list "Ambiente" beside the server, its menu ("Salvar no
// ambiente", "Gerenciar ambientes…"), the bar of a production environment and the question
// before each of its actions, and the mark beside the server of an environment whose server
// certificate is not checked.
class DeskEnvironments : public QObject {
    Q_OBJECT
public:
    DeskEnvironments(TfrmPrincipal& window, std::unique_ptr<Environments> environments);
    ~DeskEnvironments() override;

    Environments& environments() { return *m_environments; }
    // Fills the window's fields from the environment and makes it the current one.
    void choose(const QString& name);
    const QString& current() const { return m_current; }
    // The window's server, company code and time-out into the current environment.
    void saveIntoCurrent();
    void manage();
    // The names again (after the manager changed them).
    void reloadNames();

private:
    void beforeSending(const QString& path);
    // The mark beside the server address while the server's certificate is not checked.
    void showInsecureMark(bool shown);

    TfrmPrincipal& m_window;
    std::unique_ptr<Environments> m_environments;
    QString m_current;
    bool m_production = false;
    QSet<QString> m_notAsked; // production environments the user asked not to be asked about
    QComboBox* m_list;
    QLabel* m_bar;
    QLabel* m_insecureMark = nullptr; // made the first time it shows
};
