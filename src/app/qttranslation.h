#pragma once

class QCoreApplication;
class QTranslator;

// Installs Qt's own Brazilian Portuguese translation (standard buttons, context menus and
// dialogs), found at run time in Qt's translations folder. Returns it (owned by the
// application; deleting it uninstalls it), or nullptr when none was found: the standard texts
// then stay in English.
QTranslator* installQtTranslation(QCoreApplication& app);
