#include "pages/registry.h"

#include <iterator>

namespace {

using Source = std::vector<kit::Page> (*)();

// Every source of declarations, in order: a name declared twice keeps its first declaration
// (the page lint refuses the second). The window's first page comes from the first source.
constexpr Source kSources[] = {conexaoPages,
                               middlewarePages,
                               sslPages,
                               sslLocalPages,
                               nfeLocalPages,
                               genericPages,
                               nfePages,
                               nfeNumeracaoPages,
                               nfeGuardaPages,
                               commercePages,
                               commerceDevolucaoPages,
                               commerceOrderPages,
                               commercePersistPages,
                               commerceQuotationPages,
                               commerceLocalPages,
                               impressoraPages,
                               ctePages,
                               mdfePages,
                               pafPages,
                               pafRegistrosPages,
                               pafBlocoXPages,
                               pafLocalPages};

// The declarations made so far, a source at a time: a declaration costs its widgets' worth of
// memory, and the window shows one page at start-up. Map nodes never move, so a page handed
// out stays where it is while later sources come in.
struct Declared {
    std::map<QString, kit::Page> byName;
    std::size_t sourcesDone = 0;

    // Declares the pages of the next source; false when every source is in.
    bool declareNext() {
        if (sourcesDone == std::size(kSources))
            return false;
        for (kit::Page& p : kSources[sourcesDone]())
            byName.emplace(p.name, std::move(p));
        ++sourcesDone;
        return true;
    }
};

Declared& declared() {
    static Declared pages;
    return pages;
}

} // namespace

std::vector<kit::Page> allDeclaredPages() {
    std::vector<kit::Page> all;
    for (Source source : kSources)
        std::ranges::move(source(), std::back_inserter(all));
    return all;
}

const kit::Page* declaredPage(const QString& name) {
    Declared& d = declared();
    do {
        if (const auto it = d.byName.find(name); it != d.byName.end())
            return &it->second;
    } while (d.declareNext());
    return nullptr;
}

const std::map<QString, kit::Page>& declaredPages() {
    Declared& d = declared();
    while (d.declareNext()) {
    }
    return d.byName;
}
