#pragma once

#include "common/jsonvalue.h"
#include "common/tquorvaobject.h"

#include <QByteArray>

#include <memory>
#include <optional>
#include <vector>

// A named file whose bytes travel as base64 text.
class TArquivo : public TQuorvaObject {
public:
    explicit TArquivo(const QString& chave = {}) : TQuorvaObject(chave) {}
    QString MD5;
    QString Nome;
    QString Base64;
};

struct TArquivoHelper {
    static std::unique_ptr<TArquivo> fromJSON(const json::JsonValue* obj);
    // One record per object element of the array under the exact name; nothing when the
    // object or the array is missing.
    static std::optional<std::vector<TArquivo>> ListaFromJSON(const json::JsonValue* obj,
                                                              const QString& arrayName);
    // A record of a file on disk, optionally packed in a ZIP archive first.
    static TArquivo NewArquivo(const QString& fileName, bool arquivoCompactado);
    static std::optional<json::JsonValue> toJSON(const TArquivo* arquivo);
};

// Standard base64 decoded strictly: text that is not base64 raises a clear error.
QByteArray decodeBase64Strict(const QString& text);
QByteArray decodeBase64Strict(const QByteArray& text);

// A generated bank slip with its file.
class TBoleto : public TQuorvaObject {
public:
    explicit TBoleto(const QString& chave = {}) : TQuorvaObject(chave) {}
    QString NossoNumero;
    QString NumeroDocumento;
    QString FileBoleto; // never serialised
    QByteArray Boleto;  // the slip's file contents

    // The cached base64 of Boleto, computed on first read while the cache is blank.
    QString GetBoleto_Base64();
    // Empties the stream, caches the text, and decodes a non-blank text into the stream.
    void SetBoleto_Base64(const QString& text);

private:
    QString m_base64;
};

struct TBoletoHelper {
    static std::unique_ptr<TBoleto> CriaBoleto(const QString& numeroDocumento,
                                               const QString& nossoNumero,
                                               const QString& fileBoleto, bool comprimirArquivo);
    static std::unique_ptr<TBoleto> fromJSON(const json::JsonValue* obj);
    static std::optional<json::JsonValue> toJSON(TBoleto* boleto);
};
