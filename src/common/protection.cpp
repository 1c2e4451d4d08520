#include "common/protection.h"

#include "common/companykeys.h"
#include "common/exception.h"
#include "common/md5.h"
#include "common/random.h"
#include "common/regional.h"
#include "common/texthelpers.h"
#include "common/tfuncoeswindows.h"

#include <QFile>

#include <openssl/evp.h>

#include <memory>

namespace {

constexpr int kMaxEntries = 100;

std::optional<QStringList>& listaID() {
    static std::optional<QStringList> list;
    return list;
}

QByteArray protectionKey() {
    return RetSenInt(0);
}

QByteArray cipherKey() {
    // The 128-bit key is the MD5 digest of the passphrase.
    return QByteArray::fromHex(MD5(protectionKey()).toLatin1());
}

QByteArray aes128Ecb(const QByteArray& input, bool encrypt) {
    const std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)> ctx(EVP_CIPHER_CTX_new(),
                                                                              &EVP_CIPHER_CTX_free);
    const QByteArray key = cipherKey();
    if (!ctx || EVP_CipherInit_ex(ctx.get(), EVP_aes_128_ecb(), nullptr,
                                  reinterpret_cast<const unsigned char*>(key.constData()), nullptr,
                                  encrypt ? 1 : 0) != 1)
        throw TQuorvaException(QStringLiteral("Não foi possível preparar a cifra AES-128"));
    QByteArray out(input.size() + 32, '\0');
    int written = 0;
    int last = 0;
    auto* dst = reinterpret_cast<unsigned char*>(out.data());
    if (EVP_CipherUpdate(ctx.get(), dst, &written,
                         reinterpret_cast<const unsigned char*>(input.constData()),
                         int(input.size())) != 1 ||
        EVP_CipherFinal_ex(ctx.get(), dst + written, &last) != 1)
        throw TQuorvaException(encrypt ? QStringLiteral("Não foi possível cifrar o texto")
                                       : QStringLiteral("Texto protegido inválido ou danificado"));
    out.truncate(written + last);
    return out;
}

QByteArray protect(int32_t id, const QString& hash, const QByteArray& text, bool encrypt) {
    CarregaListaID();
    const struct Release {
        int32_t id;
        ~Release() {
            RetiraID(id, 0);
            if (listaID() && listaID()->size() > kMaxEntries - 1)
                listaID()->removeFirst(); // the oldest entry
            LiberaListaID();
        }
    } release{id};
    HashConfere(id, hash, 0);
    if (encrypt)
        return aes128Ecb(text, true).toBase64();
    const auto decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw TQuorvaException(QStringLiteral("Texto protegido inválido: não é base64"));
    return aes128Ecb(*decoded, false);
}

} // namespace

QString TIdConnToStr(const TIdConn& conn) {
    return LPad(QString::number(conn.empresa), u'0', 5) + QString::number(conn.id);
}

TIdConn StrToTIdConn(const QString& text) {
    return TIdConn{regional::strToInt(text.left(5)), regional::strToInt(text.mid(5))};
}

int CarregaListaID() {
    listaID() = QStringList();
    return QFile::exists(TFuncoesWindows::TempPath() + QStringLiteral("dllcomv2.arq")) ? 1 : 0;
}

void LiberaListaID() {
    listaID().reset();
}

std::optional<QStringList> ListaIDAtual() {
    return listaID();
}

int32_t GeraID(int32_t empresa) {
    for (;;) {
        const auto id = int32_t(randomBelow(999999999));
        if (!listaID() || !listaID()->contains(TIdConnToStr({empresa, id})))
            return id;
    }
}

bool RetiraID(int32_t id, int32_t empresa) {
    if (!listaID() || listaID()->isEmpty())
        return true;
    return listaID()->removeOne(TIdConnToStr({empresa, id}));
}

int ConectaEmp(int32_t empresa) {
    try {
        CarregaListaID();
        const int32_t id = GeraID(empresa);
        listaID()->append(TIdConnToStr({empresa, id}));
        LiberaListaID();
        return id;
    } catch (...) {
        LiberaListaID();
        return 0;
    }
}

QString GeraHashConexao(int32_t id) {
    return MD5(QByteArray::number(id) + protectionKey());
}

void HashConfere(int32_t id, const QString& hash, int32_t) {
    if (GeraHashConexao(id) != hash)
        throw TQuorvaException(QStringLiteral("Hash de Conexão não Confere!"));
}

QByteArray CriptografaStr(int32_t id, const QString& hash, const QByteArray& clearText) {
    return protect(id, hash, clearText, true);
}

QByteArray DescriptografaStr(int32_t id, const QString& hash, const QByteArray& protectedText) {
    return protect(id, hash, protectedText, false);
}

QByteArray CriptografaTextoSegur(const QByteArray& clearText) {
    if (clearText.isEmpty())
        return {};
    const int32_t id = ConectaEmp(0);
    return CriptografaStr(id, GeraHashConexao(id), clearText);
}

QByteArray DescriptografaTextoSegur(const QByteArray& protectedText) {
    if (protectedText.isEmpty())
        return {};
    const int32_t id = ConectaEmp(0);
    return DescriptografaStr(id, GeraHashConexao(id), protectedText);
}

void RegistraLog(const QString&, int, const QString&) {}
