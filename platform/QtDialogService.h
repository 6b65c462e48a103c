#pragma once

#include "platform/DialogService.h"

// The real, modal Qt dialogs.
class QtDialogService : public DialogService {
public:
    Answer messageBox(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                      Buttons buttons) override;
    void showMessage(const QString& text) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                            const QString& filter, int* selectedFilter) override;

    // CR LF, LF CR and lone CR become LF, so Qt shows every intended break.
    static QString visibleText(const QString& text);
};
