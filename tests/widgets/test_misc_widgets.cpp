#include "widgets/EditableComboBox.h"
#include "widgets/FlatPictureButton.h"
#include "widgets/HyperlinkLabel.h"
#include "widgets/RadioGroup.h"

#include "FocusHarness.h"
#include "tests/support/TestMain.h"

#include <QAbstractItemView>
#include <QEnterEvent>
#include <QPixmap>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

const QStringList Months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                            "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const QStringList Steps = {" 10", " 25", " 50", " 75", " 100", " 125", " 150", " 200", " 250"};

QIcon sampleIcon() {
    QPixmap picture(20, 20);
    picture.fill(Qt::darkGreen);
    return QIcon(picture);
}

void sendEnter(QWidget* widget) {
    const QPointF inside = QRectF(widget->rect()).center();
    QEnterEvent enter(inside, inside, widget->mapToGlobal(inside));
    QApplication::sendEvent(widget, &enter);
}

// Swallows leave events, as when another window opens over a widget.
class LeaveEater : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Leave; }
};

void sendLeave(QWidget* widget) {
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(widget, &leave);
}

} // namespace

class TestMiscWidgets : public QObject {
    Q_OBJECT
private slots:
    void comboChangesOnEveryKeystrokeAsTyped();
    void comboChangesOnPicksNotOnProgramTexts();
    void comboExitsOnFocusOutOnly();

    void radioGroupFillsColumnsTopToBottom();
    void radioGroupIndexAndClicks();
    void radioGroupArrowKeysPickLikeClicks();

    void pictureButtonWithoutCaption();
    void pictureButtonWithCaptionWorksWithKeys();

    void linkLooksAndHover();
    void linkHoverCheckRestoresColourWhenPointerIsGone();
    void linkClickOpensAddressAndStaysVisited();
    void linkReportsFailedOpen();
    void linkWorksWithKeys();
};

void TestMiscWidgets::comboChangesOnEveryKeystrokeAsTyped() {
    FocusHarness<EditableComboBox> form;
    EditableComboBox* combo = form.widget;
    combo->addItems(Months);
    QVERIFY(form.ready());
    combo->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(combo->hasFocus());

    QStringList seen;
    connect(combo, &EditableComboBox::changed, this, [&] { seen << combo->currentText(); });
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("feb"));
    // Every keystroke, each seeing exactly what was typed (nothing completed).
    QCOMPARE(seen, QStringList({"f", "fe", "feb"}));

    QTest::keyClick(combo, Qt::Key_Backspace);
    QCOMPARE(seen.last(), QStringLiteral("fe"));

    // Enter does not add the typed text to the list.
    QTest::keyClick(combo, Qt::Key_Return);
    QCOMPARE(combo->count(), 12);

    // An owner may replace the text from inside changed(); that sticks and
    // does not fire changed() again.
    connect(combo, &EditableComboBox::changed, this, [combo] {
        if (!Months.contains(combo->currentText()))
            combo->setEditText(QStringLiteral("Jan"));
    });
    seen.clear();
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo, QStringLiteral("x"));
    QCOMPARE(seen, QStringList({"x"}));
    QCOMPARE(combo->currentText(), QStringLiteral("Jan"));
    QCOMPARE(combo->count(), 12);
}

void TestMiscWidgets::comboChangesOnPicksNotOnProgramTexts() {
    FocusHarness<EditableComboBox> form;
    EditableComboBox* combo = form.widget;
    combo->addItems(Months);
    QVERIFY(form.ready());
    QSignalSpy changed(combo, &EditableComboBox::changed);

    combo->setCurrentText(QStringLiteral("Jan"));
    combo->setCurrentIndex(4);
    QCOMPARE(changed.count(), 0);

    combo->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(combo->hasFocus());
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(combo->currentText(), QStringLiteral("Jun"));

    // Picking from the open list.
    QSignalSpy exited(combo, &EditableComboBox::exited);
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    QTRY_VERIFY(list->isVisible());
    const QRect item = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QTRY_COMPARE(changed.count(), 2);
    QCOMPARE(combo->currentText(), QStringLiteral("Feb"));
    // Opening the list was no exit.
    QCOMPARE(exited.count(), 0);
}

void TestMiscWidgets::comboExitsOnFocusOutOnly() {
    FocusHarness<EditableComboBox> form;
    EditableComboBox* combo = form.widget;
    combo->addItems(Months);
    QVERIFY(form.ready());
    QSignalSpy exited(combo, &EditableComboBox::exited);
    QSignalSpy changed(combo, &EditableComboBox::changed);
    combo->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(combo->hasFocus());
    QCOMPARE(exited.count(), 0);
    form.leave();
    QTRY_COMPARE(exited.count(), 1);
    QCOMPARE(changed.count(), 0);
}

void TestMiscWidgets::radioGroupFillsColumnsTopToBottom() {
    RadioGroup group(QStringLiteral("Increment Monthly Savings By:"), Steps, 3);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QCOMPARE(group.title(), QStringLiteral("Increment Monthly Savings By:"));
    QCOMPARE(group.count(), 9);
    QCOMPARE(group.button(4)->text(), QStringLiteral(" 100"));
    QVERIFY(!group.button(9));

    auto at = [&](int i) { return group.button(i)->geometry().topLeft(); };
    QCOMPARE(at(1).x(), at(0).x());
    QVERIFY(at(1).y() > at(0).y());
    QVERIFY(at(2).y() > at(1).y());
    QCOMPARE(at(3).y(), at(0).y());
    QVERIFY(at(3).x() > at(0).x());
    QVERIFY(at(6).x() > at(3).x());
    QCOMPARE(at(8).y(), at(2).y());
}

void TestMiscWidgets::radioGroupIndexAndClicks() {
    RadioGroup group(QStringLiteral("Steps"), Steps, 3);
    group.show();
    QVERIFY(QTest::qWaitForWindowExposed(&group));
    QSignalSpy clicked(&group, &RadioGroup::clicked);
    QCOMPARE(group.itemIndex(), -1);

    group.setItemIndex(3);
    QCOMPARE(group.itemIndex(), 3);
    QVERIFY(group.button(3)->isChecked());
    group.setItemIndex(-1);
    QCOMPARE(group.itemIndex(), -1);
    QCOMPARE(clicked.count(), 0);

    QTest::mouseClick(group.button(5), Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clicked.at(0).at(0).toInt(), 5);
    QCOMPARE(group.itemIndex(), 5);

    // Only the checked item is a Tab stop.
    for (int i = 0; i < group.count(); ++i)
        QCOMPARE(bool(group.button(i)->focusPolicy() & Qt::TabFocus), i == 5);
}

void TestMiscWidgets::radioGroupArrowKeysPickLikeClicks() {
    FocusHarness<RadioGroup> form(QStringLiteral("Steps"), Steps, 3);
    RadioGroup* group = form.widget;
    QVERIFY(form.ready());
    group->setItemIndex(3);
    group->button(3)->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(group->button(3)->hasFocus());
    QSignalSpy clicked(group, &RadioGroup::clicked);

    auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Down);
    QCOMPARE(group->itemIndex(), 4);
    QVERIFY(group->button(4)->hasFocus());
    press(Qt::Key_Right);
    QCOMPARE(group->itemIndex(), 7);
    press(Qt::Key_Right); // no column further right
    QCOMPARE(group->itemIndex(), 7);
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    QCOMPARE(group->itemIndex(), 1);
    press(Qt::Key_Up);
    press(Qt::Key_Up); // already the first item
    QCOMPARE(group->itemIndex(), 0);

    QList<int> picked;
    for (const auto& args : clicked)
        picked << args.at(0).toInt();
    QCOMPARE(picked, QList<int>({4, 7, 4, 1, 0}));
}

void TestMiscWidgets::pictureButtonWithoutCaption() {
    FlatPictureButton button(sampleIcon(), QSize(20, 20));
    QVERIFY(button.autoRaise());
    QCOMPARE(button.iconSize(), QSize(20, 20));
    QCOMPARE(button.toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(button.focusPolicy(), Qt::NoFocus);

    QSignalSpy clicked(&button, &QToolButton::clicked);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

void TestMiscWidgets::pictureButtonWithCaptionWorksWithKeys() {
    FocusHarness<FlatPictureButton> form(sampleIcon(), QSize(18, 18), QStringLiteral(" &OK"));
    FlatPictureButton* button = form.widget;
    QVERIFY(form.ready());
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    QVERIFY(button->focusPolicy() & Qt::TabFocus);
    QSignalSpy clicked(button, &QToolButton::clicked);

    button->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(button->hasFocus());
    QTest::keyClick(button, Qt::Key_Return);
    QTRY_COMPARE(clicked.count(), 1);
    QTest::keyClick(button, Qt::Key_Space);
    QTRY_COMPARE(clicked.count(), 2);

    // The mnemonic works from anywhere in the window.
    form.leave();
    QTRY_VERIFY(form.other->hasFocus());
    QTest::keyClick(form.other, Qt::Key_O, Qt::AltModifier);
    QTRY_COMPARE(clicked.count(), 3);

    button->setCaption(QString());
    QCOMPARE(button->toolButtonStyle(), Qt::ToolButtonIconOnly);
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
}

void TestMiscWidgets::linkLooksAndHover() {
    HyperlinkLabel link(QStringLiteral("www.brindlecrest.example"),
                        QStringLiteral("http://www.brindlecrest.example/"));
    link.setOpener([](const QString&) { return true; });
    QCOMPARE(link.currentColor(), QColor(Qt::blue));
    QVERIFY(link.font().underline());
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link.text(), QStringLiteral("www.brindlecrest.example"));
    QCOMPARE(link.address(), QStringLiteral("http://www.brindlecrest.example/"));

    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));
    sendEnter(&link);
    QCOMPARE(link.currentColor(), QColor(Qt::red));
    sendLeave(&link);
    QCOMPARE(link.currentColor(), QColor(Qt::blue));
    QVERIFY(!link.isVisited());
}

void TestMiscWidgets::linkHoverCheckRestoresColourWhenPointerIsGone() {
    QWidget window;
    auto* link =
        new HyperlinkLabel(QStringLiteral("site"), QStringLiteral("http://x.example/"), &window);
    link->move(10, 10);
    window.resize(200, 100);
    window.move(0, 0);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* check = link->findChild<QTimer*>();
    QVERIFY(check);
    QCOMPARE(check->interval(), 100);

    // Pointer over the label: the periodic check keeps it red.
    QCursor::setPos(link->mapToGlobal(link->rect().center()));
    sendEnter(link);
    QVERIFY(check->isActive());
    QSignalSpy ticks(check, &QTimer::timeout);
    QVERIFY(ticks.wait(2000));
    QCOMPARE(link->currentColor(), QColor(Qt::red));

    // Pointer gone without a leave event: the next check restores the colour.
    LeaveEater eater;
    link->installEventFilter(&eater);
    QCursor::setPos(window.mapToGlobal(QPoint(190, 90)));
    QTRY_COMPARE(link->currentColor(), QColor(Qt::blue));
    QVERIFY(!check->isActive());
}

void TestMiscWidgets::linkClickOpensAddressAndStaysVisited() {
    HyperlinkLabel link(QStringLiteral("site"), QStringLiteral("http://www.brindlecrest.example/"));
    QStringList opened;
    link.setOpener([&](const QString& address) {
        opened << address;
        return true;
    });
    QSignalSpy failed(&link, &HyperlinkLabel::openFailed);
    link.show();
    QVERIFY(QTest::qWaitForWindowExposed(&link));

    // Pressed on the label but released outside it: no click.
    QTest::mousePress(&link, Qt::LeftButton);
    QMouseEvent outside(QEvent::MouseButtonRelease, QPointF(-5, -5),
                        link.mapToGlobal(QPointF(-5, -5)), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&link, &outside);
    QCOMPARE(opened.size(), 0);

    QTest::mouseClick(&link, Qt::LeftButton);
    QCOMPARE(opened, QStringList({"http://www.brindlecrest.example/"}));
    QVERIFY(link.isVisited());
    QCOMPARE(failed.count(), 0);
    sendLeave(&link);
    QCOMPARE(link.currentColor(), QColor(Qt::red));

    QTest::mouseClick(&link, Qt::RightButton);
    QCOMPARE(opened.size(), 1);
}

void TestMiscWidgets::linkReportsFailedOpen() {
    HyperlinkLabel link(QStringLiteral("mail"),
                        QStringLiteral("mailto:support@brindlecrest.example"));
    QString asked;
    link.setOpener([&](const QString& address) {
        asked = address;
        return false;
    });
    QSignalSpy failed(&link, &HyperlinkLabel::openFailed);
    link.activate();
    QCOMPARE(asked, QStringLiteral("mailto:support@brindlecrest.example"));
    QCOMPARE(failed.count(), 1);
    QVERIFY(link.isVisited());

    // Nothing to open is nothing to fail at.
    QVERIFY(HyperlinkLabel::openWithDesktop(QString()));
}

void TestMiscWidgets::linkWorksWithKeys() {
    FocusHarness<HyperlinkLabel> form(QStringLiteral("site"), QStringLiteral("http://a.example/"));
    HyperlinkLabel* link = form.widget;
    int opened = 0;
    link->setOpener([&](const QString&) {
        ++opened;
        return true;
    });
    QVERIFY(form.ready());
    QVERIFY(link->focusPolicy() & Qt::TabFocus);
    link->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(link->hasFocus());
    QTest::keyClick(link, Qt::Key_Return);
    QTest::keyClick(link, Qt::Key_Space);
    QCOMPARE(opened, 2);
    QTest::keyClick(link, Qt::Key_A);
    QCOMPARE(opened, 2);
}

TLMR_GUI_TEST_MAIN(TestMiscWidgets)
#include "test_misc_widgets.moc"
