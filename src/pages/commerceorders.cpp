// The commerce API pages of bank titles, CNAB files, transfer and separation notes, partners, DAV,
// e-commerce and quotations.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> commerceOrderPages() {
    return {};
}
