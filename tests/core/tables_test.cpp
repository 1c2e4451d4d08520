#include "common/exception.h"
#include "tables/tdmprincipal.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

struct DiscardCase {
    const char* table;
    std::vector<std::pair<const char*, QVariant>> values;
    bool kept;
};

} // namespace

TEST(InputTables, EveryTableExistsOpenExceptReturns) {
    TdmPrincipal dm;
    EXPECT_EQ(dm.tables().size(), 17);
    for (MemTable* t : dm.tables()) {
        EXPECT_EQ(t->isOpen(), t->objectName() != QLatin1String("vt_ProcessaDevolucao"))
            << t->objectName().toStdString();
        EXPECT_EQ(&dm.table(TdmPrincipal::dataSourceName(t->objectName())), t);
    }
    EXPECT_TRUE(
        dm.table(QStringLiteral("vt_InutilizaCTe")).field(QStringLiteral("Situacao")).readOnly);
    EXPECT_TRUE(
        dm.table(QStringLiteral("ds_DAVEmitidosItens")).field(QStringLiteral("NumeroDAV")).hidden);
    EXPECT_EQ(
        dm.table(QStringLiteral("vt_ItemPedidoReposicao")).field(QStringLiteral("NUMPED")).label,
        QStringLiteral("Número~Pedido"));
    EXPECT_THROW(dm.table(QStringLiteral("vt_Nenhuma")), Exception);
}

TEST(InputTables, BlankAndProductRowsAreDiscardedSilently) {
    const DiscardCase cases[] = {
        {"vt_ListaDocEmitidos", {{"NumeroNota", 0}}, false},
        {"vt_ListaDocEmitidos", {{"NumeroNota", 0}, {"Serie", QStringLiteral("1")}}, true},
        {"vt_ListaDocEmitidos", {{"Filial", QStringLiteral("   ")}}, false},
        {"vt_ListaDocEmitidos", {{"NumeroNota", 5}}, true},
        {"vt_ListaECFPAFECF", {}, false},
        {"vt_ListaArquivosPAFECF", {{"MD5", QStringLiteral("abc")}}, false},
        {"vt_ListaProdutoPAFECF",
         {{"FILMAT", QStringLiteral("001")},
          {"CODMAT", QStringLiteral("00001")},
          {"CODCOR", 0},
          {"CODTAM", 0}},
         true},
        {"vt_ListaProdutoPAFECF",
         {{"FILMAT", QStringLiteral("001")}, {"CODMAT", QStringLiteral("00001")}, {"CODCOR", 0}},
         false},
        {"vt_ListaProdutoPAFECF", {{"CHAVE", QStringLiteral("7891234567890")}}, true},
        {"vt_ItemPedidoReposicao",
         {{"CODFIL", QVariant()}, {"NUMPED", QStringLiteral(" ")}, {"NUMITE", 0}},
         false},
        {"vt_CodigosRemessaCNAB", {}, true}, // no rule: even a blank row is kept
    };
    for (const auto& c : cases) {
        TdmPrincipal dm;
        MemTable& t = dm.table(QString::fromLatin1(c.table));
        t.append();
        for (const auto& [field, value] : c.values)
            t.setValue(QString::fromLatin1(field), value);
        t.post();
        EXPECT_EQ(t.recordCount(), c.kept ? 1 : 0) << c.table;
        EXPECT_EQ(t.state(), MemTable::State::Browse);
    }
}

TEST(InputTables, EditedRowThatBecomesBlankKeepsItsPreviousValues) {
    TdmPrincipal dm;
    MemTable& t = dm.table(QStringLiteral("vt_ListaDocEmitidos"));
    t.append();
    t.setValue(QStringLiteral("Serie"), QStringLiteral("1"));
    t.post();
    t.setValue(QStringLiteral("Serie"), QString());
    t.post();
    EXPECT_EQ(t.recordCount(), 1);
    EXPECT_EQ(t.asString(QStringLiteral("Serie")), QStringLiteral("1"));
}

TEST(InputTables, LotIntoEmptyOrderCreatesTheMasterFirstAndFollowsIt) {
    TdmPrincipal dm;
    MemTable& itens = dm.table(QStringLiteral("vt_ItemPedidoReposicao"));
    MemTable& lotes = dm.table(QStringLiteral("vt_LoteItemPedidoReposicao"));
    lotes.append();
    ASSERT_EQ(itens.recordCount(), 1);
    EXPECT_EQ(itens.state(), MemTable::State::Browse);
    EXPECT_EQ(itens.asString(QStringLiteral("CODFIL")), QStringLiteral("001"));
    EXPECT_TRUE(itens.isNull(QStringLiteral("NUMITE")));
    EXPECT_EQ(lotes.asString(QStringLiteral("CODFIL")), QStringLiteral("001"));
    lotes.setValue(QStringLiteral("FILLOT"), QStringLiteral("002"));
    lotes.post();
    EXPECT_EQ(lotes.recordCount(), 1);

    // A second order item shows no lots; its own lot is counted apart.
    itens.append();
    itens.setValue(QStringLiteral("NUMPED"), QStringLiteral("P2"));
    itens.post();
    EXPECT_EQ(lotes.recordCount(), 0);
    lotes.append();
    lotes.setValue(QStringLiteral("SEQLOT"), QStringLiteral("L1"));
    lotes.post();
    EXPECT_EQ(lotes.asString(QStringLiteral("NUMPED")), QStringLiteral("P2"));
    EXPECT_EQ(lotes.recordCount(), 1);
    itens.first();
    EXPECT_EQ(lotes.recordCount(), 1);
    EXPECT_EQ(lotes.asString(QStringLiteral("FILLOT")), QStringLiteral("002"));
    EXPECT_EQ(lotes.totalRecordCount(), 2);
}

TEST(InputTables, BankSlipAndDavDefaults) {
    TdmPrincipal dm;
    MemTable& titulos = dm.table(QStringLiteral("vt_GeraBoletoTitulos"));
    for (int i = 0; i < 3; ++i) {
        titulos.append();
        titulos.post();
    }
    EXPECT_EQ(titulos.asInteger(QStringLiteral("Parcela")), 3);
    EXPECT_EQ(titulos.asString(QStringLiteral("EspecieDoc")), QStringLiteral("NF"));
    EXPECT_TRUE(titulos.asBoolean(QStringLiteral("Aceite")));
    EXPECT_EQ(titulos.asDateTime(QStringLiteral("DataVencimento")).date(), QDate::currentDate());
    EXPECT_EQ(titulos.asString(QStringLiteral("Mensagem")),
              QStringLiteral("Cobrar Juros de 2% após vencimento."));
    EXPECT_LT(titulos.asString(QStringLiteral("NumeroDocumento")).toLongLong(), 1000000);

    MemTable& davs = dm.table(QStringLiteral("vt_DAVEmitidos"));
    MemTable& itens = dm.table(QStringLiteral("vt_DAVEmitidosItens"));
    MemTable& alteracoes = dm.table(QStringLiteral("vt_DAVEmitidosAlteracoes"));
    itens.append(); // no DAV yet: one is created first
    itens.post();
    itens.append();
    itens.post();
    ASSERT_EQ(davs.recordCount(), 1);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{8}$"))
                    .match(davs.asString(QStringLiteral("NumeroDAV")))
                    .hasMatch());
    EXPECT_EQ(davs.asString(QStringLiteral("RazaoSocial")), QStringLiteral("CLIENTE CONSUMIDOR"));
    EXPECT_EQ(davs.asCurrency(QStringLiteral("ValorTotal")).scaled(), 1000000);
    EXPECT_EQ(itens.asInteger(QStringLiteral("NumeroItem")), 2);
    EXPECT_EQ(itens.asString(QStringLiteral("NumeroDAV")),
              davs.asString(QStringLiteral("NumeroDAV")));
    EXPECT_EQ(itens.asCurrency(QStringLiteral("vUnitario")).scaled(), 1100000);
    alteracoes.append();
    alteracoes.post();
    EXPECT_EQ(alteracoes.asInteger(QStringLiteral("NumeroItem")), 1);
    EXPECT_EQ(alteracoes.asString(QStringLiteral("TipoLog")), QStringLiteral("A"));
    // Another DAV shows none of the first one's items.
    davs.append();
    davs.post();
    EXPECT_EQ(itens.recordCount(), 0);
}

TEST(InputTables, ReadOnlyFieldsRefuseWritesUntilSwitchedOff) {
    TdmPrincipal dm;
    MemTable& t = dm.table(QStringLiteral("vt_InutilizaSEFAZFaixas"));
    t.append();
    t.setValue(QStringLiteral("NumeroInicial"), 1);
    EXPECT_THROW(t.setValue(QStringLiteral("Situacao"), QStringLiteral("OK")), Exception);
    t.setReadOnly(QStringLiteral("Situacao"), false);
    t.setValue(QStringLiteral("Situacao"), QStringLiteral("OK"));
    t.post();
    EXPECT_EQ(t.asString(QStringLiteral("Situacao")), QStringLiteral("OK"));
    t.append();
    t.setReadOnly(QStringLiteral("Request"), false);
    t.setValue(QStringLiteral("Request"), QString(5000, u'x'));
    EXPECT_EQ(t.asString(QStringLiteral("Request")).size(), 4000); // cut to the field's width
}

TEST(InputTables, RemovingPastTheLastRowRaisesAndRemoveAllEmptiesWhatIsShown) {
    TdmPrincipal dm;
    MemTable& t = dm.table(QStringLiteral("vt_InutilizaSEFAZFaixas"));
    for (int i = 1; i <= 3; ++i) {
        t.append();
        t.setValue(QStringLiteral("NumeroInicial"), i);
        t.post();
    }
    for (t.first(); !t.eof(); t.next()) {
    } // past the last row, as a walk over the rows leaves it
    EXPECT_THROW(t.remove(), Exception);
    EXPECT_EQ(t.recordCount(), 3);
    t.append(); // a pending row goes with the others
    t.removeAll();
    EXPECT_EQ(t.recordCount(), 0);
    EXPECT_EQ(t.state(), MemTable::State::Browse);
    EXPECT_TRUE(t.eof());
    t.remove(); // nothing shown: nothing to do
    t.removeAll();

    // A detail table loses only the rows of its master's current row.
    MemTable& itens = dm.table(QStringLiteral("vt_ItemPedidoReposicao"));
    MemTable& lotes = dm.table(QStringLiteral("vt_LoteItemPedidoReposicao"));
    for (const char* pedido : {"P1", "P2"}) {
        itens.append();
        itens.setValue(QStringLiteral("NUMPED"), QString::fromLatin1(pedido));
        itens.post();
        for (int i = 0; i < 2; ++i) {
            lotes.append();
            lotes.setValue(QStringLiteral("SEQLOT"), QStringLiteral("L%1").arg(i));
            lotes.post();
        }
    }
    lotes.moveTo(lotes.recordCount()); // past the last lot of P2
    lotes.removeAll();
    EXPECT_EQ(lotes.recordCount(), 0);
    itens.first();
    EXPECT_EQ(lotes.recordCount(), 2);
    EXPECT_EQ(lotes.totalRecordCount(), 2);
}

// A detail table shows the rows of its master's current row and nothing else: once that row is
// removed it follows the new current row, and with no master row left it shows none.
TEST(InputTables, DetailRowsFollowTheMastersCurrentRowAndHideWithoutOne) {
    const struct {
        const char* master;
        const char* key;
        const char* detail;
        const char* filled; // a detail field that keeps the row from being dropped as blank
    } pairs[] = {
        {"vt_ItemPedidoReposicao", "NUMPED", "vt_LoteItemPedidoReposicao", "SEQLOT"},
        {"vt_DAVEmitidos", "NumeroDAV", "vt_DAVEmitidosItens", "Desmat"},
        {"vt_DAVEmitidos", "NumeroDAV", "vt_DAVEmitidosAlteracoes", "Desmat"},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(p.detail);
        TdmPrincipal dm;
        MemTable& master = dm.table(QString::fromLatin1(p.master));
        MemTable& detail = dm.table(QString::fromLatin1(p.detail));
        const QString key = QString::fromLatin1(p.key);
        auto addMaster = [&](const QString& value, int details) {
            master.append();
            master.setValue(key, value);
            master.post();
            for (int i = 0; i < details; ++i) {
                detail.append();
                detail.setValue(QString::fromLatin1(p.filled), value);
                detail.post();
            }
        };
        addMaster(QStringLiteral("00000001"), 2);
        addMaster(QStringLiteral("00000002"), 1);
        ASSERT_EQ(detail.recordCount(), 1);

        master.remove(); // the current row: the first becomes current
        ASSERT_EQ(master.recordCount(), 1);
        EXPECT_EQ(detail.recordCount(), 2);
        for (detail.first(); !detail.eof(); detail.next())
            EXPECT_EQ(detail.asString(key), QStringLiteral("00000001"));

        master.remove(); // the last row
        EXPECT_EQ(master.recordCount(), 0);
        EXPECT_EQ(detail.recordCount(), 0);
        EXPECT_TRUE(detail.eof());
        EXPECT_EQ(detail.totalRecordCount(), 3);

        addMaster(QStringLiteral("00000003"), 1);
        ASSERT_EQ(detail.recordCount(), 1);
        master.removeAll();
        EXPECT_EQ(detail.recordCount(), 0);
        EXPECT_TRUE(detail.isNull(QString::fromLatin1(p.filled)));
        EXPECT_EQ(detail.totalRecordCount(), 4);
    }
}

// Editing a key field of a master row takes its detail rows along: they stay the rows of that
// master row (shown and sent with it), the other master rows keep theirs, and an edit that
// leaves the keys alone or is cancelled moves nothing.
TEST(InputTables, EditingAMasterKeyTakesItsDetailRowsAlong) {
    const struct {
        const char* master;
        const char* key;
        const char* detail;
        const char* filled;
    } pairs[] = {
        {"vt_ItemPedidoReposicao", "NUMPED", "vt_LoteItemPedidoReposicao", "SEQLOT"},
        {"vt_ItemPedidoReposicao", "NUMITE", "vt_LoteItemPedidoReposicao", "SEQLOT"},
        {"vt_DAVEmitidos", "NumeroDAV", "vt_DAVEmitidosItens", "Desmat"},
        {"vt_DAVEmitidos", "Filial", "vt_DAVEmitidosAlteracoes", "Desmat"},
    };
    for (const auto& p : pairs) {
        SCOPED_TRACE(std::string(p.detail) + " by " + p.key);
        TdmPrincipal dm;
        MemTable& master = dm.table(QString::fromLatin1(p.master));
        MemTable& detail = dm.table(QString::fromLatin1(p.detail));
        const QString key = QString::fromLatin1(p.key);
        const QString filled = QString::fromLatin1(p.filled);
        for (const char* value : {"1", "2"}) {
            master.append();
            master.setValue(key, QString::fromLatin1(value));
            master.post();
            for (int i = 0; i < 2; ++i) {
                detail.append();
                detail.setValue(filled, QStringLiteral("%1.%2").arg(QLatin1String(value)).arg(i));
                detail.post();
            }
        }
        master.first();
        master.setValue(key, QStringLiteral("7"));
        master.post();
        ASSERT_EQ(detail.recordCount(), 2);
        for (detail.first(); !detail.eof(); detail.next()) {
            EXPECT_EQ(detail.asString(key), QStringLiteral("7"));
            EXPECT_TRUE(detail.asString(filled).startsWith(u'1'));
        }
        master.next();
        EXPECT_EQ(detail.recordCount(), 2);

        // A cancelled key edit and an edit of another field move nothing.
        master.first();
        master.setValue(key, QStringLiteral("9"));
        master.cancel();
        EXPECT_EQ(detail.recordCount(), 2);
        master.setValue(key, QStringLiteral("7"));
        master.post();
        EXPECT_EQ(detail.recordCount(), 2);
        EXPECT_EQ(detail.totalRecordCount(), 4);
    }
}
