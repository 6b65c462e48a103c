#include "platform/QtDialogService.h"

#include "platform/ProductInfo.h"

#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <algorithm>

namespace {

QMessageBox::Icon toQtIcon(DialogService::Icon icon) {
    switch (icon) {
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Warning:
        return QMessageBox::Warning;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    case DialogService::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString applicationTitle() {
    const QString title = QGuiApplication::applicationDisplayName();
    return title.isEmpty() ? QString::fromLatin1(ProductInfo::kTitle) : title;
}

} // namespace

QString QtDialogService::visibleText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' || c == u'\n') {
            // A CR LF or LF CR pair is one break; a second pair is a second break.
            const QChar partner = c == u'\r' ? u'\n' : u'\r';
            if (i + 1 < text.size() && text.at(i + 1) == partner)
                ++i;
            out += u'\n';
        } else {
            out += c;
        }
    }
    return out;
}

DialogService::Answer QtDialogService::messageBox(QWidget* parent, const QString& caption,
                                                  const QString& text, Icon icon, Buttons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(caption);
    box.setIcon(toQtIcon(icon));
    // Our texts are never markup; a "<" in a message must show as it is.
    box.setTextFormat(Qt::PlainText);
    box.setText(visibleText(text));
    const bool yesNo = buttons == Buttons::YesNo;
    box.setStandardButtons(yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(yesNo ? QMessageBox::No : QMessageBox::Ok);
    const int result = box.exec();
    if (!yesNo)
        return Answer::Ok;
    return result == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtDialogService::showMessage(const QString& text) {
    messageBox(nullptr, applicationTitle(), text, Icon::None, Buttons::Ok);
}

QString QtDialogService::getSaveFileName(QWidget* parent, const QString& caption,
                                         const QString& suggestedPath, const QString& filter) {
    return QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter);
}

QString QtDialogService::getSaveFileName(QWidget* parent, const QString& caption,
                                         const QString& suggestedPath, const QString& filter,
                                         int* selectedFilter) {
    QString selected;
    const QString path =
        QFileDialog::getSaveFileName(parent, caption, suggestedPath, filter, &selected);
    if (selectedFilter)
        *selectedFilter = std::max(0, int(filter.split(QStringLiteral(";;")).indexOf(selected)));
    return path;
}
