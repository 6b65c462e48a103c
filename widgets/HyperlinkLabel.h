#pragma once

#include <QLabel>
#include <functional>

class QTimer;

// Blue underlined text with a hand cursor; red while the pointer is over it
// (checked every 100 ms, and on leaving), opens its address on a click (or
// Enter/Space when focused through Tab) and stays red afterwards as a visited link.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens an address; returns false when nothing could open it.
    using Opener = std::function<bool(const QString& address)>;

    explicit HyperlinkLabel(QWidget* parent = nullptr);
    HyperlinkLabel(const QString& caption, const QString& address, QWidget* parent = nullptr);

    const QString& address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }
    // Replaces the default opener (desktop services, beep on failure); an
    // empty opener restores the default.
    void setOpener(Opener opener);

    bool isVisited() const { return m_visited; }
    QColor currentColor() const;

    // Opens an address with the desktop's handler; an empty address opens
    // nothing and counts as done. Beeps and returns false on failure.
    static bool openWithDesktop(const QString& address);

public slots:
    // Opens the address as a click does.
    void activate();

signals:
    // The opener reported failure.
    void openFailed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setColor(const QColor& color);
    QColor restingColor() const;
    void checkPointer();

    QString m_address;
    Opener m_opener;
    QTimer* m_hoverTimer;
    bool m_visited = false;
};
