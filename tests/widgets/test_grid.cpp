#include "tests/support/TestMain.h"
#include "tests/support/WidgetDriving.h"
#include "widgets/GridCellDelegate.h"
#include "widgets/TStringAlignGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolTip>
#include <QVBoxLayout>
#include <QtTest>
#include <cstdlib>

using TestSupport::cellCentre;

namespace {

constexpr int Columns = 8;
constexpr int Rows = 12;

QWidget* visibleTip() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->inherits("QTipLabel") && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void shapeAndCells();
    void growingKeepsEveryCellFilled();
    void colourPrecedence();
    void selectionIsOneCell();
    void selectionAndColoursArePainted();
    void textReadsOnColouredCells_data();
    void textReadsOnColouredCells();
    void longTextIsDrawnSmallerToFit();
    void mouseToCell();
    void clickReportsTheCellAfterSelecting();
    void arrowKeysMoveOverValueCells_data();
    void arrowKeysMoveOverValueCells();
    void keyboardReachesCellsWithTheirTips();
    void mouseMoveReportsPositionAndModifiers();
    void hintCallbackGetsCellAndEmptyProposal();
    void tooltipShowsBelowTheCell();
    void tooltipsOffShowNothing();
    void tooltipFollowsToAnotherCell();

private:
    void sendToolTipEvent(int column, int row);
    // Hints on over value cells, off over headers and outside.
    void switchHintsLikeTheWindow();

    QWidget* m_window = nullptr;
    TStringAlignGrid* m_grid = nullptr;
    QLineEdit* m_other = nullptr;
};

void TestGrid::init() {
    m_window = new QWidget;
    auto* layout = new QVBoxLayout(m_window);
    layout->setContentsMargins(0, 0, 0, 0);
    m_grid = new TStringAlignGrid(Columns, Rows);
    m_grid->setFixedSize(621, 232);
    m_other = new QLineEdit;
    layout->addWidget(m_grid);
    layout->addWidget(m_other);
    m_window->move(0, 0);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_other->setFocus();
}

void TestGrid::cleanup() {
    QToolTip::hideText();
    delete m_window;
    m_window = nullptr;
}

void TestGrid::sendToolTipEvent(int column, int row) {
    const QPoint at = cellCentre(m_grid, column, row);
    QHelpEvent help(QEvent::ToolTip, at, m_grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(m_grid->viewport(), &help);
}

void TestGrid::switchHintsLikeTheWindow() {
    connect(m_grid, &TStringAlignGrid::mouseMoved, this,
            [this](Qt::KeyboardModifiers, int x, int y) {
                int column = -1;
                int row = -1;
                m_grid->mouseToCell(x, y, column, row);
                m_grid->setCellHintsEnabled(column >= 1 && row >= 1);
            });
}

void TestGrid::shapeAndCells() {
    QCOMPARE(m_grid->columnCount(), Columns);
    QCOMPARE(m_grid->rowCount(), Rows);
    QVERIFY(m_grid->horizontalHeader()->isHidden());
    QVERIFY(m_grid->verticalHeader()->isHidden());
    QVERIFY(m_grid->focusPolicy() & Qt::TabFocus);
    QCOMPARE(m_grid->rowHeight(5), 18);
    QCOMPARE(m_grid->columnWidth(3), 76);
    // The last column takes up the rest of the width.
    int total = 0;
    for (int c = 0; c < Columns; ++c)
        total += m_grid->columnWidth(c);
    QCOMPARE(total, m_grid->viewport()->width());

    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c) {
            const QTableWidgetItem* cell = m_grid->item(r, c);
            QVERIFY(cell);
            QVERIFY(!(cell->flags() & Qt::ItemIsEditable));
            QCOMPARE(cell->textAlignment(), int(Qt::AlignCenter));
        }
    }
    m_grid->setCellText(3, 7, QStringLiteral(" $1,250"));
    QCOMPARE(m_grid->item(7, 3)->text(), QStringLiteral(" $1,250"));
    QCOMPARE(m_grid->cellText(3, 7), QStringLiteral(" $1,250"));
    QCOMPARE(m_grid->cellText(Columns, 0), QString());
    m_grid->setCellText(-1, 0, QStringLiteral("x")); // outside: ignored

    // Double-clicking never opens an editor.
    QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, cellCentre(m_grid, 3, 7));
    QVERIFY(m_grid->findChildren<QLineEdit*>().isEmpty());
    QCOMPARE(m_grid->cellText(3, 7), QStringLiteral(" $1,250"));
}

void TestGrid::growingKeepsEveryCellFilled() {
    m_grid->setRowColor(13, Qt::green);
    m_grid->setRowCount(15);
    for (int r = 0; r < 15; ++r) {
        for (int c = 0; c < Columns; ++c)
            QVERIFY2(m_grid->item(r, c), qPrintable(QStringLiteral("%1,%2").arg(c).arg(r)));
    }
    QCOMPARE(m_grid->item(13, 2)->background().color(), QColor(Qt::green));
    QCOMPARE(m_grid->item(14, 2)->background().color(), m_grid->palette().color(QPalette::Base));
    m_grid->setRowCount(Rows);
    QCOMPARE(m_grid->rowCount(), Rows);
    QCOMPARE(m_grid->cellText(1, 11), QString());
}

void TestGrid::colourPrecedence() {
    const QColor base = m_grid->palette().color(QPalette::Base);
    const QColor fixed = m_grid->palette().color(QPalette::Button);
    QCOMPARE(m_grid->fixedCellColor(), fixed);

    m_grid->setRowColor(1, Qt::yellow);
    m_grid->setColumnColor(4, Qt::cyan);
    m_grid->setCellColor(4, 1, Qt::magenta);
    m_grid->setCellColor(6, 6, Qt::green);
    m_grid->setRowColor(0, Qt::red);
    m_grid->setColumnColor(0, Qt::red);

    QCOMPARE(m_grid->effectiveBackground(4, 1), QColor(Qt::magenta)); // cell over column
    QCOMPARE(m_grid->effectiveBackground(4, 5), QColor(Qt::cyan));    // column alone
    QCOMPARE(m_grid->effectiveBackground(2, 1), QColor(Qt::yellow));  // row alone
    QCOMPARE(m_grid->effectiveBackground(6, 6), QColor(Qt::green));
    QCOMPARE(m_grid->effectiveBackground(2, 2), base);
    // Header cells keep the fixed colour whatever their row or column says.
    QCOMPARE(m_grid->effectiveBackground(0, 1), fixed);
    QCOMPARE(m_grid->effectiveBackground(4, 0), fixed);
    QCOMPARE(m_grid->effectiveBackground(0, 0), fixed);
    QVERIFY(!m_grid->effectiveBackground(Columns, 1).isValid());

    // The items carry the same colours the grid paints.
    for (int r = 0; r < Rows; ++r) {
        for (int c = 0; c < Columns; ++c)
            QCOMPARE(m_grid->item(r, c)->background().color(), m_grid->effectiveBackground(c, r));
    }

    m_grid->setCellColor(4, 1, QColor()); // removed: the column shows again
    QCOMPARE(m_grid->effectiveBackground(4, 1), QColor(Qt::cyan));
    m_grid->setColumnColor(4, QColor());
    QCOMPARE(m_grid->effectiveBackground(4, 1), QColor(Qt::yellow));
    m_grid->clearColors();
    QCOMPARE(m_grid->effectiveBackground(2, 1), base);
    QCOMPARE(m_grid->effectiveBackground(6, 6), base);
    QCOMPARE(m_grid->item(1, 6)->background().color(), base);
}

void TestGrid::selectionIsOneCell() {
    m_grid->selectCell(4, 1);
    QCOMPARE(m_grid->selectedColumn(), 4);
    QCOMPARE(m_grid->selectedRow(), 1);
    m_grid->selectCell(2, 7);
    QCOMPARE(m_grid->selectedItems().size(), 1);
    QCOMPARE(m_grid->selectedColumn(), 2);
    QCOMPARE(m_grid->selectedRow(), 7);
    // Header cells cannot be selected.
    m_grid->selectCell(0, 3);
    QCOMPARE(m_grid->selectedItems().size(), 0);
    QCOMPARE(m_grid->selectedColumn(), -1);
}

void TestGrid::selectionAndColoursArePainted() {
    m_grid->setColumnColor(4, Qt::yellow);
    m_grid->setRowColor(1, Qt::yellow);
    m_grid->setRowColor(5, Qt::green);
    m_grid->selectCell(4, 1);
    QVERIFY(!m_grid->hasFocus());

    auto pixelIn = [this](const QImage& image, int column, int row) {
        const QRect cell = m_grid->visualItemRect(m_grid->item(row, column));
        return image.pixelColor(cell.topLeft() + QPoint(4, 4));
    };
    QImage image = m_grid->viewport()->grab().toImage();
    QCOMPARE(pixelIn(image, 4, 1), QColor(Qt::yellow)); // selected, grid without focus
    QCOMPARE(pixelIn(image, 4, 6), QColor(Qt::yellow)); // column colour
    QCOMPARE(pixelIn(image, 2, 5), QColor(Qt::green));  // row colour
    QCOMPARE(pixelIn(image, 2, 2), m_grid->palette().color(QPalette::Base));
    QCOMPARE(pixelIn(image, 0, 5), m_grid->fixedCellColor());

    m_grid->setSelectionColors(Qt::blue, Qt::white);
    image = m_grid->viewport()->grab().toImage();
    QCOMPARE(pixelIn(image, 4, 1), QColor(Qt::blue));
    QCOMPARE(pixelIn(image, 4, 2), QColor(Qt::yellow));
}

void TestGrid::textReadsOnColouredCells_data() {
    QTest::addColumn<bool>("dark");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QColor>("ink");
    for (const bool dark : {false, true}) {
        const char* theme = dark ? "dark" : "light";
        QTest::addRow("%s: yellow column", theme) << dark << 4 << 6 << QColor(Qt::black);
        QTest::addRow("%s: yellow row", theme) << dark << 2 << 1 << QColor(Qt::black);
        QTest::addRow("%s: selected", theme) << dark << 4 << 1 << QColor(Qt::black);
        QTest::addRow("%s: navy cell", theme) << dark << 6 << 8 << QColor(Qt::white);
        QTest::addRow("%s: plain cell", theme)
            << dark << 2 << 5 << QColor(dark ? Qt::white : Qt::black);
    }
}

// Under a dark theme the yellow cells keep black text; plain cells follow the theme.
void TestGrid::textReadsOnColouredCells() {
    QFETCH(bool, dark);
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QColor, ink);
    if (dark) {
        QPalette palette = m_grid->palette();
        palette.setColor(QPalette::Base, QColor(30, 30, 30));
        palette.setColor(QPalette::Text, Qt::white);
        m_grid->setPalette(palette);
    }
    m_grid->setColumnColor(4, Qt::yellow);
    m_grid->setRowColor(1, Qt::yellow);
    m_grid->setCellColor(6, 8, QColor(Qt::darkBlue));
    m_grid->selectCell(4, 1);
    m_grid->setCellText(column, row, QStringLiteral("888,888"));

    // The text's pixels are those furthest from the cell's fill colour.
    const QImage image = m_grid->viewport()->grab().toImage();
    const QRect cell = m_grid->visualItemRect(m_grid->item(row, column)).adjusted(3, 3, -3, -3);
    const QColor fill = image.pixelColor(cell.topLeft());
    QColor furthest = fill;
    const auto distance = [](const QColor& a, const QColor& b) {
        return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
               std::abs(a.blue() - b.blue());
    };
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (distance(image.pixelColor(x, y), fill) > distance(furthest, fill))
                furthest = image.pixelColor(x, y);
    QVERIFY2(
        distance(furthest, ink) < 120,
        qPrintable(QStringLiteral("text drawn in %1 on %2").arg(furthest.name(), fill.name())));
}

void TestGrid::longTextIsDrawnSmallerToFit() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11);
    QCOMPARE(GridCellDelegate::fittingFont(font, QStringLiteral(" $1,000.00"), 72), font);
    for (const QString& text :
         {QStringLiteral(" $123,456,789,012.34"), QStringLiteral(" 1.23456789012346E308")}) {
        const QFont fitted = GridCellDelegate::fittingFont(font, text, 72);
        QCOMPARE(fitted.family(), font.family());
        QVERIFY(fitted.pixelSize() < 11);
        QVERIFY2(QFontMetrics(fitted).horizontalAdvance(text) <= 72, qPrintable(text));
    }
}

void TestGrid::mouseToCell() {
    int column = 0;
    int row = 0;
    const QPoint inside = cellCentre(m_grid, 3, 5);
    m_grid->mouseToCell(inside.x(), inside.y(), column, row);
    QCOMPARE(column, 3);
    QCOMPARE(row, 5);

    const QRect first = m_grid->visualItemRect(m_grid->item(0, 0));
    m_grid->mouseToCell(first.left(), first.top(), column, row);
    QCOMPARE(column, 0);
    QCOMPARE(row, 0);

    // Below the last row the column is known, the row is not.
    const QRect last = m_grid->visualItemRect(m_grid->item(Rows - 1, 2));
    QVERIFY(last.bottom() + 3 < m_grid->viewport()->height());
    m_grid->mouseToCell(last.center().x(), last.bottom() + 3, column, row);
    QCOMPARE(column, 2);
    QCOMPARE(row, -1);

    m_grid->mouseToCell(-5, -5, column, row);
    QCOMPARE(column, -1);
    QCOMPARE(row, -1);
}

void TestGrid::clickReportsTheCellAfterSelecting() {
    // The owner puts the selection back on its base cell on every click; the
    // grid's own selecting must not undo that afterwards.
    QSignalSpy clicked(m_grid, &TStringAlignGrid::clicked);
    connect(m_grid, &TStringAlignGrid::clicked, this, [this] { m_grid->selectCell(4, 1); });

    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, cellCentre(m_grid, 2, 3));
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 2);
    QCOMPARE(clicked.at(0).at(1).toInt(), 3);
    QCOMPARE(m_grid->selectedColumn(), 4);
    QCOMPARE(m_grid->selectedRow(), 1);

    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, cellCentre(m_grid, 0, 0));
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.at(1).at(0).toInt(), 0);

    // Right button and the empty area below the rows are no clicks.
    QTest::mouseClick(m_grid->viewport(), Qt::RightButton, {}, cellCentre(m_grid, 5, 5));
    const QRect last = m_grid->visualItemRect(m_grid->item(Rows - 1, 2));
    QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, last.center() + QPoint(0, 18));
    QCOMPARE(clicked.count(), 2);
}

void TestGrid::arrowKeysMoveOverValueCells_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("control");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("down") << int(Qt::Key_Down) << false << QPoint(4, 1) << QPoint(4, 2);
    QTest::newRow("up stops below the header row")
        << int(Qt::Key_Up) << false << QPoint(4, 1) << QPoint(4, 1);
    QTest::newRow("left stops beside the header column")
        << int(Qt::Key_Left) << false << QPoint(1, 5) << QPoint(1, 5);
    QTest::newRow("right stops at the edge")
        << int(Qt::Key_Right) << false << QPoint(7, 3) << QPoint(7, 3);
    QTest::newRow("home") << int(Qt::Key_Home) << false << QPoint(5, 5) << QPoint(1, 5);
    QTest::newRow("end") << int(Qt::Key_End) << false << QPoint(5, 5) << QPoint(7, 5);
    QTest::newRow("ctrl+home") << int(Qt::Key_Home) << true << QPoint(5, 5) << QPoint(1, 1);
    QTest::newRow("ctrl+end") << int(Qt::Key_End) << true << QPoint(5, 5) << QPoint(7, 11);
    QTest::newRow("page down") << int(Qt::Key_PageDown) << false << QPoint(2, 3) << QPoint(2, 11);
    QTest::newRow("from a header cell")
        << int(Qt::Key_Down) << false << QPoint(0, 0) << QPoint(1, 2);
}

void TestGrid::arrowKeysMoveOverValueCells() {
    QFETCH(int, key);
    QFETCH(bool, control);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    m_grid->selectCell(from.x(), from.y());
    m_grid->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(m_grid->hasFocus());
    QSignalSpy reached(m_grid, &TStringAlignGrid::cellReached);
    QSignalSpy clicked(m_grid, &TStringAlignGrid::clicked);
    QTest::keyClick(m_grid, Qt::Key(key), control ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(QPoint(m_grid->selectedColumn(), m_grid->selectedRow()), to);
    QCOMPARE(m_grid->keyboardCell(), to);
    QCOMPARE(reached.count(), 1);
    QCOMPARE(QPoint(reached.at(0).at(0).toInt(), reached.at(0).at(1).toInt()), to);
    QCOMPARE(clicked.count(), 0); // a key is no click: the owner does not recalculate
}

void TestGrid::keyboardReachesCellsWithTheirTips() {
    m_grid->setHintCallback([](int column, int row, QString& hint) {
        hint = QStringLiteral("cell %1/%2\r\nsecond line").arg(column).arg(row);
    });
    m_grid->selectCell(4, 1);
    QSignalSpy reached(m_grid, &TStringAlignGrid::cellReached);
    QSignalSpy entered(m_grid, &TStringAlignGrid::cellEntered);

    // Tab brings the focus to the grid and its selected cell's tip shows there,
    // hints switched on or not.
    QTest::keyClick(m_other, Qt::Key_Tab);
    QTRY_VERIFY(m_grid->hasFocus());
    QCOMPARE(reached.count(), 1);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("cell 4/1\nsecond line"));

    // The tip survives the key's release and stands under the new cell.
    QTest::keyClick(m_grid, Qt::Key_Down);
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("cell 4/2\nsecond line"));
    QCOMPARE(visibleTip()->pos(), m_grid->hintPosition(4, 2));

    QTest::keyClick(m_grid, Qt::Key_Return);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(entered.at(0).at(1).toInt(), 2);

    // Typing does not jump to a cell; Tab leaves the grid.
    QTest::keyClick(m_grid, Qt::Key_1);
    QCOMPARE(m_grid->keyboardCell(), QPoint(4, 2));
    QTest::keyClick(m_grid, Qt::Key_Tab);
    QVERIFY(m_other->hasFocus());
    QCOMPARE(reached.count(), 2);
}

void TestGrid::mouseMoveReportsPositionAndModifiers() {
    QSignalSpy moved(m_grid, &TStringAlignGrid::mouseMoved);
    const QPoint at = cellCentre(m_grid, 5, 2);
    QTest::mouseMove(m_grid->viewport(), at);
    QTRY_VERIFY(!moved.isEmpty());
    QCOMPARE(moved.last().at(1).toInt(), at.x());
    QCOMPARE(moved.last().at(2).toInt(), at.y());

    const QPoint other = cellCentre(m_grid, 6, 3);
    QMouseEvent shifted(QEvent::MouseMove, other, m_grid->viewport()->mapToGlobal(other),
                        Qt::NoButton, Qt::NoButton, Qt::ShiftModifier);
    QApplication::sendEvent(m_grid->viewport(), &shifted);
    QCOMPARE(moved.last().at(0).value<Qt::KeyboardModifiers>(),
             Qt::KeyboardModifiers(Qt::ShiftModifier));
    QCOMPARE(moved.last().at(1).toInt(), other.x());
}

void TestGrid::hintCallbackGetsCellAndEmptyProposal() {
    QList<QString> proposals;
    m_grid->setHintCallback([&](int column, int row, QString& hint) {
        proposals.append(hint);
        if (row != 2)
            hint = QStringLiteral("cell %1/%2").arg(column).arg(row);
    });
    QCOMPARE(m_grid->hintFor(3, 5), QStringLiteral("cell 3/5"));
    QCOMPARE(m_grid->hintFor(3, 2), QString()); // the callback left the proposal
    QCOMPARE(proposals, QList<QString>({QString(), QString()}));
    QCOMPARE(m_grid->hintFor(Columns, 1), QString());
    QCOMPARE(proposals.size(), 2); // never asked about a cell that does not exist
}

void TestGrid::tooltipShowsBelowTheCell() {
    m_grid->setHintCallback([](int, int, QString& hint) {
        hint = QStringLiteral("Total Invested: $13,000\r\nTotal Earned: $5,207");
    });
    m_grid->setCellHintsEnabled(true);
    sendToolTipEvent(4, 1);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("Total Invested: $13,000\nTotal Earned: $5,207"));

    const QRect cell = m_grid->visualItemRect(m_grid->item(1, 4));
    const QPoint expected = m_grid->viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 6));
    QCOMPARE(m_grid->hintPosition(4, 1), expected);
    QWidget* tip = visibleTip();
    QVERIFY(tip);
    QCOMPARE(tip->pos(), expected);

    // Switching hints off takes the showing tip away.
    m_grid->setCellHintsEnabled(false);
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestGrid::tooltipsOffShowNothing() {
    int asked = 0;
    m_grid->setHintCallback([&](int, int, QString& hint) {
        ++asked;
        hint = QStringLiteral("hint");
    });
    QVERIFY(!m_grid->cellHintsEnabled());
    sendToolTipEvent(3, 3);
    QVERIFY(!QToolTip::isVisible());
    QCOMPARE(asked, 0);

    // An empty hint shows nothing either.
    m_grid->setHintCallback([](int, int, QString&) {});
    m_grid->setCellHintsEnabled(true);
    sendToolTipEvent(3, 3);
    QVERIFY(!QToolTip::isVisible());
}

void TestGrid::tooltipFollowsToAnotherCell() {
    switchHintsLikeTheWindow();
    m_grid->setHintCallback([](int column, int row, QString& hint) {
        hint = QStringLiteral("cell %1/%2").arg(column).arg(row);
    });
    QTest::mouseMove(m_grid->viewport(), cellCentre(m_grid, 2, 2));
    QTRY_VERIFY(m_grid->cellHintsEnabled());
    sendToolTipEvent(2, 2);
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("cell 2/2"));

    // Moving within the cell keeps the tip; reaching the next cell re-shows it there.
    QTest::mouseMove(m_grid->viewport(), cellCentre(m_grid, 2, 2) + QPoint(3, 1));
    QCOMPARE(QToolTip::text(), QStringLiteral("cell 2/2"));
    // At once, not after the toolkit's own tooltip delay.
    QTest::mouseMove(m_grid->viewport(), cellCentre(m_grid, 3, 2));
    QCOMPARE(QToolTip::text(), QStringLiteral("cell 3/2"));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(visibleTip()->pos(), m_grid->hintPosition(3, 2));

    // A header cell switches hints off, which hides the tip.
    QTest::mouseMove(m_grid->viewport(), cellCentre(m_grid, 0, 2));
    QTRY_VERIFY(!m_grid->cellHintsEnabled());
    QTRY_VERIFY(!QToolTip::isVisible());
}

TLMR_GUI_TEST_MAIN(TestGrid)
#include "test_grid.moc"
