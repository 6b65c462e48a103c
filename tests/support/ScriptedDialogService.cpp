#include "tests/support/ScriptedDialogService.h"

#include "platform/Application.h"

ScriptedDialogService& ScriptedDialogService::install(Application& app) {
    auto service = std::make_unique<ScriptedDialogService>();
    ScriptedDialogService& ref = *service;
    app.setDialogService(std::move(service));
    return ref;
}

void ScriptedDialogService::record(const Call& call) {
    m_calls.append(call);
    if (m_onCall)
        m_onCall(call);
}

DialogService::Answer ScriptedDialogService::messageBox(QWidget* parent, const QString& caption,
                                                        const QString& text, Icon icon,
                                                        Buttons buttons) {
    record(Call{Kind::MessageBox, parent, caption, text, icon, buttons, QString()});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return m_answers.isEmpty() ? m_defaultAnswer : m_answers.dequeue();
}

void ScriptedDialogService::showMessage(const QString& text) {
    record(Call{Kind::ShowMessage, nullptr, QString(), text, Icon::None, Buttons::Ok, QString()});
}

QString ScriptedDialogService::getSaveFileName(QWidget* parent, const QString& caption,
                                               const QString& suggestedPath,
                                               const QString& filter) {
    record(
        Call{Kind::SaveFileName, parent, caption, suggestedPath, Icon::None, Buttons::Ok, filter});
    return m_saveNames.isEmpty() ? QString() : m_saveNames.dequeue();
}

QString ScriptedDialogService::getSaveFileName(QWidget* parent, const QString& caption,
                                               const QString& suggestedPath, const QString& filter,
                                               int* selectedFilter) {
    const int index = m_saveFilters.isEmpty() ? 0 : m_saveFilters.dequeue();
    if (selectedFilter)
        *selectedFilter = index;
    return getSaveFileName(parent, caption, suggestedPath, filter);
}

QStringList ScriptedDialogService::texts() const {
    QStringList out;
    for (const Call& call : m_calls) {
        if (call.kind != Kind::SaveFileName)
            out << call.text;
    }
    return out;
}
