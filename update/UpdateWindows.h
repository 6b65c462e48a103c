#pragma once

#include <QDialog>
#include <QFont>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;

// A modal window that only the program closes: Escape and the window system's
// close request are ignored, so a wait cannot end before its request does.
class TProgramModal : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;
    // Ends the modal run with `result`; the only way to close the window.
    void finish(int result);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool m_finishing = false;
};

// "Please Wait": a text, no buttons, the hourglass; closed by the request's end.
class TWaitWindow : public TProgramModal {
    Q_OBJECT
public:
    TWaitWindow(const QString& text, const QFont& font);

private:
    QLabel* lblText;
};

// The download progress window: caption, byte counts, a bar that never moves
// back, and "Cancel" (also Escape), which cancels the request. Its controls
// are found by objectName.
class TWebDlProgress : public TProgramModal {
    Q_OBJECT
public:
    TWebDlProgress(const QString& caption, const QFont& font);

    bool cancelled() const { return Cancelled; }
    // Shows received of total bytes; nothing once cancelled.
    void showProgress(qint64 received, qint64 total);
    // What "Cancel" asks of the running request.
    std::function<void()> onCancel;
    void btnCancelClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QProgressBar* pbarProgress;
    QLabel* lblDownloading;
    QLabel* lblProgress;
    QPushButton* btnCancel;
    bool Cancelled = false;
};

// Centres `window` on the free area of the primary screen.
void centreOnScreen(QWidget* window);

// The "Read Me" window: the text in a scrolling box and "Ok", 4/5 of the screen.
std::unique_ptr<QDialog> createReadMeWindow(const QString& text, const QFont& font);
