#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns,
                       QWidget* parent)
    : QGroupBox(caption, parent)
    , m_buttons(new QButtonGroup(this)) {
    const int columnCount = std::max(1, columns);
    m_rows = std::max<int>(1, (items.size() + columnCount - 1) / columnCount);

    auto* layout = new QGridLayout(this);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        // The items' captions start with blanks that only align them.
        button->setAccessibleName(items.at(i).trimmed());
        button->installEventFilter(this);
        m_buttons->addButton(button, i);
        layout->addWidget(button, i % m_rows, i / m_rows);
    }
    connect(m_buttons, &QButtonGroup::idClicked, this, &RadioGroup::clicked);
    connect(m_buttons, &QButtonGroup::idToggled, this, &RadioGroup::updateTabStops);
    updateTabStops();
}

int RadioGroup::itemIndex() const {
    return m_buttons->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QAbstractButton* target = m_buttons->button(index)) {
        target->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last button.
    if (QAbstractButton* checked = m_buttons->checkedButton()) {
        m_buttons->setExclusive(false);
        checked->setChecked(false);
        m_buttons->setExclusive(true);
    }
    updateTabStops();
}

int RadioGroup::count() const {
    return static_cast<int>(m_buttons->buttons().size());
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(m_buttons->button(index));
}

bool RadioGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QGroupBox::eventFilter(watched, event);
    auto* button = qobject_cast<QAbstractButton*>(watched);
    const int current = button ? m_buttons->id(button) : -1;
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int next = current >= 0 ? indexAfterKey(current, key) : -2;
    if (next == -2)
        return QGroupBox::eventFilter(watched, event);

    if (next != current) {
        QAbstractButton* target = m_buttons->button(next);
        target->setFocus(Qt::TabFocusReason);
        target->click();
    }
    return true; // arrow keys never leave the group
}

// The item an arrow key moves to from `index` (clamped at the ends), or -2 for
// a key that is not an arrow.
int RadioGroup::indexAfterKey(int index, int key) const {
    int next = index;
    switch (key) {
    case Qt::Key_Up:
        next = index - 1;
        break;
    case Qt::Key_Down:
        next = index + 1;
        break;
    case Qt::Key_Left:
        next = index - m_rows;
        break;
    case Qt::Key_Right:
        next = index + m_rows;
        break;
    default:
        return -2;
    }
    return (next >= 0 && next < count()) ? next : index;
}

void RadioGroup::updateTabStops() {
    const int checked = m_buttons->checkedId();
    const int tabStop = checked >= 0 ? checked : 0;
    for (QAbstractButton* button : m_buttons->buttons())
        button->setFocusPolicy(m_buttons->id(button) == tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}
