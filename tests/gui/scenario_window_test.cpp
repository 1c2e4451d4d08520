// "Cenários…" against the stand-in's own binary: the table of verdicts, the differing path
// marked on both sides, a baseline accepted, a path ignored, the file saved, a cancelled run
// that leaves the window usable, and noise learned but not saved.
#include "app/scenariowindow.h"
#include "harness.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The stand-in's executable on a free loopback port, ended with the test.
class StandInProcess {
public:
    StandInProcess() {
        // A loopback port nobody listens on at the moment.
        const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof a;
        ::bind(probe, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::getsockname(probe, reinterpret_cast<sockaddr*>(&a), &length);
        ::close(probe);
        m_port = ntohs(a.sin_port);
        m_process.start(QStringLiteral(MIDDLEWARE_SIM_PATH),
                        {u"--port"_s, QString::number(m_port)});
    }
    ~StandInProcess() {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }
    bool listening() {
        QByteArray log;
        for (int i = 0; i < 100 && !log.contains("ouvindo em"); ++i) {
            if (!m_process.waitForReadyRead(100) && m_process.state() == QProcess::NotRunning)
                break;
            log += m_process.readAllStandardError();
        }
        return log.contains("ouvindo em");
    }
    QString baseUrl() const { return u"http://127.0.0.1:%1/datasnap/rest/"_s.arg(m_port); }

private:
    quint16 m_port = 0;
    QProcess m_process;
};

class ScenarioWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(standIn.listening());
        setText(u"ed_EnderecoWS"_s, standIn.baseUrl());
    }
    // A two-step scenario whose baseline is what the stand-in answers now, then the first
    // step's data changed (its echo will differ) while the second one's counter moves on.
    QString writeScenario() {
        Scenario s;
        s.name = u"eco e código"_s;
        s.ignore = {u"result.conteudo.date"_s, u"result.controle.msg"_s};
        ScenarioStep eco;
        eco.name = u"eco"_s;
        eco.path = u"TConexaoAPI/TestaComunicacao"_s;
        eco.travel = Travel::Plain;
        eco.dados = *json::parse(R"({"eco":"antes"})").value;
        ScenarioStep code;
        code.name = u"código"_s;
        code.path = u"TCommerceAPI/ProximoCodigo"_s;
        code.dados = *json::parse(R"({"CodigoTabela":"7"})").value;
        s.steps = {eco, code};
        ReplayTarget target;
        target.baseUrl = standIn.baseUrl();
        const std::vector<StepOutcome> baseline = replayScenario(s, target);
        for (std::size_t i = 0; i < s.steps.size(); ++i)
            EXPECT_TRUE(acceptAnswer(s.steps[i], baseline[i])) << baseline[i].error.toStdString();
        s.steps[0].dados = *json::parse(R"({"eco":"depois"})").value;
        const QString file = workDir.filePath(u"cenario.json"_s);
        saveScenario(s, file);
        return file;
    }
    ScenarioWindow* openScenario(const QString& file) {
        recorded->fileAnswers.push_back(file);
        window->findChild<QAction*>(u"ac_Cenarios"_s)->trigger();
        return window->findChild<ScenarioWindow*>();
    }
    QStringList verdicts(ScenarioWindow* w) {
        auto* steps = w->findChild<QTableWidget*>(u"gd_Passos"_s);
        QStringList out;
        for (int r = 0; r < steps->rowCount(); ++r)
            out << steps->item(r, 2)->text();
        return out;
    }
    static QString markedLine(QPlainTextEdit* pane) {
        const auto marks = pane->extraSelections();
        return marks.isEmpty() ? QString() : marks.first().cursor.block().text().trimmed();
    }
    void press(ScenarioWindow* w, const QString& name) {
        w->findChild<QPushButton*>(name)->click();
    }

    StandInProcess standIn;
};

} // namespace

TEST_F(ScenarioWindowTest, DifferencesAreShownThenAcceptedOrIgnoredAndTheFileKeepsThem) {
    const QString file = writeScenario();
    ScenarioWindow* w = openScenario(file);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(verdicts(w), (QStringList{u"diferente"_s, u"diferente"_s}));

    // The first differing step is chosen: its request in the main pane, its path on both sides.
    auto* differences = w->findChild<QTableWidget*>(u"gd_Diferencas"_s);
    ASSERT_EQ(differences->rowCount(), 1);
    EXPECT_EQ(differences->item(0, 0)->text(), u"result.eco"_s);
    EXPECT_TRUE(paneText(u"mm_Request"_s).contains(u"depois"_s))
        << paneText(u"mm_Request"_s).toStdString();
    EXPECT_EQ(markedLine(w->findChild<QPlainTextEdit*>(u"mm_Esperado"_s)), u"\"eco\": \"antes\""_s);
    EXPECT_EQ(markedLine(w->findChild<QPlainTextEdit*>(u"mm_Obtido"_s)), u"\"eco\": \"depois\""_s);

    press(w, u"bt_AceitarEsperado"_s);
    EXPECT_EQ(verdicts(w), (QStringList{u"igual"_s, u"diferente"_s}));

    w->findChild<QTableWidget*>(u"gd_Passos"_s)->setCurrentCell(1, 0);
    ASSERT_EQ(differences->rowCount(), 1);
    EXPECT_EQ(differences->item(0, 0)->text(), u"result.conteudo.livre.Codigo"_s);
    press(w, u"bt_IgnorarCaminho"_s);
    EXPECT_EQ(verdicts(w), (QStringList{u"igual"_s, u"igual"_s}));
    EXPECT_EQ(differences->rowCount(), 0);

    // Nothing is written until saved; the saved file makes the next run equal.
    EXPECT_TRUE(w->modified());
    EXPECT_EQ(loadScenario(file).steps[1].ignore, QStringList());
    press(w, u"bt_Salvar"_s);
    EXPECT_FALSE(w->modified());
    EXPECT_EQ(loadScenario(file).steps[1].ignore, QStringList{u"result.conteudo.livre.Codigo"_s});
    w->close();
    w = openScenario(file);
    EXPECT_EQ(verdicts(w), (QStringList{u"igual"_s, u"igual"_s}));
}

TEST_F(ScenarioWindowTest, ACancelledRunStopsAndTheWindowStillRunsAndLearnsNoise) {
    const QString file = writeScenario();
    ScenarioWindow* w = openScenario(file);
    ASSERT_NE(w, nullptr);
    QTimer::singleShot(0, w, [w] { w->findChild<QPushButton*>(u"bt_Cancelar"_s)->click(); });
    press(w, u"bt_Executar"_s);
    EXPECT_TRUE(w->findChild<QLabel*>(u"lb_Resumo"_s)->text().startsWith(u"Cancelado no passo 1"_s))
        << w->findChild<QLabel*>(u"lb_Resumo"_s)->text().toStdString();
    EXPECT_EQ(verdicts(w), (QStringList{QString(), QString()}));
    EXPECT_TRUE(w->findChild<QPushButton*>(u"bt_Executar"_s)->isEnabled());

    press(w, u"bt_Executar"_s);
    EXPECT_EQ(verdicts(w), (QStringList{u"diferente"_s, u"diferente"_s}));

    // The counter moves on every call: learned as noise of that step, not of the echo.
    press(w, u"bt_AprenderRuido"_s);
    EXPECT_EQ(w->scenario().steps[1].noise, QStringList{u"result.conteudo.livre.Codigo"_s});
    EXPECT_TRUE(w->scenario().steps[0].noise.isEmpty());
    EXPECT_TRUE(w->modified());
    // Closing the main window asks about the changes: declined, the file stays as it was.
    recorded->confirmAnswers.push_back(false);
    window->close();
    ASSERT_EQ(recorded->confirmations.size(), 1u);
    EXPECT_TRUE(recorded->confirmations[0].startsWith(u"Salvar as alterações no cenário"_s));
    EXPECT_TRUE(loadScenario(file).steps[1].noise.isEmpty());
}
