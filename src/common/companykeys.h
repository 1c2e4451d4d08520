#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The 14 company keys shared with the middleware. Key 1 to 13 belong to company codes 1 to
// 13; key 0 serves code 0 and every code outside 1 to 13. The development keys are built in;
// production keys replace them from a key file (14 lines of 64 characters).
class CompanyKeys {
public:
    static constexpr int kCount = 14;
    static constexpr int kKeyLength = 64;
    // Name of the key file looked for beside the executable.
    static QString defaultFileName() { return QStringLiteral("chaves-empresas.txt"); }

    // Replaces the keys with those of the file. A malformed file is refused with a message
    // that names the file and the line, never a key; the keys in use stay as they were.
    // Only a regular file of at most 64 KiB is read. A file that others can read is used, with a
    // warning (permissionWarning, and once per file on standard error).
    static void loadFile(const QString& path);
    // The warning about the loaded key file's permissions; empty when there is none.
    static QString permissionWarning();
    // Loads the key file beside the executable when there is one; returns whether it did.
    static bool loadBesideExecutable(const QString& applicationDir);
    // Back to the built-in development keys.
    static void useDevelopmentKeys();
    static bool usingDevelopmentKeys();
};

// The company key of a company code, 64 single-byte characters.
QByteArray RetSenInt(int32_t companyCode);
// MD5 of the signed text (one byte per character) followed by the company key.
QString MD5_WS(int32_t companyCode, const QByteArray& signedText);
