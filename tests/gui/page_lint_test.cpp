#include "pagelint.h"

#include "app/tfrmprincipal.h"
#include "pages/kit/fiscalreadings.h"
#include "pages/registry.h"
#include "tables/memtable.h"
#include "tables/tdmprincipal.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace kit;

namespace {

// The declarations as the window uses them, with the window's own controls and tables.
LintInput realInput() {
    LintInput in;
    in.pages = allDeclaredPages();
    in.tree = pageTree();
    TdmPrincipal dm;
    for (const MemTable* t : dm.tables())
        in.tables.insert(t->objectName());
    const TfrmPrincipal window(dm); // never shown: no page is built
    for (const QObject* o : window.findChildren<QObject*>())
        if (!o->objectName().isEmpty())
            in.windowControls.insert(o->objectName());
    in.windowControls.insert(window.objectName());
    return in;
}

} // namespace

TEST(PageLint, EveryDeclarationIsSound) {
    const QStringList faults = lintPages(realInput());
    for (const QString& f : faults)
        ADD_FAILURE() << f.toStdString();
}

// The lint itself: a page with a misspelt name in each kind of piece, a repeated control and a
// repeated page, a page without a tab, a page without a description.
TEST(PageLint, RefusesMisspeltRepeatedAndHomelessNames) {
    LintInput in = realInput();
    const Action misspelt{.path = u"TNFeAPI/ValidaArqNF"_s,
                          .checks = {notBlank(u"ed_FilialValidaArqNf"_s, u"Informe a filial."_s)},
                          .reading = fiscal::resultText(u"mm_XMLAutenticadoValidaArqNF"_s)};
    Page bad{.name = u"ts_ValidaArqNF"_s,
             .description = u"Valida o arquivo de venda"_s,
             .controls = {
                 line(u"ed_ErpValidaArqNF"_s, u"ERP"_s)
                     .sends(u"ARQERP"_s,
                            kinds::markedFileText(u"ed_QuebraValidaArqNf"_s, EmptyPath::Error)),
                 button(u"bt_TestarValidaArqNF"_s, u"Testar"_s, misspelt),
                 grid(u"dbg_ValidaArqNF"_s, u"vt_NaoExiste"_s, u"nv_ValidaArqNF"_s),
             }};
    in.pages.push_back(bad);
    bad.name = u"ts_SemAba"_s;
    bad.description = u"  "_s;
    bad.controls = {line(u"ed_SemAba"_s, u"x"_s)};
    in.pages.push_back(bad);

    const QString all = lintPages(in).join(u'\n');
    EXPECT_FALSE(all.contains(u"página sem descrição: ts_ValidaArqNF"_s)) << all.toStdString();
    for (const char* expected :
         {"ts_ValidaArqNF: o valor de ed_ErpValidaArqNF usa ed_QuebraValidaArqNf",
          "ts_ValidaArqNF: bt_TestarValidaArqNF usa ed_FilialValidaArqNf",
          "ts_ValidaArqNF: bt_TestarValidaArqNF usa mm_XMLAutenticadoValidaArqNF",
          "ts_ValidaArqNF: dbg_ValidaArqNF usa vt_NaoExiste",
          "página declarada duas vezes: ts_ValidaArqNF",
          "controle ed_ErpValidaArqNF declarado em ts_ValidaArqNF e em ts_ValidaArqNF",
          "página sem aba: ts_SemAba", "página sem descrição: ts_SemAba"})
        EXPECT_TRUE(all.contains(QString::fromUtf8(expected))) << expected << "\n"
                                                               << all.toStdString();
}
