// The settings file the window and the CLI share, as any editor may have left it: every
// environment in it is listed and read (passwords from a keyring of the target's own), and
// one written back is read again with the same values.
#include "exchange/environments.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <map>

namespace {

class MemoryKeyring : public Keyring {
public:
    std::optional<QString> read(const QString& key, bool*) override {
        const auto it = m_kept.find(key);
        return it == m_kept.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool write(const QString& key, const QString& password) override {
        m_kept[key] = password;
        return true;
    }
    void remove(const QString& key) override { m_kept.erase(key); }

private:
    std::map<QString, QString> m_kept;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("testador.ini"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QSettings settings(path, QSettings::IniFormat);
    Environments environments(settings, std::make_unique<MemoryKeyring>());
    for (const QString& name : environments.names()) {
        const std::optional<Environment> e = environments.get(name);
        if (!e)
            continue;
        Environment copy = *e;
        copy.name = QStringLiteral("cópia");
        environments.save(copy);
        const std::optional<Environment> back = environments.get(copy.name);
        if (!back || back->server != copy.server || back->companyCode != copy.companyCode ||
            back->user != copy.user || back->timeoutSeconds != copy.timeoutSeconds ||
            back->production != copy.production)
            std::abort();
        environments.remove(copy.name);
    }
    (void)environments.last();
    return 0;
}
