#include "pages/registry.h"

std::vector<kit::Page> allDeclaredPages() {
    std::vector<kit::Page> all;
    for (auto&& source : {conexaoPages(),
                          middlewarePages(),
                          sslPages(),
                          sslLocalPages(),
                          nfeLocalPages(),
                          genericPages(),
                          nfePages(),
                          nfeNumeracaoPages(),
                          nfeGuardaPages(),
                          commercePages(),
                          commerceDevolucaoPages(),
                          commerceOrderPages(),
                          commercePersistPages(),
                          commerceQuotationPages(),
                          commerceLocalPages(),
                          impressoraPages(),
                          ctePages(),
                          mdfePages(),
                          pafPages(),
                          pafRegistrosPages(),
                          pafBlocoXPages(),
                          pafLocalPages()})
        all.insert(all.end(), source.begin(), source.end());
    return all;
}

const std::map<QString, kit::Page>& declaredPages() {
    // A page declared twice keeps its first declaration; the page lint refuses the second.
    static const std::map<QString, kit::Page> pages = [] {
        std::map<QString, kit::Page> byName;
        for (kit::Page& p : allDeclaredPages())
            byName.emplace(p.name, std::move(p));
        return byName;
    }();
    return pages;
}
