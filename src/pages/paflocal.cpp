// The local PAF-ECF API page.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> pafLocalPages() {
    return {};
}
