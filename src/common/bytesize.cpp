#include "common/bytesize.h"

QString formatByteSize(qint64 bytes) {
    static const char* const units[] = {"KB", "MB", "GB", "TB"};
    if (bytes < 1024)
        return QStringLiteral("%1 B").arg(bytes);
    double value = double(bytes);
    int unit = -1;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    return QStringLiteral("%1 %2").arg(QString::number(value, 'f', 1).replace(u'.', u','),
                                       QLatin1String(units[unit]));
}
