#pragma once

#include <QString>

#include <memory>
#include <optional>

// Where passwords are kept: the system's keyring, or a stand-in in tests.
class Keyring {
public:
    virtual ~Keyring() = default;
    // The password under the key; nullopt when there is none. When the keyring itself cannot be
    // used, *unavailable is set (and nullopt returned).
    virtual std::optional<QString> read(const QString& key, bool* unavailable) = 0;
    // false when the keyring cannot be used.
    virtual bool write(const QString& key, const QString& password) = 0;
    virtual void remove(const QString& key) = 0;
};

// The system's keyring, under this program's service name. Each call waits for the keyring.
std::unique_ptr<Keyring> systemKeyring();
