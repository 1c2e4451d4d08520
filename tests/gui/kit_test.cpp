#include "harness.h"

#include "common/filehelpers.h"
#include "common/tjsonutil.h"
#include "exchange/envelope.h"
#include "pages/kit/fiscalreadings.h"
#include "pages/kit/pagebuilder.h"
#include "pages/kit/readings.h"
#include "pages/kit/tablerows.h"
#include "tables/memtable.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

using namespace kit;
using namespace Qt::StringLiterals;

// Kit pieces that no page of this version uses yet, on a page declared here.
class KitTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        setText(QStringLiteral("ed_Id"), QStringLiteral("1001"));
    }
    QWidget* build(const Page& page) {
        holder = std::make_unique<QWidget>();
        return buildPage(page, *window, holder.get());
    }
    void press(const char* name) {
        holder->findChild<QPushButton*>(QString::fromLatin1(name))->click();
    }
    QString local(const char* name) { return readField(child<QWidget>(name)).text; }
    template <typename W> W* child(const char* name) {
        return holder->findChild<W*>(QString::fromLatin1(name));
    }
    std::unique_ptr<QWidget> holder;
};

TEST_F(KitTest, ItemListAttachmentsAndTableStrings) {
    Action enviar = kit::send(QStringLiteral("TCommerceAPI/ProcessaNFSobreRecibo"));
    enviar.dados = [](PageContext& page) {
        json::JsonValue d = page.keyedObject();
        if (auto codes = nonBlankStrings(page.table(QStringLiteral("vt_CodigosRemessaCNAB")),
                                         QStringLiteral("Codigo")))
            d.add("ListaCodigoRemessa", std::move(*codes));
        return d;
    };
    build(Page{
        .name = QStringLiteral("ts_Kit"),
        .controls = {
            line(QStringLiteral("ed_Filial"), QStringLiteral("Filial"), QStringLiteral("001")),
            line(QStringLiteral("ed_Sequen"), QStringLiteral("Sequen"),
                 QStringLiteral("         1")),
            line(QStringLiteral("ed_Itens"), QStringLiteral("Itens"),
                 QStringLiteral("{1|50,0000};{2|1};{3|1}"))
                .sends(QStringLiteral("ItensParciais"),
                       kinds::itemList(QStringLiteral("ed_Filial"), QStringLiteral("ed_Sequen"))),
            listBox(QStringLiteral("lbx_Anexos"), QStringLiteral("Anexos"))
                .sends(QStringLiteral("Anexos"), kinds::attachments()),
            button(QStringLiteral("bt_Enviar"), QStringLiteral("Testar"), enviar)}});
    auto* anexos = child<QListWidget>("lbx_Anexos");
    auto* item = new QListWidgetItem(QStringLiteral("/tmp/pasta/nota.pdf"), anexos);
    item->setData(Qt::UserRole, QStringLiteral("QUJD"));
    press("bt_Enviar");
    EXPECT_EQ(
        lastDados(),
        R"({"ItensParciais":[{"Codfil":"001","Sequen":"         1","Numite":1,"Qtdmov":50},)"
        R"({"Codfil":"001","Sequen":"         1","Numite":2,"Qtdmov":1},{"Codfil":"001","Sequen":"         1","Numite":3,"Qtdmov":1}],)"
        R"("Anexos":[{"Anexo":{"Conteudo":"QUJD","NomeArquivo":"nota.pdf"}}]})");

    MemTable& codes = dm->table(QStringLiteral("vt_CodigosRemessaCNAB"));
    codes.append(); // one blank code: the key goes with an empty list
    child<QLineEdit>("ed_Itens")->setText(QStringLiteral("  "));
    press("bt_Enviar");
    EXPECT_EQ(
        lastDados(),
        R"({"ItensParciais":[],"Anexos":[{"Anexo":{"Conteudo":"QUJD","NomeArquivo":"nota.pdf"}}],"ListaCodigoRemessa":[]})");

    sim.clearReceived();
    child<QLineEdit>("ed_Itens")->setText(QStringLiteral("{1|x}"));
    press("bt_Enviar");
    EXPECT_TRUE(received().empty());
    ASSERT_FALSE(seen().empty());
    EXPECT_EQ(seen().back().text, QStringLiteral("'x' is not a valid floating point value"));
}

TEST_F(KitTest, TextReadings) {
    build(Page{.name = QStringLiteral("ts_Kit"),
               .controls = {
                   memo(QStringLiteral("mm_Xml"), QStringLiteral("XML")),
                   memo(QStringLiteral("mm_Wiki"), QStringLiteral("Wiki")),
                   button(QStringLiteral("bt_Xml"), QStringLiteral("XML"),
                          send(QStringLiteral("TNFeAPI/ConsultaXMLAutenticado"),
                               readings::storedXml(QStringLiteral("mm_Xml")))),
                   button(QStringLiteral("bt_Wiki"), QStringLiteral("Wiki"),
                          send(QStringLiteral("TPAFAPI/GeraTabelaPerfilUFWiki"),
                               readings::contentTextWithLineBreaks(QStringLiteral("mm_Wiki"))))}});
    sim.enqueue("TNFeAPI/ConsultaXMLAutenticado",
                sim::Answer{200, "{\"result\":\"<nome>Jo\\u00E3o</nome>\"}"});
    press("bt_Xml");
    EXPECT_EQ(local("mm_Xml"), QString::fromUtf8("<nome>João</nome>")); // accents kept
    sim.enqueue("TNFeAPI/ConsultaXMLAutenticado", sim::Answer{200, R"({"result":{"a":1}})"});
    press("bt_Xml");
    EXPECT_EQ(local("mm_Xml"), QString());

    sim.enqueue(
        "TPAFAPI/GeraTabelaPerfilUFWiki",
        sim::Answer{200, R"({"result":{"controle":{"err":false},"conteudo":{"str":"a/nb"}}})"});
    press("bt_Wiki");
    EXPECT_EQ(local("mm_Wiki"), QStringLiteral("a\r\nb"));
    sim.enqueue("TPAFAPI/GeraTabelaPerfilUFWiki",
                sim::Answer{200, R"({"result":{"controle":{"err":true},"conteudo":{"str":"x"}}})"});
    press("bt_Wiki");
    EXPECT_EQ(local("mm_Wiki"), QStringLiteral("a\r\nb"));
}

TEST_F(KitTest, FileReadingsWriteOnlyIntoTheOutputFolder) {
    build(Page{
        .name = QStringLiteral("ts_Kit"),
        .controls = {
            check(QStringLiteral("cb_Comprimir"), QStringLiteral("Comprimir"), true),
            line(QStringLiteral("ed_Captcha"), QStringLiteral("Captcha"), QStringLiteral("velho")),
            image(QStringLiteral("img_Captcha"), QStringLiteral("PNG")),
            button(QStringLiteral("bt_Captcha"), QStringLiteral("Consulta Captcha"),
                   send(QStringLiteral("TCommerceLocalAPI/ConsultaCNPJCaptcha"),
                        readings::captcha(
                            QStringLiteral("ConsultaCNPJCaptcha"), QStringLiteral("cb_Comprimir"),
                            QStringLiteral("img_Captcha"), QStringLiteral("ed_Captcha")))),
            button(QStringLiteral("bt_Boletos"), QStringLiteral("Boletos"),
                   send(QStringLiteral("TCommerceLocalAPI/GeraBoletoPDF"),
                        readings::bankSlipFiles([](PageContext& page) {
                            return page.checked(QStringLiteral("cb_Comprimir"));
                        })))}});
    // A captcha picture packed in a ZIP, as the middleware sends it.
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    QTemporaryDir tmp;
    QFile f(QDir(tmp.path()).filePath(QStringLiteral("ConsultaCNPJCaptcha.png")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(png);
    f.close();
    const QString zipped = GetBase64File(f.fileName(), true);
    sim.enqueue("TCommerceLocalAPI/ConsultaCNPJCaptcha",
                sim::Answer{200, R"({"result":{"controle":{"err":false},"conteudo":{"str":")" +
                                     zipped.toStdString() + "\"}}}"});
    press("bt_Captcha");
    EXPECT_TRUE(seen().empty()) << shownMessages().toStdString();
    EXPECT_EQ(local("ed_Captcha"), QString());
    ASSERT_TRUE(child<QLabel>("img_Captcha")->pixmap().size() == QSize(20, 10));
    EXPECT_TRUE(QFile::exists(QStringLiteral("Arquivos/ConsultaCNPJCaptcha.zip")));

    sim.enqueue(
        "TCommerceLocalAPI/GeraBoletoPDF",
        sim::Answer{
            200,
            R"({"result":{"conteudo":{"livre":[{"NossoNumero":"1","Boleto_Base64":"QUJD"},{"NossoNumero":"2","Boleto_Base64":"REVG"}]}}})"});
    press("bt_Boletos");
    QFile first(QStringLiteral("Arquivos/0.zip")), second(QStringLiteral("Arquivos/1.zip"));
    ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
    EXPECT_EQ(first.readAll(), QByteArray("ABC"));
    EXPECT_EQ(second.readAll(), QByteArray("DEF"));
}

TEST_F(KitTest, ResultArrayFillsATableWithReadOnlyFields) {
    build(Page{
        .name = QStringLiteral("ts_Kit"),
        .controls = {button(QStringLiteral("bt_Carregar"), QStringLiteral("Carregar"),
                            send(QStringLiteral("TCommerceAPI/DadosDevolucao"),
                                 readings::resultArrayIntoTable(
                                     QStringLiteral("vt_ProcessaDevolucao"),
                                     {{QStringLiteral("CODFIL"), QStringLiteral("CODFIL")},
                                      {QStringLiteral("NUMITE"), QStringLiteral("NUMITE")},
                                      {QStringLiteral("QTDPEN"), QStringLiteral("QTDPEN")}})))}});
    sim.enqueue(
        "TCommerceAPI/DadosDevolucao",
        sim::Answer{
            200,
            R"({"result":[{"CODFIL":"001","NUMITE":1,"QTDPEN":2.5},{"codfil":"002","NUMITE":2}]})"});
    press("bt_Carregar");
    MemTable& t = dm->table(QStringLiteral("vt_ProcessaDevolucao"));
    ASSERT_TRUE(t.isOpen());
    ASSERT_EQ(t.recordCount(), 2);
    EXPECT_EQ(t.asString(QStringLiteral("CODFIL")), QStringLiteral("001"));
    EXPECT_DOUBLE_EQ(t.asFloat(QStringLiteral("QTDPEN")), 2.5);
    t.next();
    EXPECT_EQ(t.asString(QStringLiteral("CODFIL")), QStringLiteral("002"));
    EXPECT_TRUE(t.field(QStringLiteral("CODFIL")).readOnly);
    sim.enqueue("TCommerceAPI/DadosDevolucao", sim::Answer{200, R"({"result":{"nada":1}})"});
    press("bt_Carregar");
    EXPECT_EQ(t.recordCount(), 2); // not a list: the table stays as it was
    EXPECT_FALSE(seen().empty());
}

// Every reading of "result" meets an answer without it. The answer is a whole result envelope
// less its wrapper, so a reading that fell back on the answer itself would find something to
// take. The readings through the envelope converters are not among these: those read such an
// answer as the envelope itself, as the converters do.
TEST_F(KitTest, ReadingsOfResultWithoutOneChangeOnlyWhatTheySay) {
    const std::string answer =
        R"({"controle":{"err":false,"cod":"","msg":""},"conteudo":{"str":"QUJD","livre":)"
        R"([{"Nome":"modelo.rtf","Boleto_Base64":"QUJD"}]},"A":"depois","Filial":"002"})";
    const QString before = QStringLiteral("antes");
    using Kind = fiscal::RecordField::Kind;
    // One service answers every button but the printer lookup.
    const auto ask = [](Reading reading) {
        return send(u"TNFeAPI/SefazOnLine"_s, std::move(reading));
    };
    const struct {
        const char* button;
        Action action;
        bool reported;                    // a message says the answer was not understood
        std::function<bool()> asExpected; // the page afterwards
    } cases[] = {
        {"bt_Membros", ask(readings::resultMembersIntoFields({{u"A"_s, u"ed_Membro"_s}})), true,
         [&] { return local("ed_Membro") == before; }},
        {"bt_Campo", ask(readings::resultIntoField(u"ed_Campo"_s)), true,
         [&] { return local("ed_Campo") == before; }},
        {"bt_Tabela",
         ask(readings::resultArrayIntoTable(u"vt_ListaDocEmitidos"_s,
                                            {{u"Filial"_s, u"Filial"_s}})),
         true,
         [&] {
             MemTable& t = dm->table(u"vt_ListaDocEmitidos"_s);
             return t.recordCount() == 1 && t.asString(u"Filial"_s) == u"001"_s;
         }},
        {"bt_Registro", ask(readings::resultRecordIntoFields({{u"A"_s, u"ed_Registro"_s}})), false,
         [&] { return local("ed_Registro").isEmpty(); }},
        {"bt_Xml", ask(readings::storedXml(u"mm_Xml"_s)), false,
         [&] { return local("mm_Xml").isEmpty(); }},
        {"bt_Nomes", ask(readings::fileRecordNamesInto(u"cb_Nomes"_s, u"Arquivos"_s)), false,
         [&] { return child<QComboBox>("cb_Nomes")->count() == 0; }},
        {"bt_Mais", ask(readings::fileRecordNamesAppended(u"cb_Mais"_s)), false,
         [&] { return child<QComboBox>("cb_Mais")->count() == 1; }},
        {"bt_Boletos", ask(readings::bankSlipFiles([](PageContext&) { return false; })), false,
         [&] { return !QFile::exists(u"Arquivos/0.pdf"_s); }},
        {"bt_Impressoras",
         readings::printerLookup(u"cb_Impressoras"_s, readings::fixedText(QString())), false,
         [&] { return child<QComboBox>("cb_Impressoras")->count() == 0; }},
        {"bt_Texto", ask(fiscal::resultText(u"ed_Texto"_s)), true,
         [&] { return local("ed_Texto") == before; }},
        {"bt_Fiscal", ask(fiscal::recordReading({{u"A"_s, u"ed_Fiscal"_s, Kind::Text}})), false,
         [&] { return local("ed_Fiscal").isEmpty(); }},
        {"bt_Evento", ask(fiscal::eventReading(fiscal::eventRecord(u"ed_Evento"_s, u"ed_Nota"_s))),
         false, [&] { return local("ed_Evento") == before && local("ed_Nota") == before; }},
    };
    std::vector<Control> controls;
    for (const char* field :
         {"ed_Membro", "ed_Campo", "ed_Registro", "ed_Texto", "ed_Fiscal", "ed_Evento", "ed_Nota"})
        controls.push_back(line(QString::fromLatin1(field), QString::fromLatin1(field), before));
    controls.push_back(memo(u"mm_Xml"_s, u"XML"_s, before));
    for (const char* list : {"cb_Nomes", "cb_Mais", "cb_Impressoras"})
        controls.push_back(
            comboList(QString::fromLatin1(list), QString::fromLatin1(list), {before}, 0));
    for (const auto& c : cases)
        controls.push_back(
            button(QString::fromLatin1(c.button), QString::fromLatin1(c.button), c.action));
    build(Page{.name = u"ts_Kit"_s, .controls = controls});
    MemTable& docs = dm->table(u"vt_ListaDocEmitidos"_s);
    docs.append();
    docs.setValue(u"Filial"_s, u"001"_s);
    docs.post();
    for (const char* path : {"TNFeAPI/SefazOnLine", "TConexaoAPI/ConsultaImpressora"})
        sim.setHandler(path, [&](const sim::Request&, const json::JsonValue*) {
            return sim::Answer{200, answer};
        });

    for (const auto& c : cases) {
        press(c.button);
        const auto shown = recorded->takeMessages();
        if (c.reported) {
            EXPECT_EQ(shown.size(), 1u) << c.button;
            for (const auto& m : shown)
                EXPECT_TRUE(m.text.startsWith(u"Resposta inesperada"_s)) << m.text.toStdString();
        } else {
            EXPECT_TRUE(shown.empty())
                << c.button << ": " << (shown.empty() ? "" : shown[0].text.toStdString());
        }
        EXPECT_TRUE(c.asExpected()) << c.button;
    }
}

// The panel a page's declaration generates: collapsed until its button (F1) opens it, with the
// service, how it travels and each key's control and value kind in words.
TEST_F(KitTest, AboutPanelIsGeneratedFromTheDeclaration) {
    const Page page{
        .name = u"ts_SobreTeste"_s,
        .description = u"Cancela uma nota de teste"_s,
        .controls = {
            line(u"ed_SobreNumero"_s, u"Número"_s, u"1"_s)
                .sends(u"NUMERONOTA"_s, kinds::integerElse(0)),
            line(u"ed_SobreArquivo"_s, u"Arquivo"_s)
                .sends(u"ARQ"_s, kinds::fileText(EmptyPath::Error)),
            line(u"ed_SobreProprio"_s, u"Próprio"_s)
                .sends(u"PROPRIO"_s, [](const FieldValue& v) { return TJSONUtil::SetStr(v.text); }),
            button(u"bt_SobreTestar"_s, u"Testar"_s,
                   Action{.path = u"TNFeAPI/CancelarNFe"_s, .exchange = Exchange::Plain}),
        }};
    build(page);
    EXPECT_EQ(child<QLabel>("lb_DescricaoPagina")->text(), u"Cancela uma nota de teste"_s);
    auto* panel = child<QLabel>("pn_SobreEstaPagina");
    auto* toggle = child<QAbstractButton>("bt_SobreEstaPagina");
    ASSERT_TRUE(panel && toggle);
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(toggle->shortcut(), QKeySequence(Qt::Key_F1));
    toggle->click();
    EXPECT_FALSE(panel->isHidden());
    const QString text = QTextDocumentFragment::fromHtml(panel->text()).toPlainText();
    for (const char* part :
         {"TNFeAPI/CancelarNFe", "botão “Testar”", "Dados puro (sem envelope), com autenticação",
          "NUMERONOTA", "Número (campo de texto, ed_SobreNumero)", "inteiro; texto inválido vira 0",
          "conteúdo do arquivo (BOM, UTF-8 ou página de código), CR LF ao fim de cada linha; "
          "caminho vazio: encerra a ação",
          "PROPRIO", "regra própria da página"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part << "\n" << text.toStdString();
    toggle->click();
    EXPECT_TRUE(panel->isHidden());
}
