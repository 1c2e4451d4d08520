#pragma once

#include <QDialog>

class DeskEnvironments;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QSpinBox;

// "Gerenciar ambientes…": the environments listed, the chosen one's fields beside (its HTTPS
// among them), and add, rename, duplicate, remove. Each change is saved at once. Switching the
// check of the server's certificate off in a production environment is asked first.
class EnvironmentManager : public QDialog {
    Q_OBJECT
public:
    EnvironmentManager(DeskEnvironments& desk, QWidget* parent);

    // The operations behind the buttons, with the name already asked.
    void add(const QString& name);
    void rename(const QString& to);
    void duplicate(const QString& to);
    void removeChosen();
    void saveChosen();
    QListWidget* list() const { return m_list; }

private:
    void fill();
    void showChosen();
    QString askName(const QString& title, const QString& start);
    QString chosen() const;

    DeskEnvironments& m_desk;
    QListWidget* m_list;
    QLineEdit* m_server;
    QLineEdit* m_company;
    QLineEdit* m_user;
    QLineEdit* m_password;
    QLineEdit* m_keys;
    QSpinBox* m_timeout;
    QCheckBox* m_production;
    QLineEdit* m_authority;
    QLineEdit* m_certificate;
    QLineEdit* m_key;
    QLineEdit* m_certificatePassword;
    QCheckBox* m_insecure;
};
