// A page's saved values as a file may hold them after an edit by hand or a copy from another
// machine: every name is listed and read; one put back is read again.
#include "pages/kit/pagepresets.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool testMode = [] {
        QStandardPaths::setTestModeEnabled(true);
        return true;
    }();
    (void)testMode;
    kit::PagePresets presets(QStringLiteral("ts_Fuzz"));
    QDir().mkpath(QFileInfo(presets.file()).absolutePath());
    {
        QFile f(presets.file());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        for (const QString& name : presets.names()) {
            const std::optional<QJsonObject> values = presets.get(name);
            if (!values)
                continue;
            presets.put(QStringLiteral("cópia"), *values);
            if (presets.get(QStringLiteral("cópia")) != values)
                std::abort();
            presets.remove(QStringLiteral("cópia"));
        }
    } catch (const std::exception&) {
        // a file that cannot be written is said so, as a message
    }
    return 0;
}
