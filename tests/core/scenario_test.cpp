// Scenario files (reading, refusals, writing) and the comparison of answers.
#include "exchange/envelope.h"
#include "exchange/scenario.h"
#include "exchange/scenariocompare.h"
#include "exchange/scenariorun.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

ExpectedAnswer answer(const char* jsonText, int status = 200) {
    return expectedFrom(status, QByteArray(jsonText), "application/json");
}

QStringList paths(const Comparison& c) {
    QStringList p;
    for (const Difference& d : c.differences)
        p.append(d.path);
    return p;
}

} // namespace

TEST(ScenarioCompare, ReportsExactlyThePathsThatDiffer) {
    const struct {
        const char* name;
        const char* expected;
        const char* actual;
        QStringList ignore;
        QStringList noise;
        QStringList differing;
        int ignored;
        int notes;
    } cases[] = {
        {"equal", R"({"a":1,"b":"x"})", R"({"a":1,"b":"x"})", {}, {}, {}, 0, 0},
        {"order is a note", R"({"a":1,"b":2})", R"({"b":2,"a":1})", {}, {}, {}, 0, 1},
        {"number text", R"({"v":1.50})", R"({"v":1.5})", {}, {}, {"v"}, 0, 0},
        {"kind", R"({"v":"1"})", R"({"v":1})", {}, {}, {"v"}, 0, 0},
        {"bool", R"({"v":true})", R"({"v":false})", {}, {}, {"v"}, 0, 0},
        {"missing and added", R"({"a":1,"b":2})", R"({"a":1,"c":3})", {}, {}, {"b", "c"}, 0, 0},
        {"array by position", R"({"l":[1,2,3]})", R"({"l":[1,3]})", {}, {}, {"l[1]", "l[2]"}, 0, 0},
        {"nested", R"({"r":{"c":{"s":"A"}}})", R"({"r":{"c":{"s":"B"}}})", {}, {}, {"r.c.s"}, 0, 0},
        {"ignored with [*]",
         R"({"l":[{"d":"1","k":1},{"d":"2","k":2}]})",
         R"({"l":[{"d":"9","k":1},{"d":"8","k":5}]})",
         {"l[*].d"},
         {},
         {"l[1].k"},
         2,
         0},
        {"ignored missing member", R"({"a":1,"t":2})", R"({"a":1})", {"t"}, {}, {}, 1, 0},
        {"noise of the same shape",
         R"({"d":"10/12/2026 10:00:00","n":7})",
         R"({"d":"11/12/2026 09:59:01","n":12})",
         {},
         {"d", "n"},
         {},
         0,
         2},
        {"noise turned into an error text",
         R"({"d":"10/12/2026 10:00:00"})",
         R"({"d":"Falha ao ler a data"})",
         {},
         {"d"},
         {"d"},
         0,
         0},
        {"noise turned from number to text",
         R"({"n":7})",
         R"({"n":"sete"})",
         {},
         {"n"},
         {"n"},
         0,
         0},
        // Noise may change its value, never whether it is there.
        {"noise that vanished", R"({"a":1,"n":7})", R"({"a":1})", {}, {"n"}, {"n"}, 0, 0},
        {"noise that appeared", R"({"a":1})", R"({"a":1,"n":7})", {}, {"n"}, {"n"}, 0, 0},
        {"noise element that vanished",
         R"({"l":[{"d":"1"},{"d":"2"}]})",
         R"({"l":[{"d":"3"}]})",
         {},
         {"l[*].d"},
         {"l[1]"},
         0,
         1},
        // Repeated names (some writers emit them) are compared in order, with a note.
        {"repeated names unchanged",
         R"({"dup":1,"dup":2})",
         R"({"dup":1,"dup":2})",
         {},
         {},
         {},
         0,
         1},
        {"repeated name, second changed",
         R"({"dup":1,"dup":2})",
         R"({"dup":1,"dup":3})",
         {},
         {},
         {"dup"},
         0,
         1},
        {"repeated name, one gone", R"({"d":1,"d":2})", R"({"d":1})", {}, {}, {"d"}, 0, 1},
    };
    for (const auto& c : cases) {
        const Comparison got =
            compareAnswer(answer(c.expected), answer(c.actual), c.ignore, c.noise);
        EXPECT_EQ(paths(got), c.differing) << c.name;
        EXPECT_EQ(got.ignored, c.ignored) << c.name;
        EXPECT_EQ(got.notes.size(), c.notes)
            << c.name << ": " << got.notes.join(u'|').toStdString();
    }
    // Status and bodies that are not JSON.
    EXPECT_EQ(paths(compareAnswer(answer("{}", 200), answer("{}", 500), {}, {})),
              QStringList{u"(status HTTP)"_s});
    EXPECT_EQ(paths(compareAnswer(expectedFrom(200, "texto", "text/plain"),
                                  expectedFrom(200, "outro", "text/plain"), {}, {})),
              QStringList{u"(resposta)"_s});
    // The values of a difference, cut with their length when long.
    const Comparison long_ =
        compareAnswer(answer(R"({"m":"a"})"),
                      answer(("{\"m\":\"" + std::string(100, 'z') + "\"}").c_str()), {}, {});
    ASSERT_EQ(long_.differences.size(), 1u);
    EXPECT_EQ(long_.differences[0].expected, u"\"a\""_s);
    EXPECT_TRUE(shortValue(long_.differences[0].actual).endsWith(u"(102 caracteres)"_s));
}

TEST(ScenarioCompare, XmlInsideStringsListsByKeyAndNumbers) {
    const char* nfe =
        R"({"x":"<nfeProc versao=\"4.00\" xmlns=\"http://www.portalfiscal.inf.br/nfe\"><protNFe><infProt><cStat>100</cStat><xMotivo>Autorizado</xMotivo></infProt></protNFe></nfeProc>"})";
    const auto xml = [](const char* inner) { return "{\"x\":\"" + std::string(inner) + "\"}"; };
    const struct {
        const char* name;
        std::string expected;
        std::string actual;
        CompareRules rules;
        QStringList differing;
        QStringList labels;
        int notes;
    } cases[] = {
        {"xml: one element's text",
         nfe,
         QByteArray(nfe).replace("<cStat>100", "<cStat>101").toStdString(),
         {},
         {u"x⟨nfeProc/protNFe/infProt/cStat⟩"_s},
         {u""_s},
         0},
        {"xml: attribute and namespace",
         nfe,
         QByteArray(nfe).replace("4.00", "4.01").replace("/nfe\\\"", "/nfe2\\\"").toStdString(),
         {},
         {u"x⟨nfeProc⟩"_s, u"x⟨nfeProc@versao⟩"_s},
         {u"namespace"_s, u"atributo"_s},
         0},
        {"xml: blanks between elements do not count",
         nfe,
         QByteArray(nfe).replace("<protNFe>", "\\n  <protNFe>").toStdString(),
         {},
         {},
         {},
         1},
        {"xml: ignored and learned inside",
         nfe,
         QByteArray(nfe)
             .replace("<cStat>100", "<cStat>101")
             .replace("Autorizado", "Negado")
             .toStdString(),
         {{u"x⟨nfeProc/protNFe/infProt/xMotivo⟩"_s},
          {u"x⟨nfeProc/protNFe/infProt/cStat⟩"_s},
          {},
          {}},
         {},
         {},
         1},
        {"xml: repeated elements by their order",
         xml("<l><i>1</i><i>2</i></l>"),
         xml("<l><i>1</i><i>3</i><i>4</i></l>"),
         {},
         {u"x⟨l/i[1]⟩"_s, u"x⟨l/i[2]⟩"_s},
         {u""_s, u""_s},
         0},
        {"not well-formed stays a string",
         xml("<a><b></a>"),
         xml("<a><c></a>"),
         {},
         {u"x"_s},
         {u""_s},
         0},
        {"list by key, reversed",
         R"({"l":[{"C":1,"n":"a"},{"C":2,"n":"b"},{"C":3,"n":"c"}]})",
         R"({"l":[{"C":3,"n":"c"},{"C":2,"n":"b"},{"C":1,"n":"a"}]})",
         {{}, {}, {}, {{u"l"_s, u"C"_s}}},
         {},
         {},
         1},
        {"list by key, one inserted in front and one changed",
         R"({"l":[{"C":1,"n":"a"},{"C":2,"n":"b"}]})",
         R"({"l":[{"C":0,"n":"z"},{"C":1,"n":"a"},{"C":2,"n":"B"}]})",
         {{}, {}, {}, {{u"l"_s, u"C"_s}}},
         {u"l[C=2].n"_s, u"l[C=0]"_s},
         {u""_s, u""_s},
         0},
        {"list without order",
         R"({"l":[1,2,3,3]})",
         R"({"l":[3,1,3,4]})",
         {{}, {}, {}, {{u"l"_s, u"sem_ordem"_s}}},
         {u"l[1]"_s, u"l[3]"_s},
         {u""_s, u""_s},
         0},
        {"same number, other text",
         R"({"v":10.50})",
         R"({"v":10.5})",
         {},
         {u"v"_s},
         {u"mesmo número, outro texto"_s},
         0},
        {"a numeric path",
         R"({"v":10.50,"w":1e2})",
         R"({"v":10.5,"w":100})",
         {{}, {}, {u"v"_s, u"w"_s}, {}},
         {},
         {},
         0},
        {"another number",
         R"({"v":10.50})",
         R"({"v":10.05})",
         {{}, {}, {u"v"_s}, {}},
         {u"v"_s},
         {u""_s},
         0},
        // A noisy counter keeps its shape from 9 to 10.
        {"noise 9 to 10", R"({"c":"n9"})", R"({"c":"n10"})", {{}, {u"c"_s}, {}, {}}, {}, {}, 1},
    };
    for (const auto& c : cases) {
        const Comparison got =
            compareAnswer(answer(c.expected.c_str()), answer(c.actual.c_str()), c.rules);
        EXPECT_EQ(paths(got), c.differing) << c.name;
        QStringList labels;
        for (const Difference& d : got.differences)
            labels << d.label;
        EXPECT_EQ(labels, c.labels) << c.name;
        EXPECT_EQ(got.notes.size(), c.notes)
            << c.name << ": " << got.notes.join(u'|').toStdString();
    }
}

TEST(ScenarioCompare, ContentTypeAndLongValuesShowWhatChanged) {
    // Another media type with the same body is a difference; another charset, a note.
    const auto typed = [](const char* type) { return expectedFrom(200, "{}", type); };
    EXPECT_EQ(paths(compareAnswer(typed("application/json"), typed("text/html"), {}, {})),
              QStringList{u"(tipo de conteúdo)"_s});
    const Comparison charset = compareAnswer(typed("application/json; charset=utf-8"),
                                             typed("application/json;charset=iso-8859-1"), {}, {});
    EXPECT_TRUE(charset.equal());
    EXPECT_EQ(charset.notes.size(), 1);
    // A baseline of an older file, without a type, does not compare it.
    ExpectedAnswer older = typed("application/json");
    older.contentType.clear();
    EXPECT_TRUE(compareAnswer(older, typed("text/html"), {}, {}).equal());

    // A change deep in a long value is shown where it is, with what is equal around it.
    const QString start(58, u'a'), end(62, u'z');
    const Difference d{u"result.XML"_s,
                       u'"' + start + u"NF-e"_s + end + u'"',
                       u'"' + start + u"NF-E"_s + end + u'"',
                       {}};
    const QString line = differenceLine(d);
    EXPECT_TRUE(line.contains(u"NF-[e→E]zzz"_s)) << line.toStdString();
    EXPECT_TRUE(line.contains(u"caracteres iguais"_s)) << line.toStdString();
    EXPECT_TRUE(line.contains(u"iguais)"_s)) << line.toStdString();
    EXPECT_LT(line.size(), 160) << line.toStdString();
}

TEST(ScenarioCompare, LargeObjectsAreComparedByNameAsSmallOnesAre) {
    // Past a few members, members are found through an index: the same answers as the search.
    std::string e = "{", a = "{";
    for (int i = 0; i < 400; ++i) {
        const std::string n = std::to_string(i);
        e += (i ? "," : "") + ("\"m" + n + "\":" + n);
        if (i == 7)
            continue; // gone
        // Reversed order, one value changed, one repeated name.
        a = (i == 399 ? "" : ",") + ("\"m" + n + "\":" + (i == 200 ? "0" : n)) + a.substr(1);
        a = "{" + a;
    }
    e += ",\"m5\":55}";
    a += ",\"m5\":56,\"novo\":1}";
    const Comparison got =
        compareAnswer(answer(e.c_str()), answer(a.c_str()), {u"m3"_s}, {u"m4"_s});
    EXPECT_EQ(paths(got), (QStringList{u"m7"_s, u"m200"_s, u"m5"_s, u"novo"_s}));
    EXPECT_EQ(got.ignored, 1);
    EXPECT_EQ(got.notes.size(), 2) << got.notes.join(u'|').toStdString(); // order, repetition
}

TEST(ScenarioCompare, ANoisyListIsLearnedAsOnePattern) {
    const auto answer = json::parse(
        R"({"l":[{"d":1,"k":1},{"d":2,"k":2},{"d":3,"k":3}],
            "m":[{"n":[{"t":1},{"t":2}]},{"n":[{"t":3},{"t":4}]}],
            "p":[{"d":1},{"d":2}]})");
    ASSERT_TRUE(answer.value);
    const QStringList differing{u"l[0].d"_s,      u"l[1].d"_s,      u"l[2].d"_s,
                                u"l[1].k"_s,      u"m[0].n[0].t"_s, u"m[0].n[1].t"_s,
                                u"m[1].n[0].t"_s, u"m[1].n[1].t"_s, u"p[0].d"_s};
    // Every element's d and t changed: one pattern each; k and p changed in one element only.
    EXPECT_EQ(generaliseListPaths(differing, *answer.value),
              (QStringList{u"l[*].d"_s, u"l[1].k"_s, u"m[*].n[*].t"_s, u"p[0].d"_s}));
}

TEST(ScenarioFile, KeptFilesLieBesideTheFileALinkNames) {
    QTemporaryDir dir;
    QDir(dir.path()).mkdir(u"real"_s);
    const QString target = dir.filePath(u"real/dia.json"_s);
    const QString link = dir.filePath(u"atalho.json"_s);
    Scenario s;
    s.steps.push_back(stepFromExchange(u"POST"_s, u"TNFeAPI/Imprime"_s, "{}", true, 200,
                                       "{\"pdf\":\"" + QByteArray(5000, 'p').toBase64() + "\"}",
                                       "application/json"));
    saveScenario(s, target);
    ASSERT_TRUE(QFile::link(target, link));
    saveScenario(s, link, true);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QDir(dir.filePath(u"real/dia.arquivos"_s)).exists());
    EXPECT_FALSE(QDir(dir.filePath(u"atalho.arquivos"_s)).exists());
    EXPECT_EQ(loadScenario(link).steps.size(), 1u);
    // Larger than the limit: refused before it is read whole.
    try {
        loadScenario(target, 100);
        ADD_FAILURE() << "a file past the limit was read";
    } catch (const EScenarioError& e) {
        EXPECT_TRUE(e.message().contains(u"--max-cenario"_s)) << e.message().toStdString();
    }
}

TEST(ScenarioCompare, FileMembersByTheirSizeAndDigest) {
    const QByteArray file(5000, 'p');
    QByteArray other = file;
    other[4999] = 'q';
    const QByteArray small(100, 's');
    auto body = [](const QByteArray& bytes) {
        return "{\"arq\":\"" + bytes.toBase64() + "\",\"n\":1}";
    };
    const ExpectedAnswer a = expectedFrom(200, body(file), {});
    ASSERT_TRUE(a.json);
    const json::JsonValue* reduced = a.json->find("arq")->find("$arquivo");
    ASSERT_NE(reduced, nullptr);
    EXPECT_EQ(reduced->find("tamanho")->text(), "5000");
    EXPECT_EQ(
        reduced->find("sha256")->toQString(),
        QString::fromLatin1(QCryptographicHash::hash(file, QCryptographicHash::Sha256).toHex()));
    EXPECT_TRUE(compareAnswer(a, expectedFrom(200, body(file), {}), {}, {}).equal());
    EXPECT_EQ(paths(compareAnswer(a, expectedFrom(200, body(other), {}), {}, {})),
              QStringList{u"arq"_s});
    // Below the file size the text stays as it is.
    EXPECT_TRUE(expectedFrom(200, body(small), {}).json->find("arq")->isString());
}

TEST(ScenarioFile, WritesInFixedOrderAndReadsBack) {
    Scenario s;
    s.name = u"Autorizar e cancelar"_s;
    s.ignore = {u"result.conteudo.date"_s};
    ScenarioStep a = stepFromExchange(
        u"POST"_s, u"TNFeAPI/ProcessaXMLs"_s,
        QByteArray::fromStdString(json::toWireText(
            buildEnvelope(u"1001"_s, u"3"_s, *json::parse(R"({"Chave":"ação","N":1.50})").value))),
        true, 200, R"({"result":{"conteudo":{"str":"P-1"}}})", "application/json");
    a.name = u"autoriza"_s;
    a.captures = {{u"protocolo"_s, u"result.conteudo.str"_s}};
    ScenarioStep b = stepFromExchange(u"POST"_s, u"TNFeAPI/CancelarNFe"_s, R"({"Protocolo":"x"})",
                                      false, 500, "quebrou", "text/plain");
    b.name = u"cancela"_s;
    b.dados = *json::parse(R"({"Protocolo":"${protocolo}"})").value;
    b.noise = {u"result.conteudo.date"_s};
    s.steps = {a, b};

    // Only the data value is kept: no session Id, no signature.
    EXPECT_EQ(json::toWireText(s.steps[0].dados), R"({"Chave":"a\u00E7\u00E3o","N":1.50})");
    EXPECT_EQ(s.steps[0].travel, Travel::Envelope);
    EXPECT_EQ(s.steps[1].travel, Travel::PlainWithoutAuth);
    const QByteArray text = scenarioText(s);
    EXPECT_FALSE(text.contains("Assinatura")) << text.constData();
    EXPECT_FALSE(text.contains("1001"));
    EXPECT_TRUE(text.contains("\"Chave\": \"ação\"")) << text.constData();
    EXPECT_TRUE(text.contains("\"N\": 1.50"));
    const qsizetype order[] = {text.indexOf("\"nome\": \"autoriza\""),
                               text.indexOf("\"servico\""),
                               text.indexOf("\"envio\""),
                               text.indexOf("\"dados\""),
                               text.indexOf("\"capturar\""),
                               text.indexOf("\"esperado\"")};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order))) << text.constData();

    const Scenario back = parseScenario(text);
    EXPECT_EQ(scenarioText(back), text);
    EXPECT_EQ(back.steps[1].expected.status, 500);
    EXPECT_EQ(back.steps[1].expected.text, u"quebrou"_s);
}

TEST(ScenarioFile, RefusesWhatCannotRunWithWhereItIs) {
    const struct {
        const char* text;
        const char* where;
    } cases[] = {
        {"{\n  \"passos\": [\n    {\"servico\" \"x\"}\n  ]\n}", "linha 3, coluna 16"},
        {R"({"passos":[{"nome":"um","servico":"TConexaoAPI/Sobre/../../../x"}]})",
         "passo \"um\": serviço inválido"},
        {R"({"passos":[{"nome":"um","servico":"TConexaoAPI/%2E%2e/x"}]})",
         "passo \"um\": serviço inválido"},
        {R"({"passos":[{"nome":"um","servico":"http://outro/x"}]})", "não um endereço"},
        {R"({"passos":[{"nome":"um","servico":"/datasnap/x"}]})", "não começa com /"},
        {R"({"passos":[{"nome":"um","servico":"TConexaoAPI/Sobre?x=1"}]})", "serviço inválido"},
        {R"({"passos":[{"nome":"um","servico":"TConexaoAPI/Sobre","tempo_maximo_ms":0}]})",
         "tempo_maximo_ms"},
        {R"({"passos":[{"nome":"dois","servico":"TConexaoAPI/Sobre","envio":"pombo"}]})",
         "passo \"dois\": forma de envio desconhecida: pombo"},
        {R"({"passos":[{"nome":"tres","servico":"TConexaoAPI/Sobre","dados":{"P":"${prot}"}}]})",
         "passo \"tres\": usa ${prot}"},
        {R"({"passos":[{"servico":"TConexaoAPI/Sobre","dados":"${p}","capturar":{"p":"a"}}]})",
         "passo 1: usa ${p}"},
        {R"({"passos":[{"nome":"x"}]})", "falta o serviço"},
        {R"({"passos":{}})", "outro tipo"},
        {R"([1])", "deve ser um objeto"},
    };
    for (const auto& c : cases) {
        try {
            parseScenario(c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const EScenarioError& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.where)))
                << e.message().toStdString();
        }
    }
    // A capture made by an earlier step is accepted, and so is a GET with its arguments and a
    // service no page calls (the generic page calls any path: the middleware decides).
    EXPECT_NO_THROW(parseScenario(
        R"({"passos":[{"servico":"TConexaoAPI/Sobre","capturar":{"p":"a"}},
                      {"servico":"TConexaoAPI/Sobre","dados":"${p}"}]})"));
    EXPECT_NO_THROW(parseScenario(R"({"passos":[{"servico":"TNFeAPI/CancelarNFeSefaz"},
                      {"servico":"TNovaAPI/Inventado/123"}]})"));
}

TEST(ScenarioCompare, PathsAndPatterns) {
    const struct {
        QString pattern;
        QString path;
        bool matches;
    } cases[] = {
        {u"a.l[*].d"_s, u"a.l[12].d"_s, true},
        {u"a.l[*].d"_s, u"a.l[1].e"_s, false},
        {u"a.l"_s, u"a.l[1]"_s, false},
        {u"a.b"_s, u"aXb"_s, false},
        // [*] matches from the path's start to its end, one position each.
        {u"l[*].d"_s, u"x.l[1].d"_s, false},
        {u"l[*].d"_s, u"l[1].d.e"_s, false},
        {u"l[*]"_s, u"l[]"_s, false},
        {u"l[*]"_s, u"l[C=x]"_s, true}, // an element of a list matched by a member
        {u"l[*][*]"_s, u"l[3][40]"_s, true},
        {u"l[*].m[*].n"_s, u"l[0].m[7].n"_s, true},
        {u"l[*].m[*].n"_s, u"l[0].m.n"_s, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(pathMatches(c.pattern, c.path), c.matches)
            << c.pattern.toStdString() << " ~ " << c.path.toStdString();
    const auto v = json::parse(R"({"r":{"l":[{"s":"x"},{"s":"y"}]}})").value;
    ASSERT_NE(valueAt(*v, u"r.l[1].s"_s), nullptr);
    EXPECT_EQ(valueAt(*v, u"r.l[1].s"_s)->text(), "y");
    EXPECT_EQ(valueAt(*v, u"r.l[2].s"_s), nullptr);
    EXPECT_EQ(valueAt(*v, u"r.x"_s), nullptr);
}
