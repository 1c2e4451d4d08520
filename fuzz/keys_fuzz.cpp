// The company key file: any content is either a key table or refused with a message that
// names no key.
#include "common/companykeys.h"
#include "common/exception.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const QTemporaryDir work;
    const QString path = work.filePath(QStringLiteral("chaves-empresas.txt"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        f.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    try {
        CompanyKeys::loadFile(path);
        if (RetSenInt(0).size() != CompanyKeys::kKeyLength)
            std::abort();
    } catch (const Exception& e) {
        // A refusal never repeats a key-sized line of the file.
        const QByteArray message = e.message().toUtf8();
        for (QByteArray line :
             QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\n')) {
            if (line.endsWith('\r'))
                line.chop(1);
            if (line.size() == CompanyKeys::kKeyLength && message.contains(line))
                std::abort();
        }
    }
    CompanyKeys::useDevelopmentKeys();
    return 0;
}
