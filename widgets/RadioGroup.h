#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

// A captioned group of radio items laid out in columns, with an item index and
// a click event.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index); // emits nothing
    int count() const;

signals:
    // The user picked an item (by mouse or keyboard).
    void clicked(int index);

private:
    QButtonGroup* m_buttons;
};
