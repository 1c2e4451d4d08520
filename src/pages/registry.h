#pragma once

#include "pages/kit/pagespec.h"

#include <QString>

#include <map>
#include <vector>

// The declared pages of each API class.
std::vector<kit::Page> conexaoPages();
std::vector<kit::Page> middlewarePages();
std::vector<kit::Page> sslPages();
std::vector<kit::Page> sslLocalPages();
std::vector<kit::Page> nfeLocalPages();
std::vector<kit::Page> genericPages();
std::vector<kit::Page> nfePages();
std::vector<kit::Page> nfeNumeracaoPages();
std::vector<kit::Page> commercePages();
std::vector<kit::Page> commerceDevolucaoPages();
std::vector<kit::Page> commerceOrderPages();
std::vector<kit::Page> commercePersistPages();
std::vector<kit::Page> commerceQuotationPages();
std::vector<kit::Page> commerceLocalPages();
std::vector<kit::Page> impressoraPages();
std::vector<kit::Page> nfeGuardaPages();
std::vector<kit::Page> ctePages();
std::vector<kit::Page> mdfePages();
std::vector<kit::Page> pafPages();
std::vector<kit::Page> pafRegistrosPages();
std::vector<kit::Page> pafBlocoXPages();
std::vector<kit::Page> pafLocalPages();

// Every declaration, in the order the sources give them (duplicates included).
std::vector<kit::Page> allDeclaredPages();
// The declared page with this tab's object name, nullptr when none is; only the sources up to
// the one that declares it are made (GUI thread only, as the next).
const kit::Page* declaredPage(const QString& name);
// Every declared page by its tab's object name.
const std::map<QString, kit::Page>& declaredPages();
