#pragma once

#include "kit/pagespec.h"

#include <QString>

#include <map>
#include <vector>

// The declared pages of each API class.
std::vector<kit::Page> conexaoPages();

// Every declared page by its tab's object name.
const std::map<QString, kit::Page>& declaredPages();
