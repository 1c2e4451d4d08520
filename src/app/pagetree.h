#pragma once

#include <QString>

#include <vector>

// One tab of the window's tree: an API group, a service page, or a service page that holds
// a page set of its own.
struct PageNode {
    QString objectName; // the tab's name (ts_...)
    QString caption;    // the text on the tab
    QString pageSet;    // the inner page set's name (pc_...), empty for a leaf
    QString firstShown; // the inner tab shown first
    std::vector<PageNode> children;

    bool isLeaf() const { return pageSet.isEmpty(); }
};

const std::vector<PageNode>& pageTree();
