#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// Protected text: a text encrypted with AES-128 in ECB mode and written in base64, bound to a
// connection Id of a small in-memory registry. The cipher key is the MD5 digest of the
// protection key (the company key of code 0); the last block is padded as PKCS #7.

// Empty in, empty out. Errors raise TQuorvaException.
QByteArray CriptografaTextoSegur(const QByteArray& clearText);
QByteArray DescriptografaTextoSegur(const QByteArray& protectedText);

// A connection record and its text form: the company code left-padded with "0" to 5
// characters followed directly by the Id.
struct TIdConn {
    int32_t empresa = 0;
    int32_t id = 0;
};
QString TIdConnToStr(const TIdConn& conn);
TIdConn StrToTIdConn(const QString& text); // raises the integer conversion error

// The connection registry (ListaID): at most 100 entries, in memory only.
int ConectaEmp(int32_t empresa);
QString GeraHashConexao(int32_t id);
void HashConfere(int32_t id, const QString& hash,
                 int32_t empresa); // "Hash de Conexão não Confere!"
QByteArray CriptografaStr(int32_t id, const QString& hash, const QByteArray& clearText);
QByteArray DescriptografaStr(int32_t id, const QString& hash, const QByteArray& protectedText);
int CarregaListaID();
void LiberaListaID();
int32_t GeraID(int32_t empresa);
bool RetiraID(int32_t id, int32_t empresa);
void RegistraLog(const QString& place, int code, const QString& message);
// The registry's entries while a list is loaded (for inspection).
std::optional<QStringList> ListaIDAtual();
