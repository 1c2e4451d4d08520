#include "pages/kit/pagecatalogue.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace kit {

QString travelWords(Exchange exchange) {
    switch (exchange) {
    case Exchange::Standard:
        return u"envelope, com verificação de sessão e autenticação"_s;
    case Exchange::EnvelopeWithoutSession:
        return u"envelope, sem verificação de sessão"_s;
    case Exchange::Plain:
        return u"Dados puro (sem envelope), com autenticação"_s;
    case Exchange::PlainWithoutAuth:
        return u"Dados puro (sem envelope), sem credenciais"_s;
    case Exchange::Get:
        return u"GET do endereço do serviço"_s;
    case Exchange::Custom:
        return u"pela rotina própria da página"_s;
    }
    return {};
}

QString widgetWords(WidgetKind widget) {
    switch (widget) {
    case WidgetKind::Line:
        return u"campo de texto"_s;
    case WidgetKind::Password:
        return u"campo de senha"_s;
    case WidgetKind::Memo:
        return u"texto de várias linhas"_s;
    case WidgetKind::ComboList:
        return u"lista de escolha"_s;
    case WidgetKind::ComboEditable:
        return u"lista ou texto digitado"_s;
    case WidgetKind::EnumCombo:
        return u"lista de códigos"_s;
    case WidgetKind::Check:
        return u"caixa de marcação"_s;
    case WidgetKind::Radio:
        return u"botão de opção"_s;
    case WidgetKind::RadioGroup:
        return u"grupo de opções"_s;
    case WidgetKind::Spin:
        return u"número com setas"_s;
    case WidgetKind::Date:
        return u"seletor de data"_s;
    case WidgetKind::DateTime:
        return u"seletor de data e hora"_s;
    case WidgetKind::ListBox:
        return u"lista"_s;
    case WidgetKind::Image:
        return u"imagem"_s;
    case WidgetKind::Grid:
        return u"grade"_s;
    case WidgetKind::Label:
        return u"texto de ajuda"_s;
    case WidgetKind::Button:
        return u"botão"_s;
    case WidgetKind::Group:
        return u"grupo"_s;
    case WidgetKind::Tabs:
        return u"abas"_s;
    case WidgetKind::Tab:
        return u"aba"_s;
    }
    return {};
}

namespace {

bool captioned(WidgetKind w) {
    return w == WidgetKind::Button || w == WidgetKind::Group || w == WidgetKind::Tab;
}

QString servicePath(const Action& a) {
    if (!a.path.isEmpty())
        return a.path;
    return a.pathFn ? u"montado pelos campos da página"_s : QString();
}

// The data value's words when the action builds it otherwise than from the keys.
QString dadosWords(const Action& a) {
    if (!a.dados)
        return {};
    return a.dados.words.isEmpty() ? u"montado pela própria página"_s : a.dados.words;
}

} // namespace

PageCatalogue catalogueOf(const Page& page) {
    PageCatalogue c{page.name, page.description, {}, {}, {}, {}};
    if (!page.groupTitle.isEmpty())
        c.captions << page.groupTitle;
    std::vector<CatalogueKey> keys;
    forEachControl(page.controls, [&](const Control& control) {
        if (captioned(control.widget) && !control.text.isEmpty() && control.text != u"..."_s)
            c.captions << control.text;
        else if (!control.label.isEmpty())
            c.labels << control.label;
        if (!control.buddyCaption.isEmpty() && control.buddyCaption != u"..."_s)
            c.captions << control.buddyCaption;
        for (const Action* a : {control.action ? &*control.action : nullptr,
                                control.buddyAction ? &*control.buddyAction : nullptr}) {
            if (!a)
                continue;
            const QString path = servicePath(*a);
            if (path.isEmpty()) // a button that only fills a field
                continue;
            const QString button =
                control.action && a == &*control.action ? control.text : control.buddyCaption;
            const bool known =
                std::any_of(c.services.begin(), c.services.end(), [&](const CatalogueService& s) {
                    return s.path == path && !a->pathFn;
                });
            if (!known)
                c.services.push_back({button, path, travelWords(a->exchange), dadosWords(*a)});
        }
        if (!control.key.isEmpty())
            keys.push_back(
                {control.key, control.name, control.label.isEmpty() ? control.text : control.label,
                 widgetWords(control.widget),
                 control.kind.words.isEmpty() ? u"regra própria da página"_s : control.kind.words});
    });
    // The keys the page orders first, then the others in tab order.
    for (const QString& key : page.keyOrder)
        for (auto it = keys.begin(); it != keys.end(); ++it)
            if (it->key == key) {
                c.keys.push_back(*it);
                keys.erase(it);
                break;
            }
    c.keys.insert(c.keys.end(), keys.begin(), keys.end());
    return c;
}

QString aboutHtml(const PageCatalogue& c) {
    QString html; // the description is the line above the panel
    if (c.services.empty())
        html += u"<p>Esta página não chama serviço.</p>"_s;
    for (const CatalogueService& s : c.services) {
        html += u"<p><b>%1</b>"_s.arg(s.path.toHtmlEscaped());
        if (!s.button.isEmpty())
            html += u" — botão “%1”"_s.arg(s.button.toHtmlEscaped());
        html += u"<br>Envio: %1"_s.arg(s.travel.toHtmlEscaped());
        if (!s.dados.isEmpty())
            html += u"<br>Dados: %1"_s.arg(s.dados.toHtmlEscaped());
        html += u"</p>"_s;
    }
    if (!c.keys.empty()) {
        html += u"<table cellspacing=0 cellpadding=2><tr><th align=left>Chave de Dados</th>"
                "<th align=left>Controle</th><th align=left>Valor enviado</th></tr>"_s;
        for (const CatalogueKey& k : c.keys)
            html += u"<tr><td><code>%1</code></td><td>%2 (%3, <code>%4</code>)</td>"
                    "<td>%5</td></tr>"_s.arg(k.key.toHtmlEscaped(), k.label.toHtmlEscaped(),
                                             k.widget, k.control, k.kind.toHtmlEscaped());
        html += u"</table>"_s;
    }
    return html;
}

} // namespace kit
