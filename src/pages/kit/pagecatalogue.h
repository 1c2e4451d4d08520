#pragma once

#include "pages/kit/pagespec.h"

#include <QString>

#include <vector>

// What a page declaration says of itself, read from the declaration alone (no widget is
// built): the "Sobre esta página" panel, the finder and the exported catalogue all show it.
namespace kit {

struct CatalogueService {
    QString button; // the caption of the button that calls it
    QString path;   // the service path; "montado pelos campos" when the page builds it
    QString travel; // how the request travels, in words
    QString dados;  // the data value's words when it is not the object of the keys
};

struct CatalogueKey {
    QString key;     // the JSON key in Dados
    QString control; // the control's object name
    QString label;   // its label (or caption)
    QString widget;  // the kind of control, in words
    QString kind;    // how its value is sent, in words
};

struct PageCatalogue {
    QString name;
    QString description;
    std::vector<CatalogueService> services; // in tab order, each path once
    std::vector<CatalogueKey> keys;         // in the order Dados is built
    QStringList labels;                     // every label of the page's fields
    QStringList captions;                   // buttons, group boxes and inner tabs
};

PageCatalogue catalogueOf(const Page& page);

// How an exchange travels, in words ("envelope com verificação de sessão", "GET", …).
QString travelWords(Exchange exchange);
// The kind of a control, in words ("campo de texto", "caixa de marcação", …).
QString widgetWords(WidgetKind widget);

// The panel's text (rich text) for a page.
QString aboutHtml(const PageCatalogue& catalogue);

} // namespace kit
