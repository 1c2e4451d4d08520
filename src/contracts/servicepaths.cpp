#include "contracts/servicepaths.h"

#include "contracts/enumkit.h"

#include <cstring>

QStringList servicePaths() {
    // The service enumerations are those whose type names start so; the rest names the class.
    static constexpr char prefix[] = "TEnumServicos_";
    QStringList paths;
    for (const enumkit::EnumInfo* e : enumkit::all()) {
        if (std::strncmp(e->typeName, prefix, sizeof prefix - 1) != 0)
            continue;
        const QString apiClass = QString::fromLatin1(e->typeName + sizeof prefix - 1);
        const enumkit::Column& codes = e->columns.front();
        for (std::size_t i = 1; i < codes.cells.size(); ++i)
            paths << apiClass + u'/' + QString::fromLatin1(codes.cells[i].value);
    }
    return paths;
}
