#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio items laid out in columns (filled top to bottom,
// then left to right), with an item index and a click event. Only the checked
// item is a Tab stop; the arrow keys move the check between items as clicks do.
class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns,
               QWidget* parent = nullptr);

    // The checked item, or -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index); // emits nothing; -1 checks none
    int count() const;
    QRadioButton* button(int index) const;

signals:
    // The user picked an item (by mouse or keyboard).
    void clicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void updateTabStops();
    int indexAfterKey(int index, int key) const;

    QButtonGroup* m_buttons;
    int m_rows = 1;
};
