#include "contracts/tcombo.h"

#include "common/exception.h"
#include "contracts/pageenums.h"

QString TComboItem::GetLinhaCombo() const {
    return FDescricao + (FAtivo ? QString() : QStringLiteral(" --> Desativado")) + u'\t' + FCodigo;
}

void TCombo::CarregaItensCombo() {
    throw Exception(QStringLiteral("Essa classe não pode ser instanciada."));
}

void TCombo::PreencheComboInterno() {
    if (!FCombo)
        return;
    FCombo->clearLines();
    FCombo->setUpChooseOnly(FPermiteVazio);
    for (const TComboItem& item : FItens) {
        bool include = FSomenteCom.empty();
        for (const TFiltroCombo& f : FSomenteCom)
            include = include || item.Codigo().trimmed() == f.FCodigo.trimmed();
        if (include)
            FCombo->addLine(item.GetLinhaCombo());
    }
}

namespace {
void load(std::vector<TComboItem>& items, const TParListaList& pairs) {
    for (const TParLista& p : pairs)
        items.emplace_back(p.Valor, p.Descricao, true);
}
} // namespace

void TComboTipoComunicacaoImpressora::CarregaItensCombo() {
    load(FItens, TEnum::TipoComunicacaoImpressoraGetList());
}

void TComboModalidadeFrete::CarregaItensCombo() {
    load(FItens, TEnum::ModalidadeFreteGetList());
}
