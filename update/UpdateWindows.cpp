#include "update/UpdateWindows.h"

#include "update/UpdateInfo.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr Qt::WindowFlags kNoTitleButtons =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

QLabel* fixedLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void TProgramModal::finish(int result) {
    m_finishing = true;
    done(result);
    m_finishing = false;
}

void TProgramModal::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TProgramModal::closeEvent(QCloseEvent* event) {
    if (m_finishing)
        QDialog::closeEvent(event);
    else
        event->ignore();
}

void TProgramModal::reject() {
    if (m_finishing)
        QDialog::reject();
}

TWaitWindow::TWaitWindow(const QString& text, const QFont& font)
    : TProgramModal(nullptr, kNoTitleButtons) {
    setObjectName(QStringLiteral("WaitWindow"));
    setWindowTitle(tr("Please Wait"));
    setModal(true);
    setCursor(Qt::WaitCursor);
    setFixedSize(232, 73); // 240 x 100 with the frame
    lblText = fixedLabel(this, "lblText", QRect(0, 27, 232, 23));
    lblText->setFont(font);
    lblText->setText(text);
    centreOnScreen(this);
}

TWebDlProgress::TWebDlProgress(const QString& caption, const QFont& font)
    : TProgramModal(nullptr, kNoTitleButtons) {
    setObjectName(QStringLiteral("WebDlProgress"));
    setWindowTitle(tr("Download Progress"));
    setModal(true);
    setCursor(Qt::WaitCursor);
    setFont(font);
    setFixedSize(272, 123);
    lblDownloading = fixedLabel(this, "lblDownloading", QRect(2, 10, 268, 18));
    lblDownloading->setText(caption);
    pbarProgress = new QProgressBar(this);
    pbarProgress->setObjectName(QStringLiteral("pbarProgress"));
    pbarProgress->setGeometry(36, 40, 200, 14);
    pbarProgress->setRange(0, 100);
    pbarProgress->setValue(0);
    pbarProgress->setTextVisible(false);
    lblProgress = fixedLabel(this, "lblProgress", QRect(2, 60, 268, 22));
    btnCancel = new QPushButton(tr("&Cancel"), this);
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnCancel->setGeometry(102, 94, 68, 22);
    btnCancel->setCursor(Qt::ArrowCursor);
    btnCancel->setDefault(true);
    setTabOrder(pbarProgress, btnCancel);
    connect(btnCancel, &QPushButton::clicked, this, &TWebDlProgress::btnCancelClick);
    centreOnScreen(this);
}

void TWebDlProgress::showProgress(qint64 received, qint64 total) {
    if (Cancelled)
        return;
    lblProgress->setText(
        tr("%1 of %2 bytes received.")
            .arg(UpdateInfo::FormatThousands(received), UpdateInfo::FormatThousands(total)));
    if (total == 0)
        return; // no percentage of nothing
    const qint64 percent = received * 100 / total;
    if (percent > pbarProgress->value())
        pbarProgress->setValue(int(std::min<qint64>(percent, 100)));
}

void TWebDlProgress::btnCancelClick() {
    if (Cancelled)
        return;
    Cancelled = true;
    if (onCancel)
        onCancel();
}

void TWebDlProgress::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        btnCancelClick();
        return;
    }
    TProgramModal::keyPressEvent(event);
}

std::unique_ptr<QDialog> createReadMeWindow(const QString& text, const QFont& font) {
    auto window = std::make_unique<QDialog>(nullptr, kNoTitleButtons);
    window->setObjectName(QStringLiteral("ReadMeWindow"));
    window->setWindowTitle(QCoreApplication::translate("TWebFileInfo", "Read Me"));
    window->setFont(font);
    QSize size(800, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = screen->geometry().size() * 4 / 5;
    window->setFixedSize(size);
    const int w = size.width();
    const int h = size.height();

    auto* memo = new QPlainTextEdit(window.get());
    memo->setObjectName(QStringLiteral("memReadMe"));
    memo->setGeometry(10, 10, w - 25, h - 80);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setReadOnly(true);
    memo->setFont(font);
    memo->setPlainText(text);

    auto* ok = new QPushButton(QCoreApplication::translate("TWebFileInfo", "&Ok"), window.get());
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setGeometry(w / 2 - 34, h - 56, 68, 22);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, window.get(), &QDialog::accept);
    ok->setFocus();
    centreOnScreen(window.get());
    return window;
}
