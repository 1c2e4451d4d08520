// The import files of the batch pages and the text conversions of their lines: a file read by
// the text rule, split into lines, each line read into the numbering-range table and into the
// regeneration numbers table.
#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tjsonutil.h"
#include "pages/nfecommon.h"
#include "tables/tdmprincipal.h"

#include <QByteArray>

#include <cstdint>
#include <utility>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static TdmPrincipal tables;
    MemTable& ranges = tables.table(QStringLiteral("vt_InutilizaSEFAZFaixas"));
    MemTable& numbers = tables.table(QStringLiteral("vt_RegerarXMLSefazNumeros"));
    const QString text =
        decodeText(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    ranges.removeAll();
    numbers.removeAll();
    for (const QString& line : splitLines(text)) {
        // Both grid imports: the ranges of a disablement and the numbers of a regeneration.
        for (auto [table, import] : {std::pair{&ranges, &nfe::importRangeLine},
                                     std::pair{&numbers, &nfe::importNumberLine}}) {
            try {
                table->append();
                import(line, *table);
                table->post();
            } catch (const Exception&) {
                table->cancel();
            }
        }
        (void)regional::tryStrToDateTime(line);
        (void)regional::Currency::tryFromText(line);
        (void)regional::tryStrToInt64(line);
        try {
            (void)XMLDate2DateTime(line);
        } catch (const Exception&) {
        }
        (void)escapeControls(line.toUtf8());
    }
    return 0;
}
