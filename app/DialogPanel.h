#pragma once

#include <QWidget>

// The white panel that the About and disclaimer dialogs draw on: a lowered
// outer and a raised inner bevel around a white face. Children are placed in
// the panel's own coordinates; the bevels are painted, not laid out.
class DialogPanel : public QWidget {
    Q_OBJECT
public:
    explicit DialogPanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
