#include "harness.h"

#include "tables/memtablemodel.h"
#include "widgets/dbgrid.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

TEST_F(WindowTest, GridInsertTypeLeaveStoresTheRow) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->selectPage(QStringLiteral("tsGenericAPI"));
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"));
    MemTable& docs = dm->table(QStringLiteral("vt_ListaDocEmitidos"));
    auto* grid = new DbGrid(QStringLiteral("gd_Teste"), docs, page);
    auto* navigator = new DbNavigator(QStringLiteral("nv_Teste"), *grid, page);
    auto* after = new QLineEdit(page);
    page->layout()->addWidget(grid);
    page->layout()->addWidget(navigator);
    page->layout()->addWidget(after);
    QCoreApplication::processEvents();

    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("Número ECF"));
    QTest::mouseClick(navigator->findChild<QToolButton*>(QStringLiteral("nv_Teste_inserir")),
                      Qt::LeftButton);
    ASSERT_EQ(docs.state(), MemTable::State::Insert);
    ASSERT_EQ(grid->model()->rowCount(), 1);

    // Type into the "Série" cell, Enter commits the cell (its ordinary meaning in a grid).
    grid->setCurrentIndex(grid->model()->index(0, 2));
    QTest::keyClicks(grid->viewport()->focusWidget() ? grid->viewport()->focusWidget() : grid,
                     QStringLiteral("7"));
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(docs.state(), MemTable::State::Insert); // still pending while inside the grid
    after->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(docs.state(), MemTable::State::Browse);
    ASSERT_EQ(docs.recordCount(), 1);
    EXPECT_EQ(docs.asString(QStringLiteral("Serie")), QStringLiteral("7"));

    // A second row left blank disappears when the grid is left.
    QTest::mouseClick(navigator->findChild<QToolButton*>(QStringLiteral("nv_Teste_inserir")),
                      Qt::LeftButton);
    EXPECT_EQ(docs.recordCount(), 2);
    after->setFocus();
    QCoreApplication::processEvents();
    EXPECT_EQ(docs.recordCount(), 1);
}

// A date the grid cannot read is refused where it is typed, with the conversion's message; the
// cell keeps the typed text until it is corrected, and the row keeps its earlier date meanwhile.
TEST_F(WindowTest, GridRefusesADateItCannotReadWhereItIsTyped) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->selectPage(QStringLiteral("tsGenericAPI"));
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"));
    MemTable& titulos = dm->table(QStringLiteral("vt_GeraBoletoTitulos"));
    auto* grid = new DbGrid(QStringLiteral("gd_Teste"), titulos, page);
    page->layout()->addWidget(grid);
    titulos.append();
    QCoreApplication::processEvents();
    const QDate before = titulos.value(QStringLiteral("DataVencimento")).toDate();
    const int column = titulos.fieldIndex(QStringLiteral("DataVencimento"));
    const QModelIndex cell = grid->model()->index(0, column);
    grid->setFocus();
    grid->setCurrentIndex(cell);
    grid->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell));
    ASSERT_NE(editor, nullptr);
    // What Enter does in the cell's editor.
    const auto enter = [grid](QWidget* e) {
        Q_EMIT grid->itemDelegate()->commitData(e);
        Q_EMIT grid->itemDelegate()->closeEditor(e, QAbstractItemDelegate::SubmitModelCache);
    };
    editor->setText(QStringLiteral("31/02/2026"));
    enter(editor);
    expectMessage(QStringLiteral("'31/02/2026' is not a valid date"));
    EXPECT_EQ(grid->indexWidget(cell), editor);
    EXPECT_EQ(editor->text(), QStringLiteral("31/02/2026"));
    EXPECT_EQ(titulos.value(QStringLiteral("DataVencimento")).toDate(), before);

    editor->setText(QStringLiteral("28/02/2026"));
    enter(editor);
    EXPECT_TRUE(seen().empty());
    EXPECT_EQ(titulos.value(QStringLiteral("DataVencimento")).toDate(), QDate(2026, 2, 28));
}

TEST_F(WindowTest, NavigatorOnAClosedTableShowsTheError) {
    window->selectPage(QStringLiteral("tsGenericAPI"));
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"));
    MemTable& devolucao = dm->table(QStringLiteral("vt_ProcessaDevolucao")); // closed until loaded
    auto* grid = new DbGrid(QStringLiteral("gd_Devolucao"), devolucao, page);
    auto* navigator = new DbNavigator(QStringLiteral("nv_Devolucao"), *grid, page);
    page->layout()->addWidget(grid);
    page->layout()->addWidget(navigator);
    QCoreApplication::processEvents();
    QTest::mouseClick(navigator->findChild<QToolButton*>(QStringLiteral("nv_Devolucao_inserir")),
                      Qt::LeftButton);
    ASSERT_EQ(seen().size(), 1u);
    EXPECT_TRUE(seen()[0].text.contains(QStringLiteral("closed dataset")));
    EXPECT_FALSE(devolucao.isOpen());
}

TEST_F(WindowTest, ClickingACellOfAnotherRowMakesThatRowCurrent) {
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    window->selectPage(QStringLiteral("tsGenericAPI"));
    QWidget* page = window->findChild<QWidget*>(QStringLiteral("tsGenericAPI"));
    MemTable& docs = dm->table(QStringLiteral("vt_ListaDocEmitidos"));
    for (const char* filial : {"1", "2", "3"}) {
        docs.append();
        docs.setValue(QStringLiteral("Filial"), QString::fromLatin1(filial));
        docs.post();
    }
    auto* grid = new DbGrid(QStringLiteral("gd_Teste"), docs, page);
    page->layout()->addWidget(grid);
    QCoreApplication::processEvents();
    const auto click = [&](int row, int column) {
        const QRect cell = grid->visualRect(grid->model()->index(row, column));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCoreApplication::processEvents();
    };
    for (const auto& [row, column] :
         std::vector<std::pair<int, int>>{{2, 0}, {0, 3}, {1, 3}, {2, 1}, {0, 0}}) {
        SCOPED_TRACE(testing::Message() << row << "," << column);
        click(row, column);
        EXPECT_EQ(grid->currentIndex().row(), row);
        EXPECT_EQ(docs.recNo(), row);
    }
    // A value typed in one row is kept when a cell of another row is clicked.
    click(0, 2);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));
    click(2, 2);
    EXPECT_EQ(grid->currentIndex().row(), 2);
    EXPECT_EQ(docs.recNo(), 2);
    EXPECT_EQ(docs.state(), MemTable::State::Browse);
    docs.moveTo(0);
    EXPECT_EQ(docs.asString(QStringLiteral("Serie")), QStringLiteral("9"));
}
