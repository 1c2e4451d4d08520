#pragma once

#include <QString>

#include <cstdint>

// The version record of the product family and its database: one per process.
class TSobreCommerce {
public:
    static TSobreCommerce& GetInstance();

    QString GetSistemaVersao() const { return m_sistemaVersao; }
    void SetSistemaVersao(const QString& v) { m_sistemaVersao = v; }
    int32_t GetSistemaRelease() const { return m_sistemaRelease; }
    void SetSistemaRelease(int32_t v) { m_sistemaRelease = v; }
    int32_t GetSistemaBuild() const { return m_sistemaBuild; }
    void SetSistemaBuild(int32_t v) { m_sistemaBuild = v; }
    int32_t GetBancoVersao() const { return m_bancoVersao; }
    void SetBancoVersao(int32_t v) { m_bancoVersao = v; }
    int32_t GetBancoRelease() const { return m_bancoRelease; }
    void SetBancoRelease(int32_t v) { m_bancoRelease = v; }
    int32_t GetPreparacaoMinima() const { return m_preparacaoMinima; }
    void SetPreparacaoMinima(int32_t v) { m_preparacaoMinima = v; }
    QString GetDescricaoVersao() const { return m_descricaoVersao; }
    void SetDescricaoVersao(const QString& v) { m_descricaoVersao = v; }

    TSobreCommerce(const TSobreCommerce&) = delete;
    TSobreCommerce& operator=(const TSobreCommerce&) = delete;

private:
    TSobreCommerce();

    QString m_sistemaVersao;
    int32_t m_sistemaRelease = 0;
    int32_t m_sistemaBuild = 0;
    int32_t m_bancoVersao = 0;
    int32_t m_bancoRelease = 0;
    int32_t m_preparacaoMinima = 0;
    QString m_descricaoVersao;
};
