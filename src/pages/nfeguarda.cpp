// The NF-e API pages of storage, NFS-e, printing, events, distribution and manifest.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> nfeGuardaPages() {
    return {};
}
