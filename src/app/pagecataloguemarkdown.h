#pragma once

#include <QString>

#include <vector>

struct PageNode;

// The catalogue of every page of the tree, as Markdown: for each page its caption, object name,
// description, service paths with how each request travels, and the keys of Dados with the
// control each comes from and its value kind in words. The same text the pages' "Sobre esta
// página" panels show, for scripters and documentation.
QString pageCatalogueMarkdown(const std::vector<PageNode>& tree);
