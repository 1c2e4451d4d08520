// What the desk keeps for the user: the environments with the production guard, and the
// history stored between sessions.
#include "harness.h"

#include "../testauthority.h"
#include "app/deskenvironments.h"
#include "app/environmentmanager.h"
#include "app/exchangehistory.h"
#include "exchange/historystore.h"
#include "pages/kit/pagepresets.h"
#include "tables/memtable.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <map>

using namespace Qt::StringLiterals;

namespace {

struct MemoryKeyring : Keyring {
    std::map<QString, QString> kept;
    std::optional<QString> read(const QString& key, bool*) override {
        const auto it = kept.find(key);
        return it == kept.end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool write(const QString& key, const QString& password) override {
        kept[key] = password;
        return true;
    }
    void remove(const QString& key) override { kept.erase(key); }
};

class DeskKeepingTest : public WindowTest {
protected:
    void attachEnvironments() {
        settings =
            std::make_unique<QSettings>(workDir.filePath(u"testador.ini"_s), QSettings::IniFormat);
        envs = window->attachEnvironments(
            std::make_unique<Environments>(*settings, std::make_unique<MemoryKeyring>()));
    }
    // The stored history as a new window finds it.
    void listStored() {
        QSignalSpy listed(window->history(), &ExchangeHistory::listed);
        window->history()->refresh();
        window->history()->store()->waitForIdle(); // every answer asked for so far is queued
        QCoreApplication::processEvents();
        ASSERT_GE(listed.count(), 1);
    }
    std::unique_ptr<QSettings> settings;
    DeskEnvironments* envs = nullptr;
};

} // namespace

TEST_F(DeskKeepingTest, ProductionEnvironmentShowsItsBarAndAsksBeforeEachAction) {
    attachEnvironments();
    envs->environments().save({.name = u"Produção"_s,
                               .server = sim.baseUrl(),
                               .companyCode = u"3"_s,
                               .user = u"loja"_s,
                               .password = u"s3nha"_s,
                               .production = true});
    envs->environments().save({.name = u"Local"_s, .server = sim.baseUrl()});
    envs->reloadNames();
    envs->choose(u"Produção"_s);
    auto* bar = window->findChild<QLabel*>(u"lb_AmbienteProducao"_s);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(bar->isHidden());
    EXPECT_TRUE(bar->text().contains(u"Produção"_s));
    EXPECT_TRUE(bar->styleSheet().contains(u"#b00020"_s)) << "shown in red";
    EXPECT_EQ(text(u"ed_CodigoEmpresa"_s), u"3"_s);

    // The environment's credentials go with the requests (the stand-in does not know them).
    click(u"bt_TestarSobre"_s);
    expectMessage(u"401"_s);
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].authUser, "loja");
    EXPECT_EQ(received()[0].authPassword, "s3nha");
    // The history, made with the first exchange, knows the environment chosen before it.
    ASSERT_FALSE(window->history()->entries().empty());
    EXPECT_EQ(window->history()->entries().front().environment, u"Produção"_s);
    envs->environments().save({.name = u"Produção"_s,
                               .server = sim.baseUrl(),
                               .companyCode = u"3"_s,
                               .production = true});
    envs->choose(u"Produção"_s);

    // Declined: the session request went (it is never asked about), the action did not.
    recorded->confirmAnswers.push_back(false);
    click(u"bt_TestarSobre"_s);
    ASSERT_EQ(recorded->confirmations.size(), 1u);
    EXPECT_EQ(recorded->confirmations[0], u"Enviar para Produção: TConexaoAPI/Sobre?"_s);
    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received()[1].path, "TConexaoAPI/ConectaMiddleware");
    // The status line does not go on showing the session request as if it were the last word.
    EXPECT_EQ(window->findChild<QLabel*>(u"lb_Troca"_s)->text(),
              u"Não enviado: TConexaoAPI/Sobre não foi confirmado para Produção."_s);

    // Accepted, and not to be asked again in this session.
    recorded->confirmAnswers.push_back(true);
    recorded->tickOptOut = true;
    click(u"bt_TestarSobre"_s);
    click(u"bt_TestarSobre"_s);
    EXPECT_EQ(recorded->confirmations.size(), 2u);
    EXPECT_EQ(received().size(), 4u);

    envs->choose(u"Local"_s);
    EXPECT_TRUE(bar->isHidden());
    click(u"bt_TestarSobre"_s);
    EXPECT_EQ(recorded->confirmations.size(), 2u);
    EXPECT_EQ(received().size(), 5u);
}

// An environment's HTTPS goes with its requests and the status line tells the TLS and the
// server's certificate. With the check off, the mark shows beside the server and the curl command
// starts with -k; in a production environment the switch is saved only when confirmed.
TEST_F(DeskKeepingTest, AnEnvironmentsHttpsAndTheMarkOfTheCheckSwitchedOff) {
    QTemporaryDir files;
    const TestAuthority authority(files.path(), u"ca"_s, u"Autoridade de teste"_s);
    const auto certificate =
        authority.issue(u"servidor"_s, u"localhost"_s, {u"localhost"_s, u"127.0.0.1"_s});
    sim::MiddlewareSim secure;
    secure.setTls(QFile::encodeName(certificate.certificate).toStdString(),
                  QFile::encodeName(certificate.key).toStdString());
    secure.start();
    attachEnvironments();
    envs->environments().save({.name = u"Loja"_s,
                               .server = secure.baseUrl(),
                               .tls = {.authorityFile = authority.certificateFile()}});
    envs->environments().save(
        {.name = u"Teste"_s, .server = secure.baseUrl(), .tls = {.insecure = true}});
    envs->reloadNames();
    envs->choose(u"Loja"_s);
    click(u"bt_TestarSobre"_s);
    auto* status = window->findChild<QLabel*>(u"lb_Troca"_s);
    EXPECT_TRUE(status->text().startsWith(u"HTTP/1.1 200 OK"_s)) << qPrintable(status->text());
    EXPECT_TRUE(status->text().contains(
        u"TLSv1.3 · CN=localhost · emitido por CN=Autoridade de teste · POST https://"_s))
        << qPrintable(status->text());
    EXPECT_TRUE(status->text().contains(u"TConexaoAPI/Sobre · SHA-256 "_s))
        << qPrintable(status->text());
    EXPECT_FALSE(status->text().contains(u"INSEGURO"_s));
    EXPECT_EQ(window->findChild<QLabel*>(u"lb_Inseguro"_s), nullptr); // never made
    window->history()->copyAsCurl();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(u" --cacert '"_s +
                                                           authority.certificateFile() + u"'"_s))
        << qPrintable(QApplication::clipboard()->text());

    envs->choose(u"Teste"_s);
    auto* mark = window->findChild<QLabel*>(u"lb_Inseguro"_s);
    ASSERT_NE(mark, nullptr);
    EXPECT_FALSE(mark->isHidden());
    click(u"bt_TestarSobre"_s);
    EXPECT_TRUE(status->text().contains(QString::fromUtf8(kInsecureMark)))
        << qPrintable(status->text());
    window->history()->copyAsCurl();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(u"| curl -k --silent "_s))
        << qPrintable(QApplication::clipboard()->text());
    envs->choose(u"Loja"_s);
    EXPECT_TRUE(mark->isHidden());

    // Production: asked when saved; declined, the check stays on.
    EnvironmentManager manager(*envs, window.get());
    const auto items = manager.list()->findItems(u"Loja"_s, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1);
    manager.list()->setCurrentItem(items.front());
    manager.findChild<QCheckBox*>(u"cb_AmbienteProducao"_s)->setChecked(true);
    manager.findChild<QCheckBox*>(u"cb_AmbienteInseguro"_s)->setChecked(true);
    recorded->confirmAnswers.push_back(false);
    manager.saveChosen();
    ASSERT_EQ(recorded->confirmations.size(), 1u);
    EXPECT_TRUE(recorded->confirmations[0].contains(u"ambiente de produção"_s));
    EXPECT_FALSE(envs->environments().get(u"Loja"_s)->tls.insecure);
    EXPECT_TRUE(envs->environments().get(u"Loja"_s)->production);
    manager.findChild<QCheckBox*>(u"cb_AmbienteInseguro"_s)->setChecked(true);
    recorded->confirmAnswers.push_back(true);
    manager.saveChosen();
    EXPECT_TRUE(envs->environments().get(u"Loja"_s)->tls.insecure);
    manager.saveChosen(); // confirmed once: not asked again
    EXPECT_EQ(recorded->confirmations.size(), 2u);
}

TEST_F(DeskKeepingTest, HistoryIsStoredFilteredPagedAndFoundAfterARestart) {
    const QString file = workDir.filePath(u"dados/historico.sqlite"_s);
    window->attachHistoryStore(new HistoryStore(file));
    window->history()->setEnvironment(u"Local"_s);
    click(u"bt_Conecta2"_s);
    click(u"bt_TestarSobre"_s);
    ASSERT_EQ(received().size(), 2u);
    const QString sobreAnswer = paneText(u"mm_Response"_s);

    // A new window, as after closing the program.
    window.reset();
    window = std::make_unique<TfrmPrincipal>(*dm);
    window->show();
    window->attachHistoryStore(new HistoryStore(file));
    ExchangeHistory* history = window->history();
    listStored();
    QTableWidget* list = history->list();
    ASSERT_EQ(list->rowCount(), 2);
    EXPECT_EQ(list->item(0, 1)->text(), u"TConexaoAPI/Sobre"_s);
    list->selectRow(0);
    EXPECT_EQ(paneText(u"mm_Response"_s), sobreAnswer);
    ASSERT_NE(history->current(), nullptr);
    EXPECT_EQ(history->current()->environment, u"Local"_s);

    auto* service = window->findChild<QLineEdit*>(u"ed_HistoricoServico"_s);
    service->setText(u"conecta"_s);
    Q_EMIT service->editingFinished();
    listStored();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->item(0, 1)->text(), u"TConexaoAPI/ConectaMiddleware"_s);

    // Typed, the list follows without Enter.
    service->clear();
    QSignalSpy relisted(history, &ExchangeHistory::listed);
    QTest::keyClicks(service, u"sobre"_s);
    ASSERT_TRUE(relisted.wait(5000));
    QCoreApplication::processEvents();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->item(0, 1)->text(), u"TConexaoAPI/Sobre"_s);

    // Many more than a page: the list holds one page, the total counts them all.
    service->clear();
    Q_EMIT service->editingFinished();
    ExchangeRecord small;
    small.started = QDateTime::currentDateTime();
    small.servicePath = u"TNFeAPI/SATAtivo"_s;
    small.status = 200;
    for (int i = 0; i < 250; ++i)
        history->add(small, u"ts_SATAtivo"_s);
    history->store()->waitForIdle();
    listStored();
    EXPECT_EQ(list->rowCount(), ExchangeHistory::kPageRows);
    EXPECT_EQ(history->storedTotal(), 252);
    window->findChild<QPushButton*>(u"bt_HistoricoProxima"_s)->click();
    window->findChild<QPushButton*>(u"bt_HistoricoProxima"_s)->click();
    listStored();
    EXPECT_EQ(list->rowCount(), 52);

    recorded->confirmAnswers.push_back(true);
    window->findChild<QPushButton*>(u"bt_HistoricoLimpar"_s)->click();
    history->store()->waitForIdle();
    listStored();
    EXPECT_EQ(list->rowCount(), 0);
}

TEST(ExchangeHistoryMemory, BytesOfDroppedEntriesAreGivenBack) {
    ExchangeHistory history([](const QString&, const QString&) {}, nullptr, 3, 1000);
    ExchangeRecord r;
    r.answer = QByteArray(100, 'x');
    for (int i = 0; i < 5; ++i)
        history.add(r, u"ts_Sobre"_s);
    EXPECT_EQ(history.entries().size(), 3u); // by count
    EXPECT_EQ(history.keptBytes(), 300);
    r.answer = QByteArray(900, 'y');
    history.add(r, u"ts_Sobre"_s); // by bytes: only this one and one small fit
    EXPECT_EQ(history.entries().size(), 2u);
    EXPECT_EQ(history.keptBytes(), 1000);
    // Past the byte limit, later small exchanges are all kept again, up to the count.
    r.answer = QByteArray(100, 'z');
    for (int i = 0; i < 3; ++i)
        history.add(r, u"ts_Sobre"_s);
    EXPECT_EQ(history.entries().size(), 3u);
    EXPECT_EQ(history.keptBytes(), 300);
}

TEST_F(DeskKeepingTest, PresetsSaveLoadAndRestoreFieldsAndGrids) {
    const QString page = u"ts_ConsultaRetaguarda"_s;
    window->selectPage(page);
    auto* menu = window->findChild<kit::PresetsMenu*>(u"valores_"_s + page);
    ASSERT_NE(menu, nullptr);
    QFile::remove(menu->presets().file());
    MemTable& params = dm->table(u"vt_ParamsConsultaRetaguarda"_s);
    const auto gridRows = [&] {
        QStringList rows;
        for (int r = 0; r < params.recordCount(); ++r)
            rows << params.valueAt(r, 0).toString() + u'=' + params.valueAt(r, 1).toString();
        return rows;
    };
    const int rowsAtStart = params.recordCount();

    setText(u"ed_OrigemConsultaRetaguarda"_s, u"R"_s);
    params.append();
    params.setValue(u"Nome"_s, u"loja"_s);
    params.setValue(u"Valor"_s, u"7"_s);
    params.post();
    const QStringList saved = gridRows();
    menu->saveAs(u"Loja 7"_s);

    menu->restoreDefaults();
    EXPECT_EQ(text(u"ed_OrigemConsultaRetaguarda"_s), u"C"_s);
    EXPECT_EQ(params.recordCount(), rowsAtStart);

    menu->load(u"Loja 7"_s);
    EXPECT_EQ(text(u"ed_OrigemConsultaRetaguarda"_s), u"R"_s);
    EXPECT_EQ(gridRows(), saved);

    // A preset written by an older version: the control it names is gone; the rest is loaded.
    QFile file(menu->presets().file());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QJsonObject all = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    EXPECT_EQ(all.value(u"pagina"_s).toString(), page);
    QJsonObject values = all[u"valores"_s].toObject();
    QJsonObject old = values[u"Loja 7"_s].toObject();
    old.insert(u"ed_CampoAntigo"_s, u"x"_s);
    old.insert(u"ed_TipoConsultaRetaguarda"_s, u"52"_s);
    values.insert(u"Antigo"_s, old);
    all.insert(u"valores"_s, values);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(all).toJson());
    file.close();
    menu->restoreDefaults();
    menu->load(u"Antigo"_s);
    expectMessage(u"ed_CampoAntigo"_s);
    EXPECT_EQ(text(u"ed_TipoConsultaRetaguarda"_s), u"52"_s);
    EXPECT_EQ(gridRows(), saved);
    EXPECT_EQ(menu->presets().names(), (QStringList{u"Antigo"_s, u"Loja 7"_s}));
}
