// The commerce API pages of sales, parameters, transactions, returns, imports, back-office and
// terminals.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> commercePages() {
    return {};
}
