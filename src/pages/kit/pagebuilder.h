#pragma once

#include "pages/kit/pagecontext.h"

class QWidget;

namespace kit {

// Builds the widgets of a page declaration under parent; each control's objectName is its
// name. The returned widget owns the page instance.
QWidget* buildPage(const Page& page, PageHost& host, QWidget* parent);

} // namespace kit
