#include "pagebuilder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace kit {

namespace {

QWidget* createWidget(const Control& c, QWidget* parent) {
    switch (c.widget) {
    case WidgetKind::Line:
    case WidgetKind::Password: {
        auto* e = new QLineEdit(c.text, parent);
        if (c.maxLength > 0)
            e->setMaxLength(c.maxLength);
        if (c.widget == WidgetKind::Password)
            e->setEchoMode(QLineEdit::Password);
        e->setReadOnly(c.readOnly);
        return e;
    }
    case WidgetKind::Memo: {
        auto* m = new QPlainTextEdit(c.text, parent);
        m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m->setTabChangesFocus(true);
        m->setReadOnly(c.readOnly);
        return m;
    }
    case WidgetKind::ComboList:
    case WidgetKind::ComboEditable: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(c.widget == WidgetKind::ComboEditable);
        for (qsizetype i = 0; i < c.items.size(); ++i)
            combo->addItem(c.items[i], i < c.itemData.size() ? c.itemData[i] : QVariant());
        combo->setCurrentIndex(c.selected);
        if (combo->isEditable())
            combo->setCurrentText(c.text);
        return combo;
    }
    case WidgetKind::Check: {
        auto* b = new QCheckBox(c.text, parent);
        b->setChecked(c.checked);
        return b;
    }
    case WidgetKind::Button:
        return new QPushButton(c.text, parent);
    }
    return nullptr;
}

} // namespace

QWidget* buildPage(const Page& page, PageHost& host, QWidget* parent) {
    auto* root = new QWidget(parent);
    auto* instance = new PageInstance(page, root);
    auto* rootLayout = new QVBoxLayout(root);
    rootLayout->setContentsMargins(4, 4, 4, 4);

    auto* scroll = new QScrollArea(root);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    rootLayout->addWidget(scroll);
    auto* content = new QWidget;
    scroll->setWidget(content);
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);

    QWidget* holder = content;
    if (!page.groupBox.isEmpty()) {
        auto* box = new QGroupBox(page.groupTitle, content);
        box->setObjectName(page.groupBox);
        contentLayout->addWidget(box);
        holder = box;
    }
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    if (holder == content)
        contentLayout->addLayout(grid);
    else
        holder->setLayout(grid);
    contentLayout->addStretch(1);

    int row = 0;
    for (const Control& c : page.controls) {
        QWidget* w = createWidget(c, holder);
        w->setObjectName(c.name);
        instance->addWidget(c.name, w);
        if (!c.label.isEmpty()) {
            auto* label = new QLabel(c.label, holder);
            label->setObjectName(QStringLiteral("lb_") + c.name);
            label->setBuddy(w);
            grid->addWidget(label, row, 0,
                            c.widget == WidgetKind::Memo ? Qt::AlignTop : Qt::AlignVCenter);
        }
        if (c.widget == WidgetKind::Button)
            grid->addWidget(w, row, 1, Qt::AlignLeft);
        else
            grid->addWidget(w, row, 1);
        if (c.widget == WidgetKind::Memo)
            grid->setRowStretch(row, 1);
        ++row;
        if (c.action) {
            auto* btn = static_cast<QPushButton*>(w);
            const Action action = *c.action;
            QObject::connect(btn, &QPushButton::clicked, root, [&host, instance, action] {
                host.runGuarded([&] {
                    PageContext ctx(host, *instance);
                    ctx.runAction(action);
                });
            });
        }
    }
    if (page.onBuilt) {
        PageContext ctx(host, *instance);
        page.onBuilt(ctx);
    }
    return root;
}

} // namespace kit
