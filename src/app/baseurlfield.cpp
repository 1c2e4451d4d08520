#include "app/baseurlfield.h"

#include "widgets/dialogs.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void completeBaseUrlWhenEdited(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::editingFinished, field, [field] {
        const QString text = field->text().trimmed();
        if (text.isEmpty() || text.endsWith(u'/'))
            return;
        // An address without its protocol is not completed: the request itself says what is
        // missing, on the first press.
        if (!text.startsWith(u"http://"_s, Qt::CaseInsensitive) &&
            !text.startsWith(u"https://"_s, Qt::CaseInsensitive))
            return;
        field->setText(text + u'/');
        static const char* const kTold = "quorvaToldBaseUrl";
        if (field->property(kTold).toBool())
            return;
        field->setProperty(kTold, true);
        dialogs().message(u"O endereço do servidor foi completado com a barra final: \"%1\". "
                          u"Os serviços são acrescentados diretamente a ele."_s.arg(field->text()),
                          Dialogs::Kind::Information);
    });
}
