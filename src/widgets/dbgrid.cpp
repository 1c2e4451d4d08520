#include "widgets/dbgrid.h"

#include "common/exception.h"
#include "tables/memtablemodel.h"
#include "widgets/dialogs.h"

#include <QApplication>
#include <QHeaderView>
#include <QScopeGuard>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// Grid and navigator events run outside page actions: their errors are shown here.
template <typename F> void guarded(F&& f) {
    try {
        f();
    } catch (const Exception& e) {
        dialogs().message(e.message(), Dialogs::Kind::Error);
    } catch (const std::exception& e) {
        dialogs().message(QString::fromUtf8(e.what()), Dialogs::Kind::Error);
    }
}
} // namespace

DbGrid::DbGrid(const QString& objectName, MemTable& table, QWidget* parent)
    : QTableView(parent), m_table(table), m_model(new MemTableModel(table, this)) {
    setObjectName(objectName);
    setModel(m_model);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    horizontalHeader()->setDefaultSectionSize(110);
    verticalHeader()->setDefaultSectionSize(22);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, &DbGrid::followCurrent);
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { syncCurrentFromTable(); });
    connect(qApp, &QApplication::focusChanged, this, &DbGrid::onFocusChanged);
}

void DbGrid::commitData(QWidget* editor) {
    if (m_refusing)
        return; // the message took the focus: the editor keeps its text
    QTableView::commitData(editor);
    const QString refusal = m_model->takeRefusal();
    if (refusal.isEmpty())
        return;
    m_refusedEditor = editor;
    m_refusing = true;
    const auto done = qScopeGuard([this] { m_refusing = false; });
    dialogs().message(refusal, Dialogs::Kind::Error);
}

void DbGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    if (m_refusing)
        return;
    if (editor == m_refusedEditor) {
        m_refusedEditor = nullptr;
        editor->setFocus();
        return;
    }
    QTableView::closeEditor(editor, hint);
}

void DbGrid::setColumnChars(const QString& field, int chars) {
    const int f = m_table.fieldIndex(field);
    const int digit = fontMetrics().horizontalAdvance(QStringLiteral("0"));
    // Room for the cell's margins besides the characters.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 2;
    for (int column = 0; column < m_model->columnCount(); ++column)
        if (m_model->fieldOfColumn(column) == f)
            setColumnWidth(column, chars * digit + margins);
}

void DbGrid::showColumns(const std::vector<std::pair<QString, QString>>& fieldsAndTitles) {
    QHeaderView* header = horizontalHeader();
    for (int column = 0; column < m_model->columnCount(); ++column)
        setColumnHidden(column, true);
    int place = 0;
    for (const auto& [field, title] : fieldsAndTitles) {
        const int f = m_table.fieldIndex(field);
        for (int column = 0; column < m_model->columnCount(); ++column) {
            if (m_model->fieldOfColumn(column) != f)
                continue;
            setColumnHidden(column, false);
            m_model->setHeaderData(column, Qt::Horizontal, title);
            header->moveSection(header->visualIndex(column), place++);
        }
    }
    // Whole titles, and room for a whole date or date-time under them.
    resizeColumnsToContents();
    const int digit = fontMetrics().horizontalAdvance(QStringLiteral("0"));
    for (int column = 0; column < m_model->columnCount(); ++column) {
        const auto type = m_table.fields()[std::size_t(m_model->fieldOfColumn(column))].type;
        const int room = type == FieldDef::Type::Date       ? 12 * digit
                         : type == FieldDef::Type::DateTime ? 21 * digit
                                                            : 0;
        setColumnWidth(column, std::max(columnWidth(column), room));
    }
}

void DbGrid::followCurrent(const QModelIndex& current) {
    if (m_moving || !current.isValid() || current.row() == m_table.recNo())
        return;
    // Moving stores the pending row (the cell editor the click closed has just written to it),
    // which resets the model; the view then picks a current cell of its own. Only the row the
    // user chose counts, and the grid is put back on it in the column clicked.
    m_moving = true;
    const auto done = qScopeGuard([this] { m_moving = false; });
    m_table.moveTo(current.row());
    syncCurrentFromTable(current.column());
}

void DbGrid::syncCurrentFromTable(int column) {
    const int row = m_table.recNo();
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (column < 0 || column >= m_model->columnCount())
        column = currentIndex().isValid() ? currentIndex().column() : 0;
    const QSignalBlocker block(selectionModel());
    setCurrentIndex(m_model->index(row, column));
}

void DbGrid::onFocusChanged(QWidget* old, QWidget* now) {
    // Leaving the grid (not for one of its own cell editors) stores the pending row.
    const bool wasInside = old && (old == this || isAncestorOf(old));
    const bool isInside = now && (now == this || isAncestorOf(now));
    if (wasInside && !isInside && m_table.isOpen())
        guarded([&] { m_table.postIfEditing(); });
}

DbNavigator::DbNavigator(const QString& objectName, DbGrid& grid, QWidget* parent)
    : QWidget(parent) {
    setObjectName(objectName);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* insert = new QToolButton(this);
    insert->setObjectName(objectName + QStringLiteral("_inserir"));
    insert->setText(QStringLiteral("+"));
    insert->setToolTip(QStringLiteral("Inserir registro"));
    auto* remove = new QToolButton(this);
    remove->setObjectName(objectName + QStringLiteral("_excluir"));
    remove->setText(QStringLiteral("−"));
    remove->setToolTip(QStringLiteral("Excluir registro"));
    layout->addWidget(insert);
    layout->addWidget(remove);
    layout->addStretch(1);
    MemTable& table = grid.table();
    connect(insert, &QToolButton::clicked, this, [&grid, &table] {
        guarded([&] {
            table.append();
            grid.setFocus();
            grid.setCurrentIndex(grid.tableModel()->index(table.recNo(), 0));
        });
    });
    connect(remove, &QToolButton::clicked, this, [&table] { guarded([&] { table.remove(); }); });
}
