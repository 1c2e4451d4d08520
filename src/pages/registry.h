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

// Every declared page by its tab's object name.
const std::map<QString, kit::Page>& declaredPages();
