#pragma once

#include <QString>

// The base of the data records: the record's identifying key.
class TQuorvaObject {
public:
    explicit TQuorvaObject(QString chave = {}) : FChave(std::move(chave)) {}
    virtual ~TQuorvaObject() = default;
    const QString& Chave() const { return FChave; }
    void SetChave(const QString& chave) { FChave = chave; }

protected:
    QString FChave;
};
