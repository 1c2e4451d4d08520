#include "app/baseurlfield.h"

#include "exchange/httpclient.h"
#include "widgets/dialogs.h"

#include <QLineEdit>

using namespace Qt::StringLiterals;

void completeBaseUrlWhenEdited(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::editingFinished, field, [field] {
        // An address without its protocol is not completed: the request itself says what is
        // missing, on the first press.
        const QString text = field->text().trimmed();
        const QString completed = completedBaseUrl(text);
        if (completed == text)
            return;
        field->setText(completed);
        static const char* const kTold = "quorvaToldBaseUrl";
        if (field->property(kTold).toBool())
            return;
        field->setProperty(kTold, true);
        dialogs().message(u"O endereço do servidor foi completado com a barra final: \"%1\". "
                          u"Os serviços são acrescentados diretamente a ele."_s.arg(field->text()),
                          Dialogs::Kind::Information);
    });
}
