#pragma once

#include "platform/DialogService.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

class Application;

// A dialog service for tests: shows nothing, records every call exactly as
// made, and answers from queues filled in advance (then from defaults: OK for
// an OK box, the default answer for a Yes/No box, "cancelled" for a save-file
// dialog).
class ScriptedDialogService : public DialogService {
public:
    enum class Kind { MessageBox, ShowMessage, SaveFileName };

    struct Call {
        Kind kind = Kind::MessageBox;
        QWidget* parent = nullptr;
        QString caption; // empty for showMessage
        QString text;    // message text, exact; for a save-file dialog the suggested path
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        QString filter; // save-file dialog only
    };

    // Replaces the application's dialog service with a new scripted one and
    // returns it (the application owns it).
    static ScriptedDialogService& install(Application& app);

    Answer messageBox(QWidget* parent, const QString& caption, const QString& text, Icon icon,
                      Buttons buttons) override;
    void showMessage(const QString& text) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                            const QString& filter) override;
    QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath,
                            const QString& filter, int* selectedFilter) override;

    // Answers for the next Yes/No boxes, in order.
    void setNextAnswer(Answer answer) { m_answers.enqueue(answer); }
    void setDefaultAnswer(Answer answer) { m_defaultAnswer = answer; }
    // Results of the next save-file dialogs, in order (empty = cancelled).
    void setNextSaveFileName(const QString& path) { m_saveNames.enqueue(path); }
    // Filter entries (counted from 0) selected in the next save-file dialogs; 0 unless set.
    void setNextSaveFilter(int index) { m_saveFilters.enqueue(index); }

    // Runs inside each call, after it is recorded and before it returns, as
    // code would run while a real modal dialog is open.
    void setOnCall(std::function<void(const Call&)> hook) { m_onCall = std::move(hook); }

    const QList<Call>& calls() const { return m_calls; }
    int count() const { return int(m_calls.size()); }
    const Call& last() const { return m_calls.constLast(); }
    // Texts of every message (message boxes and plain messages), in order.
    QStringList texts() const;
    void clear() { m_calls.clear(); }

private:
    void record(const Call& call);

    QList<Call> m_calls;
    QQueue<Answer> m_answers;
    QQueue<QString> m_saveNames;
    QQueue<int> m_saveFilters;
    Answer m_defaultAnswer = Answer::No;
    std::function<void(const Call&)> m_onCall;
};
