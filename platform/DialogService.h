#pragma once

#include <QString>

class QWidget;

// Every message box and the save-file dialog go through this interface, so that
// tests can answer them in advance. Texts keep their exact line breaks (CR, CR LF,
// LF CR); only the Qt implementation turns them into visible breaks.
class DialogService {
public:
    enum class Icon { None, Information, Warning, Question };
    enum class Buttons { Ok, YesNo };
    enum class Answer { Ok, Yes, No };

    virtual ~DialogService() = default;

    // A modal message box with caption, icon and buttons.
    virtual Answer messageBox(QWidget* parent, const QString& caption, const QString& text,
                              Icon icon, Buttons buttons) = 0;
    // The toolkit's plain message window, captioned with the application title.
    virtual void showMessage(const QString& text) = 0;
    // The save-file dialog; an empty result means cancelled.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggestedPath, const QString& filter) = 0;
    // The save-file dialog that also reports which entry of `filter` (entries
    // separated by ";;", counted from 0) was selected when it closed.
    virtual QString getSaveFileName(QWidget* parent, const QString& caption,
                                    const QString& suggestedPath, const QString& filter,
                                    int* selectedFilter) {
        if (selectedFilter)
            *selectedFilter = 0;
        return getSaveFileName(parent, caption, suggestedPath, filter);
    }
};
