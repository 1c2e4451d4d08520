// The local commerce API pages: bank slips, e-mail, CNPJ and CPF lookups and DAV printing.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> commerceLocalPages() {
    return {};
}
