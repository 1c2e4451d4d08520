// Writes the catalogue of every page, read from the same declarations the window builds its
// pages and help from, as a C++ source that gives the command-line companion its text: the
// companion links no widget, so it carries the catalogue made at build time.
// Usage: catalogue-gen OUTPUT.cpp
#include "app/pagetree.h"
#include "common/filehelpers.h"
#include "pages/kit/pagecatalogue.h"
#include "pages/registry.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void add(const PageNode& node, const QStringList& groups, QJsonArray& pages) {
    if (!node.isLeaf()) {
        const QStringList inner = groups + QStringList{node.caption};
        for (const PageNode& child : node.children)
            add(child, inner, pages);
        return;
    }
    const auto& declared = declaredPages();
    const auto it = declared.find(node.objectName);
    if (it == declared.end())
        return;
    const kit::PageCatalogue c = kit::catalogueOf(it->second);
    QJsonArray services;
    for (const kit::CatalogueService& s : c.services)
        services.append(QJsonObject{{QStringLiteral("caminho"), s.path},
                                    {QStringLiteral("botao"), s.button},
                                    {QStringLiteral("envio"), s.travel},
                                    {QStringLiteral("dados"), s.dados}});
    QJsonArray keys;
    for (const kit::CatalogueKey& k : c.keys)
        keys.append(QJsonObject{{QStringLiteral("chave"), k.key},
                                {QStringLiteral("controle"), k.control},
                                {QStringLiteral("rotulo"), k.label},
                                {QStringLiteral("tipo_controle"), k.widget},
                                {QStringLiteral("valor"), k.kind}});
    pages.append(QJsonObject{{QStringLiteral("pagina"), node.objectName},
                             {QStringLiteral("titulo"), node.caption},
                             {QStringLiteral("grupo"), groups.join(QStringLiteral(" / "))},
                             {QStringLiteral("descricao"), c.description},
                             {QStringLiteral("servicos"), services},
                             {QStringLiteral("chaves"), keys}});
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "uso: catalogue-gen SAIDA.cpp\n");
        return 2;
    }
    QJsonArray pages;
    for (const PageNode& group : pageTree())
        add(group, {}, pages);
    const QByteArray json = QJsonDocument(pages).toJson(QJsonDocument::Compact);
    QByteArray source = "// Made by catalogue-gen from the page declarations; not edited by hand.\n"
                        "extern const unsigned char kServiceCatalogueJson[];\n"
                        "const unsigned char kServiceCatalogueJson[] = {\n";
    for (qsizetype i = 0; i < json.size(); ++i)
        source += QByteArray::number(int(static_cast<unsigned char>(json[i]))) +
                  (i % 24 == 23 ? ",\n" : ",");
    source += "0};\n";
    try {
        writeFileWhole(QString::fromLocal8Bit(argv[1]), source);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "catalogue-gen: %s\n", e.what());
        return 1;
    }
    return 0;
}
