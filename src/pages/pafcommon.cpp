#include "pages/pafcommon.h"

#include "common/texthelpers.h"
#include "pages/kit/pagecontext.h"
#include "widgets/pageroutines.h"

#include <limits>

using namespace Qt::StringLiterals;

using namespace kit;

namespace paf {

Reading savedFile(const QString& method, const QString& compressCheck,
                  const QString& uncompressedExtension) {
    return {[=](PageContext& page, const HttpAnswer& answer) {
                ResultDecodeBase64(
                    method, iif(page.checked(compressCheck), u"zip"_s, uncompressedExtension),
                    answer.body);
            },
            {compressCheck}};
}

Control comprimirRetorno(const QString& name) {
    return check(name, u"Comprimir Retorno"_s, true)
        .sends(u"ArquivoCompactado"_s, kinds::boolean());
}

Control unboundedSpin(const QString& name, const QString& label, int value) {
    return spin(name, label, value, std::numeric_limits<int>::min(),
                std::numeric_limits<int>::max());
}

} // namespace paf
