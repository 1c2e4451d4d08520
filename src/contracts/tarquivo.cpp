#include "contracts/tarquivo.h"

#include "common/exception.h"
#include "common/filehelpers.h"
#include "common/tjsonutil.h"

#include <QFileInfo>
#include <QTemporaryDir>

QByteArray decodeBase64Strict(const QString& text) {
    return decodeBase64Strict(text.trimmed().toLatin1());
}

QByteArray decodeBase64Strict(const QByteArray& text) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        throw Exception(
            QStringLiteral("O conteúdo recebido não é base64 válido; nenhum arquivo foi gravado."));
    return *decoded;
}

std::unique_ptr<TArquivo> TArquivoHelper::fromJSON(const json::JsonValue* obj) {
    if (!obj)
        return nullptr;
    auto a = std::make_unique<TArquivo>(TJSONUtil::GetStr(obj, QStringLiteral("Chave")));
    a->MD5 = TJSONUtil::GetStr(obj, QStringLiteral("MD5"));
    a->Nome = TJSONUtil::GetStr(obj, QStringLiteral("Nome"));
    a->Base64 = TJSONUtil::GetStr(obj, QStringLiteral("Base64"));
    return a;
}

std::optional<std::vector<TArquivo>> TArquivoHelper::ListaFromJSON(const json::JsonValue* obj,
                                                                   const QString& arrayName) {
    const json::JsonValue* array =
        obj && obj->isObject() ? obj->find(arrayName.toStdString()) : nullptr;
    if (!array || !array->isArray())
        return std::nullopt;
    std::vector<TArquivo> list;
    for (std::size_t i = 0; i < array->size(); ++i)
        if (array->at(i).isObject())
            list.push_back(*fromJSON(&array->at(i)));
    return list;
}

TArquivo TArquivoHelper::NewArquivo(const QString& fileName, bool arquivoCompactado) {
    TArquivo a;
    const QFileInfo info(fileName);
    a.Nome = arquivoCompactado ? info.completeBaseName() + QStringLiteral(".zip") : info.fileName();
    a.Base64 = GetBase64File(fileName, arquivoCompactado);
    return a;
}

std::optional<json::JsonValue> TArquivoHelper::toJSON(const TArquivo* a) {
    if (!a)
        return std::nullopt;
    json::JsonValue o = json::JsonValue::object();
    o.add("Nome", TJSONUtil::SetStr(a->Nome));
    if (!a->MD5.trimmed().isEmpty())
        o.add("MD5", TJSONUtil::SetStr(a->MD5));
    if (!a->Base64.trimmed().isEmpty())
        o.add("Base64", TJSONUtil::SetStr(a->Base64));
    return o;
}

QString TBoleto::GetBoleto_Base64() {
    if (m_base64.trimmed().isEmpty())
        m_base64 = QString::fromLatin1(Boleto.toBase64());
    return m_base64;
}

void TBoleto::SetBoleto_Base64(const QString& text) {
    Boleto.clear();
    m_base64 = text;
    if (!text.trimmed().isEmpty())
        Boleto = decodeBase64Strict(text);
}

std::unique_ptr<TBoleto> TBoletoHelper::CriaBoleto(const QString& numeroDocumento,
                                                   const QString& nossoNumero,
                                                   const QString& fileBoleto,
                                                   bool comprimirArquivo) {
    auto b = std::make_unique<TBoleto>(nossoNumero);
    b->NumeroDocumento = numeroDocumento;
    b->NossoNumero = nossoNumero;
    b->FileBoleto = fileBoleto;
    if (!comprimirArquivo) {
        b->Boleto = readFileBytes(fileBoleto);
        return b;
    }
    // The archive is made in a private folder: a file of the user's that has the archive's
    // name beside the slip is never deleted or changed.
    const QTemporaryDir work;
    const QString archive =
        work.filePath(QFileInfo(fileBoleto).completeBaseName() + QStringLiteral(".zip"));
    try {
        if (!work.isValid() || CompactFile(archive, fileBoleto) != 1)
            throw TQuorvaException(QStringLiteral("Erro ao criar arquivo compactado!"));
    } catch (const TQuorvaException&) {
        throw;
    } catch (const Exception& e) {
        throw TQuorvaException(QStringLiteral("Erro ao criar arquivo compactado!"), e);
    }
    b->Boleto = readFileBytes(archive);
    return b;
}

std::unique_ptr<TBoleto> TBoletoHelper::fromJSON(const json::JsonValue* obj) {
    if (!obj)
        return nullptr;
    auto b = std::make_unique<TBoleto>(TJSONUtil::GetStr(obj, QStringLiteral("Chave")));
    b->NumeroDocumento = TJSONUtil::GetStr(obj, QStringLiteral("NumeroDocumento"));
    b->NossoNumero = TJSONUtil::GetStr(obj, QStringLiteral("NossoNumero"));
    b->SetBoleto_Base64(TJSONUtil::GetStr(obj, QStringLiteral("Boleto_Base64")));
    return b;
}

std::optional<json::JsonValue> TBoletoHelper::toJSON(TBoleto* b) {
    if (!b)
        return std::nullopt;
    json::JsonValue o = json::JsonValue::object();
    o.add("NumeroDocumento", TJSONUtil::SetStr(b->NumeroDocumento));
    o.add("NossoNumero", TJSONUtil::SetStr(b->NossoNumero));
    o.add("Boleto_Base64", TJSONUtil::SetStr(b->GetBoleto_Base64()));
    return o;
}
