// Environments: kept in the settings file, their passwords in the keyring and nowhere else.
#include "exchange/environments.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// A keyring in memory; "down" behaves as a machine without one.
struct FakeKeyring : Keyring {
    std::map<QString, QString>* kept;
    bool down = false;
    FakeKeyring(std::map<QString, QString>* k, bool isDown) : kept(k), down(isDown) {}
    std::optional<QString> read(const QString& key, bool* unavailable) override {
        if (down) {
            *unavailable = true;
            return std::nullopt;
        }
        const auto it = kept->find(key);
        return it == kept->end() ? std::nullopt : std::optional<QString>(it->second);
    }
    bool write(const QString& key, const QString& password) override {
        if (down)
            return false;
        (*kept)[key] = password;
        return true;
    }
    void remove(const QString& key) override { kept->erase(key); }
};

Environment homologacao() {
    return {.name = u"Homologação/2"_s,
            .server = u"https://homolog.example/datasnap/rest/"_s,
            .companyCode = u"9"_s,
            .user = u"ana"_s,
            .password = u"s3gr3d0-forte"_s,
            .keysFile = u"/opt/chaves.txt"_s,
            .timeoutSeconds = 45,
            .production = true,
            .tls = {.authorityFile = u"/opt/ca.pem"_s,
                    .clientCertificate = u"/opt/caixa.p12"_s,
                    .insecure = true},
            .clientPassword = u"p12-s3nh4"_s};
}

class EnvironmentsTest : public ::testing::Test {
protected:
    QString ini() const { return dir.filePath(u"testador.ini"_s); }
    QTemporaryDir dir;
    std::map<QString, QString> keyring;
};

} // namespace

TEST_F(EnvironmentsTest, RoundTripKeepsThePasswordInTheKeyringOnly) {
    {
        QSettings settings(ini(), QSettings::IniFormat);
        Environments envs(settings, std::make_unique<FakeKeyring>(&keyring, false));
        envs.save(homologacao());
        envs.save({.name = u"Local"_s, .server = u"http://localhost:8080/datasnap/rest/"_s});
        envs.setLast(u"Homologação/2"_s);
        EXPECT_TRUE(envs.takeNotice().isEmpty());
    }
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    EXPECT_FALSE(written.contains("s3gr3d0")); // never in the settings file
    EXPECT_FALSE(written.contains("p12-s3nh4"));
    EXPECT_EQ(keyring.size(), 2u); // the HTTP password and the certificate's

    QSettings settings(ini(), QSettings::IniFormat);
    Environments envs(settings, std::make_unique<FakeKeyring>(&keyring, false));
    EXPECT_EQ(envs.names(), (QStringList{u"Homologação/2"_s, u"Local"_s}));
    EXPECT_EQ(envs.last(), u"Homologação/2"_s);
    const auto e = envs.get(u"Homologação/2"_s);
    ASSERT_TRUE(e);
    const Environment want = homologacao();
    EXPECT_EQ(e->server, want.server);
    EXPECT_EQ(e->companyCode, want.companyCode);
    EXPECT_EQ(e->user, want.user);
    EXPECT_EQ(e->password, want.password);
    EXPECT_EQ(e->keysFile, want.keysFile);
    EXPECT_EQ(e->timeoutSeconds, 45);
    EXPECT_TRUE(e->production);
    EXPECT_EQ(e->tls, want.tls);
    EXPECT_EQ(e->clientPassword, want.clientPassword);

    // Rename, duplicate and remove carry the password along (and take it away).
    ASSERT_TRUE(envs.rename(u"Homologação/2"_s, u"Homologação"_s));
    EXPECT_EQ(envs.last(), u"Homologação"_s);
    EXPECT_FALSE(envs.rename(u"Local"_s, u"Homologação"_s)); // taken
    EXPECT_FALSE(envs.duplicate(u"Local"_s, u"  "_s));
    ASSERT_TRUE(envs.duplicate(u"Homologação"_s, u"Produção"_s));
    EXPECT_EQ(envs.get(u"Produção"_s)->password, want.password);
    EXPECT_EQ(envs.get(u"Produção"_s)->clientPassword, want.clientPassword);
    envs.remove(u"Homologação"_s);
    EXPECT_EQ(envs.names(), (QStringList{u"Local"_s, u"Produção"_s}));
    EXPECT_FALSE(envs.get(u"Homologação"_s));
    EXPECT_EQ(keyring.size(), 2u);
    // Without a client certificate its password is not kept.
    std::optional<Environment> plain = envs.get(u"Produção"_s);
    plain->tls.clientCertificate.clear();
    envs.save(*plain);
    EXPECT_EQ(keyring.size(), 1u);
}

TEST_F(EnvironmentsTest, WithoutAKeyringPasswordsLastTheSessionAndTheUserIsToldOnce) {
    {
        QSettings settings(ini(), QSettings::IniFormat);
        Environments envs(settings, std::make_unique<FakeKeyring>(&keyring, true));
        envs.save(homologacao());
        EXPECT_TRUE(envs.takeNotice().contains(u"só até o testador ser fechado"_s));
        EXPECT_EQ(envs.get(u"Homologação/2"_s)->password, u"s3gr3d0-forte"_s);
        envs.save({.name = u"Outro"_s, .password = u"x"_s});
        EXPECT_TRUE(envs.takeNotice().isEmpty()); // once
    }
    QFile file(ini());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_FALSE(file.readAll().contains("s3gr3d0"));
    QSettings settings(ini(), QSettings::IniFormat);
    Environments envs(settings, std::make_unique<FakeKeyring>(&keyring, true));
    // Without an HTTP user there is no password to look for, and nothing to tell at start-up.
    ASSERT_TRUE(envs.get(u"Outro"_s));
    EXPECT_TRUE(envs.takeNotice().isEmpty());
    EXPECT_TRUE(envs.get(u"Homologação/2"_s)->password.isEmpty()); // gone with the session
    EXPECT_FALSE(envs.takeNotice().isEmpty());
}
