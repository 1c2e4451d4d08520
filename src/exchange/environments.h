#pragma once

#include "exchange/keyring.h"
#include "exchange/tls.h"

#include <QString>
#include <QStringList>

#include <map>
#include <optional>

class QSettings;

// A named place to test against: the server, the company, the HTTP credentials, the company
// keys, the time-out and how its HTTPS is spoken.
struct Environment {
    QString name;
    QString server; // base URL, ending in "/"
    QString companyCode;
    QString user;     // HTTP user; empty: the company code's own credentials
    QString password; // kept in the keyring only
    QString keysFile; // company keys; empty: the ones loaded at start
    int timeoutSeconds = 0;
    bool production = false; // every action but the session request and the test is confirmed
    TlsSettings tls;
    QString clientPassword; // of the client certificate; kept in the keyring only
};

// The environments in the settings file ("ambientes/…"), their passwords in the keyring. When
// no keyring can be used, passwords are kept for this session only and notice() says so once.
class Environments {
public:
    Environments(QSettings& settings, std::unique_ptr<Keyring> keyring);
    ~Environments();

    QStringList names() const;
    // With its password; nullopt for an unknown name.
    std::optional<Environment> get(const QString& name);
    // Writes (or replaces) it under its name.
    void save(const Environment& environment);
    // false when the new name is blank or taken.
    bool rename(const QString& from, const QString& to);
    bool duplicate(const QString& from, const QString& to);
    void remove(const QString& name);
    // The one chosen last (empty when none).
    QString last() const;
    void setLast(const QString& name);
    // The message about the keyring, the first time it applies; empty afterwards.
    QString takeNotice();

private:
    QString readPassword(const QString& key);
    void writePassword(const QString& key, const QString& password);
    void removePassword(const QString& key);
    void keyringMissing();

    QSettings& m_settings;
    std::unique_ptr<Keyring> m_keyring;
    bool m_keyringMissing = false;
    bool m_noticeGiven = false;
    QString m_notice;
    std::map<QString, QString> m_sessionPasswords; // by keyring key, when there is no keyring
};
