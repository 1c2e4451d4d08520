#include "pagelint.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

void collectLeaves(const std::vector<PageNode>& nodes, QStringList& leaves) {
    for (const PageNode& n : nodes) {
        if (n.isLeaf())
            leaves << n.objectName;
        collectLeaves(n.children, leaves);
    }
}

QStringList usedBy(const kit::Action& a) {
    QStringList names = a.uses;
    for (const kit::Check& c : a.checks)
        names << c.names;
    names << a.dados.names << a.reading.names;
    return names;
}

} // namespace

QStringList lintPages(const LintInput& input) {
    QStringList faults;
    QHash<QString, QString> owner; // control -> page
    QSet<QString> pageNames;
    for (const kit::Page& page : input.pages) {
        if (pageNames.contains(page.name))
            faults << u"página declarada duas vezes: %1"_s.arg(page.name);
        pageNames.insert(page.name);
        if (page.description.trimmed().isEmpty())
            faults << u"página sem descrição: %1"_s.arg(page.name);
        auto declare = [&](const QString& name) {
            if (name.isEmpty())
                return;
            if (owner.contains(name))
                faults << u"controle %1 declarado em %2 e em %3"_s.arg(name, owner.value(name),
                                                                       page.name);
            else if (input.windowControls.contains(name))
                faults << u"controle %1 de %2 repete um controle da janela"_s.arg(name, page.name);
            owner.insert(name, page.name);
        };
        kit::forEachControl(page.controls, [&](const kit::Control& c) {
            declare(c.name);
            declare(c.buddyButton);
            declare(c.navigator);
        });
    }

    QStringList leaves;
    collectLeaves(input.tree, leaves);
    for (const QString& leaf : leaves)
        if (!pageNames.contains(leaf))
            faults << u"aba sem página: %1"_s.arg(leaf);
    for (const QString& name : pageNames)
        if (!leaves.contains(name))
            faults << u"página sem aba: %1"_s.arg(name);

    auto known = [&](const QString& name) {
        return owner.contains(name) || input.windowControls.contains(name) ||
               input.tables.contains(name) || pageNames.contains(name);
    };
    for (const kit::Page& page : input.pages) {
        auto check = [&](const QStringList& names, const QString& where) {
            for (const QString& n : names)
                if (!known(n))
                    faults << u"%1: %2 usa %3, que não existe"_s.arg(page.name, where, n);
        };
        kit::forEachControl(page.controls, [&](const kit::Control& c) {
            check(c.kind.names, u"o valor de %1"_s.arg(c.name));
            if (!c.table.isEmpty())
                check({c.table}, c.name);
            if (c.action)
                check(usedBy(*c.action), c.name);
            if (c.buddyAction)
                check(usedBy(*c.buddyAction), c.buddyButton);
        });
    }
    return faults;
}
