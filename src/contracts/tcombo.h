#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// One entry offered in a drop-down list.
class TComboItem {
public:
    TComboItem(QString codigo, QString descricao, bool ativo = true)
        : FDescricao(std::move(descricao)), FCodigo(std::move(codigo)), FAtivo(ativo) {}
    // The caption, " --> Desativado" when inactive, a tab, then the code.
    QString GetLinhaCombo() const;
    const QString& Codigo() const { return FCodigo; }
    const QString& Descricao() const { return FDescricao; }
    bool Ativo() const { return FAtivo; }

private:
    QString FDescricao;
    QString FCodigo;
    bool FAtivo;
};

// One "only with" filter code.
struct TFiltroCombo {
    QString FCodigo;
};

// The drop-down list a combo fills, seen through what the combo needs of it.
class ComboTarget {
public:
    virtual ~ComboTarget() = default;
    virtual void clearLines() = 0;
    // Captions shown, code as the value, choice restricted to the entries; the clear key is
    // allowed when permitsEmpty.
    virtual void setUpChooseOnly(bool permitsEmpty) = 0;
    virtual void addLine(const QString& line) = 0; // "caption<TAB>code"
};

// Loads an enumeration's pairs and writes them into a drop-down list. Only descendants can be
// made: creating TCombo itself is refused with "Essa classe não pode ser instanciada.".
class TCombo {
public:
    virtual ~TCombo() = default;

    // Creates a combo of the class and loads its entries.
    template <typename C> static std::unique_ptr<C> Create(ComboTarget* target, bool permiteVazio) {
        std::unique_ptr<C> combo(new C(target, permiteVazio));
        combo->CarregaItensCombo();
        return combo;
    }

    void PreencheCombo() { PreencheComboInterno(); }
    void AddFiltroSomenteCom(const QString& codigo) { FSomenteCom.push_back({codigo}); }
    const std::vector<TComboItem>& Itens() const { return FItens; }
    void SetTarget(ComboTarget* target) { FCombo = target; }

protected:
    TCombo(ComboTarget* target, bool permiteVazio) : FCombo(target), FPermiteVazio(permiteVazio) {}
    // Loads FItens; descendants override it.
    virtual void CarregaItensCombo();
    std::vector<TComboItem> FItens;

private:
    void PreencheComboInterno();

    ComboTarget* FCombo;
    bool FPermiteVazio;
    std::vector<TFiltroCombo> FSomenteCom;
};

class TComboTipoComunicacaoImpressora : public TCombo {
    friend class TCombo;

protected:
    using TCombo::TCombo;
    void CarregaItensCombo() override;
};

class TComboModalidadeFrete : public TCombo {
    friend class TCombo;

protected:
    using TCombo::TCombo;
    void CarregaItensCombo() override;
};
