#pragma once

#include <QString>

// A size as people read it, with the decimal comma: "512 B", "1,5 KB", "37,5 MB", "1,2 GB".
QString formatByteSize(qint64 bytes);
