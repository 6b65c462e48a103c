#pragma once

#include <QLabel>
#include <functional>

class QTimer;

// Blue underlined text with a hand cursor; red while the pointer is over it
// (checked every 100 ms), opens its address on a click and stays red afterwards.
class HyperlinkLabel : public QLabel {
    Q_OBJECT
public:
    // Opens an address; returns false when nothing could open it.
    using Opener = std::function<bool(const QString& address)>;

    explicit HyperlinkLabel(QWidget* parent = nullptr);
    HyperlinkLabel(const QString& caption, const QString& address, QWidget* parent = nullptr);

    const QString& address() const { return m_address; }
    void setAddress(const QString& address) { m_address = address; }
    // Replaces the default opener (desktop services, beep on failure).
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    bool isVisited() const { return m_visited; }
    QColor currentColor() const;

public slots:
    // Opens the address as a click does.
    void activate();

signals:
    // The opener reported failure.
    void openFailed();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    void setColor(const QColor& color);
    void checkPointer();

    QString m_address;
    Opener m_opener;
    QTimer* m_hoverTimer;
    bool m_visited = false;
};
