#include "app/pagecataloguemarkdown.h"

#include "app/pagetree.h"
#include "pages/kit/pagecatalogue.h"
#include "pages/registry.h"

using namespace Qt::StringLiterals;

namespace {

// A table cell: pipes escaped, on one line.
QString cell(QString text) {
    return text.replace(u'|', u"\\|"_s).replace(u'\n', u' ');
}

void write(const PageNode& node, int depth, QString& out) {
    if (!node.isLeaf()) {
        out += u"\n%1 %2\n"_s.arg(QString(qMin(depth, 4), u'#'), node.caption);
        for (const PageNode& child : node.children)
            write(child, depth + 1, out);
        return;
    }
    const auto& pages = declaredPages();
    const auto it = pages.find(node.objectName);
    if (it == pages.end())
        return;
    const kit::PageCatalogue c = kit::catalogueOf(it->second);
    out += u"\n%1 %2\n\n"_s.arg(QString(qMin(depth, 5), u'#'), node.caption);
    if (node.caption != node.objectName)
        out += u"Página `%1`. "_s.arg(node.objectName);
    out += c.description + u"\n\n"_s;
    for (const kit::CatalogueService& s : c.services) {
        out += u"- `%1`"_s.arg(s.path);
        if (!s.button.isEmpty())
            out += u" (botão “%1”)"_s.arg(s.button);
        out += u": %1"_s.arg(s.travel);
        if (!s.dados.isEmpty())
            out += u"; Dados: %1"_s.arg(s.dados);
        out += u'\n';
    }
    if (c.keys.empty())
        return;
    out += u"\n| Chave | Controle | Valor enviado |\n|---|---|---|\n"_s;
    for (const kit::CatalogueKey& k : c.keys)
        out += u"| `%1` | %2 (%3, `%4`) | %5 |\n"_s.arg(k.key, cell(k.label), k.widget, k.control,
                                                        cell(k.kind));
}

} // namespace

QString pageCatalogueMarkdown(const std::vector<PageNode>& tree) {
    QString out = u"# Catálogo de serviços\n"_s;
    for (const PageNode& group : tree)
        write(group, 2, out);
    return out;
}
