#pragma once

#include "app/pagetree.h"
#include "pages/kit/pagespec.h"

#include <QSet>
#include <QStringList>

#include <vector>

// What the page lint reads: the declarations, the window's tree, the input tables and the
// controls the window has outside the pages.
struct LintInput {
    std::vector<kit::Page> pages;
    std::vector<PageNode> tree;
    QSet<QString> tables;
    QSet<QString> windowControls;
};

// Every fault of the declarations, one line each: a page or control declared twice, a page
// without a tab or a tab without a page, and a name used by a kind, check, reading or action
// that nothing declares.
QStringList lintPages(const LintInput& input);
