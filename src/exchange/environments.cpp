#include "exchange/environments.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString kGroup = u"ambientes"_s;
const QString kLast = u"ambientes/ultimo"_s;

// The keyring keys of the HTTP password and of the client certificate's.
QString keyOf(const QString& name) {
    return u"ambiente/"_s + name;
}
QString certificateKeyOf(const QString& name) {
    return u"certificado/"_s + name;
}

// Names become settings groups: kept readable, with "/" and "\" (group separators) encoded.
QString groupOf(const QString& name) {
    return kGroup + u"/lista/"_s + QString::fromLatin1(name.toUtf8().toPercentEncoding(" "));
}

} // namespace

Environments::Environments(QSettings& settings, std::unique_ptr<Keyring> keyring)
    : m_settings(settings), m_keyring(std::move(keyring)) {}

Environments::~Environments() = default;

QStringList Environments::names() const {
    m_settings.beginGroup(kGroup + u"/lista"_s);
    const QStringList groups = m_settings.childGroups();
    m_settings.endGroup();
    QStringList names;
    for (const QString& g : groups)
        names << QString::fromUtf8(QByteArray::fromPercentEncoding(g.toLatin1()));
    names.sort(Qt::CaseInsensitive);
    return names;
}

std::optional<Environment> Environments::get(const QString& name) {
    if (!names().contains(name))
        return std::nullopt;
    m_settings.beginGroup(groupOf(name));
    Environment e;
    e.name = name;
    e.server = m_settings.value(u"servidor"_s).toString();
    e.companyCode = m_settings.value(u"empresa"_s).toString();
    e.user = m_settings.value(u"usuario"_s).toString();
    e.keysFile = m_settings.value(u"chaves"_s).toString();
    e.timeoutSeconds = m_settings.value(u"tempoLimite"_s, 0).toInt();
    e.production = m_settings.value(u"producao"_s, false).toBool();
    e.tls.authorityFile = m_settings.value(u"ca"_s).toString();
    e.tls.clientCertificate = m_settings.value(u"certificado"_s).toString();
    e.tls.clientKey = m_settings.value(u"chave"_s).toString();
    e.tls.insecure = m_settings.value(u"inseguro"_s, false).toBool();
    m_settings.endGroup();
    // The password goes with the user: without one the keyring is not asked (on a machine
    // without a keyring, asking would warn at every start-up about nothing). So does the
    // certificate's with the certificate.
    if (!e.user.isEmpty())
        e.password = readPassword(keyOf(name));
    if (!e.tls.clientCertificate.isEmpty())
        e.clientPassword = readPassword(certificateKeyOf(name));
    return e;
}

void Environments::save(const Environment& e) {
    m_settings.beginGroup(groupOf(e.name));
    m_settings.setValue(u"servidor"_s, e.server);
    m_settings.setValue(u"empresa"_s, e.companyCode);
    m_settings.setValue(u"usuario"_s, e.user);
    m_settings.setValue(u"chaves"_s, e.keysFile);
    m_settings.setValue(u"tempoLimite"_s, e.timeoutSeconds);
    m_settings.setValue(u"producao"_s, e.production);
    m_settings.setValue(u"ca"_s, e.tls.authorityFile);
    m_settings.setValue(u"certificado"_s, e.tls.clientCertificate);
    m_settings.setValue(u"chave"_s, e.tls.clientKey);
    m_settings.setValue(u"inseguro"_s, e.tls.insecure);
    m_settings.endGroup();
    m_settings.sync();
    writePassword(keyOf(e.name), e.password);
    writePassword(certificateKeyOf(e.name),
                  e.tls.clientCertificate.isEmpty() ? QString() : e.clientPassword);
}

bool Environments::rename(const QString& from, const QString& to) {
    if (!duplicate(from, to))
        return false;
    remove(from);
    if (last() == from)
        setLast(to);
    return true;
}

bool Environments::duplicate(const QString& from, const QString& to) {
    const QStringList existing = names();
    if (to.trimmed().isEmpty() || existing.contains(to) || !existing.contains(from))
        return false;
    std::optional<Environment> e = get(from);
    e->name = to;
    save(*e);
    return true;
}

void Environments::remove(const QString& name) {
    m_settings.remove(groupOf(name));
    m_settings.sync();
    removePassword(keyOf(name));
    removePassword(certificateKeyOf(name));
}

QString Environments::last() const {
    return m_settings.value(kLast).toString();
}

void Environments::setLast(const QString& name) {
    if (last() == name)
        return; // nothing to write (choosing the last one again at start-up)
    m_settings.setValue(kLast, name);
    m_settings.sync();
}

QString Environments::takeNotice() {
    return std::exchange(m_notice, QString());
}

void Environments::keyringMissing() {
    m_keyringMissing = true;
    if (m_noticeGiven)
        return;
    m_noticeGiven = true;
    m_notice = u"Nenhum chaveiro do sistema está disponível: as senhas dos ambientes ficam "
               "guardadas só até o testador ser fechado."_s;
}

QString Environments::readPassword(const QString& key) {
    if (const auto it = m_sessionPasswords.find(key); it != m_sessionPasswords.end())
        return it->second;
    if (m_keyringMissing)
        return {};
    bool unavailable = false;
    const std::optional<QString> password = m_keyring->read(key, &unavailable);
    if (unavailable)
        keyringMissing();
    return password.value_or(QString());
}

void Environments::writePassword(const QString& key, const QString& password) {
    if (password.isEmpty()) {
        removePassword(key);
        return;
    }
    if (!m_keyringMissing && m_keyring->write(key, password)) {
        m_sessionPasswords.erase(key);
        return;
    }
    keyringMissing();
    m_sessionPasswords[key] = password;
}

void Environments::removePassword(const QString& key) {
    m_sessionPasswords.erase(key);
    if (!m_keyringMissing)
        m_keyring->remove(key);
}
