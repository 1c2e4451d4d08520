#include "exchange/keyring.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

using namespace Qt::StringLiterals;

namespace {

const QString kService = u"TestadorQuorvaMiddlewareService"_s;

// Runs a keychain job to its end.
template <typename Job> void runJob(Job& job, const QString& key) {
    job.setAutoDelete(false);
    job.setKey(key);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec();
}

bool keyringMissing(QKeychain::Error error) {
    return error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented ||
           error == QKeychain::OtherError || error == QKeychain::AccessDenied ||
           error == QKeychain::AccessDeniedByUser;
}

class SystemKeyring : public Keyring {
public:
    std::optional<QString> read(const QString& key, bool* unavailable) override {
        QKeychain::ReadPasswordJob job(kService);
        runJob(job, key);
        if (job.error() == QKeychain::NoError)
            return job.textData();
        if (unavailable && keyringMissing(job.error()))
            *unavailable = true;
        return std::nullopt;
    }
    bool write(const QString& key, const QString& password) override {
        QKeychain::WritePasswordJob job(kService);
        job.setTextData(password);
        runJob(job, key);
        return job.error() == QKeychain::NoError;
    }
    void remove(const QString& key) override {
        QKeychain::DeletePasswordJob job(kService);
        runJob(job, key);
    }
};

} // namespace

std::unique_ptr<Keyring> systemKeyring() {
    return std::make_unique<SystemKeyring>();
}
