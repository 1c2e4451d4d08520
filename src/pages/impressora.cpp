// The non-fiscal printer API pages.
#include "pages/kit/pagecontext.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;
using namespace kit;

std::vector<Page> impressoraPages() {
    return {};
}
