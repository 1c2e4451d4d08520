#include "pages/registry.h"

const std::map<QString, kit::Page>& declaredPages() {
    static const std::map<QString, kit::Page> pages = [] {
        std::map<QString, kit::Page> all;
        for (auto&& source : {conexaoPages(), middlewarePages(), sslPages(), sslLocalPages(),
                              nfeLocalPages(), genericPages(), nfePages(), nfeNumeracaoPages()})
            for (const kit::Page& p : source)
                all.emplace(p.name, p);
        return all;
    }();
    return pages;
}
